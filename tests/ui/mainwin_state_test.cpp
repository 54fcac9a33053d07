// Which actions the main window offers by adapter state, session state and device class, the
// order in which it tells the windows, the line check marks, and the small start-up routines.
#include <gtest/gtest.h>

#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>
#include <functional>
#include <map>
#include <set>

#include "betriebform.h"
#include "boxuser.h"
#include "diagsession.h"
#include "eoladrform.h"
#include "eolrwform.h"
#include "errorform.h"
#include "flashform.h"
#include "kaliallform.h"
#include "kalico2forms.h"
#include "komptestform.h"
#include "komptestpdp.h"
#include "konfigform.h"
#include "mainwinharness.h"
#include "overviewform.h"
#include "protokoll.h"
#include "protstartform.h"
#include "qtports.h"
#include "settingslanguage.h"
#include "teleform.h"
#include "tranzform.h"
#include "trendform.h"
#include "unittexts.h"
#include "zusamfass.h"

namespace {

// What a case expects of an action, menu entry or submenu:
//   "E" shown and enabled, "v" shown and disabled, "-" hidden and disabled,
//   "s" shown, "h" hidden (enabling not looked at).
struct Expect {
    const char* name;
    const char* state;
};

struct EnablingCase {
    const char* what;
    bool ready;
    bool sessionUp;
    uint8_t deviceClass;
    bool logActive;
    std::vector<Expect> expects;
};

class MainWindowState : public ::testing::Test {
protected:
    MainWindowState() : run(dir.path(), false) {}

    bool visible(const QString& name) const {
        TMAIN_Form& f = *run.form;
        if (QAction* a = f.action(name)) return a->isVisible();
        if (QMenu* m = f.menu(name)) return m->menuAction()->isVisible();
        if (QAction* e = f.menuEntry(name)) return e->isVisible();
        ADD_FAILURE() << "no such action " << name.toStdString();
        return false;
    }
    void apply(bool ready, bool up, uint8_t cls, bool log = false) {
        MainEngine& e = run.form->engine();
        e.AdapterReady = ready;
        e.SessionUp = up;
        e.DeviceClass = cls;
        run.form->MeasurementLogActive = log;
        run.form->UI_UpdateLinkState();
    }

    QTemporaryDir dir;
    MainWinRun run;
};

// clang-format off
const EnablingCase kCases[] = {
    {"adapter lost during a session", false, true, 1, false,
     {{"DIAG_Start", "v"}, {"DIAG_Stop", "v"}, {"DIAG_KOMP_Test", "v"}, {"DIAG_DEV_Sel", "v"},
      {"DIAG_ZUSAM_Open", "E"}, {"DIAG_ZUSAM_Save", "v"}, {"DIAG_ZUSAM_Print", "v"},
      {"DIAG_PROT_Start", "v"}, {"DIAG_PROT_Stop", "v"}, {"DSATZ_FILEtoSG", "v"},
      {"DSATZ_SGtoEDIT", "v"}, {"DSATZ_ZWIStoFILE", "v"}, {"STEU_AUS", "E"}}},
    {"ready, no session", true, false, 0, false,
     {{"DIAG_Start", "E"}, {"DIAG_DEV_Sel", "E"}, {"DIAG_Stop", "v"}, {"DIAG_KOMP_Test", "v"},
      {"DIAG_ZUSAM_Open", "E"}, {"DIAG_ZUSAM_Save", "v"}, {"KAL_Spann", "v"}, {"KAL_CO2", "-"},
      {"EXTR_UNIT", "E"}, {"EXTR_FLASH", "v"}, {"EXTR_TELG", "E"}, {"N10", "s"}, {"N6", "s"},
      {"STEU_AUS", "v"}, {"STEU_Stand", "v"}, {"STEU_Zuheiz", "v"}, {"STEU_UP", "v"},
      {"STEU_ERRDEL", "v"}, {"STEU_Heiz", "-"}, {"Aus1", "s"}, {"Standheizen1", "s"},
      {"UmwlzpumpeAus1", "h"}, {"N30", "h"}, {"STEU_L_HS", "h"}, {"Datensatz1", "s"},
      {"DSATZ_FILEtoSG", "v"}, {"DSATZ_EOL_EDIT", "E"}}},
    {"class 1 up", true, true, 1, false,
     {{"DIAG_Start", "v"}, {"DIAG_Stop", "E"}, {"DIAG_KOMP_Test", "E"}, {"STEU_AUS", "E"},
      {"STEU_UP", "E"}, {"STEU_ERRDEL", "E"}, {"STEU_Stand", "-"}, {"STEU_Zuheiz", "-"},
      {"Standheizen1", "h"}, {"Aus1", "s"}, {"N30", "h"}, {"STEU_Spar_1", "h"},
      {"KAL_Spann", "E"}, {"KAL_CO2", "-"}, {"DIAG_ZUSAM_Save", "E"}, {"DIAG_PROT_Start", "E"},
      {"DIAG_PROT_Stop", "v"}, {"DSATZ_FILEtoSG", "E"}, {"DSATZ_ZWIStoSG", "v"},
      {"EXTR_UNIT", "v"}, {"EXTR_FLASH", "v"}}},
    {"class 2", true, true, 2, false,
     {{"STEU_AUS", "v"}, {"STEU_UP", "v"}, {"STEU_ERRDEL", "E"}, {"KAL_Spann", "-"}}},
    {"class 3", true, true, 3, false,
     {{"STEU_Stand", "E"}, {"STEU_Zuheiz", "E"}, {"STEU_Spar_1", "E"}, {"STEU_Spar_2", "E"},
      {"N30", "s"}, {"Standheizen1", "s"}, {"KAL_CO2", "E"}, {"KAL_Spann", "-"},
      {"EXTR_UNIT", "v"}, {"EXTR_FLASH", "E"}, {"STEU_UP_EIN", "-"}}},
    {"class 4 with a running measurement log", true, true, 4, true,
     {{"STEU_Heiz", "E"}, {"STEU_UP_EIN", "E"}, {"STEU_UP_AUS", "E"}, {"UmwlzpumpeAus1", "s"},
      {"UmwlzpumpeEin1", "s"}, {"STEU_UP", "-"}, {"DIAG_PROT_Start", "v"},
      {"DIAG_PROT_Stop", "E"}, {"DSATZ_FILEtoSG", "v"}, {"DSATZ_SGtoZWIS", "v"},
      {"DSATZ_ZWISDel", "v"}, {"DSATZ_EOL_EDIT", "E"}}},
    {"class 5", true, true, 5, false,
     {{"STEU_AUS", "E"}, {"Aus1", "h"}, {"STEU_Stand", "E"}, {"Standheizen1", "h"},
      {"STEU_L_HS", "s"}, {"STEU_L_UP", "s"}, {"STEU_L_KL61", "s"}, {"STEU_L_SPAR", "s"},
      {"STEU_L_KL61_LINE", "E"}, {"STEU_CNTDEL", "E"}, {"STEU_UP_EIN", "E"},
      {"UmwlzpumpeEin1", "h"}, {"N30", "s"}, {"STEU_Spar_1", "h"}, {"KAL_CO2", "E"}}},
    {"class 6, the boot loader", true, true, 6, false,
     {{"STEU_AUS", "-"}, {"STEU_Stand", "-"}, {"STEU_ERRDEL", "-"}, {"STEU_L_HS", "h"},
      {"Aus1", "h"}, {"Datensatz1", "h"}, {"DSATZ_FILEtoSG", "h"}, {"DSATZ_EOL_EDIT", "h"},
      {"EXTR_FLASH", "E"}, {"EXTR_UNIT", "v"}, {"KAL_CO2", "-"}, {"KAL_Spann", "-"}}},
};
// clang-format on

TEST_F(MainWindowState, ActionsFollowLinkSessionAndClass) {
    for (const EnablingCase& c : kCases) {
        apply(c.ready, c.sessionUp, c.deviceClass, c.logActive);
        for (const Expect& e : c.expects) {
            const QString n = QString::fromLatin1(e.name);
            const std::string state = e.state;
            const bool shown = visible(n);
            if (state == "s" || state == "h") {
                EXPECT_EQ(shown, state == "s") << c.what << ": " << e.name;
                continue;
            }
            EXPECT_EQ(shown, state != "-") << c.what << ": " << e.name << " visible";
            ASSERT_NE(run.form->action(n), nullptr) << e.name;
            EXPECT_EQ(run.form->action(n)->isEnabled(), state == "E") << c.what << ": " << e.name;
        }
    }
}

TEST_F(MainWindowState, ToolBarShowsNoSeparatorsSideBySide) {
    // What the bar shows, left to right: 'b' a button, '|' a separator.
    const auto bar = [this] {
        std::string shown;
        for (QAction* a : run.form->toolBar()->actions())
            if (a->isVisible()) shown += a->isSeparator() ? '|' : 'b';
        return shown;
    };
    for (uint8_t cls = 0; cls <= 6; ++cls) {
        apply(true, cls != 0, cls);
        const std::string shown = bar();
        SCOPED_TRACE("class " + std::to_string(cls) + ": " + shown);
        EXPECT_EQ(shown.find("||"), std::string::npos);
        EXPECT_EQ(shown.front(), 'b');
        EXPECT_EQ(shown.back(), 'b');
    }
    // Class 1: device selection | start stop | component test | six views | off | error
    // delete | EOL cell | free telegram | help.
    apply(true, true, 1);
    EXPECT_EQ(bar(), "b|bb|b|bbbbbb|b|b|b|b|b");
    apply(false, false, 0);
    EXPECT_EQ(bar().find("||"), std::string::npos) << bar();
}

TEST_F(MainWindowState, HelpWithoutItsFileSaysWhichFileWasLookedFor) {
    const ByteString file = fromQ(QDir::toNativeSeparators(dir.filePath("NAVIRON-HELP-DEU.CHM")));
    run.form->HELP_InhaltExecute();
    run.form->HELP_IndexExecute();
    run.form->help().HELP_ShowContext(210);  // a view's F1, the error list's Enter
    ASSERT_EQ(run.ui.boxes.size(), 3u);
    for (const FakeUserInteraction::Box& b : run.ui.boxes) {
        EXPECT_NE(b.text.find(file), ByteString::npos) << b.text;
        EXPECT_NE(b.text.find("Hilfedatei"), ByteString::npos) << b.text;
        EXPECT_EQ(b.buttons, MB_OK);
    }
}

// The program's own boxes: Help in a box opens its topic through the help service, which says
// which file it looked for, and the box comes back.
TEST(MainWindowBoxes, HelpInABoxOpensItsTopicThroughTheHelpService) {
    QTemporaryDir dir;
    MainWinRun run(dir.path(), false, nullptr, true);
    QString helpText;
    BoxUser user({
        [](QMessageBox& box) { BoxUser::press(box, QMessageBox::Help); },
        [&](QMessageBox& box) { helpText = box.text(), BoxUser::press(box, QMessageBox::Ok); },
        [](QMessageBox& box) { BoxUser::press(box, QMessageBox::Cancel); },
    });
    EXPECT_EQ(run.form->engine().userInteraction().messageBox(MsgKind::Warning, "CO2",
                                                              MB_OK | MB_CANCEL, 410),
              MB_CANCEL);
    EXPECT_EQ(user.stepsDone(), 3u);
    EXPECT_EQ(run.form->help().lastContext(), 410);
    EXPECT_TRUE(helpText.contains(QDir::toNativeSeparators(dir.filePath("NAVIRON-HELP-DEU.CHM"))))
        << helpText.toStdString();
}

TEST_F(MainWindowState, CaptionsAndHintsByClass) {
    TMAIN_Form& f = *run.form;
    apply(true, true, 5);
    EXPECT_EQ(f.action("STEU_Stand")->toolTip(), QStringLiteral("Hauptschalter einschalten"));
    EXPECT_EQ(f.action("STEU_Spar_1")->text(), QStringLiteral("&Sparbetrieb Ein/Aus"));
    apply(true, true, 3);
    EXPECT_EQ(f.action("STEU_Stand")->toolTip(), QStringLiteral("Standheizen"));
    EXPECT_EQ(f.action("STEU_Spar_1")->text(), QStringLiteral("Sparbetrieb &1"));
    EXPECT_EQ(f.action("STEU_Spar_1")->toolTip(), QStringLiteral("Sparbetrieb 1"));
    // the tool bar's off button names the main switch
    EXPECT_EQ(f.menuEntry("STEU_AUS_Button")->toolTip(),
              QStringLiteral("Hauptschalter ausschalten"));
}

TEST_F(MainWindowState, BroadcastReachesEveryWindowInOrder) {
    TMAIN_Form& f = *run.form;
    std::vector<std::string> calls;
    f.onBroadcast = [&](const QString& w, const QString& hook) {
        calls.push_back(hook.toStdString() + " " + w.toStdString());
    };
    apply(true, true, 1);
    const std::vector<std::string> expected = {
        "SetDeviceClass TKOMP_TEST_Form",     "SetDeviceClass TPROT_START_Form",
        "SetDeviceClass TANSI_OVERVIEW_Form", "SetDeviceClass TANSI_KONFIG_Form",
        "SetDeviceClass TANSI_BETRIEB_Form",  "SetDeviceClass TANSI_TREND_Form",
        "SetDeviceClass TANSI_ERROR_Form",    "SetDeviceClass TKALI_ALL_Form",
        "SetDeviceClass TDS_EOL_RW_Form",     "SetDeviceClass TDS_EOL_ADR_Form",
        "SetDeviceClass TEXTRA_Tele_Form",    "SetDeviceClass TEXTRA_FLASH_Form",
        "SetLinkState TDEV_SEL_Form",         "SetLinkState TKOMP_TEST_Form",
        "SetLinkState TPROT_START_Form",      "SetLinkState TANSI_OVERVIEW_Form",
        "SetLinkState TANSI_KONFIG_Form",     "SetLinkState TANSI_BETRIEB_Form",
        "SetLinkState TANSI_TREND_Form",      "SetLinkState TANSI_ERROR_Form",
        "SetLinkState TANSI_PROT_Form",       "SetLinkState TKALI_ALL_Form",
        "SetLinkState TEXTRA_Tele_Form",      "SetLinkState TEXTRA_FLASH_Form",
        "SetLinkState TDS_EOL_RW_Form",       "SetLinkState TDS_EOL_ADR_Form",
    };
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(f.trendForm()->recorder().HeldAdapterReady());
    EXPECT_EQ(f.trendForm()->recorder().HeldDeviceClass(), 1);
    EXPECT_TRUE(f.protForm()->HeldAdapterReady());

    // without the adapter only the link state goes out, and the views drop their class
    calls.clear();
    apply(false, false, 1);
    ASSERT_EQ(calls.size(), 14u);
    EXPECT_EQ(calls.front(), "SetLinkState TDEV_SEL_Form");
    EXPECT_FALSE(f.overviewForm()->HeldAdapterReady());
    EXPECT_FALSE(f.devSelForm()->HeldAdapterReady());
    EXPECT_FALSE(f.teleForm()->client().HeldAdapterReady());
}

// Each name the broadcast reports is the window that has just been told: when a hook is
// reported, that window already holds the new value (a name paired with the wrong window
// reports one that is told later, or not at all).
TEST_F(MainWindowState, BroadcastReportsTheWindowItHasJustTold) {
    TMAIN_Form& f = *run.form;
    // The windows that show what they hold: the adapter state and the device class (none for
    // a window that takes no class).
    struct Held {
        std::function<bool()> ready;
        std::function<int()> deviceClass;
    };
    const std::map<std::string, Held> held = {
        {"TDEV_SEL_Form", {[&] { return f.devSelForm()->HeldAdapterReady(); }, {}}},
        {"TKOMP_TEST_Form",
         {[&] { return f.kompTestForm()->komp().HeldAdapterReady; },
          [&] { return f.kompTestForm()->komp().HeldDeviceClass; }}},
        {"TPROT_START_Form",
         {[&] { return f.protStartForm()->log().HeldAdapterReady; },
          [&] { return f.protStartForm()->log().HeldDeviceClass; }}},
        {"TANSI_OVERVIEW_Form",
         {[&] { return f.overviewForm()->HeldAdapterReady(); },
          [&] { return f.overviewForm()->HeldDeviceClass(); }}},
        {"TANSI_KONFIG_Form",
         {[&] { return f.konfigForm()->HeldAdapterReady(); },
          [&] { return f.konfigForm()->HeldDeviceClass(); }}},
        {"TANSI_BETRIEB_Form",
         {[&] { return f.betriebForm()->HeldAdapterReady(); },
          [&] { return f.betriebForm()->HeldDeviceClass(); }}},
        {"TANSI_TREND_Form",
         {[&] { return f.trendForm()->recorder().HeldAdapterReady(); },
          [&] { return f.trendForm()->recorder().HeldDeviceClass(); }}},
        {"TANSI_ERROR_Form",
         {[&] { return f.errorForm()->HeldAdapterReady(); },
          [&] { return f.errorForm()->ERROR_GetDeviceType(); }}},
        {"TANSI_PROT_Form", {[&] { return f.protForm()->HeldAdapterReady(); }, {}}},
        {"TEXTRA_Tele_Form",
         {[&] { return f.teleForm()->client().HeldAdapterReady(); },
          [&] { return f.teleForm()->client().HeldDeviceClass(); }}},
    };
    std::set<std::string> seen;
    std::vector<std::string> notYetTold;
    f.onBroadcast = [&](const QString& window, const QString& hook) {
        const auto it = held.find(window.toStdString());
        if (it == held.end()) return;
        const std::string call = hook.toStdString() + " " + it->first;
        seen.insert(call);
        const Held& h = it->second;
        const bool told = hook == QLatin1String("SetLinkState")
                              ? h.ready()
                              : h.deviceClass && h.deviceClass() == 1;
        if (!told) notYetTold.push_back(call);
    };
    apply(true, true, 1);
    EXPECT_EQ(notYetTold, std::vector<std::string>{});
    size_t expectedCalls = 0;
    for (const auto& [name, h] : held) expectedCalls += h.deviceClass ? 2 : 1;
    EXPECT_EQ(seen.size(), expectedCalls);
}

TEST_F(MainWindowState, WindowsAreCreatedOnceInTheirOrder) {
    TMAIN_Form& f = *run.form;
    // Each one the window the program works with, in the creation order.
    const std::vector<QWidget*> expected = {
        f.infoForm(),   f.protForm(),    f.usbSelForm(),  f.teleForm(),      f.eolAdrForm(),
        f.eolRwForm(),  f.tranzForm(),   f.kaliForm(),    f.protStartForm(), f.summaryForm(),
        f.konfigForm(), f.betriebForm(), f.errorForm(),   f.kompTestForm(),  f.overviewForm(),
        f.devSelForm(), f.co2WaitForm(), f.co2EditForm(), f.languageForm(),  f.kompTestPdp(),
        f.unitForm(),   f.updateForm(),  f.trendForm(),   f.flashForm(),
    };
    ASSERT_EQ(f.windows().size(), 24u);  // the main window is the 25th
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_NE(expected[i], nullptr) << i;
        EXPECT_EQ(f.windows()[i], expected[i]) << i;
    }
    const std::set<QWidget*> distinct(expected.begin(), expected.end());
    EXPECT_EQ(distinct.size(), expected.size());
}

TEST_F(MainWindowState, LineCheckMarks) {
    TMAIN_Form& f = *run.form;
    auto marks = [&](const char* prefix) {
        std::string m;
        for (const char* s : {"_EIN", "_AUS", "_LINE"})
            m += f.action(QString::fromLatin1(prefix) + s)->isChecked() ? '1' : '0';
        return m;
    };
    f.UI_CheckLineHS(0);
    EXPECT_EQ(marks("STEU_L_HS"), "010");
    f.UI_CheckLineUPFA(1);
    EXPECT_EQ(marks("STEU_L_UPFA"), "100");
    f.UI_CheckLineSPAR(255);
    EXPECT_EQ(marks("STEU_L_SPAR"), "001");
    f.UI_CheckLineKL61(1);
    f.UI_CheckLineKL61(7);  // no such state: the marks stay
    EXPECT_EQ(marks("STEU_L_KL61"), "100");
    EXPECT_EQ(marks("STEU_L_HS"), "010");
}

TEST_F(MainWindowState, ControlsOfAClassWithoutModuleDoNothing) {
    TMAIN_Form& f = *run.form;
    f.session().setModule(3, nullptr);  // a class whose module is missing
    apply(true, true, 3);
    f.STEU_StandExecute();
    f.STEU_ERRDELExecute();
    EXPECT_TRUE(run.ui.boxes.empty());
    // the start with a selection outside the device list does nothing
    f.session().SelectedDeviceIndex = 6;
    f.engine().SessionUp = false;
    f.engine().DeviceClass = 0;
    f.DIAG_StartExecute();
    EXPECT_FALSE(f.engine().SessionStarted);
}

TEST_F(MainWindowState, StartBeginsTheClassOfTheChosenRow) {
    struct Case {
        int32_t row;
        uint8_t deviceClass;
        uint8_t sbusAddress;
    };
    const Case cases[] = {{-1, 0, 7}, {0, 1, 7}, {2, 3, 7}, {3, 4, 7}, {4, 5, 7}, {5, 6, 3}};
    TMAIN_Form& f = *run.form;
    for (const Case& c : cases) {
        f.engine().SessionStarted = false;
        f.engine().DeviceClass = 9;
        f.session().buses().sbus.SBUS_SetDeviceAddress(c.row == 5 ? 7 : 1);
        f.session().SelectedDeviceIndex = c.row;
        f.DIAG_StartExecute();
        EXPECT_TRUE(f.engine().SessionStarted) << c.row;
        EXPECT_EQ(f.engine().DeviceClass, c.deviceClass) << c.row;
        if (c.row >= 3) {
            EXPECT_EQ(f.session().buses().sbus.deviceAddress(), c.sbusAddress) << c.row;
        }
    }
}

TEST(MainWindowDialogs, ErrorDeleteQuestionByClass) {
    const QString ask =
        QStringLiteral("     Sollen die Fehler wirklich gelöscht werden?     \r\n\r\n");
    const QString released = QStringLiteral(
        "     Gleichzeitig wird eine eventuell vorliegende Verriegelung aufgehoben.");
    EXPECT_EQ(TMAIN_Form::errorDeleteConfirmation(1), ask + released);
    EXPECT_TRUE(TMAIN_Form::errorDeleteConfirmation(3).startsWith(ask + released + "\r\n\r\n"));
    EXPECT_TRUE(TMAIN_Form::errorDeleteConfirmation(3).endsWith(
        QStringLiteral("mit der Taste F5 löschen.")));
    EXPECT_EQ(
        TMAIN_Form::errorDeleteConfirmation(2),
        ask + QStringLiteral(
                  "     Eine eventuell vorliegende Verriegelung muss separat aufgehoben werden."));
    EXPECT_EQ(TMAIN_Form::errorDeleteConfirmation(4), TMAIN_Form::errorDeleteConfirmation(5));
    EXPECT_TRUE(TMAIN_Form::errorDeleteConfirmation(4).endsWith(
        QStringLiteral("ist\r\n     zusätzlich die Betriebsspannung zu trennen.")));
    EXPECT_TRUE(TMAIN_Form::errorDeleteConfirmation(0).isEmpty());
    EXPECT_TRUE(TMAIN_Form::errorDeleteConfirmation(6).isEmpty());
}

TEST(MainWindowDialogs, SaveDialogDefaultExtension) {
    struct Case {
        const char* filter;
        int index;
        const char* ext;
    };
    const Case cases[] = {
        {"Textdatei  (*.txt)|*.TXT", 1, "TXT"},
        {"Textdatei  (*.txt)|*.TXT|Alle (*.*)|*.*", 2, "*"},
        {"A|*.PRN|B|*.EOL", 2, "EOL"},
        {"A|*.PRN|B|*.EOL", 3, ""},  // no such filter
        {"A|*.PRN|B|*.EOL", 0, ""},
        {"A|*.C", 1, "C"},            // short pattern: what exists
        {"A|*.CSV;*.TXT", 1, "CSV"},  // the pattern list ends at ';'
        {"A|*", 1, ""},               // nothing after the pattern's start
        {"A|*.|B|*.X", 1, ""},
        {"", 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TMAIN_Form::SaveDialog1TypeChange(QString::fromLatin1(c.filter), c.index),
                  QString::fromLatin1(c.ext))
            << c.filter << " #" << c.index;
}

TEST_F(MainWindowState, TemperatureUnitTexts) {
    TMAIN_Form& f = *run.form;
    f.UNIT_LoadTemperatureTexts(1);
    EXPECT_EQ(UNIT_Text(utOverheat), "Überhitzung T > 275°F");
    EXPECT_EQ(UNIT_Text(utAxisCPU), "T_CPU [°F]");
    EXPECT_EQ(UNIT_Text(utTemperatureUnit), "°F");
    EXPECT_NE(UNIT_Text(utPumpTestNotice).find("+59..+77°F betragen.\r\n"), ByteString::npos);
    EXPECT_EQ(f.engine().TemperatureUnit, 1);
    // an unknown stored value stays stored and shows Celsius
    f.UNIT_LoadTemperatureTexts(7);
    EXPECT_EQ(f.TemperatureUnit, 7);
    EXPECT_EQ(f.engine().TemperatureUnit, 0);
    EXPECT_EQ(UNIT_Text(utLowComparator), "Komparator -50°C hat ausgelöst");
    // by language: German gives Celsius
    f.UNIT_LoadTemperatureTexts(-1);
    EXPECT_EQ(f.TemperatureUnit, 0);
    EXPECT_EQ(UNIT_Text(utOverheatSensor),
              "Temperatur Überhitzungsschutz Sensor > 100°C während Heizen");
}

TEST_F(MainWindowState, EnglishModuleChoosesFahrenheitHelpFileAndFormats) {
    TMAIN_Form& f = *run.form;
    ASSERT_TRUE(LANG_Load(QStringLiteral("ENG"), QStringLiteral(CALVIX_QM_DIR)));
    f.HELP_SelectFile();
    f.LANG_SetDateFormats();
    f.UNIT_LoadTemperatureTexts(-1);
    const QString help = f.help().helpFile();
    const int unit = f.TemperatureUnit;
    const QString date = LANG_ShortDateFormat();
    f.UNIT_LoadTemperatureTexts(0);
    const int stored0 = f.TemperatureUnit;
    LANG_Unload();
    f.HELP_SelectFile();
    f.LANG_SetDateFormats();
    EXPECT_EQ(help, dir.path() + "/NAVIRON-HELP-ENG.CHM");
    EXPECT_EQ(unit, 1);
    EXPECT_EQ(stored0, 0);
    EXPECT_EQ(date, QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(f.help().helpFile(), dir.path() + "/NAVIRON-HELP-DEU.CHM");
    EXPECT_EQ(LANG_ShortDateFormat(), QStringLiteral("dd.MM.yy"));
}

}  // namespace
