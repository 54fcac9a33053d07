#include "errorform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>
#include <limits>

#include "errortables.h"
#include "layout.h"
#include "settings.h"
#include "viewdata.h"
#include "viewtestsupport.h"

namespace {

using viewdata::key;
using viewdata::set;
using viewdata::setCode;

struct Row {
    const char* caption;
    const char* value;
    const char* unit;
};
struct ClassExpect {
    int cls;
    std::vector<Row> firstEntry;
    const char* secondCaption;
    int topic1;
    int topic2;
};

const std::vector<ClassExpect>& expectations() {
    static const std::vector<ClassExpect> all = {
        {1,
         {{"Fehler 1", "Steuergerätefehler", ""},
          {"     Fehlerstatus", "aktuell und gespeichert", ""},
          {"     Code", "81", ""},
          {"     Zähler", "3", ""},
          {"     Temperatur", "25", "°C"},
          {"     Zustand", "Start 2", ""},
          {"     Spannung", "12.3", "V"},
          {"     Betriebsstunde", "12:05", "h:m"}},
         "Fehler 2",
         2101,
         2105},
        {2, {{"Fehler 1", "Flammabbruch", ""}, {"     Zähler", "2", ""}}, "Fehler 2", 2205, 2221},
        {3,
         {{"Fehler 1", "Flammabbruch", ""},
          {"     Fehlerstatus", "aktuell", ""},
          {"     Code", "09", ""},
          {"     Zähler", "4", ""},
          {"     Temperatur", "33", "°C"},
          {"     Zustand", "Standheizen", ""},
          {"     Spannung", "12.4", "V"},
          {"     Betriebsstunde", "513:10", "h:m"},
          {"     Brennzeit nach Start", "0:03", "h:m"}},
         "Fehler 2",
         2304,
         2335},
        {4,
         {{"Fehler 1", "Flammabbruch", ""},
          {"     Code", "9", ""},
          {"     Zähler", "2", ""},
          {"     Zustand", "Störverriegelung", ""},
          {"     Einschaltzeit Hauptschalter", "120:30", "h:m"},
          {"     Brennzeit", "80:12", "h:m"},
          {"     Spannung", "12.95", "V"}},
         "Fehler 2",
         2409,
         2451},
        {5,
         {{"Fehler 1", "Unterspannung", ""},
          {"     Code", "10", ""},
          {"     Zähler", "3", ""},
          {"     Zustand", "Vorlauf", ""},
          {"     Temperatur", "21.5", "°C"},
          {"     Spannung", "9.8", "V"},
          {"     Einschaltzeit Hauptschalter", "10:02:05", "h:m:s"},
          {"     Brennzeit", "7:40:00", "h:m:s"}},
         "Fehler 2",
         2505,
         2520},
    };
    return all;
}

class ErrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TANSI_ERROR_Form>(dp, rec.context(true));
        form->resize(600, 500);
        form->show();
    }

    void start(int cls, bool fill = true) {
        if (fill)
            viewdata::fillClass(dp, cls);
        else
            viewdata::registerClass(dp, cls);
        form->SetLinkState(true);
        form->SetDeviceClass(static_cast<uint8_t>(cls));
    }

    QTreeWidget* list() { return form->ErrorList(); }
    int rows() { return list()->topLevelItemCount(); }
    std::string cell(int row, int column) {
        const QTreeWidgetItem* it = list()->topLevelItem(row);
        return it ? str(it->text(column)) : std::string("<no row>");
    }
    bool rowEmpty(int row) {
        return cell(row, 0).empty() && cell(row, 1).empty() && cell(row, 2).empty();
    }
    void select(int row) {
        list()->clearSelection();
        if (row >= 0) list()->topLevelItem(row)->setSelected(true);
    }
    void mouse(QEvent::Type type, int y) {
        const QPointF p(20, y);
        QMouseEvent e(type, p, list()->viewport()->mapToGlobal(p), Qt::LeftButton,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list()->viewport(), &e);
        if (type == QEvent::MouseButtonPress) {
            QMouseEvent up(QEvent::MouseButtonRelease, p, list()->viewport()->mapToGlobal(p),
                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(list()->viewport(), &up);
        }
    }
    void enter() {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(list(), &e);
    }
    // Codes of entries 1..n as the error list read stores them; the rest cleared.
    void codes(std::initializer_list<int> c, int count) {
        int n = 1;
        for (int code : c) {
            setCode(dp, n, code, code ? std::to_string(code) : "");
            set(dp, key("ERRBEZ", n), "Fehler Nr. " + std::to_string(code), code);
            ++n;
        }
        for (; n <= 11; ++n) setCode(dp, n, 0, "");
        if (count >= 0) set(dp, "OVRERRCNT", std::to_string(count), count);
    }

    DataPointTable dp;
    RecordingContext rec;
    std::unique_ptr<TANSI_ERROR_Form> form;
};

TEST_F(ErrorTest, ListColumnsAndStart) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Fehleranzeige"));
    EXPECT_EQ(form->minimumSize(), QSize(200, 200));
    EXPECT_EQ(form->helpContext(), 204);
    EXPECT_EQ(list()->property("Tag").toInt(), 3);
    ASSERT_EQ(list()->columnCount(), 3);
    EXPECT_EQ(list()->headerItem()->text(0), QStringLiteral("Parameter"));
    EXPECT_EQ(list()->headerItem()->text(1), QStringLiteral("Wert"));
    EXPECT_EQ(list()->headerItem()->text(2), QStringLiteral("Einheit"));
    EXPECT_EQ(list()->header()->sectionSize(1), 167);
    EXPECT_EQ(list()->header()->sectionSize(2), 167);
    list()->header()->resizeSection(2, 40);
    EXPECT_EQ(list()->header()->sectionSize(2), 100) << "the unit column keeps 100 pixels";
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(rec.columnsRestored, std::vector<int>{3});
    ASSERT_EQ(rec.restored.size(), 1u);
    EXPECT_EQ(rec.restored[0].second, 10);
}

// Each run restores the column widths the last one saved: the widening for the texts is not
// saved, so three runs in a row give the same layout; a width set by hand is what is saved.
TEST_F(ErrorTest, SavedColumnWidthsDoNotGrowFromRunToRun) {
    MainSettings settings{{}, {}};
    settings.ListColumnWidths[3] = {250, 150, 50, 0, 0};
    const auto runOnce = [&](bool byHand) {
        form = std::make_unique<TANSI_ERROR_Form>(dp, rec.context(true));
        form->resize(1592, 305);
        form->show();
        LAYOUT_RestoreColumns(settings, list());
        start(1);
        set(dp, key("ERRSTATE", 1), "Nicht aktuell und gespeichert", 0);
        set(dp, key("ERRBEZ", 2), "Temperatursensor Kurzschluss Vorlauf", 0);
        form->ShowValues();
        QApplication::processEvents();
        QApplication::processEvents();
        const int shown = list()->columnWidth(1);
        if (byHand) dragColumnEdge(list(), 1, 40);
        LAYOUT_SaveColumns(settings, list());
        return shown;
    };
    const int first = runOnce(false);
    ASSERT_GT(first, 150) << "the value column widened for its texts";
    EXPECT_EQ(settings.ListColumnWidths[3][1], 150);
    for (int run = 2; run <= 3; ++run) {
        EXPECT_EQ(runOnce(false), first) << "run " << run;
        EXPECT_EQ(settings.ListColumnWidths[3][1], 150) << "run " << run;
    }
    runOnce(true);
    const int byHand = list()->columnWidth(1);
    ASSERT_NE(byHand, first);
    EXPECT_EQ(settings.ListColumnWidths[3][1], byHand);
    EXPECT_EQ(runOnce(false), byHand) << "the next run starts from the width set by hand";
}

class ErrorClassTest : public ErrorTest, public ::testing::WithParamInterface<int> {};

TEST_P(ErrorClassTest, ListsTheEntriesOfTheClass) {
    const ClassExpect& x = expectations()[static_cast<size_t>(GetParam() - 1)];
    start(x.cls);
    EXPECT_EQ(rows(), 0) << "the list waits for the first error read";
    form->ShowValues();
    const int k = static_cast<int>(x.firstEntry.size());
    ASSERT_EQ(rows(), 2 * k);
    for (int r = 0; r < k; ++r) {
        const Row& e = x.firstEntry[static_cast<size_t>(r)];
        EXPECT_EQ(cell(r, 0), e.caption) << "row " << r;
        EXPECT_EQ(cell(r, 1), e.value) << "row " << r;
        EXPECT_EQ(cell(r, 2), e.unit) << "row " << r;
    }
    EXPECT_EQ(cell(k, 0), x.secondCaption);
    EXPECT_EQ(list()->topLevelItem(0)->textAlignment(1) & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(form->HelpEntry(1).FirstRow, 0);
    EXPECT_EQ(form->HelpEntry(1).LastRow, k - 1);
    EXPECT_EQ(form->HelpEntry(2).FirstRow, k);
    EXPECT_EQ(form->HelpEntry(2).LastRow, 2 * k - 1);
    EXPECT_EQ(form->HelpEntry(3).Code, 0);

    form->ERROR_ShowHelpForRow(k - 1);
    form->ERROR_ShowHelpForRow(k);
    form->ERROR_ShowHelpForRow(2 * k);
    EXPECT_EQ(rec.helpTopics, (std::vector<int>{x.topic1, x.topic2}));
}

TEST_P(ErrorClassTest, EmptyAfterTheErrorMemoryIsCleared) {
    const int cls = GetParam();
    start(cls);
    form->ShowValues();
    ASSERT_GT(rows(), 0);
    switch (cls) {
        case 3:
            // The class-3 module clears through the view once the unit confirmed.
            form->ClearErrorList();
            EXPECT_EQ(dp.DP_GetValue("OVRERRCNT").Text, "0");
            for (int n = 1; n <= 11; ++n) EXPECT_EQ(dp.DP_GetValue(key("ERRCODE", n)).Value, 0);
            break;
        case 1:
            // The error list read after the delete: count 0 and every code empty.
            codes({}, 0);
            form->ShowValues();
            break;
        case 2:
            set(dp, "OVRERRCNT", "0", 0);
            for (int n = 1; n <= 7; ++n) setCode(dp, n, 0, "");
            form->ShowValues();
            break;
        default:
            for (int n = 1; n <= 10; ++n) setCode(dp, n, 0, "");
            form->ShowValues();
            break;
    }
    EXPECT_EQ(rows(), 0);
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(form->HelpEntry(n).Code, 0);
    form->ERROR_ShowHelpForRow(0);
    EXPECT_TRUE(rec.helpTopics.empty());
}

TEST_P(ErrorClassTest, NanAndHugeValuesNeverBreakTheList) {
    const int cls = GetParam();
    const bool counted = cls <= 3;
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    start(cls);
    form->ShowValues();
    const int shown = rows();
    const int k = shown / 2;

    set(dp, "OVRERRCNT", "?", nan);
    form->ShowValues();
    EXPECT_EQ(rows(), shown) << "count 0: the trailing removal stops at entry 2";

    set(dp, "OVRERRCNT", "?", 1e300L);
    form->ShowValues();
    EXPECT_EQ(rows(), shown) << "at most eleven entries, the empty ones removed from the end";

    set(dp, "OVRERRCNT", "2", 2);
    setCode(dp, 1, nan, "?");
    form->ShowValues();
    if (counted) {
        ASSERT_EQ(rows(), shown);
        for (int r = 0; r < k; ++r) EXPECT_TRUE(rowEmpty(r)) << "row " << r;
        EXPECT_EQ(form->HelpEntry(1).Code, 0);
    } else {
        EXPECT_EQ(rows(), 0) << "a gap at entry 1 hides everything";
    }

    setCode(dp, 1, 1e300L, "huge");
    form->ShowValues();
    EXPECT_EQ(rows(), shown);
    EXPECT_EQ(form->HelpEntry(1).Code, std::numeric_limits<int32_t>::max());
    rec.helpTopics.clear();
    form->ERROR_ShowHelpForRow(0);
    EXPECT_TRUE(rec.helpTopics.empty()) << "no topic for such a code";
    setCode(dp, 1, -1e300L, "neg");
    form->ShowValues();
    EXPECT_EQ(form->HelpEntry(1).Code, 0);
}

TEST_P(ErrorClassTest, LinkLossAndClassZeroEmptyTheList) {
    const int cls = GetParam();
    start(cls);
    form->ShowValues();
    ASSERT_GT(rows(), 0);
    form->SetLinkState(false);
    EXPECT_EQ(rows(), 0);
    form->ShowValues();
    EXPECT_EQ(rows(), 0) << "no refill while the adapter is gone";
    form->SetLinkState(true);
    form->ShowValues();
    EXPECT_GT(rows(), 0);
    form->SetDeviceClass(0);
    EXPECT_EQ(rows(), 0);
}

INSTANTIATE_TEST_SUITE_P(Classes, ErrorClassTest, ::testing::Values(1, 2, 3, 4, 5));

TEST_F(ErrorTest, AnotherClassLeavesTheListUntilTheNextRefresh) {
    start(1);
    form->ShowValues();
    const int before = rows();
    form->SetDeviceClass(3);
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(form->ERROR_GetDeviceType(), 3);
    form->ShowValues();
    EXPECT_EQ(rows(), 18) << "the same table read with the row set of class 3";
    EXPECT_EQ(cell(9, 0), "Fehler 2");
}

TEST_F(ErrorTest, ClassThreeGapInTheMiddleStaysVisible) {
    start(3, false);
    codes({7, 0, 9}, 3);
    form->ShowValues();
    ASSERT_EQ(rows(), 27);
    EXPECT_EQ(cell(0, 0), "Fehler 1");
    for (int r = 9; r <= 17; ++r) EXPECT_TRUE(rowEmpty(r)) << r;
    EXPECT_EQ(cell(18, 0), "Fehler 3");
    EXPECT_EQ(form->HelpEntry(2).Code, 0);
    form->ERROR_ShowHelpForRow(12);
    EXPECT_TRUE(rec.helpTopics.empty()) << "an empty row opens no help";
    form->ERROR_ShowHelpForRow(20);
    EXPECT_EQ(rec.helpTopics, std::vector<int>{2304});
}

TEST_F(ErrorTest, ClassThreeCountDropRemovesGroupsFromTheEnd) {
    start(3, false);
    codes({1, 2, 3, 4, 5}, 5);
    form->ShowValues();
    ASSERT_EQ(rows(), 45);
    codes({1, 2}, 2);
    form->ShowValues();
    EXPECT_EQ(rows(), 18);
    EXPECT_EQ(cell(9, 0), "Fehler 2");
    EXPECT_EQ(form->HelpEntry(3).Code, 0);
}

TEST_F(ErrorTest, ClassThreeTrailingRemovalStopsAtASetCode) {
    start(3, false);
    codes({1, 2, 3, 4}, 4);
    form->ShowValues();
    ASSERT_EQ(rows(), 36);
    set(dp, "OVRERRCNT", "0", 0);
    form->ShowValues();
    EXPECT_EQ(rows(), 36) << "entry 4 still has its code";
    EXPECT_EQ(cell(27, 0), "Fehler 4");
}

TEST_F(ErrorTest, ClassFourKeepsExactlyTheValidGroups) {
    start(4, false);
    codes({1, 2, 3, 4, 5, 6}, -1);
    form->ShowValues();
    ASSERT_EQ(rows(), 42);
    codes({1, 2}, -1);
    form->ShowValues();
    EXPECT_EQ(rows(), 14);
    EXPECT_EQ(form->HelpEntry(3).Code, 0);
}

TEST_F(ErrorTest, ClassFiveShowsNothingAfterAGap) {
    start(5, false);
    codes({8, 9, 0, 10}, -1);
    form->ShowValues();
    EXPECT_EQ(rows(), 16);
    EXPECT_EQ(form->HelpEntry(4).Code, 0);
}

TEST_F(ErrorTest, ClassesFourAndFiveShowAtMostTenEntries) {
    start(5, false);
    for (int n = 1; n <= 10; ++n) setCode(dp, n, n, std::to_string(n));
    form->ShowValues();
    EXPECT_EQ(rows(), 80);
}

TEST_F(ErrorTest, CountedClassesShowAtMostElevenEntries) {
    start(1, false);
    for (int n = 1; n <= 11; ++n) setCode(dp, n, n, std::to_string(n));
    set(dp, "OVRERRCNT", "15", 15);
    form->ShowValues();
    EXPECT_EQ(rows(), 88);
    // Entries read only from the list show their code with empty details.
    EXPECT_EQ(cell(80, 0), "Fehler 11");
    EXPECT_EQ(cell(82, 1), "11");
    EXPECT_EQ(cell(81, 1), "");
}

TEST_F(ErrorTest, HelpByClickOnTheSelectedRowOrEnter) {
    start(1);
    form->ShowValues();
    QApplication::processEvents();
    enter();
    mouse(QEvent::MouseButtonPress, 5);
    EXPECT_TRUE(rec.helpTopics.empty()) << "nothing selected";

    select(10);  // entry 2
    const QRect r = form->SelectedRowRect();
    ASSERT_TRUE(r.isValid());
    EXPECT_EQ(r, list()->visualItemRect(list()->topLevelItem(10)));
    EXPECT_NE(list()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    mouse(QEvent::MouseButtonPress, r.center().y());
    EXPECT_TRUE(rec.helpTopics.empty()) << "the cursor is not the hand yet";

    mouse(QEvent::MouseMove, r.top());
    EXPECT_NE(list()->viewport()->cursor().shape(), Qt::PointingHandCursor) << "bounds excluded";
    mouse(QEvent::MouseMove, r.center().y());
    EXPECT_EQ(list()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    mouse(QEvent::MouseButtonPress, r.center().y());
    EXPECT_EQ(rec.helpTopics, std::vector<int>{2105});

    mouse(QEvent::MouseMove, r.bottom() + 20);
    EXPECT_NE(list()->viewport()->cursor().shape(), Qt::PointingHandCursor);

    select(3);
    enter();
    EXPECT_EQ(rec.helpTopics, (std::vector<int>{2105, 2101}));
}

TEST_F(ErrorTest, HelpTopicsByClassAndCode) {
    const std::pair<int, int> class1[] = {
        {1, 2103},   {2, 2104},   {3, 2105},   {4, 2107},   {5, 2113},   {6, 2110},   {9, 2117},
        {11, 2121},  {16, 2115},  {20, 2111},  {25, 2119},  {26, 2108},  {32, 2124},  {33, 2125},
        {129, 2101}, {130, 2104}, {131, 2105}, {132, 2106}, {133, 2113}, {137, 2118}, {139, 2122},
        {144, 2116}, {148, 2112}, {153, 2120}, {154, 2109}, {7, 0},      {0, 0},      {255, 0}};
    for (auto [code, topic] : class1) EXPECT_EQ(ERROR_HelpContext(1, code), topic) << code;
    const int class2[] = {0x100, 0x101, 0x200, 0x300, 0x400, 0x500, 0x501,
                          0x600, 0x601, 0x700, 0x800, 0x801, 0x900, 0xA00,
                          0xA01, 0xB00, 0xB01, 0xC00, 0xC01, 0xD00, 0xD01};
    for (int i = 0; i < 21; ++i) EXPECT_EQ(ERROR_HelpContext(2, class2[i]), 2201 + i);
    EXPECT_EQ(ERROR_HelpContext(2, 0x0D01), 2221);
    EXPECT_EQ(ERROR_HelpContext(2, 0x0102), 0);
    EXPECT_EQ(ERROR_HelpContext(3, 3), 2301);
    EXPECT_EQ(ERROR_HelpContext(3, 6), 2323);
    EXPECT_EQ(ERROR_HelpContext(3, 34), 2322);
    EXPECT_EQ(ERROR_HelpContext(3, 43), 0);
    EXPECT_EQ(ERROR_HelpContext(3, 52), 2335);
    EXPECT_EQ(ERROR_HelpContext(4, 1), 2401);
    EXPECT_EQ(ERROR_HelpContext(4, 2), 2402);
    EXPECT_EQ(ERROR_HelpContext(4, 50), 2450);
    EXPECT_EQ(ERROR_HelpContext(4, 51), 2451);
    EXPECT_EQ(ERROR_HelpContext(4, 52), 2451);
    EXPECT_EQ(ERROR_HelpContext(4, 53), 2453);
    EXPECT_EQ(ERROR_HelpContext(4, 55), 2451);
    EXPECT_EQ(ERROR_HelpContext(4, 59), 2459);
    EXPECT_EQ(ERROR_HelpContext(4, 60), 0);
    EXPECT_EQ(ERROR_HelpContext(4, 0), 0);
    EXPECT_EQ(ERROR_HelpContext(5, 12), 2501);
    EXPECT_EQ(ERROR_HelpContext(5, 13), 0);
    EXPECT_EQ(ERROR_HelpContext(5, 24), 0);
    EXPECT_EQ(ERROR_HelpContext(5, 33), 2524);
    EXPECT_EQ(ERROR_HelpContext(5, 34), 2520);
    EXPECT_EQ(ERROR_HelpContext(6, 1), 0);
    EXPECT_EQ(ERROR_HelpContext(0, 1), 0);

    start(4, false);
    codes({55, 60}, -1);
    form->ShowValues();
    form->ERROR_ShowHelpForRow(0);
    form->ERROR_ShowHelpForRow(7);
    EXPECT_EQ(rec.helpTopics, std::vector<int>{2451});
}

TEST_F(ErrorTest, ClearErrorListOnlyForClassesOneAndThree) {
    start(4);
    form->ShowValues();
    const int before = rows();
    const uint64_t changes = dp.changeCounter();
    form->ClearErrorList();
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(dp.changeCounter(), changes);
    EXPECT_EQ(dp.DP_GetValue("ERRCODE1").Value, 9);
}

TEST_F(ErrorTest, RefreshWritesOnlyChangedCells) {
    start(1);
    form->ShowValues();
    const uint64_t first = form->writeCount();
    form->ShowValues();
    EXPECT_EQ(form->writeCount(), first);
    set(dp, "OVRUB", "12.00", 12);  // an overview value: the list stays as it is
    form->ShowValues();
    EXPECT_EQ(form->writeCount(), first);
    set(dp, "ERRCOUNT1", "4", 4);
    form->ShowValues();
    EXPECT_EQ(form->writeCount(), first + 1);
    EXPECT_EQ(cell(3, 1), "4");
}

TEST_F(ErrorTest, ErrorDeleteRunsTheMainWindowsAction) {
    QAction* a = form->errorDeleteAction();
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(a->text(), QStringLiteral("Fehlerspeicher &löschen"));
    start(1);
    EXPECT_TRUE(a->isEnabled());
    rec.deleteEnabled = false;
    form->SetDeviceClass(0);
    EXPECT_FALSE(a->isEnabled()) << "follows the main window's action";
    rec.deleteEnabled = true;
    form->SetDeviceClass(1);
    a->trigger();
    EXPECT_EQ(rec.deleteRequests, 1);
}

TEST(ErrorViewAlone, DeleteEntryFollowsLinkAndClassWithoutAMainWindow) {
    DataPointTable dp;
    RecordingContext rec;
    ViewContext ctx = rec.context();
    ctx.requestErrorDelete = [&rec] { ++rec.deleteRequests; };
    TANSI_ERROR_Form form(dp, ctx);
    QAction* a = form.errorDeleteAction();
    EXPECT_FALSE(a->isEnabled());
    form.SetLinkState(true);
    EXPECT_FALSE(a->isEnabled()) << "class 0";
    form.SetDeviceClass(2);
    EXPECT_TRUE(a->isEnabled());
    form.SetDeviceClass(6);
    EXPECT_FALSE(a->isEnabled());
    form.SetLinkState(false);
    EXPECT_FALSE(a->isEnabled());

    TANSI_ERROR_Form bare(dp, ViewContext{});
    EXPECT_FALSE(bare.errorDeleteAction()->isVisible()) << "no action to run";
}

TEST_F(ErrorTest, ListControlReadsTheRowsAsTheyStand) {
    start(2);
    form->ShowValues();
    const IListControl& l = form->listControl();
    EXPECT_EQ(l.rowCount(), 4);
    EXPECT_EQ(l.cell(1, 0), "     Zähler");
    EXPECT_EQ(l.cell(1, 1), "2");
}

}  // namespace
