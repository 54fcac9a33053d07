// The progress of one long transfer to or from the control unit, shown in a modal dialog while
// the request scheduler drives the transfer's step machine. The dialog's result is the outcome
// of the transfer: the owner's step machine (or its link hooks) sets it, or the user aborts.
// This is the dialog's logic without a widget; the window (TMAIN_Tranz_Form) is its view, and
// tests put a view in its place that runs the manual clock until a result is set.
#pragma once

#include <cstdint>

#include "records.h"

// What the dialog's window does for the progress.
class ITransferProgressView {
public:
    virtual ~ITransferProgressView() = default;
    // Shows caption, text line and a bar 0..maximum at 0, then runs the dialog modally until
    // endModal() is called; returns then.
    virtual void runModal(const ByteString& caption, const ByteString& text, int32_t maximum) = 0;
    virtual void showPosition(int32_t position) = 0;
    virtual void showText(const ByteString& text) = 0;
    // Ends the modal run; called only while runModal() runs.
    virtual void endModal() = 0;
};

class TransferProgress {
public:
    // The modal results.
    enum Result : int32_t {
        NoResult = 0,
        Completed = 1,    // set by the owner's step machine
        Closed = 2,       // the dialog's frame was closed (also the programming's class loss)
        UserAbort = 3,    // "&Abbruch"
        AdapterLost = 5,  // set by the programming machine when the adapter is lost
        Failed = 7,       // the transfer failed, or the link or device class was lost
    };

    explicit TransferProgress(ITransferProgressView* view = nullptr) : m_view(view) {}

    // Shows the dialog modally and returns its result. The last result set before the dialog
    // is gone wins. Without a view, or while the dialog is already shown by another transfer,
    // nothing is shown and the result is Closed (the caller treats it as an abort).
    int32_t Execute(const ByteString& caption, const ByteString& text, int32_t maximum);
    // The bar's position, kept within 0..maximum.
    void SetProgress(int32_t position);
    void SetText(const ByteString& text);
    // Ends the dialog with a result; nothing while the dialog is not shown.
    void SetModalResult(int32_t result);
    // The user's ways out.
    void Abort() { SetModalResult(UserAbort); }
    void CloseByFrame() { SetModalResult(Closed); }

    bool Shown() const { return m_shown; }
    int32_t Position() const { return m_position; }
    int32_t Maximum() const { return m_maximum; }
    int32_t ModalResult() const { return m_result; }
    const ByteString& Text() const { return m_text; }
    const ByteString& Caption() const { return m_caption; }

private:
    ITransferProgressView* m_view;
    bool m_shown = false;
    bool m_ending = false;
    int32_t m_result = NoResult;
    int32_t m_position = 0;
    int32_t m_maximum = 0;
    ByteString m_caption;
    ByteString m_text;
};
