// Programming over the S-Bus end to end: the simulated class-5 unit is switched into its boot
// loader and takes the image; a unit left in its boot loader is found as class 6, kept alive
// and programmed from there. The boot loader's memory is compared byte for byte, the CRC-32
// over the real bytes, and a pulled cable or an abort leave a unit that a second run programs.
#include <algorithm>

#include "checksums.h"
#include "flashrig.h"
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
    session.buses().sbus.SBUS_SetDeviceAddress(3);
    beginForRow(5);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 10000));
    EXPECT_EQ(h.engine.DeviceClass, dcLoader);
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
