// Sending and checking K-Line telegrams; the request builder.
#include "fieldcodec.h"
#include "klinelayer.h"

namespace {

uint8_t sumOf(const ByteString& bytes, size_t count) {
    unsigned s = 0;
    for (size_t i = 0; i < count && i < bytes.size(); ++i) s += static_cast<uint8_t>(bytes[i]);
    return static_cast<uint8_t>(s & 0xFF);
}

}  // namespace

KLineLayer::KLineLayer(BusEnvironment& env) : BusLayerBase(env, KLine::FAILURE_LIMIT) {
    KLINE_Reset();
}

void KLineLayer::KLINE_Reset() {
    resetFailures();
    forgetRequest();
    m_tester = KLine::TESTER;
    m_controlUnit = KLine::CONTROL_UNIT;
}

bool KLineLayer::KLINE_SendTelegram(uint8_t format, uint8_t source, uint8_t target,
                                    const ByteString& data) {
    ByteString telegram;
    telegram.push_back(static_cast<char>(format));
    telegram.push_back(static_cast<char>(target));
    telegram.push_back(static_cast<char>(source));
    const ByteString d = data.substr(0, KLine::MAX_DATA);
    telegram += d;
    telegram.push_back(static_cast<char>(sumOf(telegram, telegram.size())));
    return sendBusTelegram(telegram, d);
}

void KLineLayer::KLINE_ReceiveAnswer(uint8_t expectedTarget, uint8_t expectedSource,
                                     const ByteString& reply, TResult& result) {
    countFailure();
    if (unwrapAdapterReply(reply, result)) {
        const ByteString t = result.Text;
        if (t.size() != KLine::ANSWER_LENGTH) {
            failFrame(result, BusCode::FrameLength);
        } else if (static_cast<uint8_t>(t[10]) != sumOf(t, 10)) {
            failFrame(result, BusCode::Checksum);
        } else if (static_cast<uint8_t>(t[1]) != expectedTarget ||
                   static_cast<uint8_t>(t[2]) != expectedSource) {
            failFrame(result, BusCode::Address);
        } else {
            result.Text = t.substr(3, 7);
            acceptFrame();
        }
    }
    applyFailureLimit(result);
}

void KLineLayer::KLINE_StepOnErrorSkip(const TUSBREQ& request, TUSBREQ& out, long double code) {
    BUS_StepOnErrorSkip(request, out, code);
}

bool KLineLayer::KLINE_BuildRequest(uint8_t format, uint8_t service, uint8_t count,
                                    const TParamlist& params, ByteString& data) {
    data.clear();
    auto u8 = [&](int k) {
        TOOL_EncodeField(8, params[static_cast<size_t>(k)], std::nullopt, data);
    };
    // Seven data bytes: the service, its parameters, then 0xFF.
    auto service7 = [&](int paramCount, bool routine2 = false) {
        data.push_back(static_cast<char>(service));
        if (routine2) data.push_back(0x02);
        for (int k = 1; k <= paramCount; ++k) u8(k);
        data.resize(7, static_cast<char>(0xFF));
    };
    switch (service) {
        case 0x10:
        case 0x34:
        case 0xA1:
            service7(1);
            break;
        case 0x14:
        case 0x20:
        case 0x3E:
            service7(0);
            break;
        case 0x21:
            if (count == 1 || count == 2) service7(count);
            break;
        case 0x22:
            service7(2);
            break;
        case 0x2E:
            service7(3);
            break;
        case 0x31:
            service7(5, true);
            break;
        case 0x81:
            data.push_back(static_cast<char>(service));
            break;
        default:
            break;
    }
    return KLINE_SendTelegram(format, m_tester, m_controlUnit, data);
}
