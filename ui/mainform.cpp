// The main window's start-up and shutdown: the engine objects, the other windows in their
// creation order, the hooks between them, and what happens when the window is created, shown,
// asked to close and closed.
#include "mainform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QThread>
#include <QTreeWidget>
#include <algorithm>

#include "betriebform.h"
#include "devicelist.h"
#include "devselform.h"
#include "diagsession.h"
#include "eoladrform.h"
#include "eolrwform.h"
#include "errorform.h"
#include "flashform.h"
#include "flashprogrammer.h"
#include "helpforms.h"
#include "kaliallform.h"
#include "kalico2forms.h"
#include "klinelayer.h"
#include "komptestform.h"
#include "komptestpdp.h"
#include "konfigform.h"
#include "kx3141texts.h"
#include "kx3166texts.h"
#include "languageform.h"
#include "layout.h"
#include "mdiarrange.h"
#include "modules.h"
#include "overviewform.h"
#include "protokoll.h"
#include "protstartform.h"
#include "qtmainthread.h"
#include "qtports.h"
#include "settingslanguage.h"
#include "statuspanel.h"
#include "teleform.h"
#include "tranzform.h"
#include "trendform.h"
#include "unitform.h"
#include "usbselform.h"
#include "usbtxrx.h"
#include "viewcontext.h"
#include "wbusdialects.h"
#include "wbusdialectv.h"
#include "zusamfass.h"

namespace {

// The engine writes to the telegram log from its first moment; the log window comes later in
// the creation order, so the engine writes through this until the window exists.
class ForwardingLog : public ITelegramLog {
public:
    void LogTx(const ByteString& b) override {
        if (target) target->LogTx(b);
    }
    void LogRx(const ByteString& b) override {
        if (target) target->LogRx(b);
    }
    void LogLine(uint32_t colour, const ByteString& text) override {
        if (target) target->LogLine(colour, text);
    }
    void LogStateChange(uint8_t deviceClass, int32_t oldState, int32_t newState) override {
        if (target) target->LogStateChange(deviceClass, oldState, newState);
    }
    ITelegramLog* target = nullptr;
};

// Places a view in the MDI area with its placement slot.
template <typename View>
View* addToMdi(QMdiArea* mdi, View* view) {
    LAYOUT_SetTag(ViewForm::VIEW_AddToMdi(mdi, view), view->formTag());
    return view;
}

// The longest the close waits for the transfer thread; its loop ends within milliseconds,
// so this only guards against a driver call that never returns.
constexpr int kThreadEndWaitMs = 5000;

}  // namespace

TMAIN_Form::TMAIN_Form(MainFormPorts ports, QWidget* parent)
    : QMainWindow(parent),
      m_ports(std::move(ports)),
      m_settings(m_ports.settingsStore ? m_ports.settingsStore : MainSettings::userStore(),
                 m_ports.screenSize) {
    setObjectName(QStringLiteral("MAIN_Form"));
    LAYOUT_SetTag(this, FormTag);

    m_timers = m_ports.timers;
    if (!m_timers) m_timers = (m_ownTimers = std::make_unique<QtTimerFactory>()).get();
    m_mainThread = m_ports.mainThread;
    if (!m_mainThread) m_mainThread = (m_ownMainThread = std::make_unique<QtMainThread>()).get();
    m_ui = m_ports.ui;
    if (!m_ui) {
        auto qtUi = std::make_unique<QtUserInteraction>(this);
        qtUi->saveDialogTypeChange = [](const ByteString& filter, int index) {
            return fromQ(SaveDialog1TypeChange(toQ(filter), index));
        };
        qtUi->showHelp = [this](int context) { m_help.HELP_ShowContext(context); };
        m_ownUi = std::move(qtUi);
        m_ui = m_ownUi.get();
    }
    ExeDir = m_ports.exeDir;
    if (ExeDir.isEmpty()) ExeDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!ExeDir.endsWith(QDir::separator())) ExeDir += QDir::separator();

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(m_mdi);
    m_arranger = new MdiArranger(m_mdi);
    resize(1024, 700);

    createEngine();
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    FormCreate();
    createWindows();
    createListeners();
    wireHooks();
    connectHandlers();
}

TMAIN_Form::~TMAIN_Form() {
    // A window destroyed without being closed (tests) still lets the thread end first.
    if (!m_closed && m_engine) {
        m_engine->USB_StopThread();
        waitForTransferThread();
    }
    static_cast<ForwardingLog*>(m_logForward.get())->target = nullptr;
    m_flashProgrammer.reset();
    // The service windows are request clients of the engine and hooks of the session: they
    // leave both before those end.
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_co2Edit, m_co2Wait, m_kali, m_kompPdp, m_kompTest}) {
        m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), w), m_windows.end());
        delete w;
    }
    m_session.reset();
    m_engine.reset();
    // The views read the engine's tables; they go before the engine's members would.
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) delete *it;
    m_windows.clear();
}

void TMAIN_Form::createEngine() {
    m_logForward = std::make_unique<ForwardingLog>();
    m_d2xx = std::make_unique<D2XXUnit>(*m_ports.driver, m_ui);
    TransferThreadFactory factory =
        [this](int timeoutMs, ReplyHandler onReply,
               std::function<void()> onFinished) -> std::unique_ptr<ITransferThread> {
        if (m_ports.transferThread)
            return m_ports.transferThread(*m_d2xx, *m_timers, *m_mainThread, timeoutMs,
                                          std::move(onReply), std::move(onFinished));
        return std::make_unique<TUSBTXRX>(*m_d2xx, *m_timers, *m_mainThread, timeoutMs,
                                          std::move(onReply), std::move(onFinished));
    };
    m_engine = std::make_unique<MainEngine>(
        EnginePorts{*m_timers, *m_d2xx, std::move(factory), *m_logForward, *m_ui, *m_mainThread});
    m_session = std::make_unique<DiagSession>(*m_engine);
    DIAG_InstallModules(*m_session);
}

void TMAIN_Form::FormCreate() {
    // A settings file that cannot be used is said once, when the window is up.
    if (!m_settings.SETTINGS_Load() && !m_settings.problem().isEmpty())
        m_mainThread->post([this, text = fromQ(m_settings.problem())] {
            m_ui->messageBox(MsgKind::Error, text, MB_OK);
        });
    m_engine->AdapterSerial = m_settings.AdapterSerial;
    HELP_SelectFile();
    LANG_SetDateFormats();
    UNIT_LoadTemperatureTexts(m_settings.TemperatureUnit);
    m_engine->DetectedDeviceIndex = -1;
    m_session->SelectedDeviceIndex = -1;  // automatic detection
    m_engine->PumpTestDone = false;
    LAYOUT_RestoreForm(m_settings, this);
}

void TMAIN_Form::createWindows() {
    ViewContext ctx;
    ctx.ui = m_ui;
    ctx.temperatureUnit = [this] { return static_cast<int>(TemperatureUnit); };
    ctx.restoreForm = [this](QWidget* w, int) { LAYOUT_RestoreForm(m_settings, w); };
    ctx.saveForm = [this](QWidget* w, int) { LAYOUT_SaveForm(m_settings, w); };
    ctx.restoreColumns = [this](QTreeView* list, int) { LAYOUT_RestoreColumns(m_settings, list); };
    ctx.showHelp = [this](int context) { m_help.HELP_ShowContext(context); };

    // The parameter-set window, created before it, shows its transfers in this dialog.
    m_tranz = new TMAIN_Tranz_Form(this);
    // Every other window, one row each, in the order the program creates them.
    const std::function<QWidget*()> kinds[] = {
        [&] { return m_info = new THELP_Info_Form(ctx.showHelp, this); },
        [&] { return m_prot = createProt(); },
        [&] { return m_usbSel = new TEXTRA_USB_Sel(*m_d2xx, *m_timers, ctx.showHelp, this); },
        [&] {
            m_tele = new TEXTRA_Tele_Form(*m_engine, m_session->buses(), ctx, this);
            m_engine->clients().setClient(ClientSlot::FreeTelegram, &m_tele->client());
            return m_tele;
        },
        [&] {
            m_eolAdr = new TDS_EOL_ADR_Form(*m_engine, m_session->buses(), ctx, this);
            m_engine->clients().setClient(ClientSlot::EolCell, &m_eolAdr->service());
            return m_eolAdr;
        },
        [&] { return m_eolRw = createEolRw(ctx); },
        [&] { return m_tranz; },
        [&] { return m_kali = new TKALI_ALL_Form(*m_session, *m_timers, ctx, this); },
        [&] { return m_protStart = createProtStart(ctx); },
        [&] { return m_summary = createSummary(ctx); },
        [&] {
            return m_konfig = addToMdi(m_mdi, new TANSI_KONFIG_Form(m_engine->dataPoints, ctx));
        },
        [&] {
            return m_betrieb = addToMdi(m_mdi, new TANSI_BETRIEB_Form(m_engine->dataPoints, ctx));
        },
        [&] {
            ViewContext c = ctx;
            c.requestErrorDelete = [this] { STEU_ERRDELExecute(); };
            c.errorDeleteEnabled = [this] {
                QAction* a = action(QStringLiteral("STEU_ERRDEL"));
                return a && a->isEnabled() && a->isVisible();
            };
            return m_error = addToMdi(m_mdi, new TANSI_ERROR_Form(m_engine->dataPoints, c));
        },
        [&] { return m_kompTest = new TKOMP_TEST_Form(*m_session, ctx, this); },
        [&] {
            return m_overview = addToMdi(m_mdi, new TANSI_OVERVIEW_Form(m_engine->dataPoints, ctx));
        },
        [&] { return m_devSel = new TDEV_SEL_Form(ctx.showHelp, this); },
        [&] { return m_co2Wait = new TKALI_CO2_WAIT_Form(ctx, this); },
        [&] {
            return m_co2Edit = new TKALI_CO2_EDIT_Form(
                       ctx, [this](int32_t speed) { m_kali->calibration().AssignSpeed(speed); },
                       this);
        },
        [&] { return m_language = new TEXTRA_SPRACHE_Form(*m_ui, ExeDir, {}, ctx.showHelp, this); },
        [&] {
            return m_kompPdp = new TKOMP_TESTPDP(
                       *m_timers, [this] { return m_kompTest->komp().KOMP_CheckLink(); }, this);
        },
        [&] {
            return m_unit = new TEXTRA_UNIT_Form(
                       [this] { return TemperatureUnit; },
                       [this](int32_t unit) { UNIT_LoadTemperatureTexts(unit); }, ctx.showHelp,
                       this);
        },
        [&] { return m_update = new THELP_Update_Form(ctx.showHelp, this); },
        [&] {
            return m_trend =
                       addToMdi(m_mdi, new TANSI_TREND_Form(m_engine->dataPoints, ctx, [this] {
                                    return now().toMSecsSinceEpoch() / 1000.0;
                                }));
        },
        [&] { return m_flash = createFlash(); },
    };
    for (const auto& create : kinds) {
        QWidget* w = create();
        Q_ASSERT(w);
        m_windows.push_back(w);
    }
    // The MDI children are visible from creation.
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) sub->show();
}

TANSI_PROT_Form* TMAIN_Form::createProt() {
    auto* prot = new TANSI_PROT_Form(&m_settings, *m_ui);
    QMdiSubWindow* sub = m_mdi->addSubWindow(prot);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    LAYOUT_KeepMdiChild(sub);
    // The size it comes back with when first brought up from laid aside.
    sub->resize(720, 360);
    return prot;
}

TZUSAMFASS_Form* TMAIN_Form::createSummary(const ViewContext& ctx) {
    TZUSAMFASS_Form::Context c;
    c.ui = m_ui;
    c.lists = [this] { return reportLists(); };
    c.summaryFileName = &m_settings.SummaryFileName;
    c.showHelp = ctx.showHelp;
    c.now = [this] { return now(); };
    return new TZUSAMFASS_Form(std::move(c), this);
}

TDS_EOL_RW_Form* TMAIN_Form::createEolRw(const ViewContext& ctx) {
    EolParamSetPorts ports{
        *m_engine,
        m_session->buses(),
        m_tranz->progress(),
        m_settings.ParamSetFileName,
        [this] {
            const QDateTime t = now();
            return fromQ(LANG_DateText(t.date()) + QLatin1Char(' ') + LANG_TimeText(t.time()));
        },
        [this] { UI_UpdateBufferActions(); }};
    auto* eolRw = new TDS_EOL_RW_Form(std::move(ports), ctx, this);
    m_engine->clients().setClient(ClientSlot::EolParamSet, &eolRw->service());
    return eolRw;
}

TEXTRA_FLASH_Form* TMAIN_Form::createFlash() {
    m_flash = new TEXTRA_FLASH_Form(this);
    FlashProgrammer::Hooks hooks;
    hooks.stopDiagnosis = [this] { DIAG_StopExecute(); };
    hooks.today = [this] {
        const QDate d = now().date();
        return FlashDate{d.year(), d.month(), d.day()};
    };
    hooks.showFile = [this](const ByteString& text) { m_flash->showFile(text); };
    m_flashProgrammer = std::make_unique<FlashProgrammer>(
        *m_session, *m_ui, m_tranz->progress(), m_settings.FlashFileName, std::move(hooks));
    m_flash->setProgrammer(m_flashProgrammer.get());
    return m_flash;
}

void TMAIN_Form::wireHooks() {
    static_cast<ForwardingLog*>(m_logForward.get())->target = m_prot;
    m_prot->setStateTextHook([](uint8_t deviceClass, int32_t state) -> ByteString {
        switch (deviceClass) {
            case dcKX3090:
                return WBusDialectV::WBUS_StateTextV(deviceClass, state);
            case dcKX3024:
                return KLineLayer::KLINE_StateText(deviceClass, static_cast<uint8_t>(state));
            case dcKX3117:
                return WBusDialectS::WBUS_StateTextS(deviceClass, state);
            case dcKX3141:
                return KX3141_StateText(static_cast<uint16_t>(state));
            case dcKX3166:
                return KX3166_StateText(static_cast<uint16_t>(state));
            default:
                return {};  // the boot loader names no states
        }
    });

    WindowHooks& wh = m_engine->windowHooks;
    wh.UI_UpdateLinkState = [this] { UI_UpdateLinkState(); };
    wh.UI_UpdateSessionState = [this] { UI_UpdateSessionState(); };
    wh.SetCaption = [this](const ByteString& caption) { setWindowTitle(toQ(caption)); };
    wh.ShowUpdateNoticeWindow = [this] { m_update->Execute(); };
    wh.UI_CheckEconomyModes = [this](bool economy1, bool economy2) {
        action(QStringLiteral("STEU_Spar_1"))->setChecked(economy1);
        action(QStringLiteral("STEU_Spar_2"))->setChecked(economy2);
    };
    wh.UI_CheckLineHS = [this](uint8_t s) { UI_CheckLineHS(s); };
    wh.UI_CheckLineUPFA = [this](uint8_t s) { UI_CheckLineUPFA(s); };
    wh.UI_CheckLineKL61 = [this](uint8_t s) { UI_CheckLineKL61(s); };
    wh.UI_CheckLineSPAR = [this](uint8_t s) { UI_CheckLineSPAR(s); };

    m_engine->adapterFrames.onStatusBarRepaint = [this] { repaintStatusBar(); };

    ViewHooks& v = m_session->views;
    v.OverviewShowValues = [this] { m_overview->ShowValues(); };
    v.ErrorShowValues = [this] { m_error->ShowValues(); };
    v.OperatingDataShowValues = [this] { m_betrieb->ShowValues(); };
    v.DeviceInfoShowValues = [this] { m_konfig->ShowValues(); };
    v.ErrorClearErrorList = [this] { m_error->ClearErrorList(); };
    v.TrendShowValues = [this] { m_trend->ShowValues(); };

    // The service windows that lead into further dialogs of their own.
    m_kompTest->komp().view.runCountdown = [this] { return m_kompPdp->PDP_Execute(); };
    m_kali->calibration().view.wait = m_co2Wait;
    m_kali->calibration().view.edit = m_co2Edit;
}

DiagReportLists TMAIN_Form::reportLists() const {
    DiagReportLists lists;
    if (m_konfig) lists.configuration = &m_konfig->listControl();
    if (m_betrieb) lists.operatingData = &m_betrieb->listControl();
    if (m_error) lists.errors = &m_error->listControl();
    return lists;
}

QDateTime TMAIN_Form::now() const {
    return m_ports.wallClock ? m_ports.wallClock() : QDateTime::currentDateTime();
}

bool TMAIN_Form::event(QEvent* e) {
    // Hints are tool tips only: a hint shown in the status bar would hide the status panel
    // and change the MDI area's height under the user's hand.
    if (e->type() == QEvent::StatusTip) return true;
    return QMainWindow::event(e);
}

void TMAIN_Form::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (m_shown) return;
    m_shown = true;
    FormShow();
}

void TMAIN_Form::FormShow() {
    if (m_settings.ScreenInit) {
        setWindowState(windowState() | Qt::WindowMaximized);
        m_prot->close();  // an MDI child closed this way is laid aside minimised
        // One above the other; side by side where only that way shows every view whole at
        // its minimum size (as on a wide screen with all five views up).
        m_arranger->tileToFit(Qt::Horizontal);
        m_settings.ScreenInit = false;
    }
    m_session->DIAG_UpdateTitle();
    m_engine->USB_StartThread(MainEngine::ReplyTimeoutMs);
    m_engine->USBTimer().start();
    m_engine->USBTXTimer().start();
    m_engine->AdapterReady = false;
    UI_UpdateLinkState();
    LAYOUT_RestoreZOrder(m_settings, m_mdi);
    // The window menu's check mark and the keys go to a view in sight, not a laid-aside one.
    LAYOUT_ActivateShownChild(m_mdi);
    // The free telegram and EOL cell windows come back if they were open at the last exit.
    if (LAYOUT_WasOpen(m_settings, m_tele)) m_tele->show();
    if (LAYOUT_WasOpen(m_settings, m_eolAdr)) m_eolAdr->show();
    m_engine->ShowUpdateNotice = true;
}

void TMAIN_Form::closeEvent(QCloseEvent* e) {
    if (!m_closed) {
        FormCloseQuery();
        FormClose();
    }
    e->accept();
    QMainWindow::closeEvent(e);
}

void TMAIN_Form::FormCloseQuery() {
    // The MDI children that keep their placement themselves do so before the main window closes.
    m_trend->FormCloseQuery();
    m_engine->USB_StopThread();
}

void TMAIN_Form::waitForTransferThread() {
    // The worker's last hand-overs and its end run through the event loop; between checks
    // the wait sleeps, so it never keeps a core busy.
    QElapsedTimer waited;
    waited.start();
    while (m_engine->ThreadAlive && waited.elapsed() < kThreadEndWaitMs) {
        m_mainThread->processEvents();
        if (m_engine->ThreadAlive) QThread::msleep(1);
    }
}

void TMAIN_Form::FormClose() {
    m_closed = true;
    m_protStart->PROT_Stop();
    waitForTransferThread();
    LAYOUT_SaveZOrder(m_settings, m_mdi);
    // The windows in the order their placements are saved, the main window last.
    LAYOUT_SaveForm(m_settings, m_kompTest);
    LAYOUT_SaveForm(m_settings, m_overview->placedWindow());
    LAYOUT_SaveForm(m_settings, m_konfig->placedWindow());
    LAYOUT_SaveColumns(m_settings, m_konfig->KonfList());
    LAYOUT_SaveForm(m_settings, m_betrieb->placedWindow());
    LAYOUT_SaveColumns(m_settings, m_betrieb->BetriebList());
    LAYOUT_SaveForm(m_settings, m_error->placedWindow());
    LAYOUT_SaveColumns(m_settings, m_error->ErrorList());
    m_prot->FormCloseQuery();
    LAYOUT_SaveForm(m_settings, m_eolAdr);
    LAYOUT_SaveForm(m_settings, m_tele);
    LAYOUT_SaveForm(m_settings, this);
    m_settings.AdapterSerial = m_engine->AdapterSerial;
    m_settings.TemperatureUnit = TemperatureUnit;
    if (!m_settings.SETTINGS_Save() && !m_settings.problem().isEmpty())
        m_ui->messageBox(MsgKind::Error, fromQ(m_settings.problem()), MB_OK);
}
