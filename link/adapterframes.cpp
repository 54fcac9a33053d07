#include "adapterframes.h"

#include <algorithm>

#include "checksums.h"
#include "rounding.h"

namespace {
uint8_t limitByte(int64_t v) {
    return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255));
}
}  // namespace

uint8_t ADP_ConfigTimeA(long double ms) {
    return limitByte(TOOL_Round64(ms * 1.024L) + 1);
}
uint8_t ADP_ConfigTimeB(long double ms) {
    return limitByte((TOOL_Round64(ms * 1.024L) + 1) / 2);
}
uint8_t ADP_ConfigTimeC(long double ms) {
    return limitByte((TOOL_Round64(ms * 1.024L) + 1) / 4);
}
uint16_t ADP_WakeupTime(long double ms) {
    return static_cast<uint16_t>(std::clamp<int64_t>(TOOL_Round64(ms * 1.024L), 0, 65535));
}

void AdapterFrameProtocol::ADP_Stuff(const ByteString& data, ByteString& result) {
    result.clear();
    result.reserve(data.size() * 2);
    for (unsigned char b : data) {
        if (b <= Adp::ESC) {
            result.push_back(static_cast<char>(Adp::ESC));
            result.push_back(static_cast<char>(b + Adp::ESC_OFFSET));
        } else {
            result.push_back(static_cast<char>(b));
        }
    }
}

void AdapterFrameProtocol::ADP_BuildFrame(uint8_t command, const ByteString& data,
                                          ByteString& frame) {
    ByteString crcInput;
    crcInput.push_back(static_cast<char>(command));
    crcInput += data;
    const uint16_t crc = TOOL_Crc16(crcInput);
    ByteString stuffedData, stuffedCrc;
    ADP_Stuff(data, stuffedData);
    ADP_Stuff(ByteString{static_cast<char>(crc >> 8), static_cast<char>(crc & 0xFF)}, stuffedCrc);
    frame.clear();
    frame.push_back(static_cast<char>(Adp::SOF));
    frame.push_back(static_cast<char>(command));
    frame.push_back(static_cast<char>(Adp::SOD));
    frame += stuffedData;
    frame.push_back(static_cast<char>(Adp::EOD));
    frame += stuffedCrc;
    frame.push_back(static_cast<char>(Adp::EOF_));
}

void AdapterFrameProtocol::ADP_BuildBusConfig(uint8_t bus, uint8_t mode, long double t1Ms,
                                              long double t2Ms, long double t3Ms,
                                              ByteString& frame) {
    const ByteString data{static_cast<char>(Adp::SUB_BUS_CONFIG),
                          static_cast<char>(bus),
                          static_cast<char>(mode),
                          static_cast<char>(ADP_ConfigTimeA(t1Ms)),
                          static_cast<char>(ADP_ConfigTimeB(t2Ms)),
                          static_cast<char>(ADP_ConfigTimeC(t3Ms))};
    ADP_BuildFrame(Adp::CMD_BUS, data, frame);
}

void AdapterFrameProtocol::ADP_BuildWakeup(long double t1Ms, long double t2Ms, ByteString& frame) {
    const uint16_t w1 = ADP_WakeupTime(t1Ms), w2 = ADP_WakeupTime(t2Ms);
    const ByteString data{static_cast<char>(Adp::SUB_WAKEUP), static_cast<char>(w1 & 0xFF),
                          static_cast<char>(w1 >> 8), static_cast<char>(w2 & 0xFF),
                          static_cast<char>(w2 >> 8)};
    ADP_BuildFrame(Adp::CMD_BUS, data, frame);
}

void AdapterFrameProtocol::ADP_BuildBusTransfer(const ByteString& telegram, ByteString& frame) {
    ByteString data;
    data.push_back(static_cast<char>(Adp::SUB_TRANSFER));
    data += telegram.substr(0, Adp::MAX_TELEGRAM);
    ADP_BuildFrame(Adp::CMD_BUS, data, frame);
}

bool AdapterFrameProtocol::ADP_CheckReply(uint8_t command, uint8_t sub, const ByteString& reply,
                                          int n) {
    ActivityBlink ^= 1;
    if (onStatusBarRepaint) onStatusBarRepaint();
    if (n < 0) n = 0;
    if (static_cast<long long>(reply.size()) <= static_cast<long long>(n) + 1) return false;
    // Only the adapter's own replies carry the reply flag: a frame headed by the bare command
    // is the PC's own frame (an echoing line, a loop-back cable) and never an answer.
    return static_cast<uint8_t>(reply[0]) == (command | Adp::REPLY_FLAG) &&
           static_cast<uint8_t>(reply[1]) == sub;
}

void AdapterFrameProtocol::ADP_ParseBusReply(const ByteString& reply, TResult& result) {
    result.clear();
    if (!ADP_CheckReply(Adp::CMD_BUS, Adp::SUB_TRANSFER, reply, 1)) return;
    result.Value = static_cast<int>(static_cast<uint8_t>(reply[2])) - Adp::STATUS_BASE;
    if (result.Value == 0 && reply.size() > 3) {
        result.Invalid = 0;
        result.Text = reply.substr(3);
    }
}
