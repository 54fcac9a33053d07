// The shared file dialogs' filters: each description shown once, and its pattern matching
// file names in either case. The message box's Help button.
#include "qtports.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QTemporaryDir>

#include "boxuser.h"
#include "helpservice.h"
#include "viewtestsupport.h"

namespace {

TEST(FileFilters, EachDescriptionShownOnce) {
    struct Case {
        const char* filter;
        QStringList shown;
    } cases[] = {
        {"Textdatei  (*.txt)|*.TXT", {"Textdatei (*.txt)"}},
        {"Protokolldatei (*.LOG)|*.LOG|Textdatei (*.txt)|*.TXT",
         {"Protokolldatei (*.LOG)", "Textdatei (*.txt)"}},
        {"Parametersatz|*.prn;*.eol", {"Parametersatz (*.prn *.eol)"}},
        {"Parametersatz (*.prn)|*.prn;*.eol", {"Parametersatz (*.prn) (*.prn *.eol)"}},
        {"Alle Dateien (*.*)|*.*", {"Alle Dateien (*.*)"}},
        {"ohne Muster", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(toQtFilters(c.filter), c.shown) << c.filter;
}

TEST(FileFilters, PatternMatchesEitherCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"bericht.txt", "WERKSTATT.TXT", "messung.log"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog(nullptr, QString(), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(toQtFilters("Textdatei  (*.txt)|*.TXT"));
    dialog.show();
    auto* files = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(files, nullptr);
    QStringList listed;
    QElapsedTimer waited;
    waited.start();
    while (listed.size() < 2 && waited.elapsed() < 5000) {
        QApplication::processEvents();
        listed.clear();
        const QModelIndex root = files->rootIndex();
        for (int r = 0; r < files->model()->rowCount(root); ++r)
            listed << files->model()->index(r, 0, root).data().toString();
    }
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"WERKSTATT.TXT", "bericht.txt"}));
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Textdatei (*.txt)"));
}

// Help shows its topic through the help service and the box comes back until OK or Cancel;
// without the help file the service says which file it looked for, in a box of its own.
TEST(MessageBoxHelp, ShowsTheTopicAndKeepsTheBoxUntilOkOrCancel) {
    QtUserInteraction ui(nullptr);
    HelpService help([](const QUrl&) { return true; });
    help.HELP_SetFile(QStringLiteral("/nowhere/NAVIRON-HELP-DEU.CHM"));
    help.setProblemHandler([&ui](HelpService::Problem, const QString& file) {
        ui.messageBox(MsgKind::Information, fromQ("not found: " + file), MB_OK);
    });
    std::vector<int> topics;
    ui.showHelp = [&](int context) {
        topics.push_back(context);
        help.HELP_ShowContext(context);
    };
    const QString text = QStringLiteral("     Zur Ausführung dieser Funktion");
    std::vector<QString> seen;
    auto look = [&](QMessageBox& box) {
        seen.push_back(box.text());
        return box.text() == text;
    };
    struct Case {
        QMessageBox::StandardButton last;
        int result;
    };
    for (const Case& c : {Case{QMessageBox::Cancel, MB_CANCEL}, Case{QMessageBox::Ok, MB_OK}}) {
        seen.clear();
        topics.clear();
        BoxUser user({
            [&](QMessageBox& box) {
                EXPECT_TRUE(look(box));
                EXPECT_NE(box.button(QMessageBox::Ok), nullptr);
                EXPECT_NE(box.button(QMessageBox::Cancel), nullptr);
                BoxUser::press(box, QMessageBox::Help);
            },
            [&](QMessageBox& box) {  // the help service's own box, without a Help button
                look(box);
                EXPECT_EQ(box.button(QMessageBox::Help), nullptr);
                BoxUser::press(box, QMessageBox::Ok);
            },
            [&](QMessageBox& box) { look(box), BoxUser::press(box, QMessageBox::Help); },
            [&](QMessageBox& box) { look(box), BoxUser::press(box, QMessageBox::Ok); },
            [&](QMessageBox& box) { look(box), BoxUser::press(box, c.last); },
        });
        EXPECT_EQ(ui.messageBox(MsgKind::Warning, fromQ(text), MB_OK | MB_CANCEL, 410), c.result);
        EXPECT_EQ(user.stepsDone(), 5u);
        EXPECT_EQ(topics, (std::vector<int>{410, 410}));
        const QString missing = QStringLiteral("not found: /nowhere/NAVIRON-HELP-DEU.CHM");
        EXPECT_EQ(seen, (std::vector<QString>{text, missing, text, missing, text}));
    }

    // Escape after Help is Cancel, as before it.
    {
        BoxUser escape({
            [&](QMessageBox& box) { BoxUser::press(box, QMessageBox::Help); },
            [&](QMessageBox& box) { BoxUser::press(box, QMessageBox::Ok); },
            [&](QMessageBox& box) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(&box, &key);
            },
        });
        EXPECT_EQ(ui.messageBox(MsgKind::Warning, fromQ(text), MB_OK | MB_CANCEL, 410), MB_CANCEL);
        EXPECT_EQ(escape.stepsDone(), 3u);
    }

    // Without a help context the box has no Help button.
    BoxUser plain({[&](QMessageBox& box) {
        EXPECT_EQ(box.button(QMessageBox::Help), nullptr);
        BoxUser::press(box, QMessageBox::Ok);
    }});
    EXPECT_EQ(ui.messageBox(MsgKind::Warning, fromQ(text), MB_OK | MB_CANCEL), MB_OK);
    EXPECT_EQ(plain.stepsDone(), 1u);
}

// A box is as wide as its longest line: the lines the text is laid out in stay whole, no word
// is left on a line of its own; a line wider than the screen wraps within it.
TEST(MessageBoxSize, TheTextKeepsItsLines) {
    struct Case {
        const char* what;
        QString text;
        bool fits;  // the longest line fits on the screen
    };
    const Case cases[] = {
        {"one padded line",
         QStringLiteral("     Bitte den Prüfstecker anstelle des Temperatursensor anstecken.     "),
         true},
        {"padded lines",
         QStringLiteral("     Der Komponententest wurde beendet:       \r\n"
                        "     - anschließend das Heizgerät wieder an das Bordnetz "
                        "anschließen       \r\n"
                        "     - Diagnose neu starten"),
         true},
        {"short", QStringLiteral("     Fertig.     "), true},
        {"wider than the screen", QString(60, 'W') + ' ' + QString(60, 'W'), false},
    };
    QtUserInteraction ui(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int lines = 0, labelHeight = 0, lineHeight = 0, boxWidth = 0, screenWidth = 0;
        BoxUser user({[&](QMessageBox& box) {
            auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr);
            lines = static_cast<int>(box.text().count('\n')) + 1;
            labelHeight = label->height();
            lineHeight = label->fontMetrics().lineSpacing();
            boxWidth = box.frameGeometry().width();
            screenWidth = box.screen()->availableGeometry().width();
            BoxUser::press(box, QMessageBox::Ok);
        }});
        ui.messageBox(MsgKind::Information, fromQ(c.text), MB_OK);
        ASSERT_EQ(user.stepsDone(), 1u);
        if (c.fits)
            EXPECT_LT(labelHeight, (lines + 1) * lineHeight) << lines << " lines";
        else
            EXPECT_GT(labelHeight, lines * lineHeight);  // wrapped
        EXPECT_LE(boxWidth, screenWidth);
    }
}

}  // namespace
