#include "kalico2forms.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "qtcontrols.h"
#include "qtports.h"

// ---- wait dialog ----

TKALI_CO2_WAIT_Form::TKALI_CO2_WAIT_Form(ViewContext context, QWidget* parent)
    : ServiceDialog(parent), m_ctx(std::move(context)) {
    setObjectName(QStringLiteral("KALI_CO2_WAIT_Form"));
    setWindowTitle(tr("CO2-Abgleich abwarten"));
    setModal(true);
    auto* group = new QGroupBox(tr(" Status "), this);
    auto* g = new QVBoxLayout(group);
    m_stage = new QLabel(group);
    m_state = new QLabel(tr("Zustand"), group);
    m_state->setFrameShape(QFrame::Panel);
    m_state->setFrameShadow(QFrame::Sunken);
    m_state->setAlignment(Qt::AlignCenter);
    m_time = new QProgressBar(group);
    m_time->setRange(0, Calibration::StabiliseSeconds);
    m_time->setTextVisible(false);
    g->addWidget(m_stage);
    g->addWidget(m_state);
    g->addWidget(m_time);
    m_cancel = new QPushButton(tr("Abbrechen"), this);
    auto* top = new QVBoxLayout(this);
    top->addWidget(group);
    top->addWidget(m_cancel, 0, Qt::AlignHCenter);
    setMinimumWidth(360);
    connect(m_cancel, &QPushButton::clicked, this, [this] { endModal(Calibration::ResultCancel); });
    SetStage(0);
}

int TKALI_CO2_WAIT_Form::Execute() {
    SetStage(0);
    return showModal();
}

void TKALI_CO2_WAIT_Form::SetStage(int stage) {
    if (stage == 0) {
        m_stage->setText(tr("Start des Heizgerätes abwarten!"));
        m_time->setValue(0);
    } else if (stage == 1 || stage == 2) {
        m_stage->setText(tr("CO2 - Stabilisierung abwarten!"));
    }
}

void TKALI_CO2_WAIT_Form::SetStateText(const ByteString& text) {
    m_state->setText(toQ(text));
}

void TKALI_CO2_WAIT_Form::SetTime(int seconds) {
    m_time->setValue(std::clamp(seconds, 0, Calibration::StabiliseSeconds));
}

void TKALI_CO2_WAIT_Form::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && m_ctx.showHelp) {
        m_ctx.showHelp(kHelpContext);
        return;
    }
    ServiceDialog::keyPressEvent(e);
}

// ---- speed dialog ----

TKALI_CO2_EDIT_Form::TKALI_CO2_EDIT_Form(ViewContext context, std::function<void(int32_t)> assign,
                                         QWidget* parent)
    : ServiceDialog(parent), m_ctx(std::move(context)), m_assignSpeed(std::move(assign)) {
    setObjectName(QStringLiteral("KALI_CO2_EDIT_Form"));
    setWindowTitle(tr("CO2-Einstellung"));
    setModal(true);
    auto* group = new QGroupBox(tr(" Einstellung "), this);
    auto* g = new QGridLayout(group);
    auto field = [group](bool readOnly) {
        auto* e = new QLineEdit(group);
        e->setReadOnly(readOnly);
        e->setAlignment(Qt::AlignRight);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
        return e;
    };
    m_min = field(true);
    m_max = field(true);
    m_actual = field(true);
    m_new = field(false);
    m_up = new QToolButton(group);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(group);
    m_down->setArrowType(Qt::DownArrow);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    const QString unit = tr("U/min");
    int row = 0;
    for (auto [caption, edit] : {std::pair<QString, QLineEdit*>{tr("untere Grenze"), m_min},
                                 {tr("obere Grenze"), m_max},
                                 {tr("aktuelle Drehzahl"), m_actual},
                                 {tr("neue Drehzahl"), m_new}}) {
        g->addWidget(new QLabel(caption, group), row, 0);
        g->addWidget(edit, row, 1);
        g->addWidget(new QLabel(unit, group), row, 3);
        ++row;
    }
    g->addLayout(arrows, 3, 2);
    g->addWidget(new QLabel(tr("CO2-Sollwert: 9,5 - 11 Vol-%"), group), row, 0, 1, 4);
    m_assign = new QPushButton(tr("Zuweisen"), this);
    m_save = new QPushButton(tr("Speichern"), this);
    m_cancel = new QPushButton(tr("Abbrechen"), this);
    auto* help = new QPushButton(tr("Hilfe"), this);
    for (QPushButton* b : {m_assign, m_save, m_cancel, help}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_assign, m_save, m_cancel, help}) buttons->addWidget(b);
    auto* top = new QVBoxLayout(this);
    top->addWidget(group);
    top->addLayout(buttons);

    connect(m_up, &QToolButton::clicked, this, [this] { stepPosition(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepPosition(-1); });
    connect(m_new, &QLineEdit::editingFinished, this, [this] { newSpeedExit(); });
    connect(m_assign, &QPushButton::clicked, this, [this] { assignClick(); });
    connect(m_save, &QPushButton::clicked, this, [this] { endModal(Calibration::ResultOk); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { endModal(Calibration::ResultCancel); });
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_ctx.showHelp) m_ctx.showHelp(kHelpContext);
    });
}

int TKALI_CO2_EDIT_Form::Execute(int32_t minimum, int32_t maximum, int32_t current) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_min->setText(QString::number(minimum));
    m_max->setText(QString::number(maximum));
    m_position = std::clamp(current, m_minimum, m_maximum);
    m_new->setText(QString::number(m_position));
    AssignedPosition = m_position;
    updateSave();
    return showModal();
}

void TKALI_CO2_EDIT_Form::SetActualSpeed(const ByteString& text) {
    m_actual->setText(toQ(text));
}

void TKALI_CO2_EDIT_Form::setPosition(int position) {
    m_position = std::clamp(position, m_minimum, m_maximum);
    m_new->setText(QString::number(m_position));
    updateSave();
}

void TKALI_CO2_EDIT_Form::stepPosition(int steps) {
    setPosition(m_position + steps * kStep);
}

void TKALI_CO2_EDIT_Form::newSpeedExit() {
    if (m_inExit) return;
    m_inExit = true;
    QtLineEdit edit(m_new);
    IUserInteraction* ui = m_ctx.ui;
    int64_t v = m_position;
    if (ui) v = TOOL_EditInt(*ui, edit, m_position, m_minimum, m_maximum);
    // To the nearest step of 100; a value kept within the range stays within it.
    setPosition(static_cast<int>((v + kStep / 2) / kStep * kStep));
    m_inExit = false;
}

void TKALI_CO2_EDIT_Form::assignClick() {
    if (m_assignSpeed) m_assignSpeed(m_position);
    AssignedPosition = m_position;
    updateSave();
}

void TKALI_CO2_EDIT_Form::updateSave() {
    m_save->setEnabled(m_position == AssignedPosition);
}

void TKALI_CO2_EDIT_Form::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && m_ctx.showHelp) {
        m_ctx.showHelp(kHelpContext);
        return;
    }
    ServiceDialog::keyPressEvent(e);
}
