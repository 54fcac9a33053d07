// The program language: German always, English only when its module lies beside the program.
// The choice is kept per user and takes effect at the next start.
#pragma once

#include <functional>

#include "choiceform.h"
#include "ports.h"

class TEXTRA_SPRACHE_Form : public TwoChoiceForm, public ModalHook<TEXTRA_SPRACHE_Form> {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 603;
    // Keeps the chosen code ("DEU", "ENG") for the next start; false when it could not be kept.
    using Store = std::function<bool(const QString& code)>;

    // moduleDir: the program's folder, where the English module would lie. store: empty keeps
    // the choice in the user's settings for this program file.
    TEXTRA_SPRACHE_Form(IUserInteraction& ui, QString moduleDir, Store store,
                        std::function<void(int context)> showHelp, QWidget* parent = nullptr);

    void LANG_Execute();
    void LANG_ShowCurrent();
    void LANG_Store(const QString& code);
    bool LANG_FileExists(const QString& code) const;
    void LANG_ShowChoice(bool visible, QToolButton* image, QRadioButton* radio);

    QRadioButton* KEYDEU() const { return firstRadio(); }
    QRadioButton* KEYENU() const { return secondRadio(); }
    QToolButton* IMGDEU() const { return firstImage(); }
    QToolButton* IMGENU() const { return secondImage(); }

    static QString restartNotice();
    static QString notStoredMessage();

private:
    IUserInteraction& m_ui;
    QString m_moduleDir;
    Store m_store;
};
