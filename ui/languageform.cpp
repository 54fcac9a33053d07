#include "languageform.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "qtports.h"
#include "settingslanguage.h"

TEXTRA_SPRACHE_Form::TEXTRA_SPRACHE_Form(IUserInteraction& ui, QString moduleDir, Store store,
                                         std::function<void(int)> showHelp, QWidget* parent)
    : TwoChoiceForm(
          QStringLiteral("EXTRA_SPRACHE_Form"), tr("Sprache"), tr(" Programmsprache "),
          {QStringLiteral("IMGDEU"), QStringLiteral("KEYDEU"), CHOICE_FlagGerman(), tr("deutsch")},
          {QStringLiteral("IMGENU"), QStringLiteral("KEYENU"), CHOICE_FlagEnglish(),
           tr("englisch")},
          kHelpContext, std::move(showHelp), parent),
      m_ui(ui),
      m_moduleDir(std::move(moduleDir)),
      m_store(std::move(store)) {
    if (!m_store)
        m_store = [](const QString& code) {
            return LANG_StoreSelection(QCoreApplication::applicationFilePath(), code);
        };
}

QString TEXTRA_SPRACHE_Form::restartNotice() {
    return tr(
        "     Die gewählte Sprache wird erst aktiv nach dem das Programm neu gestartet "
        "worden ist.     ");
}

QString TEXTRA_SPRACHE_Form::notStoredMessage() {
    return tr("     Die Spracheinstellung konnte nicht gespeichert werden!     ");
}

void TEXTRA_SPRACHE_Form::LANG_Execute() {
    LANG_ShowChoice(true, IMGDEU(), KEYDEU());
    LANG_ShowChoice(LANG_FileExists(QStringLiteral("ENG")), IMGENU(), KEYENU());
    OKBtn()->setFocus();
    LANG_ShowCurrent();
    if (runModal(*this) != ResultOk) return;
    if (KEYDEU()->isChecked())
        LANG_Store(QStringLiteral("DEU"));
    else if (KEYENU()->isChecked())
        LANG_Store(QStringLiteral("ENG"));
}

void TEXTRA_SPRACHE_Form::LANG_ShowCurrent() {
    const QString id = LanguageId();
    if (id == QLatin1String("DEU")) KEYDEU()->setChecked(true);
    if (id == QLatin1String("ENG")) KEYENU()->setChecked(true);
}

void TEXTRA_SPRACHE_Form::LANG_Store(const QString& code) {
    // The notice promises the language for the next start, so it comes only once the choice
    // is kept.
    if (!m_store(code)) {
        m_ui.messageBox(MsgKind::Error, fromQ(notStoredMessage()), MB_OK);
        return;
    }
    if (code != LanguageId()) m_ui.messageBox(MsgKind::Information, fromQ(restartNotice()), MB_OK);
}

bool TEXTRA_SPRACHE_Form::LANG_FileExists(const QString& code) const {
    return LANG_ModuleExists(code, m_moduleDir);
}

void TEXTRA_SPRACHE_Form::LANG_ShowChoice(bool visible, QToolButton* image, QRadioButton* radio) {
    image->setVisible(visible);
    radio->setVisible(visible);
}
