#include "flashform.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "qtports.h"

TEXTRA_FLASH_Form::TEXTRA_FLASH_Form(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TEXTRA_FLASH_Form"));
    // A window of its own that stays above the main window (the progress dialog comes on top).
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinMaxButtonsHint);
    setWindowTitle(tr("Steuergerätesoftware programmieren"));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_memo);
    resize(640, 420);
    hide();
}

void TEXTRA_FLASH_Form::showFile(const ByteString& text) {
    // One line per record, whatever the file's line ends.
    QString t = toQ(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_memo->setPlainText(t);
    if (!isVisible() && parentWidget()) move(parentWidget()->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}
