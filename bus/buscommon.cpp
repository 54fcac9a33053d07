#include "buscommon.h"

#include <cstdarg>
#include <cstdio>
#include <initializer_list>
#include <limits>

#include "sbuslayer.h"
#include "translate.h"

ByteString BUS_FrameErrorText(int code) {
    switch (code) {
        case BusCode::Data:
            return TR("Bus", "Fehler: Daten");
        case BusCode::Send:
            return TR("Bus", "Fehler: Senden");
        case BusCode::Timeout:
            return TR("Bus", "Fehler: TimeOut");
        case BusCode::Init:
            return TR("Bus", "Fehler: Init");
        case BusCode::Length:
        case BusCode::FrameLength:
        case BusCode::LengthField:
            return TR("Bus", "Fehler: Länge");
        case BusCode::Checksum:
            return TR("Bus", "Fehler: Checksumme");
        case BusCode::Address:
            return TR("Bus", "Fehler: Adresse");
        default:
            return ByteString();
    }
}

ByteString BUS_Latin1ToUtf8(const ByteString& bytes) {
    ByteString r;
    r.reserve(bytes.size());
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            r.push_back(static_cast<char>(c));
        } else {
            r.push_back(static_cast<char>(0xC0 | (c >> 6)));
            r.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return r;
}

ByteString BUS_Hex2(uint8_t byte) {
    static const char kHex[] = "0123456789ABCDEF";
    return ByteString{kHex[byte >> 4], kHex[byte & 15]};
}

ByteString BUS_Format(const char* format, ...) {
    char buf[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    if (n < 0) return ByteString();
    return ByteString(
        buf, static_cast<size_t>(n) < sizeof buf ? static_cast<size_t>(n) : sizeof buf - 1);
}

ByteString BUS_Decimal(int64_t value) {
    return std::to_string(value);
}

void BUS_MoveStep(const TUSBREQ& request, TUSBREQ& out, StepMove move) {
    TUSBREQ r = request;  // request and out may be the same record
    if (move == StepMove::Error)
        r.Step = r.ErrorStep;
    else if (move == StepMove::Next && r.Step < std::numeric_limits<int32_t>::max())
        ++r.Step;
    out = r;
}

void BUS_StepOnErrorSkip(const TUSBREQ& request, TUSBREQ& out, long double code) {
    StepMove move = StepMove::Stay;
    for (int c : {0, 3, 4, 9})
        if (BUS_CodeIs(code, c)) move = StepMove::Error;
    for (int c : {11, 12, 13})
        if (BUS_CodeIs(code, c)) move = StepMove::Next;
    BUS_MoveStep(request, out, move);
}

bool BUS_CodeIs(long double code, int n) {
    return code == static_cast<long double>(n);
}

bool BUS_UnitRefused(long double code) {
    return BUS_CodeIs(code, BusCode::Rejected) || BUS_CodeIs(code, BusCode::TooShort) ||
           code >= SBus::NEGATIVE_BASE;
}

AdapterFrameProtocol& BusLayerBase::adapter() {
    return m_env.adapter ? *m_env.adapter : m_ownAdapter;
}

void BusLayerBase::logLine(uint32_t colour, const ByteString& text) {
    if (m_env.log) m_env.log->LogLine(colour, text);
}

bool BusLayerBase::sendBusTelegram(const ByteString& telegram, const ByteString& requestData) {
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildBusTransfer(telegram, frame);
    const bool taken = m_env.transport && m_env.transport->SendFrame(frame);
    // A frame the transport did not take awaits no answer: the record stays with the request
    // whose answer is still to come.
    if (taken) {
        m_askedAgain = m_lastForeign && requestData == m_sentRequest;
        m_lastForeign = false;
        m_sentRequest = requestData;
    }
    if (m_env.log) m_env.log->LogTx(telegram);
    return taken;
}

std::optional<uint8_t> BusLayerBase::sentByte(size_t i) const {
    if (i >= m_sentRequest.size()) return std::nullopt;
    return static_cast<uint8_t>(m_sentRequest[i]);
}

bool BusLayerBase::unwrapAdapterReply(const ByteString& reply, TResult& result) {
    adapter().ADP_ParseBusReply(reply, result);
    if (result.Invalid) {
        result.Text.clear();
        if (result.Value >= BusCode::Data && result.Value <= BusCode::Length) {
            logLine(LogColour::Red, BUS_FrameErrorText(static_cast<int>(result.Value)));
        } else if (result.Value > BusCode::Length) {
            result.Value = BusCode::ReservedStatus;
        }
        return false;
    }
    if (m_env.log) m_env.log->LogRx(result.Text);
    return true;
}

void BusLayerBase::failFrame(TResult& result, int code) {
    result.Invalid = 1;
    result.Text.clear();
    result.Value = code;
    logLine(LogColour::Red, BUS_FrameErrorText(code));
}

void BusLayerBase::countFailure() {
    m_countIfForeign = -1;
    if (m_failures < std::numeric_limits<int32_t>::max()) ++m_failures;
}

void BusLayerBase::acceptFrame() {
    m_countIfForeign = m_failures;
    // A reply that came only after its frame was written again may be the late answer to the
    // earlier write: its content answers this request, but it does not show a link that
    // answers in time, so it leaves the count running. A link whose answers all come late thus
    // reaches the failure limit, whatever order the late answers arrive in. A request asked
    // again after a foreign answer is such a repetition too.
    const bool repeated = m_env.transport && m_env.transport->ReplyAfterRepetition();
    if (!repeated && !m_askedAgain) m_failures = 0;
}

void BusLayerBase::resetFailures() {
    m_failures = 0;
    m_countIfForeign = -1;
    m_lastForeign = m_askedAgain = false;
}

void BusLayerBase::applyFailureLimit(TResult& result) {
    if (m_failures < m_failureLimit) return;
    result.Invalid = 1;
    result.Text.clear();
    result.Value = BusCode::FailureLimit;
}

void BusLayerBase::rejectForeignAnswer(TResult& result) {
    result.Invalid = 1;
    result.Value = BusCode::WrongAnswer;
    m_lastForeign = true;
    if (m_countIfForeign >= 0) {
        // The frame checks had restarted the count: this answer failed after all.
        m_failures = m_countIfForeign;
        m_countIfForeign = -1;
    }
    applyFailureLimit(result);
}

bool BusLayerBase::rejectUnlessEchoed(TResult& result, const ByteString& answer, size_t answerIndex,
                                      size_t requestIndex) {
    const std::optional<uint8_t> asked = sentByte(requestIndex);
    if (!asked || answerIndex >= answer.size()) return false;
    if (static_cast<uint8_t>(answer[answerIndex]) == *asked) return false;
    rejectForeignAnswer(result);
    return true;
}
