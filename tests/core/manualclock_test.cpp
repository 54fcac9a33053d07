#include "manualclock.h"

#include <gtest/gtest.h>

namespace {

TEST(ManualClock, FiresInDueOrderAndRepeats) {
    ManualClock clock;
    auto a = clock.createTimer();
    auto b = clock.createTimer();
    std::vector<std::pair<char, int64_t>> fired;
    a->setInterval(50);
    b->setInterval(100);
    a->onTimeout = [&] { fired.push_back({'a', clock.now()}); };
    b->onTimeout = [&] { fired.push_back({'b', clock.now()}); };
    a->start();
    b->start();
    clock.advance(200);
    const std::vector<std::pair<char, int64_t>> want = {{'a', 50},  {'a', 100}, {'b', 100},
                                                        {'a', 150}, {'a', 200}, {'b', 200}};
    EXPECT_EQ(fired, want);
}

TEST(ManualClock, SingleShotStopAndDeleteInsideHandler) {
    ManualClock clock;
    auto t = clock.createTimer();
    int n = 0;
    t->setInterval(10);
    t->setSingleShot(true);
    t->onTimeout = [&] { ++n; };
    t->start();
    clock.advance(100);
    EXPECT_EQ(n, 1);
    EXPECT_FALSE(t->isActive());
    t->setSingleShot(false);
    t->onTimeout = [&] {
        t.reset();
        ++n;
    };
    t->start();
    clock.advance(100);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(clock.activeTimers(), 0u);
}

}  // namespace
