// After a manual start every device module first asks the unit who it is. When that fails, the
// module goes on the same way whatever its bus.
#pragma once

#include "records.h"

class DiagSession;

// rejected: the unit answered, but with another identity or a refusal: the chosen heater is not
// there (PendingNotFound, session end). Otherwise no usable answer came: the unit is woken once
// more while the session has made fewer than three wake-ups, then it is not found either.
void DIAG_IdentityCheckFailed(DiagSession& session, bool rejected, TUSBREQ& out);
