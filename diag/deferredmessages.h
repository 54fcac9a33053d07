// Shows the messages that failures inside the reply path could only flag: at most one per
// 100 ms adapter tick, the first set flag in order of priority, its flag cleared before the
// box opens.
#pragma once

#include "enginehooks.h"
#include "enginestate.h"
#include "ports.h"

// Shows the first pending message and returns true, or returns false when none is pending.
// The update notice runs the window hook instead of a box.
bool showNextDeferredMessage(MessageFlags& flags, IUserInteraction& ui, const WindowHooks& hooks);
