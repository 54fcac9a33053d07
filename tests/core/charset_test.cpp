// Windows-1252 on disk, UTF-8 inside: every byte survives the round trip, and the characters a
// report or log writes land on their single bytes.
#include <gtest/gtest.h>

#include "charset.h"

TEST(Charset, EveryByteOfTheSetSurvivesTheRoundTrip) {
    ByteString all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const ByteString utf8 = TOOL_Windows1252ToUtf8(all);
    EXPECT_EQ(TOOL_Utf8ToCodePoints(utf8).size(), 256u);
    // the five codes the set leaves unused are no characters: they come back as '?'
    ByteString expected = all;
    for (unsigned char unused : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) expected[unused] = '?';
    EXPECT_EQ(TOOL_Utf8ToWindows1252(utf8), expected);
}

TEST(Charset, CharactersAndTheirBytes) {
    struct Case {
        ByteString utf8;
        ByteString bytes;
    };
    const Case cases[] = {
        {"Gerätebezeichnung 135°C ÄÖÜß", "Ger\xE4tebezeichnung 135\xB0" "C \xC4\xD6\xDC\xDF"},
        {"€ „x“ – …", "\x80 \x84x\x93 \x96 \x85"},
        {"Ω 日本", "? ??"},  // not in the set
        {"a\r\nb", "a\r\nb"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TOOL_Utf8ToWindows1252(c.utf8), c.bytes) << c.utf8;
    }
    EXPECT_EQ(TOOL_Windows1252ToUtf8("Ger\xE4t \x80"), "Gerät €");
}

TEST(Charset, BytesThatAreNoUtf8StandForThemselves) {
    // A lone 0xE4 (a Windows-1252 'ä' handed through unconverted), a cut sequence, an overlong
    // form and a surrogate: none is read past its end, each byte counts as one character.
    EXPECT_EQ(TOOL_Utf8ToWindows1252("Ger\xE4t"), "Ger\xE4t");
    EXPECT_EQ(TOOL_Utf8ToCodePoints("x\xC3").size(), 2u);
    EXPECT_EQ(TOOL_Utf8ToCodePoints("\xC0\xAF").size(), 2u);
    EXPECT_EQ(TOOL_Utf8ToCodePoints("\xED\xA0\x80").size(), 3u);
    EXPECT_EQ(TOOL_CodePointsToUtf8(U"ä€😀"), "ä€😀");
}
