// What the three bus layers share: the frame-level error texts of the telegram log, the step
// helpers' common move, small text formatters, and the base that sends telegrams through the
// adapter and unwraps the adapter's transfer replies.
#pragma once

#include <cstdint>

#include "busenvironment.h"
#include "records.h"

// ---- texts ---------------------------------------------------------------------------------

// The red log text of a frame-level failure 0..8; empty for every other code.
ByteString BUS_FrameErrorText(int code);

// A byte sent by a control unit as text: Latin-1, so each byte is one character.
ByteString BUS_Latin1ToUtf8(const ByteString& bytes);
// Two upper-case hex digits.
ByteString BUS_Hex2(uint8_t byte);
// printf-style text ('.' is never involved: floats go through TOOL_FormatFloat).
ByteString BUS_Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
ByteString BUS_Decimal(int64_t value);

// ---- step helpers --------------------------------------------------------------------------

enum class StepMove { Stay, Next, Error };
// out := request, then the move: Next is Step + 1, Error is ErrorStep, Stay repeats the request.
void BUS_MoveStep(const TUSBREQ& request, TUSBREQ& out, StepMove move);
// True when the result code is exactly the whole number n.
bool BUS_CodeIs(long double code, int n);

// ---- the part of a layer that talks to the adapter -----------------------------------------

class BusLayerBase {
public:
    explicit BusLayerBase(BusEnvironment& env) : m_env(env) {}
    virtual ~BusLayerBase() = default;
    BusLayerBase(const BusLayerBase&) = delete;
    BusLayerBase& operator=(const BusLayerBase&) = delete;

    BusEnvironment& environment() { return m_env; }
    const BusEnvironment& environment() const { return m_env; }
    // Answers in a row that failed (shared by every caller of the layer).
    int32_t failureCount() const { return m_failures; }

protected:
    // Wraps the bus telegram into the adapter transfer command, hands it to the transport and
    // logs it as sent. True when the transport took the frame.
    bool sendBusTelegram(const ByteString& telegram);
    // ADP_ParseBusReply. An adapter-level failure 0..4 is logged in red; an adapter status
    // above 0x24 becomes BusCode::ReservedStatus and, like a status below 0x20, logs nothing.
    // A bus answer is logged as received. True when a bus answer follows.
    bool unwrapAdapterReply(const ByteString& reply, TResult& result);
    // A frame check failed: Invalid 1, Text cleared, Value = code, its text logged in red.
    void failFrame(TResult& result, int code);
    void countFailure();
    void resetFailures() { m_failures = 0; }
    // From the limit-th failure in a row on, every result becomes code 9 (not logged).
    void applyFailureLimit(TResult& result, int limit);

    void logLine(uint32_t colour, const ByteString& text);

    BusEnvironment& m_env;
    int32_t m_failures = 0;

private:
    AdapterFrameProtocol& adapter();
    AdapterFrameProtocol m_ownAdapter;
};
