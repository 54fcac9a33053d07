#include "qtports.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>

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

namespace {

bool staysOnTop(const QWidget* w) {
    return w && (w->windowFlags() & Qt::WindowStaysOnTopHint);
}

// A window of the program the user works in: shown, not a menu or tool tip.
bool isOpenWindow(const QWidget* w) {
    return w && w->isWindow() && w->isVisible() &&
           !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip ||
             w->windowType() == Qt::SplashScreen);
}

// The box as wide as its longest line, so a text laid out in lines keeps them: the box would
// wrap it at half the screen and leave single words on lines of their own. A line wider than
// the screen still wraps.
void sizeToLongestLine(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return;
    label->ensurePolished();
    const QFontMetrics fm = label->fontMetrics();
    int longest = 0;
    for (const QString& line : box.text().split('\n'))
        longest = std::max(longest, fm.horizontalAdvance(QString(line).remove('\r')));
    // Room for the icon, the margins and the window frame.
    constexpr int kBeside = 160;
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() - kBeside : longest;
    label->setMinimumWidth(std::clamp(longest + fm.averageCharWidth(), 0, std::max(room, 0)));
}

}  // namespace

QWidget* UI_DialogOwner(QWidget* fallback) {
    // A running modal dialog opened the box; else the window stays on top and has the user;
    // else any window of the program that stays on top (the box must not open behind it).
    if (QWidget* modal = QApplication::activeModalWidget(); isOpenWindow(modal)) return modal;
    if (QWidget* active = QApplication::activeWindow(); isOpenWindow(active) && staysOnTop(active))
        return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (isOpenWindow(w) && staysOnTop(w) && w != fallback) return w;
    return fallback;
}

void UI_PrepareDialog(QWidget* dialog) {
    // Above every other window of the program, stay-on-top ones included: such a dialog stays
    // on top itself while another window of the program does.
    bool onTopOpen = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != dialog && isOpenWindow(w) && staysOnTop(w)) onTopOpen = true;
    if (onTopOpen && !staysOnTop(dialog) && !dialog->isVisible())
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // Once shown it comes to the front with the focus.
    QTimer::singleShot(0, dialog, [dialog] {
        if (!dialog->isVisible()) return;
        dialog->raise();
        dialog->activateWindow();
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
    QMessageBox box(icon, applicationTitle(), toQ(text), qb, UI_DialogOwner(m_parent));
    UI_PrepareDialog(&box);
    sizeToLongestLine(box);
    // Help closes a message box: it shows its topic and brings the box back, so only the
    // box's own buttons (or Escape and the close box, as Cancel) end it.
    bool helpPressed = false;
    if (helpContext > 0) {
        QObject::connect(box.addButton(QMessageBox::Help), &QAbstractButton::clicked, &box,
                         [&helpPressed] { helpPressed = true; });
    }
    int pressed = 0;
    bool again = false;
    do {
        if (again) UI_PrepareDialog(&box);  // back in front after the help topic
        helpPressed = false;
        pressed = box.exec();
        if (helpPressed && showHelp) showHelp(helpContext);
        again = helpPressed;
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
    QFileDialog dlg(UI_DialogOwner(parent), toQ(r.title), toQ(r.initialDir));
    UI_PrepareDialog(&dlg);
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
    QPrintDialog dlg(m_printer.get(), UI_DialogOwner(m_parent));
    UI_PrepareDialog(&dlg);
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
