// libFuzzer target of the S-Bus layer: the receive routine and the decoder take arbitrary
// adapter replies, with the checksum or the CRC-16, well-framed or not, in sequences that drive
// the failure counter, the status flag and the area sizes; the builder, the sender, the step
// helpers and the formatters run in between.
#include "checksums.h"
#include "fuzzbench.h"
#include "sbuskeys.h"
#include "sbuslayer.h"

namespace {

const uint8_t kIds[] = {0,   20,  27,  38,  39,  47,  48,  49,  70,  81,  82,  83, 84, 90,
                        150, 151, 152, 153, 154, 155, 158, 159, 160, 161, 162, 2,  99};

ByteString sbusFrame(const ByteString& data, bool crc, uint8_t source) {
    const ByteString d = data.substr(0, 128);
    const uint8_t len = static_cast<uint8_t>((d.size() >= 128 ? 0 : d.size()) | (crc ? 0x80 : 0));
    ByteString t{0x01, static_cast<char>(source), static_cast<char>(len)};
    t += d;
    if (crc) {
        const uint16_t c = TOOL_Crc16(t);
        return t + static_cast<char>(c >> 8) + static_cast<char>(c & 0xFF);
    }
    return t + static_cast<char>(TOOL_Checksum8(t));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    FuzzBench bench(sbusKeys());
    SBusLayer layer(bench.env);
    for (int record = 0; record < 64 && !in.empty(); ++record) {
        const uint8_t op = in.byte(), flags = in.byte(), a = in.byte(), b = in.byte(),
                      c = in.byte();
        ByteString payload = in.bytes(in.byte());
        bench.unit = (flags >> 5) & 1;
        if (flags & 0x40) layer.SBUS_Reset();
        const uint8_t id = (flags & 0x80) ? kIds[b % sizeof kIds] : b;
        if (flags & 0x02) payload = ByteString(1, static_cast<char>(id)) + payload;
        ByteString answer =
            (flags & 0x01) ? sbusFrame(payload, op & 0x20, layer.deviceAddress()) : payload;
        if (flags & 0x10) flipByte(answer, a);
        TResult r;
        switch (op % 4) {
            case 0:
                layer.SBUS_ReceiveAnswer(1, (op & 0x80) ? c : layer.deviceAddress(),
                                         adapterReplyFor(answer, flags, c), r);
                checkResult(r, {});
                if (!r.Invalid) require(!r.Text.empty() && r.Text.size() <= 128);
                break;
            case 1:
                layer.SBUS_ReadAndDecode(0, adapterReplyFor(answer, flags, c), a % 70, id, r);
                checkResult(r, {10, 12, 13, 20, 21, 22, 23, 24, 25, 26, 27});
                if (r.Invalid && r.Value >= 20) require(r.Text.size() <= 1);
                break;
            case 2: {
                FuzzInput pin(reinterpret_cast<const uint8_t*>(payload.data()), payload.size());
                ByteString built;
                require(layer.SBUS_BuildRequest(a & 1, id, c, paramsFrom(pin), built));
                require(!built.empty() && static_cast<uint8_t>(built[0]) == id);
                layer.SBUS_SendTelegram(a, b, c & 1, payload + payload);
                break;
            }
            case 3: {
                TUSBREQ req;
                req.Step = a;
                req.ErrorStep = c;
                TUSBREQ out;
                const long double code = static_cast<int8_t>(b);
                SBusLayer::SBUS_StepOnErrorSkip(req, out, code);
                require(out.Step == req.Step || out.Step == req.Step + 1 ||
                        out.Step == req.ErrorStep);
                SBusLayer::SBUS_StepOnError(req, out, code);
                require(out.Step == req.Step || out.Step == req.ErrorStep);
                if (op & 0x40) layer.SBUS_SetDeviceAddress(a);
                layer.SBUS_SetAreaSize(b % 8, in.int32());
                if (b % 8 > 3) require(layer.SBUS_GetAreaSize(b % 8) == 0xFFFF);
                layer.SBUS_TakeStatusChanged();
                require(layer.SBUS_TakeStatusChanged() == 0);
                SBusLayer::SBUS_FormatPatchDate(in.int32(), in.int32(), in.int32());
                SBusLayer::SBUS_FormatHoursMinutes(in.int32(), in.int32());
                SBusLayer::SBUS_FormatSeconds(static_cast<uint32_t>(in.int32()));
                ByteString text;
                SBusLayer::SBUS_FingerprintStateText(in.int32(), text);
                SBusLayer::SBUS_FormatPatchDate(in.int32(), in.int32(), in.int32(), text);
                SBusLayer::SBUS_FormatHoursMinutes(in.int32(), in.int32(), text);
                SBusLayer::SBUS_FormatSeconds(static_cast<uint32_t>(in.int32()), text);
                break;
            }
        }
        require(layer.failureCount() >= 0);
    }
    return 0;
}
