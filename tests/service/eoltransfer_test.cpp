// The parameter-set transfer end to end against the simulated units on the simulated adapter:
// unit -> file -> unit per class, unit -> editor -> unit with the checksum kept right, an
// abort and a pulled cable in the middle, and the class rules that guard the unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "eolrig.h"
#include "eolunitfaults.h"
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
    int32_t cellsPerRead;  // what one request of a read brings
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
         [=](ISimControlUnit& u) { return k3090(u).eol().memory().checksumsRight(); }, 256, 1},
        {"KX3024", 1, [] { return std::make_unique<SimKX3024Unit>(); },
         [=](ISimControlUnit& u) {
             const auto& e = k3024(u).eol();
             return std::vector<uint8_t>(e.begin(), e.end());
         },
         [=](ISimControlUnit& u) {
             for (unsigned a = 0; a < 256; ++a)
                 k3024(u).setEolCell(static_cast<uint8_t>(a), static_cast<uint8_t>(a ^ 0xA5));
         },
         [=](ISimControlUnit& u) { return k3024(u).eolChecksumValid(); }, 256, 4},
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
         256, 16},
        // The stored cells 0..251; the two check bytes at the end are not part of the set.
        {"KX3141", 3, [] { return std::make_unique<SimKX3141Unit>(); },
         [=](ISimControlUnit& u) {
             const ByteString e = k3141(u).eolCells().substr(0, 252);
             return std::vector<uint8_t>(e.begin(), e.end());
         },
         [=](ISimControlUnit& u) { k3141(u).setEolSize(SimKX3141Unit::EolSize); },
         [](ISimControlUnit&) { return true; }, 252, 8},
        {"KX3166", 4, [] { return std::make_unique<SimKX3166Unit>(); },
         [=](ISimControlUnit& u) {
             const auto& a = k3166(u).area1();
             return std::vector<uint8_t>(a.begin(), a.begin() + 120);
         },
         [=](ISimControlUnit& u) {
             for (size_t a = 0; a < 120; ++a) k3166(u).area1()[a] = static_cast<uint8_t>(a * 3);
         },
         [](ISimControlUnit&) { return true; }, 120, 120},
    };
}

class EolTransfer : public ::testing::Test, protected EolRig {
protected:
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
        EXPECT_TRUE(rig.h.ui.boxes.empty())
            << (rig.h.ui.boxes.empty() ? "" : rig.h.ui.boxes[0].text);
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

TEST_F(EolTransfer, ClassOneWrongEchoEndsTheWriteAfterTheExitSteps) {
    SimKX3090Unit unit;
    startUp(unit, 0);
    SimEolMemory& m = unit.eol().memory();
    m[0x20] = m[0x21] = m[0x22] = 0;
    unit.eol().echoWrongAddressAt(0x21);
    const std::string file = tempFile("eol_echo.prn");
    writeFile(file, "0020  11\r\n0021  22\r\n0022  33\r\n");
    choose(file, 1);
    eol.WriteParamSet(0);
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(h.ui.boxes[0].text, "    Parametersatz konnte nicht gesendet werden!    ");
    EXPECT_EQ(h.ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(h.boxesInReplyPath, 0);
    // The cell before is written; the one with the wrong echo is not sent again, and nothing
    // after it is sent at all.
    EXPECT_EQ(m[0x20], 0x11);
    EXPECT_EQ(m[0x22], 0);
    int wrongEchoWrites = 0;
    for (const auto& l : h.log.lines)
        if (l.text.rfind("TX: 04 21 22", 0) == 0) ++wrongEchoWrites;
    EXPECT_EQ(wrongEchoWrites, 1);
    EXPECT_FALSE(sentTx("04 22 33"));
    // The block mode was left (raw 09, then the bus back in mode 3) before the message.
    EXPECT_TRUE(sentTx("09 09"));
    EXPECT_EQ(h.sim.stats(adapter).lastConfig.mode, 3);
    EXPECT_FALSE(unit.eol().rawMode());
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
        {"0001  11\r\n0002  \r\n",
         "    Datei eol_bad.eol Syntaxfehler beim öffnen in Zeile 2!     "},
        {"0001  11\r\n0100  22\r\n",
         "    Datei eol_bad.eol Syntaxfehler beim öffnen in Zeile 2!     "},
        // CR alone ends a line: the third item's damaged address is found in its own line
        {"0001  11\r0002  22\r00G3  33\r0004  44\r",
         "    Datei eol_bad.eol Syntaxfehler beim öffnen in Zeile 3!     "},
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

namespace {

// A class-3 unit whose answers the test may change on their way out.
class AlteredKX3117 : public SimKX3117Unit {
public:
    // Changes the answer payload (command | 0x80 first) to a request payload.
    std::function<void(const ByteString& request, ByteString& answer)> alter;

protected:
    std::optional<ByteString> answerPayload(const ByteString& request) override {
        std::optional<ByteString> a = SimKX3117Unit::answerPayload(request);
        if (a && alter) alter(request, *a);
        return a;
    }
};

bool isRequest(const ByteString& request, const char* hexPrefix) {
    return request.rfind(H(hexPrefix), 0) == 0;
}

// An abort or a pulled cable while each class reads and while it writes. A read that did not
// end leaves the buffer as it was; a write that did not end has written the cells before the
// fault and none after it; neither ends as a transfer that was done.
TEST_F(EolTransfer, AbortOrPulledCableMidTransferIsNoSuccessPerClass) {
    enum Fault { Abort, Pull };
    for (const UnitUnderTest& t : units()) {
        for (const bool write : {false, true}) {
            for (const Fault fault : {Abort, Pull}) {
                SCOPED_TRACE(std::string(t.name) + (write ? " writing" : " reading") +
                             (fault == Abort ? ", aborted" : ", cable pulled"));
                EolRig rig;
                auto unit = t.make();
                rig.startUp(*unit, t.row);
                const std::vector<uint8_t> before = t.cells(*unit);
                // A write sends every other cell, inverted, each in a request of its own; a
                // read must leave what the buffer held.
                if (write) {
                    for (int32_t a = 0; a < t.cellsRead; a += 2)
                        rig.eol.Buffer.AddItem(a, static_cast<uint8_t>(~before[a]));
                } else {
                    rig.eol.Buffer.AddItem(7, 0x42);
                }
                const TEolParamSet buffer = rig.eol.Buffer;
                // The fault comes a third of the way, while a request is out; a unit that
                // answers the whole read at once gets it while that one request is out.
                const int32_t faultAt = write                           ? buffer.Count / 3
                                        : t.cellsPerRead >= t.cellsRead ? 0
                                                                        : t.cellsRead / 3;
                bool faulted = false;
                rig.view.during = [&](int64_t) {
                    if (faulted || !rig.eol.Req.Active || rig.eol.CurIndex < faultAt) return false;
                    faulted = true;
                    if (fault == Pull) {
                        rig.h.sim.unplug(rig.adapter);
                        return false;
                    }
                    rig.progress.Abort();
                    return true;
                };
                if (write)
                    rig.eol.WriteParamSet(5);  // ZWIS -> SG
                else
                    rig.eol.ReadParamSet(2);  // SG -> ZWIS
                rig.view.during = nullptr;
                ASSERT_TRUE(faulted);

                EXPECT_EQ(rig.progress.ModalResult(),
                          fault == Abort ? TransferProgress::UserAbort : TransferProgress::Failed);
                EXPECT_LT(rig.view.lastPosition, write ? buffer.Count : t.cellsRead);
                if (fault == Abort) {
                    EXPECT_TRUE(rig.h.ui.boxes.empty());
                } else {
                    ASSERT_EQ(rig.h.ui.boxes.size(), 1u);
                    EXPECT_EQ(rig.h.ui.boxes[0].text,
                              write ? "    Parametersatz konnte nicht gesendet werden!    "
                                    : "    Parametersatz konnte nicht empfangen werden!    ");
                }
                EXPECT_EQ(rig.h.boxesInReplyPath, 0);
                EXPECT_EQ(rig.bufferUpdates, 0);
                ASSERT_EQ(rig.eol.Buffer.Count, buffer.Count);
                for (int32_t i = 1; i <= buffer.Count; ++i) {
                    EXPECT_EQ(rig.eol.Buffer.item(i).Address, buffer.item(i).Address);
                    EXPECT_EQ(rig.eol.Buffer.item(i).Value, buffer.item(i).Value);
                }

                if (fault == Abort)
                    rig.expectIdleAndSessionRunning();  // the block mode was left, too
                else
                    ASSERT_TRUE(rig.runUntil([&] { return !rig.eol.TransferRunning(); }, 60000));

                const std::vector<uint8_t> after = t.cells(*unit);
                int32_t written = 0;
                while (write && written < buffer.Count &&
                       after[static_cast<size_t>(buffer.item(written + 1).Address)] ==
                           buffer.item(written + 1).Value)
                    ++written;
                std::vector<uint8_t> expected = before;
                for (int32_t i = 1; i <= written; ++i)
                    expected[static_cast<size_t>(buffer.item(i).Address)] = buffer.item(i).Value;
                EXPECT_EQ(after, expected) << "only the cells up to the fault are written";
                if (write && fault == Abort) {
                    EXPECT_EQ(written, faultAt) << "the exchange under way ends, then no other";
                } else if (write) {
                    EXPECT_GE(written, faultAt - 1);  // the cell in flight may have arrived
                    EXPECT_LE(written, faultAt);
                }
            }
        }
    }
}

// Answers the unit should not give. A read that does not end by itself, an echo of more cells
// than were sent and a unit without a memory size end as failures; a reply that claims more
// cells than it holds gives only those it holds, and an echo with the wrong start sends the
// same run again.
TEST_F(EolTransfer, FaultyUnitAnswersPerCase) {
    // The write: two runs of class 3's block write, 0x20..0x23 and 0x40..0x41.
    const std::pair<int32_t, uint8_t> cells[] = {{0x20, 0x11}, {0x21, 0x12}, {0x22, 0x13},
                                                 {0x23, 0x14}, {0x40, 0x21}, {0x41, 0x22}};
    auto k3117 = [](ISimControlUnit& u) -> AlteredKX3117& {
        return static_cast<AlteredKX3117&>(u);
    };
    auto cellsWritten = [&](ISimControlUnit& u, size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            if (k3117(u).memory().eol()[static_cast<size_t>(cells[i].first)] != cells[i].second)
                return false;
        return true;
    };
    auto runsSent = [](ISimControlUnit& u, const char* hexPrefix) {
        const auto& r = static_cast<SimWBusUnit&>(u).received();
        return std::count_if(r.begin(), r.end(),
                             [&](const ByteString& q) { return isRequest(q, hexPrefix); });
    };
    struct Case {
        const char* name;
        int row;
        std::function<std::unique_ptr<ISimControlUnit>()> make;
        bool write;       // ZWIS -> SG of the cells above, else SG -> ZWIS
        const char* box;  // the one box shown; nullptr: none
        std::function<void(EolRig&, ISimControlUnit&)> check;
    };
    const Case cases[] = {
        {"class 4 answering every read whole", 3,
         [] {
             auto u = std::make_unique<SimKX3141Unit>();
             u->setEolSize(TEolParamSet::AddressLimit);
             return u;
         },
         false, "    Parametersatz konnte nicht empfangen werden!    ",
         [](EolRig&, ISimControlUnit& u) {
             // The last read is the one of 0xFFF8..0xFFFF; none wraps round to 0.
             const auto& r = static_cast<SimKX3141Unit&>(u).received();
             const auto last = std::find_if(r.rbegin(), r.rend(), [](const ByteString& q) {
                 return static_cast<uint8_t>(q[0]) == 151;
             });
             ASSERT_NE(last, r.rend());
             EXPECT_EQ(*last, H("97 F8 FF 08"));
         }},
        {"class 3 echoing one cell more than sent", 2,
         [] {
             auto u = std::make_unique<AlteredKX3117>();
             u->alter = [](const ByteString& q, ByteString& a) {
                 if (isRequest(q, "48 04") && a.size() > 4) ++a[4];
             };
             return u;
         },
         true, "    Parametersatz konnte nicht gesendet werden!    ",
         [&](EolRig&, ISimControlUnit& u) {
             EXPECT_TRUE(cellsWritten(u, 0, 4));
             EXPECT_EQ(runsSent(u, "48 04 00 40"), 0) << "the run after the bad echo";
             EXPECT_EQ(runsSent(u, "48 02"), 1) << "the exit steps ran";
             EXPECT_FALSE(k3117(u).memory().sessionOpen());
         }},
        {"class 3 read reply claiming 32 cells and holding 16", 2,
         [] {
             auto u = std::make_unique<AlteredKX3117>();
             u->alter = [](const ByteString& q, ByteString& a) {
                 if (isRequest(q, "48 03") && a.size() > 4) a[4] = 0x1F;
             };
             return u;
         },
         false, nullptr,
         [&](EolRig& rig, ISimControlUnit& u) {
             const auto& m = k3117(u).memory().eol();
             ASSERT_EQ(rig.eol.Buffer.Count, rig.eol.Rules.ReadLast + 1);
             for (int32_t i = 1; i <= rig.eol.Buffer.Count; ++i) {
                 ASSERT_EQ(rig.eol.Buffer.item(i).Address, i - 1);
                 ASSERT_EQ(rig.eol.Buffer.item(i).Value, m[static_cast<size_t>(i - 1)]);
             }
         }},
        {"class 3 echoing the wrong start once", 2,
         [] {
             auto u = std::make_unique<AlteredKX3117>();
             u->alter = [once = true](const ByteString& q, ByteString& a) mutable {
                 if (once && isRequest(q, "48 04 00 40") && a.size() > 4) {
                     once = false;
                     a[3] = 0x41;
                 }
             };
             return u;
         },
         true, nullptr,
         [&](EolRig&, ISimControlUnit& u) {
             EXPECT_TRUE(cellsWritten(u, 0, 6));
             EXPECT_EQ(runsSent(u, "48 04 00 20"), 1);
             EXPECT_EQ(runsSent(u, "48 04 00 40"), 2) << "the run is sent again";
         }},
        {"class 5 that gave no memory size", 4,
         [] { return std::make_unique<KX3166WithoutAreaSizes>(); }, false,
         "    Parametersatz konnte nicht empfangen werden!    ",
         [](EolRig&, ISimControlUnit& u) {
             // The session reads its own cell at 0x40; the set's read would start at 0.
             const auto& r = static_cast<SimKX3166Unit&>(u).received();
             EXPECT_EQ(
                 std::count_if(r.begin(), r.end(),
                               [](const ByteString& q) { return isRequest(q, "98 01 00 00"); }),
                 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EolRig rig;
        auto unit = c.make();
        rig.startUp(*unit, c.row);
        rig.view.limitMs = 1000000;  // the class-4 read goes through the whole address range
        if (c.write)
            for (const auto& [address, value] : cells) rig.eol.Buffer.AddItem(address, value);
        const int32_t bufferCount = rig.eol.Buffer.Count;
        if (c.write)
            rig.eol.WriteParamSet(5);
        else
            rig.eol.ReadParamSet(2);
        if (c.box) {
            ASSERT_EQ(rig.h.ui.boxes.size(), 1u);
            EXPECT_EQ(rig.h.ui.boxes[0].text, c.box);
            EXPECT_EQ(rig.eol.Buffer.Count, bufferCount) << "the buffer as it was";
        } else {
            EXPECT_TRUE(rig.h.ui.boxes.empty());
            EXPECT_EQ(rig.progress.ModalResult(), TransferProgress::Completed);
        }
        c.check(rig, *unit);
        rig.expectIdleAndSessionRunning();
    }
}

}  // namespace
