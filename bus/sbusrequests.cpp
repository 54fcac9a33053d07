// Request data of the S-Bus messages.
#include "fieldcodec.h"
#include "sbuslayer.h"

namespace {

class DataWriter {
public:
    DataWriter(const TParamlist& params, ByteString& out) : m_params(params), m_out(out) {}
    void u8(int k) { field(8, k); }
    void u16(int k) { field(10, k); }
    void u32(int k) { field(12, k); }
    void text(int k) { m_out += param(k).Text; }
    void u8s(int first, int last) {
        for (int k = first; k <= last; ++k) u8(k);
    }

private:
    const TResult& param(int k) const { return m_params[static_cast<size_t>(k)]; }
    void field(TFieldTypeCode code, int k) {
        TOOL_EncodeField(code, param(k), std::nullopt, m_out);
    }
    const TParamlist& m_params;
    ByteString& m_out;
};

}  // namespace

bool SBusLayer::SBUS_BuildRequest(uint8_t crcMode, uint8_t messageId, uint8_t count,
                                  const TParamlist& params, ByteString& data) {
    data.assign(1, static_cast<char>(messageId));
    DataWriter w(params, data);
    switch (messageId) {
        case 10:
            if (count == 1 || count == 2) w.u8s(1, count);
            break;
        case 11:
        case 12:
        case 15:
        case 17:
        case 91:
        case 153:
            w.u8(1);
            break;
        case 13:
            if (count == 3 || count == 4) w.u8s(1, count);
            break;
        case 14:
            if (count == 2) {
                w.u8s(1, 2);
            } else if (count == 3) {
                w.u8s(1, 2);
                w.u16(3);
            }
            break;
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
            if (count == 1) w.text(1);
            break;
        case 30:
            if (count == 2) {
                w.u8(1);
                w.u32(2);
            }
            break;
        case 49:
            w.u8s(1, 8);
            break;
        case 70:
            w.u8s(1, 2);
            break;
        case 150:
        case 151:
            w.u16(1);
            w.u8(2);
            w.text(3);
            break;
        case 152:
            w.u8(1);
            w.u16(2);
            w.u8(3);
            w.text(4);
            break;
        case 154:
            w.u8(1);
            w.u32(2);
            break;
        case 155:
            w.u8(1);
            w.text(2);
            break;
        case 159:
            w.u16(1);
            w.u32(2);
            w.u8s(3, 5);
            break;
        case 160:
            w.u32(1);
            w.u32(2);
            break;
        case 161: {
            // One programming chunk: always 64 bytes on the wire, a longer text whole.
            w.u32(1);
            ByteString chunk = params[2].Text;
            if (chunk.size() < 64) chunk.resize(64, '\0');
            data += chunk;
            break;
        }
        default:
            break;
    }
    return SBUS_SendTelegram(SBus::TESTER, m_deviceAddress, crcMode, data);
}
