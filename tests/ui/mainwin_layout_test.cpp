// How the main window arranges its MDI children: tiling and cascading keep every child at a
// usable size, and nothing but the arrangement commands moves them.
#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

#include "errorform.h"
#include "mainwinharness.h"
#include "mdichecks.h"
#include "overviewform.h"
#include "protokoll.h"
#include "trendform.h"

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

    // A first run shown, then its main window set to 1600 x 1000 (the tiling follows it).
    static TMAIN_Form& shownAt1600x1000(MainWinRun& run) {
        run.showReady();
        run.form->showNormal();
        run.form->resize(1600, 1000);
        return *run.form;
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

// All six views up in a 1600 x 1000 main window: their minimums fit neither one above the
// other nor side by side, so the tilings lay them out at their minimums and the area scrolls.
TEST_F(MainWindowLayout, TheWindowMenuKeepsEveryChildWhole) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = shownAt1600x1000(run);
    f.WIN_PDataExecute();
    settle();
    for (const char* name : {"WindowTileHorizontal1", "WindowTileVertical1", "WindowCascade1"}) {
        f.action(QString::fromLatin1(name))->trigger();
        settle();
        expectArrangedWhole(f.mdiArea(), name[6] == 'T', name);
    }
}

// The first run before any session, in a 1600 x 1000 main window: the five views that are up
// all in sight, whole and side by side (one above the other they would not fit), the telegram
// log laid aside below them, and a view in sight is the active one, not the laid-aside log.
TEST_F(MainWindowLayout, FirstRunShowsEveryViewWholeWithAViewInSightActive) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = shownAt1600x1000(run);
    settle();
    QMdiArea* area = f.mdiArea();
    const QRect view = area->viewport()->rect();
    auto* log = qobject_cast<QMdiSubWindow*>(f.protForm()->parentWidget());
    ASSERT_TRUE(log->isMinimized());
    expectArrangedWhole(area, true, "first run");
    for (QMdiSubWindow* s : area->subWindowList()) {
        if (s == log) continue;
        EXPECT_TRUE(view.contains(s->geometry()))
            << s->windowTitle().toStdString() << " " << mdiRectText(s->geometry());
        EXPECT_LT(s->geometry().bottom(), log->geometry().top());
    }
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    QMdiSubWindow* active = area->activeSubWindow();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active, f.trendForm()->placedWindow()) << active->windowTitle().toStdString();
    EXPECT_EQ(active->geometry().topLeft(), QPoint(0, 0)) << "the first place";
    // and the window menu checks it
    QMenu* menu = f.menu(QStringLiteral("Fenster1"));
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    QStringList checked;
    for (QAction* a : menu->actions())
        if (a->property("WindowListEntry").toBool() && a->isChecked()) checked << a->text();
    EXPECT_EQ(checked, QStringList{QStringLiteral("&6 Trendgrafik")});
}

}  // namespace
