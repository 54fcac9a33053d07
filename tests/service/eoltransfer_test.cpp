// The parameter-set transfer end to end against the simulated units on the simulated adapter:
// unit -> file -> unit per class, unit -> editor -> unit with the checksum kept right, an
// abort and a pulled cable in the middle, and the class rules that guard the unit.
#include <gtest/gtest.h>

#include <fstream>

#include "eolrig.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "paramsetfile.h"

namespace {

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
}

std::string tempFile(const char* name) {
    const std::string f = ::testing::TempDir() + "/" + name;
    std::remove(f.c_str());
    return f;
}

// The EOL cells of each simulated unit, as the services see them.
struct UnitUnderTest {
    const char* name;
    int row;
    std::function<std::unique_ptr<ISimControlUnit>()> make;
    std::function<std::vector<uint8_t>(ISimControlUnit&)> cells;
    std::function<void(ISimControlUnit&)> scramble;
    std::function<bool(ISimControlUnit&)> checksumsRight;
    int32_t cellsRead;
};

std::vector<UnitUnderTest> units() {
    auto as = [](auto* tag) {
        using T = std::remove_pointer_t<decltype(tag)>;
        return [](ISimControlUnit& u) -> T& { return static_cast<T&>(u); };
    };
    auto k3090 = as(static_cast<SimKX3090Unit*>(nullptr));
    auto k3024 = as(static_cast<SimKX3024Unit*>(nullptr));
    auto k3117 = as(static_cast<SimKX3117Unit*>(nullptr));
    auto k3166 = as(static_cast<SimKX3166Unit*>(nullptr));
    auto k3141 = as(static_cast<SimKX3141Unit*>(nullptr));
    return {
        {"KX3090", 0, [] { return std::make_unique<SimKX3090Unit>(); },
         [=](ISimControlUnit& u) { return k3090(u).eol().memory().cells(); },
         [=](ISimControlUnit& u) {
             for (uint32_t a = 0; a < 256; ++a) k3090(u).eol().memory()[a] ^= 0x5A;
         },
         [=](ISimControlUnit& u) { return k3090(u).eol().memory().checksumsRight(); }, 256},
        {"KX3024", 1, [] { return std::make_unique<SimKX3024Unit>(); },
         [=](ISimControlUnit& u) {
             const auto& e = k3024(u).eol();
             return std::vector<uint8_t>(e.begin(), e.end());
         },
         [=](ISimControlUnit& u) {
             for (unsigned a = 0; a < 256; ++a)
                 k3024(u).setEolCell(static_cast<uint8_t>(a), static_cast<uint8_t>(a ^ 0xA5));
         },
         [=](ISimControlUnit& u) { return k3024(u).eolChecksumValid(); }, 256},
        {"KX3117", 2, [] { return std::make_unique<SimKX3117Unit>(); },
         [=](ISimControlUnit& u) { return k3117(u).memory().eol(); },
         [=](ISimControlUnit& u) {
             for (auto& c : k3117(u).memory().eol()) c ^= 0x3C;
         },
         [=](ISimControlUnit& u) {
             const SimKX3117Memory& m = k3117(u).memory();
             return m.storedChecksum(SimKX3117Memory::Area1) == m.areaSum(SimKX3117Memory::Area1) &&
                    m.storedChecksum(SimKX3117Memory::Area2) == m.areaSum(SimKX3117Memory::Area2);
         },
         256},
        // The stored cells 0..251; the two check bytes at the end are not part of the set.
        {"KX3141", 3, [] { return std::make_unique<SimKX3141Unit>(); },
         [=](ISimControlUnit& u) {
             const ByteString e = k3141(u).eolCells().substr(0, 252);
             return std::vector<uint8_t>(e.begin(), e.end());
         },
         [=](ISimControlUnit& u) { k3141(u).setEolSize(SimKX3141Unit::EolSize); },
         [](ISimControlUnit&) { return true; }, 252},
        {"KX3166", 4, [] { return std::make_unique<SimKX3166Unit>(); },
         [=](ISimControlUnit& u) {
             const auto& a = k3166(u).area1();
             return std::vector<uint8_t>(a.begin(), a.begin() + 120);
         },
         [=](ISimControlUnit& u) {
             for (size_t a = 0; a < 120; ++a) k3166(u).area1()[a] = static_cast<uint8_t>(a * 3);
         },
         [](ISimControlUnit&) { return true; }, 120},
    };
}

class EolTransfer : public ::testing::Test, protected EolRig {
protected:
    EolTransfer() {
        h.engine.windowHooks.UI_UpdateLinkState = [this] {
            eol.SetLinkState(h.engine.AdapterReady);
            eol.SetDeviceClass(h.engine.DeviceClass);
        };
        h.engine.windowHooks.UI_UpdateSessionState = [this] {
            eol.SetDeviceClass(h.engine.DeviceClass);
        };
    }
    bool sentTx(const char* hexPrefix) const {
        for (const auto& l : h.log.lines)
            if (l.text.rfind(ByteString("TX: ") + hexPrefix, 0) == 0) return true;
        return false;
    }
};

TEST_F(EolTransfer, UnitToFileToUnitRestoresTheMemoryPerClass) {
    for (const UnitUnderTest& t : units()) {
        SCOPED_TRACE(t.name);
        EolRig rig;
        auto unit = t.make();
        rig.startUp(*unit, t.row);
        std::vector<uint8_t> original = t.cells(*unit);
        if (t.row == 3) {  // a read finds the live counters in the first cells
            const ByteString m = static_cast<SimKX3141Unit&>(*unit).eolMemory().substr(0, 252);
            original.assign(m.begin(), m.end());
        }
        const std::string file = tempFile("eol_roundtrip.prn");

        rig.choose(file, 1);
        rig.eol.ReadParamSet(0);
        EXPECT_TRUE(rig.h.ui.boxes.empty());
        ASSERT_EQ(rig.eol.WorkSet.Count, t.cellsRead);
        TEolParamSet fromFile;
        ASSERT_EQ(ParamSetFile::LoadFromFile(file, 1, fromFile), ParamSetFile::LoadOk);
        EXPECT_EQ(fromFile.Count, t.cellsRead);

        t.scramble(*unit);
        ASSERT_NE(t.cells(*unit), original);
        ASSERT_TRUE(rig.runUntil([&] { return !rig.eol.TransferRunning(); }, 5000));
        rig.choose(file, 1);
        rig.eol.WriteParamSet(0);
        EXPECT_TRUE(rig.h.ui.boxes.empty()) << (rig.h.ui.boxes.empty() ? "" : rig.h.ui.boxes[0].text);
        EXPECT_EQ(t.cells(*unit), original);
        EXPECT_TRUE(t.checksumsRight(*unit));
        EXPECT_EQ(rig.view.texts.back(), "Sende eol_roundtrip.prn");
        EXPECT_EQ(rig.view.lastPosition, t.cellsRead);
        EXPECT_EQ(rig.h.boxesInReplyPath, 0);
        rig.expectIdleAndSessionRunning();
    }
}

TEST_F(EolTransfer, EditedCellIsWrittenWithItsChecksumKept) {
    for (const UnitUnderTest& t : units()) {
        if (t.row >= 3) continue;  // classes 4 and 5 keep no checksum
        SCOPED_TRACE(t.name);
        EolRig rig;
        auto unit = t.make();
        rig.startUp(*unit, t.row);
        const std::vector<uint8_t> before = t.cells(*unit);
        const int32_t cell = 0x20;
        rig.editor.script = [&](EolGrid& grid) {
            // The user looks a moment: the unit's block mode has ended by then.
            rig.runUntil([&] { return !rig.eol.TransferRunning(); }, 5000);
            std::vector<int32_t> changed;
            const ByteString v = BUS_Hex2(static_cast<uint8_t>(before[cell] + 1));
            EXPECT_EQ(grid.CommitCell(cell, v, rig.h.ui, changed), EolGrid::Commit::Stored);
            return EolParamSetService::EditorProgram;
        };
        rig.eol.ReadParamSet(1);
        EXPECT_EQ(rig.editor.runs, 1);
        EXPECT_TRUE(rig.h.ui.boxes.empty());
        const std::vector<uint8_t> after = t.cells(*unit);
        EXPECT_EQ(after[cell], static_cast<uint8_t>(before[cell] + 1));
        EXPECT_TRUE(t.checksumsRight(*unit));
        int differing = 0;
        for (size_t i = 0; i < after.size(); ++i) differing += after[i] != before[i];
        EXPECT_GE(differing, 2);  // the cell and its checksum
        EXPECT_LE(differing, 3);
        rig.expectIdleAndSessionRunning();
    }
}

TEST_F(EolTransfer, AbortLeavesTheOldFileAndRunsTheExitSteps) {
    SimKX3117Unit unit;
    startUp(unit, 2);
    const std::string file = tempFile("eol_abort.prn");
    writeFile(file, "the old backup");
    choose(file, 1);
    view.during = [&](int64_t t) {
        if (t == 150) {
            progress.Abort();
            // A quick new start while the aborted read still finishes: nothing happens.
            eol.ReadParamSet(1);
            return true;
        }
        return false;
    };
    eol.ReadParamSet(0);
    view.during = nullptr;
    ASSERT_EQ(h.ui.boxes.size(), 1u);  // only the question before replacing the file
    EXPECT_EQ(readFile(file), "the old backup");
    EXPECT_EQ(editor.runs, 0);
    EXPECT_EQ(view.texts.size(), 1u);
    expectIdleAndSessionRunning();
    EXPECT_TRUE(got(unit, "48 02"));
    EXPECT_TRUE(got(unit, "48 09"));
    EXPECT_EQ(h.sim.stats(adapter).lastConfig.mode, 3);
    EXPECT_FALSE(unit.memory().sessionOpen());
}

TEST_F(EolTransfer, PulledCableEndsWithTheFailureAndTheSessionRunsAgain) {
    SimKX3090Unit unit;
    startUp(unit, 0);
    const std::string file = tempFile("eol_pulled.prn");
    writeFile(file, "the old backup");
    choose(file, 1);
    view.during = [&](int64_t t) {
        if (t == 200) h.sim.unplug(adapter);
        return false;
    };
    eol.ReadParamSet(0);
    view.during = nullptr;
    ASSERT_EQ(h.ui.boxes.size(), 2u);
    EXPECT_EQ(h.ui.boxes[1].text, "    Parametersatz konnte nicht empfangen werden!    ");
    EXPECT_EQ(readFile(file), "the old backup");
    EXPECT_EQ(h.boxesInReplyPath, 0);
    EXPECT_TRUE(runUntil([&] { return !eol.TransferRunning(); }, 60000));

    // The adapter comes back: a session and a transfer run as before.
    h.sim.replug(adapter);
    unit.eol().configure(SimBusConfig{0, 3});  // a unit that lost power leaves its block mode
    ASSERT_TRUE(runUntil([&] { return h.engine.AdapterReady; }, 60000));
    beginForRow(0);
    ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 15000));
    h.advance(500);
    h.ui.boxes.clear();
    choose(file, 1);
    eol.ReadParamSet(0);
    EXPECT_EQ(h.ui.boxes.size(), 1u);  // the question before replacing the file
    TEolParamSet back;
    EXPECT_EQ(ParamSetFile::LoadFromFile(file, 1, back), ParamSetFile::LoadOk);
    EXPECT_EQ(back.Count, 256);
}

TEST_F(EolTransfer, ClassOneWriteAcrossTwoPagesChangesThePage) {
    SimKX3090Unit unit;
    startUp(unit, 0);
    const std::string file = tempFile("eol_pages.prn");
    writeFile(file, "0020  11\r\n00FF  22\r\n0100  33\r\n");
    choose(file, 1);
    eol.WriteParamSet(0);
    EXPECT_TRUE(h.ui.boxes.empty());
    const SimEolMemory& m = unit.eol().memory();
    EXPECT_EQ(m[0x20], 0x11);
    EXPECT_EQ(m[0xFF], 0x22);
    EXPECT_EQ(m[0x100], 0x33);
    // Entered on page 0 by 34 40 00; the page change is raw 05 01 between the writes.
    EXPECT_TRUE(sentTx("F4 04 34 40 00"));
    EXPECT_TRUE(sentTx("05 01 04"));
    // A file goes to the unit unchanged: no checksum is made right on the way.
    EXPECT_FALSE(m.checksumsRight());
    expectIdleAndSessionRunning();
}

TEST_F(EolTransfer, SetsTheUnitCannotTakeEndAsFailuresWithNothingSent) {
    SimKX3024Unit unit;
    startUp(unit, 1);
    const auto before = unit.eol();
    struct Case {
        const char* name;
        std::string content;
    };
    // A .prn with an address past the K-Line's one address byte; a buffer left empty.
    const std::string file = tempFile("eol_k.prn");
    writeFile(file, "0001  11\r\n0101  22\r\n");
    choose(file, 1);
    const size_t linesBefore = h.log.lines.size();
    eol.WriteParamSet(0);
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(h.ui.boxes[0].text, "    Parametersatz konnte nicht gesendet werden!    ");
    EXPECT_EQ(unit.eol(), before);
    for (size_t i = linesBefore; i < h.log.lines.size(); ++i)
        EXPECT_EQ(h.log.lines[i].text.find("TX: 87 9D F1 2E"), ByteString::npos);

    // From the editor: an empty set.
    h.ui.boxes.clear();
    eol.WorkSet.ClearItems();
    eol.WriteParamSet(3);
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(unit.eol(), before);
    expectIdleAndSessionRunning();
}

TEST_F(EolTransfer, FileErrorsStopBeforeTheUnit) {
    SimKX3117Unit unit;
    startUp(unit, 2);
    const auto before = unit.memory().eol();
    struct Case {
        std::string content;
        const char* box;
    };
    const Case cases[] = {
        {"; nothing\r\n", "    Datei eol_bad.eol Syntaxfehler beim öffnen!    "},
        {"0001  11\r\n0002  \r\n", "    Datei eol_bad.eol Syntaxfehler beim öffnen in Zeile 2!     "},
        {"0001  11\r\n0100  22\r\n", "    Datei eol_bad.eol Syntaxfehler beim öffnen in Zeile 2!     "},
    };
    const std::string file = tempFile("eol_bad.eol");
    for (const Case& c : cases) {
        writeFile(file, c.content);
        for (int code : {0, 1, 2}) {
            h.ui.boxes.clear();
            choose(file, 2);
            eol.WriteParamSet(code);
            ASSERT_EQ(h.ui.boxes.size(), 1u);
            EXPECT_EQ(h.ui.boxes[0].text, c.box);
        }
    }
    EXPECT_EQ(unit.memory().eol(), before);
    EXPECT_EQ(editor.runs, 0);
    EXPECT_FALSE(eol.BufferHasData());
    EXPECT_EQ(view.texts.size(), 0u);
}

TEST_F(EolTransfer, BufferCarriesASetBetweenUnitEditorAndFile) {
    SimKX3166Unit unit;
    startUp(unit, 4);
    eol.ReadParamSet(2);  // SG -> ZWIS
    ASSERT_TRUE(eol.BufferHasData());
    EXPECT_EQ(eol.Buffer.Count, 120);  // a class-5 read covers at most 120 cells
    EXPECT_EQ(bufferUpdates, 1);
    EXPECT_TRUE(runUntil([&] { return !eol.TransferRunning(); }, 5000));

    // ZWIS -> EDIT, closed with "Schließen": the edit goes back into the buffer.
    editor.script = [&](EolGrid& grid) {
        std::vector<int32_t> changed;
        grid.CommitCell(3, "AA", h.ui, changed);
        return 3;
    };
    eol.WriteParamSet(4);
    EXPECT_EQ(eol.Buffer.item(4).Value, 0xAA);

    const std::string file = tempFile("eol_buffer.prn");
    choose(file, 1);
    eol.ReadParamSet(4);  // ZWIS -> FILE
    TEolParamSet back;
    ASSERT_EQ(ParamSetFile::LoadFromFile(file, 1, back), ParamSetFile::LoadOk);
    EXPECT_EQ(back.item(4).Value, 0xAA);

    eol.WriteParamSet(5);  // ZWIS -> SG
    EXPECT_EQ(unit.area1()[3], 0xAA);
    eol.ClearBuffer();
    EXPECT_FALSE(eol.BufferHasData());
    EXPECT_TRUE(h.ui.boxes.empty());
}

}  // namespace

namespace {

TEST_F(EolTransfer, ClassFourReadEndsShortOrRefusedAndWritesRuns) {
    SimKX3141Unit unit;
    startUp(unit, 3);
    // A memory whose size is a multiple of 8 ends the read with the unit's refusal (code 23).
    unit.setEolSize(256);
    eol.ReadParamSet(2);
    EXPECT_TRUE(h.ui.boxes.empty());
    EXPECT_EQ(eol.Buffer.Count, 254);
    EXPECT_EQ(eol.Buffer.item(254).Address, 253);
    EXPECT_TRUE(runUntil([&] { return !eol.TransferRunning(); }, 5000));

    // Consecutive cells go in one run: 0x10..0x12 in one telegram, 0x20 in the next.
    const std::string file = tempFile("eol_runs.prn");
    writeFile(file, "0040  01\r\n0041  02\r\n0042  03\r\n0050  04\r\n");
    const int before = unit.receivedCount(151);
    choose(file, 1);
    eol.WriteParamSet(0);
    EXPECT_TRUE(h.ui.boxes.empty());
    EXPECT_EQ(unit.receivedCount(151) - before, 2);
    EXPECT_EQ(unit.received().back(), H("97 50 00 01 04"));
    EXPECT_EQ(unit.eolCells().substr(0x40, 3), H("01 02 03"));
    EXPECT_EQ(static_cast<uint8_t>(unit.eolCells()[0x50]), 4);
    expectIdleAndSessionRunning();
}

}  // namespace
