// The W-Bus of device classes 1 and 3 (adapter bus 0): telegram framing, the answer checks with
// the consecutive-failure limit, the raw frames of the class-1 parameter-set transfer, the step
// helpers, the memory-area table and the error entry index. Everything both dialects share;
// the dialects' request builders and decoders sit beside it (wbusdialectv.h) and reach the bus
// only through the public routines below.
//
//   telegram: address (sender << 4 | receiver), length (N + 1), N payload bytes, XOR of all
//   raw frame: payload, XOR of the payload
#pragma once

#include <array>
#include <cstdint>

#include "buscommon.h"

namespace WBus {
constexpr uint8_t TESTER = 15;
constexpr uint8_t CONTROL_UNIT = 4;
constexpr size_t MAX_PAYLOAD = 253;
constexpr int FAILURE_LIMIT = 3;
constexpr uint8_t NO_SUB = 255;
constexpr uint8_t REFUSAL = 0x7F;  // first payload byte of the unit's negative answer
}  // namespace WBus

class WBusLayer : public BusLayerBase {
public:
    explicit WBusLayer(BusEnvironment& env);

    // Failure counter 0, areas 1..4 unknown (-1). Before every W-Bus wake-up.
    void WBUS_Reset();

    // Each returns whether the transport took the frame.
    bool WBUS_SendTelegram(uint8_t sender, uint8_t receiver, const ByteString& payload);
    bool WBUS_SendRaw(const ByteString& payload);
    // Commands 0x03, 0x04, 0x05, 0x09; any other command sends an empty raw payload.
    bool WBUS_BuildRawRequest(uint8_t command, uint8_t unused, const TParamlist& params,
                              ByteString& payload);

    // Unwraps and checks one answer: Invalid 0 with the payload in Text, or a code 0..9.
    void WBUS_ReceiveAnswer(uint8_t sender, uint8_t receiver, const ByteString& reply,
                            TResult& result);
    void WBUS_ReceiveRaw(const ByteString& reply, TResult& result);
    void WBUS_ReceiveRawChecked(const ByteString& reply, uint8_t dataLength, uint8_t firstByte,
                                TResult& result);

    // Skip helper: 0, 3, 4, 9 -> error step; 11, 12, 13 -> next step; any other code repeats.
    static void WBUS_StepOnErrorSkip(const TUSBREQ& request, TUSBREQ& out, long double code);
    // Plain helper: 0, 3, 4, 9, 11, 12, 13 -> error step; any other code repeats.
    static void WBUS_StepOnError(const TUSBREQ& request, TUSBREQ& out, long double code);

    // Memory-area table (areas 1..4; other numbers are ignored and read as -1).
    void WBUS_StoreArea(uint8_t area, long double p1, long double p2, long double p3,
                        long double p4, long double p5);
    int32_t WBUS_GetAreaWordA(uint8_t area) const { return areaColumn(m_areaA, area); }
    int32_t WBUS_GetAreaWordB(uint8_t area) const { return areaColumn(m_areaB, area); }
    int32_t WBUS_GetAreaWordC(uint8_t area) const { return areaColumn(m_areaC, area); }
    int32_t areaMask(uint8_t area) const { return areaColumn(m_areaMask, area); }
    int32_t areaWordD(uint8_t area) const { return areaColumn(m_areaD, area); }

    int32_t WBUS_GetErrorIndex() const { return m_errorIndex; }

    // ---- for the dialects' builders and decoders ----

    // WBUS_ReceiveAnswer (15, 4) followed by the decoders' checks: empty payload 10; the
    // unit's refusal of this command (7F, command, ...) 11; an answer to another command, or
    // with a page or sub other than expectedSub (255 = none), 13 and counted as a failed
    // answer (see BusLayerBase); payload not longer than minimumLength 12. Valid: Text = the
    // payload without its command byte.
    void receiveForDecoder(const ByteString& reply, uint8_t minimumLength, uint8_t command,
                           uint8_t expectedSub, TResult& result);
    void setErrorIndex(int32_t index) { m_errorIndex = index; }
    // The area number of the last dialect-S 0x38 request; its answer goes to that area.
    void setAreaIndex(uint8_t area) { m_areaIndex = area; }
    uint8_t areaIndex() const { return m_areaIndex; }

private:
    using AreaColumn = std::array<int32_t, 5>;  // index = area number, 0 unused
    static int32_t areaColumn(const AreaColumn& column, uint8_t area);

    AreaColumn m_areaMask{}, m_areaA{}, m_areaB{}, m_areaC{}, m_areaD{};
    uint8_t m_areaIndex = 0;
    int32_t m_errorIndex = 0;  // set to 1 by the first error-list answer
};
