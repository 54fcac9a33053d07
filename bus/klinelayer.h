// The K-Line of device class 2 (adapter bus 1, key-word protocol): request telegrams with the
// caller's format byte, the one 11-byte answer telegram, the consecutive-failure limit, the
// skip helper, the request builder, the answer decoder into the data-point table and the
// control unit's texts.
//
//   request: format, target, source, data, 8-bit sum
//   answer:  format, target (tester), source (control unit), D1..D7, 8-bit sum of the first 10
#pragma once

#include <cstdint>

#include "buscommon.h"

namespace KLine {
constexpr uint8_t TESTER = 0xF1;
constexpr uint8_t CONTROL_UNIT = 0x9D;
constexpr uint8_t FORMAT_DATA = 0x87;   // seven data bytes
constexpr uint8_t FORMAT_START = 0x81;  // StartCommunication
constexpr uint8_t ANY_IDENTIFIER = 0xFF;
constexpr uint8_t NEGATIVE_RESPONSE = 0x7F;  // D1 of the unit's negative answer
constexpr size_t ANSWER_LENGTH = 11;
constexpr size_t MAX_DATA = 252;  // a telegram never exceeds the adapter's 256 bytes
constexpr int FAILURE_LIMIT = 5;
}  // namespace KLine

class KLineLayer : public BusLayerBase {
public:
    explicit KLineLayer(BusEnvironment& env);

    // Failure counter 0, tester 0xF1, control unit 0x9D. Before every K-Line wake-up.
    void KLINE_Reset();

    // Returns whether the transport took the frame. Data beyond 252 bytes is not sent.
    bool KLINE_SendTelegram(uint8_t format, uint8_t source, uint8_t target, const ByteString& data);
    // Invalid 0 with D1..D7 in Text, or a code 0..7 or 9.
    void KLINE_ReceiveAnswer(uint8_t expectedTarget, uint8_t expectedSource,
                             const ByteString& reply, TResult& result);
    // 0, 3, 4, 9 -> error step; 11, 12, 13 -> next step; any other code repeats.
    static void KLINE_StepOnErrorSkip(const TUSBREQ& request, TUSBREQ& out, long double code);

    // Builds the data of the service and sends it from the tester to the control unit.
    bool KLINE_BuildRequest(uint8_t format, uint8_t service, uint8_t count,
                            const TParamlist& params, ByteString& data);
    // Checks the answer against the service and the identifier (0xFF = any) and decodes it:
    // empty 10; the unit's negative response to this service 11; an answer to another
    // service, identifier, sub-identifier or error entry than the request the layer sent 13,
    // counted as a failed answer (see BusLayerBase).
    void KLINE_ReadAndDecode(const ByteString& reply, uint8_t service, uint8_t identifier,
                             TResult& result);

    // Texts of device class 2 (any other class gives the fallback form).
    static void KLINE_ErrorCodeText(uint8_t deviceClass, int32_t codeWord, ByteString& text);
    static ByteString KLINE_ErrorCodeText(uint8_t deviceClass, int32_t codeWord);
    static void KLINE_StateText(uint8_t deviceClass, uint8_t state, ByteString& text);
    static ByteString KLINE_StateText(uint8_t deviceClass, uint8_t state);
    static void KLINE_FlameStateText(uint8_t deviceClass, uint8_t state, ByteString& text);
    static ByteString KLINE_FlameStateText(uint8_t deviceClass, uint8_t state);

    uint8_t testerAddress() const { return m_tester; }
    uint8_t controlUnitAddress() const { return m_controlUnit; }

private:
    // True (and the result rejected) when the answer repeats another identifier,
    // sub-identifier or error entry than the request sent.
    bool answersAnotherRequest(uint8_t service, TResult& result);
    void decodeIdentification(const ByteString& d, TResult& result);
    void decodeGroup(const ByteString& d);
    void decodeErrorEntry(const ByteString& d);

    uint8_t m_tester = KLine::TESTER;
    uint8_t m_controlUnit = KLine::CONTROL_UNIT;
};
