// How the main window arranges its MDI children: tiling and cascading keep every child at a
// usable size, and nothing but the arrangement commands moves them.
#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "errorform.h"
#include "mainwinharness.h"
#include "overviewform.h"
#include "protokoll.h"

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

class MainWindowLayout : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::vector<QRect> childPlaces(TMAIN_Form& f) {
        std::vector<QRect> out;
        for (QMdiSubWindow* s : f.mdiArea()->subWindowList()) out.push_back(s->geometry());
        return out;
    }

    QTemporaryDir dir;
};

TEST_F(MainWindowLayout, PausingAndResumingTheLogMovesNoWindow) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    run.showReady();
    f.WIN_PDataExecute();  // the log comes up over the tiled views
    settle();
    const std::vector<QRect> before = childPlaces(f);
    TANSI_PROT_Form& log = *f.protForm();
    for (QAction* a : {log.PROT_STOP(), log.PROT_START(), log.PROT_STOP(), log.PROT_START()}) {
        a->showStatusText(log.PROT_Text());  // the pointer on the context menu's line
        settle();
        a->trigger();
        settle();
        EXPECT_EQ(childPlaces(f), before) << a->objectName().toStdString();
    }
}

TEST_F(MainWindowLayout, TheWindowMenuKeepsEveryChildWhole) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    run.showReady();
    f.showNormal();
    f.resize(1600, 1000);
    f.WIN_PDataExecute();
    settle();
    for (const char* name : {"WindowTileHorizontal1", "WindowTileVertical1", "WindowCascade1"}) {
        f.action(QString::fromLatin1(name))->trigger();
        settle();
        const QRect area = f.mdiArea()->viewport()->rect();
        for (QMdiSubWindow* s : f.mdiArea()->subWindowList()) {
            const QWidget* inner = s->widget();
            SCOPED_TRACE(std::string(name) + " " + inner->objectName().toStdString());
            EXPECT_GE(inner->width(), inner->minimumWidth());
            EXPECT_GE(inner->height(), inner->minimumHeight());
            EXPECT_TRUE(s->rect().contains(inner->geometry()));
            EXPECT_TRUE(area.contains(s->geometry()));
        }
    }
}

}  // namespace
