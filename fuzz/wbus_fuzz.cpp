// libFuzzer target of the W-Bus layer: every receive routine and the decoders of both dialects
// take arbitrary adapter replies, well-framed or not, in sequences that drive the failure
// counter, the error entry index, the area table and the entry asked for; the builders and
// step helpers run in between.
#include "fuzzbench.h"
#include "wbusdialects.h"
#include "wbusdialectv.h"

namespace {

const std::vector<const char*> kKeys = {
    "OVRLHS",     "OVRLKL61",  "OVRLUPFA",    "OVRLKL15",    "OVRLBG",     "OVRLZFG",
    "OVRLMV",     "OVRLUP",    "OVRLFZG",     "OVRLDST",     "OVRLFLAZ",   "CFGKraft",
    "OVRTEMP",    "OVRUB",     "OVRLFL",      "BETTBR",      "BETTEIN",    "BETSTACNT",
    "OVRZUSTAND", "OVRSTFL",   "OVRÜHFL",     "OVRSAFL",     "OVRRZFL",    "OVRBG",
    "OVRUP",      "CFGSGID",   "CFGHWVER",    "CFGSWVER",    "CFGSWVEREE", "CFGDSID",
    "CFGDATESG",  "CFGDATEHG", "CFGKUID",     "CFGSNR",      "CFGPKENN",   "CFGWBUS",
    "CFGNAME",    "CFGUMIN",   "CFGTUMIN",    "CFGUMAX",     "CFGTUMAX",   "OVRERRCNT",
    "OVRUFL",     "OVRLSPAR1", "OVRLSPAR2",   "OVRLBA",      "OVRQP",      "OVRNL2FL",
    "OVRHAMA1",   "OVRHAMA2",  "OVRMAF",      "OVRBSFL",     "BETSTZ",     "OVRFLZUSTAND",
    "BETFAZ",     "BETTSGEIN", "BETTUP",      "OVRBGPWM",    "OVRBGRPM",   "OVRTEMPOBE",
    "OVRTEMPUNT", "BETSBGRPM", "BETSTEMPDST", "BETSTEMPUEH", "BETTEMPUEH", "BETTEMPDST",
    "BETTEMPLPT", "CFGHSKEN",  "CFGSWID"};

const uint8_t kCommands[] = {0x38, 0x42, 0x48, 0x50, 0x51, 0x53, 0x56, 0x60};

ByteString wbusFrame(const ByteString& payload) {
    ByteString f{0x4F, static_cast<char>(payload.size() + 1)};
    f += payload;
    uint8_t x = 0;
    for (unsigned char c : f) x ^= c;
    return f + static_cast<char>(x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    FuzzBench bench(kKeys);
    WBusLayer layer(bench.env);
    WBusDialectV dialect(layer);
    WBusDialectS dialectS(layer);
    for (int record = 0; record < 64 && !in.empty(); ++record) {
        const uint8_t op = in.byte(), flags = in.byte(), a = in.byte(), b = in.byte(),
                      c = in.byte();
        ByteString payload = in.bytes(in.byte());
        bench.unit = (flags >> 5) & 1;
        if (flags & 0x40) layer.WBUS_Reset();
        // decoder answers: a known command with its answer flag and the expected sub in front
        const uint8_t command = (flags & 0x80) ? kCommands[b % sizeof kCommands] : b;
        if (flags & 0x02)
            payload = ByteString{static_cast<char>(command | 0x80), static_cast<char>(c)} + payload;
        TResult r;
        switch (op % 7) {
            case 0: {
                ByteString answer = (flags & 0x01) ? wbusFrame(payload) : payload;
                if (flags & 0x10) flipByte(answer, a);
                layer.WBUS_ReceiveAnswer(15, 4, adapterReplyFor(answer, flags, c), r);
                checkResult(r, {});
                if (!r.Invalid) require(r.Text.size() + 3 <= answer.size());
                break;
            }
            case 1:
            case 2: {
                ByteString answer = payload;
                if (flags & 0x01) {
                    uint8_t x = 0;
                    for (unsigned char ch : answer) x ^= ch;
                    answer.push_back(static_cast<char>(x));
                }
                if (flags & 0x10) flipByte(answer, a);
                if (op % 7 == 1) {
                    layer.WBUS_ReceiveRaw(adapterReplyFor(answer, flags, c), r);
                    checkResult(r, {});
                } else {
                    layer.WBUS_ReceiveRawChecked(adapterReplyFor(answer, flags, c), a, b, r);
                    checkResult(r, {10, 11, 12});
                }
                break;
            }
            case 3: {
                ByteString answer = (flags & 0x01) ? wbusFrame(payload) : payload;
                if (flags & 0x10) flipByte(answer, op);
                layer.setErrorIndex(static_cast<int32_t>(a % 14));
                dialect.WBUS_ReadAndDecodeV(adapterReplyFor(answer, flags, c), a % 16, command,
                                            (op & 0x80) ? 255 : c, r);
                checkResult(r, {10, 11, 12, 13});
                break;
            }
            case 4: {
                FuzzInput pin(reinterpret_cast<const uint8_t*>(payload.data()), payload.size());
                const TParamlist p = paramsFrom(pin);
                ByteString built;
                require(dialect.WBUS_BuildRequestV(b, c, p, built));
                require(built.size() <= 253);
                require(layer.WBUS_BuildRawRequest(b, c, p, built));
                require(dialectS.WBUS_BuildRequestS(b, c, p, built));
                layer.WBUS_SendTelegram(a >> 4, a & 15, payload);
                layer.WBUS_SendRaw(payload);
                break;
            }
            case 5: {
                TUSBREQ req;
                req.Step = static_cast<int32_t>(a) * 1000 - 500;
                req.ErrorStep = c;
                const long double code = static_cast<int8_t>(b);
                TUSBREQ out;
                WBusLayer::WBUS_StepOnErrorSkip(req, out, code);
                require(out.Step == req.Step || out.Step == req.Step + 1 ||
                        out.Step == req.ErrorStep);
                WBusLayer::WBUS_StepOnError(req, out, code);
                require(out.Step == req.Step || out.Step == req.ErrorStep);
                const uint8_t area = a % 7;
                layer.WBUS_StoreArea(area, static_cast<int8_t>(b) * 3.7L, c, a * 1e9L, -c, 0);
                if (area < 1 || area > 4) require(layer.WBUS_GetAreaWordA(area) == -1);
                require(!WBusDialectV::WBUS_ErrorCodeTextV(a & 1 ? 1 : 3, b).empty() || b == 0);
                WBusDialectV::WBUS_StateTextV(a & 3, static_cast<int32_t>(b) << (c % 24) | c);
                ByteString text;
                WBusDialectV::WBUS_RoutineResultText(c, text);
                WBusDialectV::WBUS_ErrorCodeTextV(a & 3, c, text);
                WBusDialectV::WBUS_StateTextV(a & 3, in.int32(), text);
                require(!WBusDialectS::WBUS_ErrorCodeTextS(a & 1 ? 3 : 1, b).empty() || b == 0);
                WBusDialectS::WBUS_StateTextS(a & 3, in.int32(), text);
                WBusDialectS::WBUS_FlameStateText(a & 3, c, text);
                WBusDialectS::WBUS_WeekdayText(b, text);
                break;
            }
            case 6: {
                // dialect S: the entry asked for and the error entry index move independently
                ByteString answer = (flags & 0x01) ? wbusFrame(payload) : payload;
                if (flags & 0x10) flipByte(answer, op);
                if (flags & 0x04) {
                    TParamlist p;
                    p[1].Value = (flags & 0x08) ? 2 : 1;
                    p[2].Text = ByteString(1, static_cast<char>(a % 14));
                    ByteString built;
                    dialectS.WBUS_BuildRequestS((flags & 0x08) ? 0x56 : 0x38, 2, p, built);
                }
                if (flags & 0x20) layer.setErrorIndex(static_cast<int32_t>(a % 14));
                const int32_t failuresBefore = layer.failureCount();
                dialectS.WBUS_ReadAndDecodeS(adapterReplyFor(answer, flags, c), a % 24, command,
                                             (op & 0x80) ? 255 : c, r);
                checkResult(r, {10, 11, 12, 13});
                // an answer to another request never resets the count
                if (r.Invalid && r.Value == BusCode::WrongAnswer)
                    require(layer.failureCount() == failuresBefore + 1);
                break;
            }
        }
        require(layer.failureCount() >= 0);
    }
    return 0;
}
