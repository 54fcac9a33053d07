// The device information and operating data views on their own, over a data-point table
// filled by hand: rows by device class in their order, values rewritten cell by cell, the link
// state, and placement.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTreeWidget>
#include <map>

#include "betriebform.h"
#include "konfigform.h"
#include "viewtestsupport.h"

namespace {

// Every key of a class registered with its own key as caption (upper-cased, as the modules
// register them), the unit "u" + key and the value "v" + key, in an order of its own.
void registerReversed(DataPointTable& dp, const DataListKeys& keys) {
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        const ByteString k = *it;
        ByteString upper;
        for (char c : k)
            upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        dp.DP_Register(upper, k, "u" + k);
        dp.DP_SetValue(upper, 0, "v" + k, 0);
    }
}

struct ClassRows {
    int cls;
    int rows;
    std::map<int, const char*> spot;  // row -> key shown there
};

// clang-format off
const ClassRows kKonfigRows[] = {
    {1, 14, {{0, "CFGWBUS"}, {1, "CFGName"}, {2, "CFGKraftFIX"}, {8, "CFGSWVerEE"}, {13, "CFGPKENN"}}},
    {2, 9,  {{0, "CFGBUS"}, {2, "CFGKraft"}, {4, "CFGKUID"}, {8, "CFGPPGNR"}}},
    {3, 14, {{0, "CFGWBUS"}, {2, "CFGKraftFIX"}, {11, "CFGKUID"}, {13, "CFGPKENN"}}},
    {4, 7,  {{0, "CFGSBUSVER"}, {4, "CFGSWVER"}, {5, "CFGSGDATE"}, {6, "CFGSNR"}}},
    {5, 25, {{0, "CFGSBUSVER"}, {1, "CFGSYS_NAME"}, {9, "CFGSW_BOOT_SW_ID"}, {21, "CFGBORAD_TEST"},
             {24, "CFGDS_DATE"}}},
    {0, 0, {}},
    {6, 0, {}},
};
const ClassRows kBetriebRows[] = {
    {1, 7,  {{0, "BETTBR"}, {1, "BETTEIN"}, {2, "BETSTACNT"}, {3, "CFGUMIN"}, {6, "CFGTUMAX"}}},
    {2, 4,  {{0, "BETTEIN"}, {1, "BETTUP"}, {2, "BETTBR"}, {3, "BETSTACNT"}}},
    {3, 14, {{0, "BETTEIN"}, {6, "OVRTEMPOBE"}, {10, "BETSBGRPM"}, {13, "BETSTEMPUEH"}}},
    {4, 32, {{0, "BETONTIME"}, {3, "OVRHEIZ_ZEIT"}, {14, "BETZZ_M40"}, {20, "OVRLSBUSHS"},
             {31, "OVRCRC"}}},
    {5, 34, {{0, "BETONTIME"}, {8, "OVRBGRPM_S"}, {15, "BET_AD_UEPR"}, {31, "BET_AD_RPM"},
             {33, "OVRTEST2"}}},
    {0, 0, {}},
    {7, 0, {}},
};
// clang-format on

class DataListTest : public ::testing::Test {
protected:
    std::string cell(const DataListForm& f, int row, int column) {
        const QTreeWidgetItem* it = f.list()->topLevelItem(row);
        return it ? str(it->text(column)) : std::string("<no row>");
    }
    int rows(const DataListForm& f) { return f.list()->topLevelItemCount(); }
    // Link up, then the class: the rows are built.
    void start(DataListForm& f, int cls) {
        f.SetLinkState(true);
        f.SetDeviceClass(static_cast<uint8_t>(cls));
    }
    void checkRows(DataListForm& f, const ClassRows& c, const DataListKeys& keys) {
        SCOPED_TRACE("class " + std::to_string(c.cls));
        ASSERT_EQ(static_cast<int>(keys.size()), c.rows);
        dp.DP_Clear();
        registerReversed(dp, keys);
        start(f, c.cls);
        ASSERT_EQ(rows(f), c.rows);
        for (const auto& [row, key] : c.spot) {
            EXPECT_EQ(cell(f, row, 0), key) << "row " << row;
            EXPECT_EQ(cell(f, row, 1), std::string("v") + key) << "row " << row;
            EXPECT_EQ(cell(f, row, 2), std::string("u") + key) << "row " << row;
        }
        f.SetDeviceClass(0);
        EXPECT_EQ(rows(f), 0);
    }

    DataPointTable dp;
    RecordingContext rec;
};

TEST_F(DataListTest, DeviceInformationRowsByClass) {
    TANSI_KONFIG_Form f(dp, rec.context());
    for (const ClassRows& c : kKonfigRows)
        checkRows(f, c, KONFIG_RowKeys(static_cast<uint8_t>(c.cls)));
}

TEST_F(DataListTest, OperatingDataRowsByClass) {
    TANSI_BETRIEB_Form f(dp, rec.context());
    for (const ClassRows& c : kBetriebRows)
        checkRows(f, c, BETRIEB_RowKeys(static_cast<uint8_t>(c.cls)));
}

TEST_F(DataListTest, UnknownKeyGivesAnEmptyRow) {
    TANSI_BETRIEB_Form f(dp, rec.context());
    dp.DP_Register("BETTEIN", "Einschaltzeit", "h:m");
    dp.DP_SetValue("BETTEIN", 0, "12:00", 0);
    start(f, 2);
    ASSERT_EQ(rows(f), 4);
    EXPECT_EQ(cell(f, 0, 0), "Einschaltzeit");
    for (int column = 0; column < 3; ++column) EXPECT_EQ(cell(f, 1, column), "") << column;
    f.ShowValues();
    EXPECT_EQ(cell(f, 1, 1), "");
}

TEST_F(DataListTest, ShowValuesRewritesOnlyChangedCells) {
    TANSI_BETRIEB_Form f(dp, rec.context());
    registerReversed(dp, BETRIEB_RowKeys(5));
    start(f, 5);
    ASSERT_EQ(rows(f), 34);
    const uint64_t built = f.writeCount();
    f.ShowValues();
    f.ShowValues();
    EXPECT_EQ(f.writeCount(), built) << "unchanged values write nothing";

    dp.DP_SetValue("BETSTZ", 0, "17", 17);
    dp.DP_SetValue("BET_AD_RPM", 0, "4200", 4200);
    f.ShowValues();
    EXPECT_EQ(f.writeCount(), built + 2);
    EXPECT_EQ(cell(f, 4, 1), "17");
    EXPECT_EQ(cell(f, 31, 1), "4200");
    EXPECT_EQ(cell(f, 4, 0), "BETSTZ") << "caption and unit stay as built";
    EXPECT_EQ(f.list()->topLevelItem(4)->textAlignment(1) & Qt::AlignRight, Qt::AlignRight);
}

TEST_F(DataListTest, ShowValuesBeforeTheListIsBuiltAddsValueOnlyRows) {
    TANSI_KONFIG_Form f(dp, rec.context());
    registerReversed(dp, KONFIG_RowKeys(4));
    // the class arrives while the adapter is not ready: held, nothing built
    f.SetDeviceClass(4);
    EXPECT_EQ(f.HeldDeviceClass(), 4);
    EXPECT_EQ(rows(f), 0);
    f.ShowValues();
    ASSERT_EQ(rows(f), 7);
    EXPECT_EQ(cell(f, 0, 0), "");
    EXPECT_EQ(cell(f, 0, 1), "vCFGSBUSVER");
    EXPECT_EQ(cell(f, 6, 1), "vCFGSNR");
    EXPECT_EQ(cell(f, 6, 2), "");
}

TEST_F(DataListTest, LinkLossEmptiesUntilTheClassChanges) {
    TANSI_KONFIG_Form f(dp, rec.context());
    registerReversed(dp, KONFIG_RowKeys(1));
    start(f, 1);
    ASSERT_EQ(rows(f), 14);
    f.SetLinkState(false);
    EXPECT_EQ(rows(f), 0);
    EXPECT_FALSE(f.HeldAdapterReady());
    f.SetLinkState(true);
    f.SetDeviceClass(1);  // unchanged: nothing happens
    EXPECT_EQ(rows(f), 0);
    f.SetDeviceClass(0);
    f.SetDeviceClass(1);
    EXPECT_EQ(rows(f), 14);
    // the same link state again changes nothing
    const uint64_t writes = f.writeCount();
    f.SetLinkState(true);
    EXPECT_EQ(rows(f), 14);
    EXPECT_EQ(f.writeCount(), writes);
}

TEST_F(DataListTest, ListShapeAndPlacement) {
    struct Case {
        DataListForm* form;
        const char* title;
        int formTag, help, listTag, valueWidth, unitWidth;
    };
    TANSI_KONFIG_Form konfig(dp, rec.context());
    TANSI_BETRIEB_Form betrieb(dp, rec.context());
    const Case cases[] = {
        {&konfig, "Geräteinfos", 8, 203, 1, 225, 100},
        {&betrieb, "Betriebsdaten", 9, 202, 2, 167, 167},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        DataListForm& f = *c.form;
        EXPECT_EQ(str(f.windowTitle()), c.title);
        EXPECT_EQ(f.minimumSize(), QSize(200, 200));
        EXPECT_EQ(f.formTag(), c.formTag);
        EXPECT_EQ(f.helpContext(), c.help);
        QTreeWidget* list = f.list();
        EXPECT_EQ(list->property("Tag").toInt(), c.listTag);
        ASSERT_EQ(list->columnCount(), 3);
        EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("Wert"));
        EXPECT_EQ(list->header()->sectionResizeMode(0), QHeaderView::Stretch);
        EXPECT_EQ(list->header()->sectionSize(1), c.valueWidth);
        EXPECT_EQ(list->header()->sectionSize(2), c.unitWidth);
        list->header()->resizeSection(2, 30);
        EXPECT_EQ(list->header()->sectionSize(2), 100) << "the unit column keeps 100 pixels";
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);

        rec.restored.clear();
        rec.saved.clear();
        rec.columnsRestored.clear();
        f.show();
        ASSERT_EQ(rec.restored.size(), 1u);
        EXPECT_EQ(rec.restored[0].second, c.formTag);
        EXPECT_EQ(rec.columnsRestored, std::vector<int>{c.listTag});
        f.close();
        ASSERT_EQ(rec.saved.size(), 1u);
        EXPECT_EQ(rec.saved[0].second, c.formTag);
    }
}

}  // namespace
