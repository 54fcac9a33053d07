// The progress dialog as the user sees it: the bar, the text, and the two ways to abort.
#include "tranzform.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

TEST(TranzForm, AbortButtonReturnsThreeAndTheFrameTwo) {
    for (const bool byButton : {true, false}) {
        TMAIN_Tranz_Form dlg;
        QTimer::singleShot(0, &dlg, [&] {
            EXPECT_TRUE(dlg.isVisible());
            dlg.SetProgress(3);
            if (byButton)
                dlg.AbortButton()->click();
            else
                dlg.close();  // the close box
        });
        const int32_t r = dlg.Execute("Parametersatz übertragen", "Sende a.prn", 8);
        EXPECT_EQ(r, byButton ? 3 : 2);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Parametersatz übertragen"));
        EXPECT_EQ(dlg.Label1()->text(), QStringLiteral("Sende a.prn"));
        EXPECT_EQ(dlg.ProgressBar1()->maximum(), 8);
        EXPECT_EQ(dlg.ProgressBar1()->value(), 3);
    }
}

TEST(TranzForm, OwnersResultEndsTheDialogAndTheLastOneWins) {
    TMAIN_Tranz_Form dlg;
    QTimer::singleShot(0, &dlg, [&] {
        dlg.SetProgress(20);  // past the maximum: shown as full
        dlg.progress().SetModalResult(7);
        dlg.progress().SetModalResult(5);
    });
    EXPECT_EQ(dlg.Execute("x", "y", 10), 5);
    EXPECT_EQ(dlg.ProgressBar1()->value(), 10);
    EXPECT_EQ(dlg.AbortButton()->text(), QStringLiteral("&Abbruch"));
}

}  // namespace
