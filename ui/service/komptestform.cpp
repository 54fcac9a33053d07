#include "komptestform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "layout.h"
#include "qtports.h"

TKOMP_TEST_Form::TKOMP_TEST_Form(DiagSession& session, ViewContext context, QWidget* parent)
    : ServiceDialog(parent), m_ctx(std::move(context)), m_komp(session) {
    setObjectName(QStringLiteral("KOMP_TEST_Form"));
    setWindowTitle(tr("Komponententest"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    LAYOUT_SetTag(this, kFormTag);

    auto* components = new QGroupBox(tr(" Komponente "), this);
    auto* list = new QVBoxLayout(components);
    for (int i = 0; i < KompTest::RadioCount; ++i) {
        auto* r = new QRadioButton(components);
        r->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        r->setProperty("Tag", i + 1);
        list->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this, i] { m_komp.RadioButtonClick(i + 1); });
        m_radios[static_cast<size_t>(i)] = r;
    }
    list->addStretch();

    auto* values = new QGroupBox(tr(" optionale Sollwerte "), this);
    auto* grid = new QGridLayout(values);
    m_edit1 = new QLineEdit(values);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit2 = new QLineEdit(values);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    m_label4 = new QLabel(values);
    m_label3 = new QLabel(values);
    for (QLineEdit* e : {m_edit1, m_edit2})
        e->setMinimumWidth(fontMetrics().horizontalAdvance("00000000"));
    grid->addWidget(new QLabel(tr("Sollwert"), values), 0, 0);
    grid->addWidget(m_edit1, 0, 1);
    grid->addWidget(m_label4, 0, 2);
    grid->addWidget(new QLabel(tr("Laufzeit"), values), 1, 0);
    grid->addWidget(m_edit2, 1, 1);
    grid->addWidget(m_label3, 1, 2);
    grid->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance("U/min  "));
    grid->setRowStretch(2, 1);

    m_button1 = new QPushButton(tr("&Beenden"), this);
    m_button2 = new QPushButton(tr("&alles aus"), this);
    m_button3 = new QPushButton(tr("&Start"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button2->setObjectName(QStringLiteral("Button2"));
    m_button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton* b : {m_button1, m_button2, m_button3}) b->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_button3);
    buttons->addWidget(m_button2);
    buttons->addStretch();
    buttons->addWidget(m_button1);

    auto* right = new QVBoxLayout;
    right->addWidget(values);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout(this);
    top->addWidget(components, 1);
    top->addLayout(right);

    m_edit1Control = QtLineEdit(m_edit1);
    m_edit2Control = QtLineEdit(m_edit2);
    m_komp.view.setpointEdit = &m_edit1Control;
    m_komp.view.runtimeEdit = &m_edit2Control;
    m_komp.view.refresh = [this] { showState(); };
    m_komp.view.showModal = [this] { return runWindow(); };

    auto exit = [this](void (KompTest::*handler)()) {
        return [this, handler] {
            if (m_inExit) return;  // a range message takes the focus away once more
            m_inExit = true;
            (m_komp.*handler)();
            m_inExit = false;
        };
    };
    connect(m_edit1, &QLineEdit::editingFinished, this, exit(&KompTest::Edit1Exit));
    connect(m_edit2, &QLineEdit::editingFinished, this, exit(&KompTest::Edit2Exit));
    connect(m_button1, &QPushButton::clicked, this, [this] { endModal(2); });
    connect(m_button2, &QPushButton::clicked, this, [this] { m_komp.Button2Click(); });
    connect(m_button3, &QPushButton::clicked, this, [this] { m_komp.Button3Click(); });
    showState();
}

void TKOMP_TEST_Form::showState() {
    const bool on = m_komp.controlsEnabled();
    for (int tag = 1; tag <= KompTest::RadioCount; ++tag) {
        const KompRadio& r = m_komp.radio(tag);
        QRadioButton* b = RadioButton(tag);
        b->setText(toQ(r.caption));
        b->setVisible(r.shown);
        b->setEnabled(on && r.shown);
        // A radio group cannot uncheck its last button by itself.
        b->setAutoExclusive(false);
        b->setChecked(r.checked);
        b->setAutoExclusive(true);
    }
    m_label4->setText(toQ(m_komp.setpointUnitText()));
    m_label3->setText(toQ(m_komp.runtimeUnitText()));
    m_button2->setEnabled(on);
    m_button3->setEnabled(on);
    if (!on) {
        TOOL_EnableEdit(m_edit1Control, false);
        TOOL_EnableEdit(m_edit2Control, false);
    }
}

int TKOMP_TEST_Form::runWindow() {
    m_komp.FormShow();
    if (m_ctx.restoreForm) m_ctx.restoreForm(this, kFormTag);
    showState();
    showModal();
    // Whatever closed it, the window's one result is "&Beenden".
    m_komp.FormClose();
    if (m_ctx.saveForm) m_ctx.saveForm(this, kFormTag);
    return 2;
}

void TKOMP_TEST_Form::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && m_ctx.showHelp) {
        m_ctx.showHelp(KompTest::HelpContext);
        return;
    }
    ServiceDialog::keyPressEvent(e);
}
