// The transfer thread with its real worker against the simulated adapter in real time, through
// the simulated driver and through the libftdi1 driver with the modelled USB chip. The test
// thread is the main thread: it pumps the worker's hand-overs and moves the timers' clock with
// real time.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "adapterframes.h"
#include "driverpath.h"
#include "hex.h"
#include "manualclock.h"
#include "pumpedmainthread.h"
#include "simftdriver.h"
#include "usbtxrx.h"

namespace {

using namespace std::chrono;

class EchoUnit : public ISimControlUnit {
public:
    uint8_t bus() const override { return 0; }
    std::optional<ByteString> answer(const ByteString& t) override { return "\x4F" + t.substr(1); }
};

struct Reply {
    uint8_t code;
    ByteString data;
    std::thread::id thread;
};

ByteString transferFrame(uint8_t n) {
    ByteString f;
    AdapterFrameProtocol::ADP_BuildBusTransfer(H("F4 03 51") + static_cast<char>(n), f);
    return f;
}

class TransferThread : public ::testing::TestWithParam<DriverPath> {
protected:
    TransferThread() : d2xx(path.driver(), nullptr) {
        drv.addAdapter("NAV0001");
        drv.attachUnit(0, &unit);
        d2xx.ShowErrors = false;
        EXPECT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV0001"), FT_OK);
        d2xx.D2XX_SetChars();
        d2xx.D2XX_SetTimeouts(1, 800);
    }
    void start(int replyTimeoutMs = 2000) {
        tx = std::make_unique<TUSBTXRX>(
            d2xx, clock, main, replyTimeoutMs,
            [this](uint8_t c, const ByteString& d) {
                replies.push_back({c, d, std::this_thread::get_id()});
                if (onReply) onReply(c, d);
            },
            [this] { ++finished; });
        tx->SetActive(true);
    }
    // The main thread's loop until done() holds or the limit passes; tick runs every round.
    bool runMain(const std::function<bool()>& done, milliseconds limit,
                 const std::function<void()>& tick = {}) {
        const auto t0 = steady_clock::now();
        auto last = t0;
        while (!done()) {
            if (steady_clock::now() - t0 > limit) return false;
            main.waitAndPump(microseconds(500));
            const auto now = steady_clock::now();
            const auto ms = duration_cast<milliseconds>(now - last).count();
            if (ms > 0) {
                clock.advance(ms);
                last += milliseconds(ms);
            }
            if (tick) tick();
        }
        return true;
    }
    // What the adapter watch does when the adapter has gone: switch off, wait until the loop
    // is idle while serving the main thread, close.
    void closeAdapter() {
        tx->SetActive(false);
        runMain([this] { return !tx->IsRunning(); }, seconds(5));
        d2xx.D2XX_Close();
    }

    SimFtDriver drv;
    EchoUnit unit;
    DriverOver path{drv, GetParam()};
    D2XXUnit d2xx;
    ManualClock clock;
    PumpedMainThread main;
    std::vector<Reply> replies;
    std::function<void(uint8_t, const ByteString&)> onReply;
    int finished = 0;
    std::unique_ptr<TUSBTXRX> tx;
};

TEST_P(TransferThread, FramesGoOutAndRepliesComeBackOnTheMainThread) {
    constexpr int n = 300;
    start();
    onReply = [this](uint8_t, const ByteString&) {
        if (replies.size() < n) {
            EXPECT_TRUE(tx->SendFrame(transferFrame(replies.size() & 0xFF)));
        }
    };
    ASSERT_TRUE(tx->SendFrame(transferFrame(0)));
    ASSERT_TRUE(runMain([&] { return replies.size() >= n; }, seconds(20)));
    for (size_t i = 0; i < replies.size(); ++i) {
        EXPECT_EQ(replies[i].code, 0);
        EXPECT_EQ(replies[i].data, H("86 20 20 4F 03 51") + static_cast<char>(i & 0xFF)) << i;
        EXPECT_EQ(replies[i].thread, std::this_thread::get_id());
    }
    EXPECT_EQ(drv.stats(0).frames, n);
    closeAdapter();
    EXPECT_EQ(replies.size(), static_cast<size_t>(n));
}

TEST_P(TransferThread, UnplugMidExchangeEndsInOneReplyAndNoHang) {
    SimFaults f;
    f.answerDelayMs = 1500;  // still on its way when the adapter is pulled
    drv.setFaults(0, f);
    start();
    ASSERT_TRUE(tx->SendFrame(transferFrame(1)));
    runMain([] { return false; }, milliseconds(30));
    drv.unplug(0);
    // The watch's 100 ms tick finds the adapter gone and closes it.
    auto nextTick = steady_clock::now();
    bool closed = false;
    ASSERT_TRUE(runMain([&] { return closed; }, seconds(5),
                        [&] {
                            if (steady_clock::now() < nextTick) return;
                            nextTick += milliseconds(100);
                            if (d2xx.D2XX_GetQueueStatus() != FT_OK) {
                                closeAdapter();
                                closed = true;
                            }
                        }));
    runMain([] { return false; }, milliseconds(400));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].code, 2);
    EXPECT_TRUE(replies[0].data.empty());
    EXPECT_FALSE(tx->IsRunning());

    // Plugged in again, opened again: the link works as before.
    drv.replug(0);
    drv.setFaults(0, {});
    ASSERT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV0001"), FT_OK);
    tx->SetActive(true);
    ASSERT_TRUE(tx->SendFrame(transferFrame(2)));
    ASSERT_TRUE(runMain([&] { return replies.size() == 2; }, seconds(5)));
    EXPECT_EQ(replies[1].code, 0);
}

TEST_P(TransferThread, UnplugWithNobodyWatchingEndsInCodeFour) {
    start(5);  // a short reply time-out: 21 writes take about 0.1 s
    drv.setFaults(0, [] {
        SimFaults f;
        f.dropAnswers = -1;
        return f;
    }());
    ASSERT_TRUE(tx->SendFrame(transferFrame(1)));
    drv.unplug(0);
    ASSERT_TRUE(runMain([&] { return !replies.empty(); }, seconds(10)));
    runMain([] { return false; }, milliseconds(100));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].code, 4);
}

TEST_P(TransferThread, TerminateEndsTheLoopAndFinishesOnTheMainThread) {
    drv.setFaults(0, [] {
        SimFaults f;
        f.dropAnswers = -1;
        return f;
    }());
    std::thread::id finishedOn;
    tx = std::make_unique<TUSBTXRX>(
        d2xx, clock, main, 2000,
        [this](uint8_t c, const ByteString& d) {
            replies.push_back({c, d, std::this_thread::get_id()});
        },
        [&] {
            ++finished;
            finishedOn = std::this_thread::get_id();
            tx.reset();  // the owner lets go of the thread from its hook
        });
    tx->SetActive(true);
    ASSERT_TRUE(tx->SendFrame(transferFrame(1)));
    runMain([&] { return drv.stats(0).frames == 1; }, seconds(5));
    tx->Terminate();
    ASSERT_TRUE(runMain([&] { return finished == 1; }, seconds(5)));
    EXPECT_EQ(finishedOn, std::this_thread::get_id());
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].code, 2);
    EXPECT_EQ(tx, nullptr);
    main.pump();
    EXPECT_EQ(finished, 1);
}

TEST_P(TransferThread, DestroyWhileTheWorkerWaitsForTheMainThread) {
    start();
    ASSERT_TRUE(tx->SendFrame(transferFrame(1)));
    // Not pumped: the worker now waits in the hand-over for this thread.
    std::this_thread::sleep_for(milliseconds(50));
    tx.reset();
    main.pump();
    EXPECT_TRUE(replies.empty()) << "no reply reaches an owner that is going away";
    EXPECT_EQ(finished, 0);
}

CALVIX_BOTH_DRIVER_PATHS(TransferThread);

}  // namespace
