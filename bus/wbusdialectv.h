// W-Bus dialect V: the command set of the class-1 control unit. Its request builder, its answer
// decoder into the data-point table and its text tables. It keeps no state of its own: the
// layer holds the failure counter, the area table and the error entry index.
#pragma once

#include <cstdint>

#include "wbuslayer.h"

class WBusDialectV {
public:
    explicit WBusDialectV(WBusLayer& layer) : m_layer(layer) {}

    // Builds the payload of the command and sends it to the control unit (15 -> 4). count
    // matters only for 0x45. Returns whether the transport took the frame.
    bool WBUS_BuildRequestV(uint8_t command, uint8_t count, const TParamlist& params,
                            ByteString& payload);
    // The payload WBUS_BuildRequestV sends, without sending it.
    static void buildPayloadV(uint8_t command, uint8_t count, const TParamlist& params,
                              ByteString& payload);
    // Checks the answer (codes 0..13) and decodes it by command and expected sub (255 = none)
    // into the data-point table. Valid: Text = the payload without its command byte.
    void WBUS_ReadAndDecodeV(const ByteString& reply, uint8_t minimumLength, uint8_t command,
                             uint8_t expectedSub, TResult& result);

    // Text tables; the first two give their table only for device class 1.
    static void WBUS_ErrorCodeTextV(uint8_t deviceClass, uint8_t code, ByteString& text);
    static ByteString WBUS_ErrorCodeTextV(uint8_t deviceClass, uint8_t code);
    static void WBUS_StateTextV(uint8_t deviceClass, int32_t stateWord, ByteString& text);
    static ByteString WBUS_StateTextV(uint8_t deviceClass, int32_t stateWord);
    static void WBUS_RoutineResultText(uint8_t code, ByteString& text);
    static ByteString WBUS_RoutineResultText(uint8_t code);

private:
    void decodePage(uint8_t page, const ByteString& d);
    void decodeIdentification(uint8_t sub, const ByteString& d, TResult& result);
    void decodeErrorEntry(const ByteString& d);

    WBusLayer& m_layer;
};
