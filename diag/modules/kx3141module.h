// Device module of class 4: the S-Bus control unit KX3141 of a gas-fired water heater (burner
// motor, solenoid valves MV1 and MV2, ignition module ZFM, flame detector, circulation pump,
// controller heating). Reads the identification once, then cycles through the counter block,
// the overview block and the status byte (the ten error entries whenever the status changed),
// and between two cycles serves one pending command or the refresh of heating and pump.
#pragma once

#include <array>

#include "devicelist.h"
#include "sbusmodule.h"

class KX3141Module : public SBusModule {
public:
    explicit KX3141Module(DiagSession& session) : SBusModule(session, dcKX3141) {}

    void RegisterDataPoints(const ByteString& identText) override;
    void BuildRequest(const TUSBREQ& request, TUSBREQ& out) override;
    void EvaluateReply(const TUSBREQ& request, TUSBREQ& out) override;
    void OnTimer() override;
    void Stop() override;

    void KX3141_RegisterDataPoints(const ByteString& identText) { RegisterDataPoints(identText); }
    void KX3141_OnTimer() { OnTimer(); }

    // Command setters: they only mark what the next decision step serves. Heating and pump
    // store their state at once, so the refresh carries it.
    void KX3141_RequestHeatOn();
    void KX3141_RequestHeatOff();
    void KX3141_RequestPumpOn();
    void KX3141_RequestPumpOff();
    void KX3141_RequestErrorDelete() { m_pending[ErrorDelete] = true; }
    // Starts the refresh while heating or pump is on, stops it once both are off.
    void KX3141_UpdateCommandRefresh();

    // The decoders of the module's own answers: the block after the header of a memory read
    // (counters, overview), or the error entry (payload without the message ID).
    void KX3141_DecodeCounters(const ByteString& block);
    void KX3141_DecodeOverview(const ByteString& block);
    void KX3141_DecodeErrorEntry(const ByteString& payload);

    // The pending command block, in the order the decision step serves it.
    enum Pending { HeatOn, HeatOff, PumpOn, PumpOff, ErrorDelete, PendingCount };

    static constexpr uint32_t SessionKey = 0x01000000;  // second parameter of message 30
    // The blocks of the memory reads: address and length.
    static constexpr uint8_t CounterBlockLength = 30;
    static constexpr uint8_t OverviewBlockLength = 45;

private:
    // The successful answer of a step: decodes it and chooses the next step.
    void evaluateSuccess(int32_t step, const TResult& res, TUSBREQ& out);
    void decisionStep(TUSBREQ& out);

    std::array<bool, PendingCount> m_pending{};
    // The three parameters of the refresh (message 13), in its order.
    uint8_t m_heating = 0;
    uint8_t m_reserved = 0;
    uint8_t m_pump = 0;
};
