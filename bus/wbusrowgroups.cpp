#include "wbusrowgroups.h"

#include <limits>

#include "rounding.h"
#include "translate.h"

namespace WBusRowGroups {

using Cell = BusRows::Cell;

ByteString hoursMinutes(uint32_t hours, uint8_t minutes) {
    return BUS_Format("%u:%.2u", hours, static_cast<unsigned>(minutes));
}

ByteString rounded(long double x) {
    return BUS_Decimal(TOOL_Round64(x));
}

ByteString suffixCharacter(const BusRows& r, size_t at) {
    return BUS_Latin1ToUtf8(TOOL_StripControl(r.bytes(at, 1)));
}

ByteString errorCode(uint8_t code) {
    return code == 0 ? ByteString() : BUS_Hex2(code);
}

ByteString errorState(uint8_t state) {
    switch (state) {
        case 0:
            return TR("WBusV", "Nicht aktuell und nicht gespeichert");
        case 1:
            return TR("WBusV", "Nicht aktuell und gespeichert");
        case 2:
            return TR("WBusV", "aktuell");
        case 3:
            return TR("WBusV", "aktuell und gespeichert");
        default:
            return BUS_Decimal(state);
    }
}

ByteString stateText(const char* context, const char* name, int32_t stateWord) {
    if (!name) return BUS_Format("%.4Xh", static_cast<unsigned>(stateWord));
    ByteString text = TOOL_Translate(context, name);
    const int low = stateWord & 0xFF;
    if (low != 0) text += " " + BUS_Decimal(low);
    return text;
}

void fuelType(BusRows& r) {
    r.row("CFGKraft", 1, 1, [&] {
        switch (r.u8(1)) {
            case 11:
                return Cell{TR("WBusV", "Benzin"), 0};
            case 13:
                return Cell{TR("WBusV", "Diesel"), 0};
            default:
                return Cell{TR("WBusV", "neutral"), 0};
        }
    });
}

void operatingTimes(BusRows& r) {
    r.row("BETTBR", 1, 3, [&] { return Cell{hoursMinutes(r.be16(1), r.u8(3)), 0}; });
    r.row("BETTEIN", 4, 3, [&] { return Cell{hoursMinutes(r.be16(4), r.u8(6)), 0}; });
    r.row("BETSTACNT", 7, 2, [&] { return Cell{BUS_Decimal(r.be16(7)), 0}; });
}

void hardwareVersion(BusRows& r) {
    r.row("CFGHWVER", 1, 2, [&] { return Cell{BUS_Hex2(r.u8(1)) + "/" + BUS_Hex2(r.u8(2)), 0}; });
}

void date(BusRows& r, const char* key) {
    r.row(key, 1, 3, [&] {
        return Cell{BUS_Hex2(r.u8(1)) + "." + BUS_Hex2(r.u8(2)) + "." + BUS_Hex2(r.u8(3)), 0};
    });
}

void customerId(BusRows& r) {
    r.row("CFGKUID", 1, 1, [&] { return Cell{TOOL_BytesToHex(r.bytes(1, 20)), 0}; });
}

void serialNumber(BusRows& r, bool serialNumber) {
    // Serial number between the sub and the last two bytes, which are the test mark.
    const size_t n = r.size();
    if (n < 3) {
        r.clear("CFGSNR");
        r.clear("CFGPKENN");
        return;
    }
    const long double number = serialNumber && r.inside(1, 4) ? r.be32(1) : 0;
    r.set("CFGSNR", TOOL_BytesToHex(r.bytes(1, n - 3)), number);
    r.set("CFGPKENN", TOOL_BytesToHex(r.bytes(n - 2, 2)), 0);
}

void busVersion(BusRows& r, const char* format) {
    r.row("CFGWBUS", 1, 1, [&] {
        const uint8_t v = r.u8(1);
        return Cell{BUS_Format(format, v >> 4, v & 0x0F), static_cast<long double>(v)};
    });
}

ByteString name(BusRows& r) {
    const ByteString text = BUS_Latin1ToUtf8(TOOL_StripBlanks(r.bytes(1, 8)));
    r.row("CFGNAME", 1, 1, [&] { return Cell{text, 0}; });
    return text;
}

void limits(BusRows& r) {
    r.row("CFGUMIN", 1, 2, [&] {
        const long double v = r.be16(1) / 1000.0L;
        return Cell{TOOL_FormatFloat(v, 1), v};
    });
    r.row("CFGTUMIN", 7, 1, [&] { return Cell{BUS_Decimal(r.u8(7)), r.u8(7) * 1.0L}; });
    r.row("CFGUMAX", 8, 2, [&] {
        const long double v = r.be16(8) / 1000.0L;
        return Cell{TOOL_FormatFloat(v, 1), v};
    });
    r.row("CFGTUMAX", 14, 1, [&] { return Cell{BUS_Decimal(r.u8(14)), r.u8(14) * 1.0L}; });
}

void resultNumber(const BusRows& r, size_t bytes, TResult& result) {
    if (r.inside(1, bytes)) {
        result.Value = bytes == 4 ? r.be32(1) : bytes == 2 ? r.be16(1) : r.u8(1);
    } else {
        result.Invalid = 1;
        result.Value = BusCode::TooShort;
    }
}

void errorList(BusRows& r, WBusLayer& layer) {
    r.row("OVRERRCNT", 1, 1, [&] { return Cell{BUS_Decimal(r.u8(1)), r.u8(1) * 1.0L}; });
    for (size_t n = 1; n <= 11; ++n) {
        const ByteString key = "ERRCODE" + BUS_Decimal(static_cast<int64_t>(n));
        if (!r.inside(1, 1)) {
            r.clear(key);
        } else if (n > r.u8(1)) {
            r.set(key, ByteString(), 0);  // the count says there is no such entry
        } else {
            r.row(key, 2 * n, 1, [&] {
                const uint8_t code = r.u8(2 * n);
                return Cell{errorCode(code), static_cast<long double>(code)};
            });
        }
    }
    layer.setErrorIndex(1);
}

void errorEntryCommon(BusRows& r, const ByteString& n) {
    r.row("ERRCODE" + n, 1, 1, [&] {
        return Cell{errorCode(r.u8(1)), static_cast<long double>(r.u8(1))};
    });
    r.row("ERRSTATE" + n, 2, 1, [&] { return Cell{errorState(r.u8(2)), 0}; });
    r.row("ERRCOUNT" + n, 3, 1, [&] {
        return Cell{BUS_Decimal(r.u8(3)), static_cast<long double>(r.u8(3))};
    });
    r.row("ERRTEMP" + n, 6, 1, [&] {
        const long double t = r.temp(r.u8(6) - 50.0L);
        return Cell{rounded(t), t};
    });
    r.row("ERRUB" + n, 7, 2, [&] {
        const long double v = r.be16(7) / 1000.0L;
        return Cell{TOOL_FormatFloat(v, 1), v};
    });
}

void nextErrorEntry(WBusLayer& layer) {
    const int32_t i = layer.WBUS_GetErrorIndex();
    layer.setErrorIndex(i < std::numeric_limits<int32_t>::max() ? i + 1 : i);
}

}  // namespace WBusRowGroups
