#include "dialoghelpers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fakeui.h"
#include "safefile.h"

namespace {

TEST(EditInt, StripsBlanksAndChecksRange) {
    FakeUserInteraction ui;
    FakeEdit e(" 1 2 ");
    EXPECT_EQ(TOOL_EditInt(ui, e, 5, 0, 100), 12);
    EXPECT_EQ(e.value, "12");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(EditInt, BadInputShowsErrorAndRestoresCurrent) {
    FakeUserInteraction ui;
    FakeEdit e("abc");
    EXPECT_EQ(TOOL_EditInt(ui, e, 7, 0, 100), 7);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "      Eingabe fehlerhaft!      ");
    EXPECT_EQ(ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(e.value, "7");
    EXPECT_EQ(e.focusCount, 1);
}

TEST(EditInt, RangeBoxesClampToTheLimit) {
    struct Case {
        const char* in;
        int64_t out;
        const char* box;
    } cases[] = {{"-5", 0, "      Wertebereich unterschritten!      "},
                 {"500", 100, "      Wertebereich überschritten!       "},
                 {"99999999999999999999999", 7, "      Eingabe fehlerhaft!      "}};
    for (auto& c : cases) {
        FakeUserInteraction ui;
        FakeEdit e(c.in);
        EXPECT_EQ(TOOL_EditInt(ui, e, 7, 0, 100), c.out) << c.in;
        ASSERT_EQ(ui.boxes.size(), 1u) << c.in;
        EXPECT_EQ(ui.boxes[0].text, c.box);
    }
}

TEST(EditHelpers, EmptyEditShowsNoBoxAndKeepsCurrent) {
    FakeUserInteraction ui;
    FakeEdit a(""), b(""), c(""), d("");
    EXPECT_EQ(TOOL_EditInt(ui, a, 7, 0, 100), 7);
    EXPECT_EQ(TOOL_EditFloat(ui, b, 1, 2.5L, 0, 10), 2.5L);
    EXPECT_EQ(TOOL_EditBin(ui, c, 5, 0, 15, 4), 5);
    EXPECT_EQ(TOOL_EditHex(ui, d, 0x1F, 0, 0xFF, 2), 0x1F);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(a.value, "7");
    EXPECT_EQ(b.value, "2.5");
    EXPECT_EQ(c.value, "0101");
    EXPECT_EQ(d.value, "1F");
}

TEST(EditFloat, AcceptsCommaAndWritesDot) {
    FakeUserInteraction ui;
    FakeEdit e("12,34");
    EXPECT_NEAR(static_cast<double>(TOOL_EditFloat(ui, e, 1, 0, 0, 100)), 12.34, 1e-9);
    EXPECT_EQ(e.value, "12.3");
    FakeEdit s("0.125");
    TOOL_EditFloat(ui, s, 255, 0, 0, 100);
    EXPECT_EQ(s.value, "0.125");
}

TEST(EditHexAndBin, ReadAndRewrite) {
    FakeUserInteraction ui;
    FakeEdit h(" a b ");
    EXPECT_EQ(TOOL_EditHex(ui, h, 0, 0, 0xFFFF, 4), 0xAB);
    EXPECT_EQ(h.value, "00AB");
    FakeEdit b("101");
    EXPECT_EQ(TOOL_EditBin(ui, b, 0, 0, 255, 8), 5);
    EXPECT_EQ(b.value, "00000101");
    FakeEdit bad("102");
    EXPECT_EQ(TOOL_EditBin(ui, bad, 3, 0, 255, 4), 3);
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST(EnableEdit, ActsOnlyOnChangeAndClearsWhenDisabled) {
    FakeEdit e("text");
    TOOL_EnableEdit(e, true);
    EXPECT_EQ(e.value, "text");
    TOOL_EnableEdit(e, false);
    EXPECT_FALSE(e.enabled);
    EXPECT_FALSE(e.windowBackground);
    EXPECT_EQ(e.value, "");
    TOOL_EnableEdit(e, true);
    EXPECT_TRUE(e.enabled);
    EXPECT_TRUE(e.windowBackground);
}

TEST(ListHelpers, SetCellAppendsOrReplacesOnlyOnChange) {
    FakeList l;
    for (int i = 0; i < 3; ++i) TOOL_ListAddRow(l, "r", "a", "b");
    TOOL_ListSetCell(l, 7, 1, "new");
    ASSERT_EQ(l.rowCount(), 4);
    EXPECT_EQ(l.rows[3], (std::vector<ByteString>{"", "new", ""}));
    TOOL_ListSetCell(l, 0, 1, "a");
    EXPECT_EQ(l.writes, 0);
    TOOL_ListSetCell(l, 0, 2, "c");
    EXPECT_EQ(l.writes, 1);
    TOOL_ListSetCell(l, -1, 0, "x");
    TOOL_ListSetCell(l, 0, 3, "x");
    TOOL_ListDeleteRow(l, 10);
    TOOL_ListDeleteRow(l, -1);
    EXPECT_EQ(l.rowCount(), 4);
    TOOL_ListDeleteRow(l, 0);
    EXPECT_EQ(l.rowCount(), 3);
}

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("calvix_dlg_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string file(const char* n) { return (dir / n).string(); }
    std::filesystem::path dir;
};

TEST_F(FileDialogs, OpenMustExist) {
    FakeUserInteraction ui;
    ui.fileChoices.push_back(FileDialogChoice{file("missing.prn"), 2});
    TResult r;
    TOOL_OpenFileDialog(ui, "Titel", "A|*.a|B|*.b", 1, true, file("old/default.prn"), 300, r);
    EXPECT_EQ(r.Invalid, 1);
    EXPECT_EQ(r.Text, file("missing.prn"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "    Datei missing.prn nicht gefunden!    ");
    EXPECT_EQ(ui.fileRequests[0].initialDir, file("old"));
    EXPECT_EQ(ui.fileRequests[0].fileName, "");
    EXPECT_EQ(ui.fileRequests[0].helpContext, 300);
}

TEST_F(FileDialogs, OpenCancelledKeepsDefault) {
    FakeUserInteraction ui;
    ui.fileChoices.push_back(std::nullopt);
    TResult r;
    TOOL_OpenFileDialog(ui, "T", "A|*.a", 3, false, "/x/y.a", 0, r);
    EXPECT_EQ(r.Invalid, 1);
    EXPECT_EQ(r.Value, 3);
    EXPECT_EQ(r.Text, "/x/y.a");
}

TEST_F(FileDialogs, SaveOverExistingAsksAndNeverDeletes) {
    const std::string f = file("report.txt");
    { std::ofstream(f) << "old content"; }
    FakeUserInteraction ui;
    ui.fileChoices.push_back(FileDialogChoice{f, 1});
    ui.answers.push_back(MB_NO);
    TResult r;
    TOOL_SaveFileDialog(ui, "T", "Text|*.TXT", 1, true, f, 0, r);
    EXPECT_EQ(r.Invalid, 1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "    Datei report.txt überschreiben?    ");
    EXPECT_EQ(ui.boxes[0].buttons, MB_YES | MB_NO);

    ui.fileChoices.push_back(FileDialogChoice{f, 1});
    ui.answers.push_back(MB_YES);
    TOOL_SaveFileDialog(ui, "T", "Text|*.TXT", 1, true, f, 0, r);
    EXPECT_EQ(r.Invalid, 0);
    // Yes is only permission: the old file is still there until new content replaces it.
    std::ifstream in(f);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "old content");
}

TEST_F(FileDialogs, SafeWriteReplacesOnlyWhenComplete) {
    const std::string f = file("set.prn");
    ASSERT_TRUE(TOOL_WriteFileSafely(f, "one"));
    ASSERT_TRUE(TOOL_WriteFileSafely(f, std::string("two\0three", 9)));
    std::ifstream in(f, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, std::string("two\0three", 9));
    EXPECT_FALSE(TOOL_WriteFileSafely(file("no/such/dir/x.prn"), "x"));
    EXPECT_FALSE(std::filesystem::exists(f + ".tmp~"));
}

}  // namespace
