// The parameter-set file: both variants round trip byte for byte, and the reader on a table of
// files that a workshop may bring (headings, comments, short and long lines, control
// characters, bad values, repeated addresses).
#include "paramsetfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

const ByteString kSep = ";" + ByteString(73, '*') + "\r\n";
const ByteString kStamp = "10.12.2026 15:42:58";

ByteString file(const ByteString& items) {
    return kSep + ";  " + kStamp + "\r\n" + kSep + items + kSep;
}

std::vector<std::pair<int32_t, int>> itemsOf(const TEolParamSet& s) {
    std::vector<std::pair<int32_t, int>> v;
    for (int32_t i = 1; i <= s.Count; ++i) v.emplace_back(s.item(i).Address, s.item(i).Value);
    return v;
}

TEST(ParamSetFile, BothVariantsRoundTripByteForByte) {
    // Items in unit order, not sorted; the .prn one reaches past 0xFF.
    const ByteString prn = file(
        "0100  00     0\r\n"
        "001A  3F     63\r\n"
        "0000  FF     255\r\n"
        "FFFF  80     128\r\n");
    const ByteString eol = file(
        "0010  01     1\r\n"
        "0011  A5     165\r\n"
        "00FF  0A     10\r\n");
    for (const auto& [content, filter] : {std::pair{prn, 1}, std::pair{eol, 2}}) {
        TEolParamSet set;
        ASSERT_EQ(ParamSetFile::read(content, filter, set), ParamSetFile::LoadOk);
        EXPECT_EQ(ParamSetFile::write(set, kStamp), content);
    }
    TEolParamSet set;
    ParamSetFile::read(prn, 1, set);
    EXPECT_EQ(itemsOf(set), (std::vector<std::pair<int32_t, int>>{
                                {0x100, 0}, {0x1A, 0x3F}, {0, 0xFF}, {0xFFFF, 0x80}}));
    EXPECT_EQ(set.Lowest, 0);
    EXPECT_EQ(set.Highest, 0xFFFF);
}

TEST(ParamSetFile, ReaderOnATableOfFiles) {
    struct Case {
        const char* name;
        ByteString content;
        int filter;
        int32_t result;
        std::vector<std::pair<int32_t, int>> items;
    };
    const ByteString longTail(5000, 'X');
    const Case cases[] = {
        {"header and separators only", file(""), 1, 0, {}},
        {"empty file", "", 1, 0, {}},
        {"comment after the value", file("0010  3F ; note\r\n"), 2, -1, {{0x10, 0x3F}}},
        {"heading line skipped", file("Adresse  Wert\r\n0001  02     2\r\n"), 1, -1, {{1, 2}}},
        {"short line skipped but counted",
         file("12\r\n0001  02     2\r\n0001  03\r\n"),
         1,
         6,
         {{1, 2}}},
        {"address above FF in .eol", file("0001  02\r\n0100  03\r\n"), 2, 5, {{1, 2}}},
        {"address above FF in .prn", file("0001  02\r\n0100  03\r\n"), 1, -1, {{1, 2}, {0x100, 3}}},
        {"value above FF", file("0001  1FF    511\r\n"), 1, 4, {}},
        {"value missing", file("0001  \r\n"), 1, 4, {}},
        {"value not hex", file("0001  ZZ     0\r\n"), 1, 4, {}},
        {"repeated address stops at the second",
         file("0001  02\r\n0002  03\r\n0001  04\r\n"),
         1,
         6,
         {{1, 2}, {2, 3}}},
        {"decimal column is not read", file("0001  02     999\r\n"), 1, -1, {{1, 2}}},
        {"long line", file("0001  02     2" + longTail + "\r\n"), 1, -1, {{1, 2}}},
        {"control characters removed", file("0001\t02\x01     2\r\n"), 1, -1, {{1, 2}}},
        {"LF line ends and no end at the last line", "0001  02\n0002  03", 2, -1, {{1, 2}, {2, 3}}},
        {"lower-case hex", file("00ab  cd\r\n"), 2, -1, {{0xAB, 0xCD}}},
        {"other filter index", file("0001  02\r\n"), 3, 0, {}},
    };
    for (const Case& c : cases) {
        TEolParamSet set;
        set.AddItem(7, 7);  // a failed or empty read starts from a cleared set all the same
        EXPECT_EQ(ParamSetFile::read(c.content, c.filter, set), c.result) << c.name;
        EXPECT_EQ(itemsOf(set), c.items) << c.name;
    }
}

TEST(ParamSetFile, EveryLineEndEndsALineAndEveryItemIsRead) {
    const ByteString sep = ";" + ByteString(73, '*');
    const std::vector<std::pair<int32_t, int>> three{{0x10, 1}, {0x11, 0xA5}, {0xFF, 0x0A}};
    const auto withEnds = [&](const std::vector<ByteString>& ends) {
        const ByteString lines[] = {
            sep, ";  " + kStamp, sep, "0010  01     1", "0011  A5     165", "00FF  0A     10", sep};
        ByteString out;
        for (size_t i = 0; i < std::size(lines); ++i) out += lines[i] + ends[i % ends.size()];
        return out;
    };
    struct Case {
        const char* name;
        ByteString content;
    };
    const Case cases[] = {
        {"CR LF", withEnds({"\r\n"})},
        {"LF", withEnds({"\n"})},
        {"CR", withEnds({"\r"})},
        {"mixed", withEnds({"\r", "\n", "\r\n"})},
        {"CR without one at the end", withEnds({"\r"}).substr(0, withEnds({"\r"}).size() - 1)},
    };
    const std::string file = ::testing::TempDir() + "/psf_ends.eol";
    for (const Case& c : cases) {
        TEolParamSet set;
        EXPECT_EQ(ParamSetFile::read(c.content, 2, set), ParamSetFile::LoadOk) << c.name;
        EXPECT_EQ(itemsOf(set), three) << c.name;
        // From a file the bytes come in pieces; a CR LF split between two stays one line end.
        std::ofstream(file, std::ios::binary) << ByteString(8191, ';') + "\r\n" + c.content;
        TEolParamSet fromDisk;
        EXPECT_EQ(ParamSetFile::LoadFromFile(file, 2, fromDisk), ParamSetFile::LoadOk) << c.name;
        EXPECT_EQ(itemsOf(fromDisk), three) << c.name;
    }
    // The two layouts the program and the workshops write stay byte for byte.
    for (const char* end : {"\r\n", "\n"}) {
        TEolParamSet set;
        ASSERT_EQ(ParamSetFile::read(withEnds({end}), 2, set), ParamSetFile::LoadOk);
        EXPECT_EQ(ParamSetFile::write(set, kStamp), withEnds({"\r\n"}));
    }
}

TEST(ParamSetFile, ALineThatHoldsAnItemTheReaderCannotTakeStopsAtItsNumber) {
    struct Case {
        const char* name;
        ByteString content;
        int32_t line;
        std::vector<std::pair<int32_t, int>> items;
    };
    const Case cases[] = {
        {"value beside a damaged address", file("0001  02\r\n00G2  03     3\r\n"), 5, {{1, 2}}},
        {"short line of an address and a value", file("0001  02\r\n2 3\r\n"), 5, {{1, 2}}},
        {"address and value with a tab", file("1A\t3F\r\n"), 4, {}},
        {"CR-only file with a bad value in its third item",
         ";\r0001  02\r0002  03\r0003  XY\r0004  05\r",
         4,
         {{1, 2}, {2, 3}}},
    };
    for (const Case& c : cases) {
        TEolParamSet set;
        EXPECT_EQ(ParamSetFile::read(c.content, 1, set), c.line) << c.name;
        EXPECT_EQ(itemsOf(set), c.items) << c.name;
    }
    // Lines that hold no item are still passed over.
    TEolParamSet set;
    EXPECT_EQ(ParamSetFile::read(file("12\r\nAdresse Wert 1\r\n\x1A\r\n0001  02\r\n"), 1, set),
              ParamSetFile::LoadOk);
    EXPECT_EQ(itemsOf(set), (std::vector<std::pair<int32_t, int>>{{1, 2}}));
}

TEST(ParamSetFile, FilesOnDisk) {
    const std::string dir = ::testing::TempDir();
    const std::string good = dir + "/psf_good.prn", missing = dir + "/psf_missing.prn";
    std::remove(missing.c_str());
    {
        std::ofstream f(good, std::ios::binary);
        f << file("0001  02\r\n");
    }
    TEolParamSet set;
    EXPECT_EQ(ParamSetFile::LoadFromFile(good, 1, set), ParamSetFile::LoadOk);
    EXPECT_EQ(set.Count, 1);
    EXPECT_EQ(ParamSetFile::LoadFromFile(missing, 1, set), ParamSetFile::LoadNothing);
    EXPECT_EQ(set.Count, 0);
    // A file that cannot be created: false, and nothing is left behind.
    EXPECT_FALSE(ParamSetFile::SaveToFile(dir + "/no/such/dir/x.prn", set, kStamp));
    // Saving replaces the old content whole.
    set.AddItem(0x22, 0x33);
    ASSERT_TRUE(ParamSetFile::SaveToFile(good, set, kStamp));
    std::ifstream in(good, std::ios::binary);
    const std::string back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(back, file("0022  33     51\r\n"));
}

TEST(ParamSetFile, PrintLinesFollowTheSet) {
    TEolParamSet set;
    set.AddItem(0x1A, 0x3F);
    set.AddItem(0x05, 0x00);
    const auto lines = ParamSetFile::printLines(set, kStamp);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "        ;" + ByteString(73, '*'));
    EXPECT_EQ(lines[1], "        ;  " + kStamp);
    EXPECT_EQ(lines[3], "        001A    3F    63");
    EXPECT_EQ(lines[4], "        0005    00    0");
}

TEST(EolSet, CountsBoundsAndPresence) {
    TEolParamSet s;
    EXPECT_EQ(s.Lowest, 0x10000);
    EXPECT_EQ(s.Highest, -1);
    s.AddItem(0x20, 1);
    s.AddItem(0x10, 2);
    s.AddItem(0x30, 3);
    EXPECT_EQ(s.AddItem(0x10000, 4), 3);  // outside the address space: not taken
    EXPECT_EQ(s.Lowest, 0x10);
    EXPECT_EQ(s.Highest, 0x30);
    s.SetItemCount(1);  // drops from the end; the bounds stay
    EXPECT_TRUE(s.HasAddr(0x20));
    EXPECT_FALSE(s.HasAddr(0x10));
    EXPECT_EQ(s.Highest, 0x30);
    s.SetItemCount(-2);
    EXPECT_EQ(s.Count, 0);
    EXPECT_EQ(s.Items.size(), 1u);
}

}  // namespace
