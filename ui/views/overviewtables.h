// What the overview shows for each heater class: its bars, lamps and status lines, and the
// size rules of its layout. Pure data; the window reads it when it builds a class's layout.
#pragma once

#include <cstdint>
#include <vector>

struct OverviewBar {
    int row;          // 1..8: bar row B1..B8
    const char* key;  // data point shown
    int minimum;      // scale of a non-temperature bar
    int maximum;
    int tick;
    bool temperature;  // scale from the temperature range instead
    bool hint;         // carries the switching-threshold hint
};

struct OverviewLamp {
    int image;                // 10..23: lamp Image10..Image23
    const char* key;          // data point shown
    const char* description;  // the lamp's hint (translatable)
    int base;                 // picture pair: 0 red, 4 green, 6 yellow
};

struct OverviewFlag {
    const char* key;
    const char* name;
};

struct OverviewClassLayout {
    const char* probe;  // width probe of the value column
    int bars;           // bar rows enabled
    int extra;          // extra height units of the status area
    int mode;           // status area height rule, 1..3
    const char* statusLabels[3];
    bool line3;
    int helpContext;
    std::vector<OverviewBar> barList;
    std::vector<OverviewLamp> lampList;
    std::vector<OverviewFlag> statusFlags;  // appended to the device-status line when set
};

// Classes 1..5; nullptr for every other class.
const OverviewClassLayout* OVERVIEW_ClassLayout(uint8_t deviceClass);

// Temperature range of the temperature bars: -40 .. 120 (class 4: 140), in Fahrenheit 260
// (class 4: 290); tick step 10.
struct OverviewRange {
    int minimum;
    int maximum;
    int tick;
};
OverviewRange OVERVIEW_TemperatureRange(uint8_t deviceClass, int temperatureUnit);

// Untranslated texts, translated in the context of the window.
extern const char* const kOverviewContext;
extern const char* const kSwitchThresholdHint;
