// S-Bus answers: negative answers, then the rows of each message ID into the data-point table
// or into the result. Data offsets below are 0-based after the message ID (position 1 of the
// answer tables is offset 0).
#include "busrows.h"
#include "sbuslayer.h"

namespace {

using Cell = BusRows::Cell;

ByteString text(const BusRows& r, size_t at, size_t count) {
    return BUS_Latin1ToUtf8(r.bytes(at, count));
}

ByteString patchDate(const BusRows& r, size_t at) {
    return SBusLayer::SBUS_FormatPatchDate(r.u8(at), r.u8(at + 1), r.u8(at + 2));
}

Cell decimal(uint32_t v) {
    return Cell{BUS_Decimal(v), static_cast<long double>(v)};
}
Cell seconds(uint32_t v) {
    return Cell{SBusLayer::SBUS_FormatSeconds(v), static_cast<long double>(v)};
}

void tooShort(TResult& result) {
    result.Invalid = 1;
    result.Value = BusCode::TooShort;
}

}  // namespace

void SBusLayer::SBUS_ReadAndDecode(uint8_t, const ByteString& reply, uint8_t minimumLength,
                                   uint8_t expectedId, TResult& result) {
    SBUS_ReceiveAnswer(SBus::TESTER, m_deviceAddress, reply, result);
    if (result.Invalid) return;
    if (result.Text.empty()) {
        result = TResult::failure(BusCode::Empty);
        return;
    }
    const uint8_t id = static_cast<uint8_t>(result.Text[0]);
    if (id == 0) {
        decodeNegative(result.Text, result);
        return;
    }
    // Another message ID is another request's answer, however long it is; unless it is the ID
    // of the request sent: then the unit answered this very request, only not with the
    // message the caller reads (the boot loader answers its poll with the poll's own ID).
    // That is refused, but it is no sign of a stale answer and does not count as one.
    if (id != expectedId) {
        if (sentByte(0) == id) {
            result.Invalid = 1;
            result.Value = BusCode::WrongAnswer;
            return;
        }
        rejectForeignAnswer(result);
        return;
    }
    if (result.Text.size() <= minimumLength) {
        tooShort(result);
        return;
    }
    // An error entry is asked for by its number (91, n): the answer repeats it. A memory read
    // (150, 151: address, count) repeats the address it was asked for.
    if (id == 91 && rejectUnlessEchoed(result, result.Text, 1, 1)) return;
    if ((id == 150 || id == 151) && (rejectUnlessEchoed(result, result.Text, 1, 1) ||
                                     rejectUnlessEchoed(result, result.Text, 2, 2)))
        return;
    result.Text.erase(0, 1);
    const ByteString d = result.Text;
    BusRows r(m_env, d);
    switch (id) {
        case 20:
        case 21:
        case 22:
        case 23:
        case 24:
        case 25:
        case 26:
        case 27:
        case 28:
        case 29:
        case 39:
            decodeIdentification(id, d);
            break;
        case 38:
            r.row("CFGHW_ID", 0, 10, [&] { return Cell{text(r, 0, 10), 0}; });
            r.row("CFGHW_DATE", 10, 3, [&] { return Cell{patchDate(r, 10), 0}; });
            r.row("CFGHW_VER", 13, 2, [&] {
                return Cell{BUS_Format("%1d.%1d", r.u8(14), r.u8(13)), 0};
            });
            r.row("CFGDS_ID", 15, 10, [&] { return Cell{text(r, 15, 10), 0}; });
            r.row("CFGET_ID", 25, 10, [&] { return Cell{text(r, 25, 10), 0}; });
            r.row("CFGSYS_NAME", 35, 20, [&] { return Cell{text(r, 35, 20), 0}; });
            r.row("CFGDS_DATE", 55, 5, [&] {
                return Cell{BUS_Format("%2.2d.%2.2d.%2.2d %2.2d:%2.2d", r.u8(57), r.u8(56),
                                       r.u8(55), r.u8(58), r.u8(59)),
                            0};
            });
            r.row("CFGHG_CLASS", 60, 1, [&] { return decimal(r.u8(60)); });
            break;
        case 47:
            r.row("BETSTZ", 0, 4, [&] { return decimal(r.le32(0)); });
            r.row("BETFAZ", 4, 4, [&] { return decimal(r.le32(4)); });
            r.row("BETHEATTIME", 8, 4, [&] { return seconds(r.le32(8)); });
            r.row("BETUPTIME", 12, 4, [&] { return seconds(r.le32(12)); });
            r.row("BETONTIME", 16, 4, [&] { return seconds(r.le32(16)); });
            r.row("BETSTACNT", 20, 4, [&] { return decimal(r.le32(20)); });
            break;
        case 48:
            r.row("BETMBRZ_U", 0, 4, [&] { return decimal(r.le32(0)); });
            r.row("BETMBRZ_U_G", 4, 4, [&] { return decimal(r.le32(4)); });
            break;
        case 81:
            r.row("CFGSW_BOOT_SW_ID", 0, 10, [&] { return Cell{text(r, 0, 10), 0}; });
            r.row("CFGSW_BOOT_DEV_ID", 10, 2, [&] { return decimal(r.le16(10)); });
            r.row("CFGSW_BOOT_DATE", 12, 3, [&] { return Cell{patchDate(r, 12), 0}; });
            break;
        case 82:
            r.row("CFGSW_APPL_HW_ID", 0, 10, [&] { return Cell{text(r, 0, 10), 0}; });
            r.row("CFGSW_APPL_SW_ID", 10, 10, [&] { return Cell{text(r, 10, 10), 0}; });
            r.row("CFGSW_APPL_DEV_ID", 20, 2, [&] { return decimal(r.le16(20)); });
            r.row("CFGSW_RTOS_DATE", 22, 3, [&] { return Cell{patchDate(r, 22), 0}; });
            r.row("CFGSW_SIML_DATE", 25, 3, [&] { return Cell{patchDate(r, 25), 0}; });
            r.row("CFGSW_OEMSW_DATE", 25, 3, [&] { return Cell{patchDate(r, 25), 0}; });
            r.row("CFGSW_APPL_LEN", 28, 4, [&] { return decimal(r.le32(28)); });
            r.row("CFGSW_APPL_CRC", 32, 4, [&] {
                return Cell{BUS_Format("%8.8X", r.le32(32)), static_cast<long double>(r.le32(32))};
            });
            break;
        case 83:
            r.row("CFGSG_DATE", 0, 2, [&] {
                return Cell{BUS_Format("%2.2d/%2.2d", r.u8(1), r.u8(0)), 0};
            });
            r.row("CFGSG_SNR", 2, 12, [&] { return Cell{text(r, 2, 12), 0}; });
            r.row("CFGBORAD_TEST", 14, 1, [&] { return decimal(r.u8(14)); });
            r.row("CFGEOL_TEST", 15, 1, [&] { return decimal(r.u8(15)); });
            break;
        case 84:
            r.row("CFGHG_DEV_ID", 0, 2, [&] { return decimal(r.le16(0)); });
            r.row("CFGHG_SNR", 2, 12, [&] { return Cell{text(r, 2, 12), 0}; });
            break;
        case 90:
            if (r.inside(0, 1) && r.u8(0) != m_lastStatus) {
                m_statusChanged = 1;
                m_lastStatus = r.u8(0);
            }
            break;
        case 158:
            r.row("CFGFINGER_STATE", 0, 1, [&] {
                return Cell{SBUS_FingerprintStateText(r.u8(0)), static_cast<long double>(r.u8(0))};
            });
            r.row("CFGFINGER_PROG_CNT", 1, 2, [&] { return decimal(r.le16(1)); });
            r.row("CFGFINGER_PROG_ID", 3, 2, [&] { return decimal(r.le16(3)); });
            r.row("CFGFINGER_PROG_SER", 5, 4, [&] { return decimal(r.le32(5)); });
            r.row("CFGFINGER_PROG_DATE", 9, 3, [&] {
                return Cell{BUS_Format("%2.2d.%2.2d.%2.2d", r.u8(11), r.u8(10), r.u8(9)), 0};
            });
            break;
        default:
            decodeResultAnswer(id, d, result);
            break;
    }
}

void SBusLayer::decodeNegative(const ByteString& data, TResult& result) {
    // data: 00, error byte, one more byte. A missing error byte is code 0.
    result.Invalid = 1;
    result.Value = BusCode::Data;
    if (data.size() > 1) {
        const uint8_t e = static_cast<uint8_t>(data[1]);
        for (int bit = 0; bit < 8; ++bit)
            if (e == (1u << bit)) result.Value = SBus::NEGATIVE_BASE + bit;
    }
    result.Text = data.size() > 2 ? data.substr(2, 1) : ByteString();
}

void SBusLayer::decodeIdentification(uint8_t id, const ByteString& d) {
    static const struct {
        uint8_t id;
        const char* key;
    } kKeys[] = {
        {20, "CFGSGID"},   {21, "CFGHWVER"},  {22, "CFGSWVER"},    {23, "CFGSGDATE"},
        {24, "CFGHGDATE"}, {25, "CFGKENHER"}, {26, "CFGSNR"},      {27, "CFGSBUSVER"},
        {28, "CFGKENHG"},  {29, "CFGKUNDID"}, {39, "CFGSWVERROM"},
    };
    BusRows r(m_env, d);
    for (const auto& k : kKeys) {
        if (k.id != id) continue;
        r.row(k.key, 0, 1, [&] {
            const ByteString t = text(r, 0, d.size());
            return Cell{id == 27 ? " S-BUS " + t : t, 0};
        });
    }
}

void SBusLayer::decodeResultAnswer(uint8_t id, const ByteString& d, TResult& result) {
    BusRows r(m_env, d);
    auto from = [&](size_t offset) { return r.bytes(offset, d.size()); };
    switch (id) {
        case 49:
            result.Value = 0;
            break;
        case 70:
            if (!r.inside(1, 1)) return tooShort(result);
            result.Value = 100 * r.u8(1);
            result.Text = from(2);
            break;
        case 150:
        case 151:
            if (!r.inside(0, 2)) return tooShort(result);
            result.Value = r.le16(0);
            result.Text = from(3);
            break;
        case 152:
            if (!r.inside(1, 2)) return tooShort(result);
            result.Value = r.le16(1);
            result.Text = from(4);
            break;
        case 153:
            if (!r.inside(0, 3)) return tooShort(result);
            result.Value = r.le16(1);
            SBUS_SetAreaSize(r.u8(0), static_cast<int32_t>(r.le16(1)));
            break;
        case 154:
            if (!r.inside(0, 1)) return tooShort(result);
            result.Value = r.u8(0);
            result.Text = from(1);
            break;
        case 155:
            if (!r.inside(1, 1)) return tooShort(result);
            result.Value = r.u8(1);
            break;
        case 159:
        case 160:
        case 161:
        case 162:
            if (!r.inside(0, 1)) return tooShort(result);
            result.Value = r.u8(0);
            break;
        default:
            break;
    }
}
