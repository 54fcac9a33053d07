#include "datapoints.h"

#include <gtest/gtest.h>

namespace {

class DataPoints : public ::testing::Test {
protected:
    DataPointTable t;
};

TEST_F(DataPoints, LookupIgnoresCaseAndKeepsUtf8Keys) {
    t.DP_Register("CFGNAME", "Name", "");
    t.DP_Register("ovrÜhfl", "Überhitzung", "");
    t.DP_SetValue("cfgname", 0, "KX3090", 0);
    EXPECT_EQ(t.DP_GetValue("cfgname").Text, "KX3090");
    EXPECT_EQ(t.DP_GetValue("CfGnAmE").Invalid, 0);
    // Only ASCII letters are upper-cased; the UTF-8 Ü stays and round-trips.
    EXPECT_EQ(t.DataPoints()[2].Key, "OVRÜHFL");
    t.DP_SetValue("OVRÜHFL", 1, "1", 1);
    EXPECT_EQ(t.DP_GetValue("ovrÜhfl").Bit, 1);
}

TEST_F(DataPoints, UnknownKeysAreIgnoredAndReadCleared) {
    t.DP_Register("A", "Alpha", "V");
    t.DP_SetValue("B", 1, "x", 5);
    EXPECT_EQ(t.DataPointCount(), 1);
    const TResult r = t.DP_GetValue("B");
    EXPECT_EQ(r, TResult{});
    EXPECT_EQ(t.DP_Find("B").Key, "");
    EXPECT_EQ(t.DP_GetCaption("B"), "");
}

TEST_F(DataPoints, ClearForgetsEverything) {
    t.DP_Register("A", "Alpha", "V");
    t.DP_SetValue("A", 0, "1.0", 1);
    t.DP_Clear();
    EXPECT_EQ(t.DataPointCount(), 0);
    EXPECT_EQ(t.DP_GetValue("A").Invalid, 1);
    EXPECT_EQ(t.DP_GetCaption("A"), "");
    EXPECT_EQ(t.DataPoints().size(), 1u);
}

TEST_F(DataPoints, FirstOfTwoEntriesWins) {
    t.DP_Register("A", "First", "");
    t.DP_Register("a", "Second", "");
    EXPECT_EQ(t.DataPointCount(), 2);
    t.DP_SetValue("A", 0, "v", 1);
    EXPECT_EQ(t.DataPoints()[1].Value.Text, "v");
    EXPECT_EQ(t.DataPoints()[2].Value.Invalid, 1);
    EXPECT_EQ(t.DP_GetCaption("A"), "First");
}

TEST_F(DataPoints, CaptionWithAndWithoutUnit) {
    t.DP_Register("U", "Spannung", "V");
    t.DP_Register("N", "Spannung", "");
    EXPECT_EQ(t.DP_GetCaption("U"), "Spannung [V]");
    EXPECT_EQ(t.DP_GetCaption("N"), "Spannung");
}

TEST_F(DataPoints, RegistrationCountsUpAndStartsCleared) {
    EXPECT_EQ(t.DP_Register("A", "Alpha", "V"), 1);
    EXPECT_EQ(t.DP_Register("B", "Beta", ""), 2);
    const TWerteDaten e = t.DP_Find("b");
    EXPECT_EQ(e.Key, "B");
    EXPECT_EQ(e.Caption, "Beta");
    EXPECT_EQ(e.Value, TResult{});
    t.DP_Clear();
    EXPECT_EQ(t.DP_Register("C", "Gamma", ""), 1);
}

TEST_F(DataPoints, OnlyAsciiLettersAreFolded) {
    t.DP_Register("OVRÜHFL", "Überhitzung", "");
    // The UTF-8 letter is compared as it stands: ü does not match Ü.
    EXPECT_EQ(t.DP_Find("ovrühfl").Key, "");
    EXPECT_EQ(t.DP_Find("ovrÜhfl").Key, "OVRÜHFL");
}

TEST_F(DataPoints, StoringAClearedValueMakesThePointInvalidAgain) {
    t.DP_Register("A", "Alpha", "");
    t.DP_SetValue("A", 1, "12.5", 12.5);
    ASSERT_EQ(t.DP_GetValue("A").Invalid, 0);
    t.DP_StoreValue("a", TResult{});
    EXPECT_EQ(t.DP_GetValue("A"), TResult{});
}

TEST_F(DataPoints, ChangeCounterMovesOnlyOnChange) {
    t.DP_Register("A", "Alpha", "");
    const uint64_t c0 = t.changeCounter();
    t.DP_SetValue("A", 0, "1", 1);
    const uint64_t c1 = t.changeCounter();
    EXPECT_GT(c1, c0);
    t.DP_SetValue("A", 0, "1", 1);
    EXPECT_EQ(t.changeCounter(), c1);
}

}  // namespace
