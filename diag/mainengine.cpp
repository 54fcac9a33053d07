#include "mainengine.h"

#include "deferredmessages.h"

MainEngine::MainEngine(EnginePorts ports)
    : m_log(ports.log),
      m_ui(ports.ui),
      m_usbTxTimer(ports.timers.createTimer()),
      m_usbTimer(ports.timers.createTimer()),
      m_diagTimer(ports.timers.createTimer()),
      m_scheduler(*m_usbTxTimer, m_clients, *this, *this, sessionHooks, windowHooks, ports.log),
      m_watch(ports.d2xx, ports.mainThread, std::move(ports.transferThreadFactory), *this, *this,
              windowHooks, *m_usbTxTimer, *m_usbTimer,
              [this](uint8_t status, const ByteString& reply) { USB_OnReply(status, reply); }) {
    m_usbTxTimer->onTimeout = [this] { On_USBTX(); };
    m_usbTimer->setInterval(WatchIntervalMs);
    m_usbTimer->onTimeout = [this] { USBTimerTimer(); };
    m_diagTimer->setInterval(DiagIntervalMs);
}

MainEngine::~MainEngine() {
    m_usbTxTimer->stop();
    m_usbTimer->stop();
    m_diagTimer->stop();
}

void MainEngine::USB_StartThread(int replyTimeoutMs) {
    m_stopped = false;
    m_scheduler.setEnabled(true);
    m_watch.USB_StartThread(replyTimeoutMs);
}

void MainEngine::USB_StopThread() {
    m_stopped = true;
    m_scheduler.setEnabled(false);
    m_watch.USB_StopThread();
}

void MainEngine::USBTimerTimer() {
    m_usbTimer->stop();
    m_watch.watch();
    // The box is modal; the watch timer stays off meanwhile, so no second box can open.
    showNextDeferredMessage(*this, m_ui, windowHooks);
    if (!m_stopped) m_usbTimer->start();  // the program may have been closed meanwhile
}

BusEnvironment MainEngine::busEnvironment() {
    BusEnvironment env;
    env.transport = &transport();
    env.adapter = &adapterFrames;
    env.log = &m_log;
    env.dataPoints = &dataPoints;
    env.temperatureUnit = &TemperatureUnit;
    return env;
}
