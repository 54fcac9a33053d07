// The pump pressure test: a fixed chain of questions and instructions, then the burner motor
// with the fuel valve open for 20 seconds while a gauge replaces the nozzle, and off again. It
// runs once per diagnosis session, from the component test's pump-test row.
#include "devicelist.h"
#include "diagsession.h"
#include "komptest.h"
#include "textconv.h"
#include "translate.h"
#include "unittexts.h"

#define CTX "TKOMP_TEST_Form"

namespace {

ByteString preparationText(const KompPumpTest& p) {
    if (p.sensorUnplugged)
        return TR(CTX,
                  "     Vorbereitung \r\n\r\n"
                  "     - Heizgerät aus\r\n"
                  "     - Temperatursensor und -begrenzer (Überhitzungsschutz) abstecken     \r\n"
                  "     - Brenner öffnen\r\n"
                  "     - Düse herausschrauben\r\n"
                  "     - Manometer einschrauben\r\n"
                  "     - Brücke am Temperaturbegrenzer (Überhitzungsschutz) anbringen");
    return TR(CTX,
              "     Vorbereitung \r\n\r\n"
              "     Informationen zum Sollwert der Druckmessung entnehmen Sie bitte dem       \r\n"
              "     Werkstatthandbuch.\r\n\r\n"
              "     - Brenner öffnen\r\n"
              "     - Zündelektrode und Scheibe entfernen\r\n"
              "     - Düse herausschrauben\r\n"
              "     - Manometer einschrauben");
}

ByteString executionText(const KompPumpTest& p) {
    if (p.sensorUnplugged)
        return TR(CTX,
                  "     Durchführung\r\n\r\n"
                  "     Wenn Sie jetzt auf \"OK\" klicken, läuft der Motor für 20s. Gleichzeitig "
                  "wird das Magnetventil\r\n"
                  "     geöffnet. Sie können in dieser Zeit den Einspritzdruck (siehe "
                  "Werkstatthandbuch) einstellen.    \r\n\r\n"
                  "     Bitte prüfen Sie, ob\r\n"
                  "     - das Manometer fest eingeschraubt ist\r\n"
                  "     - der Temperaturbegrenzer (Überhitzungsschutz) elektrisch gebrückt ist\r\n"
                  "     - der Temperatursensor NICHT angesteckt ist");
    return TR(CTX,
              "     Durchführung\r\n\r\n"
              "     Wenn Sie jetzt auf \"OK\" klicken, läuft der Motor für 20s. Gleichzeitig wird "
              "das Magnetventil\r\n"
              "     geöffnet. Sie können in dieser Zeit den Einspritzdruck (siehe "
              "Werkstatthandbuch) prüfen.    \r\n\r\n"
              "     Bitte prüfen Sie, ob das Manometer fest eingeschraubt ist.\r\n");
}

ByteString finishText(const KompPumpTest& p) {
    if (p.sensorUnplugged)
        return TR(CTX,
                  "     Beenden des Tests \r\n\r\n"
                  "     - Manometer herausschrauben\r\n"
                  "     - austretenden Brennstoff aufnehmen\r\n"
                  "     - Düse einschrauben (20 Nm)\r\n"
                  "     - Brücke im Temperaturbegrenzer entfernen\r\n"
                  "     - Brenner schließen und Augenschrauben wechselseitig mit 7.5 Nm "
                  "festziehen\r\n"
                  "     - Temperatursensor und -begrenzer anstecken\r\n\r\n"
                  "     Montagehinweise gemäß Werkstatthandbuch beachten!     ");
    return TR(CTX,
              "     Beenden des Tests \r\n\r\n"
              "     - Manometer herausschrauben\r\n"
              "     - austretenden Brennstoff aufnehmen\r\n"
              "     - Düse einschrauben\r\n"
              "     - Zündelektrode und Scheibe anbauen\r\n"
              "     - Brenner wieder montieren\r\n\r\n"
              "     Montagehinweise gemäß Werkstatthandbuch beachten!     ");
}

ByteString warningText() {
    return TR(CTX,
              "                                                              Achtung!\r\n\r\n"
              "     Bitte beachten Sie folgenden Hinweis genau!\r\n\r\n"
              "     - Bei Nichtbeachtung kann unverbrannter Brennstoff austreten.     \r\n"
              "     - Dieser Test darf nur zur Prüfung des Pumpendrucks verwendet werden und kann "
              "nur einmal    \r\n"
              "       pro Diagnosevorgang aufgerufen werden.\r\n\r\n"
              "     Warnung!\r\n"
              "     Eine Verstellung des Pumpendruckes ist unzulässig und mit dem Verlust "
              "jeglicher\r\n"
              "     Gewährleistungsansprüche verbunden. Durch Manipulation kann die "
              "Brennstoffpumpe undicht werden.\r\n"
              "     Dadurch entsteht Brandgefahr und die Gefahr einer Umweltgefährdung.");
}

// Index = device class. Per class: whether it has the test and unplugs the sensor, the on
// command (code, runtime, setpoint, width) and the captions of what that switches on.
const KompPumpTest kPumpTests[] = {
    {},                                      // dcNone
    {},                                      // dcKX3090
    {true, true, 9, 0, 0, false, {1, 9}},    // dcKX3024: motor and valve outputs
    {true, false, 2, 20, -1, true, {2, 0}},  // dcKX3117
    {},                                      // dcKX3141
    {true, false, 8, 20, 0, true, {1, 9}},   // dcKX3166
};

}  // namespace

const KompPumpTest& KOMP_PumpTest(uint8_t deviceClass) {
    constexpr size_t n = sizeof kPumpTests / sizeof kPumpTests[0];
    return deviceClass < n ? kPumpTests[deviceClass] : kPumpTests[dcNone];
}

void KompTest::KOMP_PumpPressureTest(uint8_t variant) {
    const KompPumpTest& p = KOMP_PumpTest(variant);
    if (!p.runs) return;
    if (!KOMP_CheckLink()) return;
    if (m_engine.PumpTestDone) {
        box(MsgKind::Information,
            TR(CTX,
               "     Die Pumpendruckprüfung kann nur einmal pro Diagnosevorgang aufgerufen "
               "werden.      "),
            MB_OK);
        return;
    }
    auto step = [this](MsgKind kind, const ByteString& text, int buttons, int wanted) {
        return box(kind, text, buttons) == wanted && KOMP_CheckLink();
    };
    if (!step(MsgKind::Information, UNIT_Text(utPumpTestNotice), MB_OK | MB_CANCEL, MB_OK)) return;
    const int co2 =
        box(MsgKind::Question,
            TR(CTX, "     Ist der CO2-Wert nach Werkstatthandbuch korrekt eingestellt?     "),
            MB_YES | MB_NO);
    if (!KOMP_CheckLink()) return;
    if (co2 == MB_YES) {
        box(MsgKind::Information,
            TR(CTX,
               "     Eine Einstellung oder Überprüfung des Pumpendrucks ist nicht notwendig.     "),
            MB_OK);
        return;
    }
    if (!step(MsgKind::Question,
              TR(CTX, "     Der CO2-Wert lässt sich nicht auf den richtigen Wert einstellen?     "),
              MB_YES | MB_NO, MB_YES))
        return;
    if (!step(MsgKind::Warning, warningText(), MB_OK | MB_CANCEL, MB_OK)) return;
    if (!step(MsgKind::Information, preparationText(p), MB_OK | MB_CANCEL, MB_OK)) return;
    if (!p.sensorUnplugged)
        while (!KOMP_TestPlugPresent())
            if (!step(MsgKind::Warning, testPlugText(), MB_OK | MB_CANCEL, MB_OK)) return;
    if (box(MsgKind::Warning, executionText(p), MB_OK | MB_CANCEL) != MB_OK) return;
    if (p.sensorUnplugged) {
        // The sensor must be unplugged: it then reads no temperature above 0 °C.
        const long double zero = TOOL_TempToDisplay(0, m_engine.TemperatureUnit);
        while (m_engine.dataPoints.DP_GetValue("OVRTEMP").Value > zero)
            if (!step(MsgKind::Error, TR(CTX, "     Temperatursensor abstecken!      \r\n\r\n"),
                      MB_OK | MB_CANCEL, MB_OK))
                return;
    }

    // What goes on now is the pump pressure test's, for the message should the link go.
    m_pumpTestRunning = true;
    KOMP_SetCommand(p.code, p.runtime, false, p.setpoint, p.wideSetpoint);
    m_engine.PumpTestDone = true;
    const int result = view.runCountdown ? view.runCountdown() : 2;
    // Off whatever the countdown ended with.
    KOMP_SetCommand(0, 0, false, 0, p.wideSetpoint);
    m_pumpTestRunning = false;
    if (result != 3) box(MsgKind::Information, finishText(p), MB_OK);
}
