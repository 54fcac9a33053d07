// The main window's keys as a user meets them: after every window and menu of the program has
// been opened and closed once, no key belongs to two enabled actions (a key held twice does
// nothing at all), and F4 pressed on the main window switches the heater off in each class
// that has the off command, fresh and after such a walk.
#include <gtest/gtest.h>

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "kx3090unit.h"
#include "kx3117unit.h"
#include "kx3141unit.h"
#include "kx3166unit.h"
#include "servicerun.h"
#include "settingslanguage.h"

namespace {

// A user who closes whatever modal window comes up, as soon as it is there.
class ModalCloser {
public:
    ModalCloser() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

// Opens every window the main window's actions lead to (all but the session, heater and
// program ones) and every menu and sub-menu, closing each again, and leaves the keyboard on
// the menu bar, as after walking the menus with the keys. Questions on the way are cancelled.
void lookAround(MainWinRun& run) {
    TMAIN_Form& f = *run.form;
    ModalCloser closer;
    run.ui.answers.assign(400, MB_CANCEL);
    // The help topics open in the desktop's viewer, outside the program.
    const QStringList keepOut = {QStringLiteral("DIAG_Start"), QStringLiteral("DIAG_Stop"),
                                 QStringLiteral("DIAG_SYS_Close"), QStringLiteral("HELP_Inhalt"),
                                 QStringLiteral("HELP_Index")};
    for (QAction* a : f.findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (f.action(name) != a || keepOut.contains(name) ||
            name.startsWith(QLatin1String("STEU_")) || !a->isEnabled())
            continue;
        a->trigger();
        run.advance(300);
        EXPECT_TRUE(f.engine().SessionUp) << "the session ended at " << name.toStdString();
        // A window that stays open beside the main window is closed again.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &f && w->isVisible() && !qobject_cast<QMenu*>(w)) w->close();
        run.advance(50);
    }
    for (QMenu* m : f.menuBar()->findChildren<QMenu*>()) {
        m->popup(f.mapToGlobal(QPoint(10, 10)));
        QApplication::processEvents();
        m->close();
    }
    run.ui.answers.clear();
    run.ui.boxes.clear();
    f.activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    f.menuBar()->setFocus();
    QApplication::processEvents();
}

// Each key of the action table that two enabled actions of the main window answer at the same
// moment, with their names. A table action answers its key wherever the focus is in the window,
// so any other enabled holder of the key, whatever it is bound to, makes the key ambiguous.
std::map<QString, QStringList> keysHeldTwice(TMAIN_Form& f) {
    std::map<QString, QStringList> holders;
    QSet<QString> tableKeys;
    for (QAction* a : f.findChildren<QAction*>()) {
        if (!a->isEnabled()) continue;
        const QString name = a->objectName().isEmpty() ? a->text() : a->objectName();
        for (const QKeySequence& k : a->shortcuts()) {
            if (k.isEmpty()) continue;
            holders[k.toString()] << name;
            if (f.action(a->objectName()) == a) tableKeys.insert(k.toString());
        }
    }
    std::map<QString, QStringList> twice;
    for (const auto& [key, names] : holders)
        if (tableKeys.contains(key) && names.size() > 1) twice[key] = names;
    return twice;
}

std::string describe(const std::map<QString, QStringList>& keys) {
    std::string s;
    for (const auto& [key, names] : keys)
        s += key.toStdString() + ": " + names.join(QStringLiteral(" + ")).toStdString() + "\n";
    return s;
}

// A class with its off command: how the heater (or, in class 1, the pump) is switched on and
// how the unit tells it runs.
template <typename Unit>
struct OffKeyCase {
    const char* name;
    const char* onAction;
    std::function<bool(const Unit&)> running;
};

template <typename Unit>
void pressOffKey(ServiceRun<Unit>& t, const OffKeyCase<Unit>& c, const char* when,
                 const ByteString& idle) {
    SCOPED_TRACE(std::string(c.name) + ", " + when);
    // What ran on the way (the component test) has ended its after-run.
    ASSERT_TRUE(t.run->runUntil([&] { return t.dp("OVRZUSTAND") == idle; }, 120000));
    QAction* on = t.form().action(QString::fromLatin1(c.onAction));
    ASSERT_TRUE(on->isEnabled());
    on->trigger();  // the pump box is confirmed
    ASSERT_TRUE(t.run->runUntil([&] { return c.running(t.unit); }, 5000));
    ASSERT_TRUE(t.form().action(QStringLiteral("STEU_AUS"))->isEnabled());
    EXPECT_EQ(describe(keysHeldTwice(t.form())), "");
    int offs = 0;
    QMetaObject::Connection counted = QObject::connect(t.form().action(QStringLiteral("STEU_AUS")),
                                                       &QAction::triggered, [&] { ++offs; });
    QTest::keyClick(&t.form(), Qt::Key_F4);
    QObject::disconnect(counted);
    EXPECT_EQ(offs, 1);
    EXPECT_TRUE(t.run->runUntil([&] { return !c.running(t.unit); }, 5000)) << "still running";
    // The after-run ends before the heater can start again.
    EXPECT_TRUE(t.run->runUntil([&] { return t.dp("OVRZUSTAND") == idle; }, 120000));
}

template <typename Unit>
void offKeyInEverySituation(const OffKeyCase<Unit>& c) {
    ServiceRun<Unit> t;
    t.start();
    t.form().activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.form()));
    const ByteString idle = t.dp("OVRZUSTAND");
    pressOffKey(t, c, "fresh session", idle);
    lookAround(*t.run);
    ASSERT_TRUE(t.form().engine().SessionUp);
    pressOffKey(t, c, "after every window and menu", idle);
}

TEST(MainWindowKeys, F4SwitchesOffInEveryClassWithTheOffCommand) {
    offKeyInEverySituation<SimKX3090Unit>(
        {"class 1, pump", "STEU_UP", [](const SimKX3090Unit& u) { return u.pumpRunning(); }});
    offKeyInEverySituation<SimKX3117Unit>(
        {"class 3, Zuheizen", "STEU_Zuheiz", [](const SimKX3117Unit& u) { return u.heating(); }});
    offKeyInEverySituation<SimKX3141Unit>(
        {"class 4, Heizen", "STEU_Heiz",
         [](const SimKX3141Unit& u) { return u.heatingCommanded(); }});
    offKeyInEverySituation<SimKX3166Unit>(
        {"class 5, Standheizen", "STEU_Stand",
         [](const SimKX3166Unit& u) { return u.override(SimKX3166Unit::HS) == 1; }});
}

TEST(MainWindowKeys, NoKeyOfTheActionTableIsHeldTwiceAfterEveryWindowAndMenu) {
    ServiceRun<SimKX3166Unit> t;  // the class with the most actions and menu lines
    t.start();
    lookAround(*t.run);
    EXPECT_EQ(describe(keysHeldTwice(t.form())), "");
    // Every key of the table still reaches its action with the menu bar holding the keyboard;
    // F4 last, with the heater on.
    t.trigger("STEU_Stand");
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.override(SimKX3166Unit::HS) == 1; }, 5000));
    t.form().menuBar()->setFocus();
    struct Key {
        Qt::Key key;
        const char* action;
    };
    const Key keys[] = {{Qt::Key_F5, "STEU_ERRDEL"},
                        {Qt::Key_F12, "DIAG_ZUSAM_Print"},
                        {Qt::Key_F8, "EXTR_TELG"},
                        {Qt::Key_F4, "STEU_AUS"}};
    for (const Key& k : keys) {
        SCOPED_TRACE(k.action);
        QAction* a = t.form().action(QString::fromLatin1(k.action));
        ASSERT_TRUE(a->isEnabled());
        int runs = 0;
        QMetaObject::Connection counted = QObject::connect(a, &QAction::triggered, [&] { ++runs; });
        t.run->ui.answers.assign(4, MB_NO);
        {
            ModalCloser closer;
            QTest::keyClick(&t.form(), k.key);
        }
        QObject::disconnect(counted);
        EXPECT_EQ(runs, 1);
        t.run->advance(200);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &t.form() && w->isVisible() && !qobject_cast<QMenu*>(w)) w->close();
        t.form().activateWindow();
        t.form().menuBar()->setFocus();
        QApplication::processEvents();
    }
    ASSERT_TRUE(t.run->runUntil([&] { return t.unit.override(SimKX3166Unit::HS) == 0; }, 5000));
}

// The letter a menu line is chosen by (the one after a single '&'), lower case; none: empty.
QString menuLetter(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Within each menu of the menu bar (and within the bar itself) no two shown lines share their
// letter, in German and in English: a shared letter only steps between the lines.
TEST(MainWindowKeys, NoTwoLinesOfAMenuShareTheirLetter) {
    for (const char* language : {"DEU", "ENG"}) {
        SCOPED_TRACE(language);
        if (QLatin1String(language) == QLatin1String("ENG")) {
            ASSERT_TRUE(LANG_Load(QStringLiteral("ENG"), QStringLiteral(CALVIX_QM_DIR)));
        }
        {
            ServiceRun<SimKX3166Unit> t;  // the class with the most menu lines
            t.start();
            // The control menu's lines carry the letters of the control units' own naming.
            std::vector<QWidget*> menus = {t.form().menuBar()};
            for (QMenu* m : t.form().menuBar()->findChildren<QMenu*>())
                if (m->objectName() != QLatin1String("Steuerung1")) menus.push_back(m);
            for (QWidget* menu : menus) {
                std::map<QString, QStringList> byLetter;
                for (QAction* a : menu->actions()) {
                    if (a->isVisible() && !a->isSeparator() && !menuLetter(a->text()).isEmpty())
                        byLetter[menuLetter(a->text())] << a->text();
                }
                for (const auto& [letter, lines] : byLetter)
                    EXPECT_EQ(lines.size(), 1) << menu->objectName().toStdString() << ": "
                                               << lines.join(QStringLiteral(" / ")).toStdString();
            }
        }
        LANG_Unload();
    }
}

}  // namespace
