#include "adapterwatch.h"

AdapterWatch::AdapterWatch(D2XXUnit& d2xx, IMainThread& mainThread,
                           TransferThreadFactory threadFactory, AdapterState& adapter,
                           SessionState& session, WindowHooks& windowHooks, ITimer& usbTxTimer,
                           ITimer& usbTimer, ReplyHandler onReply)
    : m_d2xx(d2xx),
      m_mainThread(mainThread),
      m_threadFactory(std::move(threadFactory)),
      m_adapter(adapter),
      m_session(session),
      m_windowHooks(windowHooks),
      m_usbTxTimer(usbTxTimer),
      m_usbTimer(usbTimer),
      m_onReply(std::move(onReply)) {}

AdapterWatch::~AdapterWatch() {
    if (m_thread) m_thread->Terminate();
}

void AdapterWatch::USB_StartThread(int replyTimeoutMs) {
    // From here on no driver failure opens a box: the watch polls a missing adapter every tick.
    m_d2xx.ShowErrors = false;
    if (!m_thread && m_threadFactory) {
        m_finished.reset();
        m_thread = m_threadFactory(replyTimeoutMs, m_onReply, [this] { onThreadFinished(); });
        m_adapter.ThreadAlive = m_thread != nullptr;
    }
    m_usbTxTimer.start();
}

void AdapterWatch::USB_StopThread() {
    m_usbTxTimer.stop();
    m_usbTimer.stop();
    // The thread stops its reply and delay timers and reports back through onThreadFinished.
    if (m_thread) m_thread->Terminate();
}

void AdapterWatch::onThreadFinished() {
    m_adapter.ThreadAlive = false;
    m_finished = std::move(m_thread);
}

void AdapterWatch::USB_OpenAdapter(const ByteString& serial) {
    m_adapter.AdapterOpen = false;
    if (m_d2xx.Open_USB_Device_By_Serial_Number(serial) != FT_OK &&
        m_d2xx.Open_USB_Device_By_Device_Description(AdapterDescription) != FT_OK)
        return;  // the next tick tries again

    uint32_t type = 0, id = 0;
    ByteString reportedSerial, description;
    if (m_d2xx.D2XX_GetDeviceInfo(type, id, reportedSerial, description) == FT_OK)
        m_adapter.AdapterSerial = reportedSerial;
    else
        m_adapter.AdapterSerial.clear();

    // The line settings, in this order; their results are not looked at.
    m_d2xx.BaudRate = 38400;
    m_d2xx.D2XX_SetBaudRate();
    m_d2xx.WordLength = 8;
    m_d2xx.StopBits = 0;
    m_d2xx.Parity = 0;
    m_d2xx.D2XX_SetDataCharacteristics();
    m_d2xx.FlowControl = 0;
    m_d2xx.XonChar = 0;
    m_d2xx.XoffChar = 0;
    m_d2xx.D2XX_SetFlowControl();
    m_d2xx.D2XX_SetEventNotification(1);  // receive character
    m_d2xx.EventChar = 0x04;              // the adapter's end of frame
    m_d2xx.EventCharEnabled = 1;
    m_d2xx.ErrorChar = 0;
    m_d2xx.ErrorCharEnabled = 0;
    m_d2xx.D2XX_SetChars();
    m_d2xx.D2XX_SetTimeouts(1, 800);

    SetActive(true);
    m_adapter.AdapterOpen = true;
}

void AdapterWatch::USB_CloseAdapter() {
    if (!m_adapter.AdapterOpen) return;
    SetActive(false);
    // No read or write may be under way when the device is closed. Timers and the reply
    // hand-over keep running meanwhile; replies delivered now (code 2) are processed normally.
    while (IsRunning()) m_mainThread.processEvents();
    m_session.DIAG_RequestStop();
    m_d2xx.D2XX_Close();
    m_adapter.AdapterOpen = false;
}

void AdapterWatch::watch() {
    AdapterState& a = m_adapter;
    if (!a.AdapterOpen && !a.LinkError && !a.AdapterLost && !a.AdapterSelecting) {
        USB_OpenAdapter(a.AdapterSerial);
        if (a.AdapterOpen) {
            a.AdapterReady = true;
            callHook(m_windowHooks.UI_UpdateLinkState);
        }
    } else if (a.AdapterSelecting || m_d2xx.D2XX_GetQueueStatus() != FT_OK) {
        // Gone, or the user is choosing another adapter.
        a.AdapterReady = false;
        a.LinkError = false;
        a.AdapterHwVersion.clear();
        if (a.AdapterOpen) {
            USB_CloseAdapter();
            callHook(m_windowHooks.UI_UpdateLinkState);
            a.AdapterLost = true;
        }
    } else if (a.LinkError && a.AdapterReady) {
        // Still attached but not answering: out of service until unplugged or reselected.
        a.AdapterLost = true;
        a.AdapterReady = false;
        a.AdapterHwVersion.clear();
        callHook(m_windowHooks.UI_UpdateLinkState);
    }
}

bool AdapterWatch::SendFrame(const ByteString& frame) {
    return m_thread && m_thread->SendFrame(frame);
}

bool AdapterWatch::StartDelay(int ms) {
    return m_thread && m_thread->StartDelay(ms);
}

void AdapterWatch::SetActive(bool on) {
    if (m_thread) m_thread->SetActive(on);
}

bool AdapterWatch::IsRunning() const {
    return m_thread && m_thread->IsRunning();
}

bool AdapterWatch::ReplyAfterRepetition() const {
    return m_thread && m_thread->ReplyAfterRepetition();
}
