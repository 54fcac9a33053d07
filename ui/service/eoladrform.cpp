#include "eoladrform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "layout.h"
#include "qtcontrols.h"

TDS_EOL_ADR_Form::TDS_EOL_ADR_Form(MainEngine& engine, BusLayers& buses, ViewContext context,
                                   QWidget* parent)
    : QDialog(parent), m_ctx(std::move(context)), m_edits(11, nullptr) {
    setObjectName(QStringLiteral("DS_EOL_ADR_Form"));
    setWindowTitle(tr("EOL-Zelle"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    LAYOUT_SetTag(this, kFormTag);

    auto* group = new QGroupBox(tr(" EOL-Zelle "), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("hex"), group), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("dez"), group), 0, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("bin"), group), 0, 3, Qt::AlignCenter);
    const QString rowNames[] = {tr("Adresse"), tr("aktueller Inhalt"), tr("neuer Inhalt")};
    // Field numbers per row (hex, dec, bin) and their longest texts.
    const int numbers[3][3] = {{1, 3, 4}, {5, 6, 7}, {8, 9, 10}};
    const int lengths[3][3] = {{5, 6, 16}, {4, 6, 16}, {4, 6, 12}};
    const int widths[3] = {70, 70, 170};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(rowNames[r], group), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            auto* e = new QLineEdit(group);
            const int n = numbers[r][c];
            e->setObjectName(QStringLiteral("Edit%1").arg(n));
            e->setMaxLength(lengths[r][c]);
            e->setAlignment(Qt::AlignRight);
            e->setMinimumWidth(widths[c]);
            if (r == 1) {
                e->setReadOnly(true);
                e->setFocusPolicy(Qt::NoFocus);  // skipped by the Tab key
            } else {
                e->installEventFilter(this);
            }
            grid->addWidget(e, r + 1, c + 1);
            m_edits[static_cast<size_t>(n)] = e;
        }
    }

    m_read = new QPushButton(tr("Lesen"), this);
    m_read->setObjectName(QStringLiteral("Button2"));
    m_read->setEnabled(false);
    m_read->setAutoDefault(false);
    m_write = new QPushButton(tr("Schreiben"), this);
    m_write->setObjectName(QStringLiteral("Button3"));
    m_write->setEnabled(false);
    m_write->setAutoDefault(false);
    auto* close = new QPushButton(tr("&Schließen"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_read);
    buttons->addWidget(m_write);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    EolCellControls c;
    IEditControl** fields[] = {&c.Edit1, nullptr,  &c.Edit3, &c.Edit4, &c.Edit5,
                               &c.Edit6, &c.Edit7, &c.Edit8, &c.Edit9, &c.Edit10};
    for (int n = 1; n <= 10; ++n) {
        if (!fields[n - 1]) continue;
        m_wrappers.push_back(std::make_unique<QtLineEdit>(m_edits[static_cast<size_t>(n)]));
        *fields[n - 1] = m_wrappers.back().get();
    }
    c.enableButtons = [this](bool on) {
        m_read->setEnabled(on);
        m_write->setEnabled(on);
    };
    m_service = std::make_unique<EolCellService>(engine, buses, std::move(c));

    connect(m_read, &QPushButton::clicked, this, [this] { m_service->Button2Click(); });
    connect(m_write, &QPushButton::clicked, this, [this] { m_service->Button3Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (m_ctx.showHelp) m_ctx.showHelp(kHelpContext);
    });
}

TDS_EOL_ADR_Form::~TDS_EOL_ADR_Form() = default;

QLineEdit* TDS_EOL_ADR_Form::edit(int number) const {
    return number >= 1 && number <= 10 ? m_edits[static_cast<size_t>(number)] : nullptr;
}

void TDS_EOL_ADR_Form::leave(QLineEdit* field) {
    if (m_inExit) return;
    m_inExit = true;
    EolCellService& s = *m_service;
    if (field == m_edits[1])
        s.Edit1Exit();
    else if (field == m_edits[3])
        s.Edit3Exit();
    else if (field == m_edits[4])
        s.Edit4Exit();
    else if (field == m_edits[8])
        s.Edit8Exit();
    else if (field == m_edits[9])
        s.Edit9Exit();
    else if (field == m_edits[10])
        s.Edit10Exit();
    m_inExit = false;
}

bool TDS_EOL_ADR_Form::eventFilter(QObject* watched, QEvent* e) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && e->type() == QEvent::FocusOut && isVisible()) leave(field);
    if (field && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            leave(field);
            const bool address = field == m_edits[1] || field == m_edits[3] || field == m_edits[4];
            if (address)
                m_service->Button2Click();
            else
                m_service->Button3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TDS_EOL_ADR_Form::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous() && m_ctx.restoreForm) m_ctx.restoreForm(this, kFormTag);
}

void TDS_EOL_ADR_Form::hideEvent(QHideEvent* e) {
    if (!e->spontaneous() && m_ctx.saveForm) m_ctx.saveForm(this, kFormTag);
    QDialog::hideEvent(e);
}
