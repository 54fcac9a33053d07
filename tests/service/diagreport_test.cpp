// The summary report byte for byte: the line layout, the pieces in order, Windows-1252 on
// disk, and a failed write that leaves the old report alone.
#include "diagreport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "fakeui.h"

namespace {

ByteString rep(size_t n, char c) {
    return ByteString(n, c);
}

ByteString readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& path, const ByteString& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const ByteString kTitle = "Diagnosebericht" + rep(52, ' ') + "NAVIRON Calvix Test V 1.4";
const ByteString kRule = rep(100, '-');

class ReportFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/calvix-report-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }
    std::string path(const char* name) const { return dir + "/" + name; }

    std::string dir;
};

}  // namespace

TEST(DiagReport, ItemLines) {
    const ByteString value93 = rep(90, '7') + "end";
    struct Case {
        const char* what;
        ByteString caption, value, unit, line;
    };
    const Case cases[] = {
        {"value ends in column 93", "Abc", "12.5", "V", "  Abc" + rep(84, '.') + "12.5 V"},
        {"empty row keeps the template", "", "", "", "  " + rep(90, '.') + "  "},
        {"value of 93 overwrites the blanks", "Abc", value93, "h", value93 + " h"},
        {"longer value is cut to 93", "Abc", value93 + "XYZ", "", value93 + " "},
        {"caption too long for the template", rep(100, 'C'), "", "", "  " + rep(91, 'C') + " "},
        {"value written over a long caption", rep(100, 'C'), "42", "%",
         "  " + rep(89, 'C') + "42 %"},
        // columns count characters, not bytes
        {"umlauts", "Gerätebezeichnung", "ÜHFL", "°C",
         "  Gerätebezeichnung" + rep(70, '.') + "ÜHFL °C"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZUSAM_FormatItemLine(c.caption, c.value, c.unit), c.line) << c.what;
}

TEST(DiagReport, EmptyRemarkAndEmptyListsByteForByte) {
    const ByteString expected = kTitle + "\r\n" + kRule + "\r\n"
                                "\r\n"  // after the title piece
                                "\r\n"  // the empty remark
                                "\r\nKonfiguration:\r\n--------------\r\n"
                                "\r\n"  // no rows
                                "\r\nBetriebsdaten:\r\n--------------\r\n"
                                "\r\n"
                                "\r\nFehler:\r\n-------\r\n"
                                "\r\n"
                                "\r\n" + kRule + "\r\n09.03.26  14:05:07\r\n";
    FakeList empty;
    EXPECT_EQ(ZUSAM_BuildReport("", {&empty, &empty, &empty}, "09.03.26", "14:05:07"), expected);
    // missing lists read as empty ones (the measurement log before any view has rows)
    EXPECT_EQ(ZUSAM_BuildReport("", {}, "09.03.26", "14:05:07"), expected);
    EXPECT_EQ(kTitle.size(), 92u);
}

TEST(DiagReport, RemarkAndRowsInTheirSections) {
    FakeList cfg, bet, err;
    cfg.rows = {{"BUS Version", "3.3", ""}, {"Gerätebezeichnung", "HVD 420", ""}};
    bet.rows = {{"Brennzeit", "12:05", "h:m"}};
    err.rows = {{"Fehler 1", "Flammabbruch", ""}, {"     Code", "81", ""}};
    // typed line ends of any kind become CR LF; a remark ending in a line end adds a line
    const ByteString report =
        ZUSAM_BuildReport("Kunde Meier\nTermin 3\r\nok\n", {&cfg, &bet, &err}, "1/2/2026",
                          "9:05:07  AM");
    const ByteString expected =
        kTitle + "\r\n" + kRule + "\r\n\r\n" +
        "Kunde Meier\r\nTermin 3\r\nok\r\n\r\n" +
        "\r\nKonfiguration:\r\n--------------\r\n" +
        "  BUS Version" + rep(77, '.') + "3.3 \r\n" +
        "  Gerätebezeichnung" + rep(67, '.') + "HVD 420 \r\n" +
        "\r\n" +
        "\r\nBetriebsdaten:\r\n--------------\r\n" +
        "  Brennzeit" + rep(77, '.') + "12:05 h:m\r\n" +
        "\r\n" +
        "\r\nFehler:\r\n-------\r\n" +
        "  Fehler 1" + rep(71, '.') + "Flammabbruch \r\n" +
        "       Code" + rep(80, '.') + "81 \r\n" +
        "\r\n" +
        "\r\n" + kRule + "\r\n1/2/2026  9:05:07  AM\r\n";
    EXPECT_EQ(report, expected);
}

TEST_F(ReportFiles, SavedAsWindows1252AndReadBackUnchanged) {
    FakeList cfg;
    cfg.rows = {{"Gerätebezeichnung", "Überhitzung 135°", "°C"}};
    const ByteString report = ZUSAM_BuildReport("Prüfung €", {&cfg, nullptr, nullptr}, "d", "t");
    const std::string file = path("bericht.txt");
    ASSERT_TRUE(ZUSAM_WriteReport(file, report));

    const ByteString bytes = readBytes(file);
    EXPECT_NE(bytes.find("Pr\xFC" "fung \x80\r\n"), ByteString::npos);
    EXPECT_NE(bytes.find("  Ger\xE4tebezeichnung" + rep(58, '.') + "\xDC" "berhitzung 135\xB0 \xB0" "C\r\n"),
              ByteString::npos);
    EXPECT_EQ(bytes.find("\xC3"), ByteString::npos);  // no UTF-8 left on disk

    ByteString back;
    ASSERT_TRUE(ZUSAM_ReadReport(file, back));
    EXPECT_EQ(back, report);
    // saved again from what was read: the same bytes
    const std::string again = path("again.txt");
    ASSERT_TRUE(ZUSAM_WriteReport(again, back));
    EXPECT_EQ(readBytes(again), bytes);
}

TEST_F(ReportFiles, FailedWriteLeavesTheOldReport) {
    const std::string file = path("bericht.txt");
    writeBytes(file, "old report\r\n");
    // the new content cannot be written beside the old file (its place is taken by a folder)
    ASSERT_EQ(::mkdir((file + ".tmp~").c_str(), 0755), 0);
    EXPECT_FALSE(ZUSAM_WriteReport(file, "new report\r\n"));
    EXPECT_EQ(readBytes(file), "old report\r\n");
    EXPECT_FALSE(ZUSAM_WriteReport(path("no/such/folder/bericht.txt"), "x"));
}

TEST_F(ReportFiles, ReadFailures) {
    ByteString text = "untouched";
    EXPECT_FALSE(ZUSAM_ReadReport(path("missing.txt"), text));
    EXPECT_FALSE(ZUSAM_ReadReport(dir, text));  // a folder
    const std::string huge = path("huge.txt");
    writeBytes(huge, "");
    ASSERT_EQ(::truncate(huge.c_str(), 64 * 1024 * 1024), 0);  // sparse: takes no room
    EXPECT_FALSE(ZUSAM_ReadReport(huge, text));
    EXPECT_EQ(text, "untouched");
    const std::string empty = path("empty.txt");
    writeBytes(empty, "");
    EXPECT_TRUE(ZUSAM_ReadReport(empty, text));
    EXPECT_EQ(text, "");
}
