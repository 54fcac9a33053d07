// The three heater bus layers of the program's run, sharing one environment (transport,
// adapter frames, log, data points, temperature unit, operating-state hook).
#pragma once

#include "busenvironment.h"
#include "klinelayer.h"
#include "sbuslayer.h"
#include "wbusdialects.h"
#include "wbusdialectv.h"
#include "wbuslayer.h"

struct BusLayers {
    explicit BusLayers(const BusEnvironment& e)
        : env(e), wbus(env), wbusV(wbus), wbusS(wbus), kline(env), sbus(env) {}
    BusLayers(const BusLayers&) = delete;
    BusLayers& operator=(const BusLayers&) = delete;

    BusEnvironment env;
    WBusLayer wbus;
    WBusDialectV wbusV;
    WBusDialectS wbusS;
    KLineLayer kline;
    SBusLayer sbus;
};
