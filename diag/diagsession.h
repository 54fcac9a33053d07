// The diagnosis session: the main window's conversation with one control unit. It configures
// the adapter for the class's bus, wakes the unit, hands steps 10..100 to the class's device
// module, and for automatic detection probes the W-Bus, then the S-Bus, then the K-Line. It is
// the last request client of the scheduler and drives the modules' 100 ms tick.
#pragma once

#include <array>
#include <memory>

#include "buslayers.h"
#include "devicelist.h"
#include "devicemodule.h"
#include "mainengine.h"
#include "requestclient.h"
#include "viewhooks.h"

// TSessionStep values.
enum TSessionStep : int32_t {
    ssIdle = 0,
    ssBusConfig = 1,
    ssWakeup = 2,
    ssEnd = 7,
    ssModuleFirst = 10,
    ssModuleLast = 100,
    ssAutoWBusConfig = 200,
    ssAutoWBusWakeup = 201,
    ssAutoWBusIdent = 202,
    ssAutoSBusConfig = 205,
    ssAutoSBusWakeup = 206,
    ssAutoSBusIdent = 207,
    ssAutoKLineConfig = 210,
    ssAutoKLineWakeup = 211,
    ssAutoKLineStart = 212,
    ssAutoKLineName = 213,
    ssAutoKLineCheck = 214,
    ssAutoNoAdapterAck = 250,
    ssAutoWBusUnknown = 251,
    ssAutoNoAnswer = 260,
    ssAutoKLineUnknown = 261,
    ssAutoNotSupported = 270,
};

class DiagSession : public IRequestClient {
public:
    explicit DiagSession(MainEngine& engine);
    ~DiagSession() override;
    DiagSession(const DiagSession&) = delete;
    DiagSession& operator=(const DiagSession&) = delete;

    // Puts a device module in place for its class (1..6); a class without one cannot be
    // diagnosed: detection reports it as not supported and a manual start ends at once.
    void setModule(uint8_t deviceClass, std::unique_ptr<DeviceModule> module);
    DeviceModule* module(uint8_t deviceClass) const;
    template <typename T>
    T* moduleAs(uint8_t deviceClass) const {
        return dynamic_cast<T*>(module(deviceClass));
    }

    void DIAG_BeginSession(uint8_t deviceClass);
    void DIAG_RequestStop() { m_engine.DIAG_RequestStop(); }
    void DIAG_StopModule();
    bool DIAG_BuildRequest();
    bool DIAG_EvaluateReply(uint8_t status, const ByteString& reply);
    void DIAG_UpdateTitle();
    void DIAG_SetOperatingState(int32_t state);
    void On_DIAG_Timer();

    // IRequestClient: the session slot of the scheduler.
    bool NextRequest() override { return DIAG_BuildRequest(); }
    bool EvaluateReply(uint8_t status, const ByteString& reply) override {
        return DIAG_EvaluateReply(status, reply);
    }

    // The text of every temperature data point's unit: "°C" or "°F".
    ByteString temperatureUnitText() const;

    MainEngine& engine() { return m_engine; }
    BusLayers& buses() { return m_buses; }
    ViewHooks views;

    // Session fields.
    TUSBREQ SessionReq;
    int32_t AttemptCount = 0;
    int32_t SBusProbeCount = 0;
    ByteString KLineName;
    int32_t SelectedDeviceIndex = -1;
    int32_t OperatingState = -1;

private:
    bool sendFrame(const ByteString& frame);
    // deviceClass: a class 1..6, or the step of a detection probe (its configuration, its
    // wake-up).
    bool sendBusConfig(uint8_t deviceClass);
    bool sendWakeup(uint8_t deviceClass);
    void buildStep();
    void evaluateStep(const ByteString& reply);
    void evaluateWBusIdent(const ByteString& reply);
    void evaluateSBusIdent(const ByteString& reply);
    void evaluateKLine(const ByteString& reply);
    // A unit was recognised: class, registration, entry step and detected list row.
    // name: stored as CFGNAME after the registration (none for the S-Bus classes).
    void recognise(uint8_t deviceClass, const ByteString& identText, int32_t step, int32_t row,
                   const ByteString* name);
    void endWithMessage(bool MessageFlags::*flag);
    void logLine(const ByteString& text);

    MainEngine& m_engine;
    BusLayers m_buses;
    std::array<std::unique_ptr<DeviceModule>, 7> m_modules;
};
