// The transfer loop run one pass at a time on the test thread, against the simulated adapter
// on the test's clock, through the simulated driver and through the libftdi1 driver with the
// modelled USB chip: time-outs, repetitions and switch-off take no real time.
#include "usbtxrx.h"

#include <gtest/gtest.h>

#include "adapterframes.h"
#include "driverpath.h"
#include "hex.h"
#include "manualclock.h"
#include "pumpedmainthread.h"
#include "simftdriver.h"

namespace {

struct Reply {
    uint8_t code;
    ByteString data;
    bool operator==(const Reply& o) const { return code == o.code && data == o.data; }
};
std::ostream& operator<<(std::ostream& os, const Reply& r) {
    return os << int(r.code) << ": " << hexOf(r.data);
}

ByteString configFrame() {
    ByteString f;
    AdapterFrameProtocol::ADP_BuildBusConfig(0, 3, 5, 20, 550, f);
    return f;
}

// Lets a test run something on the main thread just before a reply is handed over, the moment
// where a reply timer may still fire.
class RacingMainThread : public PumpedMainThread {
public:
    void invokeBlocking(std::function<void()> fn) override {
        if (beforeHandOver) beforeHandOver();
        PumpedMainThread::invokeBlocking(std::move(fn));
    }
    std::function<void()> beforeHandOver;
};

class TransferLoop : public ::testing::TestWithParam<DriverPath> {
protected:
    TransferLoop()
        : simClock([this] { return clock.now(); }),
          drv(simClock),
          path(drv, GetParam()),
          d2xx(path.driver(), nullptr),
          tx(
              d2xx, clock, main, 2000, [this](uint8_t c, const ByteString& d) { onReply(c, d); },
              [this] { ++finished; }, TUSBTXRX::Mode::Manual) {
        drv.addAdapter("NAV0001");
        d2xx.ShowErrors = false;
        EXPECT_EQ(d2xx.Open_USB_Device_By_Serial_Number("NAV0001"), FT_OK);
        d2xx.D2XX_SetChars();
        atOpen = drv.stats(0);
        tx.SetActive(true);
    }
    virtual void onReply(uint8_t code, const ByteString& data) {
        replies.push_back({code, data});
        afterRepetition.push_back(tx.ReplyAfterRepetition());
    }
    // One pass of the loop, then whatever it asked the main thread to do.
    void pass(int n = 1) {
        for (int i = 0; i < n; ++i) {
            tx.Pass();
            main.pump();
        }
    }
    void setFaults(const SimFaults& f) { drv.setFaults(0, f); }
    // The loop's doing: the purges of the open itself (the libftdi1 driver flushes the chip
    // when it opens it) are left out.
    SimAdapterStats stats() const {
        SimAdapterStats s = drv.stats(0);
        s.purgesRx -= atOpen.purgesRx;
        s.purgesTx -= atOpen.purgesTx;
        return s;
    }

    ManualClock clock;
    FunctionSimClock simClock;
    SimFtDriver drv;
    DriverOver path;
    D2XXUnit d2xx;
    RacingMainThread main;
    std::vector<Reply> replies;
    std::vector<bool> afterRepetition;  // ReplyAfterRepetition() during each hand-over
    int finished = 0;
    SimAdapterStats atOpen;
    TUSBTXRX tx;
};

TEST_P(TransferLoop, RoundTripDeliversTheReplyOnceAndStopsTheTimer) {
    ASSERT_TRUE(tx.SendFrame(configFrame()));
    EXPECT_FALSE(tx.SendFrame(H("01 06 02 1F 03 00 00 04"))) << "a frame is in flight";
    pass();
    EXPECT_EQ(replies, (std::vector<Reply>{{0, H("86 1E")}}));
    EXPECT_EQ(stats().frames, 1);
    EXPECT_EQ(stats().lastFrame, H("06 1E 00 03 06 0A 8D")) << "the first frame, not the second";
    EXPECT_EQ(clock.activeTimers(), 0u);
    clock.advance(60000);
    pass(3);
    EXPECT_EQ(replies.size(), 1u);
    EXPECT_EQ(stats().writes, 1);
    EXPECT_TRUE(tx.IsRunning());
}

TEST_P(TransferLoop, ReplySplitOverSeveralReadsIsAssembled) {
    SimFaults f;
    f.splitBytes = 2;
    setFaults(f);
    tx.SendFrame(configFrame());
    pass(3);
    EXPECT_TRUE(replies.empty());
    pass(10);
    EXPECT_EQ(replies, (std::vector<Reply>{{0, H("86 1E")}}));
}

TEST_P(TransferLoop, DeadAdapterIsWrittenTwentyOneTimesThenCodeFour) {
    SimFaults f;
    f.dropAnswers = -1;
    setFaults(f);
    tx.SendFrame(configFrame());
    for (int i = 0; i < 100 && replies.empty(); ++i) {
        pass();
        clock.advance(2000);
        // Refused while in flight: neither the frame nor its repetition count changes.
        EXPECT_FALSE(tx.SendFrame(H("01 06 02 1F 03 00 00 04")));
        pass();
    }
    EXPECT_EQ(replies, (std::vector<Reply>{{4, ""}}));
    EXPECT_EQ(stats().writes, 21);
    EXPECT_EQ(stats().lastFrame, H("06 1E 00 03 06 0A 8D"));
    EXPECT_EQ(stats().purgesRx, 21 + 21) << "one before each write, one at each time-out";
    EXPECT_EQ(stats().purgesTx, 21);
    EXPECT_EQ(clock.now(), 21 * 2000);
    clock.advance(10000);
    pass(5);
    EXPECT_EQ(replies.size(), 1u) << "nothing more for that frame";
    EXPECT_EQ(stats().writes, 21);
    EXPECT_TRUE(tx.SendFrame(configFrame())) << "the next frame is taken";
}

TEST_P(TransferLoop, BadAnswerIsRepeatedAfterTheTimeOut) {
    SimFaults f;
    f.badCrcAnswers = 1;
    setFaults(f);
    tx.SendFrame(configFrame());
    pass(2);
    EXPECT_TRUE(replies.empty());
    clock.advance(1999);
    pass();
    EXPECT_EQ(stats().writes, 1);
    clock.advance(1);
    pass(2);
    EXPECT_EQ(stats().writes, 2);
    EXPECT_EQ(replies, (std::vector<Reply>{{0, H("86 1E")}}));
    EXPECT_EQ(afterRepetition, std::vector<bool>{true}) << "the reply came after a repetition";
    EXPECT_FALSE(tx.ReplyAfterRepetition()) << "only while it is handed over";
    tx.SendFrame(configFrame());
    pass();
    EXPECT_EQ(afterRepetition, (std::vector<bool>{true, false}));
}

TEST_P(TransferLoop, SecondAnswerInTheSameReadIsDropped) {
    SimFaults f;
    f.duplicateAnswers = -1;
    setFaults(f);
    tx.SendFrame(configFrame());
    pass(3);
    EXPECT_EQ(replies.size(), 1u);
}

TEST_P(TransferLoop, NothingWrittenGivesOneImmediateSecondWrite) {
    SimFaults f;
    f.failWrites = true;
    setFaults(f);
    tx.SendFrame(configFrame());
    pass();
    EXPECT_EQ(stats().writes, 2);
    pass(3);
    EXPECT_EQ(stats().writes, 2) << "then the time-out decides";
}

TEST_P(TransferLoop, DelayEndsInOneEmptyReply) {
    EXPECT_TRUE(tx.StartDelay(500));
    clock.advance(499);
    EXPECT_TRUE(replies.empty());
    clock.advance(1);
    EXPECT_EQ(replies, (std::vector<Reply>{{0, ""}}));
    clock.advance(5000);
    EXPECT_EQ(replies.size(), 1u);
    EXPECT_EQ(stats().writes, 0);
}

TEST_P(TransferLoop, SwitchOffAnswersAQueuedFrameWithCodeTwoAndKeepsNothing) {
    tx.SendFrame(configFrame());
    tx.SetActive(false);
    pass();
    EXPECT_EQ(replies, (std::vector<Reply>{{2, ""}}));
    EXPECT_FALSE(tx.IsRunning());
    tx.SetActive(true);
    pass(3);
    EXPECT_EQ(stats().writes, 0) << "not written after the next switch-on";
    EXPECT_EQ(replies.size(), 1u);
}

TEST_P(TransferLoop, SwitchOffAnswersAnAwaitedFrameOnceAndDropsItsLateAnswer) {
    SimFaults f;
    f.answerDelayMs = 300;
    setFaults(f);
    tx.SendFrame(configFrame());
    pass();
    EXPECT_EQ(clock.activeTimers(), 1u) << "reply timer on";
    tx.SetActive(false);
    pass(3);
    EXPECT_EQ(replies, (std::vector<Reply>{{2, ""}}));
    EXPECT_EQ(clock.activeTimers(), 0u);
    clock.advance(300);
    tx.SetActive(true);
    pass(3);
    EXPECT_EQ(replies.size(), 1u) << "the late answer belongs to no frame";
}

// The reply timer fires while its reply is being handed over: the answered frame is not sent
// again, and the next frame gets a fresh time-out.
TEST_P(TransferLoop, StaleTimeOutNeverResends) {
    SimFaults f;
    f.answerDelayMs = 1000;
    setFaults(f);
    tx.SendFrame(configFrame());
    pass();
    clock.advance(1000);
    main.beforeHandOver = [this] { clock.advance(1000); };
    pass();
    main.beforeHandOver = nullptr;
    EXPECT_EQ(clock.now(), 2000) << "the timer had its chance to fire";
    pass(3);
    EXPECT_EQ(replies, (std::vector<Reply>{{0, H("86 1E")}}));
    EXPECT_EQ(stats().writes, 1);
    EXPECT_EQ(stats().purgesRx, 1) << "before the write only: no time-out";

    setFaults({});
    tx.SendFrame(configFrame());
    pass();
    EXPECT_EQ(replies.size(), 2u);
    EXPECT_EQ(stats().writes, 2);
}

// What arrived before a write is never its reply: a stale answer waiting in the driver, half
// a frame and a pending escape in the parser are all thrown away before the frame goes out.
TEST_P(TransferLoop, LeftoversBeforeAWriteAreNeverItsReply) {
    ByteString staleAck;
    AdapterFrameProtocol::ADP_BuildFrame(0x86, H("1F"), staleAck);  // a wake-up acknowledgement
    drv.pushToHost(0, staleAck);
    pass();                                             // read while nothing is awaited: dropped
    drv.pushToHost(0, staleAck + H("01 86 02 1E 05"));  // and a half frame with an escape
    SimFaults f;
    f.answerDelayMs = 100;
    setFaults(f);
    tx.SendFrame(configFrame());
    pass(3);
    EXPECT_TRUE(replies.empty());
    // The rest of the half frame arrives after the write: without its start it is no frame.
    drv.pushToHost(0, H("53 03 00 00 04"));
    pass(2);
    EXPECT_TRUE(replies.empty());
    clock.advance(100);
    pass();
    EXPECT_EQ(replies, (std::vector<Reply>{{0, H("86 1E")}}));
}

// Between a write and its reply nothing is thrown away: a reply read one byte at a time, its
// escapes split from the bytes they escape, is assembled whole.
TEST_P(TransferLoop, ReplyReadByteByByteKeepsItsEscapes) {
    class Unit : public ISimControlUnit {
    public:
        uint8_t bus() const override { return 0; }
        std::optional<ByteString> answer(const ByteString&) override {
            return H("4F 05 D1 0A 01 02 03 04 05 00 A4");
        }
    } unit;
    drv.attachUnit(0, &unit);
    SimFaults f;
    f.splitBytes = 1;
    setFaults(f);
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildBusTransfer(H("F4 03 51 0A AC"), frame);
    tx.SendFrame(frame);
    pass(60);
    EXPECT_EQ(replies, (std::vector<Reply>{{0, H("86 20 20 4F 05 D1 0A 01 02 03 04 05 00 A4")}}));
}

// Answers sent twice and read in pieces: the second copy of an answer is never handed over as
// the reply to the next frame.
TEST_P(TransferLoop, DoubledAnswersInPiecesStayWithTheirOwnFrame) {
    class Echo : public ISimControlUnit {
    public:
        uint8_t bus() const override { return 0; }
        std::optional<ByteString> answer(const ByteString& t) override {
            return "\x4F" + t.substr(1);
        }
    } unit;
    drv.attachUnit(0, &unit);
    SimFaults f;
    f.duplicateAnswers = -1;
    f.splitBytes = 5;
    setFaults(f);
    auto frameOf = [](int n) {
        ByteString fr;
        AdapterFrameProtocol::ADP_BuildBusTransfer(H("F4 03 51") + static_cast<char>(n), fr);
        return fr;
    };
    int sent = 0;
    tx.SendFrame(frameOf(sent));
    for (int i = 0; i < 400 && replies.size() < 20; ++i) {
        const size_t before = replies.size();
        pass();
        if (replies.size() != before) tx.SendFrame(frameOf(++sent));
    }
    ASSERT_EQ(replies.size(), 20u);
    for (size_t i = 0; i < replies.size(); ++i)
        EXPECT_EQ(replies[i], (Reply{0, H("86 20 20 4F 03 51") + static_cast<char>(i)})) << i;
}

class ChainedLoop : public TransferLoop {
protected:
    void onReply(uint8_t code, const ByteString& data) override {
        TransferLoop::onReply(code, data);
        // The next request is queued from inside the hand-over, as the scheduler does.
        if (replies.size() < 5) {
            EXPECT_TRUE(tx.SendFrame(configFrame()));
        }
    }
};

TEST_P(ChainedLoop, NextFrameMayBeQueuedFromTheReply) {
    tx.SendFrame(configFrame());
    pass(5);
    EXPECT_EQ(replies.size(), 5u);
    EXPECT_EQ(stats().writes, 5);
}

TEST_P(TransferLoop, TerminateAnswersTheFrameInFlightAndFinishesOnce) {
    SimFaults f;
    f.dropAnswers = -1;
    setFaults(f);
    tx.SendFrame(configFrame());
    pass();
    tx.StartDelay(100);
    tx.Terminate();
    EXPECT_FALSE(tx.Pass());
    main.pump();
    EXPECT_EQ(replies, (std::vector<Reply>{{2, ""}}));
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(tx.Finished());
    EXPECT_FALSE(tx.IsRunning());
    EXPECT_EQ(clock.activeTimers(), 0u) << "both timers stop";
    EXPECT_FALSE(tx.Pass());
    EXPECT_FALSE(tx.SendFrame(configFrame()));
    EXPECT_FALSE(tx.StartDelay(10));
    main.pump();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(replies.size(), 1u);
}

CALVIX_BOTH_DRIVER_PATHS(TransferLoop);
CALVIX_BOTH_DRIVER_PATHS(ChainedLoop);

}  // namespace
