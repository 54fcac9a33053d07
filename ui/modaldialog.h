// What the program's small modal dialogs share: the results their buttons close them with, a
// showing that a test can take over, and F1 for the dialog's help topic.
#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QShortcut>
#include <functional>

#include "qtports.h"

class QHBoxLayout;
class QPushButton;

// A fixed-size dialog with a title and a close box only.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint;

// How a dialog was closed. Escape and the close box give ResultNone.
enum DialogResult : int { ResultNone = 0, ResultOk = 1, ResultCancel = 2, ResultYes = 6 };

template <typename Dialog>
class ModalHook {
public:
    // Shows the dialog modally and returns how it was closed; empty: exec(). A test puts its
    // user here: it looks at the dialog, clicks, and returns the result.
    std::function<int(Dialog& dialog)> showModal;

protected:
    int runModal(Dialog& dialog) {
        if (showModal) return showModal(dialog);
        UI_PrepareDialog(&dialog);
        return dialog.exec();
    }
};

// F1 inside the dialog opens its help topic.
inline void DIALOG_AddHelpKey(QDialog* dialog, int helpContext,
                              std::function<void(int context)> showHelp) {
    auto* f1 = new QShortcut(QKeySequence::HelpContents, dialog);
    QObject::connect(f1, &QShortcut::activated, dialog, [helpContext, showHelp] {
        if (showHelp) showHelp(helpContext);
    });
}

// A dialog's OK and Cancel buttons in a row, pushed to the right: OK is the default button and
// closes with ResultOk, Cancel with ResultCancel. The object names are OKBtn and CancelBtn.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* row;
};
DialogButtons DIALOG_OkCancelButtons(QDialog* dialog, const QString& okText,
                                     const QString& cancelText);
