// The modal progress window of a long transfer to or from the control unit, as the transfer's
// step machine sees it. While it is open, the request scheduler keeps driving the machine; the
// machine moves the bar, changes the text line and ends the window by setting its result.
#pragma once

#include <cstdint>

#include "records.h"

class ITransferProgress {
public:
    // Results of the window.
    static constexpr int Completed = 1;
    static constexpr int Closed = 2;   // closed by its frame, or the device class was lost
    static constexpr int Aborted = 3;  // the abort button
    static constexpr int AdapterLost = 5;
    static constexpr int Failed = 7;

    virtual ~ITransferProgress() = default;
    // Shows the window modally with the caption, the text line and a bar from 0 to maximum at
    // 0, and returns its result once one is set (the last one set before it returns).
    virtual int Execute(const ByteString& caption, const ByteString& text, int32_t maximum) = 0;
    virtual void SetProgress(int32_t position) = 0;
    virtual void SetText(const ByteString& text) = 0;
    // 0 while open without a result; after it has closed, the result it closed with.
    virtual int ModalResult() const = 0;
    // Ends the window with the result (while it is shown).
    virtual void SetModalResult(int result) = 0;
};
