#include "flashprogrammer.h"

#include <algorithm>

#include "charset.h"
#include "devicelist.h"
#include "diagsession.h"
#include "dialoghelpers.h"
#include "safefile.h"
#include "srecord.h"
#include "translate.h"

#define CTX "TEXTRA_FLASH_Form"

namespace {
// A step that moves on without sending is followed at once by the next one, so the session
// gets no turn while a run is under way; this many moves in one round at most.
constexpr int MovesPerRound = 8;
}  // namespace

FlashProgrammer::FlashProgrammer(DiagSession& session, IUserInteraction& ui,
                                 TransferProgress& progress, ByteString& fileName, Hooks hooks)
    : m_session(session),
      m_ui(ui),
      m_progressWindow(progress),
      m_fileName(fileName),
      m_hooks(std::move(hooks)) {
    m_session.engine().clients().setClient(ClientSlot::Programming, this);
    m_session.views.FlashDiagTick = [this] { DiagTick(); };
}

FlashProgrammer::~FlashProgrammer() {
    m_session.engine().clients().setClient(ClientSlot::Programming, nullptr);
    m_session.views.FlashDiagTick = nullptr;
}

// ---- the entry ----

void FlashProgrammer::Execute() {
    // A run that was aborted may still be waiting for the answer to its last request; a new
    // run would take that late answer for its own.
    if (m_req.Step != 0 || m_req.Active) return;
    TResult chosen;
    TOOL_OpenFileDialog(m_ui, TR(CTX, "Programmdatei öffnen"),
                        TR(CTX, "Motorola-S19-Datei  (*.s19)|*.S19"), 0, true, m_fileName,
                        HelpContext, chosen);
    m_fileName = chosen.Text;
    if (chosen.Invalid) return;
    if (!FLASH_LoadFile(chosen.Text) || !FLASH_ParseS19()) return;
    MainEngine& e = m_session.engine();
    if (!FLASH_CheckRange(e.DeviceClass)) {
        m_ui.messageBox(MsgKind::Error,
                        TR(CTX, "     Programmdaten passen nicht zu diesem Steuergerät!      "),
                        MB_OK);
        return;
    }
    FLASH_PrepareStamp(e.DeviceClass);
    m_done = false;
    m_transferRunning = true;
    const int r = m_progressWindow.Execute(TR(CTX, "Steuergerätesoftware übertragen"),
                                           TR(CTX, "Applikation stoppen... "), m_progressMax);
    m_transferRunning = false;

    auto stop = [this] {
        if (m_hooks.stopDiagnosis) m_hooks.stopDiagnosis();
    };
    auto error = [this](const ByteString& text) { m_ui.messageBox(MsgKind::Error, text, MB_OK); };
    if (r == TransferProgress::Completed || m_done) {
        stop();
        m_ui.messageBox(MsgKind::Information,
                        TR(CTX,
                           "     Die Steuergerätesoftware wurde erfolgreich übertragen.      "
                           "\r\n\r\n     Bitte starten sie die Diagnose neu.      "),
                        MB_OK);
    } else if (r == TransferProgress::AdapterLost) {
        error(TR(CTX, "     Die Verbindung zum Steuergerät wurde getrennt!      "));
    } else if (r == TransferProgress::Failed) {
        switch (m_failure) {
            case NotPossible:
                error(TR(CTX,
                         "     Das Übertragen der Steuergerätesoftware ist für dieses "
                         "Steuergerät nicht möglich!      "));
                break;
            case StateNotReached:
                error(TR(CTX,
                         "     Die Steuergerätesoftware konnte nicht gesendet werden,     "
                         "\r\n     erforderlicher Funktionszustand nicht erreicht!"));
                break;
            case TransferFailed:
                stop();
                error(TR(CTX,
                         "     Das Übertragen der Steuergerätesoftware war nicht "
                         "erfolgreich!      \r\n\r\n     Nach dem Neustart der Diagnose "
                         "arbeitet das Steuergerät     \r\n     ggf. nur noch im "
                         "Flashloader-Modus!      "));
                break;
            default:
                break;
        }
    } else {
        stop();
        error(TR(CTX,
                 "     Das Übertragen der Steuergerätesoftware wurde abgebrochen.     "
                 "\r\n\r\n     Nach dem Neustart der Diagnose arbeitet das Steuergerät     "
                 "\r\n     ggf. nur noch im Flashloader-Modus!      "));
    }
}

bool FlashProgrammer::FLASH_LoadFile(const ByteString& fileName) {
    ByteString bytes;
    if (!TOOL_ReadFile(fileName, MaxFileBytes, bytes)) {
        m_ui.messageBox(MsgKind::Error, TOOL_FileMessage(fileName, RS_NotOpened()), MB_OK);
        return false;
    }
    // A line longer than any record is refused before the text is shown: the text view would
    // take a very long time to lay out a line of megabytes.
    ByteString message;
    if (!::FLASH_CheckLineLengths(bytes, message)) {
        m_ui.messageBox(MsgKind::Error, message, MB_OK);
        return false;
    }
    m_text = std::move(bytes);
    if (m_hooks.showFile) m_hooks.showFile(TOOL_Windows1252ToUtf8(m_text));
    return true;
}

bool FlashProgrammer::FLASH_ParseS19() {
    ByteString message;
    if (::FLASH_ParseS19(m_text, m_session.engine().DeviceClass, m_image, message)) return true;
    m_ui.messageBox(MsgKind::Error, message, MB_OK);
    return false;
}

bool FlashProgrammer::FLASH_CheckRange(uint8_t deviceClass) {
    m_progress = 0;
    return ::FLASH_CheckRange(deviceClass, m_image, m_progressMax);
}

void FlashProgrammer::FLASH_PrepareStamp(uint8_t deviceClass) {
    m_negatives = 0;
    m_failure = NoFailure;
    m_progress = 0;
    m_savedStep = 0;
    m_lastBuiltStep = 0;
    const FlashClass& fc = FLASH_Class(deviceClass);
    if (fc.way == FlashClass::WBusMemory) {
        m_blockIndex = nextPlainBlock(0);
        m_req.Step = ClassWBusStart;
        m_req.ErrorStep = ClassWBusErrorStep;
        return;
    }
    // A class-6 run must not inherit the error step of an earlier run.
    m_req.Step = fc.leavesApplication ? Class5Start : Class6Start;
    m_req.ErrorStep = SBusErrorStep;
    m_blockNumber = 1;
    m_address = m_image.minimumStart();
    m_crc = 0;
    const FlashDate d = m_hooks.today ? m_hooks.today() : FlashDate{};
    m_stamp = FlashDate{std::max(0, d.year - 2000), d.month, d.day};
}

void FlashProgrammer::FLASH_Fail(int subCode) {
    const int r = m_progressWindow.ModalResult();
    if (m_done || r == TransferProgress::Closed || r == TransferProgress::UserAbort) return;
    m_failure = subCode;
    m_progressWindow.SetModalResult(TransferProgress::Failed);
}

void FlashProgrammer::FLASH_Finish() {
    m_done = true;
    m_progressWindow.SetModalResult(TransferProgress::Completed);
    if (m_hooks.stopDiagnosis) m_hooks.stopDiagnosis();
}

// ---- the client ----

bool FlashProgrammer::NextRequest() {
    m_req.Active = 0;
    MainEngine& e = m_session.engine();
    for (int move = 0; move < MovesPerRound && m_req.Step != 0 && !m_req.Active; ++move) {
        // An adapter that stopped answering is out of service, although it may still take
        // frames: the run sends nothing more, and the step fails as a lost link fails it. An
        // error step only ends the run.
        if (!e.AdapterReady && m_req.Step != m_req.ErrorStep) {
            m_req.Step = m_req.ErrorStep;
            continue;
        }
        const int32_t step = m_req.Step;
        if (step >= Class5Start)
            buildSBus();
        else
            buildWBus();
        m_lastBuiltStep = step;
        if (!m_req.Active && m_req.Step == step) {
            // Not handed over. Without an adapter it never will be: the step fails as a lost
            // link would fail it. Otherwise it is asked again in the next round.
            if (e.AdapterReady) break;
            m_req.Step = m_req.ErrorStep;
        }
    }
    return m_req.Active != 0;
}

bool FlashProgrammer::EvaluateReply(uint8_t status, const ByteString& reply) {
    if (!m_req.Active) return false;
    m_req.Reply = reply;
    m_req.Code = status;
    if (status == USB_REPLY_RECEIVED) {
        if (m_req.Step >= Class5Start)
            evaluateSBus();
        else
            evaluateWBus();
    } else if (status >= 1 && status <= 4) {
        m_session.engine().LinkError = true;
        m_req.Step = m_req.ErrorStep;
    }
    return true;
}

void FlashProgrammer::SetLinkState(bool adapterReady) {
    if (adapterReady == m_lastAdapterReady) return;
    m_lastAdapterReady = adapterReady;
    if (m_transferRunning && !m_done && !adapterReady) {
        m_failure = TransferFailed;
        m_progressWindow.SetModalResult(TransferProgress::AdapterLost);
    }
}

void FlashProgrammer::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == m_lastDeviceClass) return;
    m_lastDeviceClass = deviceClass;
    if (deviceClass == dcNone && m_transferRunning && !m_done)
        m_progressWindow.SetModalResult(TransferProgress::Closed);
}

void FlashProgrammer::DiagTick() {
    if (m_keepAlive > 0) --m_keepAlive;
}

// ---- helpers ----

bool FlashProgrammer::sendWBus(uint8_t command, std::initializer_list<long double> params,
                               const ByteString& raw) {
    TParamlist p = DM_Params(params);
    p[params.size() + 1].Text = raw;
    ByteString payload;
    return m_session.buses().wbusS.WBUS_BuildRequestS(command, static_cast<uint8_t>(params.size()),
                                                      p, payload);
}

bool FlashProgrammer::sendSBus(uint8_t id, std::initializer_list<long double> params,
                               const ByteString& text) {
    TParamlist p = DM_Params(params);
    p[params.size() + 1].Text = text;
    ByteString data;
    const size_t count = params.size() + (text.empty() ? 0 : 1);
    return m_session.buses().sbus.SBUS_BuildRequest(0, id, static_cast<uint8_t>(count), p, data);
}

bool FlashProgrammer::sendBusConfig(uint8_t bus, uint8_t mode, int t1, int t2, int t3) {
    ByteString frame;
    AdapterFrameProtocol::ADP_BuildBusConfig(bus, mode, t1, t2, t3, frame);
    return m_session.engine().transport().SendFrame(frame);
}

bool FlashProgrammer::wait(int ms) {
    return m_session.engine().transport().StartDelay(ms);
}

void FlashProgrammer::sent(bool ok, int32_t errorStep) {
    m_req.ErrorStep = errorStep;
    m_req.Active = ok ? 1 : 0;
}

TResult FlashProgrammer::decodeWBus(uint8_t minimumLength, uint8_t command, uint8_t sub) {
    TResult res;
    m_session.buses().wbusS.WBUS_ReadAndDecodeS(m_req.Reply, minimumLength, command, sub, res);
    return res;
}

TResult FlashProgrammer::decodeSBus(uint8_t minimumLength, uint8_t id) {
    TResult res;
    m_session.buses().sbus.SBUS_ReadAndDecode(0, m_req.Reply, minimumLength, id, res);
    return res;
}

bool FlashProgrammer::configAcknowledged() const {
    return m_session.engine().adapterFrames.ADP_CheckBusConfigAck(m_req.Reply);
}

void FlashProgrammer::advanceProgress(int32_t by) {
    setProgress(m_progress + by);
}

void FlashProgrammer::setProgress(int32_t position) {
    m_progress = position;
    m_progressWindow.SetProgress(position);
}

bool FlashProgrammer::userClosedProgress() const {
    const int r = m_progressWindow.ModalResult();
    return r == TransferProgress::Closed || r == TransferProgress::UserAbort;
}

size_t FlashProgrammer::nextPlainBlock(size_t from) const {
    const auto& blocks = m_image.blocks();
    while (from < blocks.size() && m_image.isSpecial(blocks[from])) ++from;
    return from;
}
