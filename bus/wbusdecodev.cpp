// Answers of dialect V into the data-point table. D is the payload without its command byte;
// D[0] is the page or sub for the commands that have one.
#include <limits>

#include "busrows.h"
#include "rounding.h"
#include "translate.h"
#include "wbusdialectv.h"

namespace {

using Cell = BusRows::Cell;

ByteString hoursMinutes(uint32_t hours, uint8_t minutes) {
    return BUS_Format("%u:%.2u", hours, static_cast<unsigned>(minutes));
}

ByteString roundedText(long double x) {
    return BUS_Decimal(TOOL_Round64(x));
}

// "hex(a)/hex(b) hex(c).hex(d)" of a software version.
ByteString versionText(const BusRows& r, size_t at) {
    return BUS_Hex2(r.u8(at)) + "/" + BUS_Hex2(r.u8(at + 1)) + " " + BUS_Hex2(r.u8(at + 2)) + "." +
           BUS_Hex2(r.u8(at + 3));
}

ByteString dateText(const BusRows& r) {
    return BUS_Hex2(r.u8(1)) + "." + BUS_Hex2(r.u8(2)) + "." + BUS_Hex2(r.u8(3));
}

// A character sent after an identification number: shown when it is printable.
ByteString suffixCharacter(const BusRows& r, size_t at) {
    return BUS_Latin1ToUtf8(TOOL_StripControl(r.bytes(at, 1)));
}

ByteString codeText(uint8_t code) {
    return code == 0 ? ByteString() : BUS_Hex2(code);
}

ByteString errorStateText(uint8_t state) {
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

ByteString fuelText(uint8_t fuel) {
    switch (fuel) {
        case 11:
            return TR("WBusV", "Benzin");
        case 13:
            return TR("WBusV", "Diesel");
        default:
            return TR("WBusV", "neutral");
    }
}

void tooShort(TResult& result) {
    result.Invalid = 1;
    result.Value = BusCode::TooShort;
}

}  // namespace

void WBusDialectV::WBUS_ReadAndDecodeV(const ByteString& reply, uint8_t minimumLength,
                                       uint8_t command, uint8_t expectedSub, TResult& result) {
    m_layer.receiveForDecoder(reply, minimumLength, command, expectedSub, result);
    if (result.Invalid) return;
    const ByteString d = result.Text;
    BusRows r(m_layer.environment(), d);
    switch (command) {
        case 0x38:
            if (r.inside(0, 7))
                m_layer.WBUS_StoreArea(1, r.u8(0), r.be16(1), r.be16(3), r.be16(5), 0);
            break;
        case 0x42:
            if (expectedSub != 1) break;
            if (r.inside(1, 2))
                result.Value = r.be16(1);
            else
                tooShort(result);
            break;
        case 0x50:
            decodePage(expectedSub, d);
            break;
        case 0x51:
            decodeIdentification(expectedSub, d, result);
            break;
        case 0x53:
            if (expectedSub != 2) break;
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
            break;
        case 0x56:
            if (expectedSub == 1) {
                decodeErrorList(d);
            } else if (expectedSub == 2) {
                // An entry is asked for by its code: the answer must carry that code.
                if (m_layer.rejectUnlessEchoed(result, d, 1, 2)) break;
                decodeErrorEntry(d);
            }
            break;
        case 0x60:
            if (expectedSub != 0xA0) break;
            r.row("OVRUFL", 1, 2, [&] {
                const long double v = r.be16(1) * 5.0L / 1023.0L;
                return Cell{TOOL_FormatFloat(v, 3), v};
            });
            break;
        default:
            break;
    }
}

void WBusDialectV::decodePage(uint8_t page, const ByteString& d) {
    BusRows r(m_layer.environment(), d);
    switch (page) {
        case 2:
            r.bitField("OVRLHS", 1, 0);
            r.bitField("OVRLKL61", 3, 4);
            r.bitField("OVRLUPFA", 2, 4);
            r.bitField("OVRLKL15", 5, 0);
            break;
        case 3: {
            static const char* const keys[] = {"OVRLBG",  "OVRLZFG", "OVRLMV",  "OVRLUP",
                                               "OVRLFZG", "OVRLDST", "OVRLFLAZ"};
            for (uint8_t bit = 0; bit < 7; ++bit) r.bitField(keys[bit], 1, bit);
            break;
        }
        case 4:
            r.row("CFGKraft", 1, 1, [&] { return Cell{fuelText(r.u8(1)), 0}; });
            break;
        case 5:
            r.row("OVRTEMP", 1, 1, [&] {
                const long double t = r.temp(r.u8(1) - 50.0L);
                return Cell{roundedText(t), t};
            });
            r.row("OVRUB", 2, 2, [&] {
                const long double v = r.be16(2) / 1000.0L;
                return Cell{TOOL_FormatFloat(v, 2), v};
            });
            r.bitField("OVRLFL", 4, 0);
            break;
        case 6:
            r.row("BETTBR", 1, 3, [&] { return Cell{hoursMinutes(r.be16(1), r.u8(3)), 0}; });
            r.row("BETTEIN", 4, 3, [&] { return Cell{hoursMinutes(r.be16(4), r.u8(6)), 0}; });
            r.row("BETSTACNT", 7, 2, [&] { return Cell{BUS_Decimal(r.be16(7)), 0}; });
            break;
        case 7: {
            r.row("OVRZUSTAND", 1, 2, [&] {
                const int32_t s = static_cast<int32_t>(r.be16(1));
                r.setOperatingState(s);
                return Cell{WBUS_StateTextV(1, s), static_cast<long double>(s)};
            });
            static const char* const keys[] = {"OVRSTFL", "OVRÜHFL", "OVRSAFL", "OVRRZFL"};
            for (uint8_t bit = 0; bit < 4; ++bit) r.bitField(keys[bit], 3, bit);
            break;
        }
        case 15:
            r.row("OVRBG", 3, 1, [&] {
                const long double x = r.u8(3) / 2.0L;
                return Cell{roundedText(x), x};
            });
            r.row("OVRUP", 5, 1, [&] {
                const long double x = r.u8(5) / 2.0L;
                return Cell{roundedText(x), x};
            });
            break;
        default:
            break;
    }
}

void WBusDialectV::decodeIdentification(uint8_t sub, const ByteString& d, TResult& result) {
    BusRows r(m_layer.environment(), d);
    switch (sub) {
        case 1:
            r.row("CFGSGID", 1, 5, [&] {
                return Cell{TOOL_BytesToHex(r.bytes(1, 4)) + suffixCharacter(r, 5), 0};
            });
            break;
        case 2:
            r.row("CFGHWVER", 1, 2, [&] {
                return Cell{BUS_Hex2(r.u8(1)) + "/" + BUS_Hex2(r.u8(2)), 0};
            });
            r.row("CFGSWVER", 3, 4, [&] { return Cell{versionText(r, 3), 0}; });
            r.row("CFGSWVEREE", 7, 4, [&] { return Cell{versionText(r, 7), 0}; });
            break;
        case 3: {
            // The first byte's high nibble is not part of the number, for the caller too.
            ByteString reduced = d;
            if (reduced.size() > 1) reduced[1] = static_cast<char>(reduced[1] & 0x0F);
            result.Text = reduced;
            BusRows rr(m_layer.environment(), reduced);
            rr.row("CFGDSID", 1, 5, [&] {
                return Cell{BUS_Decimal(TOOL_BcdToInt(rr.bytes(1, 4))) + suffixCharacter(rr, 5), 0};
            });
            break;
        }
        case 4:
            r.row("CFGDATESG", 1, 3, [&] { return Cell{dateText(r), 0}; });
            break;
        case 5:
            r.row("CFGDATEHG", 1, 3, [&] { return Cell{dateText(r), 0}; });
            break;
        case 7:
            r.row("CFGKUID", 1, 1, [&] { return Cell{TOOL_BytesToHex(r.bytes(1, 20)), 0}; });
            break;
        case 9:
            // Serial number between the sub and the last two bytes, which are the test mark.
            if (d.size() < 3) {
                r.clear("CFGSNR");
                r.clear("CFGPKENN");
            } else {
                r.set("CFGSNR", TOOL_BytesToHex(r.bytes(1, d.size() - 3)), 0);
                r.set("CFGPKENN", TOOL_BytesToHex(r.bytes(d.size() - 2, 2)), 0);
            }
            break;
        case 10:
            r.row("CFGWBUS", 1, 1, [&] {
                const uint8_t v = r.u8(1);
                return Cell{BUS_Format("W-BUS V%1X.%1X", v >> 4, v & 0x0F),
                            static_cast<long double>(v)};
            });
            break;
        case 11: {
            const ByteString name = BUS_Latin1ToUtf8(TOOL_StripBlanks(r.bytes(1, 8)));
            r.row("CFGNAME", 1, 1, [&] { return Cell{name, 0}; });
            result.Text = name;  // the caller compares the name
            break;
        }
        default:
            break;
    }
}

void WBusDialectV::decodeErrorList(const ByteString& d) {
    BusRows r(m_layer.environment(), d);
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
                return Cell{codeText(code), static_cast<long double>(code)};
            });
        }
    }
    m_layer.setErrorIndex(1);
}

void WBusDialectV::decodeErrorEntry(const ByteString& d) {
    BusRows r(m_layer.environment(), d);
    const int32_t i = m_layer.WBUS_GetErrorIndex();
    const ByteString n = BUS_Decimal(i);
    r.row("ERRBEZ" + n, 1, 1, [&] {
        return Cell{WBUS_ErrorCodeTextV(1, r.u8(1)), static_cast<long double>(r.u8(1))};
    });
    r.row("ERRCODE" + n, 1, 1, [&] {
        return Cell{codeText(r.u8(1)), static_cast<long double>(r.u8(1))};
    });
    r.row("ERRSTATE" + n, 2, 1, [&] { return Cell{errorStateText(r.u8(2)), 0}; });
    r.row("ERRCOUNT" + n, 3, 1, [&] {
        return Cell{BUS_Decimal(r.u8(3)), static_cast<long double>(r.u8(3))};
    });
    r.row("ERRZUSTAND" + n, 4, 2, [&] {
        const int32_t w = static_cast<int32_t>(r.be16(4));
        return Cell{WBUS_StateTextV(1, w), static_cast<long double>(w)};
    });
    r.row("ERRTEMP" + n, 6, 1, [&] {
        const long double t = r.temp(r.u8(6) - 50.0L);
        return Cell{roundedText(t), t};
    });
    r.row("ERRUB" + n, 7, 2, [&] {
        const long double v = r.be16(7) / 1000.0L;
        return Cell{TOOL_FormatFloat(v, 1), v};
    });
    r.row("ERRTBR" + n, 9, 3, [&] { return Cell{hoursMinutes(r.be16(9), r.u8(11)), 0}; });
    m_layer.setErrorIndex(i < std::numeric_limits<int32_t>::max() ? i + 1 : i);
}
