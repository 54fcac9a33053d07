// Owns the adapter: starts and stops the transfer thread, opens the adapter (by its stored
// serial number, else by its description text) and configures the line, closes it, and on
// every 100 ms tick checks that it is still there.
#pragma once

#include <functional>
#include <memory>

#include "d2xx.h"
#include "enginehooks.h"
#include "enginestate.h"
#include "ports.h"

// Builds the transfer thread: (reply time-out ms, reply hand-over, called once on the main
// thread after the worker has ended). The thread is switched off when it comes.
using TransferThreadFactory = std::function<std::unique_ptr<ITransferThread>(
    int replyTimeoutMs, ReplyHandler onReply, std::function<void()> onFinished)>;

// The description text the adapter's USB chip reports.
inline constexpr const char* AdapterDescription = "NAVIRON Diagnose Adapter";

class AdapterWatch : public ITransport {
public:
    AdapterWatch(D2XXUnit& d2xx, IMainThread& mainThread, TransferThreadFactory threadFactory,
                 AdapterState& adapter, SessionState& session, WindowHooks& windowHooks,
                 ITimer& usbTxTimer, ITimer& usbTimer, ReplyHandler onReply);
    ~AdapterWatch() override;

    void USB_StartThread(int replyTimeoutMs);
    // Stops the request and watch timers and tells the thread to end.
    void USB_StopThread();
    void USB_OpenAdapter(const ByteString& serial);
    void USB_CloseAdapter();
    // The adapter watch of the 100 ms tick: open, take out of service, or mark lost.
    void watch();

    // The transfer thread, nullptr before it is started and once it has ended.
    ITransferThread* USBThread() const { return m_thread.get(); }

    // The transport the request clients send through; with no thread there is nothing to do.
    bool SendFrame(const ByteString& frame) override;
    bool StartDelay(int ms) override;
    void SetActive(bool on) override;
    bool IsRunning() const override;
    bool ReplyAfterRepetition() const override;

private:
    void onThreadFinished();

    D2XXUnit& m_d2xx;
    IMainThread& m_mainThread;
    TransferThreadFactory m_threadFactory;
    AdapterState& m_adapter;
    SessionState& m_session;
    WindowHooks& m_windowHooks;
    ITimer& m_usbTxTimer;
    ITimer& m_usbTimer;
    ReplyHandler m_onReply;
    std::unique_ptr<ITransferThread> m_thread;
    // A thread that has ended is kept until the next start or the end of the engine, so it is
    // never destroyed from inside its own finished hook.
    std::unique_ptr<ITransferThread> m_finished;
};
