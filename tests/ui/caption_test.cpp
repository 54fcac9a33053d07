// The captions as the technician sees them: the title an X display gives the program's
// windows (what a window manager puts in the title bar and the task list), read back from
// the display. The main window shows its own caption alone, with and without a session and
// with a view maximised into it; the program's title stays on its message boxes only.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

#include "boxuser.h"
#include "mainwinharness.h"
#include "overviewform.h"
#include "qtports.h"
#include "xvfbdisplay.h"

namespace {

// The window's name as the display holds it, as a window manager reads it.
std::string shownCaption(const QWidget& w) {
    QApplication::processEvents();
    QGuiApplication::sync();
    QProcess p;
    p.start(QStringLiteral("xdotool"),
            {QStringLiteral("getwindowname"), QString::number(w.window()->winId())});
    if (!p.waitForFinished(5000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return "<not readable: " + p.errorString().toStdString() + ">";
    std::string name = p.readAllStandardOutput().toStdString();
    if (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

class VisibleCaption : public ::testing::Test {
protected:
    void SetUp() override {
        if (xvfbDisplay().isEmpty()) GTEST_SKIP() << "no Xvfb server could be started";
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "xdotool is missing";
        ASSERT_TRUE(dir.isValid());
        // As the program starts.
        setProgramNames(QStringLiteral("NAVIRON Diagnose"));
    }

    QTemporaryDir dir;
};

TEST_F(VisibleCaption, MainWindowShowsItsCaptionAloneAndBoxesTheProgramsTitle) {
    MainWinRun run(dir.path());
    TMAIN_Form& f = *run.form;
    run.showReady();
    EXPECT_EQ(shownCaption(f), "NAVIRON Calvix Test");

    f.action(QStringLiteral("DIAG_Start"))->trigger();
    ASSERT_TRUE(run.runUntil([&] { return f.engine().SessionUp; }, 10000));
    const std::string session = "NAVIRON Calvix Test [HVD 420]";
    EXPECT_EQ(shownCaption(f), session);

    // Each view's title bar, drawn inside the main window, carries the view's caption.
    for (QMdiSubWindow* s : f.mdiArea()->subWindowList())
        EXPECT_EQ(s->windowTitle().toStdString(), s->widget()->windowTitle().toStdString());

    // A maximised view joins its caption to the main window's, and nothing else comes in.
    auto* overview = qobject_cast<QMdiSubWindow*>(f.overviewForm()->placedWindow());
    ASSERT_NE(overview, nullptr);
    overview->showMaximized();
    const std::string joined = shownCaption(f);
    EXPECT_EQ(joined.rfind(session, 0), 0u) << joined;
    EXPECT_NE(joined.find("[Übersicht]"), std::string::npos) << joined;
    EXPECT_EQ(joined, f.windowTitle().toStdString());
    overview->showNormal();
    EXPECT_EQ(shownCaption(f), session);

    // The program's own message box: the program's title is its caption.
    std::string boxCaption;
    BoxUser user({[&](QMessageBox& box) {
        boxCaption = shownCaption(box);
        BoxUser::press(box, QMessageBox::Ok);
    }});
    QtUserInteraction boxes(&f);
    EXPECT_EQ(boxes.messageBox(MsgKind::Information, "Hinweis", MB_OK), MB_OK);
    EXPECT_EQ(user.stepsDone(), 1u);
    EXPECT_EQ(boxCaption, "NAVIRON Diagnose");
}

}  // namespace
