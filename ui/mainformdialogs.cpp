// The actions that open the main window's dialogs and the free telegram window.
#include <QCoreApplication>

#include "devselform.h"
#include "diagsession.h"
#include "helpforms.h"
#include "languageform.h"
#include "mainform.h"
#include "teleform.h"
#include "unitform.h"
#include "usbselform.h"

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
