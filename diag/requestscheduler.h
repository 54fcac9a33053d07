// Asks the request clients in their fixed order for the next request, lets the first one that
// sends win, routes each reply back through the same order, and carries out a stop request or
// the clean-up after an adapter loss in a round in which nobody sends.
#pragma once

#include <cstdint>

#include "enginehooks.h"
#include "enginestate.h"
#include "ports.h"
#include "records.h"
#include "requestclient.h"

class RequestScheduler {
public:
    static constexpr int IntervalMs = 50;

    // usbTxTimer is the 50 ms request timer; its handler is On_USBTX.
    RequestScheduler(ITimer& usbTxTimer, USB_ClientOrder& clients, AdapterState& adapter,
                     SessionState& session, SessionHooks& sessionHooks, WindowHooks& windowHooks,
                     ITelegramLog& log);

    // One round: a request from the first client that has one; else a pending stop or
    // adapter-loss clean-up. The timer is re-armed only when nothing was sent, so while
    // requests flow each reply triggers the next one at once.
    void On_USBTX();
    // A reply (or the end of a timed wait) from the transfer thread, on the main thread.
    void USB_OnReply(uint8_t status, const ByteString& reply);
    // The standard step advance of a client's reply hook: status 0 next step, 1 to 4 link
    // error and error step, any other status leaves the step.
    void USB_UpdateStep(const TUSBREQ& request, uint8_t status, const ByteString& reply,
                        TUSBREQ& out);

    // Off from program end on: a late reply (the thread's last code 2) still runs its round,
    // but the timer is not armed again.
    void setEnabled(bool on) { m_enabled = on; }

private:
    void stopSession();
    void cleanUpAfterLoss();

    ITimer& m_timer;
    USB_ClientOrder& m_clients;
    AdapterState& m_adapter;
    SessionState& m_session;
    SessionHooks& m_sessionHooks;
    WindowHooks& m_windowHooks;
    ITelegramLog& m_log;
    bool m_enabled = true;
};
