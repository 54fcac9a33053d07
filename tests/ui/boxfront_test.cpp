// On an X display with a window manager, as the technician works: keys typed through the
// window system into the free telegram window, and the boxes and dialogs the program opens
// while a window that stays on top is shown: each is the active window and lies above it.
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

#include "mainwinharness.h"
#include "qtports.h"
#include "teleform.h"
#include "xvfbdisplay.h"

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

}  // namespace
