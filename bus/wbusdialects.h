// W-Bus dialect S: the command set of the class-3 control unit, beside dialect V. Its request
// builder (with the area number of 0x38, the calibration subs of 0x42, the memory services
// 0x48 and the speed service 0x57), its answer decoder into the data-point table and its text
// tables. It keeps no state of its own: the layer holds the failure counter, the area table,
// the error entry index and the request sent last.
//
// An answer is decoded only when it answers the request awaited (the layer's rule, see
// BusLayerBase): the echoed command, page or sub, and for an error entry the entry asked for.
// The entry's answer does not repeat the entry's number, so it is held against the entry the
// request asked for and against the code the error list gave for that entry.
#pragma once

#include <cstdint>

#include "wbuslayer.h"

class BusRows;

class WBusDialectS {
public:
    explicit WBusDialectS(WBusLayer& layer) : m_layer(layer) {}

    // Builds the payload of the command and sends it to the control unit (15 -> 4). count
    // matters only for 0x45. Returns whether the transport took the frame.
    bool WBUS_BuildRequestS(uint8_t command, uint8_t count, const TParamlist& params,
                            ByteString& payload);
    // The payload WBUS_BuildRequestS sends, without sending it. 0x38 also sets the area its
    // answer belongs to.
    void buildPayloadS(uint8_t command, uint8_t count, const TParamlist& params,
                       ByteString& payload);
    // Checks the answer and decodes it by command and expected sub (255 = none) into the
    // data-point table. Valid: Text = the payload without its command byte.
    void WBUS_ReadAndDecodeS(const ByteString& reply, uint8_t minimumLength, uint8_t command,
                             uint8_t expectedSub, TResult& result);

    // Text tables; they give their table only for device class 3.
    static void WBUS_ErrorCodeTextS(uint8_t deviceClass, uint8_t code, ByteString& text);
    static ByteString WBUS_ErrorCodeTextS(uint8_t deviceClass, uint8_t code);
    static void WBUS_StateTextS(uint8_t deviceClass, int32_t stateWord, ByteString& text);
    static ByteString WBUS_StateTextS(uint8_t deviceClass, int32_t stateWord);
    static void WBUS_FlameStateText(uint8_t deviceClass, uint8_t state, ByteString& text);
    static ByteString WBUS_FlameStateText(uint8_t deviceClass, uint8_t state);
    static void WBUS_WeekdayText(uint8_t day, ByteString& text);
    static ByteString WBUS_WeekdayText(uint8_t day);

private:
    // True when an error entry's answer belongs to the entry the layer is at.
    bool answersErrorEntry(const ByteString& d) const;
    void decodePage(uint8_t page, BusRows& r);
    void decodeIdentification(uint8_t sub, BusRows& r, TResult& result);
    void decodeMemoryService(uint8_t sub, const BusRows& r, TResult& result);
    void decodeErrorEntry(BusRows& r);

    WBusLayer& m_layer;
};
