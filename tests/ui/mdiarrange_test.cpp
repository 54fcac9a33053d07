// Tiling and cascading the MDI children, and the limits every MDI child keeps: no
// arrangement and no restored placement makes a child smaller than its window's minimum or
// larger than its maximum.
#include "mdiarrange.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollBar>

#include "errorform.h"
#include "layout.h"
#include "mdichecks.h"
#include "overviewform.h"
#include "settings.h"
#include "viewdata.h"
#include "viewtestsupport.h"

std::string rectText(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}
void PrintTo(const QRect& r, std::ostream* os) {
    *os << rectText(r);
}

namespace {

TEST(MdiSplit, SharesALengthWithinTheLimits) {
    constexpr int kNone = QWIDGETSIZE_MAX;
    struct Case {
        const char* what;
        int total;
        std::vector<int> minimums, maximums, expected;
    } cases[] = {
        {"equal shares, the odd pixel last", 901, {0, 0}, {kNone, kNone}, {450, 451}},
        {"a minimum above the share", 900, {500, 0, 0}, {kNone, kNone, kNone}, {500, 200, 200}},
        {"two minimums", 900, {348, 228, 0}, {kNone, kNone, kNone}, {348, 276, 276}},
        {"a maximum below the share", 1600, {0, 0}, {500, kNone}, {500, 1100}},
        {"minimums that do not fit: at least an equal share",
         500,
         {348, 228, 28},
         {kNone, kNone, kNone},
         {348, 228, 166}},
        {"... within the maximum", 500, {348, 228, 28}, {kNone, kNone, 100}, {348, 228, 100}},
        {"one child", 700, {100}, {kNone}, {700}},
        {"no child", 700, {}, {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MDI_SplitLength(c.total, c.minimums, c.maximums), c.expected) << c.what;
}

TEST(MdiGroup, FewestSharedPlacesThatFitTheRoom) {
    struct Case {
        const char* what;
        int along, across;
        std::vector<int> alongMinimums, acrossMinimums, expected;
    } cases[] = {
        {"one a place where that fits", 1000, 500, {300, 300, 300}, {400, 400, 400}, {1, 1, 1}},
        {"the last two share a place",
         800,
         900,
         {300, 300, 200, 200},
         {400, 400, 400, 400},
         {1, 1, 2}},
        {"a group takes its largest minimum along",
         800,
         900,
         {300, 300, 250, 200},
         {400, 400, 400, 400},
         {1, 2, 1}},
        {"shared places last among equals",
         700,
         900,
         {300, 200, 200, 200},
         {400, 400, 400, 400},
         {1, 1, 2}},
        {"the only fitting grouping has its shared place first",
         800,
         900,
         {200, 200, 600},
         {300, 300, 700},
         {2, 1}},
        {"a group too broad for the room", 700, 700, {300, 300, 300}, {400, 400, 400}, {}},
        {"all in one place", 400, 1300, {300, 300, 300}, {400, 400, 400}, {3}},
        {"one child wider than the room", 1000, 300, {100, 100}, {400, 100}, {}},
        {"no child", 1000, 1000, {}, {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MDI_GroupChildren(c.along, c.across, c.alongMinimums, c.acrossMinimums),
                  c.expected)
            << c.what;
    // Beyond the children that are grouped, only one child a place is tried.
    const std::vector<int> many(MaxGroupedChildren + 1, 100);
    EXPECT_EQ(MDI_GroupChildren(100 * (MaxGroupedChildren + 1), 100, many, many),
              std::vector<int>(MaxGroupedChildren + 1, 1));
    EXPECT_TRUE(MDI_GroupChildren(100 * MaxGroupedChildren, 1000, many, many).empty());
}

// With a shortfall, the fitting grouping that misses the least room wins over more groups;
// a grouping that does not fit is never taken, however little it would miss.
TEST(MdiGroup, LeastShortfallAmongTheGroupingsThatFit) {
    const std::vector<int> along{300, 300, 200, 200}, across{400, 400, 400, 400};
    std::vector<std::vector<int>> asked;
    const auto missing = [&](const std::vector<int>& groups) -> long long {
        asked.push_back(groups);
        if (groups == std::vector<int>{1, 1, 2}) return 50;
        if (groups == std::vector<int>{2, 2}) return 10;
        if (groups == std::vector<int>{4}) return 0;  // too broad for the room
        return 100;
    };
    EXPECT_EQ(MDI_GroupChildren(1000, 900, along, across, missing), (std::vector<int>{2, 2}));
    for (const std::vector<int>& g : asked) EXPECT_NE(g, (std::vector<int>{4}));
    // Equal shortfalls keep the order without one: most groups, then shared places last.
    EXPECT_EQ(MDI_GroupChildren(1000, 900, along, across, [](const auto&) { return 7LL; }),
              (std::vector<int>{1, 1, 1, 1}));
}

// The overview of a class-1 heater, the error view and a window without limits (as the
// telegram log), in the MDI area of a main window with a menu bar (where a maximised child
// shows its buttons), about 1600 x 1000.
class MdiArrangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        viewdata::fillClass(dp, 1);
        main.menuBar()->addMenu(QStringLiteral("Fenster"));
        main.setCentralWidget(area);
        main.resize(1600, 1030);
        overview = new TANSI_OVERVIEW_Form(dp, rec.context());
        errors = new TANSI_ERROR_Form(dp, rec.context());
        subs.push_back(ViewForm::VIEW_AddToMdi(area, overview));
        subs.push_back(ViewForm::VIEW_AddToMdi(area, errors));
        LAYOUT_SetTag(subs[0], TANSI_OVERVIEW_Form::kFormTag);
        LAYOUT_SetTag(subs[1], TANSI_ERROR_Form::kFormTag);
        auto* log = new QWidget;
        subs.push_back(area->addSubWindow(log));
        LAYOUT_KeepMdiChild(subs.back());
        main.show();
        for (QMdiSubWindow* s : subs) s->show();
        overview->SetLinkState(true);
        overview->SetDeviceClass(1);
        overview->ShowValues();
        QApplication::processEvents();
    }

    QRect areaRect() const { return area->viewport()->rect(); }

    // Every child holds its window whole: at least the window's minimum, at most its
    // maximum, and the window inside the child's frame.
    void expectWindowsWhole(const char* what) {
        for (QMdiSubWindow* s : subs) {
            QWidget* inner = s->widget();
            SCOPED_TRACE(what + (" " + str(inner->metaObject()->className())));
            EXPECT_GE(inner->width(), inner->minimumWidth());
            EXPECT_GE(inner->height(), inner->minimumHeight());
            EXPECT_LE(inner->width(), inner->maximumWidth());
            EXPECT_LE(inner->height(), inner->maximumHeight());
            EXPECT_TRUE(s->rect().contains(inner->geometry())) << rectText(inner->geometry());
            EXPECT_TRUE(areaRect().contains(s->geometry())) << rectText(s->geometry());
        }
    }

    DataPointTable dp;
    RecordingContext rec;
    QMainWindow main;
    QMdiArea* area = new QMdiArea;
    TANSI_OVERVIEW_Form* overview = nullptr;
    TANSI_ERROR_Form* errors = nullptr;
    std::vector<QMdiSubWindow*> subs;
};

TEST_F(MdiArrangeTest, TilingsKeepEveryWindowWhole) {
    MdiArranger arranger(area);
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        const char* what = o == Qt::Horizontal ? "one above the other" : "side by side";
        arranger.tile(o);
        QApplication::processEvents();
        expectWindowsWhole(what);
        // The places follow each other without a gap or an overlap.
        std::vector<QRect> places;
        for (QMdiSubWindow* s : subs) places.push_back(s->geometry());
        std::sort(places.begin(), places.end(), [o](const QRect& a, const QRect& b) {
            return o == Qt::Horizontal ? a.top() < b.top() : a.left() < b.left();
        });
        for (size_t i = 1; i < places.size(); ++i) {
            if (o == Qt::Horizontal)
                EXPECT_EQ(places[i].top(), places[i - 1].bottom() + 1) << what;
            else
                EXPECT_EQ(places[i].left(), places[i - 1].right() + 1) << what;
        }
        const QRect last = places.back();
        EXPECT_EQ(o == Qt::Horizontal ? last.bottom() : last.right(),
                  o == Qt::Horizontal ? areaRect().bottom() : areaRect().right())
            << what;
        EXPECT_EQ(arranger.tiled(), std::optional<Qt::Orientation>(o));
    }
    // The overview's width stays within its maximum: the rest of its row is the area's.
    arranger.tile(Qt::Horizontal);
    EXPECT_EQ(overview->width(), overview->maximumWidth());
    EXPECT_EQ(errors->parentWidget()->width(), areaRect().width());
}

// The overview uses its child's whole width, whatever the width the user gives the child: the
// value fields and status fields end at the inside's right edge (less their margin), and the
// last lamp stands as far from the right edge as the first from the left. Past the
// overview's maximum the child grows no further, so no empty strip opens beside it.
TEST_F(MdiArrangeTest, OverviewRowsAndLampsReachTheChildsRightEdge) {
    QMdiSubWindow* sub = subs[0];
    const auto inChild = [this, sub](const char* name) {
        const QWidget* w = child<QWidget>(overview, QString::fromLatin1(name));
        return QRect(w->mapTo(sub, QPoint(0, 0)), w->size());
    };
    constexpr int kFieldMargin = 15;
    // Its smallest, side by side in a 1600 area, wide, and wider than its maximum.
    for (int width : {0, 533, 1000, 1600}) {
        sub->resize(width, 600);
        QApplication::processEvents();
        const QRect inside = sub->contentsRect();
        SCOPED_TRACE("width " + std::to_string(width) + ": child " + rectText(sub->geometry()));
        for (const char* field :
             {"RPanel101", "RPanel401", "RPanel501", "RPanel601", "RPanel701", "Panel305"}) {
            const QRect r = inChild(field);
            EXPECT_GE(r.right(), inside.right() - kFieldMargin - 1) << field << " " << rectText(r);
            EXPECT_LE(r.right(), inside.right()) << field;
        }
        // The lamps of columns 1 and 14, each a fifteenth of the width from its edge (the
        // width's remainder of the division goes to the right).
        const int leftGap = inChild("Image10").center().x() - inside.left();
        const int rightGap = inside.right() - inChild("Image23").center().x();
        EXPECT_GE(rightGap, leftGap - 1);
        EXPECT_LE(rightGap, leftGap + 15);
    }
}

TEST_F(MdiArrangeTest, ArrangedChildrenLeaveTheRowOfLaidAsideOnesFree) {
    // The telegram log laid aside, as the first run leaves it.
    QMdiSubWindow* log = subs[2];
    log->showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(log->isMinimized());
    const int iconTop = log->geometry().top();
    ASSERT_GT(iconTop, areaRect().height() / 2);
    MdiArranger arranger(area);
    for (const char* what : {"one above the other", "side by side", "cascaded"}) {
        if (what[0] == 'o')
            arranger.tile(Qt::Horizontal);
        else if (what[0] == 's')
            arranger.tile(Qt::Vertical);
        else
            arranger.cascade();
        QApplication::processEvents();
        ASSERT_TRUE(log->isMinimized()) << what;
        EXPECT_EQ(log->geometry().top(), iconTop) << what;
        for (QMdiSubWindow* s : {subs[0], subs[1]}) {
            EXPECT_LT(s->geometry().bottom(), iconTop) << what << " " << rectText(s->geometry());
            EXPECT_GE(s->widget()->height(), s->widget()->minimumHeight()) << what;
        }
    }
    // one above the other: the two fill the room down to the laid-aside row
    arranger.tile(Qt::Horizontal);
    EXPECT_EQ(std::max(subs[0]->geometry().bottom(), subs[1]->geometry().bottom()), iconTop - 1);
}

TEST_F(MdiArrangeTest, TilingMakesRoomForAWindowThatNeedsMore) {
    MdiArranger arranger(area);
    arranger.tile(Qt::Horizontal);
    QApplication::processEvents();
    // a session fills the overview with more rows: its window needs more height
    overview->setMinimumHeight(overview->minimumHeight() + 150);
    QApplication::processEvents();
    QApplication::processEvents();
    expectWindowsWhole("after the overview grew");
    EXPECT_EQ(arranger.tiled(), std::optional<Qt::Orientation>(Qt::Horizontal));
    // the user sizing a child ends the tiling
    subs[1]->resize(subs[1]->width(), subs[1]->height() + 20);
    QApplication::processEvents();
    EXPECT_FALSE(arranger.tiled());
}

TEST_F(MdiArrangeTest, CascadeKeepsUsableSizesAndEveryTitleInSight) {
    // Made tiny first, as a cascade of the platform's would leave them.
    for (QMdiSubWindow* s : subs) s->setGeometry(0, 0, 120, 90);
    MdiArranger arranger(area);
    arranger.cascade();
    QApplication::processEvents();
    expectWindowsWhole("cascaded");
    QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    for (int i = 0; i < stack.size(); ++i) {
        QMdiSubWindow* s = stack[i];
        // Each nearer the front a title bar lower, and at least half the area in each way
        // where its maximum allows.
        if (i > 0) {
            EXPECT_GE(s->y(), stack[i - 1]->y() + s->contentsMargins().top());
        }
        EXPECT_GE(s->width(), std::min(areaRect().width() / 2, s->maximumWidth()));
        EXPECT_GE(s->height(), std::min(areaRect().height() / 2, s->maximumHeight()));
    }
    EXPECT_FALSE(arranger.tiled());
}

TEST_F(MdiArrangeTest, RestoredPlacementsKeepTheLimits) {
    MainSettings settings{{}, {}};
    settings.FormPlacement[TANSI_OVERVIEW_Form::kFormTag] = {3, 10, 20, 150, 200, true, -1};
    settings.FormPlacement[TANSI_ERROR_Form::kFormTag] = {3, 30, 40, 3000, 5000, true, -1};
    LAYOUT_RestoreForm(settings, subs[0]);
    LAYOUT_RestoreForm(settings, subs[1]);
    QApplication::processEvents();
    EXPECT_EQ(subs[0]->pos(), QPoint(10, 20));
    EXPECT_GE(overview->width(), overview->minimumWidth());
    EXPECT_GE(overview->height(), overview->minimumHeight());
    EXPECT_TRUE(subs[0]->rect().contains(overview->geometry()));
    // Larger than the overview allows: only as large as it allows.
    settings.FormPlacement[TANSI_OVERVIEW_Form::kFormTag] = {3, 0, 0, 3000, 5000, true, -1};
    LAYOUT_RestoreForm(settings, subs[0]);
    QApplication::processEvents();
    EXPECT_EQ(overview->size(), overview->maximumSize());
    EXPECT_EQ(subs[0]->size(), overview->maximumSize() + (subs[0]->size() - overview->size()));
    // A minimised child is only its title bar, and comes back with its place.
    const QRect place = subs[1]->geometry();
    subs[1]->showMinimized();
    QApplication::processEvents();
    EXPECT_LT(subs[1]->height(), errors->minimumHeight());
    subs[1]->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(subs[1]->geometry(), place);
}

TEST_F(MdiArrangeTest, MaximisedChildKeepsItsNormalPlaceInItsSlot) {
    MainSettings settings{{}, {}};
    const QRect place(40, 30, 600, 500);
    subs[0]->setGeometry(place);
    subs[0]->showMaximized();
    QApplication::processEvents();
    ASSERT_NE(subs[0]->geometry(), place);
    LAYOUT_SaveForm(settings, subs[0]);
    EXPECT_EQ(settings.FormPlacement[TANSI_OVERVIEW_Form::kFormTag],
              (TFormPlacement{2, 40, 30, 500, 600, true, 0}));
    // The next run places it there and maximises it; un-maximised it is back there.
    subs[0]->showNormal();
    subs[0]->setGeometry(0, 0, 700, 700);
    LAYOUT_RestoreForm(settings, subs[0]);
    QApplication::processEvents();
    EXPECT_TRUE(subs[0]->isMaximized());
    subs[0]->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(subs[0]->geometry(), place);
}

// Too many children for the area: besides the overview, the error view and a window without
// limits (laid aside here, as the first run lays the telegram log aside), a chart of at least
// 600 x 550 and two lists of at least 200 x 200, as the main window has them. Their minimums
// fit neither one above the other nor side by side.
class MdiCrowdTest : public MdiArrangeTest {
protected:
    void SetUp() override {
        MdiArrangeTest::SetUp();
        for (QSize least : {QSize(600, 550), QSize(200, 200), QSize(200, 200)}) {
            auto* w = new QWidget;
            w->setMinimumSize(least);
            subs.push_back(area->addSubWindow(w));
            LAYOUT_KeepMdiChild(subs.back());
            subs.back()->show();
        }
        subs[2]->showMinimized();
        QApplication::processEvents();
    }
    std::vector<QMdiSubWindow*> arranged() const {
        std::vector<QMdiSubWindow*> out;
        for (QMdiSubWindow* s : subs)
            if (!s->isMinimized()) out.push_back(s);
        return out;
    }
    QScrollBar* bar(Qt::Orientation o) const {
        return o == Qt::Horizontal ? area->horizontalScrollBar() : area->verticalScrollBar();
    }
};

TEST_F(MdiCrowdTest, TilingsShareAPlaceWhereOneAPlaceDoesNotFit) {
    // At 1600 x 1000 some children share a place in either tiling; every one is whole and
    // in sight, the tiling is the one asked for, and the children keep their order along it.
    MdiArranger arranger(area);
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        const bool rows = o == Qt::Horizontal;
        const std::string what = rows ? "one above the other" : "side by side";
        arranger.tile(o);
        QApplication::processEvents();
        expectArrangedWhole(area, true, what);
        EXPECT_EQ(arranger.tiled(), std::optional<Qt::Orientation>(o)) << what;
        EXPECT_FALSE(bar(Qt::Horizontal)->isVisible()) << what;
        EXPECT_FALSE(bar(Qt::Vertical)->isVisible()) << what;
        // The front-most child takes the first place.
        std::vector<QMdiSubWindow*> places;
        for (QMdiSubWindow* s : area->subWindowList(QMdiArea::StackingOrder))
            if (!s->isMinimized()) places.insert(places.begin(), s);
        int lines = 1;
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_TRUE(area->viewport()->rect().contains(places[i]->geometry()))
                << what << " " << mdiRectText(places[i]->geometry());
            if (i == 0) continue;
            const QRect a = places[i - 1]->geometry(), b = places[i]->geometry();
            const int was = rows ? a.y() : a.x(), is = rows ? b.y() : b.x();
            EXPECT_GE(is, was) << what << ": the children in their order along the tiling";
            if (is == was) {
                EXPECT_EQ(rows ? b.x() : b.y(), (rows ? a.right() : a.bottom()) + 1)
                    << what << ": sharing a place, one after the other across it";
            } else {
                ++lines;
            }
        }
        EXPECT_LT(lines, static_cast<int>(places.size())) << what << ": a place is shared";
    }
}

TEST_F(MdiCrowdTest, TilingsLayTheMinimumsOutInARowAndTheAreaScrolls) {
    // An area smaller than the chart: however they are grouped, the children do not fit.
    main.resize(700, 560);
    QApplication::processEvents();
    MdiArranger arranger(area);
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        const bool rows = o == Qt::Horizontal;
        const std::string what = rows ? "one above the other" : "side by side";
        arranger.tile(o);
        QApplication::processEvents();
        expectArrangedWhole(area, true, what);
        // one after the other, none below its minimum along the tiling
        std::vector<QMdiSubWindow*> places = arranged();
        std::sort(places.begin(), places.end(), [rows](QMdiSubWindow* a, QMdiSubWindow* b) {
            return rows ? a->y() < b->y() : a->x() < b->x();
        });
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_GE(rows ? places[i]->height() : places[i]->width(),
                      rows ? places[i]->minimumHeight() : places[i]->minimumWidth())
                << what;
            if (i > 0) {
                EXPECT_EQ(rows ? places[i]->y() : places[i]->x(),
                          rows ? places[i - 1]->geometry().bottom() + 1
                               : places[i - 1]->geometry().right() + 1)
                    << what;
            }
        }
        // The area scrolls along the tiling; scrolled to its end, the last child is in sight,
        // above the laid-aside row, and the tiling still follows the area.
        QScrollBar* along = bar(rows ? Qt::Vertical : Qt::Horizontal);
        ASSERT_TRUE(along->isVisible()) << what;
        const QRect before = places.front()->geometry();
        along->setValue(along->maximum());
        QApplication::processEvents();
        const QRect view = area->viewport()->rect();
        const QRect last = places.back()->geometry();
        EXPECT_EQ(rows ? last.bottom() : last.right(),
                  rows ? view.bottom() - mdiLaidAsideHeight(area) : view.right())
            << what << " " << mdiRectText(last);
        EXPECT_EQ(places.front()->geometry().size(), before.size()) << what;
        EXPECT_EQ(arranger.tiled(), std::optional<Qt::Orientation>(o)) << what;
        // a larger area lays them out again, from the start
        main.resize(main.width() + 40, main.height() + 40);
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(arranger.tiled(), std::optional<Qt::Orientation>(o)) << what;
        expectArrangedWhole(area, true, what + ", area grown");
        EXPECT_EQ(rows ? places.front()->y() : places.front()->x(), 0) << what;
        main.resize(700, 560);
        QApplication::processEvents();
    }
}

TEST_F(MdiCrowdTest, TilingToFitTakesTheOrientationThatShowsEveryChild) {
    struct Case {
        QSize mainSize;
        Qt::Orientation expected;
        bool fits;
    } cases[] = {
        {{700, 560}, Qt::Horizontal, false},   // nothing fits: as asked, and the area scrolls
        {{1600, 1030}, Qt::Horizontal, true},  // one above the other, sharing places
        {{2200, 1030}, Qt::Vertical, true},    // only side by side one a place
        {{1300, 2200}, Qt::Horizontal, true},  // one above the other
    };
    MdiArranger arranger(area);
    for (const Case& c : cases) {
        main.resize(c.mainSize);
        QApplication::processEvents();
        arranger.tileToFit(Qt::Horizontal);
        QApplication::processEvents();
        const std::string what =
            std::to_string(c.mainSize.width()) + "x" + std::to_string(c.mainSize.height());
        EXPECT_EQ(arranger.tiled(), std::optional<Qt::Orientation>(c.expected)) << what;
        expectArrangedWhole(area, true, what);
        if (c.fits) {
            for (QMdiSubWindow* s : arranged())
                EXPECT_TRUE(area->viewport()->rect().contains(s->geometry()))
                    << what << " " << mdiRectText(s->geometry());
        }
    }
    // While it follows the area, the choice is made again for the area's new size.
    main.resize(2200, 1030);
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(arranger.tiled(), std::optional<Qt::Orientation>(Qt::Vertical));
}

TEST_F(MdiCrowdTest, CascadeLargerThanTheAreaKeepsTheMinimumsAndScrolls) {
    main.resize(700, 560);  // smaller than the chart's minimum
    QApplication::processEvents();
    MdiArranger arranger(area);
    arranger.cascade();
    QApplication::processEvents();
    expectArrangedWhole(area, false, "cascaded");
    QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    stack.removeAll(subs[2]);
    for (int i = 1; i < stack.size(); ++i)
        EXPECT_GE(stack[i]->y(), stack[i - 1]->y() + stack[i]->contentsMargins().top())
            << "every title bar in sight";
}

}  // namespace
