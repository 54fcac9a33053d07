#include "kaliallform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "layout.h"

TKALI_ALL_Form::TKALI_ALL_Form(DiagSession& session, ITimerFactory& timers, ViewContext context,
                               QWidget* parent)
    : ServiceDialog(parent), m_ctx(std::move(context)), m_calibration(session, timers) {
    setObjectName(QStringLiteral("KALI_ALL_Form"));
    setWindowTitle(tr("Spannungsabgleich"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    LAYOUT_SetTag(this, kFormTag);

    auto* group = new QGroupBox(tr(" Spannungsabgleich "), this);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(tr("aktuelle Betriebsspannung:"), group));
    m_value = new QLineEdit(group);
    m_value->setObjectName(QStringLiteral("ValueEdit"));
    m_value->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000.0000")));
    row->addWidget(m_value);
    row->addWidget(new QLabel(tr("V"), group));
    m_ok = new QPushButton(tr("&OK"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("&Abbrechen"), this);
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* top = new QVBoxLayout(this);
    top->addWidget(group);
    top->addLayout(buttons);

    m_valueControl = QtLineEdit(m_value);
    m_calibration.view.voltageEdit = &m_valueControl;
    m_calibration.view.showVoltageDialog = [this] { return runVoltageDialog(); };
    m_calibration.view.enableInput = [this](bool on) { m_value->setEnabled(on); };
    connect(m_value, &QLineEdit::editingFinished, this, [this] { valueExit(); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        valueExit();  // Enter in the field counts as leaving it
        endModal(Calibration::ResultOk);
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] { endModal(Calibration::ResultFailed); });
}

void TKALI_ALL_Form::valueExit() {
    if (m_inExit) return;
    m_inExit = true;
    m_calibration.VoltageExit();
    m_inExit = false;
}

int TKALI_ALL_Form::runVoltageDialog() {
    if (m_ctx.restoreForm) m_ctx.restoreForm(this, kFormTag);
    const int result = showModal();
    if (m_ctx.saveForm) m_ctx.saveForm(this, kFormTag);
    return result;
}

void TKALI_ALL_Form::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && m_ctx.showHelp) {
        m_ctx.showHelp(kHelpContext);
        return;
    }
    ServiceDialog::keyPressEvent(e);
}
