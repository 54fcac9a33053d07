#include "komptestpdp.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "qtports.h"

TKOMP_TESTPDP::TKOMP_TESTPDP(ITimerFactory& timers, std::function<bool()> checkLink,
                             QWidget* parent)
    : ServiceDialog(parent), m_countdown(timers, std::move(checkLink)) {
    setObjectName(QStringLiteral("KOMP_TESTPDP"));
    setWindowTitle(tr("Pumpendruckprüfung"));
    setModal(true);
    auto* group = new QGroupBox(tr(" Test läuft "), this);
    auto* g = new QVBoxLayout(group);
    g->addWidget(new QLabel(tr("Bitte prüfen Sie den Pumpendruck"), group));
    m_label4 = new QLabel(QStringLiteral("--"), group);
    m_label4->setObjectName(QStringLiteral("Label4"));
    g->addWidget(m_label4);
    m_progress = new QProgressBar(group);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, KompCountdown::Maximum);
    m_progress->setTextVisible(false);
    g->addWidget(m_progress);
    m_cancel = new QPushButton(tr("Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* top = new QVBoxLayout(this);
    top->addWidget(group);
    top->addWidget(m_cancel, 0, Qt::AlignHCenter);
    setMinimumWidth(320);

    m_countdown.view.showModal = [this] { return showModal(); };
    m_countdown.view.endModal = [this](int r) { endModal(r); };
    m_countdown.view.refresh = [this] {
        m_label4->setText(toQ(m_countdown.remainingText()));
        m_progress->setValue(m_countdown.position());
    };
    connect(m_cancel, &QPushButton::clicked, this,
            [this] { endModal(KompCountdown::ResultCancelled); });
}
