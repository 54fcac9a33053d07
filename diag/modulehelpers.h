// Moves every device module makes the same way, whatever its bus: the end of a failed identity
// check after a manual start, and the report that the session is up.
#pragma once

#include "records.h"

class DiagSession;

// rejected: the unit answered, but with another identity or a refusal: the chosen heater is not
// there (PendingNotFound, session end). Otherwise no usable answer came: the unit is woken once
// more while the session has made fewer than `wakeups` wake-ups (three unless the class says
// otherwise), then it is not found either.
void DIAG_IdentityCheckFailed(DiagSession& session, bool rejected, TUSBREQ& out,
                              int32_t wakeups = 3);

// The first decision step of a session: the session is up; the windows follow.
void DIAG_ReportSessionUp(DiagSession& session);

// The S-Bus units confirm their session (message 30) with exactly one byte 01; the answer's
// payload without the message ID.
inline bool DIAG_SessionConfirmed(const ByteString& payload) {
    return payload.size() == 1 && payload[0] == '\x01';
}
