#include "zusamfass.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QtMath>

#include "dialoghelpers.h"
#include "printing.h"
#include "qtports.h"
#include "settingslanguage.h"

namespace {

const QSize kMinimumSize(750, 300);
const QSize kRemarkSize(400, 300);
// The report's widest line: its rules.
constexpr int kReportColumns = 100;

const char kFilter[] = QT_TRANSLATE_NOOP("TZUSAMFASS_Form", "Textdatei  (*.txt)|*.TXT");

ByteString crLfToLf(const ByteString& text) {
    ByteString out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out.push_back(text[i]);
    return out;
}

ByteString lfToCrLf(const ByteString& text) {
    ByteString out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

}  // namespace

TZUSAMFASS_Form::TZUSAMFASS_Form(Context context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_ctx(std::move(context)) {
    setObjectName(QStringLiteral("ZUSAMFASS_Form"));
    setWindowTitle(tr("Zusammenfassung anzeigen"));
    setMinimumSize(kMinimumSize);
    setModal(true);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Memo1"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setTabChangesFocus(false);
    // The dotted item lines line up only in a font of one width.
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto button = [this](const QString& name, const QString& caption, int result) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        return b;
    };
    m_print = button(QStringLiteral("DruckenButton"), tr("&Drucken"), ResultYes);
    m_close = button(QStringLiteral("SchliessenButton"), tr("&Schließen"), ResultOk);
    m_ok = button(QStringLiteral("OkButton"), tr("&OK"), ResultOk);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_print);
    buttons->addWidget(m_close);
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);

    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (m_helpContext > 0 && m_ctx.showHelp) m_ctx.showHelp(m_helpContext);
    });

    // Wide enough for the report's widest lines, its rules, where the screen allows.
    const int textWidth =
        QFontMetrics(m_text->font()).horizontalAdvance(QString(kReportColumns, QLatin1Char('-')));
    const QMargins margins = layout->contentsMargins();
    int width = textWidth + margins.left() + margins.right() + 2 * m_text->frameWidth() +
                m_text->verticalScrollBar()->sizeHint().width() +
                2 * qCeil(m_text->document()->documentMargin()) + 8;
    if (const QScreen* s = QGuiApplication::primaryScreen())
        width = std::min(width, s->availableGeometry().width());
    resize(std::max(width, kMinimumSize.width()), 450);
}

ByteString& TZUSAMFASS_Form::fileName() {
    return m_ctx.summaryFileName ? *m_ctx.summaryFileName : m_ownFileName;
}

const ByteString& TZUSAMFASS_Form::summaryFileName() const {
    return m_ctx.summaryFileName ? *m_ctx.summaryFileName : m_ownFileName;
}

ByteString TZUSAMFASS_Form::reportText() const {
    return lfToCrLf(fromQ(m_text->toPlainText()));
}

void TZUSAMFASS_Form::setReportText(const ByteString& text) {
    m_text->setPlainText(toQ(crLfToLf(text)));
}

void TZUSAMFASS_Form::centre() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    QRect r(QPoint(0, 0), size());
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
}

int TZUSAMFASS_Form::showModal() {
    if (runModal) return runModal(*this);
    UI_PrepareDialog(this);
    return exec();
}

// ---- the three commands ----------------------------------------------------------------

void TZUSAMFASS_Form::ZUSAM_OpenReport() {
    if (!m_ctx.ui) return;
    m_helpContext = kOpenHelpContext;
    TResult chosen;
    TOOL_OpenFileDialog(*m_ctx.ui, fromQ(tr("Reportdatei öffnen")), fromQ(tr(kFilter)), 1, true,
                        fileName(), kOpenHelpContext, chosen);
    fileName() = chosen.Text;
    if (chosen.Invalid) return;
    ByteString report;
    if (!ZUSAM_ReadReport(chosen.Text, report)) {
        m_ctx.ui->messageBox(MsgKind::Error, TOOL_FileMessage(chosen.Text, RS_NotOpened()), MB_OK);
        return;
    }
    setReportText(report);
    setWindowTitle(tr("Zusammenfassung anzeigen"));
    m_print->show();
    m_close->show();
    m_ok->hide();
    centre();
    m_text->setReadOnly(true);
    if (showModal() == ResultYes) ZUSAM_Print();
}

void TZUSAMFASS_Form::ZUSAM_SaveReport() {
    if (!m_ctx.ui) return;
    TResult chosen;
    TOOL_SaveFileDialog(*m_ctx.ui, fromQ(tr("Reportdatei sichern")), fromQ(tr(kFilter)), 1, true,
                        fileName(), kSaveHelpContext, chosen);
    fileName() = chosen.Text;
    if (chosen.Invalid || !ZUSAM_AskRemark()) return;
    ZUSAM_BuildReport();
    // The old report is replaced only by a completely written new one.
    if (!ZUSAM_WriteReport(chosen.Text, reportText()))
        m_ctx.ui->messageBox(MsgKind::Error, TOOL_FileMessage(chosen.Text, RS_NotCreated()), MB_OK);
}

void TZUSAMFASS_Form::ZUSAM_PrintReport() {
    m_helpContext = kPrintHelpContext;
    if (!ZUSAM_AskRemark()) return;
    ZUSAM_BuildReport();
    ZUSAM_Print();
}

// ---- remark, report, print -------------------------------------------------------------

bool TZUSAMFASS_Form::ZUSAM_AskRemark() {
    Remark.clear();
    setWindowTitle(tr("Bemerkung"));
    m_print->hide();
    m_close->hide();
    m_ok->show();
    const QSize remembered = size();
    setMinimumSize(kRemarkSize);
    resize(kRemarkSize);
    centre();
    m_text->clear();
    m_text->setReadOnly(false);
    m_text->setFocus();
    const bool ok = showModal() == ResultOk;
    if (ok) Remark = fromQ(m_text->toPlainText());
    setMinimumSize(kMinimumSize);
    resize(remembered);
    return ok;
}

void TZUSAMFASS_Form::ZUSAM_BuildReport() {
    const QDateTime now = m_ctx.now ? m_ctx.now() : QDateTime::currentDateTime();
    const DiagReportLists lists = m_ctx.lists ? m_ctx.lists() : DiagReportLists{};
    setReportText(::ZUSAM_BuildReport(Remark, lists, fromQ(LANG_DateText(now.date())),
                                      fromQ(LANG_TimeText(now.time()))));
}

void TZUSAMFASS_Form::ZUSAM_Print() {
    lower();
    if (!m_ctx.ui) return;
    UI_PrintPlainText(*m_ctx.ui, m_text->toPlainText(), QStringLiteral("Report"), kReportColumns,
                      m_helpContext);
}
