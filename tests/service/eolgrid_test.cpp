// The grid editor's data: which cells show and take a value, and the checksum cells it keeps
// right for classes 1, 2 and 3 (and leaves alone where the unit's areas do not fit the data).
#include "eolgrid.h"

#include <gtest/gtest.h>

#include "fakeui.h"

namespace {

TEolParamSet range(int32_t first, int32_t last, uint8_t value = 1) {
    TEolParamSet s;
    for (int32_t a = first; a <= last; ++a) s.AddItem(a, value);
    return s;
}

EolClassRules rulesOf(uint8_t cls, const EolAreaInfo& areas = {}) {
    EolClassRules r;
    EOL_SetClassRules(cls, areas, r);
    return r;
}

TEST(EolGrid, EditingKeepsTheChecksumOfEachClass) {
    FakeUserInteraction ui;
    std::vector<int32_t> changed;

    // Class 2: cells 0..42 summed (16 bits) into 43 (low) and 44 (high).
    TEolParamSet s2 = range(0, 44, 0x10);
    EolGrid g2;
    g2.ItemsToGridData(s2, 2, rulesOf(2));
    EXPECT_EQ(g2.GridData[43] | (g2.GridData[44] << 8), 43 * 0x10);
    EXPECT_EQ(g2.CommitCell(5, "FF", ui, changed), EolGrid::Commit::Stored);
    EXPECT_EQ(g2.GridData[43] | (g2.GridData[44] << 8), 42 * 0x10 + 0xFF);
    EXPECT_EQ(changed, (std::vector<int32_t>{5, 43, 44}));
    g2.GridDataToItems(s2);
    EXPECT_EQ(s2.item(6).Value, 0xFF);
    EXPECT_EQ(s2.item(44).Value, (42 * 0x10 + 0xFF) & 0xFF);

    // Class 1: the unit's area A..B summed (8 bits) into C.
    EolAreaInfo a1;
    a1.A[1] = 0x10, a1.B[1] = 0x7F, a1.C[1] = 0x80;
    TEolParamSet s1 = range(0, 0xFF, 2);
    EolGrid g1;
    g1.ItemsToGridData(s1, 1, rulesOf(1, a1));
    EXPECT_EQ(g1.GridData[0x80], (0x70 * 2) & 0xFF);
    g1.CommitCell(0x20, "07", ui, changed);
    EXPECT_EQ(g1.GridData[0x80], (0x70 * 2 + 5) & 0xFF);
    g1.CommitCell(0x05, "07", ui, changed);  // outside the area: no change of the sum
    EXPECT_EQ(g1.GridData[0x80], (0x70 * 2 + 5) & 0xFF);

    // Class 3: two areas, each A..B-2 into C (low) and C+1 (high).
    EolAreaInfo a3;
    a3.A[1] = 0x00, a3.B[1] = 0x7F, a3.C[1] = 0x7E;
    a3.A[2] = 0x80, a3.B[2] = 0xFF, a3.C[2] = 0xFE;
    const EolClassRules r3 = rulesOf(3, a3);
    EXPECT_EQ(r3.ReadLast, 0xFF);
    TEolParamSet s3 = range(0, 0xFF, 1);
    EolGrid g3;
    g3.ItemsToGridData(s3, 3, r3);
    EXPECT_EQ(g3.GridData[0x7E] | (g3.GridData[0x7F] << 8), 0x7E);
    EXPECT_EQ(g3.GridData[0xFE] | (g3.GridData[0xFF] << 8), 0x7E);
    ui.boxes.clear();
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(EolGrid, UnitAreasThatDoNotFitAreLeftAlone) {
    // Class 3 with area 2 unknown: nothing may be written before the data (cell 0 stays).
    EolAreaInfo a;
    a.A[1] = 0x00, a.B[1] = 0x7F, a.C[1] = 0x7E;
    TEolParamSet s = range(0, 0xFF, 3);
    EolGrid g;
    g.ItemsToGridData(s, 3, rulesOf(3, a));
    EXPECT_EQ(g.GridData[0], 3);
    EXPECT_EQ(g.GridData[0xFE], 3);
    EXPECT_EQ(g.GridData[0x7E] | (g.GridData[0x7F] << 8), 0x7E * 3);

    // A set shorter than the unit's area: its checksum cell lies beyond the data.
    TEolParamSet shortSet = range(0, 0x40, 3);
    g.ItemsToGridData(shortSet, 3, rulesOf(3, a));
    EXPECT_EQ(g.GridData.size(), 0x42u);
    for (uint8_t v : g.GridData) EXPECT_TRUE(v == 3 || v == 0);

    // Class 1 without an area description: no checksum at all.
    TEolParamSet s1 = range(0, 0xFF, 4);
    g.ItemsToGridData(s1, 1, rulesOf(1));
    EXPECT_EQ(g.GridData[0x80], 4);
}

TEST(EolGrid, OnlyCellsOfTheSetShowAndTakeValues) {
    FakeUserInteraction ui;
    std::vector<int32_t> changed;
    TEolParamSet s;
    s.AddItem(0x00, 0xAB);
    s.AddItem(0x12, 0x05);
    EolGrid g;
    g.ItemsToGridData(s, 2, rulesOf(2));
    EXPECT_EQ(g.GridLength, 0x13);
    EXPECT_EQ(g.RowCount(), 3);  // heading, 0x00..0x0F, 0x10..0x1F
    EXPECT_EQ(g.CellText(0x00), "AB");
    EXPECT_EQ(g.CellText(0x12), "05");
    EXPECT_EQ(g.CellText(0x01), "");  // inside the range but not in the set
    EXPECT_EQ(g.CommitCell(0x01, "10", ui, changed), EolGrid::Commit::NotEditable);
    EXPECT_EQ(g.GridData[0x01], 0);

    struct Case {
        const char* text;
        EolGrid::Commit result;
        const char* box;
    };
    const Case cases[] = {
        {"", EolGrid::Commit::Invalid, "      Eingabe fehlerhaft!      "},
        {"G1", EolGrid::Commit::Invalid, "      Eingabe fehlerhaft!      "},
        {"100", EolGrid::Commit::OutOfRange, "      Wertebereich überschritten!       "},
        {"7f", EolGrid::Commit::Stored, nullptr}};
    for (const Case& c : cases) {
        ui.boxes.clear();
        EXPECT_EQ(g.CommitCell(0x12, c.text, ui, changed), c.result) << c.text;
        if (c.box) {
            ASSERT_EQ(ui.boxes.size(), 1u) << c.text;
            EXPECT_EQ(ui.boxes[0].text, c.box);
            EXPECT_EQ(g.CellText(0x12), "05") << "a rejected entry keeps the stored value";
        } else {
            EXPECT_TRUE(ui.boxes.empty());
            EXPECT_EQ(g.CellText(0x12), "7F");
        }
    }
    EXPECT_EQ(EolGrid::RowLabel(2), "  0010:");
    EXPECT_EQ(EolGrid::ColumnHeading(11), "  0A");
    EXPECT_EQ(EolGrid::ColumnHeading(0), " Adresse");
    EXPECT_EQ(EolGrid::CellToAddr(3, 2), 0x12);
}

TEST(EolSetRules, RangeAndChecksumFieldsPerClass) {
    EolAreaInfo a;
    a.SBusSize1 = 512;
    EXPECT_EQ(rulesOf(4).ReadLast, 252);
    EXPECT_EQ(rulesOf(4).CsPos1, 0);
    EXPECT_EQ(rulesOf(5, a).ReadLast, 511);
    a.SBusSize1 = 0;
    EXPECT_EQ(rulesOf(5, a).ReadLast, 0);
    // Class 3 without area 2 keeps the range it had.
    EolClassRules r;
    r.ReadLast = 99;
    EOL_SetClassRules(3, EolAreaInfo{}, r);
    EXPECT_EQ(r.ReadLast, 99);
    EXPECT_EQ(r.CsPos2, -1);
}

}  // namespace
