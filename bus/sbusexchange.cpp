// Sending and checking S-Bus telegrams; layer state and step helpers.
#include "checksums.h"
#include "sbuslayer.h"

SBusLayer::SBusLayer(BusEnvironment& env) : BusLayerBase(env, SBus::FAILURE_LIMIT) {
    SBUS_Reset();
}

void SBusLayer::SBUS_Reset() {
    resetFailures();
    forgetRequest();
    m_statusChanged = 0;
    m_lastStatus = -1;
    m_areaSizes.fill(SBus::AREA_UNKNOWN);
}

void SBusLayer::SBUS_SetAreaSize(uint8_t index, int32_t size) {
    if (index < m_areaSizes.size()) m_areaSizes[index] = size;
}

int32_t SBusLayer::SBUS_GetAreaSize(uint8_t index) const {
    return index < m_areaSizes.size() ? m_areaSizes[index] : SBus::AREA_UNKNOWN;
}

uint8_t SBusLayer::SBUS_TakeStatusChanged() {
    const uint8_t f = m_statusChanged;
    m_statusChanged = 0;
    return f;
}

bool SBusLayer::SBUS_SendTelegram(uint8_t source, uint8_t target, uint8_t crcMode,
                                  const ByteString& data) {
    const ByteString d = data.substr(0, SBus::MAX_DATA);
    uint8_t length = d.size() >= SBus::MAX_DATA ? 0 : static_cast<uint8_t>(d.size());
    if (crcMode) length |= SBus::CRC_FLAG;
    ByteString telegram;
    telegram.push_back(static_cast<char>(target));
    telegram.push_back(static_cast<char>(source));
    telegram.push_back(static_cast<char>(length));
    telegram += d;
    if (crcMode) {
        const uint16_t crc = TOOL_Crc16(telegram);
        telegram.push_back(static_cast<char>(crc >> 8));
        telegram.push_back(static_cast<char>(crc & 0xFF));
    } else {
        telegram.push_back(static_cast<char>(TOOL_Checksum8(telegram)));
    }
    return sendBusTelegram(telegram, d);
}

void SBusLayer::SBUS_ReceiveAnswer(uint8_t expectedTarget, uint8_t expectedSource,
                                   const ByteString& reply, TResult& result) {
    countFailure();
    if (unwrapAdapterReply(reply, result)) {
        const ByteString t = result.Text;
        const size_t n = t.size();
        if (n < SBus::MIN_TELEGRAM || n > SBus::MAX_TELEGRAM) {
            failFrame(result, BusCode::FrameLength);
        } else {
            const uint8_t lengthByte = static_cast<uint8_t>(t[2]);
            const bool crc = (lengthByte & SBus::CRC_FLAG) != 0;
            size_t expected = lengthByte & 0x7F;
            if (expected == 0) expected = SBus::MAX_DATA;
            size_t dataLength;
            bool checkOk;
            if (crc) {
                const uint16_t received = static_cast<uint16_t>(
                    (static_cast<uint8_t>(t[n - 2]) << 8) | static_cast<uint8_t>(t[n - 1]));
                checkOk = received == TOOL_Crc16(t.substr(0, n - 2));
                dataLength = n - 5;
            } else {
                checkOk = static_cast<uint8_t>(t[n - 1]) == TOOL_Checksum8(t.substr(0, n - 1));
                dataLength = n - 4;
            }
            if (!checkOk) {
                failFrame(result, BusCode::Checksum);
            } else if (static_cast<uint8_t>(t[0]) != expectedTarget ||
                       static_cast<uint8_t>(t[1]) != expectedSource) {
                failFrame(result, BusCode::Address);
            } else if (dataLength != expected) {
                failFrame(result, BusCode::LengthField);
            } else {
                result.Text = t.substr(3, dataLength);
                acceptFrame();
            }
        }
    }
    applyFailureLimit(result);
}

namespace {

bool isRejection(long double code) {
    return BUS_CodeIs(code, 11) || BUS_CodeIs(code, 12) || BUS_CodeIs(code, 13) ||
           code >= SBus::NEGATIVE_BASE;
}

bool isHardFailure(long double code) {
    return BUS_CodeIs(code, 0) || BUS_CodeIs(code, 3) || BUS_CodeIs(code, 4) || BUS_CodeIs(code, 9);
}

}  // namespace

void SBusLayer::SBUS_StepOnErrorSkip(const TUSBREQ& request, TUSBREQ& out, long double code) {
    BUS_MoveStep(request, out,
                 isHardFailure(code) ? StepMove::Error
                 : isRejection(code) ? StepMove::Next
                                     : StepMove::Stay);
}

void SBusLayer::SBUS_StepOnError(const TUSBREQ& request, TUSBREQ& out, long double code) {
    BUS_MoveStep(request, out,
                 isHardFailure(code) || isRejection(code) ? StepMove::Error : StepMove::Stay);
}
