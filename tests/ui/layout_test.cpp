// Window placement from the settings' slots: restore, save, stacking order, column widths.
#include "layout.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTreeWidget>

#include "settings.h"

namespace {

class LayoutTest : public ::testing::Test {
protected:
    MainSettings s{{}, {}};
};

TEST_F(LayoutTest, RestoreAppliesTheSlotAndSaveReadsItBack) {
    QWidget w;
    LAYOUT_SetTag(&w, 3);
    s.FormPlacement[3] = {3, 30, 40, 200, 300, true, -1};
    LAYOUT_RestoreForm(s, &w);
    EXPECT_EQ(w.pos(), QPoint(30, 40));
    EXPECT_EQ(w.size(), QSize(300, 200));
    EXPECT_FALSE(w.isMinimized());
    EXPECT_FALSE(w.isMaximized());

    w.show();
    w.move(50, 60);
    w.resize(320, 210);
    LAYOUT_SaveForm(s, &w);
    EXPECT_EQ(s.FormPlacement[3], (TFormPlacement{3, 50, 60, 210, 320, true, -1}));
    EXPECT_TRUE(LAYOUT_WasOpen(s, &w));

    w.hide();
    LAYOUT_SaveForm(s, &w);
    EXPECT_FALSE(s.FormPlacement[3].Open);
    EXPECT_FALSE(LAYOUT_WasOpen(s, &w));
}

TEST_F(LayoutTest, RestoredWindowIsKeptOnAVisibleScreen) {
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        int left, top, width, height;
    } cases[] = {
        {5000, 4000, 300, 200},                             // where a second screen used to be
        {-2000, 30, 300, 200},                              // left of every screen
        {avail.right() - 10, 10, 300, 200},                 // only a sliver still on the screen
        {0, 0, avail.width() + 500, avail.height() + 500},  // larger than the screen
    };
    for (const Case& c : cases) {
        QWidget w;
        LAYOUT_SetTag(&w, 6);
        s.FormPlacement[6] = {3, c.left, c.top, c.height, c.width, false, -1};
        LAYOUT_RestoreForm(s, &w);
        const QRect r(w.pos(), w.size());
        EXPECT_TRUE(avail.contains(r.topLeft())) << c.left << "," << c.top;
        EXPECT_TRUE(avail.contains(QPoint(r.left() + std::min(r.width(), 100) - 1, r.top() + 29)))
            << c.left << "," << c.top;
    }
    // A window that is on the screen stays where it is.
    QWidget w;
    LAYOUT_SetTag(&w, 6);
    s.FormPlacement[6] = {3, avail.left() + 10, avail.top() + 20, 100, 150, false, -1};
    LAYOUT_RestoreForm(s, &w);
    EXPECT_EQ(w.pos(), QPoint(avail.left() + 10, avail.top() + 20));
}

TEST_F(LayoutTest, NothingHappensWithoutASavedSlot) {
    QWidget noTag;
    noTag.setGeometry(11, 12, 130, 140);
    s.FormPlacement[1] = {3, 500, 500, 50, 50, true, -1};
    LAYOUT_RestoreForm(s, &noTag);
    EXPECT_EQ(noTag.geometry(), QRect(11, 12, 130, 140));
    LAYOUT_SaveForm(s, &noTag);  // Tag 0 has no slot
    EXPECT_EQ(s.FormPlacement[1], (TFormPlacement{3, 500, 500, 50, 50, true, -1}));

    for (int state : {0, -1}) {
        QWidget never;
        never.setGeometry(11, 12, 130, 140);
        LAYOUT_SetTag(&never, 7);
        s.FormPlacement[7] = {state, 500, 500, 50, 50, false, -1};
        LAYOUT_RestoreForm(s, &never);
        EXPECT_EQ(never.geometry(), QRect(11, 12, 130, 140));
    }
    QWidget outside;
    LAYOUT_SetTag(&outside, 21);
    EXPECT_FALSE(LAYOUT_WasOpen(s, &outside));
    LAYOUT_SaveForm(s, &outside);
}

TEST_F(LayoutTest, FixedSizeWindowKeepsItsSize) {
    QWidget w;
    w.setFixedSize(250, 150);
    LAYOUT_SetTag(&w, 7);
    s.FormPlacement[7] = {3, 40, 50, 600, 700, false, -1};
    LAYOUT_RestoreForm(s, &w);
    EXPECT_EQ(w.pos(), QPoint(40, 50));
    EXPECT_EQ(w.size(), QSize(250, 150));
}

TEST_F(LayoutTest, StatesAreRestoredAndAMinimisedWindowKeepsItsLastPlace) {
    QWidget w;
    LAYOUT_SetTag(&w, 4);
    s.FormPlacement[4] = {2, 10, 10, 200, 300, true, -1};
    LAYOUT_RestoreForm(s, &w);
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    s.FormPlacement[4].State = 1;
    LAYOUT_RestoreForm(s, &w);
    EXPECT_TRUE(w.windowState() & Qt::WindowMinimized);
    s.FormPlacement[4].State = 7;  // anything else is minimised too
    w.setWindowState(Qt::WindowNoState);
    LAYOUT_RestoreForm(s, &w);
    EXPECT_TRUE(w.windowState() & Qt::WindowMinimized);

    QWidget m;
    LAYOUT_SetTag(&m, 4);
    s.FormPlacement[4] = {3, 15, 25, 200, 300, true, -1};
    m.setGeometry(100, 100, 400, 300);
    m.setWindowState(Qt::WindowMinimized);
    LAYOUT_SaveForm(s, &m);
    EXPECT_EQ(s.FormPlacement[4], (TFormPlacement{1, 15, 25, 200, 300, false, -1}));
}

TEST_F(LayoutTest, MdiChildIsPlacedInsideItsArea) {
    QMdiArea area;
    area.resize(800, 600);
    auto* form = new QWidget;
    LAYOUT_SetTag(form, 2);
    QMdiSubWindow* sub = area.addSubWindow(form);
    area.show();
    s.FormPlacement[2] = {3, 120, 80, 250, 350, true, -1};
    LAYOUT_RestoreForm(s, form);
    EXPECT_EQ(sub->geometry(), QRect(120, 80, 350, 250));

    sub->move(-40, -10);  // dragged partly out: stored from 0
    LAYOUT_SaveForm(s, form);
    EXPECT_EQ(s.FormPlacement[2], (TFormPlacement{3, 0, 0, 250, 350, true, -1}));

    s.FormPlacement[2] = {1, 5000, 5000, 250, 350, true, -1};
    LAYOUT_RestoreForm(s, form);
    EXPECT_TRUE(sub->isMinimized());
    EXPECT_LT(sub->x(), area.viewport()->width());
    EXPECT_LT(sub->y(), area.viewport()->height());
}

TEST_F(LayoutTest, StackingOrderIsSavedAndRestored) {
    QMdiArea area;
    area.resize(800, 600);
    QMdiSubWindow* subs[3];
    const int tags[3] = {2, 9, 13};
    for (int i = 0; i < 3; ++i) {
        auto* form = new QWidget;
        LAYOUT_SetTag(form, tags[i]);
        subs[i] = area.addSubWindow(form);
    }
    area.show();
    area.setActiveSubWindow(subs[1]);
    area.setActiveSubWindow(subs[0]);
    area.setActiveSubWindow(subs[2]);  // back to front: 9, 2, 13
    for (int n = 1; n <= 20; ++n) s.FormPlacement[n].Pos = 7;
    LAYOUT_SaveZOrder(s, &area);
    EXPECT_EQ(s.FormPlacement[9].Pos, 0);
    EXPECT_EQ(s.FormPlacement[2].Pos, 1);
    EXPECT_EQ(s.FormPlacement[13].Pos, 2);
    for (int n : {1, 3, 12, 20}) EXPECT_EQ(s.FormPlacement[n].Pos, -1) << "slot " << n;

    // Stored order 13 at the back, then 9, then 2 in front; slot 5 names no window.
    s.FormPlacement[13].Pos = 0;
    s.FormPlacement[5].Pos = 1;
    s.FormPlacement[9].Pos = 2;
    s.FormPlacement[2].Pos = 3;
    LAYOUT_RestoreZOrder(s, &area);
    const QList<QMdiSubWindow*> order = area.subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(order.size(), 3);
    EXPECT_EQ(LAYOUT_Tag(order[0]), 13);
    EXPECT_EQ(LAYOUT_Tag(order[1]), 9);
    EXPECT_EQ(LAYOUT_Tag(order[2]), 2);
    EXPECT_EQ(area.activeSubWindow(), subs[0]);
}

TEST_F(LayoutTest, ColumnWidthsFollowTheListTag) {
    s.ListColumnWidths[2] = {111, 122, 133, 0, 0};
    QTreeWidget list;
    list.setColumnCount(3);
    LAYOUT_SetTag(&list, 2);
    LAYOUT_RestoreColumns(s, &list);
    EXPECT_EQ(list.columnWidth(0), 111);
    EXPECT_EQ(list.columnWidth(1), 122);
    EXPECT_EQ(list.columnWidth(2), 133);
    list.setColumnWidth(1, 77);
    LAYOUT_SaveColumns(s, &list);
    EXPECT_EQ(s.ListColumnWidths[2][1], 77);

    // Tags without a column set are left alone.
    for (int tag : {0, 6, -1}) {
        QTreeWidget other;
        other.setColumnCount(3);
        other.setColumnWidth(0, 66);
        LAYOUT_SetTag(&other, tag);
        LAYOUT_RestoreColumns(s, &other);
        EXPECT_EQ(other.columnWidth(0), 66);
        LAYOUT_SaveColumns(s, &other);
    }
    // A list with more columns than the set holds: the extra ones are not touched.
    QTreeWidget wide;
    wide.setColumnCount(7);
    wide.setColumnWidth(6, 44);
    LAYOUT_SetTag(&wide, 2);
    LAYOUT_RestoreColumns(s, &wide);
    LAYOUT_SaveColumns(s, &wide);
    EXPECT_EQ(wide.columnWidth(6), 44);
    EXPECT_EQ(s.ListColumnWidths[2][0], 111);
}

}  // namespace
