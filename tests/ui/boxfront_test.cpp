// On an X display with a window manager, as the technician works: keys typed through the
// window system into the free telegram window, and the boxes and dialogs the program opens
// while a window that stays on top is shown (a plain one, and the program's own windows opened
// through the main window on the simulated units): each is the active window and lies above it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "diagsession.h"
#include "eolparamset.h"
#include "eolrwform.h"
#include "kaliallform.h"
#include "komptestform.h"
#include "kx3024unit.h"
#include "mainwinharness.h"
#include "protstartform.h"
#include "qtports.h"
#include "teleform.h"
#include "tranzform.h"
#include "xvfbdisplay.h"
#include "zusamfass.h"

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(5000);
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

// The client windows from bottom to top, as the window manager stacks them.
QList<qulonglong> stacking() {
    const QString out = run(QStringLiteral("xprop"),
                            {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<qulonglong> ids;
    const int hash = static_cast<int>(out.indexOf('#'));
    for (const QString& id : out.mid(hash + 1).split(',', Qt::SkipEmptyParts))
        ids << id.trimmed().toULongLong(nullptr, 16);
    return ids;
}

qulonglong activeWindow() {
    return run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).toULongLong();
}

void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QGuiApplication::sync();
        QTest::qWait(10);
    }
}

// What a dialog looked like to the window manager while it was up.
struct Seen {
    bool active = false;
    bool above = false;
    bool parentIsOpener = false;
};

Seen look(QWidget& dialog, QWidget& opener) {
    settle();
    Seen s;
    const qulonglong id = dialog.winId();
    s.active = activeWindow() == id;
    const QList<qulonglong> order = stacking();
    s.above = order.contains(id) && order.contains(opener.winId()) &&
              order.indexOf(id) > order.indexOf(opener.winId());
    s.parentIsOpener = dialog.parentWidget() == &opener;
    return s;
}

class WindowManagerDisplay : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (xvfbDisplay().isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
            return;
        wm = new QProcess;
        wm->setStandardErrorFile(QProcess::nullDevice());
        wm->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        wm->waitForStarted(5000);
        QTest::qWait(800);
    }
    static void TearDownTestSuite() {
        if (!wm) return;
        wm->terminate();
        if (!wm->waitForFinished(5000)) wm->kill();
        delete wm;
        wm = nullptr;
    }
    void SetUp() override {
        if (xvfbDisplay().isEmpty()) GTEST_SKIP() << "no Xvfb server could be started";
        if (!wm || wm->state() != QProcess::Running) GTEST_SKIP() << "openbox is missing";
        for (const char* tool : {"xdotool", "xprop"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is missing";
        ASSERT_TRUE(dir.isValid());
    }

    static QProcess* wm;
    QTemporaryDir dir;
};
QProcess* WindowManagerDisplay::wm = nullptr;

TEST_F(WindowManagerDisplay, EnterAndKeypadEnterInTheTelegramEntrySendOnce) {
    MainWinRun r(dir.path());
    TMAIN_Form& f = *r.form;
    r.showReady();
    f.action(QStringLiteral("DIAG_Start"))->trigger();
    ASSERT_TRUE(r.runUntil([&] { return f.engine().SessionUp; }, 10000));
    f.action(QStringLiteral("EXTR_TELG"))->trigger();
    TEXTRA_Tele_Form& tele = *f.teleForm();
    ASSERT_TRUE(tele.isVisible());
    struct Press {
        const char* key;
        const char* typed;
        ByteString sent;
    };
    const Press presses[] = {{"Return", "51 0A", ByteString("\x51\x0A", 2)},
                             {"KP_Enter", "51 0B", ByteString("\x51\x0B", 2)}};
    for (const Press& p : presses) {
        SCOPED_TRACE(p.key);
        auto count = [&] {
            return std::count(r.unit.received().begin(), r.unit.received().end(), p.sent);
        };
        tele.activateWindow();
        settle();
        ASSERT_EQ(activeWindow(), tele.winId());
        tele.ComboBox1()->setEditText(QString());
        tele.ComboBox1()->setFocus();
        settle();
        const auto before = count();
        run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                        QStringLiteral("20"), QString::fromLatin1(p.typed)});
        settle();
        ASSERT_EQ(tele.ComboBox1()->currentText(), QString::fromLatin1(p.typed));
        run(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(p.key)});
        settle();
        ASSERT_TRUE(r.runUntil([&] { return tele.Button2()->isEnabled(); }, 2000));
        r.advance(500);
        EXPECT_EQ(count() - before, 1);
        // Written out in its normal form: the entry took the key, the text was not typed on.
        EXPECT_EQ(tele.ComboBox1()->currentText(), QString::fromLatin1(p.typed) + ' ');
    }
    EXPECT_TRUE(r.ui.boxes.empty());
}

// A window that stays on top, shown as the program's service windows are, with the main window
// of the program beneath it.
struct OnTopCase {
    const char* name;
    bool modal;  // shown modally (component test, editor, summary) or beside (free telegram)
};

TEST_F(WindowManagerDisplay, BoxesAndDialogsComeUpAboveTheStayOnTopWindowWithTheFocus) {
    QWidget main;
    main.setWindowTitle(QStringLiteral("main"));
    main.resize(800, 600);
    main.show();
    settle();
    const OnTopCase cases[] = {{"modal window that stays on top", true},
                               {"window beside the main window", false}};
    for (const OnTopCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDialog onTop(&main, Qt::Dialog | Qt::WindowStaysOnTopHint);
        onTop.resize(500, 400);
        QtUserInteraction boxes(&main);
        std::vector<Seen> seen;
        // The user looks at each box as it comes, then presses its first button.
        QTimer user;
        user.setInterval(50);
        QObject::connect(&user, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || w == &onTop || !w->isVisible()) return;
            user.stop();
            seen.push_back(look(*w, onTop));
            if (auto* box = qobject_cast<QMessageBox*>(w))
                box->buttons().first()->click();
            else if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            user.start();
        });
        user.start();
        auto chain = [&] {
            // A question chain (as the pump pressure test asks), then the print dialog.
            for (int i = 0; i < 3; ++i)
                boxes.messageBox(MsgKind::Question, "Frage", MB_YES | MB_NO);
            boxes.printDialog({"Druck", 0});
        };
        if (c.modal) {
            QTimer::singleShot(0, &onTop, [&] {
                chain();
                onTop.reject();
            });
            onTop.exec();
        } else {
            onTop.show();
            settle();
            main.activateWindow();  // the user went back to the main window
            settle();
            chain();
            onTop.hide();
        }
        user.stop();
        ASSERT_EQ(seen.size(), 4u);
        for (size_t i = 0; i < seen.size(); ++i) {
            EXPECT_TRUE(seen[i].active) << "dialog " << i;
            EXPECT_TRUE(seen[i].above) << "dialog " << i;
            EXPECT_TRUE(seen[i].parentIsOpener) << "dialog " << i;
        }
    }
}

// A technician at the real windows: every box or dialog that comes up while the stay-on-top
// window is shown is looked at (how it lies, whose child it is) and answered in turn, a
// message box with the next of the answers (else its first button), the summary's remark
// with OK, any other dialog cancelled.
class DeskUser {
public:
    DeskUser(QWidget& onTop, std::vector<int> answers)
        : m_onTop(onTop), m_answers(std::move(answers)) {
        m_timer.setInterval(50);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start();
    }
    std::vector<Seen> seen;
    QStringList kinds;

private:
    void look() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == &m_onTop || !w->isVisible()) return;
        m_timer.stop();
        if (m_onTop.isVisible()) {
            seen.push_back(::look(*w, m_onTop));
            kinds << QString::fromLatin1(w->metaObject()->className());
        }
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            const int answer = m_next < m_answers.size() ? m_answers[m_next++] : 0;
            const std::map<int, QMessageBox::StandardButton> buttons = {
                {MB_OK, QMessageBox::Ok},
                {MB_YES, QMessageBox::Yes},
                {MB_NO, QMessageBox::No},
                {MB_CANCEL, QMessageBox::Cancel}};
            QAbstractButton* b = buttons.count(answer) ? box->button(buttons.at(answer)) : nullptr;
            (b ? b : box->buttons().first())->click();
        } else if (auto* remark = qobject_cast<TZUSAMFASS_Form*>(w)) {
            remark->done(ResultOk);
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            d->reject();
        }
        m_timer.start();
    }

    QWidget& m_onTop;
    std::vector<int> m_answers;
    size_t m_next = 0;
    QTimer m_timer;
};

// Runs a modal window of the program as exec() would, with the user's doings inside; the
// window closes after them.
int execWith(QDialog& w, const std::function<void()>& user) {
    QTimer::singleShot(0, &w, [&w, user] {
        settle();
        user();
        w.reject();
    });
    return w.exec();
}

// One of the program's windows that stay on top, opened through the main window on the
// simulated unit, and what the user does in it that brings up boxes and dialogs.
struct OnTopWindow {
    const char* name;
    int unitRow;  // the heater chosen (-1: the adapter's first)
    std::vector<int> answers;
    // How many boxes and dialogs come up while the window is shown; the first `fromWindow`
    // of them are the window's own and have it as their parent.
    size_t expected;
    size_t fromWindow;
    // Opens the window and acts in it; returns it (for the checks, while it was shown).
    std::function<void(MainWinRun& r, std::function<void(QWidget&)> user)> open;
};

TEST_F(WindowManagerDisplay, TheProgramsBoxesComeUpAboveItsStayOnTopWindows) {
    auto act = [](MainWinRun& r, const char* name) {
        r.form->action(QString::fromLatin1(name))->trigger();
    };
    const OnTopWindow windows[] = {
        {"free telegram: its entry box, then the summary's remark and print from the main "
         "window",
         -1,
         {MB_OK},
         3,
         1,
         [&](MainWinRun& r, std::function<void(QWidget&)> user) {
             act(r, "EXTR_TELG");
             TEXTRA_Tele_Form& tele = *r.form->teleForm();
             settle();
             user(tele);
         }},
        {"component test, class 2: the pump pressure test's questions",
         1,
         // notice, CO2 No, not adjustable Yes, warning, preparation, execution, sensor Cancel
         {MB_OK, MB_NO, MB_YES, MB_OK, MB_OK, MB_OK, MB_CANCEL},
         7,
         7,
         [&](MainWinRun& r, std::function<void(QWidget&)> user) {
             TKOMP_TEST_Form& w = *r.form->kompTestForm();
             w.runModal = [&w, user] { return execWith(w, [&w, user] { user(w); }); };
             act(r, "DIAG_KOMP_Test");
         }},
        {"parameter-set editor: its print dialog",
         -1,
         {},
         1,
         1,
         [&](MainWinRun& r, std::function<void(QWidget&)> user) {
             TDS_EOL_RW_Form& rw = *r.form->eolRwForm();
             rw.showModal = [user](TDS_EOL_RW_Form& w) {
                 execWith(w, [&w, user] { user(w); });
                 return 0;
             };
             act(r, "DSATZ_SGtoEDIT");
         }},
        {"voltage calibration: the range message",
         -1,
         {MB_OK},
         1,
         1,
         [&](MainWinRun& r, std::function<void(QWidget&)> user) {
             TKALI_ALL_Form& w = *r.form->kaliForm();
             w.runModal = [&w, user] { return execWith(w, [&w, user] { user(w); }); };
             act(r, "KAL_Spann");
         }},
        {"measurement log start: its file dialog",
         -1,
         {},
         1,
         1,
         [&](MainWinRun& r, std::function<void(QWidget&)> user) {
             TPROT_START_Form& w = *r.form->protStartForm();
             w.showModal = [user](TPROT_START_Form& d) {
                 execWith(d, [&d, user] { user(d); });
                 return int(ResultCancel);
             };
             act(r, "DIAG_PROT_Start");
         }},
    };
    // What the user does in each window.
    const std::function<void(MainWinRun&, QWidget&)> doings[] = {
        [&](MainWinRun& r, QWidget& w) {
            auto& tele = static_cast<TEXTRA_Tele_Form&>(w);
            tele.ComboBox1()->setEditText(QStringLiteral("ZZ"));
            tele.Button2()->click();   // a bad entry: its box
            r.form->activateWindow();  // back to the main window, the telegram window open
            settle();
            act(r, "DIAG_ZUSAM_Print");
            tele.close();
        },
        [](MainWinRun&, QWidget& w) {
            auto& komp = static_cast<TKOMP_TEST_Form&>(w);
            komp.RadioButton(8)->click();
            komp.Button3()->click();
        },
        [](MainWinRun&, QWidget& w) { static_cast<TDS_EOL_RW_Form&>(w).PrintButton()->click(); },
        [](MainWinRun&, QWidget& w) {
            auto& kali = static_cast<TKALI_ALL_Form&>(w);
            kali.ValueEdit()->setFocus();
            kali.ValueEdit()->setText(QStringLiteral("40"));  // above the range
            emit kali.ValueEdit()->editingFinished();         // and the field is left
        },
        [](MainWinRun&, QWidget& w) { static_cast<TPROT_START_Form&>(w).Button3()->click(); },
    };
    for (size_t i = 0; i < std::size(windows); ++i) {
        const OnTopWindow& c = windows[i];
        SCOPED_TRACE(c.name);
        SimKX3024Unit class2;
        QTemporaryDir folder;
        MainWinRun r(folder.path(), true, c.unitRow >= 0 ? &class2 : nullptr, true);
        // The transfer progress goes on in program time until the transfer ends it.
        r.form->tranzForm()->runModalHook = [&r](TMAIN_Tranz_Form& d) {
            for (int n = 0; n < 20000 && d.progress().ModalResult() == TransferProgress::NoResult;
                 ++n)
                r.advance(10);
        };
        r.showReady();
        r.form->session().SelectedDeviceIndex = c.unitRow;
        act(r, "DIAG_Start");
        ASSERT_TRUE(r.runUntil([&] { return r.form->engine().SessionUp; }, 15000));
        r.advance(500);
        std::unique_ptr<DeskUser> desk;
        bool opened = false;
        c.open(r, [&](QWidget& w) {
            opened = true;
            ASSERT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
            desk = std::make_unique<DeskUser>(w, c.answers);
            doings[i](r, w);
            settle();
        });
        ASSERT_TRUE(opened);
        ASSERT_TRUE(desk);
        EXPECT_EQ(desk->seen.size(), c.expected) << desk->kinds.join(' ').toStdString();
        for (size_t n = 0; n < desk->seen.size(); ++n) {
            SCOPED_TRACE(desk->kinds.value(static_cast<int>(n)).toStdString());
            EXPECT_TRUE(desk->seen[n].active) << "dialog " << n;
            EXPECT_TRUE(desk->seen[n].above) << "dialog " << n;
            if (n < c.fromWindow) {
                EXPECT_TRUE(desk->seen[n].parentIsOpener) << "dialog " << n;
            }
        }
        desk.reset();
        r.advance(500);
    }
}

}  // namespace
