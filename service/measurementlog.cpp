#include "measurementlog.h"

#include "devicelist.h"
#include "diagreport.h"
#include "dialoghelpers.h"
#include "safefile.h"
#include "translate.h"

#define CTX "TPROT_START_Form"

MeasurementLog::MeasurementLog(const DataPointTable& dataPoints, ITimerFactory& timers,
                               IUserInteraction& ui, Hooks hooks)
    : m_dp(dataPoints), m_ui(ui), m_hooks(std::move(hooks)), m_timer(timers.createTimer()) {
    m_timer->onTimeout = [this] { PROTTimerTimer(); };
}

MeasurementLog::~MeasurementLog() {
    m_timer->stop();
}

void MeasurementLog::SetLinkState(bool adapterReady) {
    if (adapterReady == HeldAdapterReady) return;
    HeldAdapterReady = adapterReady;
    if (adapterReady) return;
    if (m_hooks.enableControls) m_hooks.enableControls(false);
    PROT_Stop();
}

void MeasurementLog::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == HeldDeviceClass) return;
    HeldDeviceClass = deviceClass;
    if (!HeldAdapterReady) return;
    if (m_hooks.enableControls) m_hooks.enableControls(deviceClass != dcNone);
    // Another class keeps a running log; its next lines follow the new class's columns.
    if (deviceClass == dcNone) PROT_Stop();
}

bool MeasurementLog::PROT_Begin(const ByteString& fileName, int32_t intervalSeconds) {
    PROT_OpenFile(fileName);
    if (!LogOpen) {
        m_ui.messageBox(MsgKind::Error, TOOL_FileMessage(fileName, RS_NotCreated()), MB_OK);
        return false;
    }
    writeSideFile(fileName);
    m_timer->setInterval(intervalSeconds * 1000);
    TickBusy = false;
    PROT_WriteHeader();
    // A header that could not be written has stopped the log already.
    if (!LogOpen) return false;
    m_timer->start();
    return true;
}

void MeasurementLog::writeSideFile(const ByteString& fileName) {
    // Whatever goes wrong here, logging starts all the same.
    if (!m_hooks.summaryReport || !m_hooks.now) return;
    const ByteString report = m_hooks.summaryReport();
    if (report.empty()) return;
    ZUSAM_WriteReport(PROT_SideFileName(fileName, m_hooks.now()), report);
}

void MeasurementLog::PROT_Stop() {
    m_timer->stop();
    PROT_CloseFile();
    if (m_hooks.stopped) m_hooks.stopped();
}

void MeasurementLog::PROT_OpenFile(const ByteString& fileName) {
    // A log still open is closed first, so its handle is not lost.
    PROT_CloseFile();
    LogOpen = false;
    m_file = m_hooks.openFile ? m_hooks.openFile(fileName) : MeasurementLogFile::open(fileName);
    if (!m_file) return;
    m_fileName = fileName;
    LogOpen = true;
}

void MeasurementLog::PROT_CloseFile() {
    if (!LogOpen) return;
    m_file.reset();
    LogOpen = false;
}

void MeasurementLog::PROT_WriteLine(const ByteString& bytes) {
    if (!LogOpen) return;
    if (m_file->writeLine(bytes)) return;
    // What was written stays; the log stops first, the message comes from the event loop.
    const ByteString text = "     " +
                            TR(CTX, "Fehler beim schreiben in die Messwerteprotokolldatei ") + "'" +
                            TOOL_FileNameOnly(m_fileName) + "' !     ";
    if (m_hooks.stopAction)
        m_hooks.stopAction();
    else
        PROT_Stop();
    auto show = [this, text] { m_ui.messageBox(MsgKind::Error, text, MB_OK); };
    if (m_hooks.defer)
        m_hooks.defer(show);
    else
        show();
}

void MeasurementLog::PROT_WriteHeader() {
    PROT_WriteLine(lines().PROT_BuildHeader());
}

void MeasurementLog::PROTTimerTimer() {
    if (TickBusy) {
        TickBusy = false;
        return;
    }
    TickBusy = true;
    const LogClockReading at = m_hooks.now ? m_hooks.now() : LogClockReading{};
    const ByteString status = m_hooks.deviceStatusText ? m_hooks.deviceStatusText() : ByteString();
    const ByteString line = lines().PROT_BuildLine(at, status);
    PROT_WriteLine(line);
    TickBusy = false;
}
