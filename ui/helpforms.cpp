#include "helpforms.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "imagelist.h"

namespace {

constexpr int kProgramIcon = 24;  // the picture the program's windows carry

}  // namespace

WebLinkLabel::WebLinkLabel(QWidget* parent) : QLabel(host(), parent) {
    setObjectName(QStringLiteral("Label5"));
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));  // navy
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
}

QString WebLinkLabel::host() {
    return QStringLiteral("www.naviron.de");
}

QUrl WebLinkLabel::address() {
    return QUrl(QStringLiteral("https://") + host());
}

void WebLinkLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

// ---- what both windows share ----

ProductForm::ProductForm(const QString& objectName, const QString& caption, int helpContext,
                         std::function<void(int)> showHelp, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags) {
    setObjectName(objectName);
    setWindowTitle(caption);
    m_link = new WebLinkLabel(this);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(m_link, &WebLinkLabel::clicked, this, [this] { Label5Click(); });
    DIALOG_AddHelpKey(this, helpContext, std::move(showHelp));
}

QHBoxLayout* ProductForm::heading(QLayout* details) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(IMAGE_Icon(kProgramIcon).pixmap(32, 32));
    auto* name = new QLabel(QStringLiteral("NAVIRON Calvix Test"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont f = name->font();
    f.setBold(true);
    name->setFont(f);
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addLayout(details);
    auto* head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    head->addSpacing(12);
    head->addLayout(text, 1);
    return head;
}

void ProductForm::Label5Click() {
    if (openUrl)
        openUrl(WebLinkLabel::address());
    else
        QDesktopServices::openUrl(WebLinkLabel::address());
}

void ProductForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

// ---- about window ----

THELP_Info_Form::THELP_Info_Form(std::function<void(int)> showHelp, QWidget* parent)
    : ProductForm(QStringLiteral("HELP_Info_Form"), tr("Info"), kHelpContext, std::move(showHelp),
                  parent) {
    m_version = new QLabel(QStringLiteral("V -"), this);
    m_version->setObjectName(QStringLiteral("Version"));
    m_hwVersion = new QLabel(QStringLiteral("V -"), this);
    m_hwVersion->setObjectName(QStringLiteral("HWVersion"));
    m_hwVersion->setMinimumWidth(m_hwVersion->fontMetrics().horizontalAdvance("V 15.15 W"));

    auto* versions = new QGridLayout;
    versions->addWidget(new QLabel(tr("Software"), this), 0, 0);
    versions->addWidget(m_version, 0, 1);
    versions->addWidget(new QLabel(tr("Hardware"), this), 1, 0);
    versions->addWidget(m_hwVersion, 1, 1);
    versions->setColumnStretch(1, 1);
    versions->setHorizontalSpacing(16);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading(versions));
    layout->addSpacing(8);
    layout->addWidget(new QLabel(tr("Für Schäden die durch Verwendung dieser Software"), this));
    layout->addWidget(new QLabel(tr("entstehen wird keine Haftung übernommen!"), this));
    layout->addSpacing(8);
    layout->addWidget(m_link, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString THELP_Info_Form::hardwareVersionText(const ByteString& version) {
    if (version.size() < 2) return {};
    const auto b1 = static_cast<uint8_t>(version[0]);
    return QStringLiteral("V %1.%2 ").arg(b1 >> 4).arg(b1 & 15) +
           QChar(static_cast<ushort>(static_cast<uint8_t>(version[1])));
}

void THELP_Info_Form::SetHardwareVersion(const ByteString& version) {
    m_hwVersion->setText(hardwareVersionText(version));
}

void THELP_Info_Form::Execute() {
    if (showModal) FormShow();  // a real showing runs it from showEvent
    runModal(*this);
}

void THELP_Info_Form::FormShow() {
    m_version->setText(QString::fromLatin1(kSoftwareVersion));
}

// ---- update notice ----

THELP_Update_Form::THELP_Update_Form(std::function<void(int)> showHelp, QWidget* parent)
    : ProductForm(QStringLiteral("HELP_Update_Form"), tr("Update Hinweis"), kHelpContext,
                  std::move(showHelp), parent) {
    m_software = new QLabel(tr("Software"), this);
    m_software->setObjectName(QStringLiteral("Label9"));
    auto* details = new QVBoxLayout;
    details->addWidget(m_software);

    auto* where = new QHBoxLayout;
    where->setSpacing(4);
    where->addWidget(new QLabel(tr("Version unter"), this));
    where->addWidget(m_link);
    where->addWidget(new QLabel(tr("gibt. "), this));
    where->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading(details));
    layout->addSpacing(8);
    layout->addWidget(new QLabel(tr("Bitte informieren sie sich ob es eine neuere "), this));
    layout->addLayout(where);
    layout->addSpacing(8);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void THELP_Update_Form::Execute() {
    if (showModal) FormShow();  // a real showing runs it from showEvent
    runModal(*this);
}

void THELP_Update_Form::FormShow() {
    // Set, not appended, so the line reads the same however often the notice is shown.
    m_software->setText(tr("Software") + QStringLiteral("  ") +
                        QString::fromLatin1(kSoftwareVersion));
}

void THELP_Update_Form::Label5Click() {
    ProductForm::Label5Click();
    done(ResultOk);
}
