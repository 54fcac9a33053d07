// The texts that depend on the chosen temperature unit: bus error texts with a temperature
// limit, the pump pressure test's preparation notice, the measurement log's column titles and
// the unit of every temperature data point. The main window loads them at start and when the
// user changes the unit; the readers take them from here.
#pragma once

#include <array>
#include <cstdint>

#include "records.h"

enum UnitTextIndex : int {
    utOverheat = 0,    // "Überhitzung T > 135°C"
    utOverheatSensor,  // sensor limit while heating
    utLowComparator,   // "Komparator -50°C hat ausgelöst"
    utPumpTestNotice,  // preparation notice of the pump pressure test
    utAxisUEHS,        // "T_ÜHS [°C]"
    utAxisDVW,
    utAxisSG,
    utAxisWTS,
    utAxisUS,
    utAxisOS,
    utAxisCPU,
    utTemperatureUnit,  // "°C" or "°F"
    UnitTextCount
};

// Loads the Fahrenheit texts for unit 1 and the Celsius texts for every other value.
void UNIT_LoadTexts(int32_t unit);
// One text of the loaded set (the Celsius set until the first load).
const ByteString& UNIT_Text(UnitTextIndex index);
