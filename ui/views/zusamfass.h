// The summary window: asks for the remark of a report, shows an opened report, and holds the
// report text for saving and printing. It stays on top while shown; its Tag is 8, but it keeps
// no placement (slot 8 is the device information view's).
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QSize>
#include <functional>

#include "diagreport.h"
#include "ports.h"

class QPlainTextEdit;
class QPushButton;

class TZUSAMFASS_Form : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFormTag = 8;
    static constexpr int kOpenHelpContext = 105;
    static constexpr int kSaveHelpContext = 106;
    static constexpr int kPrintHelpContext = 107;
    // How the window was closed: "&OK" and "&Schließen" give ResultOk, "&Drucken" ResultYes.
    enum ModalResult { ResultNone = 0, ResultOk = 1, ResultYes = 6 };

    // What the window needs from the main window; every member may stay empty.
    struct Context {
        IUserInteraction* ui = nullptr;
        // The device information, operating data and error lists as they stand.
        std::function<DiagReportLists()> lists;
        // The last report file (kept with the settings); the window's own when empty.
        ByteString* summaryFileName = nullptr;
        std::function<void(int context)> showHelp;
        // The moment a report is built (the clock's now when empty).
        std::function<QDateTime()> now;
    };

    explicit TZUSAMFASS_Form(Context context, QWidget* parent = nullptr);

    // The three menu commands.
    void ZUSAM_OpenReport();
    void ZUSAM_SaveReport();
    void ZUSAM_PrintReport();
    // Modal remark entry: true when closed with "&OK" (Remark then holds the text).
    bool ZUSAM_AskRemark();
    // Fills the text area with the report of this moment.
    void ZUSAM_BuildReport();
    // Through the shared print dialog, the text area as a document titled "Report".
    void ZUSAM_Print();

    ByteString Remark;

    // The text area's text with CR LF line ends: what is saved and printed.
    ByteString reportText() const;
    QPlainTextEdit* textArea() const { return m_text; }
    QPushButton* printButton() const { return m_print; }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* okButton() const { return m_ok; }
    int helpContext() const { return m_helpContext; }
    const ByteString& summaryFileName() const;

    // Shows the window modally and returns how it was closed. Tests put their user here.
    std::function<int(TZUSAMFASS_Form&)> runModal;

private:
    ByteString& fileName();
    void setReportText(const ByteString& text);
    void centre();
    int showModal();

    Context m_ctx;
    ByteString m_ownFileName;
    int m_helpContext = 0;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_ok = nullptr;
};
