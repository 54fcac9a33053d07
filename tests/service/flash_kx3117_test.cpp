// Programming the simulated class-3 unit over the W-Bus, end to end: the memory holds the image
// afterwards, the special block goes last and once, a slow erase waits, a refused check takes
// the recovery way, and an abort or a pulled cable leave a unit that a second run programs.
#include <algorithm>
#include <filesystem>

#include "flashrig.h"
#include "kx3117unit.h"

namespace {

class FlashKX3117 : public ::testing::Test, protected FlashRig {
protected:
    void SetUp() override {
        adapter = addAdapter();
        h.sim.attachUnit(adapter, &unit);
        h.show();
        h.advance(150);
        comeUp();
    }
    void comeUp() {
        ASSERT_TRUE(h.engine.AdapterReady);
        beginForRow(2);
        ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 15000));
    }
    // The image: the special block first in the file, three blocks from 0xE000 (the third one
    // partly), and one far up.
    ByteString imageFile() const {
        return SREC_File(1, 0xE600, SREC_Pattern(16, 9)) +
               SREC_File(1, 0xE000, SREC_Pattern(300, 7)) +
               SREC_File(2, 0x20010, SREC_Pattern(40, 8), 16);
    }
    // The addresses of the block writes the unit received, in order.
    std::vector<uint32_t> writes() const {
        std::vector<uint32_t> out;
        for (const ByteString& r : unit.received())
            if (r.size() > 6 && r.compare(0, 2, H("48 13")) == 0)
                out.push_back((uint32_t{static_cast<uint8_t>(r[2])} << 24) |
                              (uint32_t{static_cast<uint8_t>(r[3])} << 16) |
                              (uint32_t{static_cast<uint8_t>(r[4])} << 8) |
                              static_cast<uint8_t>(r[5]));
        return out;
    }
    int received(const char* hex) const {
        return static_cast<int>(std::count(unit.received().begin(), unit.received().end(), H(hex)));
    }
    // Every block of the image is in the unit's memory, fill bytes included.
    void expectImageInUnit() {
        for (const FlashBlock& b : programmer.image().blocks())
            for (uint32_t i = 0; i < b.data.size(); ++i)
                ASSERT_EQ(unit.memory().software(b.start + i), static_cast<uint8_t>(b.data[i]))
                    << std::hex << b.start + i;
    }

    SimKX3117Unit unit;
    size_t adapter = 0;
};

}  // namespace

TEST_F(FlashKX3117, ProgramsTheImageAndEndsTheSession) {
    program(imageFile());
    ASSERT_EQ(h.ui.fileRequests.size(), 1u);
    EXPECT_EQ(h.ui.fileRequests[0].title, "Programmdatei öffnen");
    EXPECT_EQ(h.ui.fileRequests[0].filter, "Motorola-S19-Datei  (*.s19)|*.S19");
    EXPECT_EQ(h.ui.fileRequests[0].helpContext, 605);
    EXPECT_EQ(fileName, dir + "/image.s19");
    EXPECT_NE(memo.find("S113E600"), ByteString::npos);

    EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
    EXPECT_EQ(progress.Caption(), "Steuergerätesoftware übertragen");
    EXPECT_EQ(view.texts, (std::vector<ByteString>{"Applikation stoppen... ", "Löschen... ",
                                                   "Programmieren... "}));
    // five blocks: seven erases of ten, then one per block but the special one
    EXPECT_EQ(progress.Maximum(), 75);
    EXPECT_EQ(progress.Position(), 74);
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(h.ui.boxes[0].kind, MsgKind::Information);
    EXPECT_EQ(h.ui.boxes[0].text, successBox());
    EXPECT_EQ(h.boxesInReplyPath, 0);

    // the special block last and once, every other block in list order
    EXPECT_EQ(writes(), (std::vector<uint32_t>{0xE000, 0xE080, 0xE100, 0x20000, 0xE600}));
    expectImageInUnit();
    EXPECT_EQ(unit.memory().software(0xE800), 0xFF) << "erased";
    EXPECT_EQ(unit.memory().softwareState(), SimKX3117Memory::SoftwareValid);
    EXPECT_FALSE(unit.memory().programming());
    EXPECT_FALSE(unit.memory().sessionOpen());
    EXPECT_EQ(received("48 11 00 00 E0 00 00 03 FF FF"), 1);
    EXPECT_EQ(received("42 0A 00"), 1);
    EXPECT_EQ(h.sim.stats(adapter).lastConfig.mode, 3) << "the diagnosis bus mode again";

    ASSERT_TRUE(sessionEnds());
    EXPECT_EQ(programmer.request().Step, 0);
}

TEST_F(FlashKX3117, SlowEraseGoesOnAfterTwoSecondsWithoutProgress) {
    unit.memory().setSlowErases(1);
    std::vector<int64_t> erases;  // when each erase reached the unit
    view.onPump = [&] {
        size_t n = 0;
        for (const ByteString& r : unit.received()) n += r.compare(0, 2, H("48 14")) == 0 ? 1 : 0;
        if (n > erases.size()) erases.push_back(h.clock.now());
    };
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
    EXPECT_EQ(progress.Position(), 64) << "the unanswered erase did not count";
    ASSERT_EQ(erases.size(), 7u);
    EXPECT_GE(erases[1] - erases[0], 2000);
    EXPECT_LT(erases[2] - erases[1], 500);
    expectImageInUnit();
    EXPECT_EQ(lastBox(), successBox());
}

TEST_F(FlashKX3117, RefusedCheckIsTriedThreeTimesThenTheRecoveryWay) {
    unit.refuseRequests(H("48 02"));
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Failed);
    EXPECT_EQ(programmer.failure(), FlashProgrammer::TransferFailed);
    // three at the check, three more on the recovery way, which then restores the bus mode
    // and the application
    EXPECT_EQ(received("48 02"), 6);
    EXPECT_EQ(received("48 09"), 0);
    EXPECT_EQ(received("42 0A 00"), 1);
    EXPECT_FALSE(unit.memory().programming());
    EXPECT_EQ(lastBox(), failedBox());
    ASSERT_TRUE(sessionEnds()) << "the failure ends the diagnosis";
}

TEST_F(FlashKX3117, UnitThatDoesNotEnterProgrammingKeepsItsSoftware) {
    unit.refuseRequests(H("42 0B"));
    const uint8_t before = unit.memory().software(0xE000);
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Failed);
    EXPECT_EQ(lastBox(),
              "     Die Steuergerätesoftware konnte nicht gesendet werden,     \r\n     "
              "erforderlicher Funktionszustand nicht erreicht!");
    EXPECT_EQ(unit.memory().software(0xE000), before);
    EXPECT_EQ(writes().size(), 0u);
    // the diagnosis goes on
    h.advance(3000);
    EXPECT_TRUE(h.engine.SessionUp);
    EXPECT_GE(session.SessionReq.Step, 10);
}

TEST_F(FlashKX3117, ImageThatDoesNotFitIsRefusedBeforeAnythingIsSent) {
    const size_t before = unit.received().size();
    for (const ByteString& file :
         {SREC_File(1, 0xE000, SREC_Pattern(64)),  // no special block
          SREC_File(1, 0xE600, SREC_Pattern(16)) + SREC_File(2, 0x3FFF0, SREC_Pattern(16))}) {
        program(file);
        EXPECT_EQ(lastBox(), "     Programmdaten passen nicht zu diesem Steuergerät!      ");
    }
    program("S105E000010218\r\n");
    EXPECT_EQ(lastBox(), "      Checksumme fehlerhaft in Zeile 1!     ");
    EXPECT_EQ(view.runs, 0);
    h.advance(500);
    for (size_t i = before; i < unit.received().size(); ++i)
        EXPECT_NE(static_cast<uint8_t>(unit.received()[i][0]), 0x48);
}

TEST_F(FlashKX3117, AbortFinishesTheExchangeThenASecondRunSucceeds) {
    view.onPump = [&] {
        if (writes().size() == 2) progress.Abort();
    };
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::UserAbort);
    EXPECT_EQ(lastBox(), abortedBox());
    // The run is still finishing: a new one does not start.
    ASSERT_NE(programmer.request().Step, 0);
    h.ui.fileChoices.push_back(FileDialogChoice{dir + "/image.s19", 0});
    programmer.Execute();
    EXPECT_EQ(h.ui.fileRequests.size(), 1u);
    h.ui.fileChoices.clear();

    ASSERT_TRUE(finishRun());
    EXPECT_EQ(writes().size(), 2u);
    EXPECT_FALSE(unit.memory().programming()) << "the recovery brought it back";
    EXPECT_EQ(h.ui.boxes.size(), 1u) << "the failure after the abort shows nothing more";
    ASSERT_TRUE(sessionEnds());

    view.onPump = nullptr;
    comeUp();
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
    expectImageInUnit();
}

TEST_F(FlashKX3117, PulledCableEndsTheRunAndTheUnitStaysProgrammable) {
    bool pulled = false;
    view.onPump = [&] {
        if (writes().size() == 2 && !pulled) {
            pulled = true;
            h.sim.unplug(adapter);
        }
    };
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::AdapterLost);
    EXPECT_EQ(lastBox(), disconnectedBox());
    ASSERT_TRUE(finishRun(5000)) << "no endless recovery without an adapter";
    h.advance(5000);
    EXPECT_EQ(programmer.request().Step, 0);
    EXPECT_FALSE(h.engine.SessionStarted);

    view.onPump = nullptr;
    h.sim.replug(adapter);
    ASSERT_TRUE(runUntil([&] { return h.engine.AdapterReady; }, 5000));
    comeUp();
    program(imageFile());
    EXPECT_EQ(progress.ModalResult(), TransferProgress::Completed);
    expectImageInUnit();
}

TEST_F(FlashKX3117, FileThatCannotBeReadShowsItsBoxAndSendsNothing) {
    struct Case {
        const char* name;
        const char* file;
        int64_t size;  // of a file of zero bytes (sparse); -1: no file
        const char* box;
    };
    const Case cases[] = {
        {"no such file", "missing.s19", -1, "    Datei missing.s19 nicht gefunden!    "},
        {"one byte over the limit", "huge.s19", int64_t{FlashProgrammer::MaxFileBytes} + 1,
         "    Datei huge.s19 konnte nicht geöffnet werden!    "},
        // the whole file one line of zero bytes: refused before the window would lay it out
        {"the limit on one line", "line.s19", int64_t{FlashProgrammer::MaxFileBytes},
         "      Daten fehlerhaft in Zeile 1!     "},
    };
    const size_t before = unit.received().size();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        h.ui.boxes.clear();
        memo.clear();
        const std::string path = dir + "/" + c.file;
        if (c.size >= 0) {
            std::ofstream(path, std::ios::binary).close();
            std::filesystem::resize_file(path, static_cast<uintmax_t>(c.size));
        }
        h.ui.fileChoices.push_back(FileDialogChoice{path, 0});
        programmer.Execute();
        ASSERT_EQ(h.ui.boxes.size(), 1u);
        EXPECT_EQ(h.ui.boxes[0].kind, MsgKind::Error);
        EXPECT_EQ(h.ui.boxes[0].text, c.box);
        EXPECT_TRUE(memo.empty()) << "the window shows no file";
        EXPECT_EQ(fileName, path) << "offered again next time";
        std::filesystem::remove(path);
    }
    EXPECT_EQ(view.runs, 0);
    h.advance(500);
    for (size_t i = before; i < unit.received().size(); ++i) {
        EXPECT_NE(static_cast<uint8_t>(unit.received()[i][0]), 0x48);
        EXPECT_NE(unit.received()[i].rfind(H("42 0B"), 0), 0u);
    }
    EXPECT_TRUE(h.engine.SessionUp);
}
