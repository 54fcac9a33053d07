#include "eolparamset.h"

#include "buscommon.h"
#include "buslayers.h"
#include "devicelist.h"
#include "dialoghelpers.h"
#include "mainengine.h"
#include "paramsetfile.h"
#include "safefile.h"
#include "transferprogress.h"
#include "translate.h"

#define CTX "TDS_EOL_RW_Form"

namespace {

ByteString padded(const ByteString& text) {
    return "    " + text + "    ";
}

using T = EolTransferClass;
using S = EolParamSetService;

// Index = device class. Per class: the way, the highest address (the K-Line unit takes one
// address byte), the longest run, the S-Bus message, its memory area and the read answer's
// minimum length, whether the unit reads past its end, the block mode's bus timing and the
// exit a failed block read or write takes.
const EolTransferClass kTransfer[] = {
    {},                                                                      // dcNone
    {T::WBusV, 0xFFFF, 1, 0, 0, 0, false, {5, 20, 500}, S::FailUnit},        // dcKX3090
    {T::KLine, 255, 1, 0, 0, 0, false, {0, 0, 0}, 0},                        // dcKX3024
    {T::WBusS, 0xFFFF, 16, 0, 0, 0, false, {20, 100, 750}, S::FailSession},  // dcKX3117
    {T::SBus, 0xFFFF, 8, 151, 0, 4, true, {0, 0, 0}, 0},                     // dcKX3141
    {T::SBus, 0xFFFF, 120, 152, 1, 5, false, {0, 0, 0}, 0},                  // dcKX3166
};

}  // namespace

const EolTransferClass& EOL_TransferClass(uint8_t deviceClass) {
    constexpr size_t n = sizeof kTransfer / sizeof kTransfer[0];
    return deviceClass < n ? kTransfer[deviceClass] : kTransfer[dcNone];
}

EolParamSetService::EolParamSetService(EolParamSetPorts ports) : m_ports(std::move(ports)) {
    WorkSet.ClearItems();
}

void EolParamSetService::copySet(const TEolParamSet& from, TEolParamSet& to) {
    to = from;
}

void EolParamSetService::StoreToBuffer() {
    copySet(WorkSet, Buffer);
    if (m_ports.updateBufferActions) m_ports.updateBufferActions();
}

void EolParamSetService::ClearBuffer() {
    Buffer.ClearItems();
    if (m_ports.updateBufferActions) m_ports.updateBufferActions();
}

int32_t EolParamSetService::LoadFromFile(const ByteString& fileName, int filterIndex) {
    return ParamSetFile::LoadFromFile(fileName, filterIndex, WorkSet);
}

bool EolParamSetService::SaveToFile(const ByteString& fileName) {
    return ParamSetFile::SaveToFile(fileName, WorkSet, m_ports.nowText ? m_ports.nowText() : "");
}

std::vector<ByteString> EolParamSetService::printLines() const {
    return ParamSetFile::printLines(WorkSet, m_ports.nowText ? m_ports.nowText() : "");
}

int EolParamSetService::ShowEditor() {
    Grid.ItemsToGridData(WorkSet, DeviceClass, Rules);
    const int result = m_view ? m_view->runEditor(Grid) : 0;
    Grid.GridDataToItems(WorkSet);
    return result;
}

void EolParamSetService::message(const ByteString& text) {
    m_ports.engine.userInteraction().messageBox(MsgKind::Error, text, MB_OK);
}

EolAreaInfo EolParamSetService::areaInfo() const {
    EolAreaInfo a;
    const WBusLayer& w = m_ports.buses.wbus;
    for (uint8_t area = 1; area <= 2; ++area) {
        a.A[area] = w.WBUS_GetAreaWordA(area);
        a.B[area] = w.WBUS_GetAreaWordB(area);
        a.C[area] = w.WBUS_GetAreaWordC(area);
    }
    a.SBusSize1 = m_ports.buses.sbus.SBUS_GetAreaSize(1);
    return a;
}

// ---- state hooks ----

void EolParamSetService::SetLinkState(bool adapterReady) {
    if (adapterReady == LinkUp) return;
    LinkUp = adapterReady;
    if (adapterReady) return;
    if (Busy) m_ports.progress.SetModalResult(TransferProgress::Failed);
    if (m_view) m_view->enableProgram(false);
}

void EolParamSetService::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == DeviceClass) return;
    DeviceClass = deviceClass;
    if (!LinkUp) return;
    if (deviceClass == dcNone) {
        if (Busy) m_ports.progress.SetModalResult(TransferProgress::Failed);
        if (m_view) m_view->enableProgram(false);
        return;
    }
    if (m_view) m_view->enableProgram(true);
    EOL_SetClassRules(deviceClass, areaInfo(), Rules);
}

// ---- the movements ----

void EolParamSetService::WriteParamSet(int code) {
    // A late reply of an aborted transfer must not feed a new one.
    if (TransferRunning() || Busy) return;
    IUserInteraction& ui = m_ports.engine.userInteraction();
    ByteString displayName;
    if (code >= 0 && code <= 2) {
        TResult r;
        TOOL_OpenFileDialog(ui, TR(CTX, "Parametersatz öffnen"),
                            TR(CTX, "Parameter-Datei  (*.prn)|*.PRN|EOL-Datei (*.eol)|*.EOL"),
                            FilterIndex, true, m_ports.paramSetFileName, 0, r);
        if (r.Invalid) return;
        FilterIndex = static_cast<int>(r.Value);
        m_ports.paramSetFileName = r.Text;
        displayName = TOOL_FileNameOnly(r.Text);
    } else if (code == 3) {
        displayName = TR(CTX, "Editor Daten.");
    } else if (code == 4 || code == 5) {
        displayName = TR(CTX, "Zwischenablage Daten.");
    } else {
        return;
    }
    if (code == 4 || code == 5) {
        LoadFromBuffer();
        if (!BufferHasData()) return;
    }
    if (code <= 2) {
        const int32_t loaded = LoadFromFile(m_ports.paramSetFileName, FilterIndex);
        if (loaded == ParamSetFile::LoadNothing) {
            message(TOOL_FileMessage(displayName, TR(CTX, "Syntaxfehler beim öffnen!")));
            return;
        }
        if (loaded >= 1) {
            message(TOOL_FileMessage(
                displayName,
                BUS_Format(TR(CTX, "Syntaxfehler beim öffnen in Zeile %d! ").c_str(), loaded)));
            return;
        }
    }
    switch (code) {
        case 1:
        case 4: {
            const int result = ShowEditor();
            if (result == EditorProgram)
                WriteParamSet(3);
            else if (result == EditorSave)
                ReadParamSet(3);
            else if (code == 4)
                StoreToBuffer();  // the edited set goes back into the buffer
            return;
        }
        case 2:
            StoreToBuffer();
            return;
        default:
            transferToUnit(displayName);
            return;
    }
}

void EolParamSetService::transferToUnit(const ByteString& displayName) {
    CurIndex = 1;
    LastIndex = WorkSet.Count;
    const EolTransferClass& tc = transferClass();
    Req.Step = tc.blockMode() ? BlockWriteStart : WriteStart;
    Req.ErrorStep = tc.blockMode() ? BlockFailed : WriteFailed;
    // An empty set has nothing to send; a K-Line unit takes one address byte, so a set with
    // higher addresses would write the wrong cells. Both end at once as a failed transfer.
    if (WorkSet.Count == 0 || WorkSet.Highest > tc.highestAddress) Req.Step = Req.ErrorStep;
    Busy = true;
    const int32_t result = m_ports.progress.Execute(TR(CTX, "Parametersatz übertragen"),
                                                    TR(CTX, "Sende ") + displayName, WorkSet.Count);
    Busy = false;
    if (result == TransferProgress::Completed) return;
    if (result == TransferProgress::Failed) {
        message(padded(TR(CTX, "Parametersatz konnte nicht gesendet werden!")));
        return;
    }
    LastIndex = -1;
}

void EolParamSetService::ReadParamSet(int code) {
    if (TransferRunning() || Busy) return;
    IUserInteraction& ui = m_ports.engine.userInteraction();
    ByteString fileName, displayName;
    if (code == 0 || code == 3 || code == 4) {
        TResult r;
        TOOL_SaveFileDialog(ui, TR(CTX, "Parametersatz sichern"),
                            TR(CTX, "Parameter-Datei  (*.prn)|*.PRN|EOL-Datei (*.eol)|*.EOL"),
                            FilterIndex, true, m_ports.paramSetFileName, 0, r);
        if (r.Invalid) return;
        FilterIndex = static_cast<int>(r.Value);
        m_ports.paramSetFileName = fileName = r.Text;
        displayName = TOOL_FileNameOnly(fileName);
    } else if (code == 1) {
        displayName = TR(CTX, "Editor Daten.");
    } else if (code == 2) {
        displayName = TR(CTX, "Zwischenablage Daten.");
    } else {
        return;
    }
    int32_t result = TransferProgress::Completed;
    if (code <= 2) {
        CurIndex = Rules.ReadFirst;
        CurAddress = Rules.ReadFirst;
        LastIndex = Rules.ReadLast;
        Writing = false;
        WorkSet.ClearItems();
        const EolTransferClass& tc = transferClass();
        Req.Step = tc.blockMode() ? BlockEnter : ReadCells;
        Req.ErrorStep = tc.blockMode() ? BlockFailed : ReadFailed;
        // A unit that reads an S-Bus memory area but gave no size for it has nothing to read.
        if (tc.sbusArea != 0 && m_ports.buses.sbus.SBUS_GetAreaSize(tc.sbusArea) <= 0)
            Req.Step = ReadFailed;
        Busy = true;
        result = m_ports.progress.Execute(TR(CTX, "Parametersatz auslesen"),
                                          TR(CTX, "Empfange ") + displayName, Rules.ReadLast);
        Busy = false;
    } else if (code == 4) {
        LoadFromBuffer();
    }
    if (result == TransferProgress::Completed) {
        if (code == 1) {
            const int edited = ShowEditor();
            if (edited == EditorProgram)
                WriteParamSet(3);
            else if (edited == EditorSave)
                ReadParamSet(3);
        } else if (code == 2) {
            StoreToBuffer();
        } else if (!SaveToFile(fileName)) {
            message(TOOL_FileMessage(displayName, TR(CTX, "konnte nicht erstellt werden!")));
        }
        return;
    }
    if (result == TransferProgress::Failed) {
        message(padded(TR(CTX, "Parametersatz konnte nicht empfangen werden!")));
        return;
    }
    LastIndex = -1;
}

// ---- request client ----

bool EolParamSetService::NextRequest() {
    Req.Active = 0;
    if (Req.Step == 0) return false;
    // Without the adapter nothing can be sent or answered: the machine goes idle (a dialog
    // still open has been ended by the link hooks).
    if (!m_ports.engine.AdapterReady) {
        if (Busy) m_ports.progress.SetModalResult(TransferProgress::Failed);
        Req.Step = 0;
        return false;
    }
    buildStep();
    return Req.Active != 0;
}

bool EolParamSetService::EvaluateReply(uint8_t status, const ByteString& reply) {
    if (!Req.Active) return false;
    Req.Code = status;
    Req.Reply = reply;
    if (status == USB_REPLY_RECEIVED) {
        evaluateStep(reply);
    } else if (status >= 1 && status <= 4) {
        m_ports.engine.LinkError = true;
        Req.Step = Req.ErrorStep;
    }
    return true;
}

bool EolParamSetService::sent(bool taken, int32_t errorStep) {
    Req.ErrorStep = errorStep;
    if (taken) Req.Active = 1;
    return taken;
}

void EolParamSetService::finish(int32_t result, int32_t nextStep) {
    if (Busy) m_ports.progress.SetModalResult(result);
    Req.Step = nextStep;
}

bool EolParamSetService::afterProgress(int32_t stopStep, int32_t doneStep) {
    m_ports.progress.SetProgress(CurIndex - 1);
    if (LastIndex == -1) {
        Req.Step = stopStep;
        return true;
    }
    if (LastIndex < CurIndex) {
        finish(TransferProgress::Completed, doneStep);
        return true;
    }
    return false;
}

void EolParamSetService::buildStep() {
    if (Req.Step >= BlockWriteStart)
        buildBlockStep();
    else
        buildSimpleStep();
}

void EolParamSetService::evaluateStep(const ByteString& reply) {
    if (Req.Step >= BlockWriteStart)
        evaluateBlockStep(reply);
    else
        evaluateSimpleStep(reply);
}

int32_t EolParamSetService::runLength(int32_t index, int32_t maxRun) const {
    int32_t n = 0;
    while (index + n <= WorkSet.Count && n < maxRun &&
           (n == 0 || WorkSet.item(index + n).Address == WorkSet.item(index + n - 1).Address + 1))
        ++n;
    return n;
}
