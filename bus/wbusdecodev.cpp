// Answers of dialect V into the data-point table. D is the payload without its command byte;
// D[0] is the page or sub for the commands that have one.
#include "busrows.h"
#include "rounding.h"
#include "translate.h"
#include "wbusdialectv.h"
#include "wbusrowgroups.h"

namespace {

using Cell = BusRows::Cell;
using namespace WBusRowGroups;

// "hex(a)/hex(b) hex(c).hex(d)" of a software version.
ByteString versionText(const BusRows& r, size_t at) {
    return BUS_Hex2(r.u8(at)) + "/" + BUS_Hex2(r.u8(at + 1)) + " " + BUS_Hex2(r.u8(at + 2)) + "." +
           BUS_Hex2(r.u8(at + 3));
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
            if (expectedSub == 1) resultNumber(r, 2, result);
            break;
        case 0x50:
            decodePage(expectedSub, d);
            break;
        case 0x51:
            decodeIdentification(expectedSub, d, result);
            break;
        case 0x53:
            if (expectedSub == 2) limits(r);
            break;
        case 0x56:
            if (expectedSub == 1) {
                errorList(r, m_layer);
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
            fuelType(r);
            break;
        case 5:
            r.row("OVRTEMP", 1, 1, [&] {
                const long double t = r.temp(r.u8(1) - 50.0L);
                return Cell{rounded(t), t};
            });
            r.row("OVRUB", 2, 2, [&] {
                const long double v = r.be16(2) / 1000.0L;
                return Cell{TOOL_FormatFloat(v, 2), v};
            });
            r.bitField("OVRLFL", 4, 0);
            break;
        case 6:
            operatingTimes(r);
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
                return Cell{rounded(x), x};
            });
            r.row("OVRUP", 5, 1, [&] {
                const long double x = r.u8(5) / 2.0L;
                return Cell{rounded(x), x};
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
            hardwareVersion(r);
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
            date(r, "CFGDATESG");
            break;
        case 5:
            date(r, "CFGDATEHG");
            break;
        case 7:
            customerId(r);
            break;
        case 9:
            serialNumber(r, false);
            break;
        case 10:
            busVersion(r, "W-BUS V%1X.%1X");
            break;
        case 11:
            result.Text = name(r);  // the caller compares the name
            break;
        default:
            break;
    }
}

void WBusDialectV::decodeErrorEntry(const ByteString& d) {
    BusRows r(m_layer.environment(), d);
    const ByteString n = BUS_Decimal(m_layer.WBUS_GetErrorIndex());
    r.row("ERRBEZ" + n, 1, 1, [&] {
        return Cell{WBUS_ErrorCodeTextV(1, r.u8(1)), static_cast<long double>(r.u8(1))};
    });
    errorEntryCommon(r, n);
    r.row("ERRZUSTAND" + n, 4, 2, [&] {
        const int32_t w = static_cast<int32_t>(r.be16(4));
        return Cell{WBUS_StateTextV(1, w), static_cast<long double>(w)};
    });
    r.row("ERRTBR" + n, 9, 3, [&] { return Cell{hoursMinutes(r.be16(9), r.u8(11)), 0}; });
    nextErrorEntry(m_layer);
}
