#include "printing.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTextDocument>

#include "dialoghelpers.h"
#include "qtports.h"
#include "safefile.h"
#include "translate.h"

namespace {

// The largest size a printed text takes, and the smallest that is still readable.
constexpr qreal kMaxPointSize = 10.0;
constexpr qreal kMinPointSize = 5.0;
// A printed text document keeps 2 cm to the printable area on every side.
constexpr qreal kDocMarginPoints = 2.0 / 2.54 * 72.0;

}  // namespace

void UI_ApplyPrintChoice(QPrinter& printer, const PrintChoice& choice) {
    if (!choice.pdfFile.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(toQ(choice.pdfFile));
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        if (!choice.printerName.empty()) printer.setPrinterName(toQ(choice.printerName));
    }
    printer.setCopyCount(std::max(1, choice.copies));
    printer.setPageOrientation(choice.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool UI_PrintPlainText(const PrintChoice& choice, const QString& text, const QString& title,
                       int columns) {
    QPrinter printer(QPrinter::HighResolution);
    UI_ApplyPrintChoice(printer, choice);
    printer.setDocName(title);
    printer.setCreator(title);

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(kMaxPointSize);
    // Shrink until the widest line fits between the margins the document keeps on the page.
    const qreal textWidth = printer.pageLayout().paintRectPoints().width() - 2 * kDocMarginPoints;
    const qreal lineWidth =
        QFontMetricsF(font, &printer).horizontalAdvance(QString(columns, QLatin1Char('-'))) * 72.0 /
        std::max(1, printer.logicalDpiX());
    if (lineWidth > textWidth && lineWidth > 0 && textWidth > 0)
        font.setPointSizeF(std::max(kMinPointSize, kMaxPointSize * textWidth / lineWidth * 0.98));

    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setPlainText(text);
    doc.setMetaInformation(QTextDocument::DocumentTitle, title);

    // The text document prints without telling whether the device opened: ask first.
    if (!choice.pdfFile.empty()) {
        // Never a pipe or a device: the printer would wait on it for ever.
        const int fd = TOOL_OpenRegularFile(choice.pdfFile, O_WRONLY | O_CREAT);
        if (fd < 0) return false;
        ::close(fd);
        QFile file(toQ(choice.pdfFile));
        if (!file.open(QIODevice::WriteOnly)) return false;
    } else if (!printer.isValid()) {
        return false;
    }
    doc.print(&printer);
    return true;
}

bool UI_PrintPlainText(IUserInteraction& ui, const QString& text, const QString& title, int columns,
                       int helpContext) {
    const std::optional<PrintChoice> choice = ui.printDialog({fromQ(title), helpContext});
    if (!choice) return false;
    if (UI_PrintPlainText(*choice, text, title, columns)) return true;
    UI_ReportPrintFailure(ui, *choice);
    return false;
}

void UI_ReportPrintFailure(IUserInteraction& ui, const PrintChoice& choice) {
    const ByteString text =
        choice.pdfFile.empty()
            ? TR("Printing", "     Der Drucker konnte nicht geöffnet werden!     ")
            : TOOL_FileMessage(choice.pdfFile, TR("Printing", "konnte nicht erstellt werden!"));
    ui.messageBox(MsgKind::Error, text, MB_OK);
}
