// K-Line answers into the data-point table. The checked answer holds D1..D7; below they are
// data offsets 0..6 (D1 = offset 0).
#include "busrows.h"
#include "klinelayer.h"
#include "rounding.h"

namespace {

using Cell = BusRows::Cell;
constexpr size_t D1 = 0, D2 = 1, D3 = 2, D4 = 3, D5 = 4, D6 = 5, D7 = 6;

ByteString tenths(uint8_t v) {
    return BUS_Format("%2d.%1d", v / 10, v % 10);
}

Cell volts(long double v) {
    return Cell{TOOL_FormatFloat(v, 2), v};
}

}  // namespace

void KLineLayer::KLINE_ReadAndDecode(const ByteString& reply, uint8_t service, uint8_t identifier,
                                     TResult& result) {
    KLINE_ReceiveAnswer(m_tester, m_controlUnit, reply, result);
    if (result.Invalid) return;
    const ByteString& t = result.Text;
    if (t.empty()) {
        result = TResult::failure(BusCode::Empty);
        return;
    }
    const uint8_t first = static_cast<uint8_t>(t[D1]);
    if (first == KLine::NEGATIVE_RESPONSE) {
        // The unit's negative response names the service it refuses: one that refuses
        // another request's service is stale.
        if (t.size() > D2 && static_cast<uint8_t>(t[D2]) != service) {
            rejectForeignAnswer(result);
        } else {
            result.Invalid = 1;
            result.Value = BusCode::Rejected;
        }
        return;
    }
    if (first != (service | 0x40)) {
        rejectForeignAnswer(result);  // the answer to another service
        return;
    }
    if (identifier != KLine::ANY_IDENTIFIER &&
        (t.size() <= D2 || static_cast<uint8_t>(t[D2]) != identifier)) {
        rejectForeignAnswer(result);
        return;
    }
    if (answersAnotherRequest(service, result)) return;
    const ByteString d = t;
    switch (service) {
        case 0x21:
            decodeIdentification(d, result);
            break;
        case 0x22:
            decodeGroup(d);
            break;
        case 0x81: {
            TResult keyBytes;
            TOOL_DecodeField(static_cast<int>(D2) + 1, 10, d, keyBytes);
            BusRows(m_env, d).store("CFGKEYBYTE", keyBytes);
            break;
        }
        case 0xA1:
            decodeErrorEntry(d);
            break;
        default:
            break;
    }
}

bool KLineLayer::answersAnotherRequest(uint8_t service, TResult& result) {
    // The services whose answer repeats what was asked for: the local identifier (0x21), the
    // identifier group and sub-identifier (0x22), the error entry (0xA1, or 0xFF). Request data:
    // the service, then its parameters; answer data: D1, D2, D3, ...
    const ByteString t = result.Text;
    switch (service) {
        case 0x21:
            return rejectUnlessEchoed(result, t, D2, 1);
        case 0xA1:
            // Entry byte 0xFF, "no such entry", answers the read of any entry: it ends the
            // error-memory read.
            if (t.size() > D2 && static_cast<uint8_t>(t[D2]) == 0xFF) return false;
            return rejectUnlessEchoed(result, t, D2, 1);
        case 0x22:
            return rejectUnlessEchoed(result, t, D2, 1) || rejectUnlessEchoed(result, t, D3, 2);
        default:
            return false;
    }
}

void KLineLayer::decodeIdentification(const ByteString& d, TResult& result) {
    BusRows r(m_env, d);
    if (!r.inside(D2, 1)) return;
    switch (r.u8(D2)) {
        case 2:
            r.row("CFGKUID", D3, 5, [&] { return Cell{TOOL_BytesToHex(r.bytes(D3, 5)), 0}; });
            break;
        case 3:
            r.row("CFGPPGNR", D3, 1, [&] { return Cell{BUS_Decimal(r.u8(D3)), 0}; });
            r.row("CFGDATESG", D4, 2, [&] {
                return Cell{BUS_Format("%2.2d/%2.2d", r.u8(D4), r.u8(D5)), 0};
            });
            r.row("CFGHWVer", D6, 1, [&] { return Cell{tenths(r.u8(D6)), 0}; });
            r.row("CFGSWVer", D7, 1, [&] { return Cell{tenths(r.u8(D7)), 0}; });
            break;
        case 4: {
            const ByteString name = BUS_Latin1ToUtf8(r.bytes(D3, 3));
            r.row("CFGNAME", D3, 3, [&] { return Cell{name, 0}; });
            if (r.inside(D3, 3)) result.Text = name;  // the caller compares the name
            break;
        }
        default:
            break;
    }
}

void KLineLayer::decodeGroup(const ByteString& d) {
    BusRows r(m_env, d);
    if (!r.inside(D2, 2)) return;
    const uint8_t group = r.u8(D2), sub = r.u8(D3);
    auto temperature = [&](const char* key, size_t at) {
        r.row(key, at, 1, [&] {
            const int64_t t = TOOL_Round64(r.temp(r.u8(at)));
            return Cell{BUS_Decimal(t), static_cast<long double>(t)};
        });
    };
    if (group == 0x1D) {
        switch (sub) {
            case 2:
                r.row("OVRUTEMP", D4, 1, [&] { return volts(r.u8(D4) * 5.0L / 256.0L); });
                r.row("OVRUB", D6, 2, [&] { return volts(r.le16(D6) / 10.0L); });
                break;
            case 4:
                r.row("OVRUBG", D4, 1, [&] { return volts(r.u8(D4) * 1885.0L / 12032.0L); });
                r.row("OVRUFL", D6, 1, [&] { return volts(r.u8(D6) / 10.0L); });
                break;
            case 6:
                r.row("OVRZUSTAND", D4, 1, [&] {
                    r.setOperatingState(r.u8(D4));
                    return Cell{KLINE_StateText(2, r.u8(D4)), static_cast<long double>(r.u8(D4))};
                });
                temperature("OVRTEMP", D6);
                break;
            case 8:
                temperature("OVRTEMPUNT", D4);
                temperature("OVRTEMPOBE", D6);
                break;
            case 9:
                r.row("OVRFLZUSTAND", D4, 1, [&] {
                    return Cell{KLINE_FlameStateText(2, r.u8(D4)),
                                static_cast<long double>(r.u8(D4))};
                });
                break;
            default:
                break;
        }
    } else if (group == 0x1E) {
        // Lamps: bits 0, 2, 4 and 6 of D4.
        static const struct {
            uint8_t sub;
            const char* keys[4];
        } kLamps[] = {
            {1, {"OVRLHS", "OVRLUPFA", "OVRLZUHI", "OVRLSPAR"}},
            {2, {"OVRLBG", "OVRLUP", "OVRLZFG", "OVRLMV"}},
            {3, {"OVRLBA", "OVRLFA", nullptr, nullptr}},
            {5, {nullptr, nullptr, nullptr, "OVRLTS"}},
        };
        for (const auto& lamp : kLamps) {
            if (lamp.sub != sub) continue;
            for (uint8_t i = 0; i < 4; ++i)
                if (lamp.keys[i]) r.bitField(lamp.keys[i], D4, static_cast<TFieldTypeCode>(2 * i));
        }
    } else if (group == 0x22) {
        auto hoursMinutes = [&](const char* key) {
            r.row(key, D4, 3, [&] {
                return Cell{BUS_Format("%u:%.2u", 256u * r.u8(D4) + r.u8(D5), unsigned{r.u8(D6)}),
                            0};
            });
        };
        switch (sub) {
            case 0:
                hoursMinutes("BETTEIN");
                break;
            case 1:
                hoursMinutes("BETTUP");
                break;
            case 2:
                hoursMinutes("BETTBR");
                break;
            case 3:
                r.row("BETSTACNT", D4, 3, [&] {
                    return Cell{BUS_Decimal(65536 * r.u8(D4) + 256 * r.u8(D5) + r.u8(D6)), 0};
                });
                break;
            default:
                break;
        }
    }
}

void KLineLayer::decodeErrorEntry(const ByteString& d) {
    BusRows r(m_env, d);
    // Entry 0xFF does not exist; only entries up to 7 are stored.
    if (!r.inside(D2, 1) || r.u8(D2) > 7) return;
    const ByteString n = BUS_Decimal(r.u8(D2));
    const int32_t code = 256 * r.u8(D3) + r.u8(D4);
    r.row("ERRBEZ" + n, D3, 2, [&] {
        return Cell{KLINE_ErrorCodeText(2, code), static_cast<long double>(code)};
    });
    r.row("ERRCODE" + n, D3, 2, [&] {
        return Cell{code > 0 ? BUS_Format("%.2d/%.2d", r.u8(D3), r.u8(D4)) : ByteString(),
                    static_cast<long double>(code)};
    });
    r.row("ERRCOUNT" + n, D6, 1, [&] { return Cell{BUS_Decimal(r.u8(D6)), 0}; });
}
