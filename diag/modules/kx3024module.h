// Device module of class 2: the control unit that speaks K-Line. After a manual start it begins
// the communication, reads the unit's name and proves the class by the unit's refusal of
// identifier 0x11; then it reads the identification once and cycles through the overview
// values, the lamps and a tester-present, reads the operating data every 10.1 s and the error
// memory every 3.1 s, and serves the two commands (error-memory delete, end of a diagnostic
// session) one per cycle.
#pragma once

#include "devicemodule.h"

class DiagSession;

class KX3024Module : public DeviceModule {
public:
    explicit KX3024Module(DiagSession& session) : m_session(session) {}

    void RegisterDataPoints(const ByteString& identText = ByteString()) override;
    void BuildRequest(const TUSBREQ& request, TUSBREQ& out) override;
    void EvaluateReply(const TUSBREQ& request, TUSBREQ& out) override;
    void OnTimer() override;
    // No Stop of its own: nothing of this module runs on that the end of a session must stop.

    void KX3024_OnTimer() { OnTimer(); }

    // Command setters: they only mark what the next decision step serves. The first comes
    // from the main window's error-memory delete, the second from the component test window
    // when it closes (it ends the unit's diagnostic session).
    void KX3024_RequestErrorDelete() { m_errorDeletePending = true; }
    void KX3024_RequestStopSession() { m_stopSessionPending = true; }

    // Unit state, readable for the windows and tests.
    bool errorDeletePending() const { return m_errorDeletePending; }
    bool stopSessionPending() const { return m_stopSessionPending; }
    const ByteString& deviceName() const { return m_deviceName; }

    static constexpr int OperatingDataReload = 100;
    static constexpr int ErrorPollReload = 30;
    // Error entries read one by one, 1 to 7.
    static constexpr int MaxErrorEntries = 7;
    // Wake-ups after which a unit that does not begin the communication is given up.
    static constexpr int WakeupLimit = 20;

    // The request of one step (defined with the step machine).
    struct StepRequest;

private:
    void registerPoints();
    // Sends the step's request; true when the transport took it.
    bool send(const StepRequest& q);
    void evaluateIdentityCheck(const TResult& res, TUSBREQ& out);
    void evaluateErrorEntry(const TResult& res, TUSBREQ& out);
    // The moves that follow a step's own handling: end of the identification, the decision
    // step, the ends of the operating-data, delete, error and stop blocks.
    void settle(TUSBREQ& out);
    void decisionStep(TUSBREQ& out);

    DiagSession& m_session;
    bool m_firstPass = false;
    bool m_errorDeletePending = false;
    bool m_stopSessionPending = false;
    int m_stopSessionRetries = 0;  // the stop asked again after a failed answer
    DM_Polls m_polls;
    // The name read at step 11 of this session; empty until then.
    ByteString m_deviceName;
};
