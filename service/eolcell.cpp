#include "eolcell.h"

#include "buslayers.h"
#include "devicelist.h"
#include "mainengine.h"
#include "textconv.h"

namespace {

TParamlist params(std::initializer_list<long double> values) {
    TParamlist p;
    size_t k = 1;
    for (long double v : values) p[k++] = TResult::ofValue(v);
    return p;
}

void setText(IEditControl* e, const ByteString& t) {
    if (e) e->setText(t);
}

ByteString hex(int64_t v, int digits) {
    return BUS_Format("%0*llX", digits, static_cast<unsigned long long>(v));
}

// The steps of the sequences.
enum : int32_t {
    StepRead = 1,
    StepWrite = 2,
    StepError = 3,
    K2Open = 10,
    K2ReadCell = 11,
    K2ReadSum = 12,
    K2WriteLow = 13,
    K2WriteHigh = 14,
    K2WriteCell = 15,
    V1ReadCell = 20,
    V1ReadSum = 21,
    V1WriteSum = 22,
    V1WriteCell = 23,
};

constexpr int32_t Class2ChecksumCell = 43;

// What the window does differently per device class.
struct CellClass {
    enum Way : uint8_t { NoWay, WBusV, KLine, WBusS, SBus };
    // How a write keeps the unit's stored checksum: not at all, inside the checksummed area
    // of the W-Bus memory-area table (8-bit sum), or below the checksum cell (16-bit sum).
    enum Keeping : uint8_t { NoKeeping, KeepInArea, KeepBelowCell };
    static constexpr int32_t FromAreaSize = -1;  // the highest address is the area's size - 1

    Way way = NoWay;
    int32_t maxAddress = 0;
    // S-Bus: the memory message and the memory area its telegrams name (0: none).
    uint8_t sbusMessage = 0;
    uint8_t sbusArea = 0;
    // The minimum length of an answer and the value's 1-based position in its data.
    uint8_t minLength = 0;
    size_t valuePosition = 0;
    Keeping keeping = NoKeeping;
};

using C = CellClass;

// Index = device class.
const CellClass kCellClasses[] = {
    {},                                                      // dcNone
    {C::WBusV, 255, 0, 0, 3, 3, C::KeepInArea},              // dcKX3090
    {C::KLine, 255, 0, 0, 0, 4, C::KeepBelowCell},           // dcKX3024
    {C::WBusS, 0xFFFF, 0, 0, 3, 3, C::NoKeeping},            // dcKX3117
    {C::SBus, 0xFFFF, 151, 0, 4, 1, C::NoKeeping},           // dcKX3141
    {C::SBus, C::FromAreaSize, 152, 1, 5, 1, C::NoKeeping},  // dcKX3166
};

const CellClass& cellClass(uint8_t deviceClass) {
    constexpr size_t n = sizeof kCellClasses / sizeof kCellClasses[0];
    return deviceClass < n ? kCellClasses[deviceClass] : kCellClasses[dcNone];
}

}  // namespace

EolCellService::EolCellService(MainEngine& engine, BusLayers& buses, EolCellControls controls)
    : m_engine(engine), m_buses(buses), m_c(std::move(controls)) {}

void EolCellService::buttons(bool on) {
    ButtonsEnabled = on;
    if (m_c.enableButtons) m_c.enableButtons(on);
}

void EolCellService::SetLinkState(bool adapterReady) {
    if (adapterReady == LinkUp) return;
    LinkUp = adapterReady;
    if (!adapterReady) EnableControls(false);
}

void EolCellService::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == DeviceClass) return;
    DeviceClass = deviceClass;
    if (!LinkUp) return;
    if (deviceClass == dcNone) {
        EnableControls(false);
        return;
    }
    const CellClass& cc = cellClass(deviceClass);
    if (cc.way != CellClass::NoWay) {
        EnableControls(true);
        MaxAddress = cc.maxAddress == CellClass::FromAreaSize
                         ? m_buses.sbus.SBUS_GetAreaSize(cc.sbusArea) - 1
                         : cc.maxAddress;
        if (cc.keeping == CellClass::KeepInArea) {
            const WBusLayer& w = m_buses.wbus;
            ChecksumCell = w.WBUS_GetAreaWordC(1);
            AreaFirst = w.WBUS_GetAreaWordA(1);
            AreaLast = w.WBUS_GetAreaWordB(1);
        } else if (cc.keeping == CellClass::KeepBelowCell) {
            ChecksumCell = Class2ChecksumCell;
        }
    }
    if (MaxAddress < Address) Address = MaxAddress;
    ShowAddress();
    ShowNewValue();
    ShowCurrentValue(-1);
}

void EolCellService::EnableControls(bool enabled) {
    buttons(enabled);
    for (IEditControl* e : {m_c.Edit1, m_c.Edit3, m_c.Edit4, m_c.Edit8, m_c.Edit9, m_c.Edit10})
        if (e) TOOL_EnableEdit(*e, enabled);
    for (IEditControl* e : {m_c.Edit1, m_c.Edit3, m_c.Edit4, m_c.Edit5, m_c.Edit6, m_c.Edit7,
                            m_c.Edit8, m_c.Edit9, m_c.Edit10})
        setText(e, {});
}

void EolCellService::setValueFields(IEditControl* h, IEditControl* d, IEditControl* b,
                                    int32_t value) {
    if (value < 0) {
        setText(h, {}), setText(d, {}), setText(b, {});
        return;
    }
    setText(h, hex(value, 2));
    setText(d, BUS_Decimal(value));
    setText(b, TOOL_IntToBinText(value, 8));
}

void EolCellService::ShowAddress() {
    if (Address < 0) {
        setText(m_c.Edit1, {}), setText(m_c.Edit3, {}), setText(m_c.Edit4, {});
        return;
    }
    const bool wide = MaxAddress >= 256;
    setText(m_c.Edit1, hex(Address, wide ? 4 : 2));
    setText(m_c.Edit3, BUS_Decimal(Address));
    setText(m_c.Edit4, TOOL_IntToBinText(Address, wide ? 16 : 8));
}

void EolCellService::ShowNewValue() {
    setValueFields(m_c.Edit8, m_c.Edit9, m_c.Edit10, NewValue);
}

void EolCellService::ShowCurrentValue(int32_t value) {
    setValueFields(m_c.Edit5, m_c.Edit6, m_c.Edit7, value);
}

// ---- input ----

void EolCellService::Edit1Exit() {
    Address = static_cast<int32_t>(TOOL_EditHex(m_engine.userInteraction(), *m_c.Edit1, Address, 0,
                                                MaxAddress, MaxAddress >= 256 ? 4 : 2));
    ShowAddress();
}
void EolCellService::Edit3Exit() {
    Address = static_cast<int32_t>(
        TOOL_EditInt(m_engine.userInteraction(), *m_c.Edit3, Address, 0, MaxAddress));
    ShowAddress();
}
void EolCellService::Edit4Exit() {
    Address = static_cast<int32_t>(
        TOOL_EditBin(m_engine.userInteraction(), *m_c.Edit4, Address, 0, MaxAddress, 16));
    ShowAddress();
}
void EolCellService::Edit8Exit() {
    NewValue = static_cast<int32_t>(
        TOOL_EditHex(m_engine.userInteraction(), *m_c.Edit8, NewValue, 0, 255, 2));
    ShowNewValue();
}
void EolCellService::Edit9Exit() {
    NewValue = static_cast<int32_t>(
        TOOL_EditInt(m_engine.userInteraction(), *m_c.Edit9, NewValue, 0, 255));
    ShowNewValue();
}
void EolCellService::Edit10Exit() {
    NewValue = static_cast<int32_t>(
        TOOL_EditBin(m_engine.userInteraction(), *m_c.Edit10, NewValue, 0, 255, 8));
    ShowNewValue();
}

void EolCellService::Button2Click() {
    // One sequence at a time: a late reply must not feed the next one.
    if (Running()) return;
    if (Address >= 0) Req.Step = StepRead;
}

void EolCellService::Button3Click() {
    if (Running()) return;
    if (NewValue < 0 || Address < 0) return;
    WriteValue = NewValue;
    const CellClass& cc = cellClass(DeviceClass);
    if (cc.way == CellClass::NoWay) return;
    switch (cc.keeping) {
        case CellClass::KeepInArea: {
            const bool area = AreaFirst >= 0 && AreaLast >= 0 && ChecksumCell >= 0 &&
                              Address >= AreaFirst && Address <= AreaLast;
            Req.Step = area ? V1ReadCell : StepWrite;
            break;
        }
        case CellClass::KeepBelowCell:
            Req.Step = Address < ChecksumCell ? K2Open : StepWrite;
            break;
        default:
            Req.Step = StepWrite;
            break;
    }
}

// ---- request client ----

bool EolCellService::NextRequest() {
    Req.Active = 0;
    if (Req.Step == 0) return false;
    if (!m_engine.AdapterReady) {
        Req.Step = 0;
        return false;
    }
    buildStep();
    return Req.Active != 0;
}

bool EolCellService::EvaluateReply(uint8_t status, const ByteString& reply) {
    if (!Req.Active) return false;
    Req.Code = status;
    Req.Reply = reply;
    if (status == USB_REPLY_RECEIVED) {
        evaluateStep(reply);
    } else if (status >= 1 && status <= 4) {
        m_engine.LinkError = true;
        Req.Step = Req.ErrorStep;
    }
    return true;
}

bool EolCellService::sent(bool taken) {
    Req.ErrorStep = StepError;
    if (taken) Req.Active = 1;
    return taken;
}

bool EolCellService::sendKLine(uint8_t service, std::initializer_list<long double> p) {
    ByteString data;
    return sent(m_buses.kline.KLINE_BuildRequest(0x87, service, static_cast<uint8_t>(p.size()),
                                                 params(p), data));
}

bool EolCellService::sendRead(int32_t address) {
    const CellClass& cc = cellClass(DeviceClass);
    ByteString d;
    switch (cc.way) {
        case CellClass::WBusV:
            return sent(m_buses.wbusV.WBUS_BuildRequestV(0x32, 1, params({1.0L * address}), d));
        case CellClass::KLine:
            return sendKLine(0x22, {0x21, 1.0L * address});
        case CellClass::WBusS:
            return sent(m_buses.wbusS.WBUS_BuildRequestS(0x32, 1, params({1.0L * address}), d));
        case CellClass::SBus:
            if (cc.sbusArea == 0)
                return sent(m_buses.sbus.SBUS_BuildRequest(0, cc.sbusMessage, 2,
                                                           params({1.0L * address, 1}), d));
            return sent(m_buses.sbus.SBUS_BuildRequest(
                0, cc.sbusMessage, 3, params({1.0L * cc.sbusArea, 1.0L * address, 1}), d));
        default:
            return false;
    }
}

bool EolCellService::sendWrite(int32_t address, int32_t value) {
    const CellClass& cc = cellClass(DeviceClass);
    ByteString d;
    TParamlist p;
    switch (cc.way) {
        case CellClass::WBusV:
            return sent(m_buses.wbusV.WBUS_BuildRequestV(
                0x33, 2, params({1.0L * address, 1.0L * value}), d));
        case CellClass::KLine:
            return sendKLine(0x2E, {0x21, 1.0L * address, 1.0L * value});
        case CellClass::WBusS:
            return sent(m_buses.wbusS.WBUS_BuildRequestS(
                0x33, 2, params({1.0L * address, 1.0L * value}), d));
        case CellClass::SBus:
            if (cc.sbusArea == 0) {
                p = params({1.0L * address, 1});
                p[3] = TResult::ofText(ByteString(1, static_cast<char>(value)));
                return sent(m_buses.sbus.SBUS_BuildRequest(0, cc.sbusMessage, 3, p, d));
            }
            p = params({1.0L * cc.sbusArea, 1.0L * address, 1});
            p[4] = TResult::ofText(ByteString(1, static_cast<char>(value)));
            return sent(m_buses.sbus.SBUS_BuildRequest(0, cc.sbusMessage, 4, p, d));
        default:
            return false;
    }
}

void EolCellService::buildStep() {
    // A step may decide without sending and go on to another in the same round.
    for (int guard = 0; guard < 4 && Req.Step != 0 && !Req.Active; ++guard) {
        const int32_t step = Req.Step;
        switch (step) {
            case StepRead:
            case StepWrite:
                buttons(false);
                ShowCurrentValue(-1);
                if (step == StepRead) {
                    sendRead(Address);
                } else if (sendWrite(Address, WriteValue)) {
                    NewValue = -1;
                    ShowNewValue();
                }
                return;
            case StepError:
                buttons(true);
                ShowCurrentValue(-1);
                Req.Step = 0;
                return;
            case K2Open:
                buttons(false);
                ShowCurrentValue(-1);
                sendKLine(0x34, {1});
                return;
            case K2ReadCell:
                sendKLine(0x22, {0x21, 1.0L * Address});
                return;
            case K2ReadSum:
                sendKLine(0x22, {0x21, 1.0L * ChecksumCell});
                return;
            case K2WriteLow:
                if (OldValue < 0 || OldChecksum < 0) {
                    Req.Step = StepError;
                    continue;
                }
                NewChecksum = OldChecksum - OldValue + WriteValue;
                if (NewChecksum < 0 || NewChecksum == OldChecksum) {
                    Req.Step = K2WriteCell;
                    continue;
                }
                sendKLine(0x2E, {0x21, 1.0L * ChecksumCell, 1.0L * (NewChecksum & 0xFF)});
                return;
            case K2WriteHigh:
                sendKLine(0x2E, {0x21, ChecksumCell + 1.0L, 1.0L * ((NewChecksum >> 8) & 0xFF)});
                return;
            case K2WriteCell:
                sendKLine(0x2E, {0x21, 1.0L * Address, 1.0L * WriteValue});
                return;
            case V1ReadCell:
                buttons(false);
                ShowCurrentValue(-1);
                sendRead(Address);
                return;
            case V1ReadSum:
                sendRead(ChecksumCell);
                return;
            case V1WriteSum:
                if (OldValue < 0 || OldChecksum < 0) {
                    Req.Step = StepError;
                    continue;
                }
                NewChecksum = (OldChecksum - OldValue + WriteValue) & 0xFF;
                sendWrite(ChecksumCell, NewChecksum);
                return;
            case V1WriteCell:
                sendWrite(Address, WriteValue);
                return;
            default:
                Req.Step = 0;
                return;
        }
    }
}

int32_t EolCellService::at(const TResult& r, size_t position) {
    return position >= 1 && position <= r.Text.size() ? static_cast<uint8_t>(r.Text[position - 1])
                                                      : -1;
}

bool EolCellService::decode(const ByteString& reply, uint8_t service, TResult& r) {
    const CellClass& cc = cellClass(DeviceClass);
    switch (cc.way) {
        case CellClass::WBusV:
            m_buses.wbusV.WBUS_ReadAndDecodeV(reply, cc.minLength, service, WBus::NO_SUB, r);
            break;
        case CellClass::KLine:
            m_buses.kline.KLINE_ReadAndDecode(reply, service, service == 0x34 ? 1 : 0x21, r);
            break;
        case CellClass::WBusS:
            m_buses.wbusS.WBUS_ReadAndDecodeS(reply, cc.minLength, service, WBus::NO_SUB, r);
            break;
        case CellClass::SBus:
            m_buses.sbus.SBUS_ReadAndDecode(0, reply, cc.minLength, cc.sbusMessage, r);
            break;
        default:
            r = TResult::failure(BusCode::Data);
            break;
    }
    return !r.Invalid;
}

void EolCellService::stepOnError(long double code, bool singleExchange) {
    switch (cellClass(DeviceClass).way) {
        case CellClass::WBusV:
        case CellClass::WBusS:
            WBusLayer::WBUS_StepOnError(Req, Req, code);
            break;
        case CellClass::KLine: {
            const int32_t step = Req.Step;
            KLineLayer::KLINE_StepOnErrorSkip(Req, Req, code);
            // A single read or write has no next step: skipping on would run the write after a
            // refused read.
            if (singleExchange && Req.Step == step + 1) Req.Step = Req.ErrorStep;
            break;
        }
        default:
            SBusLayer::SBUS_StepOnError(Req, Req, code);
            break;
    }
}

void EolCellService::done(int32_t shownValue) {
    ShowCurrentValue(shownValue);
    buttons(true);
    Req.Step = 0;
}

void EolCellService::evaluateStep(const ByteString& reply) {
    TResult r;
    const CellClass& cc = cellClass(DeviceClass);
    const int32_t step = Req.Step;
    switch (step) {
        case StepRead:
        case StepWrite: {
            const bool write = step == StepWrite;
            const uint8_t service =
                cc.way == CellClass::KLine ? (write ? 0x2E : 0x22) : (write ? 0x33 : 0x32);
            if (!decode(reply, service, r)) return stepOnError(r.Value, true);
            done(at(r, cc.valuePosition));
            return;
        }
        case K2Open:
            if (!decode(reply, 0x34, r)) return stepOnError(r.Value, false);
            Req.Step = K2ReadCell;
            return;
        case K2ReadCell:
            if (!decode(reply, 0x22, r)) {
                OldValue = -1;
                return stepOnError(r.Value, false);
            }
            OldValue = at(r, 4);
            if (OldValue == WriteValue) return done(OldValue);  // nothing to write
            Req.Step = K2ReadSum;
            return;
        case K2ReadSum:
            if (!decode(reply, 0x22, r) || at(r, 5) < 0) {
                OldChecksum = -1;
                return stepOnError(r.Invalid ? r.Value : BusCode::TooShort, false);
            }
            OldChecksum = at(r, 4) | (at(r, 5) << 8);
            Req.Step = K2WriteLow;
            return;
        case K2WriteLow:
            if (!decode(reply, 0x2E, r)) return stepOnError(r.Value, false);
            Req.Step = ((OldChecksum >> 8) & 0xFF) == ((NewChecksum >> 8) & 0xFF) ? K2WriteCell
                                                                                  : K2WriteHigh;
            return;
        case K2WriteHigh:
            if (!decode(reply, 0x2E, r)) return stepOnError(r.Value, false);
            Req.Step = K2WriteCell;
            return;
        case K2WriteCell:
            if (!decode(reply, 0x2E, r)) return stepOnError(r.Value, false);
            done(at(r, 4));
            return;
        case V1ReadCell:
        case V1ReadSum:
            if (!decode(reply, 0x32, r)) {
                (step == V1ReadCell ? OldValue : OldChecksum) = -1;
                return stepOnError(r.Value, false);
            }
            (step == V1ReadCell ? OldValue : OldChecksum) = at(r, 3);
            Req.Step = step + 1;
            return;
        case V1WriteSum:
            if (!decode(reply, 0x33, r)) return stepOnError(r.Value, false);
            Req.Step = V1WriteCell;
            return;
        case V1WriteCell:
            if (!decode(reply, 0x33, r)) return stepOnError(r.Value, false);
            done(at(r, 3));
            return;
        default:
            return;
    }
}
