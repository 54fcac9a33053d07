// Device module of class 6: an S-Bus control unit that runs its boot loader instead of its
// application ("Flashloader"). Identifies the unit, opens its session, reads the boot-loader,
// application and programming-fingerprint identification once, and then keeps the session
// alive for the software programming: a cyclic poll, and every 501 ticks a keep-alive.
#pragma once

#include "devicemodule.h"

class DiagSession;

class LoaderModule : public DeviceModule {
public:
    explicit LoaderModule(DiagSession& session) : m_session(session) {}

    void RegisterDataPoints(const ByteString& identText) override;
    void BuildRequest(const TUSBREQ& request, TUSBREQ& out) override;
    void EvaluateReply(const TUSBREQ& request, TUSBREQ& out) override;
    void OnTimer() override;
    void Stop() override;

    void LOADER_OnTimer() { OnTimer(); }
    void LOADER_Stop() { Stop(); }

    bool active() const { return m_active; }
    bool keepAliveDue() const { return m_keepAliveDue; }

    static constexpr int32_t KeepAliveReload = 500;
    static constexpr uint32_t SessionKey = 0x01000006;  // second parameter of message 30

private:
    void decisionStep(TUSBREQ& out);
    void evaluateIdentification(const TUSBREQ& request, TUSBREQ& out);

    DiagSession& m_session;
    bool m_active = false;
    bool m_firstPass = false;
    bool m_keepAliveDue = false;
    int32_t m_keepAliveCounter = KeepAliveReload;
};
