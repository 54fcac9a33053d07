// Request payloads of dialect S. The commands both dialects share are built as in dialect V.
#include "rounding.h"
#include "wbusdialects.h"
#include "wbusdialectv.h"
#include "wbuspayload.h"

namespace {

bool sharedWithV(uint8_t command) {
    return command == 0x10 || (command >= 0x20 && command <= 0x27) ||
           (command >= 0x30 && command <= 0x34) || command == 0x44 || command == 0x45 ||
           command == 0x50 || command == 0x51 || command == 0x53 || command == 0x56;
}

// The memory services: sub-command p1, then its parameters. An unknown sub sends an empty
// payload.
void memoryService(const TParamlist& params, WBusPayloadWriter& w) {
    const int64_t sub = TOOL_Round64(params[1].Value);
    switch (sub) {
        case 1:
            w.byte(0x48), w.byte(0x01), w.u8(2);
            break;
        case 2:
        case 9:
            w.byte(0x48), w.byte(static_cast<uint8_t>(sub));
            break;
        case 3:  // parameter-set read: address, count - 1
            w.byte(0x48), w.byte(0x03), w.be16(2), w.u8(3);
            break;
        case 4:  // parameter-set write: address, count - 1, the data bytes
            w.byte(0x48), w.byte(0x04), w.be16(2), w.u8(3), w.text(4);
            break;
        case 17:  // start and end address
        case 20:
            w.byte(0x48), w.byte(static_cast<uint8_t>(sub)), w.be32(2), w.be32(3);
            break;
        case 18:
            w.byte(0x48), w.byte(0x12), w.be32(2), w.u8(3);
            break;
        case 19:  // one software block: address, count - 1, the data bytes
        case 35:
            w.byte(0x48), w.byte(static_cast<uint8_t>(sub)), w.be32(2), w.u8(3), w.text(4);
            break;
        default:
            break;
    }
}

}  // namespace

bool WBusDialectS::WBUS_BuildRequestS(uint8_t command, uint8_t count, const TParamlist& params,
                                      ByteString& payload) {
    buildPayloadS(command, count, params, payload);
    return m_layer.WBUS_SendTelegram(WBus::TESTER, WBus::CONTROL_UNIT, payload);
}

void WBusDialectS::buildPayloadS(uint8_t command, uint8_t count, const TParamlist& params,
                                 ByteString& payload) {
    if (sharedWithV(command)) {
        WBusDialectV::buildPayloadV(command, count, params, payload);
        return;
    }
    payload.clear();
    WBusPayloadWriter w(params, payload);
    switch (command) {
        case 0x38:
            // The answer goes to the area asked for.
            w.byte(command), w.u8(1);
            m_layer.setAreaIndex(static_cast<uint8_t>(payload[1]));
            break;
        case 0x42:
            switch (TOOL_Round64(params[1].Value)) {
                case 1:
                    w.byte(command), w.byte(0x01), w.byte(0x00), w.be16(2);
                    break;
                case 10:
                    w.byte(command), w.byte(0x0A), w.u8(2);
                    break;
                case 11:
                    w.byte(command), w.byte(0x0B), w.u8(2);
                    break;
                default:
                    break;  // no such calibration sub: an empty payload
            }
            break;
        case 0x48:
            memoryService(params, w);
            break;
        case 0x57:
            w.byte(command), w.u8(1);
            if (TOOL_Round64(params[1].Value) == 3) w.u8(2);
            break;
        default:
            break;  // 0x60 and every command not listed: an empty payload
    }
}
