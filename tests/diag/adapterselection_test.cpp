// The adapter selection's list: which attached devices it shows, when it first scans, and
// when it asks for the list to be rebuilt.
#include "adapterselection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simftdriver.h"

namespace {

class AdapterSelectionTest : public ::testing::Test {
protected:
    AdapterSelectionTest() : d2xx(sim, nullptr) { d2xx.ShowErrors = false; }

    // The serials listed, in order.
    std::vector<std::string> listed() const {
        std::vector<std::string> out;
        for (int n = 1; n <= selection.foundCount(); ++n) out.push_back(selection.entry(n).serial);
        return out;
    }
    // The dialog opens and its timer ticks up to the first scan; returns that scan's answer.
    bool openAndScanOnce() {
        selection.begin();
        EXPECT_FALSE(selection.scan());  // at once
        EXPECT_FALSE(selection.scan());  // 250 ms
        return selection.scan();         // 500 ms: the first scan
    }

    SimFtDriver sim;
    D2XXUnit d2xx;
    AdapterSelection selection{d2xx};
};

TEST_F(AdapterSelectionTest, ListsOnlyAdaptersFromTheThirdTickOn) {
    sim.addAdapter("NAV0001");
    sim.addAdapter("USB0815", "USB Serial Converter");
    sim.addAdapter("NAV0002");
    selection.begin();
    EXPECT_FALSE(selection.scan());
    EXPECT_FALSE(selection.scan());
    EXPECT_TRUE(listed().empty());
    EXPECT_TRUE(selection.scan());
    EXPECT_EQ(listed(), (std::vector<std::string>{"NAV0001", "NAV0002"}));
    EXPECT_EQ(selection.entry(1).description, "NAVIRON Diagnose Adapter");
    // unchanged: no rebuild, so a selected row stays selected
    EXPECT_FALSE(selection.scan());
    EXPECT_FALSE(selection.scan());
}

TEST_F(AdapterSelectionTest, UnpluggingRemovesTheRowOnTheNextScan) {
    const size_t first = sim.addAdapter("NAV0001");
    sim.addAdapter("NAV0002");
    ASSERT_TRUE(openAndScanOnce());
    sim.unplug(first);
    EXPECT_TRUE(selection.scan());
    EXPECT_EQ(listed(), std::vector<std::string>{"NAV0002"});
    EXPECT_EQ(selection.entry(2).serial, "");  // the stale entry is cleared
    sim.replug(first);
    EXPECT_TRUE(selection.scan());
    EXPECT_EQ(listed().size(), 2u);
}

TEST_F(AdapterSelectionTest, NoAdapterAtAll) {
    EXPECT_FALSE(openAndScanOnce());
    EXPECT_EQ(selection.foundCount(), 0);
    // the last one goes: the list empties once
    const size_t only = sim.addAdapter("NAV0001");
    EXPECT_TRUE(selection.scan());
    sim.unplug(only);
    EXPECT_TRUE(selection.scan());
    EXPECT_TRUE(listed().empty());
    EXPECT_FALSE(selection.scan());
}

TEST_F(AdapterSelectionTest, AtMostTenAreListed) {
    for (int i = 1; i <= 11; ++i) sim.addAdapter("NAV" + std::to_string(1000 + i));
    ASSERT_TRUE(openAndScanOnce());
    ASSERT_EQ(selection.foundCount(), AdapterSelection::MaxAdapters);
    EXPECT_EQ(listed().front(), "NAV1001");
    EXPECT_EQ(listed().back(), "NAV1010");
    EXPECT_FALSE(selection.USBSEL_AddFound("NAVIRON Diagnose Adapter", "NAV1011"));
    EXPECT_EQ(selection.foundCount(), AdapterSelection::MaxAdapters);
}

TEST_F(AdapterSelectionTest, ReopeningStartsEmptyAndWaitsAgain) {
    sim.addAdapter("NAV0001");
    ASSERT_TRUE(openAndScanOnce());
    selection.begin();
    EXPECT_EQ(selection.foundCount(), 0);
    EXPECT_EQ(selection.entry(1).serial, "");
    EXPECT_EQ(selection.tickCount(), 0);
    EXPECT_TRUE(openAndScanOnce());
}

}  // namespace
