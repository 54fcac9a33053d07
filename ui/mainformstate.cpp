// How the main window tells every window about the adapter and the session, which actions it
// offers for the connected device class, and the heater commands behind the control actions.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <algorithm>

#include "betriebform.h"
#include "devicelist.h"
#include "devselform.h"
#include "diagsession.h"
#include "eoladrform.h"
#include "eolrwform.h"
#include "errorform.h"
#include "flashform.h"
#include "helpforms.h"
#include "kaliallform.h"
#include "komptestform.h"
#include "konfigform.h"
#include "kx3024module.h"
#include "kx3090module.h"
#include "kx3117module.h"
#include "kx3141module.h"
#include "kx3166module.h"
#include "mainform.h"
#include "overviewform.h"
#include "protokoll.h"
#include "protstartform.h"
#include "qtports.h"
#include "teleform.h"
#include "trendform.h"

namespace {

// Visibility and enabling of the control actions by device class 0..6, one letter per class:
//   'v' visible, disabled   'E' visible, enabled   '-' hidden, disabled
//   'h' hidden, enabled     'H' hidden, enabling untouched   '=' untouched
struct ControlRow {
    const char* name;
    const char* cells;
};

// clang-format off
const ControlRow kControlRows[] = {
    {"STEU_AUS",         "vEvEEE-"},
    {"STEU_Heiz",        "----E=="},
    {"STEU_Stand",       "v--E-E-"},
    {"STEU_Zuheiz",      "v--E---"},
    {"STEU_UP",          "vEvE---"},
    {"STEU_Spar_1",      "HHHE---"},
    {"STEU_Spar_2",      "HHHE---"},
    {"STEU_ERRDEL",      "vEEEEE-"},
    {"STEU_UP_EIN",      "----EE-"},
    {"STEU_UP_AUS",      "----EE-"},
    {"STEU_CNTDEL",      "-----E-"},
    {"STEU_L_HS",        "-----E-"},
    {"STEU_L_UP",        "-----E-"},
    {"STEU_L_KL61",      "-----E-"},
    {"STEU_L_SPAR",      "-----E-"},
    {"STEU_L_HS_EIN",    "-----E-"},
    {"STEU_L_HS_AUS",    "-----E-"},
    {"STEU_L_HS_LINE",   "-----E-"},
    {"STEU_L_UPFA_EIN",  "-----E-"},
    {"STEU_L_UPFA_AUS",  "-----E-"},
    {"STEU_L_UPFA_LINE", "-----E-"},
    {"STEU_L_KL61_EIN",  "-----E-"},
    {"STEU_L_KL61_AUS",  "-----E-"},
    {"STEU_L_KL61_LINE", "-----E-"},
    {"STEU_L_SPAR_EIN",  "-----E-"},
    {"STEU_L_SPAR_AUS",  "-----E-"},
    {"STEU_L_SPAR_LINE", "-----E-"},
};

// Menu lines shown ('1') or hidden ('0') by class, set after the actions: with class 5 the
// tool bar keeps the off and parking-heating buttons while the menu offers the line submenus.
const ControlRow kMenuRows[] = {
    {"N30",            "0001010"},
    {"Aus1",           "1111100"},
    {"Standheizen1",   "1001000"},
    {"UmwlzpumpeAus1", "0000100"},
    {"UmwlzpumpeEin1", "0000100"},
};

const char* const kDataSetTransfers[] = {"DSATZ_FILEtoSG", "DSATZ_FILEtoEDIT", "DSATZ_FILEtoZWIS",
                                         "DSATZ_SGtoFILE", "DSATZ_SGtoEDIT", "DSATZ_SGtoZWIS"};
const char* const kBufferActions[] = {"DSATZ_ZWIStoFILE", "DSATZ_ZWIStoEDIT", "DSATZ_ZWIStoSG",
                                      "DSATZ_ZWISDel"};

// clang-format on

}  // namespace

// ---- enabling helpers ----

void TMAIN_Form::enableAction(const QString& name, bool enabled) {
    if (QAction* a = action(name))
        a->setEnabled(enabled);
    else if (QMenu* m = menu(name))
        m->menuAction()->setEnabled(enabled);
}

void TMAIN_Form::setShown(const QString& name, bool visible) {
    if (QAction* a = action(name)) {
        a->setVisible(visible);
    } else if (QMenu* m = menu(name)) {
        m->menuAction()->setVisible(visible);
    } else if (QAction* e = menuEntry(name)) {
        e->setVisible(visible);
    }
}

void TMAIN_Form::applyControlCell(const QString& name, char cell) {
    switch (cell) {
        case 'v':
            setShown(name, true), enableAction(name, false);
            break;
        case 'E':
            setShown(name, true), enableAction(name, true);
            break;
        case '-':
            setShown(name, false), enableAction(name, false);
            break;
        case 'h':
            setShown(name, false), enableAction(name, true);
            break;
        case 'H':
            setShown(name, false);
            break;
        default:
            break;  // '=': left as it is
    }
}

// ---- broadcast ----

void TMAIN_Form::createListeners() {
    // In the order the link state goes out; the number is each window's turn when the device
    // class goes out (0: it takes none).
    // clang-format off
    m_listeners = {
        {"TDEV_SEL_Form",       m_devSel,     0},
        {"TKOMP_TEST_Form",     m_kompTest,   1},
        {"TPROT_START_Form",    m_protStart,  2},
        {"TANSI_OVERVIEW_Form", m_overview,   3},
        {"TANSI_KONFIG_Form",   m_konfig,     4},
        {"TANSI_BETRIEB_Form",  m_betrieb,    5},
        {"TANSI_TREND_Form",    m_trend,      6},
        {"TANSI_ERROR_Form",    m_error,      7},
        {"TANSI_PROT_Form",     m_prot,       0},
        {"TKALI_ALL_Form",      m_kali,       8},
        {"TEXTRA_Tele_Form",    m_tele,      11},
        {"TEXTRA_FLASH_Form",   m_flash,     12},
        {"TDS_EOL_RW_Form",     m_eolRw,      9},
        {"TDS_EOL_ADR_Form",    m_eolAdr,    10},
    };
    // clang-format on
    m_classRound.clear();
    for (const Listener& l : m_listeners) {
        Q_ASSERT(l.window);
        if (l.classTurn > 0) m_classRound.push_back(&l);
    }
    std::sort(m_classRound.begin(), m_classRound.end(),
              [](const Listener* a, const Listener* b) { return a->classTurn < b->classTurn; });
}

void TMAIN_Form::broadcast(const char* window, const char* hook) {
    if (onBroadcast) onBroadcast(QString::fromLatin1(window), QString::fromLatin1(hook));
}

void TMAIN_Form::UI_UpdateLinkState() {
    const bool ready = m_engine->AdapterReady;
    if (ready) {
        UI_UpdateSessionState();
    } else {
        for (const char* n : {"DIAG_DEV_Sel", "DIAG_Start", "DIAG_Stop", "DIAG_KOMP_Test"})
            enableAction(QString::fromLatin1(n), false);
        UI_UpdateSummaryActions();
        UI_UpdateLogActions();
        UI_UpdateControlActions();
        UI_UpdateCalibActions();
        UI_UpdateDataSetActions();
        UI_UpdateExtrasActions();
    }
    for (const Listener& l : m_listeners) {
        l.window->SetLinkState(ready);
        broadcast(l.className, "SetLinkState");
    }
    m_info->SetHardwareVersion(m_engine->AdapterHwVersion);
    repaintStatusBar();
}

void TMAIN_Form::UI_UpdateSessionState() {
    if (m_engine->AdapterReady) {
        const bool up = m_engine->SessionUp;
        enableAction(QStringLiteral("DIAG_DEV_Sel"), !up);
        enableAction(QStringLiteral("DIAG_Start"), !up);
        enableAction(QStringLiteral("DIAG_Stop"), up);
        enableAction(QStringLiteral("DIAG_KOMP_Test"), up);
        UI_UpdateSummaryActions();
        UI_UpdateLogActions();
        UI_UpdateControlActions();
        UI_UpdateCalibActions();
        UI_UpdateDataSetActions();
        UI_UpdateExtrasActions();
        const uint8_t cls = m_engine->DeviceClass;
        for (const Listener* l : m_classRound) {
            l->window->SetDeviceClass(cls);
            broadcast(l->className, "SetDeviceClass");
        }
    }
    repaintStatusBar();
}

// ---- group routines ----

void TMAIN_Form::UI_UpdateSummaryActions() {
    const bool on = m_engine->AdapterReady && m_engine->DeviceClass != dcNone;
    enableAction(QStringLiteral("DIAG_ZUSAM_Save"), on);
    enableAction(QStringLiteral("DIAG_ZUSAM_Print"), on);
    enableAction(QStringLiteral("DIAG_ZUSAM_Open"), true);
}

void TMAIN_Form::UI_UpdateLogActions() {
    const bool on = m_engine->AdapterReady && m_engine->DeviceClass != dcNone;
    enableAction(QStringLiteral("DIAG_PROT_Start"), on && !MeasurementLogActive);
    enableAction(QStringLiteral("DIAG_PROT_Stop"), on && MeasurementLogActive);
}

void TMAIN_Form::UI_UpdateControlActions() {
    const uint8_t cls = m_engine->DeviceClass;
    if (cls > dcLoader) return;
    for (const ControlRow& r : kControlRows)
        applyControlCell(QString::fromLatin1(r.name), r.cells[cls]);
    QAction* stand = action(QStringLiteral("STEU_Stand"));
    stand->setToolTip(cls == dcKX3166 ? action(QStringLiteral("STEU_L_HS_EIN"))->toolTip()
                                      : tr("Standheizen"));
    QAction* spar1 = action(QStringLiteral("STEU_Spar_1"));
    if (cls == dcKX3117) {
        spar1->setText(tr("Sparbetrieb &1"));
        spar1->setToolTip(tr("Sparbetrieb 1"));
    } else if (cls == dcKX3166 || cls == dcLoader) {
        spar1->setText(tr("&Sparbetrieb Ein/Aus"));
        spar1->setToolTip(tr("Sparbetrieb Ein- bzw. Ausschalten"));
    }
    for (const ControlRow& r : kMenuRows)
        setShown(QString::fromLatin1(r.name), r.cells[cls] == '1');
}

void TMAIN_Form::UI_UpdateCalibActions() {
    // Per class: KAL_CO2, then KAL_Spann.
    static const char* const kCells[] = {"-v", "-E", "--", "E-", "--", "E-", "--"};
    const uint8_t cls = m_engine->DeviceClass;
    if (cls > dcLoader) return;
    applyControlCell(QStringLiteral("KAL_CO2"), kCells[cls][0]);
    applyControlCell(QStringLiteral("KAL_Spann"), kCells[cls][1]);
}

void TMAIN_Form::UI_UpdateDataSetActions() {
    const uint8_t cls = m_engine->DeviceClass;
    const bool shown = cls != dcLoader;
    setShown(QStringLiteral("Datensatz1"), shown);
    for (const QAction* a : std::as_const(m_actions))
        if (a->property("Category").toString() == QLatin1String("Datensatz"))
            setShown(a->objectName(), shown);
    if (!shown) return;
    const bool transfers = !MeasurementLogActive && m_engine->AdapterReady && cls != dcNone;
    for (const char* n : kDataSetTransfers) enableAction(QString::fromLatin1(n), transfers);
    enableAction(QStringLiteral("DSATZ_EOL_EDIT"), true);
    UI_UpdateBufferActions();
}

void TMAIN_Form::UI_UpdateBufferActions() {
    const bool on = !MeasurementLogActive && m_engine->AdapterReady &&
                    m_engine->DeviceClass != dcNone && m_eolRw && m_eolRw->BufferHasData();
    for (const char* n : kBufferActions) enableAction(QString::fromLatin1(n), on);
}

void TMAIN_Form::UI_UpdateExtrasActions() {
    setShown(QStringLiteral("EXTR_TELG"), true);
    enableAction(QStringLiteral("EXTR_TELG"), true);
    setShown(QStringLiteral("N10"), true);
    setShown(QStringLiteral("EXTR_FLASH"), true);
    setShown(QStringLiteral("N6"), true);
    switch (m_engine->DeviceClass) {
        case dcNone:
            enableAction(QStringLiteral("EXTR_UNIT"), true);
            enableAction(QStringLiteral("EXTR_FLASH"), false);
            break;
        case dcKX3117:
        case dcKX3166:
        case dcLoader:
            enableAction(QStringLiteral("EXTR_UNIT"), false);
            enableAction(QStringLiteral("EXTR_FLASH"), true);
            break;
        default:
            enableAction(QStringLiteral("EXTR_UNIT"), false);
            break;
    }
}

// ---- line check marks ----

void TMAIN_Form::checkLine(const char* on, const char* off, const char* line, uint8_t state) {
    if (state != 0 && state != 1 && state != 255) return;
    action(QString::fromLatin1(off))->setChecked(state == 0);
    action(QString::fromLatin1(on))->setChecked(state == 1);
    action(QString::fromLatin1(line))->setChecked(state == 255);
}

void TMAIN_Form::UI_CheckLineHS(uint8_t s) {
    checkLine("STEU_L_HS_EIN", "STEU_L_HS_AUS", "STEU_L_HS_LINE", s);
}
void TMAIN_Form::UI_CheckLineUPFA(uint8_t s) {
    checkLine("STEU_L_UPFA_EIN", "STEU_L_UPFA_AUS", "STEU_L_UPFA_LINE", s);
}
void TMAIN_Form::UI_CheckLineKL61(uint8_t s) {
    checkLine("STEU_L_KL61_EIN", "STEU_L_KL61_AUS", "STEU_L_KL61_LINE", s);
}
void TMAIN_Form::UI_CheckLineSPAR(uint8_t s) {
    checkLine("STEU_L_SPAR_EIN", "STEU_L_SPAR_AUS", "STEU_L_SPAR_LINE", s);
}

// ---- control commands ----

namespace {

QString pumpConfirmation() {
    return QCoreApplication::translate(
        "TMAIN_Form",
        "     Stellen Sie sicher das die Umwälzpumpe angesteuert       \r\n"
        "     wird und ausreichend Kühlmittel vorhanden ist, so das     \r\n"
        "     die erforderliche Durchflussmenge erreicht wird.");
}

// The counter delete question's help topic: the action's own.
constexpr int kCounterDeleteHelp = 314;

QString counterDeleteConfirmation() {
    return QCoreApplication::translate(
        "TMAIN_Form",
        "     Sollen die Zeiten und Zähler wirklich gelöscht werden?     \r\n"
        "\r\n"
        "     Achtung: Die Betriebsspannung muss anschließend getrennt werden!     ");
}

// The command of a control action in a module's table (none for an action the class does not
// have, or when the class has no module).
template <typename Module, size_t N>
std::function<void()> tableCommand(DiagSession& session, uint8_t cls,
                                   const std::pair<const char*, void (Module::*)()> (&table)[N],
                                   const QString& name) {
    Module* m = session.moduleAs<Module>(cls);
    if (!m) return {};
    for (const auto& c : table)
        if (name == QLatin1String(c.first)) return [m, setter = c.second] { (m->*setter)(); };
    return {};
}

std::function<void()> class4Command(DiagSession& session, const QString& name) {
    using Setter = void (KX3141Module::*)();
    static const std::pair<const char*, Setter> kCommands[] = {
        {"STEU_AUS", &KX3141Module::KX3141_RequestHeatOff},
        {"STEU_Heiz", &KX3141Module::KX3141_RequestHeatOn},
        {"STEU_UP_EIN", &KX3141Module::KX3141_RequestPumpOn},
        {"STEU_UP_AUS", &KX3141Module::KX3141_RequestPumpOff},
        {"STEU_ERRDEL", &KX3141Module::KX3141_RequestErrorDelete},
    };
    return tableCommand(session, dcKX3141, kCommands, name);
}

std::function<void()> class5Command(DiagSession& session, const QString& name) {
    using Setter = void (KX3166Module::*)();
    static const std::pair<const char*, Setter> kCommands[] = {
        {"STEU_AUS", &KX3166Module::KX3166_RequestHSOff},
        {"STEU_Stand", &KX3166Module::KX3166_RequestHSOn},
        {"STEU_UP_EIN", &KX3166Module::KX3166_RequestUPFAOn},
        {"STEU_UP_AUS", &KX3166Module::KX3166_RequestUPFAOff},
        {"STEU_ERRDEL", &KX3166Module::KX3166_RequestErrorDelete},
        {"STEU_CNTDEL", &KX3166Module::KX3166_RequestCounterDelete},
        {"STEU_L_HS_LINE", &KX3166Module::KX3166_RequestHSLine},
        {"STEU_L_UPFA_EIN", &KX3166Module::KX3166_RequestUPFAOn},
        {"STEU_L_UPFA_AUS", &KX3166Module::KX3166_RequestUPFAOff},
        {"STEU_L_UPFA_LINE", &KX3166Module::KX3166_RequestUPFALine},
        {"STEU_L_KL61_EIN", &KX3166Module::KX3166_RequestKL61On},
        {"STEU_L_KL61_AUS", &KX3166Module::KX3166_RequestKL61Off},
        {"STEU_L_KL61_LINE", &KX3166Module::KX3166_RequestKL61Line},
        {"STEU_L_SPAR_EIN", &KX3166Module::KX3166_RequestSPAROn},
        {"STEU_L_SPAR_AUS", &KX3166Module::KX3166_RequestSPAROff},
        {"STEU_L_SPAR_LINE", &KX3166Module::KX3166_RequestSPARLine},
    };
    return tableCommand(session, dcKX3166, kCommands, name);
}

}  // namespace

QString TMAIN_Form::errorDeleteConfirmation(uint8_t cls) {
    const QString ask = QCoreApplication::translate(
        "TMAIN_Form", "     Sollen die Fehler wirklich gelöscht werden?     ");
    const QString released = QCoreApplication::translate(
        "TMAIN_Form", "     Gleichzeitig wird eine eventuell vorliegende Verriegelung aufgehoben.");
    switch (cls) {
        case dcKX3090:
            return ask + "\r\n\r\n" + released;
        case dcKX3117:
            return ask + "\r\n\r\n" + released + "\r\n\r\n" +
                   QCoreApplication::translate(
                       "TMAIN_Form",
                       "     Fehler an der Temperatursensorik führen hard- und softwareseitig zu "
                       "einer     \r\n"
                       "     Verriegelung. Bevor diese Heizgeräteverriegelung aufgehoben werden "
                       "kann, muss     \r\n"
                       "     die hardwareseitige Verriegelung zurückgesetzt werden. Dazu bitte das "
                       "Heizgerät\r\n"
                       "     für 10s vom Bordnetz trennen. Anschließend die Diagnose neu starten "
                       "und die\r\n"
                       "     softwareseitige Heizgeräteverriegelung mit der Taste F5 löschen.");
        case dcKX3024:
            return ask + "\r\n\r\n" +
                   QCoreApplication::translate("TMAIN_Form",
                                               "     Eine eventuell vorliegende Verriegelung muss "
                                               "separat aufgehoben werden.");
        case dcKX3141:
        case dcKX3166:
            return ask + "\r\n\r\n" + released + "\r\n\r\n" +
                   QCoreApplication::translate(
                       "TMAIN_Form",
                       "     Hat ein Fehler am Überhitzungsschutz zur Verriegelung geführt, ist\r\n"
                       "     zusätzlich die Betriebsspannung zu trennen.");
        default:
            return {};
    }
}

// The commands of the class's device module by control action. Only the modules the program
// has can be reached; for any other class an action does nothing, without a confirmation.
void TMAIN_Form::runControl(const QString& name) {
    const uint8_t cls = m_engine->DeviceClass;
    std::function<void()> command;
    if (cls == dcKX3090) {
        if (auto* m = m_session->moduleAs<KX3090Module>(dcKX3090)) {
            if (name == QLatin1String("STEU_AUS")) command = [m] { m->KX3090_RequestOff(); };
            if (name == QLatin1String("STEU_UP")) command = [m] { m->KX3090_RequestPump(); };
            if (name == QLatin1String("STEU_ERRDEL"))
                command = [m] { m->KX3090_RequestErrorDelete(); };
        }
    }
    if (cls == dcKX3024) {
        if (auto* m = m_session->moduleAs<KX3024Module>(dcKX3024)) {
            if (name == QLatin1String("STEU_ERRDEL"))
                command = [m] { m->KX3024_RequestErrorDelete(); };
        }
    }
    if (cls == dcKX3117) {
        if (auto* m = m_session->moduleAs<KX3117Module>(dcKX3117))
            command = kx3117Control(*m, name);
    }
    if (cls == dcKX3141) command = class4Command(*m_session, name);
    if (cls == dcKX3166) command = class5Command(*m_session, name);
    if (!command) return;
    if (name == QLatin1String("STEU_Heiz") || name == QLatin1String("STEU_Stand") ||
        name == QLatin1String("STEU_Zuheiz")) {
        if (m_ui->messageBox(MsgKind::Warning, fromQ(pumpConfirmation()), MB_OK) != MB_OK) return;
    } else if (name == QLatin1String("STEU_ERRDEL")) {
        if (m_ui->messageBox(MsgKind::Question, fromQ(errorDeleteConfirmation(cls)),
                             MB_YES | MB_NO) != MB_YES)
            return;
    } else if (name == QLatin1String("STEU_CNTDEL")) {
        if (m_ui->messageBox(MsgKind::Question, fromQ(counterDeleteConfirmation()), MB_YES | MB_NO,
                             kCounterDeleteHelp) != MB_YES)
            return;
    }
    command();
}

// The class-3 commands. The economy modes read their action's check mark as it was before the
// click (the module sets the marks), so a click on a checked mode returns to normal mode.
std::function<void()> TMAIN_Form::kx3117Control(KX3117Module& m, const QString& name) {
    auto is = [&name](const char* n) { return name == QLatin1String(n); };
    if (is("STEU_AUS")) return [&m] { m.KX3117_RequestOff(); };
    if (is("STEU_Stand")) return [&m] { m.KX3117_RequestParkingHeat(); };
    if (is("STEU_Zuheiz")) return [&m] { m.KX3117_RequestSupplementaryHeat(); };
    if (is("STEU_UP")) return [&m] { m.KX3117_RequestPump(); };
    if (is("STEU_ERRDEL")) return [&m] { m.KX3117_RequestErrorDelete(); };
    if (is("STEU_Spar_1") || is("STEU_Spar_2")) {
        QAction* a = action(name);
        // A checkable action has already toggled its mark when it runs: undo that.
        const bool wasChecked = !a->isChecked();
        a->setChecked(wasChecked);
        const int32_t mode = wasChecked ? 1 : is("STEU_Spar_1") ? 2 : 3;
        return [&m, mode] { m.KX3117_SetEconomyMode(mode); };
    }
    return {};
}

void TMAIN_Form::STEU_AUSExecute() {
    runControl(QStringLiteral("STEU_AUS"));
}
void TMAIN_Form::STEU_HeizExecute() {
    runControl(QStringLiteral("STEU_Heiz"));
}
void TMAIN_Form::STEU_StandExecute() {
    runControl(QStringLiteral("STEU_Stand"));
}
void TMAIN_Form::STEU_ZuheizExecute() {
    runControl(QStringLiteral("STEU_Zuheiz"));
}
void TMAIN_Form::STEU_Spar_1Execute() {
    runControl(QStringLiteral("STEU_Spar_1"));
}
void TMAIN_Form::STEU_Spar_2Execute() {
    runControl(QStringLiteral("STEU_Spar_2"));
}
void TMAIN_Form::STEU_UPExecute() {
    runControl(QStringLiteral("STEU_UP"));
}
void TMAIN_Form::STEU_UP_EINExecute() {
    runControl(QStringLiteral("STEU_UP_EIN"));
}
void TMAIN_Form::STEU_UP_AUSExecute() {
    runControl(QStringLiteral("STEU_UP_AUS"));
}
void TMAIN_Form::STEU_ERRDELExecute() {
    runControl(QStringLiteral("STEU_ERRDEL"));
}
void TMAIN_Form::STEU_CNTDELExecute() {
    runControl(QStringLiteral("STEU_CNTDEL"));
}
void TMAIN_Form::STEU_L_HS_LINEExecute() {
    runControl(QStringLiteral("STEU_L_HS_LINE"));
}
void TMAIN_Form::STEU_L_UPFA_EINExecute() {
    runControl(QStringLiteral("STEU_L_UPFA_EIN"));
}
void TMAIN_Form::STEU_L_UPFA_AUSExecute() {
    runControl(QStringLiteral("STEU_L_UPFA_AUS"));
}
void TMAIN_Form::STEU_L_UPFA_LINEExecute() {
    runControl(QStringLiteral("STEU_L_UPFA_LINE"));
}
void TMAIN_Form::STEU_L_KL61_EINExecute() {
    runControl(QStringLiteral("STEU_L_KL61_EIN"));
}
void TMAIN_Form::STEU_L_KL61_AUSExecute() {
    runControl(QStringLiteral("STEU_L_KL61_AUS"));
}
void TMAIN_Form::STEU_L_KL61_LINEExecute() {
    runControl(QStringLiteral("STEU_L_KL61_LINE"));
}
void TMAIN_Form::STEU_L_SPAR_EINExecute() {
    runControl(QStringLiteral("STEU_L_SPAR_EIN"));
}
void TMAIN_Form::STEU_L_SPAR_AUSExecute() {
    runControl(QStringLiteral("STEU_L_SPAR_AUS"));
}
void TMAIN_Form::STEU_L_SPAR_LINEExecute() {
    runControl(QStringLiteral("STEU_L_SPAR_LINE"));
}

// The CO2 adjustment runs the heater: the pump must run, as before a heating command.
void TMAIN_Form::KAL_CO2Execute() {
    if (m_ui->messageBox(MsgKind::Warning, fromQ(pumpConfirmation()), MB_OK) != MB_OK) return;
    m_kali->RunCO2Adjust();
}
