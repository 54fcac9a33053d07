// What the three bus layers share: the frame-level error texts of the telegram log, the step
// helpers' common move, small text formatters, and the base that sends telegrams through the
// adapter and unwraps the adapter's transfer replies.
#pragma once

#include <cstdint>
#include <optional>

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
// True when a failed answer is the unit's own no to the request: its refusal (11), an answer
// too short to be its yes (12) or an S-Bus negative answer (20..27). After any other failure
// (no answer, a damaged, late or foreign one) the unit may have carried the request out.
bool BUS_UnitRefused(long double code);
// The W-Bus and K-Line rule after a failed answer: codes 0, 3, 4 and 9 go to the error step,
// 11 to 13 skip to the next step, any other code repeats the request.
void BUS_StepOnErrorSkip(const TUSBREQ& request, TUSBREQ& out, long double code);

// ---- the part of a layer that talks to the adapter -----------------------------------------

// Every layer keeps to one rule about which answer belongs to which request. Exactly one
// request is outstanding at a time, and the transfer thread throws away whatever it received
// before it writes a frame; still, an answer may come late, twice or after a repetition of its
// frame, and be handed over as the reply to a later request. So the decoders hold every answer
// against the request it is taken for, and store nothing from one that says it answers
// another:
//
//   code 11  the control unit refused this very request (its negative answer). Kept as the
//            unit's word: it does not count towards the failure limit.
//   code 12  the answer is too short. Does not count either.
//   code 13  the answer belongs to another request: another command, service or message ID,
//            another page, sub-command, identifier or sub-identifier, or another error-memory
//            entry than the one asked for. It counts towards the layer's failure limit like a
//            damaged frame.
//
// A reply to a frame that the transport had to write more than once is taken, but counts
// towards the limit too: it may be the late answer to the earlier write. The same holds for a
// request that a caller asks again right after its answer was another request's (an error
// entry asked once more): the answer that fits it may be the late one to the first asking. So
// a link whose answers all come after the reply time-out ends in code 9 within a few exchanges
// instead of running on stale or frozen values.
//
// The layer records the data of the request the transport took last (sentRequest()); a
// decoder compares the fields the answer echoes with it and calls rejectForeignAnswer() on a
// mismatch, before it stores anything.
class BusLayerBase {
public:
    BusLayerBase(BusEnvironment& env, int failureLimit)
        : m_env(env), m_failureLimit(failureLimit) {}
    virtual ~BusLayerBase() = default;
    BusLayerBase(const BusLayerBase&) = delete;
    BusLayerBase& operator=(const BusLayerBase&) = delete;

    BusEnvironment& environment() { return m_env; }
    const BusEnvironment& environment() const { return m_env; }
    // Answers in a row that failed (shared by every caller of the layer).
    int32_t failureCount() const { return m_failures; }
    int failureLimit() const { return m_failureLimit; }

    // The data of the request the transport took last (W-Bus: the payload, command first;
    // K-Line: the data, service first; S-Bus: the data, message ID first). Empty before the
    // first request, after the layer's reset and after a raw W-Bus frame.
    const ByteString& sentRequest() const { return m_sentRequest; }
    // The byte at index i of sentRequest(), or nothing when the request is shorter.
    std::optional<uint8_t> sentByte(size_t i) const;

    // The answer just accepted by the layer's receive routine answers another request than
    // the awaited one: Invalid 1, Value 13, Text kept. It counts as a failed answer, so from
    // the layer's failure limit on it becomes code 9 (Text cleared). Call it at most once per
    // answer, right after the receive routine accepted it and before anything is stored.
    void rejectForeignAnswer(TResult& result);
    // The same when the answer's byte at answerIndex must repeat the request's byte at
    // requestIndex: true (and the answer rejected) when both exist and differ. Nothing is
    // compared when the layer has no record of a request.
    bool rejectUnlessEchoed(TResult& result, const ByteString& answer, size_t answerIndex,
                            size_t requestIndex);

protected:
    // Wraps the bus telegram into the adapter transfer command, hands it to the transport and
    // logs it as sent; requestData is what sentRequest() holds once the transport took the
    // frame. True when the transport took it.
    bool sendBusTelegram(const ByteString& telegram, const ByteString& requestData);
    // ADP_ParseBusReply. An adapter-level failure 0..4 is logged in red; an adapter status
    // above 0x24 becomes BusCode::ReservedStatus and, like a status below 0x20, logs nothing.
    // A bus answer is logged as received. True when a bus answer follows.
    bool unwrapAdapterReply(const ByteString& reply, TResult& result);
    // A frame check failed: Invalid 1, Text cleared, Value = code, its text logged in red.
    void failFrame(TResult& result, int code);
    // Every answer counts as failed until the frame checks pass.
    void countFailure();
    // The frame checks passed: the count restarts (kept aside in case a decoder then finds
    // that the answer belongs to another request), unless the transport had to write the
    // frame more than once or the request was asked again after a foreign answer.
    void acceptFrame();
    void resetFailures();
    // From the limit-th failure in a row on, every result becomes code 9 (not logged).
    void applyFailureLimit(TResult& result);
    void forgetRequest() {
        m_sentRequest.clear();
        m_lastForeign = m_askedAgain = false;
    }

    void logLine(uint32_t colour, const ByteString& text);

    BusEnvironment& m_env;
    int32_t m_failures = 0;

private:
    AdapterFrameProtocol& adapter();
    AdapterFrameProtocol m_ownAdapter;
    const int m_failureLimit;
    ByteString m_sentRequest;
    // The count the last accepted answer would have made had it failed; -1 when the last
    // answer was not accepted (or has already been judged).
    int32_t m_countIfForeign = -1;
    // The answer to the request recorded was refused as another request's; the request now
    // awaited is that same request asked again.
    bool m_lastForeign = false;
    bool m_askedAgain = false;
};
