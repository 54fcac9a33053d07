// The shared file dialogs' filters: each description shown once, and its pattern matching
// file names in either case.
#include "qtports.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>

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

}  // namespace
