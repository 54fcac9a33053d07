// Frames between the PC and the diagnosis adapter:
//   01, command, 02, stuffed data, 03, stuffed CRC-16 (high, low), 04
// Every byte 00..05 inside data and CRC is sent as 05, byte + 0x50.
#pragma once

#include <cstdint>
#include <functional>

#include "records.h"

namespace Adp {
constexpr uint8_t SOF = 0x01;
constexpr uint8_t SOD = 0x02;
constexpr uint8_t EOD = 0x03;
constexpr uint8_t EOF_ = 0x04;
constexpr uint8_t ESC = 0x05;
constexpr uint8_t ESC_OFFSET = 0x50;

constexpr uint8_t CMD_BUS = 6;
constexpr uint8_t REPLY_FLAG = 0x80;
constexpr uint8_t SUB_BUS_CONFIG = 30;
constexpr uint8_t SUB_WAKEUP = 31;
constexpr uint8_t SUB_TRANSFER = 32;

constexpr uint8_t BUS_WBUS = 0;
constexpr uint8_t BUS_KLINE = 1;
constexpr uint8_t BUS_SBUS = 2;

constexpr uint8_t MODE_WBUS_DIAG = 3;
constexpr uint8_t MODE_WBUS_FLASH = 7;
constexpr uint8_t MODE_KLINE = 6;
constexpr uint8_t MODE_SBUS = 5;

constexpr size_t MAX_TELEGRAM = 256;
constexpr uint8_t STATUS_BASE = 0x20;
}  // namespace Adp

// Times handed to the adapter (milliseconds) in its own units of 1/1.024 ms.
uint8_t ADP_ConfigTimeA(long double ms);
uint8_t ADP_ConfigTimeB(long double ms);
uint8_t ADP_ConfigTimeC(long double ms);
uint16_t ADP_WakeupTime(long double ms);

class AdapterFrameProtocol {
public:
    static void ADP_Stuff(const ByteString& data, ByteString& result);
    static void ADP_BuildFrame(uint8_t command, const ByteString& data, ByteString& frame);
    static void ADP_BuildBusConfig(uint8_t bus, uint8_t mode, long double t1Ms, long double t2Ms,
                                   long double t3Ms, ByteString& frame);
    static void ADP_BuildWakeup(long double t1Ms, long double t2Ms, ByteString& frame);
    // A telegram longer than 256 bytes is sent as its first 256.
    static void ADP_BuildBusTransfer(const ByteString& telegram, ByteString& frame);

    // True when the reply is longer than n + 1 bytes, byte 1 is command | 0x80 and byte 2 is
    // sub. Every call flips ActivityBlink and asks for a status-bar repaint.
    bool ADP_CheckReply(uint8_t command, uint8_t sub, const ByteString& reply, int n);
    bool ADP_CheckBusConfigAck(const ByteString& reply) { return ADP_CheckReply(6, 30, reply, 0); }
    bool ADP_CheckWakeupAck(const ByteString& reply) { return ADP_CheckReply(6, 31, reply, 0); }
    // Invalid 1 with Value = adapter status - 0x20 (0 when no transfer reply); Invalid 0 with the
    // bus answer in Text when the status is 0 and an answer follows.
    void ADP_ParseBusReply(const ByteString& reply, TResult& result);

    uint8_t ActivityBlink = 0;
    std::function<void()> onStatusBarRepaint;
};
