// Device module of class 5: the S-Bus control unit KX3166 of a diesel water heater with four
// external input lines (main switch HS, pump control UPFA, terminal 61, economy mode SPAR) that
// the diagnosis may override. Reads the identification once, then cycles through counters,
// raw inputs, the overview block and the status byte (the ten error entries whenever the status
// changed), and between two cycles serves one pending command, the repeated component test, the
// refresh of the overridden lines or the keep-alive.
#pragma once

#include <array>

#include "devicelist.h"
#include "sbusmodule.h"

class KX3166Module : public SBusModule {
public:
    explicit KX3166Module(DiagSession& session) : SBusModule(session, dcKX3166) {}

    void RegisterDataPoints(const ByteString& identText) override;
    void BuildRequest(const TUSBREQ& request, TUSBREQ& out) override;
    void EvaluateReply(const TUSBREQ& request, TUSBREQ& out) override;
    void OnTimer() override;
    void Stop() override;

    void KX3166_RegisterDataPoints(const ByteString& identText) { RegisterDataPoints(identText); }
    void KX3166_OnTimer() { OnTimer(); }

    // Command setters: they only mark what the next decision step serves. A line request
    // stores the override at once (and its check marks), so the refresh carries it.
    void KX3166_RequestHSOn();
    void KX3166_RequestHSOff();
    void KX3166_RequestHSLine();
    void KX3166_RequestUPFAOn();
    void KX3166_RequestUPFAOff();
    void KX3166_RequestUPFALine();
    void KX3166_RequestKL61On();
    void KX3166_RequestKL61Off();
    void KX3166_RequestKL61Line();
    void KX3166_RequestSPAROn();
    void KX3166_RequestSPAROff();
    void KX3166_RequestSPARLine();
    void KX3166_RequestErrorDelete() { m_pending[ErrorDelete] = true; }
    void KX3166_RequestCounterDelete() { m_counterDeletePending = true; }
    // The component test repeats its request every 31 ticks until it is stopped; the first
    // goes out when the counter has run down once. Component 0 switches every component off.
    void KX3166_StartComponentTest(uint8_t component, uint8_t runtime, uint16_t setpoint);
    void KX3166_StopComponentTest();

    // Store one line's override (0 off, 1 on, 255 follow the wire) and set its check marks.
    void KX3166_SetLineHS(uint8_t state);
    void KX3166_SetLineUPFA(uint8_t state);
    void KX3166_SetLineKL61(uint8_t state);
    void KX3166_SetLineSPAR(uint8_t state);
    // Starts the refresh of the overrides while any line is overridden, stops it once none is.
    void KX3166_UpdateOverrideRefresh();

    // The decoders of the module's own answers; payload without the message ID.
    void KX3166_DecodeOverview(const ByteString& payload);
    void KX3166_DecodeInputs(const ByteString& payload);
    void KX3166_DecodeErrorEntry(const ByteString& payload);
    void KX3166_DecodeComponentDefault(const ByteString& payload);

    // The pending command block, in the order the module holds it.
    enum Pending {
        HSOn,
        HSOff,
        HSLine,
        UPFAOn,
        UPFAOff,
        UPFALine,
        KL61On,
        KL61Off,
        KL61Line,
        SPAROff,
        SPAROn,
        SPARLine,
        ErrorDelete,
        PendingCount
    };
    // Whether a command of the block still waits to be sent (the calibration asks after its
    // main-switch off).
    bool pending(Pending p) const { return m_pending[p]; }

    // Unit state, readable for the windows and tests.
    bool componentTestDue() const { return m_componentTest.due; }
    bool keepAliveActive() const { return m_keepAlive.active; }
    bool keepAliveDue() const { return m_keepAlive.due; }
    uint8_t lineHS() const { return m_lines[LineHS]; }

    static constexpr int32_t ComponentTestReload = 30;
    static constexpr int32_t KeepAliveReload = 500;
    static constexpr uint32_t SessionKey = 0x01000006;  // second parameter of message 30

private:
    using Repeat = DM_Repeat;
    // The overrides in the order message 13 carries them.
    enum Line { LineHS, LineSPAR, LineUPFA, LineKL61 };

    void registerPoints(const ByteString& identText);
    void storeLine(Line line, uint8_t state);
    void setLine(Line line, uint8_t state, Pending request);
    // The successful answer of a step: decodes it and chooses the next step.
    void evaluateSuccess(int32_t step, const TResult& res, TUSBREQ& out);
    void decisionStep(TUSBREQ& out);

    bool m_changeNoticePending = false;
    std::array<uint8_t, 4> m_lines{255, 255, 255, 255};
    std::array<bool, PendingCount> m_pending{};
    bool m_counterDeletePending = false;
    Repeat m_componentTest;
    Repeat m_keepAlive;
    uint8_t m_component = 0;
    uint8_t m_componentRuntime = 0;
    uint16_t m_componentSetpoint = 0;
};
