// What the device modules of the two S-Bus heater classes (4 and 5) share: the session they run
// in, the first-pass flag of the decision step, the refresh of the commands they hold, the ten
// error entries read after a status change, the request builder and the identity check of the
// first answer after a manual start.
#pragma once

#include "devicemodule.h"
#include "modulehelpers.h"

class DiagSession;

class SBusModule : public DeviceModule {
public:
    // Unit state, readable for the windows and tests.
    bool firstPass() const { return m_firstPass; }
    bool refreshActive() const { return m_refresh.active; }
    bool refreshDue() const { return m_refresh.due; }
    uint8_t errorEntryIndex() const { return m_errorEntries.index(); }

    static constexpr int32_t RefreshReload = 150;

protected:
    // The steps both machines share: the identity check after a manual start, the opening of
    // the session (where a recognised unit enters), the first of the cyclic reads, and the
    // error entry read one by one after a status change.
    static constexpr int32_t IdentificationStep = 10;
    static constexpr int32_t OpenSessionStep = 11;
    static constexpr int32_t CycleStep = 40;
    static constexpr int32_t ErrorEntryStep = 50;

    SBusModule(DiagSession& session, uint8_t deviceClass)
        : m_session(session), m_deviceClass(deviceClass) {}

    // Sends one request (message id with its byte parameters); true when the transport took it.
    bool send(uint8_t id, std::initializer_list<long double> params);
    // The identification answer after a manual start: when it names this class, the class's
    // data points are registered and the session is opened next.
    void evaluateIdentification(const TResult& res, TUSBREQ& out);

    DiagSession& m_session;
    bool m_firstPass = false;
    DM_Repeat m_refresh;
    DM_SBusErrorEntries m_errorEntries;

private:
    uint8_t m_deviceClass;
};
