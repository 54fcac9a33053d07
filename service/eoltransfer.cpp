// The parameter-set transfer of the classes that move single cells or short runs: the K-Line
// unit (class 2, four cells per read, one per write) and the S-Bus units (class 4 with runs of
// up to 8 cells, class 5 with runs of up to 120 in memory area 1). What differs between the
// classes is their transfer description (EOL_TransferClass).
#include "buslayers.h"
#include "eolparamset.h"
#include "transferprogress.h"

namespace {

TResult num(long double v) {
    return TResult::ofValue(v);
}

TParamlist params(std::initializer_list<TResult> values) {
    TParamlist p;
    size_t k = 1;
    for (const TResult& v : values) p[k++] = v;
    return p;
}

constexpr int32_t AddressEnd = 0x10000;  // a read never goes past 0xFFFF

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

// A unit that names no memory area is read a run at a time; one that does, in one request of
// as many cells as the area holds, at most a run.
bool EolParamSetService::reqSBusRead(int32_t address) {
    const EolTransferClass& tc = transferClass();
    ByteString data;
    if (tc.sbusArea == 0)
        return m_ports.buses.sbus.SBUS_BuildRequest(0, tc.sbusMessage, 2,
                                                    params({num(address), num(tc.maxRun)}), data);
    const int32_t n = std::min(m_ports.buses.sbus.SBUS_GetAreaSize(tc.sbusArea), tc.maxRun);
    return m_ports.buses.sbus.SBUS_BuildRequest(
        0, tc.sbusMessage, 3, params({num(tc.sbusArea), num(address), num(n)}), data);
}

bool EolParamSetService::reqSBusWrite(int32_t index) {
    const EolTransferClass& tc = transferClass();
    const int32_t n = runLength(index, tc.maxRun);
    if (n == 0) return false;
    ByteString cells;
    for (int32_t i = 0; i < n; ++i)
        cells.push_back(static_cast<char>(WorkSet.item(index + i).Value));
    PageOrCount = n;
    ByteString data;
    if (tc.sbusArea == 0)
        return m_ports.buses.sbus.SBUS_BuildRequest(
            0, tc.sbusMessage, 3, params({num(CurAddress), num(n), TResult::ofText(cells)}), data);
    return m_ports.buses.sbus.SBUS_BuildRequest(
        0, tc.sbusMessage, 4,
        params({num(tc.sbusArea), num(CurAddress), num(n), TResult::ofText(cells)}), data);
}

// ---- steps ----

void EolParamSetService::buildSimpleStep() {
    const EolTransferClass::Way way = transferClass().way;
    auto addressOfCurrent = [this] {
        if (CurIndex <= WorkSet.Count) CurAddress = WorkSet.item(CurIndex).Address;
    };
    switch (Req.Step) {
        case WriteStart:
            if (way == EolTransferClass::KLine) {
                sent(reqFam2Open(), WriteFailed);
            } else if (way == EolTransferClass::SBus) {
                addressOfCurrent();
                Req.Step = WriteCells;
                sent(reqSBusWrite(CurIndex), WriteFailed);
            } else {
                Req.Step = WriteFailed;
            }
            return;
        case WriteCells:
            addressOfCurrent();
            if (way == EolTransferClass::KLine)
                sent(reqFam2Write(CurIndex), WriteFailed);
            else if (way == EolTransferClass::SBus)
                sent(reqSBusWrite(CurIndex), WriteFailed);
            else
                Req.Step = WriteFailed;
            return;
        case ReadCells:
            if (way == EolTransferClass::KLine)
                sent(reqFam2Read(CurIndex), ReadFailed);
            else if (way == EolTransferClass::SBus)
                sent(reqSBusRead(CurIndex), ReadFailed);
            else
                Req.Step = ReadFailed;
            return;
        case WriteFailed:
        case ReadFailed:
            finish(TransferProgress::Failed, 0);
            return;
        default:
            Req.Step = 0;  // a step this machine does not have
            return;
    }
}

void EolParamSetService::evaluateSimpleStep(const ByteString& reply) {
    switch (Req.Step) {
        case WriteStart: {
            TResult r;
            m_ports.buses.kline.KLINE_ReadAndDecode(reply, 0x34, 1, r);
            if (r.Invalid)
                KLineLayer::KLINE_StepOnErrorSkip(Req, Req, r.Value);
            else
                Req.Step = WriteCells;
            return;
        }
        case WriteCells:
            evaluateSimpleWrite(reply);
            return;
        case ReadCells:
            evaluateSimpleRead(reply);
            return;
        default:
            return;
    }
}

void EolParamSetService::evaluateSimpleWrite(const ByteString& reply) {
    const EolTransferClass& tc = transferClass();
    TResult r;
    if (tc.way == EolTransferClass::KLine) {
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
        m_ports.buses.sbus.SBUS_ReadAndDecode(0, reply, 4, tc.sbusMessage, r);
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
    const EolTransferClass& tc = transferClass();
    TResult r;
    if (tc.way == EolTransferClass::KLine) {
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
    m_ports.buses.sbus.SBUS_ReadAndDecode(0, reply, tc.sbusReadMinLength, tc.sbusMessage, r);
    if (r.Invalid) {
        // A unit that reads past its memory answers there with code 23: the read is complete,
        // and the last two cells read are not part of the set.
        if (tc.readsPastEnd && BUS_CodeIs(r.Value, 23)) {
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
    const size_t run = static_cast<size_t>(tc.maxRun);
    if (tc.readsPastEnd && r.Text.size() < run) {
        WorkSet.SetItemCount(WorkSet.Count - 2);
        finish(TransferProgress::Completed, 0);
    } else if (!tc.readsPastEnd && r.Text.size() <= run) {
        finish(TransferProgress::Completed, 0);
    } else if (CurIndex >= AddressEnd) {
        // A unit that never answers short would have the read wrap round its addresses.
        Req.Step = Req.ErrorStep;
    }
}
