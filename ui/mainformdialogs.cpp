// The main window's dialogs and the free telegram window: how they are made, what they get of
// the broadcast, and the actions that open them.
#include <QCoreApplication>

#include "devselform.h"
#include "diagsession.h"
#include "helpforms.h"
#include "languageform.h"
#include "mainform.h"
#include "teleform.h"
#include "unitform.h"
#include "usbselform.h"
#include "viewcontext.h"

QWidget* TMAIN_Form::createDialog(const QString& cls, const ViewContext& ctx) {
    if (cls == QLatin1String("THELP_Info_Form"))
        return m_info = new THELP_Info_Form(ctx.showHelp, this);
    if (cls == QLatin1String("TEXTRA_USB_Sel"))
        return m_usbSel = new TEXTRA_USB_Sel(*m_d2xx, *m_timers, ctx.showHelp, this);
    if (cls == QLatin1String("TEXTRA_Tele_Form")) {
        m_tele = new TEXTRA_Tele_Form(*m_engine, m_session->buses(), ctx, this);
        m_engine->clients().setClient(ClientSlot::FreeTelegram, &m_tele->client());
        return m_tele;
    }
    if (cls == QLatin1String("TDEV_SEL_Form"))
        return m_devSel = new TDEV_SEL_Form(ctx.showHelp, this);
    if (cls == QLatin1String("TEXTRA_SPRACHE_Form"))
        return m_language = new TEXTRA_SPRACHE_Form(*m_ui, ExeDir, {}, ctx.showHelp, this);
    if (cls == QLatin1String("TEXTRA_UNIT_Form")) {
        return m_unit = new TEXTRA_UNIT_Form(
                   [this] { return TemperatureUnit; },
                   [this](int32_t unit) { UNIT_LoadTemperatureTexts(unit); }, ctx.showHelp, this);
    }
    if (cls == QLatin1String("THELP_Update_Form"))
        return m_update = new THELP_Update_Form(ctx.showHelp, this);
    return nullptr;
}

QWidget* TMAIN_Form::dialogSetLinkState(const QString& cls, bool ready) {
    if (cls == QLatin1String("TDEV_SEL_Form")) {
        m_devSel->SetLinkState(ready);
        return m_devSel;
    }
    if (cls == QLatin1String("TEXTRA_Tele_Form")) {
        m_tele->SetLinkState(ready);
        return m_tele;
    }
    return nullptr;
}

QWidget* TMAIN_Form::dialogSetDeviceClass(const QString& cls, uint8_t deviceClass) {
    if (cls != QLatin1String("TEXTRA_Tele_Form")) return nullptr;
    m_tele->SetDeviceClass(deviceClass);
    return m_tele;
}

void TMAIN_Form::DIAG_DEV_SelExecute() {
    m_session->SelectedDeviceIndex = m_devSel->DEVSEL_Execute(m_session->SelectedDeviceIndex);
    m_session->DIAG_UpdateTitle();
}

void TMAIN_Form::EXTR_USBExecute() {
    MainEngine& e = *m_engine;
    // While the dialog is open the adapter watch closes the adapter and opens none.
    e.AdapterSelecting = true;
    const ByteString chosen = m_usbSel->Execute(e.AdapterSerial);
    if (chosen != e.AdapterSerial) e.AdapterSerial = chosen;
    // The lost flag keeps a new adapter from meeting a half-ended session: it goes here only
    // when no session is left, else the scheduler's clean-up round takes it.
    if (!e.SessionStarted) e.AdapterLost = false;
    e.AdapterSelecting = false;
}

void TMAIN_Form::EXTR_TELGExecute() {
    m_tele->show();
    m_tele->raise();
    m_tele->activateWindow();
}

void TMAIN_Form::EXTR_SPRACHEExecute() {
    m_language->LANG_Execute();
}

void TMAIN_Form::EXTR_UNITExecute() {
    m_unit->UNIT_Execute();
}

void TMAIN_Form::HELP_InfoExecute() {
    m_info->Execute();
}
