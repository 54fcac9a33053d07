// The single EOL cell against the simulated units: a cell read and written per class, the
// checksum kept for classes 1 and 2, and the three notations of address and value.
#include "eolcell.h"

#include <gtest/gtest.h>

#include "eolunitfaults.h"
#include "fakeui.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "simsession.h"

namespace {

// A class-2 unit that refuses reading one cell.
class RefusingKX3024 : public SimKX3024Unit {
public:
    int refusedAddress = -1;

protected:
    std::optional<ByteString> answerData(const ByteString& r) override {
        if (r.size() >= 3 && static_cast<uint8_t>(r[0]) == 0x22 && r[1] == 0x21 &&
            static_cast<uint8_t>(r[2]) == refusedAddress)
            return refusal(0x22, RequestOutOfRange);
        return SimKX3024Unit::answerData(r);
    }
};

class CellRig : public SimSession {
public:
    CellRig() : cell(h.engine, session.buses(), controls()) {
        h.engine.clients().setClient(ClientSlot::EolCell, &cell);
        h.engine.clients().setClient(ClientSlot::Session, &session);
    }
    EolCellControls controls() {
        EolCellControls c{&e1, &e3, &e4, &e5, &e6, &e7, &e8, &e9, &e10, {}};
        c.enableButtons = [this](bool on) { buttons = on; };
        return c;
    }
    void startUp(ISimControlUnit& unit, int row) {
        const size_t a = addAdapter();
        h.sim.attachUnit(a, &unit);
        showAndBegin(row);
        ASSERT_TRUE(runUntil([&] { return h.engine.SessionUp; }, 15000));
        h.advance(500);
        h.ui.boxes.clear();
        cell.SetLinkState(true);
        cell.SetDeviceClass(h.engine.DeviceClass);
    }
    // Types into a field, leaves it, and waits for the sequence of the button to end.
    void typeAddress(const char* hex) {
        e1.value = hex;
        cell.Edit1Exit();
    }
    void read(const char* addressHex) {
        typeAddress(addressHex);
        cell.Button2Click();
        settle();
    }
    void write(const char* addressHex, const char* valueHex) {
        typeAddress(addressHex);
        e8.value = valueHex;
        cell.Edit8Exit();
        cell.Button3Click();
        settle();
    }
    void settle() {
        ASSERT_TRUE(runUntil([&] { return !cell.Running(); }, 10000));
        EXPECT_TRUE(buttons);
    }
    int sentCount(const char* txPrefix) const {
        int n = 0;
        for (const auto& l : h.log.lines) n += l.text.rfind(ByteString("TX: ") + txPrefix, 0) == 0;
        return n;
    }

    FakeEdit e1, e3, e4, e5, e6, e7, e8, e9, e10;
    bool buttons = false;
    EolCellService cell;
};

class EolCell : public ::testing::Test, protected CellRig {};

TEST(EolCellUnits, ReadAndPlainWritePerClass) {
    struct Case {
        const char* name;
        int row;
        std::function<std::unique_ptr<ISimControlUnit>()> make;
        std::function<uint8_t(ISimControlUnit&, uint32_t)> cellOf;
        const char* address;  // outside every checksummed area
    };
    const Case cases[] = {
        {"KX3090", 0, [] { return std::make_unique<SimKX3090Unit>(); },
         [](ISimControlUnit& u, uint32_t a) {
             return static_cast<SimKX3090Unit&>(u).eol().memory()[a];
         },
         "05"},
        {"KX3024", 1, [] { return std::make_unique<SimKX3024Unit>(); },
         [](ISimControlUnit& u, uint32_t a) { return static_cast<SimKX3024Unit&>(u).eol()[a]; },
         "40"},
        {"KX3117", 2, [] { return std::make_unique<SimKX3117Unit>(); },
         [](ISimControlUnit& u, uint32_t a) {
             return static_cast<SimKX3117Unit&>(u).memory().eol()[a];
         },
         "0012"},
        {"KX3141", 3, [] { return std::make_unique<SimKX3141Unit>(); },
         [](ISimControlUnit& u, uint32_t a) {
             return static_cast<uint8_t>(static_cast<SimKX3141Unit&>(u).eolMemory()[a]);
         },
         "0040"},
        {"KX3166", 4, [] { return std::make_unique<SimKX3166Unit>(); },
         [](ISimControlUnit& u, uint32_t a) { return static_cast<SimKX3166Unit&>(u).area1()[a]; },
         "0012"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellRig rig;
        auto unit = c.make();
        rig.startUp(*unit, c.row);
        const uint32_t a = static_cast<uint32_t>(TOOL_HexToInt(c.address));
        rig.read(c.address);
        const uint8_t v = c.cellOf(*unit, a);
        EXPECT_EQ(rig.e5.value, BUS_Hex2(v));
        EXPECT_EQ(rig.e6.value, BUS_Decimal(v));
        EXPECT_EQ(rig.e7.value, TOOL_IntToBinText(v, 8));
        const uint8_t nv = static_cast<uint8_t>(v + 0x11);
        rig.write(c.address, BUS_Hex2(nv).c_str());
        EXPECT_EQ(c.cellOf(*unit, a), nv);
        EXPECT_EQ(rig.e5.value, BUS_Hex2(nv));
        EXPECT_EQ(rig.e8.value, "") << "the new value is taken";
        EXPECT_TRUE(rig.h.ui.boxes.empty());
    }
}

TEST_F(EolCell, ClassTwoKeepsItsSixteenBitChecksum) {
    RefusingKX3024 unit;
    startUp(unit, 1);
    struct Case {
        uint8_t old, now;
        uint16_t stored, expected;
        bool highWritten;
    };
    // 0x05 -> 0x10 over 0x01FE: 0x0209, both bytes; 0x05 -> 0x06: 0x01FF, the high byte stays.
    const Case cases[] = {{0x05, 0x10, 0x01FE, 0x0209, true}, {0x05, 0x06, 0x01FE, 0x01FF, false}};
    for (const Case& c : cases) {
        unit.setEolCell(0x10, c.old);
        unit.setEolCell(43, c.stored & 0xFF);
        unit.setEolCell(44, c.stored >> 8);
        const int highBefore = sentCount("87 9D F1 2E 21 2C");
        write("10", BUS_Hex2(c.now).c_str());
        EXPECT_EQ(unit.eol()[0x10], c.now);
        EXPECT_EQ(unit.eol()[43] | (unit.eol()[44] << 8), c.expected);
        EXPECT_EQ(sentCount("87 9D F1 2E 21 2C") - highBefore, c.highWritten ? 1 : 0);
    }
    // The same value again: read, shown, nothing written.
    const int writes = sentCount("87 9D F1 2E");
    write("10", "06");
    EXPECT_EQ(sentCount("87 9D F1 2E"), writes);
    EXPECT_EQ(e5.value, "06");
    // A cell at or above the checksum is a plain write.
    write("2B", "77");
    EXPECT_EQ(unit.eol()[43], 0x77);
    EXPECT_EQ(unit.eol()[44], 0x01);

    // A refused read shows nothing and writes nothing.
    unit.refusedAddress = 0x30;
    const int before = sentCount("87 9D F1 2E");
    e8.value = "55";
    cell.Edit8Exit();
    read("30");
    EXPECT_EQ(e5.value, "");
    EXPECT_EQ(sentCount("87 9D F1 2E"), before);
    EXPECT_TRUE(h.ui.boxes.empty());
}

TEST_F(EolCell, ClassOneKeepsItsChecksumInsideTheUnitsArea) {
    SimKX3090Unit unit;
    startUp(unit, 0);
    SimEolMemory& m = unit.eol().memory();
    ASSERT_EQ(cell.ChecksumCell, 0x80);
    write("20", "99");
    EXPECT_EQ(m[0x20], 0x99);
    EXPECT_TRUE(m.checksumsRight());
    const uint8_t sumBefore = m[0x80];
    write("05", "12");  // outside the area 0x10..0x7F: plain
    EXPECT_EQ(m[0x05], 0x12);
    EXPECT_EQ(m[0x80], sumBefore);
    write("80", "00");  // the checksum cell itself: plain
    EXPECT_EQ(m[0x80], 0x00);
}

// The requests of a read and a write of one cell where the unit told its areas, where a
// class-1 unit told none and where a class-5 unit gave no memory size.
TEST(EolCellUnits, WhatAReadAndAWriteSendFollowsTheUnitsAreas) {
    struct Case {
        const char* name;
        int row;
        std::function<std::unique_ptr<ISimControlUnit>()> make;
        const char* address;
        // The unit's requests to its EOL memory, and those expected for writing 0x99.
        std::function<std::vector<ByteString>(ISimControlUnit&)> sent, expected;
    };
    auto wbusCells = [](ISimControlUnit& u) {
        std::vector<ByteString> out;
        for (const ByteString& r : static_cast<SimWBusUnit&>(u).received())
            if (static_cast<uint8_t>(r[0]) == 0x32 || static_cast<uint8_t>(r[0]) == 0x33)
                out.push_back(r);
        return out;
    };
    const Case cases[] = {
        {"class 1 inside its area: the checksum is written before the cell", 0,
         [] { return std::make_unique<SimKX3090Unit>(); }, "20", wbusCells,
         [](ISimControlUnit& u) {
             const SimEolMemory& m = static_cast<SimKX3090Unit&>(u).eol().memory();
             const uint8_t sum = static_cast<uint8_t>(m[0x80] - m[0x20] + 0x99);
             return std::vector<ByteString>{H("32 00 20"), H("32 00 20"), H("32 00 80"),
                                            H("33 00 80") + ByteString(1, static_cast<char>(sum)),
                                            H("33 00 20 99")};
         }},
        {"class 1 that told no area: a plain write", 0,
         [] { return std::make_unique<KX3090WithoutAreas>(); }, "20", wbusCells,
         [](ISimControlUnit&) {
             return std::vector<ByteString>{H("32 00 20"), H("33 00 20 99")};
         }},
        {"class 5 that gave no memory size: nothing", 4,
         [] { return std::make_unique<KX3166WithoutAreaSizes>(); }, "12",
         [](ISimControlUnit& u) {
             // The session's own read of the cell at 0x40 is not the window's.
             std::vector<ByteString> out;
             for (const ByteString& r : static_cast<SimSBusUnit&>(u).received())
                 if (static_cast<uint8_t>(r[0]) == 152 && r != H("98 01 40 00 01"))
                     out.push_back(r);
             return out;
         },
         [](ISimControlUnit&) { return std::vector<ByteString>{}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellRig rig;
        auto unit = c.make();
        rig.startUp(*unit, c.row);
        const std::vector<ByteString> expected = c.expected(*unit);
        rig.read(c.address);
        rig.write(c.address, "99");
        EXPECT_EQ(c.sent(*unit), expected);
    }
}

TEST_F(EolCell, AddressNotationsAndLimits) {
    SimKX3117Unit unit;
    startUp(unit, 2);
    EXPECT_EQ(cell.MaxAddress, 0xFFFF);
    typeAddress("1a2");
    EXPECT_EQ(e1.value, "01A2");
    EXPECT_EQ(e3.value, "418");
    EXPECT_EQ(e4.value, "0000000110100010");
    e4.value = "101";
    cell.Edit4Exit();
    EXPECT_EQ(e1.value, "0005");
    e9.value = "300";  // above 255: the range message, then 255
    cell.Edit9Exit();
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(e8.value, "FF");
    EXPECT_EQ(e10.value, "11111111");

    // A class with a smaller range lowers the address and shows it with two digits.
    typeAddress("1FF");
    cell.LinkUp = true;
    cell.DeviceClass = 0;
    h.ui.boxes.clear();
    cell.SetDeviceClass(2);
    EXPECT_EQ(cell.Address, 255);
    EXPECT_EQ(e1.value, "FF");
    EXPECT_EQ(e4.value, "11111111");
    typeAddress("100");
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(e1.value, "FF");
    // The link lost: every field emptied, the buttons off.
    cell.SetLinkState(false);
    EXPECT_FALSE(buttons);
    EXPECT_EQ(e1.value, "");
    EXPECT_FALSE(e1.enabled);
}

}  // namespace
