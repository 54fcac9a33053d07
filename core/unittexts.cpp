#include "unittexts.h"

#include "translate.h"

namespace {

constexpr char CTX[] = "UnitTexts";

// The pump pressure test's preparation notice around its line with the fuel temperature.
ByteString pumpTestNotice(const ByteString& temperatureLine) {
    return TR(CTX,
              "     Vor einer Pumpendruckprüfung müssen folgende Wartungsarbeiten durchgeführt "
              "werden:     ") +
           "\r\n\r\n" + temperatureLine + "\r\n" +
           TR(CTX,
              "     - Ist ein eventuell vorhandenes Absperrventil in der Brennstoffrückleitung "
              "offen?\r\n"
              "     - Sind die Brennstofffilter in der Ansaugleitung gewechselt bzw. neu?\r\n"
              "     - Ist die Düse gewechselt?\r\n"
              "     - Sind die Siebe im Pumpeneintritt kontrolliert und sauber?\r\n"
              "     - Wird der Brennstoff blasenfrei gefördert?") +
           "\r\n\r\n" +
           TR(CTX,
              "     Hinweis: Zur Überprüfung einen klaren Schlauch auf den Rücklaufanschluss "
              "stecken.\r\n"
              "                   Nach einigen Minuten muss der Brennstoff blasenfrei austreten.");
}

std::array<ByteString, UnitTextCount> load(bool fahrenheit) {
    std::array<ByteString, UnitTextCount> t;
    if (fahrenheit) {
        t[utOverheat] = TR(CTX, "Überhitzung T > 275°F");
        t[utOverheatSensor] =
            TR(CTX, "Temperatur Überhitzungsschutz Sensor > 212°F während Heizen");
        t[utLowComparator] = TR(CTX, "Komparator -58°F hat ausgelöst");
        t[utPumpTestNotice] = pumpTestNotice(
            TR(CTX, "     - Die Temperatur des Brennstoffes soll +59..+77°F betragen."));
        t[utAxisUEHS] = TR(CTX, "T_ÜHS [°F]");
        t[utAxisDVW] = TR(CTX, "T_DVW [°F]");
        t[utAxisSG] = TR(CTX, "T_SG [°F]");
        t[utAxisWTS] = TR(CTX, "T_WTS [°F]");
        t[utAxisUS] = TR(CTX, "T_US [°F]");
        t[utAxisOS] = TR(CTX, "T_OS [°F]");
        t[utAxisCPU] = TR(CTX, "T_CPU [°F]");
        t[utTemperatureUnit] = "°F";
    } else {
        t[utOverheat] = TR(CTX, "Überhitzung T > 135°C");
        t[utOverheatSensor] =
            TR(CTX, "Temperatur Überhitzungsschutz Sensor > 100°C während Heizen");
        t[utLowComparator] = TR(CTX, "Komparator -50°C hat ausgelöst");
        t[utPumpTestNotice] = pumpTestNotice(
            TR(CTX, "     - Die Temperatur des Brennstoffes soll +15..+25°C betragen."));
        t[utAxisUEHS] = TR(CTX, "T_ÜHS [°C]");
        t[utAxisDVW] = TR(CTX, "T_DVW [°C]");
        t[utAxisSG] = TR(CTX, "T_SG [°C]");
        t[utAxisWTS] = TR(CTX, "T_WTS [°C]");
        t[utAxisUS] = TR(CTX, "T_US [°C]");
        t[utAxisOS] = TR(CTX, "T_OS [°C]");
        t[utAxisCPU] = TR(CTX, "T_CPU [°C]");
        t[utTemperatureUnit] = "°C";
    }
    return t;
}

std::array<ByteString, UnitTextCount>& texts() {
    static std::array<ByteString, UnitTextCount> t = load(false);
    return t;
}

}  // namespace

void UNIT_LoadTexts(int32_t unit) {
    texts() = load(unit == 1);
}

const ByteString& UNIT_Text(UnitTextIndex index) {
    static const ByteString none;
    if (index < 0 || index >= UnitTextCount) return none;
    return texts()[static_cast<size_t>(index)];
}
