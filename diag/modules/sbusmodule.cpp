#include "sbusmodule.h"

#include "diagsession.h"

bool SBusModule::send(uint8_t id, std::initializer_list<long double> params) {
    ByteString data;
    return m_session.buses().sbus.SBUS_BuildRequest(0, id, static_cast<uint8_t>(params.size()),
                                                    DM_Params(params), data);
}

void SBusModule::evaluateIdentification(const TResult& res, TUSBREQ& out) {
    if (!DIAG_CheckSBusIdentification(m_session, m_deviceClass, res, out)) return;
    RegisterDataPoints(res.Text);
    out.Step = OpenSessionStep;
}
