// Programming over the S-Bus end to end: the simulated class-5 unit is switched into its boot
// loader and takes the image; a unit left in its boot loader is found as class 6, kept alive
// and programmed from there. The boot loader's memory is compared byte for byte, the CRC-32
// over the real bytes, and a pulled cable or an abort leave a unit that a second run programs.
#include <algorithm>

#include "checksums.h"
#include "flashrig.h"
#include "kx3117unit.h"
#include "kx3166unit.h"
#include "loadermodule.h"

namespace {

class FlashKX3166 : public ::testing::Test, protected FlashRig {
protected:
    void SetUp() override {
        adapter = addAdapter();
        h.sim.attachUnit(adapter, &unit);
        h.show();
        h.advance(150);
    }
    // Automatic detection, as after a restart of the diagnosis.
    void detect(uint8_t expectedClass) {
        ASSERT_TRUE(h.engine.AdapterReady);
        beginForRow(-1);
        ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 20000));
        ASSERT_EQ(h.engine.DeviceClass, expectedClass);
    }
    // A manual start on the boot loader's row, at its address.
    void startLoaderByHand() {
        session.buses().sbus.SBUS_SetDeviceAddress(3);
        beginForRow(5);
        ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
        ASSERT_EQ(h.engine.DeviceClass, dcLoader);
    }
    // 0x10000..0x17FFF, a gap of four chunks, then 11 bytes at 0x18100: the last chunk short.
    ByteString imageBytes() const {
        ByteString b = SREC_Pattern(0x8000, 3) + ByteString(0x100, '\0') + SREC_Pattern(11, 4);
        return b;
    }
    ByteString imageFile() const {
        const ByteString b = imageBytes();
        return SREC_File(3, 0x10000, b.substr(0, 0x8000)) + SREC_File(2, 0x18100, b.substr(0x8100));
    }
    void expectImageInBootLoader() {
        const ByteString b = imageBytes();
        for (uint32_t i = 0; i < b.size(); ++i)
            ASSERT_EQ(unit.bootLoader().software(0x10000 + i), static_cast<uint8_t>(b[i]))
                << std::hex << 0x10000 + i;
        EXPECT_EQ(unit.bootLoader().software(0x10000 + b.size()), 0xFF) << "beyond the image";
        EXPECT_EQ(unit.bootLoader().applicationLength(), b.size());
        EXPECT_EQ(unit.bootLoader().applicationCrc(), TOOL_Crc32(0, b));
        EXPECT_TRUE(unit.bootLoader().applicationValid());
    }
    int loaderGot(uint8_t id) const { return unit.bootLoader().receivedCount(id); }
    // Chunks the boot loader has taken so far.
    int chunks() const { return loaderGot(161); }

    SimKX3166Unit unit;
    size_t adapter = 0;
};

}  // namespace

TEST_F(FlashKX3166, ClassFiveIsSwitchedIntoItsBootLoaderAndProgrammed) {
    detect(dcKX3166);
    std::vector<int64_t> keepAlives;  // when the boot loader got message 30
    int64_t fingerprintAt = -1;
    view.onPump = [&] {
        if (fingerprintAt < 0 && loaderGot(159) > 0) fingerprintAt = h.clock.now();
        if (loaderGot(30) > static_cast<int>(keepAlives.size()))
            keepAlives.push_back(h.clock.now());
    };
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
    EXPECT_EQ(view.texts,
              (std::vector<ByteString>{"Applikation stoppen... ", "Löschen... ",
                                       "Programmieren... ", "Applikation starten... "}));
    // 513 blocks; the shown position stops at the maximum
    EXPECT_EQ(progress.Maximum(), 513);
    EXPECT_EQ(view.highest, 513);
    EXPECT_EQ(lastBox(), successBox());

    expectImageInBootLoader();
    EXPECT_EQ(programmer.runningCrc(), TOOL_Crc32(0, imageBytes()));
    // 517 chunks from 0x10000 to 0x1810A, each 64 bytes on the wire
    EXPECT_EQ(chunks(), 517);
    for (const ByteString& r : unit.bootLoader().received())
        if (static_cast<uint8_t>(r[0]) == 161) {
            ASSERT_EQ(r.size(), 1u + 4u + 64u);
        }
    const SimBootLoader::Fingerprint& f = unit.bootLoader().fingerprint();
    EXPECT_EQ(f.programmerId, 101);
    EXPECT_EQ(f.programmerSerial, 1u);
    EXPECT_EQ(f.year, 24);
    EXPECT_EQ(f.month, 3);
    EXPECT_EQ(f.day, 15);
    // the session opened, then the keep-alive 10 s after the fingerprint
    ASSERT_GE(keepAlives.size(), 2u);
    EXPECT_LT(keepAlives[0], fingerprintAt);
    EXPECT_NEAR(static_cast<double>(keepAlives[1] - fingerprintAt), 10000, 300);

    // the application runs again; the restarted diagnosis finds the heater
    EXPECT_FALSE(unit.inBootLoader());
    ASSERT_TRUE(sessionEnds());
    detect(dcKX3166);
}

TEST_F(FlashKX3166, PulledCableMidTransferThenTheBootLoaderIsProgrammed) {
    detect(dcKX3166);
    bool pulled = false;
    view.onPump = [&] {
        if (!pulled && chunks() == 100) {
            pulled = true;
            h.sim.unplug(adapter);
        }
    };
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::AdapterLost);
    EXPECT_EQ(lastBox(), disconnectedBox());
    ASSERT_TRUE(finishRun(5000));
    EXPECT_TRUE(unit.inBootLoader());
    EXPECT_FALSE(unit.bootLoader().applicationValid());

    view.onPump = nullptr;
    h.sim.replug(adapter);
    ASSERT_TRUE(runUntil([&] { return h.engine.AdapterReady; }, 5000));
    detect(dcLoader);
    EXPECT_EQ(caption, "NAVIRON Calvix Test [Flashloader]");
    EXPECT_EQ(session.buses().sbus.deviceAddress(), 3) << "the address it was found at";
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
    expectImageInBootLoader();
    EXPECT_FALSE(unit.inBootLoader());
}

TEST_F(FlashKX3166, AbortStopsAfterTheChunkAndTheUnitStaysInItsBootLoader) {
    detect(dcKX3166);
    view.onPump = [&] {
        if (chunks() == 50) progress.Abort();
    };
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::UserAbort);
    EXPECT_EQ(lastBox(), abortedBox());
    ASSERT_TRUE(finishRun());
    EXPECT_EQ(chunks(), 50) << "no chunk after the abort";
    EXPECT_EQ(loaderGot(154), 0);
    EXPECT_TRUE(unit.inBootLoader());
    EXPECT_EQ(lastBox(), abortedBox()) << "nothing more after the abort";
    ASSERT_TRUE(sessionEnds());

    view.onPump = nullptr;
    detect(dcLoader);
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
    expectImageInBootLoader();
}

TEST_F(FlashKX3166, BootLoaderFoundByAManualStartKeepsAliveAndIsProgrammed) {
    unit.startInBootLoader();
    startLoaderByHand();
    EXPECT_EQ(text("CFGFINGER_STATE"), "Fehler: CRC oder Speicher");
    const int before = loaderGot(30);
    h.advance(51000);
    EXPECT_EQ(loaderGot(30), before + 1) << "one keep-alive in 51 s";
    EXPECT_TRUE(unit.bootLoader().sessionOpen());

    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
    expectImageInBootLoader();
    // from the boot loader the run starts at message 162
    EXPECT_EQ(loaderGot(155), 3) << "two erase parts and the start; nothing to leave";
    ASSERT_TRUE(sessionEnds());
    detect(dcKX3166);
}

TEST_F(FlashKX3166, RangeTheBootLoaderRefusesFailsTheRun) {
    detect(dcKX3166);
    // ends beyond the boot loader's application memory
    program(SREC_File(3, 0x7FFC0, SREC_Pattern(0x80)));
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Failed);
    EXPECT_EQ(programmer.failure(), FlashProgrammer::TransferFailed);
    EXPECT_EQ(lastBox(), failedBox());
    EXPECT_EQ(chunks(), 0);
    EXPECT_TRUE(unit.inBootLoader());
}

TEST_F(FlashKX3166, LostDeviceClassClosesTheDialogLikeAnAbort) {
    detect(dcKX3166);
    view.onPump = [&] {
        if (chunks() == 20) programmer.SetDeviceClass(0);
    };
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Closed);
    EXPECT_EQ(lastBox(), abortedBox());
    ASSERT_TRUE(finishRun());
    EXPECT_EQ(chunks(), 20);
    EXPECT_TRUE(unit.inBootLoader());
}

TEST_F(FlashKX3166, BootLoaderRunAbortedOrUnpluggedLeavesItProgrammableAgain) {
    enum Fault { Abort, Pull };
    for (const Fault fault : {Abort, Pull}) {
        SCOPED_TRACE(fault == Abort ? "aborted" : "cable pulled");
        unit.startInBootLoader();
        detect(dcLoader);
        const int before = chunks(), checksBefore = loaderGot(154);
        view.onPump = [&, done = false]() mutable {
            if (done || chunks() - before < 50) return;
            done = true;
            if (fault == Abort)
                progress.Abort();
            else
                h.sim.unplug(adapter);
        };
        program(imageFile());
        view.onPump = nullptr;
        EXPECT_EQ(progress.ModalResult(),
                  fault == Abort ? TransferProgress::UserAbort : TransferProgress::AdapterLost);
        EXPECT_EQ(lastBox(), fault == Abort ? abortedBox() : disconnectedBox());
        ASSERT_TRUE(finishRun(fault == Abort ? 60000 : 5000));
        // An abort lets the chunk under way finish; a pulled cable may lose it.
        if (fault == Abort) {
            EXPECT_EQ(chunks() - before, 50);
        } else {
            EXPECT_LE(chunks() - before, 51);
        }
        EXPECT_EQ(loaderGot(154), checksBefore) << "nothing checked";
        EXPECT_TRUE(unit.inBootLoader());
        EXPECT_FALSE(unit.bootLoader().applicationValid());

        if (fault == Pull) {
            h.sim.replug(adapter);
            ASSERT_TRUE(runUntil([&] { return h.engine.AdapterReady; }, 5000));
        } else {
            ASSERT_TRUE(sessionEnds());
        }
        detect(dcLoader);
        program(imageFile());
        EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
        EXPECT_EQ(lastBox(), successBox());
        expectImageInBootLoader();
        ASSERT_TRUE(sessionEnds());
        h.ui.boxes.clear();
    }
}

TEST_F(FlashKX3166, BootLoaderRunAfterAClassThreeRunFailsOnItsOwnErrorStep) {
    // A class-3 unit on the W-Bus of the same adapter is programmed first; its run ends on the
    // step that reports success.
    SimKX3117Unit other;
    h.sim.attachUnit(adapter, &other);
    beginForRow(2);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 15000));
    program(SREC_File(1, 0xE000, SREC_Pattern(128)) + SREC_File(1, 0xE600, SREC_Pattern(16, 2)));
    ASSERT_EQ(lastBox(), successBox());
    ASSERT_TRUE(sessionEnds());
    const size_t wbusBefore = other.received().size();

    // Then the boot loader, with the cable pulled just as the run starts: its first request
    // fails on the error step the run set for itself.
    unit.startInBootLoader();
    startLoaderByHand();
    const int fingerprintsBefore = loaderGot(159), finishesBefore = loaderGot(162);
    h.sim.unplug(adapter);
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::AdapterLost);
    EXPECT_EQ(lastBox(), disconnectedBox());
    ASSERT_TRUE(finishRun(5000));
    EXPECT_FALSE(programmer.done()) << "the run must not end as programmed";
    EXPECT_EQ(programmer.failure(), FlashProgrammer::TransferFailed);
    EXPECT_EQ(other.received().size(), wbusBefore) << "nothing of the class-3 run";
    EXPECT_EQ(loaderGot(162), finishesBefore);
    EXPECT_EQ(loaderGot(159), fingerprintsBefore);
    EXPECT_FALSE(unit.bootLoader().applicationValid());
}

TEST_F(FlashKX3166, AdapterThatStopsAnsweringAsTheRunStartsEndsTheRun) {
    unit.startInBootLoader();
    startLoaderByHand();
    // The session's last exchange is lost with all its repetitions: the adapter is out of
    // service, although it takes frames again afterwards.
    SimFaults lost;
    lost.answerDelayMs = 20;
    lost.dropAnswers = 21;
    h.sim.setFaults(adapter, lost);
    const int chunksBefore = chunks(), checksBefore = loaderGot(154);
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::AdapterLost);
    EXPECT_EQ(lastBox(), disconnectedBox());
    ASSERT_TRUE(finishRun(5000)) << "the run goes no further";
    EXPECT_FALSE(programmer.done());
    EXPECT_EQ(chunks(), chunksBefore) << "nothing written after the box";
    EXPECT_EQ(loaderGot(154), checksBefore);
}

TEST(FlashImageFit, ImageOutsideTheClassRangeIsRefusedBeforeAnythingIsSent) {
    auto k3166 = [](ISimControlUnit& u) -> SimKX3166Unit& {
        return static_cast<SimKX3166Unit&>(u);
    };
    // The programming requests a unit received: 0x42 and 0x48 on the W-Bus; the switch to the
    // boot loader and the boot loader's programming messages on the S-Bus.
    auto sbusProgramming = [=](ISimControlUnit& u) {
        const SimBootLoader& l = k3166(u).bootLoader();
        return k3166(u).receivedCount(155) + l.receivedCount(155) + l.receivedCount(159) +
               l.receivedCount(160) + l.receivedCount(161) + l.receivedCount(162);
    };
    struct Case {
        const char* name;
        std::function<std::unique_ptr<ISimControlUnit>()> make;
        int row;           // -1: found by the detection
        uint8_t expected;  // the class found
        ByteString file;
        std::function<int(ISimControlUnit&)> programmingRequests;
    };
    const Case cases[] = {
        {"class 3 from below 0xE000", [] { return std::make_unique<SimKX3117Unit>(); }, 2, 3,
         SREC_File(1, 0xDF80, SREC_Pattern(128)) + SREC_File(1, 0xE600, SREC_Pattern(16)),
         [](ISimControlUnit& u) {
             const auto& r = static_cast<SimKX3117Unit&>(u).received();
             return static_cast<int>(std::count_if(r.begin(), r.end(), [](const ByteString& q) {
                 return static_cast<uint8_t>(q[0]) == 0x48 || q.rfind(H("42 0B"), 0) == 0;
             }));
         }},
        {"class 5 from below 0x10000", [] { return std::make_unique<SimKX3166Unit>(); }, -1,
         dcKX3166, SREC_File(2, 0xFFC0, SREC_Pattern(128)), sbusProgramming},
        {"class 6 from below 0x10000",
         [] {
             auto u = std::make_unique<SimKX3166Unit>();
             u->startInBootLoader();
             return u;
         },
         -1, dcLoader, SREC_File(2, 0xFFC0, SREC_Pattern(128)), sbusProgramming},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlashRig rig;
        auto unit = c.make();
        const size_t adapter = rig.addAdapter();
        rig.h.sim.attachUnit(adapter, unit.get());
        rig.h.show();
        rig.h.advance(150);
        rig.beginForRow(c.row);
        ASSERT_TRUE(rig.runUntil([&] { return rig.h.engine.SessionUp; }, 20000));
        ASSERT_EQ(rig.h.engine.DeviceClass, c.expected);
        rig.h.ui.boxes.clear();  // the class-5 notice that the computer takes over
        const bool loaderBefore = c.row < 0 && k3166(*unit).inBootLoader();
        rig.program(c.file);
        ASSERT_EQ(rig.h.ui.boxes.size(), 1u);
        EXPECT_EQ(rig.h.ui.boxes[0].kind, MsgKind::Error);
        EXPECT_EQ(rig.lastBox(), "     Programmdaten passen nicht zu diesem Steuergerät!      ");
        EXPECT_EQ(rig.view.runs, 0);
        rig.h.advance(1000);
        EXPECT_EQ(c.programmingRequests(*unit), 0);
        if (c.row < 0) {
            EXPECT_EQ(k3166(*unit).inBootLoader(), loaderBefore);
        }
        EXPECT_TRUE(rig.h.engine.SessionUp) << "the diagnosis goes on";
    }
}
