// The parameter-set transfer of the W-Bus units in their block mode. The class-1 unit (dialect
// V) is entered with 0x34 and then speaks raw frames, one cell per frame, in pages of 256
// cells; the class-3 unit (dialect S) opens a memory session with 0x48 sub 1 and moves runs of
// up to 16 cells. Both run with the adapter in bus mode 7, and both leave the block mode
// through the exit steps (35/36/37, after a failure 40/41/42), which return the unit and the
// adapter to normal diagnosis even after an abort. What differs between the two classes is
// their transfer description (EOL_TransferClass).
#include "buslayers.h"
#include "eolparamset.h"
#include "mainengine.h"
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

uint8_t byteAt(const ByteString& s, size_t i) {
    return static_cast<uint8_t>(s[i]);
}

}  // namespace

bool EolParamSetService::sendBusConfig(uint8_t mode, long double t1, long double t2,
                                       long double t3) {
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildBusConfig(0, mode, t1, t2, t3, frame);
    return m_ports.engine.transport().SendFrame(frame);
}

bool EolParamSetService::reqReadBlock(int32_t address) {
    const EolTransferClass& tc = transferClass();
    ByteString payload;
    if (tc.way == EolTransferClass::WBusV)
        return m_ports.buses.wbus.WBUS_BuildRawRequest(3, 0, params({num(address & 0xFF)}),
                                                       payload);
    return m_ports.buses.wbusS.WBUS_BuildRequestS(
        0x48, 3, params({num(3), num(address), num(tc.maxRun - 1)}), payload);
}

bool EolParamSetService::reqWriteBlock(int32_t index) {
    if (index > WorkSet.Count) return false;
    const EolTransferClass& tc = transferClass();
    ByteString payload;
    if (tc.way == EolTransferClass::WBusV) {
        const TEolItem& it = WorkSet.item(index);
        CurAddress = it.Address;
        ExpectedValue = it.Value;
        return m_ports.buses.wbus.WBUS_BuildRawRequest(
            4, 0, params({num(it.Address & 0xFF), num(it.Value)}), payload);
    }
    const int32_t n = runLength(index, tc.maxRun);
    ByteString cells;
    for (int32_t i = 0; i < n; ++i)
        cells.push_back(static_cast<char>(WorkSet.item(index + i).Value));
    CurAddress = WorkSet.item(index).Address;
    m_sentCount = n;
    return m_ports.buses.wbusS.WBUS_BuildRequestS(
        0x48, 4, params({num(4), num(CurAddress), num(n - 1), TResult::ofText(cells)}), payload);
}

void EolParamSetService::buildBlockStep() {
    const EolTransferClass& tc = transferClass();
    const bool dialectV = tc.way == EolTransferClass::WBusV;
    const bool dialectS = tc.way == EolTransferClass::WBusS;
    const bool known = tc.blockMode();
    ByteString payload;
    switch (Req.Step) {
        case BlockWriteStart:
            CurAddress = CurIndex <= WorkSet.Count ? WorkSet.item(CurIndex).Address : 0;
            PageOrCount = CurIndex <= WorkSet.Count ? (CurAddress >> 8) & 0xFF : -1;
            Writing = true;
            Req.Step = BlockEnter;
            [[fallthrough]];
        case BlockEnter:
            if (Req.Step == BlockEnter && !Writing) PageOrCount = (CurIndex >> 8) & 0xFF;
            if (PageOrCount < 0 || !known) {
                Req.Step = BlockFailed;
                return;
            }
            if (dialectV)
                sent(m_ports.buses.wbusV.WBUS_BuildRequestV(
                         0x34, 2, params({num(64), num(PageOrCount)}), payload),
                     BlockFailed);
            else
                sent(m_ports.buses.wbusS.WBUS_BuildRequestS(0x48, 2, params({num(1), num(7)}),
                                                            payload),
                     BlockFailed);
            return;
        case BlockBusMode:
            if (!known) {
                Req.Step = BlockFailed;
                return;
            }
            sent(sendBusConfig(7, tc.blockTimes[0], tc.blockTimes[1], tc.blockTimes[2]),
                 BlockFailed);
            return;
        case BlockRead:
            if (!known) {
                Req.Step = FailUnit;
                return;
            }
            sent(reqReadBlock(CurIndex), tc.blockFailExit);
            return;
        case BlockWrite:
            if (!known) {
                Req.Step = FailUnit;
                return;
            }
            sent(reqWriteBlock(CurIndex), tc.blockFailExit);
            return;
        case BlockPageChange:
            if (!dialectV) {
                Req.Step = FailUnit;
                return;
            }
            sent(m_ports.buses.wbus.WBUS_BuildRawRequest(5, 0, params({num(PageOrCount)}), payload),
                 FailUnit);
            return;
        case ExitSession:
        case FailSession:
            if (!dialectS) {
                Req.Step = FailUnit;
                return;
            }
            sent(m_ports.buses.wbusS.WBUS_BuildRequestS(0x48, 1, params({num(2)}), payload),
                 FailUnit);
            return;
        case ExitUnit:
        case FailUnit:
            if (dialectV)
                sent(m_ports.buses.wbus.WBUS_BuildRawRequest(9, 0, params({}), payload),
                     FailBusMode);
            else if (dialectS)
                sent(m_ports.buses.wbusS.WBUS_BuildRequestS(0x48, 1, params({num(9)}), payload),
                     FailBusMode);
            else
                Req.Step = FailBusMode;
            return;
        case ExitBusMode:
        case FailBusMode:
            if (!known) {
                Req.Step = BlockFailed;
                return;
            }
            sent(sendBusConfig(3, 5, 20, 500), BlockFailed);
            return;
        case BlockFailed:
            finish(TransferProgress::Failed, 0);
            return;
        default:
            Req.Step = 0;
            return;
    }
}

void EolParamSetService::evaluateBlockStep(const ByteString& reply) {
    const bool dialectV = transferClass().way == EolTransferClass::WBusV;
    BusLayers& b = m_ports.buses;
    TResult r;
    // A checked answer: the next step, or the layer's move for a failed one.
    auto onAnswer = [&](int32_t next) {
        if (r.Invalid)
            WBusLayer::WBUS_StepOnError(Req, Req, r.Value);
        else
            Req.Step = next;
    };
    switch (Req.Step) {
        case BlockEnter:
            if (dialectV)
                b.wbusV.WBUS_ReadAndDecodeV(reply, 1, 0x34, WBus::NO_SUB, r);
            else
                b.wbusS.WBUS_ReadAndDecodeS(reply, 2, 0x48, 1, r);
            onAnswer(BlockBusMode);
            return;
        case BlockBusMode:
            Req.Step = m_ports.engine.adapterFrames.ADP_CheckBusConfigAck(reply)
                           ? (Writing ? BlockWrite : BlockRead)
                           : Req.ErrorStep;
            return;
        case BlockRead:
            evaluateBlockRead(reply);
            return;
        case BlockWrite:
            evaluateBlockWrite(reply);
            return;
        case BlockPageChange:
            b.wbus.WBUS_ReceiveRawChecked(reply, 1, 5, r);
            onAnswer(Writing ? BlockWrite : BlockRead);
            return;
        case ExitSession:
        case FailSession:
            b.wbusS.WBUS_ReadAndDecodeS(reply, 2, 0x48, 2, r);
            onAnswer(Req.Step == ExitSession ? ExitUnit : FailUnit);
            return;
        case ExitUnit:
        case FailUnit:
            if (dialectV)
                b.wbus.WBUS_ReceiveRawChecked(reply, 1, 9, r);
            else
                b.wbusS.WBUS_ReadAndDecodeS(reply, 1, 0x48, 9, r);
            onAnswer(Req.Step == ExitUnit ? ExitBusMode : FailBusMode);
            return;
        case ExitBusMode:
        case FailBusMode: {
            const bool ack = m_ports.engine.adapterFrames.ADP_CheckBusConfigAck(reply);
            Req.Step = ack && Req.Step == ExitBusMode ? 0 : BlockFailed;
            return;
        }
        default:
            return;
    }
}

void EolParamSetService::evaluateBlockRead(const ByteString& reply) {
    TResult r;
    if (transferClass().way == EolTransferClass::WBusV) {
        m_ports.buses.wbus.WBUS_ReceiveRawChecked(reply, 2, 3, r);
        if (r.Invalid) return WBusLayer::WBUS_StepOnError(Req, Req, r.Value);
        if (byteAt(r.Text, 0) != (CurIndex & 0xFF)) {
            Req.Step = Req.ErrorStep;
            return;
        }
        WorkSet.AddItem(CurIndex, byteAt(r.Text, 1));
        ++CurIndex;
        if (afterProgress(ExitUnit, ExitUnit)) return;
        if ((CurIndex & 0xFF) == 0) {
            PageOrCount = (CurIndex >> 8) & 0xFF;
            Req.Step = BlockPageChange;
        }
        return;
    }
    m_ports.buses.wbusS.WBUS_ReadAndDecodeS(reply, 20, 0x48, 3, r);
    if (r.Invalid) return WBusLayer::WBUS_StepOnError(Req, Req, r.Value);
    const ByteString& t = r.Text;  // sub, start (2 bytes), count - 1, the cells
    const int32_t start = (byteAt(t, 1) << 8) | byteAt(t, 2);
    if (start != CurIndex) {
        Req.Step = Req.ErrorStep;
        return;
    }
    // Only the cells the answer really holds are taken, however many it claims.
    const size_t claimed = static_cast<size_t>(byteAt(t, 3)) + 1;
    const size_t count = std::min(claimed, t.size() - 4);
    for (size_t i = 0; i < count; ++i) {
        WorkSet.AddItem(CurIndex, byteAt(t, 4 + i));
        ++CurIndex;
        if (afterProgress(ExitSession, ExitSession)) return;
    }
}

void EolParamSetService::evaluateBlockWrite(const ByteString& reply) {
    TResult r;
    if (transferClass().way == EolTransferClass::WBusV) {
        m_ports.buses.wbus.WBUS_ReceiveRawChecked(reply, 2, 4, r);
        if (r.Invalid) return WBusLayer::WBUS_StepOnError(Req, Req, r.Value);
        if (byteAt(r.Text, 0) != (CurAddress & 0xFF) || byteAt(r.Text, 1) != ExpectedValue) {
            Req.Step = Req.ErrorStep;
            return;
        }
        ++CurIndex;
        if (afterProgress(ExitUnit, ExitUnit)) return;
        CurAddress = WorkSet.item(CurIndex).Address;
        const int32_t page = (CurAddress >> 8) & 0xFF;
        if (page != PageOrCount) {
            PageOrCount = page;
            Req.Step = BlockPageChange;
        }
        return;
    }
    m_ports.buses.wbusS.WBUS_ReadAndDecodeS(reply, 4, 0x48, 4, r);
    if (r.Invalid) return WBusLayer::WBUS_StepOnError(Req, Req, r.Value);
    const ByteString& t = r.Text;  // sub, start (2 bytes), count - 1
    const int32_t start = (byteAt(t, 1) << 8) | byteAt(t, 2);
    if (start != CurAddress) return;  // the same run is sent again
    const int32_t count = byteAt(t, 3) + 1;
    // An echo of more cells than were sent would skip items that were never written.
    if (count > m_sentCount) {
        Req.Step = Req.ErrorStep;
        return;
    }
    CurIndex += count;
    afterProgress(ExitUnit, ExitSession);
}
