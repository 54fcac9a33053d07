// A modal dialog of a service function that the procedure behind it may end by itself (time
// over, link lost, a failed exchange). Tests put their user into runModal: it acts on the
// dialog while it moves program time on, and the dialog's result is the one it was ended with.
#pragma once

#include <QDialog>
#include <functional>

#include "qtports.h"

class ServiceDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Shows the dialog modally and returns the result it ended with.
    int showModal() {
        m_shown = true;
        m_ended = false;
        if (!runModal) UI_PrepareDialog(this);
        const int r = runModal ? runModal() : exec();
        m_shown = false;
        return m_ended ? m_result : r;
    }
    // Ends the dialog while it is shown; nothing otherwise.
    void endModal(int result) {
        if (!m_shown || m_ended) return;
        m_ended = true;
        m_result = result;
        if (!runModal) done(result);
    }
    bool isShownModal() const { return m_shown && !m_ended; }

    // Empty: exec().
    std::function<int()> runModal;

private:
    bool m_shown = false;
    bool m_ended = false;
    int m_result = 0;
};
