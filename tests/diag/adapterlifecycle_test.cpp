// The adapter's life cycle end to end against the simulated adapters, on the manual clock.
#include <gtest/gtest.h>

#include "engineharness.h"
#include "hex.h"
#include "testclients.h"

namespace {

// The real transfer thread over the simulated driver or over the libftdi1 driver with the
// modelled USB chip, or the fake transport.
enum class Link { TransferThread, ChipTransferThread, FakeTransport };

class AdapterLifecycle : public ::testing::TestWithParam<Link> {
protected:
    AdapterLifecycle()
        : h(std::make_unique<EngineHarness>(
              GetParam() == Link::TransferThread ? EngineHarness::withTransferThread()
              : GetParam() == Link::ChipTransferThread
                  ? EngineHarness::withTransferThread(DriverPath::ThroughChip)
                  : EngineHarness::Options{})),
          sim(h->sim) {}

    void SetUp() override {
        session = std::make_unique<StandInSession>(h->engine);
        h->engine.clients().setClient(ClientSlot::Session, session.get());
    }
    // Shows the main window; over the fake link the simulated adapter's presence decides
    // whether a frame is answered.
    void show() {
        h->show();
        if (FakeTransport* t = h->transport()) {
            t->responder = [this](const ByteString&) -> std::optional<FakeTransport::Reply> {
                uint32_t n = 0;
                if (m_silent || sim.FT_GetQueueStatus(n) != FT_OK) return std::nullopt;
                return FakeTransport::Reply{0, H("86 1E 00")};
            };
        }
    }
    // The adapter stays attached but answers nothing any more.
    void silence() {
        m_silent = true;
        for (size_t i = 0; i < m_adapters; ++i) {
            SimFaults f;
            f.dropAnswers = -1;
            sim.setFaults(i, f);
        }
    }
    size_t addAdapter(const ByteString& serial) {
        ++m_adapters;
        return sim.addAdapter(serial);
    }
    void runSession() {
        ASSERT_TRUE(session->begin());
        h->advance(200);
        ASSERT_TRUE(h->engine.SessionUp);
    }
    // The line as the open set it: 38400 baud, 8N1, no flow control, the end-of-frame byte as
    // the event character, the time-outs; as the simulated driver took it, or as the chip's
    // library calls carried it (with the latency timer the libftdi1 driver picks).
    void expectLineSetUp() {
        if (FtdiChipModel* chip = h->path.chip()) {
            const FtdiChipSettings c = chip->settings(0);
            EXPECT_EQ(c.baud, 38400);
            EXPECT_EQ(c.bits, 8);
            EXPECT_EQ(c.stopBits, 0);  // one stop bit
            EXPECT_EQ(c.parity, 0);    // none
            EXPECT_EQ(c.flow, 0);      // none
            EXPECT_EQ(c.eventChar, 0x04);
            EXPECT_TRUE(c.eventEnabled);
            EXPECT_FALSE(c.errorEnabled);
            EXPECT_EQ(c.latencyMs, 2);
            EXPECT_EQ(c.usbWriteTimeoutMs, 800);
            EXPECT_GT(c.usbReadTimeoutMs, 0);
            return;
        }
        const SimLineSettings l = sim.lineSettings();
        EXPECT_EQ(l.baud, 38400u);
        EXPECT_EQ(l.wordLength, 8);
        EXPECT_EQ(l.stopBits, 0);
        EXPECT_EQ(l.parity, 0);
        EXPECT_EQ(l.flow, 0);
        EXPECT_EQ(l.xon, 0);
        EXPECT_EQ(l.xoff, 0);
        EXPECT_EQ(l.eventChar, 0x04);
        EXPECT_EQ(l.eventEnabled, 1);
        EXPECT_EQ(l.errorEnabled, 0);
        EXPECT_EQ(l.readTimeoutMs, 1u);
        EXPECT_EQ(l.writeTimeoutMs, 800u);
        EXPECT_EQ(l.eventMask, 1u);
    }
    bool sessionEnded() const {
        return !h->engine.SessionStarted && !h->engine.SessionUp && !session->running();
    }

    std::unique_ptr<EngineHarness> h;
    SimFtDriver& sim;
    std::unique_ptr<StandInSession> session;

private:
    bool m_silent = false;
    size_t m_adapters = 0;
};

TEST_P(AdapterLifecycle, FirstStartOpensByDescriptionStoresTheSerialAndTalks) {
    addAdapter("NAV0001");
    show();
    h->advance(100);
    EXPECT_TRUE(h->engine.AdapterReady);
    EXPECT_EQ(h->engine.AdapterSerial, "NAV0001");
    EXPECT_EQ(sim.openAdapter(), 0);
    runSession();
    EXPECT_GT(h->replies, 3);
    expectLineSetUp();
}

TEST_P(AdapterLifecycle, UnplugClosesWithinOneTickEndsTheSessionAndReplugOpensAgain) {
    const size_t a = addAdapter("NAV0001");
    show();
    h->advance(100);
    runSession();
    const size_t linkCalls = h->hooks.linkStates.size();
    sim.unplug(a);
    h->advance(100);
    EXPECT_FALSE(h->engine.AdapterOpen);
    EXPECT_FALSE(h->engine.AdapterReady);
    EXPECT_EQ(sim.openAdapter(), -1);
    ASSERT_GT(h->hooks.linkStates.size(), linkCalls);
    EXPECT_FALSE(h->hooks.linkStates.back());
    h->advance(100);
    EXPECT_TRUE(sessionEnded());
    EXPECT_FALSE(h->engine.AdapterLost);
    h->advance(1000);
    EXPECT_FALSE(h->engine.AdapterOpen);

    sim.replug(a);
    h->advance(200);
    EXPECT_TRUE(h->engine.AdapterReady);
    EXPECT_EQ(sim.openAdapter(), static_cast<int>(a));
    runSession();
    EXPECT_TRUE(h->ui.boxes.empty());
}

TEST_P(AdapterLifecycle, LinkErrorLeavesItOpenButNotReadyUntilUnplugged) {
    const size_t a = addAdapter("NAV0001");
    show();
    h->advance(100);
    runSession();
    const int writes = sim.stats(a).writes;
    silence();
    h->advance(45000);  // 21 writes of 2 s, then the link error
    if (GetParam() == Link::TransferThread) {
        // The frame in flight may still have been answered; the next one is written 21 times.
        EXPECT_GE(sim.stats(a).writes - writes, 21);
        EXPECT_LE(sim.stats(a).writes - writes, 22);
    }
    EXPECT_TRUE(h->engine.LinkError);
    EXPECT_TRUE(h->engine.AdapterOpen);
    EXPECT_FALSE(h->engine.AdapterReady);
    EXPECT_TRUE(sessionEnded());
    EXPECT_EQ(h->log.count("Diagnose gestoppt"), 1);
    h->advance(2000);
    EXPECT_FALSE(h->engine.AdapterReady);  // not reopened while it is still attached
    EXPECT_EQ(sim.openAdapter(), static_cast<int>(a));

    sim.unplug(a);
    h->advance(100);
    EXPECT_FALSE(h->engine.AdapterOpen);
    EXPECT_FALSE(h->engine.LinkError);
    sim.replug(a);
    h->advance(200);
    EXPECT_TRUE(h->engine.AdapterReady);
}

TEST_P(AdapterLifecycle, LinkErrorEndsWithTheAdapterSelection) {
    addAdapter("NAV0001");
    const size_t b = addAdapter("NAV0002");
    show();
    h->advance(100);
    runSession();
    silence();
    h->advance(45000);
    ASSERT_FALSE(h->engine.AdapterReady);
    h->engine.AdapterSelecting = true;
    h->advance(100);
    EXPECT_FALSE(h->engine.AdapterOpen);
    EXPECT_EQ(sim.openAdapter(), -1);
    h->engine.AdapterSerial = "NAV0002";
    h->engine.AdapterSelecting = false;
    h->advance(100);
    EXPECT_TRUE(h->engine.AdapterReady);
    EXPECT_EQ(sim.openAdapter(), static_cast<int>(b));
}

TEST_P(AdapterLifecycle, WithoutAdapterNothingIsShownAndTheTicksGoOn) {
    show();
    h->advance(3000);
    EXPECT_FALSE(h->engine.AdapterOpen);
    EXPECT_TRUE(h->ui.boxes.empty());
    EXPECT_TRUE(h->engine.USBTimer().isActive());
    EXPECT_TRUE(h->engine.USBTXTimer().isActive());
    addAdapter("NAV0001");
    h->advance(100);
    EXPECT_TRUE(h->engine.AdapterReady);
}

TEST_P(AdapterLifecycle, SecondAdapterWithAnotherSerialIsOpenedByItsStoredSerial) {
    addAdapter("NAV0001");
    const size_t b = addAdapter("NAV0002");
    h->engine.AdapterSerial = "NAV0002";
    show();
    h->advance(100);
    EXPECT_EQ(sim.openAdapter(), static_cast<int>(b));
    EXPECT_EQ(h->engine.AdapterSerial, "NAV0002");
    runSession();
}

TEST_P(AdapterLifecycle, ProgramEndStopsEveryTimerAndLeavesNoThread) {
    addAdapter("NAV0001");
    show();
    h->advance(100);
    runSession();
    h->close();
    EXPECT_FALSE(h->engine.ThreadAlive);
    EXPECT_EQ(h->engine.USBThread(), nullptr);
    // Watch, request, reply and delay timers are all off; nothing runs any more.
    EXPECT_EQ(h->clock.activeTimers(), 0u);
    const int replies = h->replies;
    h->advance(5000);
    EXPECT_EQ(h->replies, replies);
    EXPECT_FALSE(h->engine.transport().SendFrame(H("01 06 02 1E 03 04")));
}

INSTANTIATE_TEST_SUITE_P(Links, AdapterLifecycle,
                         ::testing::Values(Link::TransferThread, Link::ChipTransferThread,
                                           Link::FakeTransport),
                         [](const auto& info) {
                             return info.param == Link::TransferThread       ? "TransferThread"
                                    : info.param == Link::ChipTransferThread ? "ChipTransferThread"
                                                                             : "FakeTransport";
                         });

}  // namespace
