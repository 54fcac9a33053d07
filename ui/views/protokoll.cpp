#include "protokoll.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "devicelist.h"
#include "dialoghelpers.h"
#include "layout.h"
#include "qtports.h"
#include "settings.h"
#include "settingslanguage.h"
#include "textconv.h"

namespace {

QAction* makeAction(QWidget* owner, const QString& name, const QString& caption,
                    const QString& hint, bool checkable) {
    auto* a = new QAction(caption, owner);
    a->setObjectName(name);
    a->setProperty("category", QStringLiteral("Protokoll"));
    a->setStatusTip(hint);
    a->setToolTip(hint);
    a->setCheckable(checkable);
    return a;
}

// A checkable action changes its check mark before it is triggered; the handlers set the
// marks themselves, so the click's own change is undone first.
void onTriggered(QAction* a, std::function<void()> handler) {
    QObject::connect(a, &QAction::triggered, a, [a, handler = std::move(handler)] {
        if (a->isCheckable()) a->setChecked(!a->isChecked());
        handler();
    });
}

}  // namespace

TANSI_PROT_Form::TANSI_PROT_Form(MainSettings* settings, IUserInteraction& ui, QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_ui(ui),
      m_text(new QPlainTextEdit(this)),
      m_messageTimer(new QTimer(this)),
      m_showTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("ANSI_PROT_Form"));
    setWindowTitle(tr("Protokollanzeige"));
    LAYOUT_SetTag(this, WindowTag);
    setProperty("HelpContext", HelpContext);

    m_text->setObjectName(QStringLiteral("PROT_Text"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setUndoRedoEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    // In an arrangement the log wants a few whole telegram lines of sixteen bytes in sight.
    const QFontMetrics fm(m_text->font());
    const int bar = m_text->verticalScrollBar()->sizeHint().width();
    LAYOUT_SetWantedSize(this, QSize(fm.horizontalAdvance(QStringLiteral("RX: ") +
                                                          QStringLiteral("00 ").repeated(16)) +
                                         bar + 2 * m_text->frameWidth() + 12,
                                     5 * fm.lineSpacing() + 2 * m_text->frameWidth() + 10));

    m_start = makeAction(this, QStringLiteral("PROT_START"), tr("Protokollierung &starten"),
                         tr("Protokollierung start"), true);
    m_stop = makeAction(this, QStringLiteral("PROT_STOP"), tr("Protokolierung &anhalten"),
                        tr("Protokollierung stop "), true);
    m_clear = makeAction(this, QStringLiteral("PROT_CLR"), tr("Protokollierung &löschen"),
                         tr("Protokollierung löschen"), false);
    m_record = makeAction(this, QStringLiteral("PROT_LOG"), tr("Protokollierung in &Datei"),
                          tr("Protokollierung speichern"), true);
    m_start->setChecked(true);
    onTriggered(m_start, [this] { PROT_STARTExecute(); });
    onTriggered(m_stop, [this] { PROT_STOPExecute(); });
    onTriggered(m_clear, [this] { PROT_CLRExecute(); });
    onTriggered(m_record, [this] { PROT_LOGExecute(); });

    auto separator = [this] {
        auto* s = new QAction(this);
        s->setSeparator(true);
        return s;
    };
    m_text->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_text->addActions({m_start, m_stop, separator(), m_clear, separator(), m_record});
    addActions({m_start, m_stop, m_clear, m_record});

    // Recording failures found while a reply is handled are shown from the GUI loop.
    m_messageTimer->setSingleShot(true);
    m_messageTimer->setInterval(0);
    connect(m_messageTimer, &QTimer::timeout, this, &TANSI_PROT_Form::showPendingMessage);
    // New lines reach the document in batches, a few times a second at most, however fast
    // they come: one layout per batch instead of one per line.
    m_showTimer->setSingleShot(true);
    m_showTimer->setInterval(ShowInterval);
    connect(m_showTimer, &QTimer::timeout, this, &TANSI_PROT_Form::showWaitingLines);
}

TANSI_PROT_Form::~TANSI_PROT_Form() {
    PROT_CloseFile();
}

void TANSI_PROT_Form::setRecordDeviceFactory(ProtocolRecordFile::DeviceFactory factory) {
    PROT_CloseFile();
    m_file.setDeviceFactory(std::move(factory));
}

void TANSI_PROT_Form::SetLinkState(bool ready) {
    m_heldAdapterReady = ready;
    m_record->setEnabled(true);
    m_record->setVisible(true);
}

void TANSI_PROT_Form::LogTx(const ByteString& bytes) {
    if (m_start->isChecked() && m_heldAdapterReady)
        PROT_AddLine(LogColour::Blue, "TX: " + TOOL_BytesToHexText(bytes));
}

void TANSI_PROT_Form::LogRx(const ByteString& bytes) {
    if (m_start->isChecked() && m_heldAdapterReady)
        PROT_AddLine(LogColour::Green, "RX: " + TOOL_BytesToHexText(bytes));
}

void TANSI_PROT_Form::LogStateChange(uint8_t deviceClass, int32_t oldState, int32_t newState) {
    // The first state of a session (from -1) is not a change worth a line.
    if (oldState < 0 || deviceClass < dcKX3090 || deviceClass > dcKX3166 || !m_stateText) return;
    LogLine(LogColour::Black, "(" + m_stateText(deviceClass, oldState) + " -> " +
                                  m_stateText(deviceClass, newState) + ")");
}

void TANSI_PROT_Form::LogLine(uint32_t colour, const ByteString& text) {
    if (m_start->isChecked()) PROT_AddLine(colour, text);
}

void TANSI_PROT_Form::PROT_AddLine(uint32_t colour, const ByteString& text) {
    const QString line = toQ(text);
    if (m_lineCount > MaxLines) {
        // Cut a thousand lines at once, so the cost is paid once per thousand lines. The cut
        // takes the document's lines first, then lines still waiting to be shown.
        int cut = TrimLines;
        const int fromView = std::min(cut, m_viewLines - m_viewCut);
        m_viewCut += fromView;
        cut -= fromView;
        m_waiting.erase(m_waiting.begin(),
                        m_waiting.begin() + std::min<size_t>(cut, m_waiting.size()));
        m_lineCount -= TrimLines;
    }
    m_waiting.push_back({colour, line});
    ++m_lineCount;
    if (!m_showTimer->isActive()) m_showTimer->start();
    PROT_WriteFile(line);
}

void TANSI_PROT_Form::showWaitingLines() {
    m_showTimer->stop();
    if (m_viewCut == 0 && m_waiting.empty()) return;
    QTextDocument* doc = m_text->document();
    m_text->setUpdatesEnabled(false);
    QTextCursor c(doc);
    // One edit block: the document is laid out once for the whole batch, not per line.
    c.beginEditBlock();
    if (m_viewCut > 0) {
        if (m_viewCut >= m_viewLines)
            c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        else
            c.setPosition(doc->findBlockByNumber(m_viewCut).position(), QTextCursor::KeepAnchor);
        c.removeSelectedText();
        m_viewLines -= std::min(m_viewCut, m_viewLines);
        m_viewCut = 0;
    }
    c.movePosition(QTextCursor::End);
    QTextCharFormat format;
    for (const WaitingLine& w : m_waiting) {
        format.setForeground(QColor::fromRgb(w.colour & 0xFFFFFF));
        if (m_viewLines > 0) c.insertBlock(QTextBlockFormat(), format);
        c.insertText(w.text, format);
        ++m_viewLines;
    }
    m_waiting.clear();
    c.endEditBlock();
    // The caret at the end, and the newest line in sight at the bottom.
    m_text->setTextCursor(c);
    QScrollBar* bar = m_text->verticalScrollBar();
    bar->setValue(bar->maximum());
    m_text->setUpdatesEnabled(true);
}

QPlainTextEdit* TANSI_PROT_Form::PROT_Text() {
    showWaitingLines();
    return m_text;
}

void TANSI_PROT_Form::PROT_WriteFile(const QString& line) {
    if (!m_file.isOpen() || m_file.writeLine(line)) return;
    PROT_CloseFile();
    // The file's real name is not in the message.
    queueMessage(fromQ(tr("     Fehler beim schreiben in die Protokolldatei 'PWX.TXT'     ")));
}

void TANSI_PROT_Form::PROT_OpenFile(const ByteString& fileName) {
    if (m_file.isOpen()) return;
    if (!m_file.open(toQ(fileName)) ||
        !m_file.writeLine(tr("Dateiaufzeichnung start: ") + stamp())) {
        m_file.close();
        m_ui.messageBox(MsgKind::Error, TOOL_FileMessage(fileName, RS_NotOpened()), MB_OK);
    }
}

void TANSI_PROT_Form::PROT_CloseFile() {
    if (m_file.isOpen()) {
        m_file.writeLine(tr("Dateiaufzeichnung stop: ") + stamp());
        m_file.close();
    }
    m_record->setChecked(false);
}

void TANSI_PROT_Form::PROT_LOGExecute() {
    m_record->setChecked(!m_record->isChecked());
    if (!m_record->isChecked()) {
        PROT_CloseFile();
        return;
    }
    ByteString& fileName = m_settings ? m_settings->ProtocolFileName : m_fileName;
    TResult chosen;
    TOOL_SaveFileDialog(m_ui, fromQ(tr("Protokolldatei auswählen")),
                        fromQ(tr("Textdatei  (*.txt)|*.TXT")), 1, false, fileName, HelpContext,
                        chosen);
    if (chosen.Invalid) {
        m_record->setChecked(false);
        return;
    }
    fileName = chosen.Text;
    PROT_OpenFile(fileName);
    m_record->setChecked(m_file.isOpen());
}

void TANSI_PROT_Form::PROT_STOPExecute() {
    // The pause line is written while logging is still on.
    if (!m_stop->isChecked())
        LogLine(LogColour::Black, fromQ(m_stop->statusTip() + ":  " + stamp()));
    m_stop->setChecked(true);
    m_start->setChecked(false);
}

void TANSI_PROT_Form::PROT_STARTExecute() {
    m_start->setChecked(true);
    if (m_stop->isChecked())
        LogLine(LogColour::Black, fromQ(m_start->statusTip() + ":  " + stamp()));
    m_stop->setChecked(false);
}

void TANSI_PROT_Form::PROT_CLRExecute() {
    m_waiting.clear();
    m_text->clear();
    m_lineCount = 0;
    m_viewLines = 0;
    m_viewCut = 0;
}

QString TANSI_PROT_Form::stamp() const {
    return LANG_DateTimeText(m_now ? m_now() : QDateTime::currentDateTime());
}

void TANSI_PROT_Form::queueMessage(const ByteString& text) {
    m_pendingMessage = text;
    m_messageTimer->start();
}

void TANSI_PROT_Form::showPendingMessage() {
    if (m_pendingMessage.empty()) return;
    const ByteString text = std::move(m_pendingMessage);
    m_pendingMessage.clear();
    m_ui.messageBox(MsgKind::Error, text, MB_OK);
}

void TANSI_PROT_Form::FormCloseQuery() {
    if (m_settings) LAYOUT_SaveForm(*m_settings, this);
}

void TANSI_PROT_Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_placed) return;
    m_placed = true;
    if (m_settings) LAYOUT_RestoreForm(*m_settings, this);
}

void TANSI_PROT_Form::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    // Closing the MDI child only lays it aside, minimised; it lives as long as the program.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        event->ignore();
        sub->showMinimized();
        return;
    }
    QWidget::closeEvent(event);
}
