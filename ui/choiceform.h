// A small settings dialog that offers one choice out of two: a group with a picture and a
// radio button for each, and OK and Cancel. A click on a picture checks its radio button. The
// language and the temperature unit dialogs are built on it.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>

#include "modaldialog.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QToolButton;

class TwoChoiceForm : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        QString imageName;  // object names of the picture and the radio button
        QString radioName;
        QPixmap picture;
        QString text;
    };

    TwoChoiceForm(const QString& objectName, const QString& caption, const QString& groupTitle,
                  const Choice& first, const Choice& second, int helpContext,
                  std::function<void(int context)> showHelp, QWidget* parent);

    // Picture Tag 1 checks the first radio button, Tag 2 the second.
    void IMGClick(int tag);

    QRadioButton* firstRadio() const { return m_radio[0]; }
    QRadioButton* secondRadio() const { return m_radio[1]; }
    QToolButton* firstImage() const { return m_image[0]; }
    QToolButton* secondImage() const { return m_image[1]; }
    QPushButton* OKBtn() const { return m_ok; }
    QPushButton* CancelBtn() const { return m_cancel; }

private:
    QRadioButton* m_radio[2] = {};
    QToolButton* m_image[2] = {};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

// Pictures for the choices, drawn at the size the dialogs show them.
QPixmap CHOICE_FlagGerman();
QPixmap CHOICE_FlagEnglish();
// A unit symbol ("°C") on a plain field.
QPixmap CHOICE_UnitPicture(const QString& symbol);
