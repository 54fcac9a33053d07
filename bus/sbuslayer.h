// The S-Bus of device classes 4, 5 and 6 (adapter bus 2): telegrams with either check, the
// device address, the consecutive-failure limit, the step helpers, the request builder, the
// answer decoder into the data-point table with its negative answers 20..27, the status flag
// and the memory-area sizes.
//
//   telegram: target, source, length (bits 0..6 data length, 0 = 128; bit 7 = CRC-16),
//             data (message ID first), CRC-16 high and low, or the inverted 8-bit checksum
#pragma once

#include <array>
#include <cstdint>

#include "buscommon.h"

namespace SBus {
constexpr uint8_t TESTER = 1;
constexpr uint8_t DEVICE_HEATER = 7;  // classes 4 and 5
constexpr uint8_t DEVICE_LOADER = 3;  // class 6
constexpr uint8_t CRC_FLAG = 0x80;
constexpr size_t MAX_DATA = 128;
constexpr size_t MIN_TELEGRAM = 5;
constexpr size_t MAX_TELEGRAM = 133;
constexpr int FAILURE_LIMIT = 5;
constexpr int32_t AREA_UNKNOWN = 0xFFFF;
constexpr int NEGATIVE_BASE = 20;  // codes 20..27: negative answer, error bit 0..7
}  // namespace SBus

class SBusLayer : public BusLayerBase {
public:
    explicit SBusLayer(BusEnvironment& env);

    // Failure counter 0, status flag 0, last status -1, area sizes 0xFFFF; the device address
    // stays. Before every S-Bus wake-up.
    void SBUS_Reset();
    void SBUS_SetDeviceAddress(uint8_t address) { m_deviceAddress = address; }
    uint8_t deviceAddress() const { return m_deviceAddress; }
    void SBUS_SetAreaSize(uint8_t index, int32_t size);
    int32_t SBUS_GetAreaSize(uint8_t index) const;
    // The status-changed flag, cleared by the call.
    uint8_t SBUS_TakeStatusChanged();

    // Returns whether the transport took the frame. crcMode non-zero ends the telegram with the
    // CRC-16; data beyond 128 bytes is not sent.
    bool SBUS_SendTelegram(uint8_t source, uint8_t target, uint8_t crcMode, const ByteString& data);
    // Invalid 0 with the data (message ID first) in Text, or a code 0..9.
    void SBUS_ReceiveAnswer(uint8_t expectedTarget, uint8_t expectedSource, const ByteString& reply,
                            TResult& result);

    // 0, 3, 4, 9 -> error step; 11, 12, 13 and 20 up -> next step; any other code repeats.
    static void SBUS_StepOnErrorSkip(const TUSBREQ& request, TUSBREQ& out, long double code);
    // 0, 3, 4, 9, 11, 12, 13 and 20 up -> error step; any other code repeats.
    static void SBUS_StepOnError(const TUSBREQ& request, TUSBREQ& out, long double code);

    // Builds the data of the message and sends it from the tester to the device address.
    bool SBUS_BuildRequest(uint8_t crcMode, uint8_t messageId, uint8_t count,
                           const TParamlist& params, ByteString& data);
    // Checks the answer against the expected message ID and decodes it: empty 10; negative
    // answer 20..27 (or 0); another message ID, or an error entry (ID 91) other than the one
    // the layer asked for, 13, counted as a failed answer (see BusLayerBase), except an answer
    // with the ID of the request sent, which is 13 without counting; data not longer than
    // minimumLength 12. Valid: Text = the data without the ID (or what the ID's row
    // gives).
    void SBUS_ReadAndDecode(uint8_t unused, const ByteString& reply, uint8_t minimumLength,
                            uint8_t expectedId, TResult& result);

    static void SBUS_FormatPatchDate(int32_t a, int32_t b, int32_t c, ByteString& text);
    static ByteString SBUS_FormatPatchDate(int32_t a, int32_t b, int32_t c);
    static void SBUS_FormatHoursMinutes(int32_t hours, int32_t minutes, ByteString& text);
    static ByteString SBUS_FormatHoursMinutes(int32_t hours, int32_t minutes);
    static void SBUS_FormatSeconds(uint32_t seconds, ByteString& text);
    static ByteString SBUS_FormatSeconds(uint32_t seconds);
    static void SBUS_FingerprintStateText(int32_t state, ByteString& text);
    static ByteString SBUS_FingerprintStateText(int32_t state);

    int32_t lastStatus() const { return m_lastStatus; }

private:
    void decodeNegative(const ByteString& data, TResult& result);
    void decodeIdentification(uint8_t id, const ByteString& d);
    void decodeResultAnswer(uint8_t id, const ByteString& d, TResult& result);

    uint8_t m_deviceAddress = SBus::DEVICE_HEATER;
    uint8_t m_statusChanged = 0;
    int32_t m_lastStatus = -1;
    std::array<int32_t, 4> m_areaSizes{};
};
