#include "choiceform.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPictureWidth = 36;
constexpr int kPictureHeight = 24;

QPixmap blankPicture() {
    QPixmap pm(kPictureWidth, kPictureHeight);
    pm.fill(Qt::white);
    return pm;
}

}  // namespace

TwoChoiceForm::TwoChoiceForm(const QString& objectName, const QString& caption,
                             const QString& groupTitle, const Choice& first, const Choice& second,
                             int helpContext, std::function<void(int)> showHelp, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags) {
    setObjectName(objectName);
    setWindowTitle(caption);

    auto* group = new QGroupBox(groupTitle, this);
    auto* grid = new QGridLayout(group);
    auto* radios = new QButtonGroup(this);
    const Choice* choices[] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        const int tag = i + 1;
        m_image[i] = new QToolButton(group);
        m_image[i]->setObjectName(choices[i]->imageName);
        m_image[i]->setProperty("Tag", tag);
        m_image[i]->setIcon(QIcon(choices[i]->picture));
        m_image[i]->setIconSize(choices[i]->picture.size());
        m_image[i]->setAutoRaise(true);
        m_image[i]->setFocusPolicy(Qt::NoFocus);
        connect(m_image[i], &QToolButton::clicked, this, [this, tag] { IMGClick(tag); });
        m_radio[i] = new QRadioButton(choices[i]->text, group);
        m_radio[i]->setObjectName(choices[i]->radioName);
        radios->addButton(m_radio[i]);
        grid->addWidget(m_image[i], i, 0);
        grid->addWidget(m_radio[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    m_radio[0]->setChecked(true);

    const DialogButtons buttons = DIALOG_OkCancelButtons(this, tr("OK"), tr("Abbrechen"));
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(260);

    DIALOG_AddHelpKey(this, helpContext, std::move(showHelp));
}

void TwoChoiceForm::IMGClick(int tag) {
    if (tag == 1) m_radio[0]->setChecked(true);
    if (tag == 2) m_radio[1]->setChecked(true);
}

QPixmap CHOICE_FlagGerman() {
    QPixmap pm = blankPicture();
    QPainter p(&pm);
    const int h = kPictureHeight / 3;
    p.fillRect(0, 0, kPictureWidth, h, Qt::black);
    p.fillRect(0, h, kPictureWidth, h, QColor(0xdd, 0x00, 0x00));
    p.fillRect(0, 2 * h, kPictureWidth, kPictureHeight - 2 * h, QColor(0xff, 0xce, 0x00));
    return pm;
}

QPixmap CHOICE_FlagEnglish() {
    QPixmap pm = blankPicture();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(0x01, 0x21, 0x69), red(0xc8, 0x10, 0x2e);
    p.fillRect(pm.rect(), blue);
    // The diagonals, then the upright cross, each white with red inside.
    p.setPen(QPen(Qt::white, 5));
    p.drawLine(0, 0, kPictureWidth, kPictureHeight);
    p.drawLine(0, kPictureHeight, kPictureWidth, 0);
    p.setPen(QPen(red, 2));
    p.drawLine(0, 0, kPictureWidth, kPictureHeight);
    p.drawLine(0, kPictureHeight, kPictureWidth, 0);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(kPictureWidth / 2 - 4, 0, 8, kPictureHeight, Qt::white);
    p.fillRect(0, kPictureHeight / 2 - 4, kPictureWidth, 8, Qt::white);
    p.fillRect(kPictureWidth / 2 - 2, 0, 4, kPictureHeight, red);
    p.fillRect(0, kPictureHeight / 2 - 2, kPictureWidth, 4, red);
    return pm;
}

QPixmap CHOICE_UnitPicture(const QString& symbol) {
    QPixmap pm = blankPicture();
    QPainter p(&pm);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    QFont f = p.font();
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x20, 0x40, 0x90));
    p.drawText(pm.rect(), Qt::AlignCenter, symbol);
    return pm;
}
