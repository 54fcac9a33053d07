#include "wbuslayer.h"

#include "rounding.h"

WBusLayer::WBusLayer(BusEnvironment& env) : BusLayerBase(env, WBus::FAILURE_LIMIT) {
    WBUS_Reset();
}

void WBusLayer::WBUS_Reset() {
    resetFailures();
    forgetRequest();
    for (AreaColumn* c : {&m_areaMask, &m_areaA, &m_areaB, &m_areaC, &m_areaD}) c->fill(-1);
}

void WBusLayer::WBUS_StepOnErrorSkip(const TUSBREQ& request, TUSBREQ& out, long double code) {
    BUS_StepOnErrorSkip(request, out, code);
}

void WBusLayer::WBUS_StepOnError(const TUSBREQ& request, TUSBREQ& out, long double code) {
    StepMove move = StepMove::Stay;
    for (int c : {0, 3, 4, 9, 11, 12, 13})
        if (BUS_CodeIs(code, c)) move = StepMove::Error;
    BUS_MoveStep(request, out, move);
}

void WBusLayer::WBUS_StoreArea(uint8_t area, long double p1, long double p2, long double p3,
                               long double p4, long double p5) {
    if (area < 1 || area > 4) return;
    // The mask is 1 shl P1; shifts of 32 and more (and negative ones) give 0.
    const int64_t shift = TOOL_Round64(p1);
    m_areaMask[area] = shift >= 0 && shift <= 31 ? static_cast<int32_t>(uint32_t{1} << shift) : 0;
    m_areaA[area] = TOOL_Round32(p2);
    m_areaB[area] = TOOL_Round32(p3);
    m_areaC[area] = TOOL_Round32(p4);
    m_areaD[area] = TOOL_Round32(p5);
}

int32_t WBusLayer::areaColumn(const AreaColumn& column, uint8_t area) {
    return area >= 1 && area <= 4 ? column[area] : -1;
}
