#include "qtports.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

QString toQ(const ByteString& s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}
ByteString fromQ(const QString& s) {
    return s.toUtf8().toStdString();
}

namespace {
QString& titleStore() {
    static QString title;
    return title;
}
}  // namespace

void setApplicationTitle(const QString& title) {
    titleStore() = title;
}

QString applicationTitle() {
    return titleStore().isEmpty() ? QApplication::applicationName() : titleStore();
}

void setProgramNames(const QString& title) {
    QApplication::setApplicationName(QStringLiteral("Calvix"));
    setApplicationTitle(title);
    QApplication::setOrganizationName(QStringLiteral("Naviron"));
}

QtTimer::QtTimer() {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (onTimeout) onTimeout();
    });
}

QtUserInteraction::QtUserInteraction(QWidget* parent) : m_parent(parent) {}

QtUserInteraction::~QtUserInteraction() = default;

int QtUserInteraction::messageBox(MsgKind kind, const ByteString& text, int buttons,
                                  int helpContext) {
    QMessageBox::StandardButtons qb;
    if (buttons & MB_OK) qb |= QMessageBox::Ok;
    if (buttons & MB_YES) qb |= QMessageBox::Yes;
    if (buttons & MB_NO) qb |= QMessageBox::No;
    if (buttons & MB_CANCEL) qb |= QMessageBox::Cancel;
    if (!qb) qb = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
        case MsgKind::Error:
            icon = QMessageBox::Critical;
            break;
        case MsgKind::Warning:
            icon = QMessageBox::Warning;
            break;
        case MsgKind::Question:
            icon = QMessageBox::Question;
            break;
        case MsgKind::Information:
            icon = QMessageBox::Information;
            break;
    }
    // A box asked for by a window that stays on top must come up above that window.
    QWidget* parent = QApplication::activeWindow();
    if (!parent || !(parent->windowFlags() & Qt::WindowStaysOnTopHint)) parent = m_parent;
    QMessageBox box(icon, applicationTitle(), toQ(text), qb, parent);
    // Help closes a message box: it shows its topic and brings the box back, so only the
    // box's own buttons (or Escape and the close box, as Cancel) end it.
    bool helpPressed = false;
    if (helpContext > 0) {
        QObject::connect(box.addButton(QMessageBox::Help), &QAbstractButton::clicked, &box,
                         [&helpPressed] { helpPressed = true; });
    }
    int pressed = 0;
    do {
        helpPressed = false;
        pressed = box.exec();
        if (helpPressed && showHelp) showHelp(helpContext);
    } while (helpPressed);
    switch (pressed) {
        case QMessageBox::Ok:
            return MB_OK;
        case QMessageBox::Yes:
            return MB_YES;
        case QMessageBox::No:
            return MB_NO;
        case QMessageBox::Cancel:
            return MB_CANCEL;
        default:
            return (buttons & MB_CANCEL) ? MB_CANCEL : (buttons & MB_NO) ? MB_NO : MB_OK;
    }
}

QStringList toQtFilters(const ByteString& filter) {
    static const QRegularExpression namedPatterns(QStringLiteral("\\(([^()]*)\\)$"));
    const QStringList parts = toQ(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // As the dialog shows them: blanks run together.
        const QString name = parts[i].simplified();
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        patterns = patterns.simplified();
        // A description that names its patterns already is shown as it is; the dialog matches
        // file names without regard to case, so "*.txt" also finds "REPORT.TXT".
        const QRegularExpressionMatch named = namedPatterns.match(name);
        if (named.hasMatch() &&
            named.captured(1).simplified().compare(patterns, Qt::CaseInsensitive) == 0)
            out << name;
        else
            out << name + " (" + patterns + ")";
    }
    return out;
}

namespace {
using DefaultExtension = std::function<ByteString(const ByteString&, int)>;

std::optional<FileDialogChoice> runFileDialog(QWidget* parent, const FileDialogRequest& r,
                                              QFileDialog::AcceptMode mode,
                                              const DefaultExtension& defaultExtension = {}) {
    QFileDialog dlg(parent, toQ(r.title), toQ(r.initialDir));
    dlg.setAcceptMode(mode);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);  // the program asks itself
    const QStringList filters = toQtFilters(r.filter);
    dlg.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
        dlg.selectNameFilter(filters[r.filterIndex - 1]);
    if (!r.fileName.empty()) dlg.selectFile(toQ(r.fileName));
    if (defaultExtension) {
        auto apply = [&dlg, &r, &filters, &defaultExtension](const QString& chosen) {
            const int index = static_cast<int>(filters.indexOf(chosen)) + 1;
            dlg.setDefaultSuffix(toQ(defaultExtension(r.filter, index)));
        };
        apply(dlg.selectedNameFilter());
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, apply);
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    FileDialogChoice c;
    c.fileName = fromQ(dlg.selectedFiles().first());
    c.filterIndex = static_cast<int>(filters.indexOf(dlg.selectedNameFilter())) + 1;
    if (c.filterIndex < 1) c.filterIndex = 1;
    return c;
}
}  // namespace

std::optional<FileDialogChoice> QtUserInteraction::openFileDialog(const FileDialogRequest& r) {
    return runFileDialog(m_parent, r, QFileDialog::AcceptOpen);
}

std::optional<FileDialogChoice> QtUserInteraction::saveFileDialog(const FileDialogRequest& r) {
    return runFileDialog(m_parent, r, QFileDialog::AcceptSave, saveDialogTypeChange);
}

std::optional<PrintChoice> QtUserInteraction::printDialog(const PrintRequest& r) {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setDocName(toQ(r.documentTitle));
    QPrintDialog dlg(m_printer.get(), m_parent);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    PrintChoice c;
    c.printerName = fromQ(m_printer->printerName());
    if (m_printer->outputFormat() == QPrinter::PdfFormat)
        c.pdfFile = fromQ(m_printer->outputFileName());
    c.copies = m_printer->copyCount();
    c.landscape = m_printer->pageLayout().orientation() == QPageLayout::Landscape;
    return c;
}
