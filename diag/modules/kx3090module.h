// Device module of class 1: the control unit that speaks W-Bus dialect V. Reads the
// identification once, then cycles through the status pages, the operating data every 10 s,
// the error memory every 3 s, and serves the commands (off, circulation pump with its refresh,
// error memory delete) one per cycle.
#pragma once

#include "devicemodule.h"

class DiagSession;

class KX3090Module : public DeviceModule {
public:
    explicit KX3090Module(DiagSession& session) : m_session(session) {}

    void RegisterDataPoints(const ByteString& identText = ByteString()) override;
    void BuildRequest(const TUSBREQ& request, TUSBREQ& out) override;
    void EvaluateReply(const TUSBREQ& request, TUSBREQ& out) override;
    void OnTimer() override;
    void Stop() override { m_refreshActive = false; }

    void KX3090_RegisterDataPoints() { RegisterDataPoints(); }
    void KX3090_OnTimer() { OnTimer(); }

    // Command setters of the main window's actions: they only mark what the next decision
    // step serves.
    void KX3090_RequestErrorDelete() { m_errorDeletePending = true; }
    void KX3090_RequestOff();
    void KX3090_RequestPump();

    // Unit state, readable for the windows and tests.
    bool refreshActive() const { return m_refreshActive; }

    static constexpr int OperatingDataReload = 100;
    static constexpr int ErrorPollReload = 30;
    static constexpr int RefreshReload = 150;

private:
    void registerPoints();
    // Sends one dialect-V request; true when the transport took it.
    bool send(uint8_t command, std::initializer_list<long double> params,
              const ByteString& rawText = ByteString());
    // The moves that follow a step's own handling: end of identification, the decision step,
    // the ends of the command and error blocks.
    void settle(TUSBREQ& out);
    void decisionStep(TUSBREQ& out);

    DiagSession& m_session;
    bool m_firstPass = false;
    DM_Polls m_polls;
    bool m_errorDeletePending = false;
    bool m_offPending = false;
    bool m_pumpPending = false;
    bool m_refreshActive = false;
    bool m_refreshDue = false;
    int32_t m_refreshCounter = 0;
    uint8_t m_refreshCommand = 0x24;
};
