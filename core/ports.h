// The engine's doors to the outside. The engine owns these interfaces; the Qt windows
// implement them in ui/, and tests implement them with fakes (a manual clock, scripted boxes,
// recording logs), so every behaviour runs headless and deterministically.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "records.h"

// ---- user interaction -------------------------------------------------------------------

enum class MsgKind { Error, Warning, Information, Question };

enum MsgButton : int {
    MB_NONE = 0,
    MB_OK = 1,
    MB_YES = 2,
    MB_NO = 4,
    MB_CANCEL = 8,
};

struct FileDialogRequest {
    ByteString title;
    ByteString filter;  // "Text (*.txt)|*.TXT|..." pairs of caption and pattern
    int filterIndex = 1;
    ByteString initialDir;
    ByteString fileName;
    int helpContext = 0;
};

struct FileDialogChoice {
    ByteString fileName;
    int filterIndex = 1;
};

// What the shared print dialog is asked for, and where a confirmed dialog sends the document:
// the printer chosen in it, or a PDF file when the user prints to a file.
struct PrintRequest {
    ByteString documentTitle;
    int helpContext = 0;
};

struct PrintChoice {
    ByteString printerName;  // empty: the default printer
    ByteString pdfFile;      // not empty: print into this PDF file instead of a printer
    int copies = 1;
    bool landscape = false;
};

class IUserInteraction {
public:
    virtual ~IUserInteraction() = default;
    // A modal box; returns the button that closed it (one of `buttons`). A help context above
    // 0 adds a Help button: it shows that help topic and leaves the box up, so the box still
    // ends only by one of `buttons`.
    virtual int messageBox(MsgKind kind, const ByteString& text, int buttons,
                           int helpContext = 0) = 0;
    // The main window's open and save dialogs; nothing when cancelled.
    virtual std::optional<FileDialogChoice> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogChoice> saveFileDialog(const FileDialogRequest& request) = 0;
    // The main window's print dialog, shared by every window that prints; nothing when
    // cancelled. A port without printing cancels.
    virtual std::optional<PrintChoice> printDialog(const PrintRequest&) { return std::nullopt; }
};

// ---- timers ----------------------------------------------------------------------------

// A repeating (or single-shot) timer on the main thread.
class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setSingleShot(bool singleShot) = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    void setEnabled(bool on) { on ? start() : stop(); }

    std::function<void()> onTimeout;
};

class ITimerFactory {
public:
    virtual ~ITimerFactory() = default;
    virtual std::unique_ptr<ITimer> createTimer() = 0;
};

// ---- telegram log ----------------------------------------------------------------------

// Colours as 0xRRGGBB.
namespace LogColour {
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Blue = 0x0000FF;
constexpr uint32_t Green = 0x008000;
constexpr uint32_t Red = 0xFF0000;
}  // namespace LogColour

class ITelegramLog {
public:
    virtual ~ITelegramLog() = default;
    virtual void LogTx(const ByteString& bytes) = 0;
    virtual void LogRx(const ByteString& bytes) = 0;
    virtual void LogLine(uint32_t colour, const ByteString& text) = 0;
    virtual void LogStateChange(uint8_t deviceClass, int32_t oldState, int32_t newState) = 0;
};

// A log that drops everything, for parts run without a log window.
class NullTelegramLog : public ITelegramLog {
public:
    void LogTx(const ByteString&) override {}
    void LogRx(const ByteString&) override {}
    void LogLine(uint32_t, const ByteString&) override {}
    void LogStateChange(uint8_t, int32_t, int32_t) override {}
};

// ---- transport -------------------------------------------------------------------------

// The transfer thread as the engine sees it. Every frame it takes (SendFrame true) and every
// delay it starts ends in exactly one reply hand-over (ReplyHandler) on the main thread.
class ITransport {
public:
    virtual ~ITransport() = default;
    // false when the frame was not taken (a frame in flight, or no thread).
    virtual bool SendFrame(const ByteString& frame) = 0;
    // Ends in one reply (code 0, empty data) after ms; false when no thread.
    virtual bool StartDelay(int ms) = 0;
    virtual void SetActive(bool on) = 0;
    virtual bool IsRunning() const = 0;
    // While a reply is handed over: true when its frame had to be written more than once, so
    // the reply may be the late answer to an earlier write of it rather than a timely one.
    virtual bool ReplyAfterRepetition() const { return false; }
};

// The reply hand-over: TUSBReplyCode and the reply data (command, sub-command, payload).
using ReplyHandler = std::function<void(uint8_t code, const ByteString& data)>;

// The transfer thread's life cycle as the adapter watch drives it.
class ITransferThread : public ITransport {
public:
    // Asks the worker to end; the thread's onFinished hook then runs once on the main thread.
    virtual void Terminate() = 0;
};

// How the worker reaches the main thread.
class IMainThread {
public:
    virtual ~IMainThread() = default;
    // Runs fn on the main thread soon; returns at once.
    virtual void post(std::function<void()> fn) = 0;
    // Runs fn on the main thread and waits until it has returned (the reply hand-over).
    virtual void invokeBlocking(std::function<void()> fn) = 0;
    // Lets the main thread handle what is pending (timers, hand-overs) while it waits.
    virtual void processEvents() = 0;
};
