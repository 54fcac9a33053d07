// The main window's actions, menus and tool bar, and the thin handlers behind them: they begin
// or stop the session, bring a view to the front, or hand a command to the device module
// after its confirmation.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>
#include <vector>

#include "betriebform.h"
#include "devicelist.h"
#include "diagsession.h"
#include "eoladrform.h"
#include "eolrwform.h"
#include "errorform.h"
#include "flashform.h"
#include "imagelist.h"
#include "kaliallform.h"
#include "komptest.h"
#include "komptestform.h"
#include "konfigform.h"
#include "kx3090module.h"
#include "mainform.h"
#include "mdiarrange.h"
#include "overviewform.h"
#include "protokoll.h"
#include "qtports.h"
#include "toolbarseparators.h"
#include "trendform.h"
#include "zusamfass.h"

#define CTX "TMAIN_Form"

struct TMAIN_Form::ActionDef {
    const char* category;
    const char* name;
    const char* caption;
    const char* hint;
    int help;
    const char* key;
    int image;  // -1: none
    bool off;   // disabled at start
    bool hid;   // hidden at start
};

namespace {

using Def = TMAIN_Form::ActionDef;

// Every action: category, name, caption, hint, help context, shortcut, image, start state.
// STEU_L_HS_AUS shares F4 with STEU_AUS; only STEU_AUS carries the key (two actions on one
// key would both be ambiguous), and both run the same command.
const Def kActions[] = {
    {"Diagnose", "DIAG_DEV_Sel", QT_TRANSLATE_NOOP("TMAIN_Form", "&Geräteauswahl..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Geräteauswahl"), 101, "", 19, false, false},
    {"Diagnose", "DIAG_Start", QT_TRANSLATE_NOOP("TMAIN_Form", "Diagnose starten"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Diagnose starten"), 102, "F2", 20, false, false},
    {"Diagnose", "DIAG_Stop", QT_TRANSLATE_NOOP("TMAIN_Form", "Diagnose beenden"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Diagnose beenden"), 103, "F3", 21, false, false},
    {"Diagnose", "DIAG_KOMP_Test", QT_TRANSLATE_NOOP("TMAIN_Form", "&Komponententest..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Komponententest"), 104, "", 22, true, false},
    {"Diagnose", "DIAG_ZUSAM_Open", QT_TRANSLATE_NOOP("TMAIN_Form", "Zusammenfassung &öffnen..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Zusammenfassung öffnen"), 105, "", 7, true, false},
    {"Diagnose", "DIAG_ZUSAM_Save",
     QT_TRANSLATE_NOOP("TMAIN_Form", "&Zusammenfassung speichern..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Zusammenfassung speichern"), 106, "", 8, true, false},
    {"Diagnose", "DIAG_ZUSAM_Print", QT_TRANSLATE_NOOP("TMAIN_Form", "Zusammenfassung &drucken"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Zusammenfassung drucken"), 107, "F12", 14, true, false},
    {"Diagnose", "DIAG_PROT_Start",
     QT_TRANSLATE_NOOP("TMAIN_Form", "&Messwertprotokollierung starten..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Messwertprotokollierung starten"), 108, "", 41, true, false},
    {"Diagnose", "DIAG_PROT_Stop", QT_TRANSLATE_NOOP("TMAIN_Form", "&Protokollierung beenden"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Protokollierung beenden"), 109, "", 43, true, false},
    {"Diagnose", "DIAG_SYS_Close", QT_TRANSLATE_NOOP("TMAIN_Form", "&Beenden"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Das Programm beenden"), 0, "Alt+F4", -1, false, false},
    {"Ansicht", "WIN_OData", QT_TRANSLATE_NOOP("TMAIN_Form", "&Übersichtsfenster..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Übersichtsfenster anzeigen"), 201, "", 24, false, false},
    {"Ansicht", "WIN_BData", QT_TRANSLATE_NOOP("TMAIN_Form", "&Betriebsdaten..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Betriebsdaten anzeigen"), 202, "", 25, false, false},
    {"Ansicht", "WIN_SData", QT_TRANSLATE_NOOP("TMAIN_Form", "&Steuergeräteinfos..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Steuergeräteinfos anzeigen"), 203, "", 26, false, false},
    {"Ansicht", "WIN_TData", QT_TRANSLATE_NOOP("TMAIN_Form", "&Trendgrafik..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Trendgrafik anzeigen"), 207, "", 55, false, false},
    {"Ansicht", "WIN_LIST", QT_TRANSLATE_NOOP("TMAIN_Form", "&Fehlerliste anzeigen..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Fehlerliste anzeigen"), 204, "", 29, false, false},
    {"Ansicht", "WIN_PData", QT_TRANSLATE_NOOP("TMAIN_Form", "&Protokollanzeige..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Protokollanzeige"), 205, "", 28, false, false},
    {"Steuerung", "STEU_AUS", QT_TRANSLATE_NOOP("TMAIN_Form", "Aus"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Aus"), 301, "F4", 32, true, true},
    {"Steuerung", "STEU_Stand", QT_TRANSLATE_NOOP("TMAIN_Form", "&Standheizen"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Standheizen"), 302, "", 34, true, true},
    {"Steuerung", "STEU_Zuheiz", QT_TRANSLATE_NOOP("TMAIN_Form", "&Zuheizen"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Zuheizen"), 303, "", 35, true, true},
    {"Steuerung", "STEU_Spar_1", QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb &1"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb 1"), 304, "", 52, true, true},
    {"Steuerung", "STEU_Spar_2", QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb &2"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb 2"), 305, "", 51, true, true},
    {"Steuerung", "STEU_UP", QT_TRANSLATE_NOOP("TMAIN_Form", "&Umwälzpumpe Ein"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Umwälzpumpe einschalten"), 307, "", 54, true, true},
    {"Steuerung", "STEU_ERRDEL", QT_TRANSLATE_NOOP("TMAIN_Form", "Fehlerspeicher &löschen"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Fehlerspeicher löschen"), 308, "F5", 30, true, true},
    {"Steuerung", "STEU_UP_EIN", QT_TRANSLATE_NOOP("TMAIN_Form", "&Umwälzpumpe Ein"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Umwälzpumpe einschalten"), 311, "", 54, false, true},
    {"Steuerung", "STEU_UP_AUS", QT_TRANSLATE_NOOP("TMAIN_Form", "&Umwälzpumpe Aus"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Umwälzpumpe ausschalten"), 312, "", 57, true, true},
    {"Steuerung", "STEU_Heiz", QT_TRANSLATE_NOOP("TMAIN_Form", "&Heizen"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Heizen"), 313, "", 34, true, true},
    {"Steuerung", "STEU_CNTDEL", QT_TRANSLATE_NOOP("TMAIN_Form", "&Alle Zähler löschen"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Zähler und Zeiten werden gelöscht"), 314, "", -1, true, true},
    {"Steuerung", "STEU_L_HS_EIN", QT_TRANSLATE_NOOP("TMAIN_Form", "Hauptschalter &Ein"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Hauptschalter einschalten"), 315, "", -1, true, true},
    {"Steuerung", "STEU_L_HS_AUS", QT_TRANSLATE_NOOP("TMAIN_Form", "Hauptschalter &Aus"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Hauptschalter ausschalten"), 315, "", -1, true, true},
    {"Steuerung", "STEU_L_HS_LINE", QT_TRANSLATE_NOOP("TMAIN_Form", "Hauptschalter &Leitung"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Hauptschalter auf Leitung schalten"), 315, "", -1, true,
     true},
    {"Steuerung", "STEU_L_UPFA_EIN", QT_TRANSLATE_NOOP("TMAIN_Form", "UPFA &Ein"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Umwälzpumpenfremdansteuerung  einschalten"), 316, "", -1,
     true, true},
    {"Steuerung", "STEU_L_UPFA_AUS", QT_TRANSLATE_NOOP("TMAIN_Form", "UPFA &Aus"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Umwälzpumpenfremdansteuerung ausschalten"), 316, "", -1, true,
     true},
    {"Steuerung", "STEU_L_UPFA_LINE", QT_TRANSLATE_NOOP("TMAIN_Form", "UPFA &Leitung"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Umwälzpumpenfremdansteurung auf Leitung schalten"), 316, "",
     -1, true, true},
    {"Steuerung", "STEU_L_KL61_EIN", QT_TRANSLATE_NOOP("TMAIN_Form", "Kl. 61 &Ein"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Kl. 61 einschalten"), 317, "", -1, true, true},
    {"Steuerung", "STEU_L_KL61_AUS", QT_TRANSLATE_NOOP("TMAIN_Form", "Kl. 61 &Aus"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Kl. 61 ausschalten"), 317, "", -1, true, true},
    {"Steuerung", "STEU_L_KL61_LINE", QT_TRANSLATE_NOOP("TMAIN_Form", "Kl. 61 &Leitung"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Kl. 61 auf Leitung schalten"), 317, "", -1, true, true},
    {"Steuerung", "STEU_L_SPAR_EIN", QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb &Ein"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb einschalten"), 318, "", -1, true, true},
    {"Steuerung", "STEU_L_SPAR_AUS", QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb &Aus"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb ausschalten"), 318, "", -1, true, true},
    {"Steuerung", "STEU_L_SPAR_LINE", QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb &Leitung"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Sparbetrieb auf Leitung schalten"), 318, "", -1, true, true},
    {"Kalibrierung", "KAL_CO2", QT_TRANSLATE_NOOP("TMAIN_Form", "&CO2-Abgleich..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "CO2-Abgleich"), 401, "", 49, true, false},
    {"Kalibrierung", "KAL_Spann", QT_TRANSLATE_NOOP("TMAIN_Form", "Spannungsabgleich..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Spannungsabgleich"), 402, "", 50, true, true},
    {"Datensatz", "DSATZ_FILEtoSG",
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Steuergerät programieren..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Steuergerät programieren"), 501, "", -1, false, true},
    {"Datensatz", "DSATZ_FILEtoEDIT", QT_TRANSLATE_NOOP("TMAIN_Form", "in Editor anzeigen..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Editor anzeigen"), 501, "", -1, false, true},
    {"Datensatz", "DSATZ_FILEtoZWIS",
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Zwischenspeicher laden..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Zwischenspeicher laden"), 501, "", -1, false, true},
    {"Datensatz", "DSATZ_SGtoFILE", QT_TRANSLATE_NOOP("TMAIN_Form", "in Datei speichern..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Datei speichern"), 502, "", -1, false, true},
    {"Datensatz", "DSATZ_SGtoEDIT", QT_TRANSLATE_NOOP("TMAIN_Form", "in Editor anzeigen..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Editor anzeigen"), 502, "", -1, false, true},
    {"Datensatz", "DSATZ_SGtoZWIS", QT_TRANSLATE_NOOP("TMAIN_Form", "in Zwischenspeicher laden"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Zwischenspeicher laden"), 502, "", -1, false, true},
    {"Datensatz", "DSATZ_ZWIStoFILE", QT_TRANSLATE_NOOP("TMAIN_Form", "in Datei speichern..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Datei speichern..."), 503, "", -1, false, true},
    {"Datensatz", "DSATZ_ZWIStoEDIT", QT_TRANSLATE_NOOP("TMAIN_Form", "in Editor anzeigen..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Editor anzeigen"), 503, "", -1, false, true},
    {"Datensatz", "DSATZ_ZWIStoSG", QT_TRANSLATE_NOOP("TMAIN_Form", "in Steuergerät programmieren"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "in Steuergerät programmieren"), 503, "", -1, false, true},
    {"Datensatz", "DSATZ_ZWISDel", QT_TRANSLATE_NOOP("TMAIN_Form", "Löschen"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Zwischenspeicher löschen"), 503, "", -1, false, true},
    {"Datensatz", "DSATZ_EOL_EDIT",
     QT_TRANSLATE_NOOP("TMAIN_Form", "Einzelne EOL-Zelle lesen/schreiben..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Einzelne EOL-Zelle lesen/schreiben"), 504, "", 40, false,
     true},
    {"Extras", "EXTR_USB", QT_TRANSLATE_NOOP("TMAIN_Form", "&USB-Gerät..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "USB-Gerät auswählen"), 601, "", 10, false, false},
    {"Extras", "EXTR_TELG", QT_TRANSLATE_NOOP("TMAIN_Form", "freie Telegrammeingabe..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "freie Telegrammeingabe"), 602, "F8", 48, false, true},
    {"Extras", "EXTR_SPRACHE", QT_TRANSLATE_NOOP("TMAIN_Form", "&Sprache..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Programm Sprache"), 603, "", 53, false, false},
    {"Extras", "EXTR_UNIT", QT_TRANSLATE_NOOP("TMAIN_Form", "&Einheiten..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Einheiten Einstellungen"), 604, "", 39, false, false},
    {"Extras", "EXTR_FLASH", QT_TRANSLATE_NOOP("TMAIN_Form", "Steuergerät programmieren..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Steuergerätesoftware programmieren"), 605, "F9", 56, false,
     true},
    {"Hilfe", "HELP_Inhalt", QT_TRANSLATE_NOOP("TMAIN_Form", "&Inhalt"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Hilfeinhalt"), 0, "", 18, false, false},
    {"Hilfe", "HELP_Index", QT_TRANSLATE_NOOP("TMAIN_Form", "I&ndex"),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Hilfeindex"), 0, "", -1, false, false},
    {"Hilfe", "HELP_Info", QT_TRANSLATE_NOOP("TMAIN_Form", "In&fo..."),
     QT_TRANSLATE_NOOP("TMAIN_Form", "Informationen"), 0, "", -1, false, false},
};

QString tr8(const char* text) {
    return QCoreApplication::translate(CTX, text);
}

}  // namespace

QAction* TMAIN_Form::addAction(const ActionDef& def) {
    auto* a = new QAction(tr8(def.caption), this);
    const QString name = QString::fromLatin1(def.name);
    a->setObjectName(name);
    a->setProperty("Category", QString::fromLatin1(def.category));
    a->setProperty("HelpContext", def.help);
    a->setToolTip(tr8(def.hint));
    if (*def.key) a->setShortcut(QKeySequence(QString::fromLatin1(def.key)));
    if (def.image >= 0) {
        a->setIcon(IMAGE_Icon(def.image));
        a->setProperty("ImageIndex", def.image);
    }
    a->setVisible(!def.hid);
    m_actions.insert(name, a);
    a->setEnabled(!def.off);
    return a;
}

void TMAIN_Form::createActions() {
    // The window itself holds every action, so each key works even where the menu shows a
    // line of its own or the tool bar a button of its own for the action.
    for (const Def& s : kActions) QWidget::addAction(addAction(s));
    // The economy modes are checked by the device module; the line actions by UI_CheckLine*.
    for (const char* n :
         {"STEU_Spar_1", "STEU_Spar_2", "STEU_L_HS_EIN", "STEU_L_HS_AUS", "STEU_L_HS_LINE",
          "STEU_L_UPFA_EIN", "STEU_L_UPFA_AUS", "STEU_L_UPFA_LINE", "STEU_L_KL61_EIN",
          "STEU_L_KL61_AUS", "STEU_L_KL61_LINE", "STEU_L_SPAR_EIN", "STEU_L_SPAR_AUS",
          "STEU_L_SPAR_LINE"})
        action(QString::fromLatin1(n))->setCheckable(true);
    // STEU_L_HS_AUS answers F4 through STEU_AUS; its menu line still names the key.
    action(QStringLiteral("STEU_L_HS_AUS"))->setText(tr8("Hauptschalter &Aus") + "\tF4");
}

// A menu line of its own for an action, where the menu shows or hides the line apart from the
// action (the tool bar keeps the action's button). It follows the action's text, picture and
// enabling, and runs the action.
QAction* TMAIN_Form::addMenuEntry(QMenu* menu, const QString& entryName, QAction* base,
                                  const QString& caption, bool followVisible, const QString& hint) {
    // The line names the action's key, but the key stays the action's alone: a second enabled
    // holder of it (the line's shortcut is live while the menu bar has the focus) makes the
    // key ambiguous, and then it does nothing at all.
    const QString key = base->shortcut().toString(QKeySequence::NativeText);
    auto withKey = [key](const QString& text) {
        return key.isEmpty() || text.contains('\t') ? text : text + '\t' + key;
    };
    auto* entry =
        new QAction(base->icon(), withKey(caption.isEmpty() ? base->text() : caption), this);
    entry->setObjectName(entryName);
    entry->setVisible(base->isVisible());
    auto follow = [entry, base, caption, followVisible, hint, withKey] {
        if (caption.isEmpty()) entry->setText(withKey(base->text()));
        entry->setToolTip(hint.isEmpty() ? base->toolTip() : hint);
        if (followVisible) entry->setVisible(base->isVisible());
        entry->setEnabled(base->isEnabled());
    };
    follow();
    connect(base, &QAction::changed, entry, follow);
    connect(entry, &QAction::triggered, base, &QAction::trigger);
    menu->addAction(entry);
    m_menuEntries.insert(entryName, entry);
    return entry;
}

void TMAIN_Form::createMenus() {
    auto a = [this](const char* n) { return action(QString::fromLatin1(n)); };
    auto newMenu = [this](QMenu* parent, const QString& name, const QString& title,
                          int help) -> QMenu* {
        QMenu* m = parent ? parent->addMenu(title) : menuBar()->addMenu(title);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        m->menuAction()->setProperty("HelpContext", help);
        m->setToolTipsVisible(true);
        m_menus.insert(name, m);
        return m;
    };

    QMenu* diag = newMenu(nullptr, "Diagnose1", tr("&Diagnose"), 100);
    diag->addAction(a("DIAG_DEV_Sel"));
    diag->addSeparator();
    diag->addActions({a("DIAG_Start"), a("DIAG_Stop")});
    diag->addSeparator();
    diag->addAction(a("DIAG_KOMP_Test"));
    diag->addSeparator();
    diag->addActions({a("DIAG_ZUSAM_Open"), a("DIAG_ZUSAM_Save"), a("DIAG_ZUSAM_Print")});
    diag->addSeparator();
    diag->addActions({a("DIAG_PROT_Start"), a("DIAG_PROT_Stop")});
    diag->addSeparator();
    // The menu line has a hint of its own.
    addMenuEntry(diag, "Beenden1", a("DIAG_SYS_Close"), QString(), true, tr("Programm beenden"));

    QMenu* view = newMenu(nullptr, "Ansicht1", tr("&Ansicht"), 200);
    view->addActions({a("WIN_OData"), a("WIN_BData"), a("WIN_SData"), a("WIN_TData"), a("WIN_LIST"),
                      a("WIN_PData")});

    QMenu* steu = newMenu(nullptr, "Steuerung1", tr("&Steuerung"), 300);
    addMenuEntry(steu, "Aus1", a("STEU_AUS"));
    steu->addAction(a("STEU_Heiz"));
    addMenuEntry(steu, "Standheizen1", a("STEU_Stand"));
    steu->addAction(a("STEU_Zuheiz"));
    auto lineMenu = [&](const char* name, const QString& title, int help, const QString& hint,
                        const char* lineA, const char* offA, const char* onA) {
        QMenu* m = newMenu(steu, QString::fromLatin1(name), title, help);
        m->menuAction()->setToolTip(hint);
        m->menuAction()->setVisible(false);
        m->addActions({a(lineA), a(offA), a(onA)});
    };
    lineMenu("STEU_L_HS", tr("HS Steuerung"), 315, tr("Hauptschalter Steuerung"), "STEU_L_HS_LINE",
             "STEU_L_HS_AUS", "STEU_L_HS_EIN");
    steu->addSeparator();
    steu->addAction(a("STEU_UP"));
    addMenuEntry(steu, "UmwlzpumpeAus1", a("STEU_UP_AUS"));
    addMenuEntry(steu, "UmwlzpumpeEin1", a("STEU_UP_EIN"));
    lineMenu("STEU_L_UP", tr("&UPFA Steuerung"), 316, tr("Umwälzpumpe Steuerung"),
             "STEU_L_UPFA_LINE", "STEU_L_UPFA_AUS", "STEU_L_UPFA_EIN");
    steu->addSeparator();
    lineMenu("STEU_L_KL61", tr("&Kl. 61 Steuerung"), 317, tr("Kl. 61 Steuerung"),
             "STEU_L_KL61_LINE", "STEU_L_KL61_AUS", "STEU_L_KL61_EIN");
    QAction* n30 = steu->addSeparator();
    n30->setObjectName(QStringLiteral("N30"));
    m_menuEntries.insert(QStringLiteral("N30"), n30);
    steu->addActions({a("STEU_Spar_1"), a("STEU_Spar_2")});
    lineMenu("STEU_L_SPAR", tr("&SPAR Steuerung"), 318, tr("Sparbetrieb Steuerung"),
             "STEU_L_SPAR_LINE", "STEU_L_SPAR_AUS", "STEU_L_SPAR_EIN");
    steu->addSeparator();
    steu->addActions({a("STEU_ERRDEL"), a("STEU_CNTDEL")});

    QMenu* kal = newMenu(nullptr, "Kalibrierung1", tr("&Kalibrierung"), 400);
    kal->addActions({a("KAL_CO2"), a("KAL_Spann")});

    QMenu* ds = newMenu(nullptr, "Datensatz1", tr("&Parametersatz "), 500);
    ds->menuAction()->setVisible(false);
    QMenu* fromFile = newMenu(ds, "DSATZ_FILE", tr("Parametersatz aus Datei lesen"), 501);
    // The menu line reads differently from the action's caption.
    addMenuEntry(fromFile, "DSATZ_FILEtoSG1", a("DSATZ_FILEtoSG"),
                 tr8(QT_TRANSLATE_NOOP("TMAIN_Form", "in Steuergerät programmieren...")), true);
    fromFile->addActions({a("DSATZ_FILEtoEDIT"), a("DSATZ_FILEtoZWIS")});
    QMenu* fromSg = newMenu(ds, "DSATZ_SG", tr("Parametersatz aus Steuergerät auslesen"), 502);
    fromSg->menuAction()->setToolTip(tr("Parametersatz aus Steuergrät auslesen"));
    fromSg->addActions({a("DSATZ_SGtoFILE"), a("DSATZ_SGtoEDIT"), a("DSATZ_SGtoZWIS")});
    QMenu* fromBuf = newMenu(ds, "DSATZ_ZWIS", tr("Parametersatz aus Zwischenspeicher"), 503);
    fromBuf->addActions(
        {a("DSATZ_ZWIStoFILE"), a("DSATZ_ZWIStoEDIT"), a("DSATZ_ZWIStoSG"), a("DSATZ_ZWISDel")});
    ds->addSeparator();
    ds->addAction(a("DSATZ_EOL_EDIT"));

    QMenu* ext = newMenu(nullptr, "Extras1", tr("&Extras"), 600);
    ext->addAction(a("EXTR_USB"));
    ext->addSeparator();
    ext->addActions({a("EXTR_UNIT"), a("EXTR_SPRACHE")});
    QAction* n10 = ext->addSeparator();
    n10->setObjectName(QStringLiteral("N10"));
    m_menuEntries.insert(QStringLiteral("N10"), n10);
    ext->addAction(a("EXTR_TELG"));
    QAction* n6 = ext->addSeparator();
    n6->setObjectName(QStringLiteral("N6"));
    m_menuEntries.insert(QStringLiteral("N6"), n6);
    ext->addAction(a("EXTR_FLASH"));

    QMenu* win = newMenu(nullptr, "Fenster1", tr("Fe&nster"), 700);
    win->menuAction()->setToolTip(tr("Fensterbezogene Anweisungen"));
    auto mdiAction = [&](const char* name, const QString& text, int help, auto slot) {
        auto* w = new QAction(text, this);
        w->setObjectName(QString::fromLatin1(name));
        w->setProperty("Category", QStringLiteral("Fenster"));
        w->setProperty("HelpContext", help);
        connect(w, &QAction::triggered, this, slot);
        win->addAction(w);
        m_actions.insert(w->objectName(), w);
    };
    mdiAction("WindowCascade1", tr("Ü&berlappend"), 701, [this] { cascadeMdi(); });
    mdiAction("WindowTileHorizontal1", tr("Hori&zontal anordnen"), 702,
              [this] { tileMdi(Qt::Horizontal); });
    mdiAction("WindowTileVertical1", tr("&Vertikal anordnen"), 703,
              [this] { tileMdi(Qt::Vertical); });
    mdiAction("WindowMinimizeAll1", tr("&Alle verkleinern"), 704, [this] {
        for (QMdiSubWindow* s : m_mdi->subWindowList()) s->showMinimized();
    });
    win->addSeparator();
    // The window list: one line per MDI child, the active one checked.
    connect(win, &QMenu::aboutToShow, this, [this, win] {
        for (QAction* old : win->actions())
            if (old->property("WindowListEntry").toBool())
                win->removeAction(old), old->deleteLater();
        int n = 1;
        for (QMdiSubWindow* s : m_mdi->subWindowList()) {
            QAction* e = win->addAction(QStringLiteral("&%1 %2").arg(n++).arg(s->windowTitle()));
            e->setProperty("WindowListEntry", true);
            e->setCheckable(true);
            e->setChecked(s == m_mdi->activeSubWindow());
            connect(e, &QAction::triggered, this, [this, s] {
                s->showNormal();
                m_mdi->setActiveSubWindow(s);
            });
        }
    });

    QMenu* help = newMenu(nullptr, "Hilfe1", tr("&Hilfe"), 0);
    help->menuAction()->setToolTip(tr("Hilfethemen"));
    help->addActions({a("HELP_Inhalt"), a("HELP_Index")});
    help->addSeparator();
    help->addAction(a("HELP_Info"));
}

void TMAIN_Form::createToolBar() {
    m_toolBar = addToolBar(tr("Werkzeugleiste"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    auto add = [this](std::initializer_list<const char*> names) {
        for (const char* n : names) m_toolBar->addAction(action(QString::fromLatin1(n)));
    };
    add({"DIAG_DEV_Sel"});
    m_toolBar->addSeparator();
    add({"DIAG_Start", "DIAG_Stop"});
    m_toolBar->addSeparator();
    add({"DIAG_KOMP_Test"});
    m_toolBar->addSeparator();
    add({"WIN_OData", "WIN_BData", "WIN_SData", "WIN_TData", "WIN_LIST", "WIN_PData"});
    m_toolBar->addSeparator();
    // The off button names the main switch, whatever the action's own hint says.
    QAction* off = action(QStringLiteral("STEU_AUS"));
    auto* offButton = new QAction(off->icon(), off->text(), this);
    offButton->setObjectName(QStringLiteral("STEU_AUS_Button"));
    offButton->setToolTip(tr("Hauptschalter ausschalten"));
    auto followOff = [offButton, off] {
        offButton->setEnabled(off->isEnabled());
        offButton->setVisible(off->isVisible());
    };
    followOff();
    connect(off, &QAction::changed, offButton, followOff);
    connect(offButton, &QAction::triggered, off, &QAction::trigger);
    m_toolBar->addAction(offButton);
    m_menuEntries.insert(offButton->objectName(), offButton);
    add({"STEU_Heiz", "STEU_Stand", "STEU_Zuheiz"});
    m_toolBar->addSeparator();
    add({"STEU_Spar_1", "STEU_Spar_2"});
    m_toolBar->addSeparator();
    add({"STEU_UP_AUS", "STEU_UP_EIN"});
    m_toolBar->addSeparator();
    add({"STEU_ERRDEL"});
    m_toolBar->addSeparator();
    add({"KAL_CO2"});
    m_toolBar->addSeparator();
    add({"DSATZ_EOL_EDIT"});
    m_toolBar->addSeparator();
    add({"EXTR_TELG"});
    m_toolBar->addSeparator();
    add({"HELP_Inhalt"});
    TOOLBAR_KeepSeparatorsTidy(m_toolBar);
}

void TMAIN_Form::connectHandlers() {
    auto on = [this](const char* name, void (TMAIN_Form::*handler)()) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { (this->*handler)(); });
    };
    on("DIAG_Start", &TMAIN_Form::DIAG_StartExecute);
    on("DIAG_Stop", &TMAIN_Form::DIAG_StopExecute);
    on("DIAG_SYS_Close", &TMAIN_Form::DIAG_SYS_CloseExecute);
    on("DIAG_ZUSAM_Open", &TMAIN_Form::DIAG_ZUSAM_OpenExecute);
    on("DIAG_ZUSAM_Save", &TMAIN_Form::DIAG_ZUSAM_SaveExecute);
    on("DIAG_ZUSAM_Print", &TMAIN_Form::DIAG_ZUSAM_PrintExecute);
    on("DIAG_PROT_Start", &TMAIN_Form::DIAG_PROT_StartExecute);
    on("DIAG_PROT_Stop", &TMAIN_Form::DIAG_PROT_StopExecute);
    on("WIN_OData", &TMAIN_Form::WIN_ODataExecute);
    on("WIN_BData", &TMAIN_Form::WIN_BDataExecute);
    on("WIN_SData", &TMAIN_Form::WIN_SDataExecute);
    on("WIN_LIST", &TMAIN_Form::WIN_LISTExecute);
    on("WIN_PData", &TMAIN_Form::WIN_PDataExecute);
    on("WIN_TData", &TMAIN_Form::WIN_TDataExecute);
    on("STEU_AUS", &TMAIN_Form::STEU_AUSExecute);
    on("STEU_L_HS_AUS", &TMAIN_Form::STEU_AUSExecute);
    on("STEU_Heiz", &TMAIN_Form::STEU_HeizExecute);
    on("STEU_Stand", &TMAIN_Form::STEU_StandExecute);
    on("STEU_L_HS_EIN", &TMAIN_Form::STEU_StandExecute);
    on("STEU_Zuheiz", &TMAIN_Form::STEU_ZuheizExecute);
    on("STEU_Spar_1", &TMAIN_Form::STEU_Spar_1Execute);
    on("STEU_Spar_2", &TMAIN_Form::STEU_Spar_2Execute);
    on("STEU_UP", &TMAIN_Form::STEU_UPExecute);
    on("STEU_UP_EIN", &TMAIN_Form::STEU_UP_EINExecute);
    on("STEU_UP_AUS", &TMAIN_Form::STEU_UP_AUSExecute);
    on("STEU_ERRDEL", &TMAIN_Form::STEU_ERRDELExecute);
    on("STEU_CNTDEL", &TMAIN_Form::STEU_CNTDELExecute);
    on("EXTR_FLASH", &TMAIN_Form::EXTR_FLASHExecute);
    on("HELP_Inhalt", &TMAIN_Form::HELP_InhaltExecute);
    on("DIAG_KOMP_Test", &TMAIN_Form::DIAG_KOMP_TestExecute);
    on("KAL_CO2", &TMAIN_Form::KAL_CO2Execute);
    on("KAL_Spann", &TMAIN_Form::KAL_SpannExecute);
    on("HELP_Index", &TMAIN_Form::HELP_IndexExecute);
    on("STEU_L_HS_LINE", &TMAIN_Form::STEU_L_HS_LINEExecute);
    on("STEU_L_UPFA_EIN", &TMAIN_Form::STEU_L_UPFA_EINExecute);
    on("STEU_L_UPFA_AUS", &TMAIN_Form::STEU_L_UPFA_AUSExecute);
    on("STEU_L_UPFA_LINE", &TMAIN_Form::STEU_L_UPFA_LINEExecute);
    on("STEU_L_KL61_EIN", &TMAIN_Form::STEU_L_KL61_EINExecute);
    on("STEU_L_KL61_AUS", &TMAIN_Form::STEU_L_KL61_AUSExecute);
    on("STEU_L_KL61_LINE", &TMAIN_Form::STEU_L_KL61_LINEExecute);
    on("STEU_L_SPAR_EIN", &TMAIN_Form::STEU_L_SPAR_EINExecute);
    on("STEU_L_SPAR_AUS", &TMAIN_Form::STEU_L_SPAR_AUSExecute);
    on("STEU_L_SPAR_LINE", &TMAIN_Form::STEU_L_SPAR_LINEExecute);
    on("DIAG_DEV_Sel", &TMAIN_Form::DIAG_DEV_SelExecute);
    on("EXTR_USB", &TMAIN_Form::EXTR_USBExecute);
    on("EXTR_TELG", &TMAIN_Form::EXTR_TELGExecute);
    on("EXTR_SPRACHE", &TMAIN_Form::EXTR_SPRACHEExecute);
    on("EXTR_UNIT", &TMAIN_Form::EXTR_UNITExecute);
    on("HELP_Info", &TMAIN_Form::HELP_InfoExecute);
    on("DSATZ_FILEtoSG", &TMAIN_Form::DSATZ_FILEtoSGExecute);
    on("DSATZ_FILEtoEDIT", &TMAIN_Form::DSATZ_FILEtoEDITExecute);
    on("DSATZ_FILEtoZWIS", &TMAIN_Form::DSATZ_FILEtoZWISExecute);
    on("DSATZ_SGtoFILE", &TMAIN_Form::DSATZ_SGtoFILEExecute);
    on("DSATZ_SGtoEDIT", &TMAIN_Form::DSATZ_SGtoEDITExecute);
    on("DSATZ_SGtoZWIS", &TMAIN_Form::DSATZ_SGtoZWISExecute);
    on("DSATZ_ZWIStoFILE", &TMAIN_Form::DSATZ_ZWIStoFILEExecute);
    on("DSATZ_ZWIStoEDIT", &TMAIN_Form::DSATZ_ZWIStoEDITExecute);
    on("DSATZ_ZWIStoSG", &TMAIN_Form::DSATZ_ZWIStoSGExecute);
    on("DSATZ_ZWISDel", &TMAIN_Form::DSATZ_ZWISDelExecute);
    on("DSATZ_EOL_EDIT", &TMAIN_Form::DSATZ_EOL_EDITExecute);
}

// ---- diagnosis ----

void TMAIN_Form::DIAG_StartExecute() {
    const int32_t row = m_session->SelectedDeviceIndex;
    if (row < -1 || row > 5) return;
    // The S-Bus classes talk to their own address: the heaters 7, the boot loader 3.
    if (row == 3 || row == 4) m_session->buses().sbus.SBUS_SetDeviceAddress(7);
    if (row == 5) m_session->buses().sbus.SBUS_SetDeviceAddress(3);
    m_session->DIAG_BeginSession(row == -1 ? 0 : static_cast<uint8_t>(row + 1));
    for (const char* n : {"DIAG_DEV_Sel", "DIAG_Start", "EXTR_UNIT"})
        enableAction(QString::fromLatin1(n), false);
}

void TMAIN_Form::DIAG_StopExecute() {
    m_session->DIAG_RequestStop();
}

void TMAIN_Form::DIAG_SYS_CloseExecute() {
    close();
}

void TMAIN_Form::DIAG_ZUSAM_OpenExecute() {
    m_summary->ZUSAM_OpenReport();
}
void TMAIN_Form::DIAG_ZUSAM_SaveExecute() {
    m_summary->ZUSAM_SaveReport();
}
void TMAIN_Form::DIAG_ZUSAM_PrintExecute() {
    m_summary->ZUSAM_PrintReport();
}

// ---- views ----

void TMAIN_Form::tileMdi(Qt::Orientation orientation) {
    m_arranger->tile(orientation);
}

void TMAIN_Form::cascadeMdi() {
    m_arranger->cascade();
}

void TMAIN_Form::showWindow(QWidget* view) {
    if (!view) return;
    QWidget* w = view;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget())) {
        sub->showNormal();
        m_mdi->setActiveSubWindow(sub);
        w = sub;
    } else {
        w->showNormal();
    }
    w->raise();
}

void TMAIN_Form::WIN_ODataExecute() {
    showWindow(m_overview);
}
void TMAIN_Form::WIN_BDataExecute() {
    showWindow(m_betrieb);
}
void TMAIN_Form::WIN_SDataExecute() {
    showWindow(m_konfig);
}
void TMAIN_Form::WIN_LISTExecute() {
    showWindow(m_error);
}
void TMAIN_Form::WIN_PDataExecute() {
    showWindow(m_prot);
}
void TMAIN_Form::WIN_TDataExecute() {
    showWindow(m_trend);
}

// ---- parameter sets ----

void TMAIN_Form::DSATZ_FILEtoSGExecute() {
    m_eolRw->WriteParamSet(0);
}
void TMAIN_Form::DSATZ_FILEtoEDITExecute() {
    m_eolRw->WriteParamSet(1);
}
void TMAIN_Form::DSATZ_FILEtoZWISExecute() {
    m_eolRw->WriteParamSet(2);
}
void TMAIN_Form::DSATZ_SGtoFILEExecute() {
    m_eolRw->ReadParamSet(0);
}
void TMAIN_Form::DSATZ_SGtoEDITExecute() {
    m_eolRw->ReadParamSet(1);
}
void TMAIN_Form::DSATZ_SGtoZWISExecute() {
    m_eolRw->ReadParamSet(2);
}
void TMAIN_Form::DSATZ_ZWIStoFILEExecute() {
    m_eolRw->ReadParamSet(4);
}
void TMAIN_Form::DSATZ_ZWIStoEDITExecute() {
    m_eolRw->WriteParamSet(4);
}
void TMAIN_Form::DSATZ_ZWIStoSGExecute() {
    m_eolRw->WriteParamSet(5);
}
void TMAIN_Form::DSATZ_ZWISDelExecute() {
    m_eolRw->ClearBuffer();
}
void TMAIN_Form::DSATZ_EOL_EDITExecute() {
    m_eolAdr->show();
    m_eolAdr->raise();
    m_eolAdr->activateWindow();
}

// ---- service functions ----

void TMAIN_Form::EXTR_FLASHExecute() {
    m_flash->Execute();
}

// ---- help ----

void TMAIN_Form::HELP_InhaltExecute() {
    m_help.HELP_ShowContents();
}
void TMAIN_Form::HELP_IndexExecute() {
    m_help.HELP_ShowIndex(QString());
}

// ---- component test and calibration ----

void TMAIN_Form::DIAG_KOMP_TestExecute() {
    KompTest& komp = m_kompTest->komp();
    const uint8_t cls = m_engine->DeviceClass;
    if (cls == dcNone || cls >= dcLoader) {
        m_ui->messageBox(MsgKind::Information,
                         fromQ(tr("     Der Komponententest wird nicht unterstützt!      ")),
                         MB_OK);
    } else if (!komp.TestAllowed) {
        m_ui->messageBox(MsgKind::Warning, KompTest::notPossibleText(), MB_OK);
    } else if (cls == dcKX3117 || cls == dcKX3166) {
        komp.ExecuteWithTestPlug();
    } else {
        komp.Execute();
    }
}

void TMAIN_Form::KAL_SpannExecute() {
    m_kali->RunVoltageAdjust();
}
