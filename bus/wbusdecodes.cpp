// Answers of dialect S into the data-point table. D is the payload without its command byte;
// D[0] is the page or sub for the commands that have one.
#include <optional>

#include "busrows.h"
#include "rounding.h"
#include "wbusdialects.h"
#include "wbusrowgroups.h"

namespace {

using Cell = BusRows::Cell;
using namespace WBusRowGroups;

// The decimal number of four BCD bytes, then a printable character.
ByteString identText(const BusRows& r, size_t at) {
    return BUS_Decimal(TOOL_BcdToInt(r.bytes(at, 4))) + suffixCharacter(r, at + 4);
}

// "weekday hex/hex hex.hex" of a software version: the weekday is a BCD byte.
ByteString versionText(const BusRows& r, size_t at) {
    const int32_t day = TOOL_BcdToInt(r.bytes(at, 1));
    const uint8_t weekday = day >= 1 && day <= 7 ? static_cast<uint8_t>(day) : 0;
    return WBusDialectS::WBUS_WeekdayText(weekday) + " " + BUS_Hex2(r.u8(at + 1)) + "/" +
           BUS_Hex2(r.u8(at + 2)) + " " + BUS_Hex2(r.u8(at + 3)) + "." + BUS_Hex2(r.u8(at + 4));
}

// A temperature sent as a byte (°C + 50).
Cell byteTemperature(const BusRows& r, size_t at) {
    const long double t = r.temp(r.u8(at) - 50.0L);
    return Cell{TOOL_FormatFloat(t, 1), t};
}

// A temperature sent as a word (tenths of °C + 500).
long double wordTemperature(const BusRows& r, size_t at) {
    return r.temp(r.be16(at) / 10.0L - 50.0L);
}

Cell wordTemperatureCell(const BusRows& r, size_t at) {
    const long double t = wordTemperature(r, at);
    return Cell{TOOL_FormatFloat(t, 1), t};
}

Cell decimalByte(const BusRows& r, size_t at) {
    return Cell{BUS_Decimal(r.u8(at)), static_cast<long double>(r.u8(at))};
}

}  // namespace

bool WBusDialectS::answersErrorEntry(const ByteString& d) const {
    // The entry the request asked for (its third byte) is the one the answer is stored under.
    const int32_t index = m_layer.WBUS_GetErrorIndex();
    const std::optional<uint8_t> asked = m_layer.sentByte(2);
    if (asked && *asked != index) return false;
    // The entry's code must be the one the error list gave for it.
    const DataPointTable* points = m_layer.environment().dataPoints;
    if (!points || d.size() < 2) return true;
    const TResult listed = points->DP_GetValue("ERRCODE" + BUS_Decimal(index));
    return listed.Invalid || listed.Value == 0 || listed.Value == static_cast<uint8_t>(d[1]);
}

void WBusDialectS::WBUS_ReadAndDecodeS(const ByteString& reply, uint8_t minimumLength,
                                       uint8_t command, uint8_t expectedSub, TResult& result) {
    m_layer.receiveForDecoder(reply, minimumLength, command, expectedSub, result);
    if (result.Invalid) return;
    const ByteString d = result.Text;
    BusRows r(m_layer.environment(), d);
    switch (command) {
        case 0x38:
            if (r.inside(0, 9))
                m_layer.WBUS_StoreArea(m_layer.areaIndex(), r.u8(0), r.be16(1), r.be16(3),
                                       r.be16(5), r.be16(7));
            break;
        case 0x42:
            if (expectedSub == 1) resultNumber(r, 2, result);
            break;
        case 0x48:
            decodeMemoryService(expectedSub, r, result);
            break;
        case 0x50:
            decodePage(expectedSub, r);
            break;
        case 0x51:
            decodeIdentification(expectedSub, r, result);
            break;
        case 0x53:
            if (expectedSub == 2) limits(r);
            break;
        case 0x56:
            if (expectedSub == 1) {
                errorList(r, m_layer);
            } else if (expectedSub == 2) {
                if (!answersErrorEntry(d)) {
                    m_layer.rejectForeignAnswer(result);
                    return;
                }
                decodeErrorEntry(r);
            }
            break;
        default:
            break;
    }
}

void WBusDialectS::decodeMemoryService(uint8_t sub, const BusRows& r, TResult& result) {
    switch (sub) {
        case 2:
        case 17:
        case 20:
            resultNumber(r, 1, result);
            break;
        case 18:
        case 19:
            resultNumber(r, 4, result);
            break;
        default:
            break;
    }
}

void WBusDialectS::decodePage(uint8_t page, BusRows& r) {
    switch (page) {
        case 2:
            r.bitField("OVRLHS", 1, 0);
            r.bitField("OVRLKL61", 3, 4);
            r.bitField("OVRLUPFA", 2, 4);
            r.bitField("OVRLSPAR1", 3, 0);
            r.bitField("OVRLSPAR2", 4, 4);
            r.bitField("OVRLKL15", 5, 0);
            break;
        case 3: {
            static const char* const keys[] = {"OVRLBG",  "OVRLZFG", "OVRLMV",   "OVRLUP",
                                               "OVRLFZG", "OVRLDST", "OVRLFLAZ", "OVRLBA"};
            for (uint8_t bit = 0; bit < 8; ++bit) r.bitField(keys[bit], 1, bit);
            break;
        }
        case 4:
            fuelType(r);
            break;
        case 5:
            r.row("OVRUB", 2, 2, [&] {
                const long double v = r.be16(2) / 1000.0L;
                return Cell{TOOL_FormatFloat(v, 2), v};
            });
            r.bitField("OVRLFL", 4, 0);
            r.row("OVRQP", 5, 2, [&] {
                return Cell{BUS_Decimal(r.be16(5)), static_cast<long double>(r.be16(5))};
            });
            r.row("OVRUFL", 7, 2, [&] {
                const long double v = r.be16(7) / 1000.0L;
                return Cell{TOOL_FormatFloat(v, 2), v};
            });
            break;
        case 6:
            operatingTimes(r);
            break;
        case 7: {
            r.row("OVRZUSTAND", 1, 2, [&] {
                const int32_t s = static_cast<int32_t>(r.be16(1));
                r.setOperatingState(s);
                return Cell{WBUS_StateTextS(3, s), static_cast<long double>(s)};
            });
            static const char* const keys[] = {"OVRSTFL",  "OVRÜHFL", "OVRNL2FL", "OVRHAMA1",
                                               "OVRHAMA2", "OVRMAF",  "OVRBSFL"};
            for (uint8_t bit = 0; bit < 7; ++bit) r.bitField(keys[bit], 3, bit);
            r.row("BETSTZ", 4, 1, [&] { return decimalByte(r, 4); });
            r.row("OVRFLZUSTAND", 5, 1, [&] {
                return Cell{WBUS_FlameStateText(3, r.u8(5)), static_cast<long double>(r.u8(5))};
            });
            r.row("BETFAZ", 6, 1, [&] { return decimalByte(r, 6); });
            break;
        }
        case 11:
            r.row("BETTSGEIN", 1, 3, [&] { return Cell{hoursMinutes(r.be16(1), r.u8(3)), 0}; });
            r.row("BETTUP", 4, 3, [&] { return Cell{hoursMinutes(r.be16(4), r.u8(6)), 0}; });
            break;
        case 15:
            r.row("OVRBGPWM", 1, 1, [&] {
                const long double x = r.u8(1) / 2.0L;
                return Cell{rounded(x), x};
            });
            r.row("OVRBGRPM", 3, 2, [&] {
                return Cell{BUS_Decimal(r.be16(3)), static_cast<long double>(r.be16(3))};
            });
            r.row("OVRUP", 5, 1, [&] {
                const int pump = r.u8(5) == 255 ? 100 : 0;
                return Cell{BUS_Decimal(pump), static_cast<long double>(pump)};
            });
            break;
        case 17:
            r.row("OVRTEMPOBE", 1, 1, [&] { return byteTemperature(r, 1); });
            r.row("OVRTEMPUNT", 2, 1, [&] { return byteTemperature(r, 2); });
            break;
        case 20:
            r.row("BETSBGRPM", 3, 2, [&] {
                return Cell{BUS_Decimal(r.be16(3)), static_cast<long double>(r.be16(3))};
            });
            r.row("BETSTEMPDST", 5, 1, [&] { return byteTemperature(r, 5); });
            r.row("BETSTEMPUEH", 7, 1, [&] { return byteTemperature(r, 7); });
            break;
        case 22:
            r.row("OVRTEMP", 1, 2, [&] { return wordTemperatureCell(r, 1); });
            r.row("BETTEMPUEH", 3, 2, [&] { return wordTemperatureCell(r, 3); });
            // The nozzle pre-heating sensor reads 250 and more (in the display unit) when it
            // is not fitted: no value then.
            r.row("BETTEMPDST", 5, 2, [&] {
                const long double t = wordTemperature(r, 5);
                return t >= 250 ? Cell{ByteString(), -100} : Cell{TOOL_FormatFloat(t, 1), t};
            });
            r.row("BETTEMPLPT", 7, 2, [&] { return wordTemperatureCell(r, 7); });
            break;
        default:
            break;
    }
}

void WBusDialectS::decodeIdentification(uint8_t sub, BusRows& r, TResult& result) {
    switch (sub) {
        case 1:
            r.row("CFGSGID", 1, 5, [&] { return Cell{identText(r, 1), 0}; });
            break;
        case 2:
            hardwareVersion(r);
            r.row("CFGSWVER", 3, 5, [&] { return Cell{versionText(r, 3), 0}; });
            r.row("CFGSWVEREE", 8, 5, [&] { return Cell{versionText(r, 8), 0}; });
            break;
        case 3:
            r.row("CFGDSID", 1, 5, [&] { return Cell{identText(r, 1), 0}; });
            break;
        case 4:
            date(r, "CFGDATESG");
            break;
        case 5:
            date(r, "CFGDATEHG");
            break;
        case 7:
            customerId(r);
            break;
        case 8:
            r.row("CFGHSKEN", 1, 1, [&] { return Cell{BUS_Hex2(r.u8(1)), 0}; });
            break;
        case 9:
            serialNumber(r, true);
            break;
        case 10:
            busVersion(r, "W-BUS S V%1X.%1X");
            break;
        case 11:
            result.Text = name(r);  // the caller compares the name
            break;
        case 13:
            r.row("CFGSWID", 1, 5, [&] { return Cell{identText(r, 1), 0}; });
            break;
        default:
            break;
    }
}

void WBusDialectS::decodeErrorEntry(BusRows& r) {
    const ByteString n = BUS_Decimal(m_layer.WBUS_GetErrorIndex());
    r.row("ERRBEZ" + n, 1, 1, [&] {
        return Cell{WBUS_ErrorCodeTextS(3, r.u8(1)), static_cast<long double>(r.u8(1))};
    });
    errorEntryCommon(r, n);
    r.row("ERRZUSTAND" + n, 4, 2, [&] {
        const int32_t w = static_cast<int32_t>(r.be16(4));
        return Cell{WBUS_StateTextS(3, w), static_cast<long double>(w)};
    });
    // The hours of the two times are little-endian in this dialect.
    r.row("ERRTBR" + n, 9, 3, [&] { return Cell{hoursMinutes(r.le16(9), r.u8(11)), 0}; });
    r.row("ERRTBRNS" + n, 12, 3, [&] { return Cell{hoursMinutes(r.le16(12), r.u8(14)), 0}; });
    nextErrorEntry(m_layer);
}
