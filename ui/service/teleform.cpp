#include "teleform.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QValidator>

#include "modaldialog.h"

namespace {

// Limits what the user types to a number of characters, while a longer text the window writes
// itself (the telegram in its normal form, an entry of the history) stays whole and may still
// be shortened.
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* edit, int limit) : QValidator(edit), m_limit(limit) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& t) { m_accepted = static_cast<int>(t.size()); });
    }
    State validate(QString& input, int&) const override {
        const int n = static_cast<int>(input.size());
        return n <= m_limit || n <= m_accepted ? Acceptable : Invalid;
    }

private:
    int m_limit;
    int m_accepted = 0;
};

}  // namespace

TEXTRA_Tele_Form::TEXTRA_Tele_Form(MainEngine& engine, BusLayers& buses, ViewContext context,
                                   QWidget* parent)
    : QDialog(parent, kFixedDialogFlags | Qt::WindowStaysOnTopHint), m_ctx(std::move(context)) {
    setObjectName(QStringLiteral("EXTRA_Tele_Form"));
    setWindowTitle(tr("freie Telegrammeingabe"));
    setProperty("Tag", kFormTag);
    setModal(false);

    auto* sendGroup = new QGroupBox(tr(" Senden "), this);
    m_combo = new QComboBox(sendGroup);
    m_combo->setObjectName(QStringLiteral("ComboBox1"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);  // the history is the engine's
    m_combo->setMinimumWidth(300);
    m_combo->lineEdit()->setValidator(
        new TypingLimit(m_combo->lineEdit(), FreeTelegram::MaxInputLength));
    m_example = new QLabel(QStringLiteral("50 07 (Hex)"), sendGroup);
    m_example->setObjectName(QStringLiteral("Label2"));
    m_edit1 = new QLineEdit(sendGroup);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit2 = new QLineEdit(sendGroup);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    for (QLineEdit* e : {m_edit1, m_edit2}) {
        e->setMaxLength(2);
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 12);
        e->installEventFilter(this);
    }
    m_send = new QPushButton(tr("Senden"), sendGroup);
    m_send->setObjectName(QStringLiteral("Button2"));
    m_send->setAutoDefault(false);

    auto* addresses = new QHBoxLayout;
    addresses->addWidget(new QLabel(tr("Quelle"), sendGroup));
    addresses->addWidget(m_edit1);
    addresses->addSpacing(12);
    addresses->addWidget(new QLabel(tr("Ziel"), sendGroup));
    addresses->addWidget(m_edit2);
    addresses->addStretch(1);
    addresses->addWidget(m_send);
    auto* sendGrid = new QGridLayout(sendGroup);
    sendGrid->addWidget(new QLabel(tr("Telegramm"), sendGroup), 0, 0);
    sendGrid->addWidget(m_combo, 0, 1);
    sendGrid->addWidget(new QLabel(tr("Beispiel"), sendGroup), 1, 0);
    sendGrid->addWidget(m_example, 1, 1);
    sendGrid->addWidget(new QLabel(tr("Adresse"), sendGroup), 2, 0);
    sendGrid->addLayout(addresses, 2, 1);
    sendGrid->setColumnStretch(1, 1);

    auto* answerGroup = new QGroupBox(tr(" Empfang "), this);
    m_edit3 = new QLineEdit(answerGroup);
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setReadOnly(true);
    auto* answerGrid = new QGridLayout(answerGroup);
    answerGrid->addWidget(new QLabel(tr("Telegramm"), answerGroup), 0, 0);
    answerGrid->addWidget(m_edit3, 0, 1);
    answerGrid->setColumnStretch(1, 1);

    m_close = new QPushButton(tr("&Schließen"), this);
    m_close->setObjectName(QStringLiteral("Button1"));
    m_close->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sendGroup);
    layout->addWidget(answerGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_comboControl = std::make_unique<QtComboEdit>(m_combo);
    m_edit1Control = std::make_unique<QtLineEdit>(m_edit1);
    m_edit2Control = std::make_unique<QtLineEdit>(m_edit2);
    m_edit3Control = std::make_unique<QtLineEdit>(m_edit3);
    IFreeTelegramView& view = *this;
    m_client = std::make_unique<FreeTelegram>(engine, buses, view);
    // Nothing to send to until a session runs.
    m_send->setEnabled(false);
    for (IEditControl* c : std::initializer_list<IEditControl*>{
             m_comboControl.get(), m_edit1Control.get(), m_edit2Control.get()}) {
        c->setEnabled(false);
        c->setWindowBackground(false);
    }

    connect(m_send, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(m_close, &QPushButton::clicked, this, [this] { Button1Click(); });
    // Enter in the telegram entry sends, as the button would (see eventFilter). A key from the
    // keyboard goes to the combo box, which has the focus and hands the key to its line edit
    // directly, past any filter there; a key given to the line edit comes to it first.
    m_combo->installEventFilter(this);
    m_combo->lineEdit()->installEventFilter(this);
    DIALOG_AddHelpKey(this, kHelpContext, m_ctx.showHelp);
}

TEXTRA_Tele_Form::~TEXTRA_Tele_Form() = default;

void TEXTRA_Tele_Form::setSendEnabled(bool enabled) {
    m_send->setEnabled(enabled);
}

void TEXTRA_Tele_Form::setExample(const ByteString& text) {
    m_example->setText(toQ(text));
}

void TEXTRA_Tele_Form::setHistory(const std::vector<ByteString>& entries) {
    // Refilling the list empties the entry; what the user sees there stays.
    const QString typed = m_combo->currentText();
    m_combo->clear();
    for (const ByteString& e : entries) m_combo->addItem(toQ(e));
    m_combo->setEditText(typed);
}

void TEXTRA_Tele_Form::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous() && m_ctx.restoreForm) m_ctx.restoreForm(this, kFormTag);
}

void TEXTRA_Tele_Form::hideEvent(QHideEvent* e) {
    if (!e->spontaneous() && m_ctx.saveForm) m_ctx.saveForm(this, kFormTag);
    QDialog::hideEvent(e);
}

bool TEXTRA_Tele_Form::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && m_combo->isEnabled()) m_combo->setFocus();
    return QDialog::event(e);
}

bool TEXTRA_Tele_Form::eventFilter(QObject* watched, QEvent* e) {
    // Enter in the telegram entry sends once and goes no further: the line edit passes the key
    // on to the combo box, which hands it to the line edit again, so a returnPressed would come
    // twice (a bad entry would get its box twice).
    if (e->type() == QEvent::KeyPress && (watched == m_combo || watched == m_combo->lineEdit())) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_send->isEnabled()) Button2Click();
            return true;
        }
    }
    // Leaving an address edit takes its value; a range box takes the focus away again, so the
    // exit of that moment is not run twice.
    if (e->type() == QEvent::FocusOut && !m_inExit && (watched == m_edit1 || watched == m_edit2)) {
        m_inExit = true;
        if (watched == m_edit1)
            m_client->Edit1Exit();
        else
            m_client->Edit2Exit();
        m_inExit = false;
    }
    return QDialog::eventFilter(watched, e);
}
