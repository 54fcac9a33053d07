// Parameter sets and single EOL cells from the main window, on the simulated KX3090: the
// "Datensatz" actions move a set between unit, file, buffer and editor, the editor keeps the
// checksum cell and prints, and the cell window reads and writes one cell.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "eoladrform.h"
#include "eolrwform.h"
#include "mainwinharness.h"
#include "paramsetfile.h"
#include "tranzform.h"

namespace {

class MainWindowEol : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        run = std::make_unique<MainWinRun>(dir.path());
        TMAIN_Form& f = *run->form;
        // The progress dialog's modal run: program time goes on until the transfer ends it.
        f.tranzForm()->runModalHook = [this](TMAIN_Tranz_Form& d) {
            shownTitles.push_back(d.windowTitle());
            for (int i = 0; i < 20000 && d.progress().ModalResult() == TransferProgress::NoResult;
                 ++i)
                run->advance(10);
        };
        run->showReady();
        f.action(QStringLiteral("DIAG_Start"))->trigger();
        ASSERT_TRUE(run->runUntil([&] { return f.engine().SessionUp; }, 10000));
        run->advance(500);
        run->ui.boxes.clear();
    }
    bool enabled(const char* name) const {
        return run->form->action(QString::fromLatin1(name))->isEnabled();
    }
    void trigger(const char* name) { run->form->action(QString::fromLatin1(name))->trigger(); }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
    std::unique_ptr<MainWinRun> run;
    QStringList shownTitles;
};

TEST_F(MainWindowEol, DataSetActionsMoveTheSet) {
    for (const char* a : {"DSATZ_FILEtoSG", "DSATZ_FILEtoEDIT", "DSATZ_FILEtoZWIS",
                          "DSATZ_SGtoFILE", "DSATZ_SGtoEDIT", "DSATZ_SGtoZWIS", "DSATZ_EOL_EDIT"})
        EXPECT_TRUE(enabled(a)) << a;
    for (const char* a :
         {"DSATZ_ZWIStoFILE", "DSATZ_ZWIStoEDIT", "DSATZ_ZWIStoSG", "DSATZ_ZWISDel"})
        EXPECT_FALSE(enabled(a)) << a << ": the buffer is empty";

    const std::string file = path("backup.prn");
    run->ui.fileChoices.push_back(FileDialogChoice{file, 1});
    trigger("DSATZ_SGtoFILE");
    EXPECT_EQ(shownTitles, QStringList{QStringLiteral("Parametersatz auslesen")});
    TEolParamSet saved;
    ASSERT_EQ(ParamSetFile::LoadFromFile(file, 1, saved), ParamSetFile::LoadOk);
    EXPECT_EQ(saved.Count, 256);
    EXPECT_EQ(run->form->settings().ParamSetFileName, file);

    run->advance(300);  // the unit leaves its block mode after the dialog has closed
    trigger("DSATZ_SGtoZWIS");
    ASSERT_TRUE(run->runUntil([&] { return enabled("DSATZ_ZWISDel"); }, 2000));
    EXPECT_TRUE(enabled("DSATZ_ZWIStoSG"));
    trigger("DSATZ_ZWISDel");
    EXPECT_FALSE(enabled("DSATZ_ZWIStoSG"));

    // The file back into the unit after the unit's cells changed.
    auto& mem = run->unit.eol().memory();
    const std::vector<uint8_t> original = mem.cells();
    for (uint32_t a = 0; a < 256; ++a) mem[a] = 0;
    run->advance(300);
    run->ui.fileChoices.push_back(FileDialogChoice{file, 1});
    trigger("DSATZ_FILEtoSG");
    EXPECT_EQ(mem.cells(), original);

    // The file into the buffer, the buffer into the editor: what is edited there stays in the
    // buffer when the editor is closed, and goes from the buffer to a file and to the unit.
    run->advance(300);
    run->ui.fileChoices.push_back(FileDialogChoice{file, 1});
    trigger("DSATZ_FILEtoZWIS");
    EXPECT_TRUE(enabled("DSATZ_ZWIStoSG"));
    EXPECT_TRUE(enabled("DSATZ_ZWISDel"));
    TDS_EOL_RW_Form& rw = *run->form->eolRwForm();
    QString shown;
    rw.showModal = [&](TDS_EOL_RW_Form& form) {
        shown = form.EOLGrid()->item(1, 6)->text();  // address 0x05
        form.typeIntoCell(0x05, QStringLiteral("5a"));
        form.CloseButton()->click();
        return form.result();
    };
    trigger("DSATZ_ZWIStoEDIT");
    EXPECT_EQ(shown, QString::asprintf("%02X", original[0x05]));
    const std::string copy = path("copy.prn");
    run->ui.fileChoices.push_back(FileDialogChoice{copy, 1});
    trigger("DSATZ_ZWIStoFILE");
    TEolParamSet copied;
    ASSERT_EQ(ParamSetFile::LoadFromFile(copy, 1, copied), ParamSetFile::LoadOk);
    ASSERT_EQ(copied.Count, 256);
    EXPECT_EQ(copied.item(0x06).Value, 0x5A);
    run->advance(300);
    trigger("DSATZ_ZWIStoSG");
    EXPECT_EQ(mem[0x05], 0x5A);

    // That file in the editor, saved from there ("In Datei speichern...") under a new name.
    rw.showModal = [&](TDS_EOL_RW_Form& form) {
        shown = form.EOLGrid()->item(1, 6)->text();
        form.typeIntoCell(0x06, QStringLiteral("6b"));
        form.SaveButton()->click();
        return form.result();
    };
    const std::string edited = path("edited.prn");
    run->advance(300);
    run->ui.fileChoices.push_back(FileDialogChoice{copy, 1});
    run->ui.fileChoices.push_back(FileDialogChoice{edited, 1});
    trigger("DSATZ_FILEtoEDIT");
    EXPECT_EQ(shown, QStringLiteral("5A"));
    TEolParamSet saved2;
    ASSERT_EQ(ParamSetFile::LoadFromFile(edited, 1, saved2), ParamSetFile::LoadOk);
    ASSERT_EQ(saved2.Count, 256);
    EXPECT_EQ(saved2.item(0x06).Value, 0x5A);
    EXPECT_EQ(saved2.item(0x07).Value, 0x6B);
    EXPECT_EQ(run->form->settings().ParamSetFileName, edited);
    EXPECT_EQ(mem[0x06], original[0x06]) << "saving sends nothing to the unit";
    EXPECT_EQ(shownTitles.size(), 4u) << "no transfer but the four to and from the unit";
    EXPECT_TRUE(run->ui.boxes.empty());
}

TEST_F(MainWindowEol, EditorKeepsTheChecksumPrintsAndProgramsTheUnit) {
    TDS_EOL_RW_Form& rw = *run->form->eolRwForm();
    const std::string pdf = path("set.pdf");
    QString checksumShown, emptyShown;
    bool emptyEditable = true;
    rw.showModal = [&](TDS_EOL_RW_Form& form) {
        run->advance(500);  // the user looks a moment
        form.typeIntoCell(0x20, QStringLiteral("aa"));
        checksumShown = form.EOLGrid()->item(9, 1)->text();  // address 0x80
        PrintChoice toFile;
        toFile.pdfFile = pdf;
        run->ui.printChoices.push_back(toFile);
        form.PrintButton()->click();
        // A .prn has all 256 cells here; the rows stop after the last address.
        emptyShown = form.EOLGrid()->item(16, 16)->text();
        emptyEditable = form.EOLGrid()->rowCount() != 17;
        return EolParamSetService::EditorProgram;
    };
    trigger("DSATZ_SGtoEDIT");
    auto& mem = run->unit.eol().memory();
    EXPECT_EQ(mem[0x20], 0xAA);
    EXPECT_TRUE(mem.checksumsRight());
    EXPECT_EQ(checksumShown, QString::asprintf("%02X", mem[0x80]));
    EXPECT_EQ(emptyShown, QString::asprintf("%02X", mem[0xFF]));
    EXPECT_FALSE(emptyEditable);
    EXPECT_EQ(shownTitles, (QStringList{QStringLiteral("Parametersatz auslesen"),
                                        QStringLiteral("Parametersatz übertragen")}));
    ASSERT_EQ(run->ui.printRequests.size(), 1u);
    EXPECT_EQ(run->ui.printRequests[0].documentTitle, "Dataset");
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("0020\\s+AA\\s+170"))))
        << text.toStdString();
    EXPECT_TRUE(run->ui.boxes.empty());
}

TEST_F(MainWindowEol, CellWindowReadsAndWritesOneCell) {
    trigger("DSATZ_EOL_EDIT");
    TDS_EOL_ADR_Form& w = *run->form->eolAdrForm();
    EXPECT_TRUE(w.isVisible());
    ASSERT_TRUE(w.Button2()->isEnabled());
    w.edit(1)->setText(QStringLiteral("30"));
    w.service().Edit1Exit();
    w.Button2()->click();
    ASSERT_TRUE(run->runUntil([&] { return !w.service().Running(); }, 3000));
    EXPECT_TRUE(w.Button2()->isEnabled());
    auto& mem = run->unit.eol().memory();
    EXPECT_EQ(w.edit(5)->text(), QString::asprintf("%02X", mem[0x30]));
    w.edit(9)->setText(QStringLiteral("66"));
    w.service().Edit9Exit();
    w.Button3()->click();
    ASSERT_TRUE(run->runUntil([&] { return !w.service().Running(); }, 3000));
    EXPECT_EQ(mem[0x30], 66);
    EXPECT_TRUE(mem.checksumsRight());
    EXPECT_EQ(w.edit(5)->text(), QStringLiteral("42"));
    EXPECT_EQ(w.edit(6)->text(), QStringLiteral("66"));

    // Escape closes the window, from a field as from anywhere in it, and nothing is sent or
    // asked on the way; the action opens it again.
    const uint8_t before = mem[0x30];
    for (QWidget* from : {static_cast<QWidget*>(w.edit(9)), static_cast<QWidget*>(&w)}) {
        trigger("DSATZ_EOL_EDIT");
        ASSERT_TRUE(w.isVisible());
        w.edit(9)->setText(QStringLiteral("77"));
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
        run->advance(500);
        EXPECT_EQ(mem[0x30], before);
        EXPECT_TRUE(run->ui.boxes.empty());
    }
}

}  // namespace
