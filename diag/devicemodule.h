// What the diagnosis session expects of the device module of one device class. The session
// hands the module its steps 10..100; the module sends at most one request per step through its
// bus layer and reads the answers into the data-point table.
#pragma once

#include <initializer_list>

#include "records.h"

class DeviceModule {
public:
    virtual ~DeviceModule() = default;

    // Clears the data-point table, registers the class's points and (re)starts DIAG_Timer.
    // identText is the S-Bus identification of classes 4, 5 and 6 (empty for the others).
    virtual void RegisterDataPoints(const ByteString& identText) = 0;
    // out := request; then either a request is sent (out.Active 1 and its error step) or the
    // step moves without a request (out.Active 0). Active is set only when the transport took
    // the frame, so a reported request always ends in one reply.
    virtual void BuildRequest(const TUSBREQ& request, TUSBREQ& out) = 0;
    // Decodes request.Reply (status 0) and moves the step.
    virtual void EvaluateReply(const TUSBREQ& request, TUSBREQ& out) = 0;
    // Every 100 ms while the class is active.
    virtual void OnTimer() = 0;
    // The session ends. A module with nothing running that the end must stop keeps this.
    virtual void Stop() {}
};

// The parameter list of a request: values for parameters 1, 2, ... in order.
inline TParamlist DM_Params(std::initializer_list<long double> values) {
    TParamlist p;
    size_t k = 1;
    for (long double v : values)
        if (k < p.size()) p[k++].Value = v;
    return p;
}

// A poll counter of a module's 100 ms tick: when it has run down the poll falls due and the
// counter reloads.
inline void DM_TickPoll(int32_t& counter, bool& due, int32_t reload) {
    if (counter == 0) {
        due = true;
        counter = reload;
    } else {
        --counter;
    }
}

// A request a module repeats while it is active: due whenever the 100 ms tick has run the
// counter down, then the counter reloads (a command refresh, a repeated component test).
struct DM_Repeat {
    bool active = false;
    bool due = false;
    int32_t counter = 0;

    void tick(int32_t reload) {
        if (active) DM_TickPoll(counter, due, reload);
    }
};

// The two polls of a module: operating data and error memory.
struct DM_Polls {
    bool operatingDataDue = false;
    int32_t operatingDataCounter = 0;
    bool errorPollDue = false;
    int32_t errorPollCounter = 0;

    // A new registration: both polls due, their counters run down.
    void restart() {
        operatingDataDue = errorPollDue = true;
        operatingDataCounter = errorPollCounter = 0;
    }
    void tick(int32_t operatingDataReload, int32_t errorPollReload) {
        DM_TickPoll(operatingDataCounter, operatingDataDue, operatingDataReload);
        DM_TickPoll(errorPollCounter, errorPollDue, errorPollReload);
    }
    // The error memory was just read (or deleted): the next poll comes a full period later.
    void errorPollServed(int32_t errorPollReload) {
        errorPollCounter = errorPollReload;
        errorPollDue = false;
    }
};
