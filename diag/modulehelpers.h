// Moves every device module makes the same way, whatever its bus: the end of a failed identity
// check after a manual start, the identity check of the S-Bus classes, and the report that the
// session is up.
#pragma once

#include <functional>
#include <initializer_list>

#include "devicemodule.h"
#include "records.h"

class DiagSession;

// rejected: the unit answered, but with another identity or a refusal: the chosen heater is not
// there (PendingNotFound, session end). Otherwise no usable answer came: the unit is woken once
// more while the session has made fewer than `wakeups` wake-ups (three unless the class says
// otherwise), then it is not found either.
void DIAG_IdentityCheckFailed(DiagSession& session, bool rejected, TUSBREQ& out,
                              int32_t wakeups = 3);

// The identification answer (message 20, already read by SBUS_ReadAndDecode into res) after a
// manual start of an S-Bus class: true when it names deviceClass; the caller then registers its
// data points and goes on. Otherwise out's step moves as a failed identity check: another unit or
// a refusal ends the session, no answer wakes the unit again; a failure that asks once more
// (a damaged frame, say) leaves the step.
bool DIAG_CheckSBusIdentification(DiagSession& session, uint8_t deviceClass, const TResult& res,
                                  TUSBREQ& out);

// The registration of a class that polls its operating data and its error memory: the table
// cleared, the class's points registered (registerPoints), then both polls made due at once
// while DIAG_Timer is stopped, and the timer started again.
void DIAG_RegisterPolledPoints(DiagSession& session, DM_Polls& polls,
                               const std::function<void()>& registerPoints);

// The first decision step of a session: the session is up; the windows follow.
void DIAG_ReportSessionUp(DiagSession& session);
// The same, once: when firstPass is set it is cleared and the session reported up.
void DIAG_ReportSessionUp(DiagSession& session, bool& firstPass);

// One item a decision step may serve: its flag and the step that serves it.
struct DM_Item {
    bool* flag;
    int32_t step;
};
// The first item whose flag is set, its flag cleared: its step. None set: `none`.
int32_t DIAG_TakeFirstItem(std::initializer_list<DM_Item> items, int32_t none);

// The live values were decoded: the windows that show them follow, in their order (operating
// data, overview, trend chart, calibration).
void DIAG_ShowLiveValues(DiagSession& session);

// ---- what the S-Bus classes share ----

// The unit confirms its session (message 30) with exactly one byte 01.
bool DIAG_SBusSessionConfirmed(const ByteString& payload);

// The ten error entries of an S-Bus unit, read one by one whenever its status byte (message 90)
// has changed; the entry step asks for entry index().
class DM_SBusErrorEntries {
public:
    static constexpr uint8_t Count = 10;
    uint8_t index() const { return m_index; }
    // After the status answer: with a change the read begins (entry 1 at entryStep); without
    // one the error view shows what the last read left, and out's step stays.
    void afterStatus(DiagSession& session, int32_t entryStep, TUSBREQ& out);
    // After an entry was stored: the next one, or after the last the cyclic step.
    void afterEntry(int32_t entryStep, int32_t cycleStep, TUSBREQ& out);
    // A failed answer at any step: the S-Bus failure rule (SBUS_StepOnErrorSkip), except that
    // an entry answered for another request is asked for again.
    static void stepOnError(const TUSBREQ& request, TUSBREQ& out, long double code,
                            int32_t entryStep);

private:
    uint8_t m_index = 1;
};
