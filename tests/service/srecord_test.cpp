// The S-record reader and the block image: good files laid out per class, every kind of bad
// record with its message and line, and the range rules of each class.
#include "srecord.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>

#include "hex.h"
#include "srecords.h"

namespace {

ByteString lines(std::initializer_list<ByteString> l, const char* eol = "\r\n") {
    ByteString f;
    for (const ByteString& s : l) f += s + eol;
    return f;
}

ByteString lower(ByteString s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The block's bytes as hex from offset on, n of them.
ByteString bytesOf(const FlashImage& img, uint32_t start, size_t offset, size_t n) {
    const FlashBlock* b = img.blockAt(start);
    return b ? hexOf(b->data.substr(offset, n)) : "no block";
}

}  // namespace

TEST(SRecordReader, GoodFilesFillTheClassesBlocks) {
    FlashImage img;
    ByteString msg;

    // S1 with count 0x13 at 0xE000: bytes 1..16 of the class-3 block, the rest stays 0xFF.
    const ByteString sixteen = H("00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF");
    ASSERT_TRUE(FLASH_ParseS19(lines({SREC_Record(1, 0xE000, sixteen)}), 3, img, msg)) << msg;
    ASSERT_EQ(SREC_Record(1, 0xE000, sixteen).substr(2, 2), "13");
    ASSERT_EQ(img.blocks().size(), 1u);
    EXPECT_EQ(img.blocks()[0].data.size(), 128u);
    EXPECT_EQ(bytesOf(img, 0xE000, 0, 17), hexOf(sixteen + "\xFF"));
    EXPECT_EQ(img.blocks()[0].data.substr(16), ByteString(112, '\xFF'));
    EXPECT_EQ(img.blocks()[0].end, 0xE00Fu);

    // Class 5: a record across a block boundary fills the last 4 bytes of 0x10000 and the
    // first 4 of 0x10040; the fill is 0x00.
    ASSERT_TRUE(FLASH_ParseS19(lines({SREC_Record(2, 0x1003C, H("01 02 03 04 05 06 07 08"))}), 5,
                               img, msg));
    ASSERT_EQ(img.blocks().size(), 2u);
    EXPECT_EQ(img.blocks()[0].start, 0x10000u);
    EXPECT_EQ(img.blocks()[1].start, 0x10040u);
    EXPECT_EQ(bytesOf(img, 0x10000, 56, 8), "00 00 00 00 01 02 03 04 ");
    EXPECT_EQ(bytesOf(img, 0x10040, 0, 6), "05 06 07 08 00 00 ");
    EXPECT_EQ(img.blocks()[0].end, 0x1003Fu);
    EXPECT_EQ(img.blocks()[1].end, 0x10043u);
    EXPECT_EQ(img.length(), 0x44);
}

TEST(SRecordReader, OrderGapsAndSkippedLines) {
    // Out of order, with a gap, lower bytes of a block written after higher ones, S0/S5/S9,
    // blank lines, LF and CR line ends, lower-case hex, records of count 3 or less.
    const ByteString file = SREC_Record(0, 0, "HDR") + "\n" + SREC_Record(3, 0x20010, H("AA BB")) +
                            "\r\n" + "\n" + SREC_Record(3, 0x10000, H("01 02 03 04")) + "\r" +
                            "S5030001FB\n" + "S1030000FC\n" + "S3" +
                            lower(SREC_Record(3, 0x20000, H("CC")).substr(2)) + "\n" +
                            "s30500020000f8\n" + SREC_Record(1, 0, "") + "\n" + "S70500000000FA";
    FlashImage img;
    ByteString msg;
    ASSERT_TRUE(FLASH_ParseS19(file, 6, img, msg)) << msg;
    ASSERT_EQ(img.blocks().size(), 2u);
    // in order of first appearance
    EXPECT_EQ(img.blocks()[0].start, 0x20000u);
    EXPECT_EQ(img.blocks()[1].start, 0x10000u);
    // the later record at 0x20000 did not shrink the block: its end stays at 0x20011
    EXPECT_EQ(img.blocks()[0].end, 0x20011u);
    EXPECT_EQ(bytesOf(img, 0x20000, 0, 1), "CC ");
    EXPECT_EQ(bytesOf(img, 0x20000, 16, 2), "AA BB ");
    EXPECT_EQ(img.minimumStart(), 0x10000u);
    EXPECT_EQ(img.maximumEnd(), 0x20011u);
    EXPECT_EQ(img.length(), 0x10012);

    // A gap is sent as 64 zero bytes; the last chunk is as long as the image goes.
    EXPECT_EQ(img.FLASH_GetChunk(0x10040, img.maximumEnd()), ByteString(64, '\0'));
    EXPECT_EQ(img.FLASH_GetChunk(0x20000, img.maximumEnd()).size(), 18u);
    EXPECT_EQ(hexOf(img.FLASH_GetChunk(0x10000, img.maximumEnd()).substr(0, 5)), "01 02 03 04 00 ");
}

TEST(SRecordReader, BadRecordsStopWithTheirLine) {
    const ByteString good = SREC_Record(1, 0xE000, H("01 02"));  // S1 05 E000 01 02 17
    ASSERT_EQ(good, "S105E000010217");
    struct Case {
        const char* what;
        ByteString bad;
        const char* message;
    };
    const char* const kAddress = "      Adresse fehlerhaft in Zeile 3!     ";
    const char* const kData = "      Daten fehlerhaft in Zeile 3!     ";
    const char* const kChecksum = "      Checksumme fehlerhaft in Zeile 3!     ";
    const Case cases[] = {
        {"checksum wrong", "S105E000010218", kChecksum},
        {"checksum not hex", "S105E0000102G7", kChecksum},
        // -1 of a non-hex pair plus the right sum would pass a sloppy check
        {"checksum pair missing a digit", "S105E00001021", kChecksum},
        {"line ends before the checksum", "S105E0000102", kChecksum},
        {"data pair not hex", "S105E0000X0217", kData},
        {"line ends inside the data", "S105E00001", kData},
        {"address not hex", "S105E0Z0010217", kAddress},
        {"line ends inside the address", "S105E0", kAddress},
        {"count not hex", "S1G5E000010217", kData},
        {"count cut off", "S1", kData},
        {"S3 count too small for address and checksum", "S30410000000EB", kData},
        {"S3 address beyond 31 bits", SREC_Record(3, 0x80000000, H("01")), kAddress},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FlashImage img;
        ByteString msg;
        const ByteString file = lines({"S00600004844521B", good, c.bad, good});
        EXPECT_FALSE(FLASH_ParseS19(file, 3, img, msg));
        EXPECT_EQ(msg, c.message);
    }
}

TEST(SRecordReader, ALineLongerThanAnyRecordIsRefusedWithItsNumber) {
    // The longest record there is: S3, count 0xFF, address, 250 data bytes, checksum.
    const ByteString longest = SREC_Record(3, 0x10000, SREC_Pattern(250));
    ASSERT_EQ(longest.size(), FLASH_LongestRecordLine);
    const ByteString kLine3 = "      Daten fehlerhaft in Zeile 3!     ";
    struct Case {
        const char* what;
        ByteString line;
        bool ok;
    };
    const Case cases[] = {
        {"the longest record", longest, true},
        {"the longest record and a blank", longest + " ", false},
        {"a comment line one too long", ByteString(FLASH_LongestRecordLine + 1, 'x'), false},
        {"the last line, without a line end, one too long", "S0" + ByteString(513, '0'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ByteString file = lines({"S00600004844521B", SREC_Record(3, 0x10040, "A")}) + c.line;
        for (const ByteString& ending : {ByteString("\r\n"), ByteString()}) {
            FlashImage img;
            ByteString msg, checked;
            EXPECT_EQ(FLASH_ParseS19(file + ending, 5, img, msg), c.ok);
            EXPECT_EQ(FLASH_CheckLineLengths(file + ending, checked), c.ok);
            if (!c.ok) {
                EXPECT_EQ(msg, kLine3);
                EXPECT_EQ(checked, kLine3);
            }
        }
    }
}

TEST(SRecordReader, A32MiBLineIsRefusedAtOnce) {
    ByteString file = lines({"S00600004844521B"});
    file += "S3" + ByteString(32u << 20, 'F');  // one line, hexadecimal all through
    const auto start = std::chrono::steady_clock::now();
    FlashImage img;
    ByteString msg, checked;
    EXPECT_FALSE(FLASH_CheckLineLengths(file, checked));
    EXPECT_FALSE(FLASH_ParseS19(file, 6, img, msg));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(msg, "      Daten fehlerhaft in Zeile 2!     ");
    EXPECT_EQ(checked, msg);
    EXPECT_LT(took, std::chrono::milliseconds(100));
}

TEST(SRecordReader, FileWithoutDataRecords) {
    for (const ByteString& file : {ByteString(), lines({"S00600004844521B", "", "S9030000FC"}),
                                   lines({"S1030000FC", "hello"})}) {
        FlashImage img;
        ByteString msg;
        EXPECT_FALSE(FLASH_ParseS19(file, 5, img, msg));
        EXPECT_EQ(msg, "      Keine Programmdaten in der Datei gefunden!     ");
        EXPECT_TRUE(img.empty());
    }
}

TEST(FlashRange, EachClassHasItsRange) {
    const ByteString special = SREC_Record(1, 0xE600, H("01 02 03 04"));
    struct Case {
        const char* what;
        uint8_t deviceClass;
        ByteString file;
        bool fits;
        int32_t maximum;
    };
    const Case cases[] = {
        {"class 3 with its special block", 3, lines({SREC_Record(2, 0x10000, H("AA")), special}),
         true, 72},
        {"class 3 without data in the special block", 3,
         lines({SREC_Record(1, 0xE000, H("AA")), SREC_Record(1, 0xE700, H("BB"))}), false, 72},
        {"class 3 special block written short of 0xE603", 3,
         lines({SREC_Record(1, 0xE600, H("01 02 03"))}), false, 71},
        {"class 3 below 0xE000", 3, lines({SREC_Record(1, 0xDFFF, H("AA")), special}), false, 72},
        {"class 3 up to 0x3FFFE", 3, lines({special, SREC_Record(2, 0x3FFFE, H("AA"))}), true, 72},
        {"class 3 too large: up to 0x3FFFF", 3,
         lines({special, SREC_Record(2, 0x3FFFE, H("AA BB"))}), false, 72},
        {"class 5 from 0x10000", 5, lines({SREC_Record(2, 0x10000, H("AA"))}), true, 1},
        {"class 5 below 0x10000", 5,
         lines({SREC_Record(2, 0xFFFF, H("AA")), SREC_Record(2, 0x10000, H("AA"))}), false, 2},
        {"class 6 far up", 6, lines({SREC_Record(3, 0x7F000000, H("AA"))}), true, 1},
        {"class 1 never", 1, lines({special}), false, 0},
        {"no data bytes at all", 5, lines({SREC_Record(2, 0x10000, "")}), false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FlashImage img;
        ByteString msg;
        ASSERT_TRUE(FLASH_ParseS19(c.file, c.deviceClass, img, msg)) << msg;
        int32_t maximum = -1;
        EXPECT_EQ(FLASH_CheckRange(c.deviceClass, img, maximum), c.fits);
        EXPECT_EQ(maximum, c.maximum);
    }
}
