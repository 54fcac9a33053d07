// The parameter-set transfer of the classes that move single cells or short runs: the K-Line
// unit (class 2, four cells per read, one per write) and the S-Bus units (class 4 with runs of
// up to 8 cells, class 5 with runs of up to 120 in memory area 1).
#include "buslayers.h"
#include "eolparamset.h"
#include "transferprogress.h"

namespace {

TResult num(long double v) { return TResult::ofValue(v); }

TParamlist params(std::initializer_list<TResult> values) {
    TParamlist p;
    size_t k = 1;
    for (const TResult& v : values) p[k++] = v;
    return p;
}

constexpr int32_t AddressEnd = 0x10000;  // a read never goes past 0xFFFF
constexpr int32_t Class5MaxRun = 120;

}  // namespace

// ---- request builders ----

bool EolParamSetService::reqFam2Open() {
    ByteString data;
    return m_ports.buses.kline.KLINE_BuildRequest(0x87, 0x34, 1, params({num(1)}), data);
}

bool EolParamSetService::reqFam2Read(int32_t address) {
    ByteString data;
    return m_ports.buses.kline.KLINE_BuildRequest(0x87, 0x22, 2, params({num(0x21), num(address)}),
                                                  data);
}

bool EolParamSetService::reqFam2Write(int32_t index) {
    if (index > WorkSet.Count) return false;
    const TEolItem& it = WorkSet.item(index);
    ExpectedValue = it.Value;
    ByteString data;
    return m_ports.buses.kline.KLINE_BuildRequest(
        0x87, 0x2E, 3, params({num(0x21), num(it.Address), num(it.Value)}), data);
}

bool EolParamSetService::reqFam4Read(int32_t address) {
    ByteString data;
    return m_ports.buses.sbus.SBUS_BuildRequest(0, 151, 2, params({num(address), num(8)}), data);
}

bool EolParamSetService::reqFam5Read(int32_t address, int32_t length) {
    ByteString data;
    const int32_t n = std::min(length, Class5MaxRun);
    return m_ports.buses.sbus.SBUS_BuildRequest(0, 152, 3, params({num(1), num(address), num(n)}),
                                                data);
}

bool EolParamSetService::reqSBusWrite(int32_t index, uint8_t messageId, int32_t maxRun) {
    const int32_t n = runLength(index, maxRun);
    if (n == 0) return false;
    ByteString cells;
    for (int32_t i = 0; i < n; ++i) cells.push_back(static_cast<char>(WorkSet.item(index + i).Value));
    PageOrCount = n;
    ByteString data;
    if (messageId == 151)
        return m_ports.buses.sbus.SBUS_BuildRequest(
            0, 151, 3, params({num(CurAddress), num(n), TResult::ofText(cells)}), data);
    return m_ports.buses.sbus.SBUS_BuildRequest(
        0, 152, 4, params({num(1), num(CurAddress), num(n), TResult::ofText(cells)}), data);
}

// ---- steps ----

void EolParamSetService::buildSimpleStep() {
    const uint8_t cls = DeviceClass;
    auto addressOfCurrent = [this] {
        if (CurIndex <= WorkSet.Count) CurAddress = WorkSet.item(CurIndex).Address;
    };
    switch (Req.Step) {
        case 10:
            if (cls == 2) {
                sent(reqFam2Open(), 12);
            } else if (cls == 4 || cls == 5) {
                addressOfCurrent();
                Req.Step = 11;
                sent(reqSBusWrite(CurIndex, cls == 4 ? 151 : 152, cls == 4 ? 8 : Class5MaxRun), 12);
            } else {
                Req.Step = 12;
            }
            return;
        case 11:
            addressOfCurrent();
            if (cls == 2)
                sent(reqFam2Write(CurIndex), 12);
            else if (cls == 4 || cls == 5)
                sent(reqSBusWrite(CurIndex, cls == 4 ? 151 : 152, cls == 4 ? 8 : Class5MaxRun), 12);
            else
                Req.Step = 12;
            return;
        case 20:
            if (cls == 2)
                sent(reqFam2Read(CurIndex), 21);
            else if (cls == 4)
                sent(reqFam4Read(CurIndex), 21);
            else if (cls == 5)
                sent(reqFam5Read(CurIndex, m_ports.buses.sbus.SBUS_GetAreaSize(1)), 21);
            else
                Req.Step = 21;
            return;
        case 12:
        case 21:
            finish(TransferProgress::Failed, 0);
            return;
        default:
            Req.Step = 0;  // a step this machine does not have
            return;
    }
}

void EolParamSetService::evaluateSimpleStep(const ByteString& reply) {
    switch (Req.Step) {
        case 10: {
            TResult r;
            m_ports.buses.kline.KLINE_ReadAndDecode(reply, 0x34, 1, r);
            if (r.Invalid)
                KLineLayer::KLINE_StepOnErrorSkip(Req, Req, r.Value);
            else
                Req.Step = 11;
            return;
        }
        case 11:
            evaluateSimpleWrite(reply);
            return;
        case 20:
            evaluateSimpleRead(reply);
            return;
        default:
            return;
    }
}

void EolParamSetService::evaluateSimpleWrite(const ByteString& reply) {
    TResult r;
    if (DeviceClass == 2) {
        m_ports.buses.kline.KLINE_ReadAndDecode(reply, 0x2E, 0x21, r);
        if (r.Invalid) return KLineLayer::KLINE_StepOnErrorSkip(Req, Req, r.Value);
        const ByteString& t = r.Text;  // D1 (service answer), D2 (0x21), D3 address, D4 value
        if (t.size() < 4 || static_cast<uint8_t>(t[2]) != (CurAddress & 0xFF) ||
            static_cast<uint8_t>(t[3]) != ExpectedValue) {
            Req.Step = Req.ErrorStep;
            return;
        }
        ++CurIndex;
    } else {
        const uint8_t id = DeviceClass == 4 ? 151 : 152;
        m_ports.buses.sbus.SBUS_ReadAndDecode(0, reply, 4, id, r);
        if (r.Invalid) return SBusLayer::SBUS_StepOnError(Req, Req, r.Value);
        if (static_cast<int32_t>(r.Value) != CurAddress ||
            static_cast<int32_t>(r.Text.size()) != PageOrCount) {
            Req.Step = Req.ErrorStep;
            return;
        }
        CurIndex += PageOrCount;
    }
    afterProgress(0, 0);
}

void EolParamSetService::evaluateSimpleRead(const ByteString& reply) {
    TResult r;
    if (DeviceClass == 2) {
        m_ports.buses.kline.KLINE_ReadAndDecode(reply, 0x22, 0x21, r);
        if (r.Invalid) return KLineLayer::KLINE_StepOnErrorSkip(Req, Req, r.Value);
        const ByteString& t = r.Text;  // D1, D2 (0x21), D3 address, D4..D7 the four cells
        if (t.size() < 7) {
            Req.Step = Req.ErrorStep;
            return;
        }
        const int32_t address = static_cast<uint8_t>(t[2]);
        for (int32_t i = 0; i < 4; ++i)
            WorkSet.AddItem(address + i, static_cast<uint8_t>(t[3 + static_cast<size_t>(i)]));
        if (address != CurIndex) {
            Req.Step = Req.ErrorStep;
            return;
        }
        CurIndex += 4;
        afterProgress(0, 0);
        return;
    }
    const bool class4 = DeviceClass == 4;
    const uint8_t id = class4 ? 151 : 152;
    m_ports.buses.sbus.SBUS_ReadAndDecode(0, reply, class4 ? 4 : 5, id, r);
    if (r.Invalid) {
        // The class-4 unit answers past its memory with code 23: the read is complete, and
        // the last two cells read are not part of the set.
        if (class4 && BUS_CodeIs(r.Value, 23)) {
            WorkSet.SetItemCount(WorkSet.Count - 2);
            finish(TransferProgress::Completed, 0);
            return;
        }
        return SBusLayer::SBUS_StepOnError(Req, Req, r.Value);
    }
    if (static_cast<int32_t>(r.Value) != CurIndex) {
        Req.Step = Req.ErrorStep;
        return;
    }
    for (unsigned char cell : r.Text) {
        WorkSet.AddItem(CurIndex, cell);
        ++CurIndex;
    }
    m_ports.progress.SetProgress(CurIndex - 1);
    if (LastIndex == -1) {
        Req.Step = 0;
        return;
    }
    if (class4 && r.Text.size() < 8) {
        WorkSet.SetItemCount(WorkSet.Count - 2);
        finish(TransferProgress::Completed, 0);
    } else if (!class4 && r.Text.size() <= static_cast<size_t>(Class5MaxRun)) {
        finish(TransferProgress::Completed, 0);
    } else if (CurIndex >= AddressEnd) {
        // A unit that never answers short would have the read wrap round its addresses.
        Req.Step = Req.ErrorStep;
    }
}
