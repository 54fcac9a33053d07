// Request payloads of dialect V.
#include "rounding.h"
#include "wbusdialectv.h"
#include "wbuspayload.h"

bool WBusDialectV::WBUS_BuildRequestV(uint8_t command, uint8_t count, const TParamlist& params,
                                      ByteString& payload) {
    buildPayloadV(command, count, params, payload);
    return m_layer.WBUS_SendTelegram(WBus::TESTER, WBus::CONTROL_UNIT, payload);
}

void WBusDialectV::buildPayloadV(uint8_t command, uint8_t count, const TParamlist& params,
                                 ByteString& payload) {
    payload.clear();
    WBusPayloadWriter w(params, payload);
    switch (command) {
        case 0x10:
        case 0x38:
            w.byte(command);
            break;
        case 0x20:
        case 0x21:
        case 0x22:
        case 0x23:
        case 0x24:
        case 0x25:
        case 0x26:
        case 0x50:
        case 0x51:
        case 0x53:
        case 0x60:
            w.byte(command);
            w.u8(1);
            break;
        case 0x27:
        case 0x34:
        case 0x44:
            w.byte(command);
            w.u8(1);
            w.u8(2);
            break;
        case 0x30:
        case 0x32:
            w.byte(command);
            w.be16(1);
            break;
        case 0x31:
        case 0x33:
            w.byte(command);
            w.be16(1);
            w.u8(2);
            break;
        case 0x42:
            // Only the calibration value (p1 = 1) exists; anything else sends an empty payload.
            if (TOOL_Round64(params[1].Value) == 1) {
                w.byte(command);
                w.byte(0x01);
                w.byte(0x00);
                w.be16(2);
            }
            break;
        case 0x45:
            w.byte(command);
            w.u8(1);
            w.u8(2);
            if (count == 3)
                w.u8(3);
            else
                w.be16(3);
            break;
        case 0x56:
            w.byte(command);
            w.u8(1);
            w.text(2);
            break;
        default:
            break;
    }
}
