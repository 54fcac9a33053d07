#include "requestscheduler.h"

#include "translate.h"

RequestScheduler::RequestScheduler(ITimer& usbTxTimer, USB_ClientOrder& clients,
                                   AdapterState& adapter, SessionState& session,
                                   SessionHooks& sessionHooks, WindowHooks& windowHooks,
                                   ITelegramLog& log)
    : m_timer(usbTxTimer),
      m_clients(clients),
      m_adapter(adapter),
      m_session(session),
      m_sessionHooks(sessionHooks),
      m_windowHooks(windowHooks),
      m_log(log) {
    m_timer.setInterval(IntervalMs);
}

void RequestScheduler::On_USBTX() {
    m_timer.stop();
    bool sent = false;
    for (int i = 0; i < USB_ClientOrder::SlotCount && !sent; ++i) sent = m_clients.NextRequest(i);
    if (sent) return;  // the reply of that request runs the next round

    if (m_session.StopRequested)
        stopSession();
    else if (m_adapter.AdapterLost)
        cleanUpAfterLoss();
    if (m_enabled) m_timer.start();
}

void RequestScheduler::stopSession() {
    callHook(m_sessionHooks.DIAG_StopModule);
    m_session.PumpTestDone = false;
    m_session.StopRequested = false;
    m_session.SessionUp = false;
    m_session.DeviceClass = 0;
    if (m_session.SessionStarted) {
        m_session.SessionStarted = false;
        m_log.LogLine(LogColour::Black, TR("TMAIN_Form", "Diagnose gestoppt"));
    }
    m_session.DetectedDeviceIndex = -1;
    callHook(m_sessionHooks.DIAG_UpdateTitle);
    callHook(m_windowHooks.UI_UpdateSessionState);
}

// The adapter was taken out of service: the session ends without a log line, and the title
// and the detected device stay as they were.
void RequestScheduler::cleanUpAfterLoss() {
    callHook(m_sessionHooks.DIAG_StopModule);
    m_session.PumpTestDone = false;
    m_adapter.AdapterLost = false;
    m_session.SessionUp = false;
    m_session.SessionStarted = false;
    m_session.DeviceClass = 0;
    callHook(m_windowHooks.UI_UpdateLinkState);
}

void RequestScheduler::USB_OnReply(uint8_t status, const ByteString& reply) {
    bool taken = false;
    for (int i = 0; i < USB_ClientOrder::SlotCount && !taken; ++i)
        taken = m_clients.EvaluateReply(i, status, reply);
    // A reply nobody claims (a late delay, a reply after a client was closed) is dropped; the
    // next round runs all the same.
    On_USBTX();
}

void RequestScheduler::USB_UpdateStep(const TUSBREQ& request, uint8_t status,
                                      const ByteString& reply, TUSBREQ& out) {
    out = request;
    if (status == USB_REPLY_RECEIVED)
        out.Step = request.Step + 1;
    else if (status >= 1 && status <= 4) {
        m_adapter.LinkError = true;
        out.Step = request.ErrorStep;
    }
    out.Code = status;
    out.Reply = reply;
}
