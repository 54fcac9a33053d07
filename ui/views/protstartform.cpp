#include "protstartform.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialoghelpers.h"
#include "qtcontrols.h"
#include "qtports.h"
#include "settings.h"

UpDownButtons::UpDownButtons(QLineEdit* associate, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_edit(associate), m_min(minimum), m_max(maximum), m_position(minimum) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (int delta : {1, -1}) {
        auto* b = new QToolButton(this);
        b->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, delta] { step(delta); });
        column->addWidget(b);
    }
    setPosition(minimum);
}

void UpDownButtons::setPosition(int position) {
    m_position = std::clamp(position, m_min, m_max);
    m_edit->setText(QString::number(m_position));
}

TPROT_START_Form::TPROT_START_Form(const DataPointTable& dataPoints, MainSettings* settings,
                                   ITimerFactory& timers, ViewContext context,
                                   MeasurementLog::Hooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      m_settings(settings),
      m_ctx(std::move(context)),
      m_log(dataPoints, timers, *m_ctx.ui, [this, h = std::move(hooks)]() mutable {
          h.enableControls = [this](bool on) { PROT_EnableControls(on); };
          return h;
      }()) {
    setObjectName(QStringLiteral("PROT_START_Form"));
    setWindowTitle(tr("Protokolldatei"));
    setProperty("Tag", kFormTag);

    auto* group = new QGroupBox(tr(" Einstellungen "), this);
    auto* grid = new QGridLayout(group);
    m_edit1 = new QLineEdit(group);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setMinimumWidth(320);
    m_browse = new QPushButton(tr("&Durchsuchen..."), group);
    m_browse->setObjectName(QStringLiteral("Button3"));
    m_browse->setAutoDefault(false);
    m_edit2 = new QLineEdit(QStringLiteral("1"), group);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    m_edit2->setMaximumWidth(60);
    m_edit2->installEventFilter(this);
    m_upDown = new UpDownButtons(m_edit2, 1, 1000, group);
    m_upDown->setObjectName(QStringLiteral("UpDown1"));
    auto* interval = new QHBoxLayout;
    interval->setSpacing(0);
    interval->addWidget(m_edit2);
    interval->addWidget(m_upDown);
    interval->addStretch(1);
    auto* nameLabel = new QLabel(tr("Protokolldateiname:"), group);
    nameLabel->setBuddy(m_edit1);
    auto* intervalLabel = new QLabel(tr("Aufzeichnungsintervall [sek]:"), group);
    intervalLabel->setBuddy(m_edit2);
    grid->addWidget(nameLabel, 0, 0, 1, 2);
    grid->addWidget(m_edit1, 1, 0);
    grid->addWidget(m_browse, 1, 1);
    grid->addWidget(intervalLabel, 2, 0, 1, 2);
    grid->addLayout(interval, 3, 0, 1, 2);

    m_ok = new QPushButton(tr("&OK"), this);
    m_ok->setObjectName(QStringLiteral("Button2"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("&Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("Button1"));
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // OK waits for a file name.
    connect(m_edit1, &QLineEdit::textChanged, this, [this] { updateOk(); });
    connect(m_browse, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (!namesAFile()) return;
        Edit2Exit();  // Enter on the interval counts as leaving it
        done(ResultOk);
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] { done(ResultCancel); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (m_ctx.showHelp) m_ctx.showHelp(kHelpContext);
    });
}

bool TPROT_START_Form::PROT_Start() {
    PROT_SetFileName(toQ(m_settings->LogFileName));
    m_upDown->setPosition(m_settings->LogInterval);
    const int result = runModal(*this);
    if (result != ResultOk) return false;
    PROT_SetFileName(m_edit1->text());
    m_settings->LogInterval = m_upDown->position();
    return m_log.PROT_Begin(m_settings->LogFileName, m_settings->LogInterval);
}

void TPROT_START_Form::PROT_Stop() {
    m_log.PROT_Stop();
}

void TPROT_START_Form::PROT_SetFileName(const QString& name) {
    const ByteString used = PROT_NormaliseFileName(fromQ(name));
    m_log.setColumnMode(PROT_ColumnModeOf(used));
    m_settings->LogFileName = used;
    m_edit1->setText(toQ(used));
}

bool TPROT_START_Form::namesAFile() const {
    // Blank, or only a folder: there is no file to write to yet.
    const QString name = m_edit1->text().trimmed();
    return !name.isEmpty() && !name.endsWith('/') && !name.endsWith('\\');
}

void TPROT_START_Form::updateOk() {
    m_ok->setEnabled(m_controlsOn && namesAFile());
    m_ok->setToolTip(namesAFile() ? QString() : tr("Bitte einen Dateinamen angeben."));
}

void TPROT_START_Form::PROT_EnableControls(bool on) {
    m_controlsOn = on;
    updateOk();
    m_browse->setEnabled(on);
    m_upDown->setEnabled(on);
    for (QLineEdit* e : {m_edit1, m_edit2}) {
        e->setEnabled(on);
        QtLineEdit(e).setWindowBackground(on);
    }
}

void TPROT_START_Form::Button3Click() {
    TResult chosen;
    TOOL_SaveFileDialog(*m_ctx.ui, fromQ(tr("Protokolldatei")),
                        fromQ(tr("Protokoll-Datei  (*.log)|*.LOG|Text-Datei  (*.txt)|*.TXT")), 1,
                        false, m_settings->LogFileName, kHelpContext, chosen);
    if (!chosen.Invalid) PROT_SetFileName(toQ(chosen.Text));
}

void TPROT_START_Form::Edit2Exit() {
    if (m_inExit) return;
    m_inExit = true;
    QtLineEdit edit(m_edit2);
    const int64_t v = TOOL_EditInt(*m_ctx.ui, edit, m_upDown->position(), 0, 1000);
    m_upDown->setPosition(static_cast<int>(v));
    m_inExit = false;
}

void TPROT_START_Form::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous() && m_ctx.restoreForm) m_ctx.restoreForm(this, kFormTag);
}

void TPROT_START_Form::hideEvent(QHideEvent* e) {
    if (!e->spontaneous() && m_ctx.saveForm) m_ctx.saveForm(this, kFormTag);
    QDialog::hideEvent(e);
}

bool TPROT_START_Form::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_edit2 && e->type() == QEvent::FocusOut && isVisible()) Edit2Exit();
    return QDialog::eventFilter(watched, e);
}
