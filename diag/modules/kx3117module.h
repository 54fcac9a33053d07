// Device module of class 3: the control unit that speaks W-Bus dialect S. Reads the
// identification once (with the memory areas 1 and 2), then cycles through the status pages,
// the operating data every 10 s, the error memory every 3 s, and serves the commands (off,
// parking and supplementary heating and the circulation pump with their refresh, the economy
// modes, error memory delete) one per cycle.
#pragma once

#include <initializer_list>

#include "devicemodule.h"

class DiagSession;

class KX3117Module : public DeviceModule {
public:
    explicit KX3117Module(DiagSession& session) : m_session(session) {}

    void RegisterDataPoints(const ByteString& identText = ByteString()) override;
    void BuildRequest(const TUSBREQ& request, TUSBREQ& out) override;
    void EvaluateReply(const TUSBREQ& request, TUSBREQ& out) override;
    void OnTimer() override;
    void Stop() override { m_refreshActive = false; }

    void KX3117_OnTimer() { OnTimer(); }

    // Command setters of the main window's actions: they only mark what the next decision
    // step serves.
    void KX3117_RequestOff();
    void KX3117_RequestParkingHeat() { startRefreshed(0x20, m_parkingPending); }
    void KX3117_RequestSupplementaryHeat() { startRefreshed(0x20, m_supplementaryPending); }
    void KX3117_RequestPump() { startRefreshed(0x22, m_pumpPending); }
    // 1 normal, 2 economy 1, 3 economy 2; ignored while an economy mode is pending.
    void KX3117_SetEconomyMode(int32_t mode);
    void KX3117_RequestEconomyNormal() { m_economyNormalPending = true; }
    void KX3117_RequestEconomy1() { m_economy1Pending = true; }
    void KX3117_RequestEconomy2() { m_economy2Pending = true; }
    void KX3117_RequestErrorDelete() { m_errorDeletePending = true; }

    // Unit state, readable for the windows and tests.
    bool refreshActive() const { return m_refreshActive; }
    uint8_t refreshCommand() const { return m_refreshCommand; }
    bool economyPending() const {
        return m_economyNormalPending || m_economy1Pending || m_economy2Pending;
    }
    bool commandPending() const {
        return m_offPending || m_parkingPending || m_supplementaryPending || m_pumpPending ||
               economyPending();
    }

    static constexpr int OperatingDataReload = 100;
    static constexpr int ErrorPollReload = 30;
    static constexpr int RefreshReload = 150;

private:
    void registerPoints();
    void startRefreshed(uint8_t command, bool& pending);
    void checkEconomyModes(bool economy1, bool economy2);
    // Sends one dialect-S request; true when the transport took it.
    bool send(uint8_t command, std::initializer_list<long double> params,
              const ByteString& rawText = ByteString());
    // The request of a step: its command and parameter 1 (-1: none).
    bool sendStep(int32_t step, uint8_t command, int p1);
    // The moves of a failed answer beyond the skip helper's, at steps with rules of their own;
    // false for the others.
    bool failedAt(int32_t step, long double code, TUSBREQ& out);
    void succeededAt(int32_t step, const TResult& res, TUSBREQ& out);
    void errorEntryFailed(int32_t step, long double code, TUSBREQ& out);
    void errorReadingDone(TUSBREQ& out);
    void decisionStep(TUSBREQ& out);

    DiagSession& m_session;
    bool m_firstPass = false;
    DM_Polls m_polls;
    bool m_errorDeletePending = false;
    bool m_offPending = false;
    bool m_parkingPending = false;
    bool m_supplementaryPending = false;
    bool m_economy1Pending = false;
    bool m_economy2Pending = false;
    bool m_pumpPending = false;
    bool m_economyNormalPending = false;
    bool m_refreshDue = false;
    bool m_refreshActive = false;
    int32_t m_refreshCounter = 0;
    uint8_t m_refreshCommand = 0x20;
};
