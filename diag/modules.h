// The device modules this program has, put in place in a session.
#pragma once

#include "diagsession.h"

void DIAG_InstallModules(DiagSession& session);
