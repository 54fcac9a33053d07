// The main window's engine: adapter state and watch, request scheduler, deferred messages,
// data points and the adapter frame protocol, with no widget in sight. The Qt main window owns
// one and hands it the ports; tests assemble one with fakes (tests/support/engineharness.h).
#pragma once

#include <memory>

#include "adapterframes.h"
#include "adapterwatch.h"
#include "busenvironment.h"
#include "d2xx.h"
#include "datapoints.h"
#include "enginehooks.h"
#include "enginestate.h"
#include "ports.h"
#include "requestclient.h"
#include "requestscheduler.h"

struct EnginePorts {
    ITimerFactory& timers;
    D2XXUnit& d2xx;
    TransferThreadFactory transferThreadFactory;
    ITelegramLog& log;
    IUserInteraction& ui;
    IMainThread& mainThread;
};

class MainEngine : public AdapterState, public SessionState, public MessageFlags {
public:
    static constexpr int ReplyTimeoutMs = 2000;
    static constexpr int WatchIntervalMs = 100;
    static constexpr int DiagIntervalMs = 100;

    explicit MainEngine(EnginePorts ports);
    MainEngine(const MainEngine&) = delete;
    MainEngine& operator=(const MainEngine&) = delete;
    ~MainEngine();

    // ---- adapter ----
    void USB_StartThread(int replyTimeoutMs);
    // Program end: request and watch timers off for good, the thread told to end.
    void USB_StopThread();
    void USB_OpenAdapter(const ByteString& serial) { m_watch.USB_OpenAdapter(serial); }
    void USB_CloseAdapter() { m_watch.USB_CloseAdapter(); }
    // The 100 ms tick: adapter watch, then at most one deferred message.
    void USBTimerTimer();
    ITransferThread* USBThread() const { return m_watch.USBThread(); }

    // ---- scheduler ----
    void On_USBTX() { m_scheduler.On_USBTX(); }
    void USB_OnReply(uint8_t status, const ByteString& reply) {
        m_scheduler.USB_OnReply(status, reply);
    }
    void USB_UpdateStep(const TUSBREQ& request, uint8_t status, const ByteString& reply,
                        TUSBREQ& out) {
        m_scheduler.USB_UpdateStep(request, status, reply, out);
    }
    // The client slots; the windows and the session put themselves in.
    USB_ClientOrder& clients() { return m_clients; }

    // ---- the three main-window timers ----
    ITimer& USBTXTimer() { return *m_usbTxTimer; }  // 50 ms request timer: On_USBTX
    ITimer& USBTimer() { return *m_usbTimer; }      // 100 ms adapter watch: USBTimerTimer
    // 100 ms tick of the device modules; the diagnosis session sets its handler.
    ITimer& DIAG_Timer() { return *m_diagTimer; }

    // ---- what the bus layers, modules and windows share ----
    DataPointTable dataPoints;
    AdapterFrameProtocol adapterFrames;
    uint8_t TemperatureUnit = 0;  // 0 Celsius, 1 Fahrenheit
    WindowHooks windowHooks;
    SessionHooks sessionHooks;

    // The transport the clients send through (the current transfer thread, if any).
    ITransport& transport() { return m_watch; }
    BusEnvironment busEnvironment();
    ITelegramLog& log() { return m_log; }
    IUserInteraction& userInteraction() { return m_ui; }

private:
    ITelegramLog& m_log;
    IUserInteraction& m_ui;
    std::unique_ptr<ITimer> m_usbTxTimer;
    std::unique_ptr<ITimer> m_usbTimer;
    std::unique_ptr<ITimer> m_diagTimer;
    USB_ClientOrder m_clients;
    RequestScheduler m_scheduler;
    AdapterWatch m_watch;
    bool m_stopped = false;
};
