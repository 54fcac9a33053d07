// Shared value records exchanged by every part of the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// A counted byte string that may hold any byte value, zero included. Telegrams, reply
// payloads and display texts all use it. Display texts are UTF-8.
using ByteString = std::string;

// One typed value, and also the outcome of one bus exchange.
// Cleared state: Bit 0, Value 0, Text empty, Invalid 1.
// As an exchange outcome: Invalid 0 = reply accepted, Text holds the payload;
// Invalid 1 = not accepted, Value holds the result code.
struct TResult {
    uint8_t Bit = 0;
    long double Value = 0;  // x86 extended: holds 64-bit integers exactly
    ByteString Text;
    uint8_t Invalid = 1;

    void clear() { *this = TResult{}; }
    static TResult cleared() { return TResult{}; }
    static TResult ofValue(long double v) {
        TResult r;
        r.Value = v;
        r.Invalid = 0;
        return r;
    }
    static TResult ofText(const ByteString& t) {
        TResult r;
        r.Text = t;
        r.Invalid = 0;
        return r;
    }
    // A failed exchange carrying its result code.
    static TResult failure(long double code) {
        TResult r;
        r.Value = code;
        return r;
    }
};

inline bool operator==(const TResult& a, const TResult& b) {
    return a.Bit == b.Bit && a.Value == b.Value && a.Text == b.Text && a.Invalid == b.Invalid;
}
inline bool operator!=(const TResult& a, const TResult& b) {
    return !(a == b);
}

// Eleven values handed to a telegram builder; parameter k is element k (1..10), element 0 unused.
using TParamlist = std::array<TResult, 11>;

// What the transfer thread hands over with a reply.
enum TUSBReplyCode : uint8_t {
    USB_REPLY_RECEIVED = 0,  // reply received, or a timed wait elapsed
    USB_REPLY_SWITCHED_OFF = 2,
    USB_REPLY_NO_ANSWER = 4,
};

// Step record of one request client.
struct TUSBREQ {
    uint8_t Active = 0;     // 1 = sent a request and awaits its reply
    int32_t Step = 0;       // current step (0 = idle)
    int32_t ErrorStep = 0;  // step taken when the transfer fails
    uint8_t Code = 0;       // TUSBReplyCode of the last reply
    ByteString Reply;       // last reply: command, sub-command, status, payload
};

// One entry of the data-point table.
struct TWerteDaten {
    ByteString Key;  // stored upper-case
    ByteString Caption;
    TResult Value;
    ByteString Unit;
};

// Result codes of a failed exchange (TResult.Value with Invalid 1).
namespace BusCode {
constexpr int Data = 0;     // no usable reply
constexpr int Send = 1;     // adapter could not send on the bus
constexpr int Timeout = 2;  // no bus answer within the adapter's time
constexpr int Init = 3;     // bus initialisation failed
constexpr int Length = 4;   // bus answer length fault
constexpr int FrameLength = 5;
constexpr int Checksum = 6;
constexpr int Address = 7;
constexpr int LengthField = 8;
constexpr int FailureLimit = 9;
constexpr int Empty = 10;
constexpr int Rejected = 11;
constexpr int TooShort = 12;
constexpr int WrongAnswer = 13;
// An adapter status above 0x24: outside every code table, treated as "any other code".
constexpr int ReservedStatus = -100;
}  // namespace BusCode
