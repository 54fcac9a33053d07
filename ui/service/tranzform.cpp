#include "tranzform.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "qtports.h"

TMAIN_Tranz_Form::TMAIN_Tranz_Form(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MAIN_Tranz_Form"));
    setWindowTitle(tr("Anwenderprogramm Übertragen"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    m_label = new QLabel(tr("Emfangen..."), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setTextVisible(false);
    m_bar->setMinimumWidth(360);
    m_abort = new QPushButton(tr("&Abbruch"), this);
    m_abort->setObjectName(QStringLiteral("Button1"));
    m_abort->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_abort);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_abort, &QPushButton::clicked, this, [this] { m_progress.Abort(); });
}

void TMAIN_Tranz_Form::runModal(const ByteString& caption, const ByteString& text,
                                int32_t maximum) {
    setWindowTitle(toQ(caption));
    m_label->setText(toQ(text));
    m_bar->setRange(0, maximum);
    m_bar->setValue(0);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // A result set while the dialog was coming up ends it before it runs.
    if (m_progress.ModalResult() != TransferProgress::NoResult) return;
    if (runModalHook) {
        show();
        runModalHook(*this);
        hide();
    } else {
        UI_PrepareDialog(this);
        exec();
    }
}

void TMAIN_Tranz_Form::showPosition(int32_t position) {
    m_bar->setValue(position);
}

void TMAIN_Tranz_Form::showText(const ByteString& text) {
    m_label->setText(toQ(text));
}

void TMAIN_Tranz_Form::endModal() {
    // The result lives in progress(); the dialog only closes.
    if (isVisible() && !runModalHook) QDialog::done(0);
}

void TMAIN_Tranz_Form::reject() {
    m_progress.CloseByFrame();
}
