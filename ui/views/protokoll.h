// The telegram log window: a coloured running log of the diagnosis (telegrams sent and
// received, bus errors, session events, changes of the heater's operating state), which the
// user can pause, clear and record to a text file. The bus layers, the session and the main
// window write to it through the engine's telegram-log port.
#pragma once

#include <QDateTime>
#include <QPlainTextEdit>
#include <QWidget>
#include <deque>
#include <functional>

#include "ports.h"
#include "protokollfile.h"
#include "statelistener.h"

class MainSettings;
class QAction;
class QTimer;

class TANSI_PROT_Form : public QWidget, public ITelegramLog, public StateListener {
    Q_OBJECT
public:
    // Name of an operating state of a device class (the bus layer's and modules' text
    // routines); the main window wires it.
    using StateTextHook = std::function<ByteString(uint8_t deviceClass, int32_t state)>;

    static constexpr int WindowTag = 2;
    static constexpr int HelpContext = 205;
    static constexpr int MaxLines = 5000;
    static constexpr int TrimLines = 1001;
    static constexpr int ShowInterval = 40;  // ms from a line's arrival until it is shown

    // settings: placement slot and the recording file's name (may be null in tests);
    // ui: the boxes and the file dialog.
    TANSI_PROT_Form(MainSettings* settings, IUserInteraction& ui, QWidget* parent = nullptr);
    ~TANSI_PROT_Form() override;

    // ITelegramLog
    void LogTx(const ByteString& bytes) override;
    void LogRx(const ByteString& bytes) override;
    void LogLine(uint32_t colour, const ByteString& text) override;
    void LogStateChange(uint8_t deviceClass, int32_t oldState, int32_t newState) override;

    void SetLinkState(bool ready) override;
    void setStateTextHook(StateTextHook hook) { m_stateText = std::move(hook); }
    // The clock of the stamps in pause lines and the recording file.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    // The device behind the recording file (tests hand in one that fails).
    void setRecordDeviceFactory(ProtocolRecordFile::DeviceFactory factory);

    void PROT_STARTExecute();
    void PROT_STOPExecute();
    void PROT_CLRExecute();
    void PROT_LOGExecute();
    // Stores the placement; the main window calls it at exit as closing the window does.
    void FormCloseQuery();

    bool HeldAdapterReady() const { return m_heldAdapterReady; }
    bool FileOpen() const { return m_file.isOpen(); }
    // A recording failure waits here until the GUI loop shows it.
    bool hasPendingMessage() const { return !m_pendingMessage.empty(); }
    void showPendingMessage();

    // The view, with every line logged so far in it.
    QPlainTextEdit* PROT_Text();
    QAction* PROT_START() const { return m_start; }
    QAction* PROT_STOP() const { return m_stop; }
    QAction* PROT_CLR() const { return m_clear; }
    QAction* PROT_LOG() const { return m_record; }
    // Lines the view holds (some may still wait to be shown).
    int lineCount() const { return m_lineCount; }
    // Puts the waiting lines into the view; runs by itself from the GUI loop.
    void showWaitingLines();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PROT_AddLine(uint32_t colour, const ByteString& text);
    void PROT_OpenFile(const ByteString& fileName);
    void PROT_CloseFile();
    void PROT_WriteFile(const QString& line);
    QString stamp() const;
    void queueMessage(const ByteString& text);

    MainSettings* m_settings;
    IUserInteraction& m_ui;
    QPlainTextEdit* m_text;
    QAction* m_start;
    QAction* m_stop;
    QAction* m_clear;
    QAction* m_record;
    QTimer* m_messageTimer;
    QTimer* m_showTimer;
    ProtocolRecordFile m_file;
    StateTextHook m_stateText;
    std::function<QDateTime()> m_now;
    ByteString m_fileName;  // used when there are no settings to keep it
    ByteString m_pendingMessage;
    bool m_heldAdapterReady = false;
    bool m_placed = false;
    struct WaitingLine {
        uint32_t colour;
        QString text;
    };
    std::deque<WaitingLine> m_waiting;  // logged, not yet in the document
    int m_lineCount = 0;                // lines of the log: the document's and the waiting ones
    int m_viewLines = 0;                // lines in the document
    int m_viewCut = 0;                  // lines at the document's start already cut from the log
};
