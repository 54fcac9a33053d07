// The about window (software version, the adapter's hardware version, the liability note) and
// the update notice shown once after start. Both name the product and carry the maker's web
// link, which opens in the desktop's default browser.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QUrl>
#include <functional>

#include "modaldialog.h"
#include "records.h"

class QHBoxLayout;
class QLayout;
class QPushButton;

// The program's software version as both windows show it.
inline constexpr char kSoftwareVersion[] = "V 1.4";

// The maker's web link: an underlined label that opens its address when clicked.
class WebLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit WebLinkLabel(QWidget* parent);
    static QString host();
    static QUrl address();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// Opens a web address; false when it could not be opened. Empty: the desktop's default browser.
using UrlOpener = std::function<bool(const QUrl& address)>;

// What both windows share: the program's picture beside the product name, the web link and
// OK. FormShow runs whenever the window is shown.
class ProductForm : public QDialog {
    Q_OBJECT
public:
    virtual void FormShow() = 0;
    // Opens the web link; a failure is not reported (the address stands on the label).
    virtual void Label5Click();

    UrlOpener openUrl;

    WebLinkLabel* Label5() const { return m_link; }
    QPushButton* OKBtn() const { return m_ok; }

protected:
    ProductForm(const QString& objectName, const QString& caption, int helpContext,
                std::function<void(int context)> showHelp, QWidget* parent);
    // The picture, and beside it the product name with `details` below.
    QHBoxLayout* heading(QLayout* details);
    void showEvent(QShowEvent* e) override;

    WebLinkLabel* m_link = nullptr;
    QPushButton* m_ok = nullptr;
};

class THELP_Info_Form : public ProductForm, public ModalHook<THELP_Info_Form> {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 10;

    explicit THELP_Info_Form(std::function<void(int context)> showHelp, QWidget* parent = nullptr);

    // Two bytes: the high and low nibble of the first as major and minor number, the second
    // as a letter ("V 2.1 B" for 0x21 0x42). Anything shorter empties the line.
    void SetHardwareVersion(const ByteString& version);
    static QString hardwareVersionText(const ByteString& version);
    // Modal, as the help menu shows it.
    void Execute();
    void FormShow() override;

    QLabel* Version() const { return m_version; }
    QLabel* HWVersion() const { return m_hwVersion; }

private:
    QLabel* m_version = nullptr;
    QLabel* m_hwVersion = nullptr;
};

class THELP_Update_Form : public ProductForm, public ModalHook<THELP_Update_Form> {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 10;

    explicit THELP_Update_Form(std::function<void(int context)> showHelp,
                               QWidget* parent = nullptr);

    // Modal. There is no version check: the notice only points to the maker's site.
    void Execute();
    void FormShow() override;
    // Opens the link, then the notice closes with OK.
    void Label5Click() override;

    QLabel* Label9() const { return m_software; }

private:
    QLabel* m_software = nullptr;
};
