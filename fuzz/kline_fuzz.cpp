// libFuzzer target of the K-Line layer: the receive routine and the decoder take arbitrary
// adapter replies, well-framed 11-byte answers or not, in sequences that drive the failure
// counter; the builder, the sender, the step helper and the texts run in between.
#include "fuzzbench.h"
#include "klinelayer.h"

namespace {

const std::vector<const char*> kKeys = {
    "CFGKUID",      "CFGPPGNR",  "CFGDATESG", "CFGHWVer",   "CFGSWVer", "CFGNAME",    "OVRUTEMP",
    "OVRUB",        "OVRUBG",    "OVRUFL",    "OVRZUSTAND", "OVRTEMP",  "OVRTEMPUNT", "OVRTEMPOBE",
    "OVRFLZUSTAND", "OVRLHS",    "OVRLUPFA",  "OVRLZUHI",   "OVRLSPAR", "OVRLBG",     "OVRLUP",
    "OVRLZFG",      "OVRLMV",    "OVRLBA",    "OVRLFA",     "OVRLTS",   "BETTEIN",    "BETTUP",
    "BETTBR",       "BETSTACNT", "CFGKEYBYTE"};

const uint8_t kServices[] = {0x21, 0x22, 0x81, 0xA1, 0x10, 0x14, 0x31};
// Identifiers and groups the decoder knows (D2 of the answer).
const uint8_t kIdentifiers[] = {0x1D, 0x1E, 0x22, 2, 3, 4, 1, 7, 0xFF};

ByteString klineFrame(const ByteString& data) {
    ByteString t{static_cast<char>(0x87), static_cast<char>(0xF1), static_cast<char>(0x9D)};
    ByteString d = data.substr(0, 7);
    d.resize(7, static_cast<char>(0xFF));
    t += d;
    unsigned s = 0;
    for (unsigned char c : t) s += c;
    return t + static_cast<char>(s & 0xFF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    FuzzBench bench(kKeys);
    KLineLayer layer(bench.env);
    for (int record = 0; record < 64 && !in.empty(); ++record) {
        const uint8_t op = in.byte(), flags = in.byte(), a = in.byte(), b = in.byte(),
                      c = in.byte();
        ByteString payload = in.bytes(in.byte());
        bench.unit = (flags >> 5) & 1;
        if (flags & 0x40) layer.KLINE_Reset();
        const uint8_t service = (flags & 0x80) ? kServices[b % sizeof kServices] : b;
        const uint8_t identifier = (flags & 0x80) ? kIdentifiers[c % sizeof kIdentifiers] : c;
        if (flags & 0x02)
            payload = ByteString{static_cast<char>(service | 0x40), static_cast<char>(identifier)} +
                      payload;
        ByteString answer = (flags & 0x01) ? klineFrame(payload) : payload;
        if (flags & 0x10) flipByte(answer, a);
        TResult r;
        switch (op % 4) {
            case 0:
                layer.KLINE_ReceiveAnswer((op & 0x80) ? a : 0xF1, (op & 0x40) ? c : 0x9D,
                                          adapterReplyFor(answer, flags, c), r);
                checkResult(r, {});
                if (!r.Invalid) require(r.Text.size() == 7);
                break;
            case 1:
                layer.KLINE_ReadAndDecode(adapterReplyFor(answer, flags, c), service,
                                          (op & 0x80) ? 0xFF : identifier, r);
                checkResult(r, {10, 11, 13});
                break;
            case 2: {
                FuzzInput pin(reinterpret_cast<const uint8_t*>(payload.data()), payload.size());
                ByteString built;
                require(layer.KLINE_BuildRequest(a, service, c, paramsFrom(pin), built));
                require(built.size() == 0 || built.size() == 1 || built.size() == 7);
                layer.KLINE_SendTelegram(a, b, c, payload + payload + payload);
                break;
            }
            case 3: {
                TUSBREQ req;
                req.Step = a;
                req.ErrorStep = c;
                TUSBREQ out;
                KLineLayer::KLINE_StepOnErrorSkip(req, out, static_cast<int8_t>(b));
                require(out.Step == req.Step || out.Step == req.Step + 1 ||
                        out.Step == req.ErrorStep);
                require(!KLineLayer::KLINE_StateText(a & 3, b).empty());
                require(!KLineLayer::KLINE_FlameStateText(a & 3, b).empty());
                ByteString text;
                KLineLayer::KLINE_ErrorCodeText(a & 3, in.int32(), text);
                KLineLayer::KLINE_StateText(a & 3, c, text);
                KLineLayer::KLINE_FlameStateText(a & 3, c, text);
                break;
            }
        }
        require(layer.failureCount() >= 0);
    }
    return 0;
}
