// The program's main window: an MDI frame that owns the adapter link, the diagnosis session
// and the settings, creates every other window once, offers all user commands as actions and
// tells every window about a change of the adapter or of the session.
//
// The window's code is split by concern: mainform.cpp (start-up and shutdown),
// mainformactions.cpp (actions, menus, tool bar, handlers), mainformstate.cpp (state broadcast
// and action enabling), mainformstatus.cpp (status bar, texts by unit and language, dialogs).
#pragma once

#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <functional>
#include <memory>
#include <vector>

#include "d2xx.h"
#include "diagreport.h"
#include "helpservice.h"
#include "mainengine.h"
#include "ports.h"
#include "settings.h"

class DiagSession;
class KX3117Module;
class MdiArranger;
class QAction;
class QMdiArea;
class QMenu;
class QToolBar;
class StateListener;
class TDEV_SEL_Form;
class TEXTRA_SPRACHE_Form;
class TEXTRA_Tele_Form;
class TEXTRA_UNIT_Form;
class TEXTRA_USB_Sel;
class THELP_Info_Form;
class THELP_Update_Form;
class StatusPanel;
class TANSI_BETRIEB_Form;
class TANSI_ERROR_Form;
class TANSI_KONFIG_Form;
class TANSI_OVERVIEW_Form;
class TANSI_PROT_Form;
class TZUSAMFASS_Form;
class TANSI_TREND_Form;
class TKALI_ALL_Form;
class TKALI_CO2_EDIT_Form;
class TKALI_CO2_WAIT_Form;
class TKOMP_TESTPDP;
class TKOMP_TEST_Form;
class TPROT_START_Form;
class TMAIN_Tranz_Form;
class TDS_EOL_ADR_Form;
class TDS_EOL_RW_Form;
class TEXTRA_FLASH_Form;
class FlashProgrammer;

// What the main window runs on. Every member may stay empty: the program's own (Qt timers,
// the Qt main thread, message boxes, the user's settings, the threaded transfer thread) are
// used then. Tests hand in a manual clock, scripted boxes, an INI file and a transfer thread
// run pass by pass.
struct MainFormPorts {
    using ThreadFactory = std::function<std::unique_ptr<ITransferThread>(
        D2XXUnit& d2xx, ITimerFactory& timers, IMainThread& mainThread, int replyTimeoutMs,
        ReplyHandler onReply, std::function<void()> onFinished)>;

    IFtDriver* driver = nullptr;  // required: the adapter's driver (real or simulated)
    ITimerFactory* timers = nullptr;
    IMainThread* mainThread = nullptr;
    IUserInteraction* ui = nullptr;
    ThreadFactory transferThread;
    MainSettings::StoreFactory settingsStore;
    MainSettings::ScreenSize screenSize;
    // Directory of the program file with a trailing separator (the help file lies there).
    QString exeDir;
    // The date and time of day; empty: the system clock. Tests run it on the manual clock.
    std::function<QDateTime()> wallClock;
};

class TMAIN_Form : public QMainWindow {
    Q_OBJECT
public:
    // One row of the action table (mainformactions.cpp).
    struct ActionDef;
    static constexpr int FormTag = 1;

    explicit TMAIN_Form(MainFormPorts ports, QWidget* parent = nullptr);
    ~TMAIN_Form() override;

    // ---- start-up and shutdown ----
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void FormClose();
    // Lets events through until the transfer thread has ended (or a time limit passed).
    void waitForTransferThread();
    void HELP_SelectFile();
    void LANG_SetDateFormats();
    void UNIT_LoadTemperatureTexts(int32_t unit);
    // The default extension for the filter chosen in the shared save dialog ("|"-separated
    // pairs of caption and pattern; index from 1).
    static QString SaveDialog1TypeChange(const QString& filter, int filterIndex);
    // The question before the error memory of a device class is cleared (empty: no such
    // command for the class).
    static QString errorDeleteConfirmation(uint8_t deviceClass);

    // ---- state broadcast and action enabling ----
    void UI_UpdateLinkState();
    void UI_UpdateSessionState();
    void UI_UpdateSummaryActions();
    void UI_UpdateLogActions();
    void UI_UpdateControlActions();
    void UI_UpdateCalibActions();
    void UI_UpdateDataSetActions();
    void UI_UpdateBufferActions();
    void UI_UpdateExtrasActions();
    void UI_CheckLineHS(uint8_t state);
    void UI_CheckLineUPFA(uint8_t state);
    void UI_CheckLineKL61(uint8_t state);
    void UI_CheckLineSPAR(uint8_t state);

    // ---- action handlers ----
    void DIAG_StartExecute();
    void DIAG_StopExecute();
    void DIAG_SYS_CloseExecute();
    void DIAG_ZUSAM_OpenExecute();
    void DIAG_ZUSAM_SaveExecute();
    void DIAG_ZUSAM_PrintExecute();
    void DIAG_PROT_StartExecute();
    void DIAG_PROT_StopExecute();
    void WIN_ODataExecute();
    void WIN_BDataExecute();
    void WIN_SDataExecute();
    void WIN_LISTExecute();
    void WIN_PDataExecute();
    void WIN_TDataExecute();
    void STEU_AUSExecute();
    void STEU_HeizExecute();
    void STEU_StandExecute();
    void STEU_ZuheizExecute();
    void STEU_Spar_1Execute();
    void STEU_Spar_2Execute();
    void STEU_UPExecute();
    void STEU_UP_EINExecute();
    void STEU_UP_AUSExecute();
    void STEU_ERRDELExecute();
    void STEU_CNTDELExecute();
    void STEU_L_HS_LINEExecute();
    void STEU_L_UPFA_EINExecute();
    void STEU_L_UPFA_AUSExecute();
    void STEU_L_UPFA_LINEExecute();
    void STEU_L_KL61_EINExecute();
    void STEU_L_KL61_AUSExecute();
    void STEU_L_KL61_LINEExecute();
    void STEU_L_SPAR_EINExecute();
    void STEU_L_SPAR_AUSExecute();
    void STEU_L_SPAR_LINEExecute();
    void EXTR_FLASHExecute();
    void HELP_InhaltExecute();
    void DIAG_KOMP_TestExecute();
    void KAL_CO2Execute();
    void KAL_SpannExecute();
    void HELP_IndexExecute();
    void DIAG_DEV_SelExecute();
    void EXTR_USBExecute();
    void EXTR_TELGExecute();
    void EXTR_SPRACHEExecute();
    void EXTR_UNITExecute();
    void HELP_InfoExecute();
    void DSATZ_FILEtoSGExecute();
    void DSATZ_FILEtoEDITExecute();
    void DSATZ_FILEtoZWISExecute();
    void DSATZ_SGtoFILEExecute();
    void DSATZ_SGtoEDITExecute();
    void DSATZ_SGtoZWISExecute();
    void DSATZ_ZWIStoFILEExecute();
    void DSATZ_ZWIStoEDITExecute();
    void DSATZ_ZWIStoSGExecute();
    void DSATZ_ZWISDelExecute();
    void DSATZ_EOL_EDITExecute();

    // ---- what other windows and tests reach ----
    QAction* action(const QString& name) const { return m_actions.value(name); }
    // The menu entry of an action where the menu shows its own entry (Aus1, Standheizen1,
    // UmwlzpumpeAus1, UmwlzpumpeEin1), and the line submenus by name (STEU_L_HS, ...).
    QAction* menuEntry(const QString& name) const { return m_menuEntries.value(name); }
    QMenu* menu(const QString& name) const { return m_menus.value(name); }
    QToolBar* toolBar() const { return m_toolBar; }

    MainEngine& engine() { return *m_engine; }
    DiagSession& session() { return *m_session; }
    MainSettings& settings() { return m_settings; }
    HelpService& help() { return m_help; }
    TANSI_PROT_Form* protForm() const { return m_prot; }
    TANSI_OVERVIEW_Form* overviewForm() const { return m_overview; }
    TANSI_ERROR_Form* errorForm() const { return m_error; }
    TANSI_KONFIG_Form* konfigForm() const { return m_konfig; }
    TANSI_BETRIEB_Form* betriebForm() const { return m_betrieb; }
    TZUSAMFASS_Form* summaryForm() const { return m_summary; }
    // The device information, operating data and error lists as a report reads them.
    DiagReportLists reportLists() const;
    TANSI_TREND_Form* trendForm() const { return m_trend; }
    TPROT_START_Form* protStartForm() const { return m_protStart; }
    TDEV_SEL_Form* devSelForm() const { return m_devSel; }
    TEXTRA_USB_Sel* usbSelForm() const { return m_usbSel; }
    TEXTRA_Tele_Form* teleForm() const { return m_tele; }
    TEXTRA_SPRACHE_Form* languageForm() const { return m_language; }
    TEXTRA_UNIT_Form* unitForm() const { return m_unit; }
    THELP_Info_Form* infoForm() const { return m_info; }
    THELP_Update_Form* updateForm() const { return m_update; }
    TKOMP_TEST_Form* kompTestForm() const { return m_kompTest; }
    TKOMP_TESTPDP* kompTestPdp() const { return m_kompPdp; }
    TKALI_ALL_Form* kaliForm() const { return m_kali; }
    TKALI_CO2_WAIT_Form* co2WaitForm() const { return m_co2Wait; }
    TKALI_CO2_EDIT_Form* co2EditForm() const { return m_co2Edit; }
    // The progress dialog of long transfers, shared by the windows that transfer.
    TMAIN_Tranz_Form* tranzForm() const { return m_tranz; }
    // The parameter-set window and the single EOL cell window.
    TDS_EOL_RW_Form* eolRwForm() const { return m_eolRw; }
    TDS_EOL_ADR_Form* eolAdrForm() const { return m_eolAdr; }
    TEXTRA_FLASH_Form* flashForm() const { return m_flash; }
    // The date and time of day the windows stamp their records with.
    QDateTime now() const;
    QMdiArea* mdiArea() const { return m_mdi; }
    // The other windows in creation order (24).
    const std::vector<QWidget*>& windows() const { return m_windows; }
    StatusPanel* statusPanel() const { return m_statusPanel; }

    int32_t TemperatureUnit = 0;
    bool MeasurementLogActive = false;
    QString ExeDir;

    // Every SetLinkState / SetDeviceClass call of a broadcast: (window class, hook name).
    std::function<void(const QString& window, const QString& hook)> onBroadcast;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void createEngine();
    void createWindows();
    void wireHooks();
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    QAction* addAction(const ActionDef& def);
    // caption, hint: the line's own text and hint (else the action's); followVisible: shown
    // with the action (else the broadcast sets it).
    QAction* addMenuEntry(QMenu* menu, const QString& entryName, QAction* base,
                          const QString& caption = QString(), bool followVisible = false,
                          const QString& hint = QString());
    void connectHandlers();
    void enableAction(const QString& name, bool enabled);
    void setShown(const QString& name, bool visible);
    void applyControlCell(const QString& name, char cell);
    void checkLine(const char* on, const char* off, const char* line, uint8_t state);
    void showWindow(QWidget* view);
    // The shown MDI children one above the other (horizontal: each the area's full width), or
    // side by side (vertical).
    void tileMdi(Qt::Orientation orientation);
    void cascadeMdi();
    // Runs the class's command of a control action, after its confirmation.
    void runControl(const QString& action);
    std::function<void()> kx3117Control(KX3117Module& module, const QString& action);
    void repaintStatusBar();
    // The windows that hear the state broadcast, in its order (mainformstate.cpp).
    void createListeners();
    void broadcast(const char* window, const char* hook);
    // The summary report of this moment with an empty remark, for the measurement log's side
    // file.
    ByteString summaryReportNow() const;
    // The windows whose making takes more than their constructor.
    TANSI_PROT_Form* createProt();
    TZUSAMFASS_Form* createSummary(const struct ViewContext& ctx);
    TDS_EOL_RW_Form* createEolRw(const struct ViewContext& ctx);
    TEXTRA_FLASH_Form* createFlash();
    TPROT_START_Form* createProtStart(const struct ViewContext& ctx);

    MainFormPorts m_ports;
    std::unique_ptr<ITimerFactory> m_ownTimers;
    std::unique_ptr<IMainThread> m_ownMainThread;
    std::unique_ptr<IUserInteraction> m_ownUi;
    ITimerFactory* m_timers = nullptr;
    IMainThread* m_mainThread = nullptr;
    IUserInteraction* m_ui = nullptr;
    std::unique_ptr<ITelegramLog> m_logForward;
    std::unique_ptr<D2XXUnit> m_d2xx;
    std::unique_ptr<MainEngine> m_engine;
    std::unique_ptr<DiagSession> m_session;
    // The software programming, a request client of the session's engine.
    std::unique_ptr<FlashProgrammer> m_flashProgrammer;
    MainSettings m_settings;
    HelpService m_help;
    bool m_shown = false;
    bool m_closed = false;

    QMdiArea* m_mdi = nullptr;
    MdiArranger* m_arranger = nullptr;
    QToolBar* m_toolBar = nullptr;
    StatusPanel* m_statusPanel = nullptr;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QAction*> m_menuEntries;
    QHash<QString, QMenu*> m_menus;

    std::vector<QWidget*> m_windows;
    // One window that hears the state broadcast.
    struct Listener {
        const char* className;  // what onBroadcast reports
        StateListener* window;
        int classTurn;  // its turn when the device class goes out; 0: it takes no class
    };
    // In the order the link state goes out.
    std::vector<Listener> m_listeners;
    // Those that take the device class, in the order it goes out.
    std::vector<const Listener*> m_classRound;
    TANSI_PROT_Form* m_prot = nullptr;
    TANSI_OVERVIEW_Form* m_overview = nullptr;
    TANSI_ERROR_Form* m_error = nullptr;
    TANSI_KONFIG_Form* m_konfig = nullptr;
    TANSI_BETRIEB_Form* m_betrieb = nullptr;
    TZUSAMFASS_Form* m_summary = nullptr;
    TANSI_TREND_Form* m_trend = nullptr;
    TPROT_START_Form* m_protStart = nullptr;
    TDEV_SEL_Form* m_devSel = nullptr;
    TEXTRA_USB_Sel* m_usbSel = nullptr;
    TEXTRA_Tele_Form* m_tele = nullptr;
    TEXTRA_SPRACHE_Form* m_language = nullptr;
    TEXTRA_UNIT_Form* m_unit = nullptr;
    THELP_Info_Form* m_info = nullptr;
    THELP_Update_Form* m_update = nullptr;
    TKOMP_TEST_Form* m_kompTest = nullptr;
    TKOMP_TESTPDP* m_kompPdp = nullptr;
    TKALI_ALL_Form* m_kali = nullptr;
    TKALI_CO2_WAIT_Form* m_co2Wait = nullptr;
    TKALI_CO2_EDIT_Form* m_co2Edit = nullptr;
    TMAIN_Tranz_Form* m_tranz = nullptr;
    TDS_EOL_RW_Form* m_eolRw = nullptr;
    TDS_EOL_ADR_Form* m_eolAdr = nullptr;
    TEXTRA_FLASH_Form* m_flash = nullptr;
};
