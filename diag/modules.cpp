#include "modules.h"

#include "kx3024module.h"
#include "kx3090module.h"
#include "kx3117module.h"
#include "kx3141module.h"
#include "kx3166module.h"
#include "loadermodule.h"

void DIAG_InstallModules(DiagSession& session) {
    session.setModule(dcKX3090, std::make_unique<KX3090Module>(session));
    session.setModule(dcKX3024, std::make_unique<KX3024Module>(session));
    session.setModule(dcKX3117, std::make_unique<KX3117Module>(session));
    session.setModule(dcKX3141, std::make_unique<KX3141Module>(session));
    session.setModule(dcKX3166, std::make_unique<KX3166Module>(session));
    session.setModule(dcLoader, std::make_unique<LoaderModule>(session));
}
