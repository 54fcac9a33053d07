#include "deferredmessages.h"

#include <iterator>

#include "translate.h"

#define CTX "TMAIN_Form"

namespace {

struct DeferredMessage {
    bool MessageFlags::*flag;
    MsgKind kind;
    const char* text;  // nullptr: the update notice window
};

// In order of priority (the interruption message, which has texts of its own, comes first).
const DeferredMessage messages[] = {
    {&MessageFlags::PendingNoConnection, MsgKind::Error,
     QT_TRANSLATE_NOOP(CTX,
                       "     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    \r\n"
                       "     Bitte prüfen Sie die Stromversorgung und die Verkabelung.")},
    {&MessageFlags::PendingNoConnectionManual, MsgKind::Error,
     QT_TRANSLATE_NOOP(
         CTX,
         "     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    \r\n"
         "     Bitte prüfen Sie die Stromversorgung und die Verkabelung oder      \r\n"
         "     wählen sie das Heizgerät manuell aus.")},
    {&MessageFlags::PendingUnsupported, MsgKind::Error,
     QT_TRANSLATE_NOOP(
         CTX,
         "     Das angeschlossene Gerät wird von der Diagnose nicht unterstützt!    \r\n"
         "     Bitte aktualisieren Sie die Diagnosesoftware.")},
    {&MessageFlags::PendingNotFound, MsgKind::Error,
     QT_TRANSLATE_NOOP(CTX,
                       "     Das manuell ausgewählte Heizgerät wurde nicht gefunden!       \r\n"
                       "     Bitte prüfen Sie die Heizgeräteauswahl oder versuchen sie     \r\n"
                       "     die automatische Suche.")},
    {&MessageFlags::PendingMismatch, MsgKind::Warning,
     QT_TRANSLATE_NOOP(CTX,
                       "     Das manuell ausgewählte Heizgerät entspricht nicht dem "
                       "angeschlossenen Heizgerät!       \r\n"
                       "\r\n"
                       "     Achtung: Angezeigte Informationen können fehlerhaft sein!\r\n")},
    {&MessageFlags::PendingVoltageFail, MsgKind::Error,
     QT_TRANSLATE_NOOP(CTX, "     Die Spannung konnte nicht kalibriert werden!      ")},
    {&MessageFlags::PendingCompTestFail, MsgKind::Error,
     QT_TRANSLATE_NOOP(CTX, "     Komponententest konnte nicht durchgeführt werden!      ")},
    {&MessageFlags::PendingNoTestPlug, MsgKind::Error,
     QT_TRANSLATE_NOOP(CTX,
                       "     Prüfstecker nicht angeschlossen!      \r\n"
                       "\r\n"
                       "     Komponententest konnte nicht durchgeführt werden!      ")},
    {&MessageFlags::PendingCalibrationFault, MsgKind::Error,
     QT_TRANSLATE_NOOP(CTX,
                       "     Es ist eine Störung aufgetreten,\r\n"
                       "     beheben Sie zunächst die Fehlerursache.     ")},
    {&MessageFlags::PendingCalibrationUncertain, MsgKind::Warning,
     QT_TRANSLATE_NOOP(CTX,
                       "     Die Einstellung wurde möglicherweise gespeichert.     \r\n"
                       "     Das Heizgerät hat das Speichern nicht rechtzeitig bestätigt;     \r\n"
                       "     bitte prüfen Sie die Einstellung.     ")},
    {&MessageFlags::ShowUpdateNotice, MsgKind::Information, nullptr},
    {&MessageFlags::PendingChangeNotice, MsgKind::Information,
     QT_TRANSLATE_NOOP(
         CTX,
         "     Wenn sie aktiv per Diagnose Änderungen am Heizgerät vornehmen,      \r\n"
         "     durch: HS, UPFA, Kl.61, Spar ein- oder ausschalten oder eine      \r\n"
         "     CO2-Einstellung durchführen, wird ihr Computer zum Master      \r\n"
         "     und die externen Bedienelemente für diese Sitzung ignoriert.      \r\n"
         "\r\n"
         "     Beenden sie die aktuelle Diagnosesitzung um diesen Status aufzuheben.      ")},
};

ByteString replaced(ByteString text, const ByteString& value) {
    const size_t at = text.find("%1");
    if (at != ByteString::npos) text.replace(at, 2, value);
    return text;
}

// The function interrupted, what may still be running and how to switch it off; without a
// running item, that a value sent may or may not have been stored.
ByteString interruptionText(const MessageFlags& f) {
    ByteString t =
        TR(CTX, "     Die Kommunikation zum Heizgerät ist unterbrochen!     ") + "\r\n\r\n" +
        replaced(TR(CTX, "     %1 wurde abgebrochen.     "), f.InterruptedFunction) + "\r\n";
    if (f.InterruptedItem.empty())
        return t + TR(CTX,
                      "     Der Wert wurde möglicherweise gespeichert. Bitte prüfen Sie ihn in "
                      "einer neuen Diagnosesitzung.     ");
    return t +
           replaced(TR(CTX, "     Möglicherweise ist noch eingeschaltet: %1     "),
                    f.InterruptedItem) +
           "\r\n\r\n" +
           TR(CTX,
              "     Schalten Sie es am Heizgerät aus, oder starten Sie eine neue "
              "Diagnosesitzung     \r\n"
              "     und schalten Sie es im Programm aus.     ");
}

}  // namespace

bool showNextDeferredMessage(MessageFlags& flags, IUserInteraction& ui, const WindowHooks& hooks) {
    if (flags.PendingServiceInterrupted) {
        flags.PendingServiceInterrupted = false;
        ui.messageBox(MsgKind::Error, interruptionText(flags), MB_OK);
        return true;
    }
    for (const DeferredMessage& m : messages) {
        if (!(flags.*m.flag)) continue;
        // Cleared first: a flag set again while its box is open is shown once more later.
        flags.*m.flag = false;
        if (m.text)
            ui.messageBox(m.kind, TOOL_Translate(CTX, m.text), MB_OK);
        else
            callHook(hooks.ShowUpdateNoticeWindow);
        return true;
    }
    return false;
}
