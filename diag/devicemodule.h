// What the diagnosis session expects of the device module of one device class. The session
// hands the module its steps 10..100; the module sends at most one request per step through its
// bus layer and reads the answers into the data-point table.
#pragma once

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

// One poll interval of a module's tick: when its counter has run down the poll falls due and
// the counter reloads; otherwise the counter counts down.
inline void DIAG_TickPoll(int32_t& counter, bool& due, int32_t reload) {
    if (counter == 0) {
        due = true;
        counter = reload;
    } else {
        --counter;
    }
}
