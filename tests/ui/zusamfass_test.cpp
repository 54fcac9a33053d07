// The summary window: remark, save, open and print through the user-interaction port, with
// the window's modal showing played by the test.
#include "zusamfass.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>

#include "charset.h"
#include "printing.h"
#include "settingslanguage.h"
#include "viewtestsupport.h"

namespace {

struct ModalState {
    std::string title;
    bool printShown, closeShown, okShown, readOnly;
    std::string text;
    QSize minimum;
    int helpContext;
};

class SummaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        LANG_SetDateFormats("DEU");
        cfg.rows = {{"BUS Version", "W-BUS V3.4", ""}, {"Gerätebezeichnung", "HVD 420", ""}};
        bet.rows = {{"Brennzeit", "1234:56", "h:m"}};
        TZUSAMFASS_Form::Context c;
        c.ui = &ui;
        c.lists = [this] { return DiagReportLists{&cfg, &bet, &err}; };
        c.summaryFileName = &summaryFile;
        c.showHelp = [this](int topic) { helpTopics.push_back(topic); };
        c.now = [] { return QDateTime(QDate(2026, 3, 9), QTime(14, 5, 7)); };
        form = std::make_unique<TZUSAMFASS_Form>(std::move(c));
        // The user: notes what the window shows, types the remark, closes with a button.
        form->runModal = [this](TZUSAMFASS_Form& f) {
            shown.push_back({str(f.windowTitle()), !f.printButton()->isHidden(),
                             !f.closeButton()->isHidden(), !f.okButton()->isHidden(),
                             f.textArea()->isReadOnly(), str(f.textArea()->toPlainText()),
                             f.minimumSize(), f.helpContext()});
            if (!typed.empty()) f.textArea()->setPlainText(QString::fromStdString(typed));
            return closeWith;
        };
    }

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    static ByteString bytes(const std::string& file) {
        QFile f(QString::fromStdString(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : ByteString("<missing>");
    }
    static void write(const std::string& file, const ByteString& content) {
        QFile f(QString::fromStdString(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.data(), static_cast<qint64>(content.size()));
    }
    void choose(const std::string& file) { ui.fileChoices.push_back(FileDialogChoice{file, 1}); }

    QTemporaryDir dir;
    FakeUserInteraction ui;
    FakeList cfg, bet, err;
    ByteString summaryFile;
    std::vector<int> helpTopics;
    std::unique_ptr<TZUSAMFASS_Form> form;
    std::vector<ModalState> shown;
    std::string typed;
    int closeWith = TZUSAMFASS_Form::ResultOk;
};

TEST_F(SummaryTest, SaveAsksForTheRemarkAndWritesTheReport) {
    const std::string file = path("bericht.txt");
    summaryFile = path("alt.txt");
    choose(file);
    typed = "Kunde Müller\nAuftrag 7";
    const QSize before = form->size();
    form->ZUSAM_SaveReport();

    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "Reportdatei sichern");
    EXPECT_EQ(ui.fileRequests[0].filter, "Textdatei  (*.txt)|*.TXT");
    EXPECT_EQ(ui.fileRequests[0].filterIndex, 1);
    EXPECT_EQ(ui.fileRequests[0].helpContext, 106);
    EXPECT_EQ(ui.fileRequests[0].initialDir, dir.path().toStdString());
    EXPECT_EQ(summaryFile, file);

    // the remark entry: empty, editable, only "&OK", the small size
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Bemerkung");
    EXPECT_FALSE(shown[0].printShown);
    EXPECT_FALSE(shown[0].closeShown);
    EXPECT_TRUE(shown[0].okShown);
    EXPECT_FALSE(shown[0].readOnly);
    EXPECT_EQ(shown[0].text, "");
    EXPECT_EQ(shown[0].minimum, QSize(400, 300));
    EXPECT_EQ(form->minimumSize(), QSize(750, 300));
    EXPECT_EQ(form->size(), before);
    EXPECT_EQ(form->helpContext(), 0) << "saving leaves the help context";
    EXPECT_EQ(form->Remark, "Kunde Müller\nAuftrag 7");

    const ByteString saved = bytes(file);
    EXPECT_EQ(saved, TOOL_Utf8ToWindows1252(form->reportText()));
    EXPECT_EQ(saved.rfind("Diagnosebericht", 0), 0u);
    EXPECT_NE(saved.find("\r\n\r\nKunde M\xFCller\r\nAuftrag 7\r\n\r\nKonfiguration:"),
              ByteString::npos);
    EXPECT_NE(saved.find("  Ger\xE4tebezeichnung" + ByteString(67, '.') + "HVD 420 \r\n"),
              ByteString::npos);
    EXPECT_NE(saved.find("  Brennzeit" + ByteString(75, '.') + "1234:56 h:m\r\n"),
              ByteString::npos);
    EXPECT_EQ(saved.substr(saved.size() - 22), "\r\n09.03.26  14:05:07\r\n");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SummaryTest, NothingIsWrittenWithoutFileAndRemark) {
    const std::string file = path("bericht.txt");
    struct Case {
        const char* what;
        bool dialogConfirmed;
        int overwriteAnswer;  // 0: no question expected
        int remarkClose;
        size_t remarksAsked;
    };
    const Case cases[] = {
        {"dialog cancelled", false, 0, TZUSAMFASS_Form::ResultOk, 0},
        {"overwrite refused", true, MB_NO, TZUSAMFASS_Form::ResultOk, 0},
        {"remark cancelled", true, MB_YES, TZUSAMFASS_Form::ResultNone, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(file, "old report\r\n");
        shown.clear();
        ui.boxes.clear();
        if (c.dialogConfirmed) choose(file);
        if (c.overwriteAnswer) ui.answers.push_back(c.overwriteAnswer);
        closeWith = c.remarkClose;
        form->ZUSAM_SaveReport();
        EXPECT_EQ(shown.size(), c.remarksAsked);
        EXPECT_EQ(bytes(file), "old report\r\n");
        EXPECT_EQ(ui.boxes.size(), c.overwriteAnswer ? 1u : 0u);
    }
}

TEST_F(SummaryTest, ReportThatCannotBeWrittenSaysSoAndKeepsTheOldOne) {
    const std::string file = path("bericht.txt");
    write(file, "old report\r\n");
    // the new report cannot be put beside the old one (a folder holds its place)
    ASSERT_EQ(::mkdir((file + ".tmp~").c_str(), 0755), 0);
    choose(file);
    ui.answers.push_back(MB_YES);
    form->ZUSAM_SaveReport();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text, "    Datei bericht.txt überschreiben?    ");
    EXPECT_EQ(ui.boxes[1].kind, MsgKind::Error);
    EXPECT_EQ(ui.boxes[1].text, "    Datei bericht.txt konnte nicht erstellt werden!    ");
    EXPECT_EQ(ui.boxes[1].buttons, MB_OK);
    EXPECT_EQ(bytes(file), "old report\r\n");
}

TEST_F(SummaryTest, OpenShowsTheReportAsSaved) {
    const std::string file = path("bericht.txt");
    form->Remark = "Prüfstand 3\r\n°C über €";
    form->ZUSAM_BuildReport();
    ASSERT_TRUE(ZUSAM_WriteReport(file, form->reportText()));
    const ByteString onDisk = bytes(file);
    form->textArea()->clear();

    choose(file);
    form->ZUSAM_OpenReport();
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "Reportdatei öffnen");
    EXPECT_EQ(ui.fileRequests[0].filter, "Textdatei  (*.txt)|*.TXT");
    EXPECT_EQ(ui.fileRequests[0].helpContext, 105);
    EXPECT_EQ(summaryFile, file);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Zusammenfassung anzeigen");
    EXPECT_TRUE(shown[0].printShown);
    EXPECT_TRUE(shown[0].closeShown);
    EXPECT_FALSE(shown[0].okShown);
    EXPECT_TRUE(shown[0].readOnly);
    EXPECT_EQ(shown[0].helpContext, 105);
    EXPECT_NE(shown[0].text.find("Prüfstand 3\n°C über €\n"), std::string::npos);
    // round trip: what the window holds is the file's bytes again
    EXPECT_EQ(TOOL_Utf8ToWindows1252(form->reportText()), onDisk);
    EXPECT_TRUE(ui.printRequests.empty()) << "closed with \"Schließen\"";

    // closed with "&Drucken": the shared print dialog, here cancelled
    choose(file);
    closeWith = TZUSAMFASS_Form::ResultYes;
    form->ZUSAM_OpenReport();
    ASSERT_EQ(ui.printRequests.size(), 1u);
    EXPECT_EQ(ui.printRequests[0].documentTitle, "Report");
    EXPECT_EQ(ui.printRequests[0].helpContext, 105);
}

TEST_F(SummaryTest, ReportShowsItsWidestLinesWhole) {
    form->ZUSAM_BuildReport();
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->textArea()->horizontalScrollBar()->maximum(), 0)
        << "the 100-column rules need no scrolling";
    EXPECT_GE(form->width(), 750);
}

TEST_F(SummaryTest, OpenFailures) {
    summaryFile = path("last.txt");
    form->ZUSAM_OpenReport();  // cancelled
    EXPECT_EQ(summaryFile, path("last.txt"));
    EXPECT_TRUE(ui.boxes.empty());

    choose(path("missing.txt"));
    form->ZUSAM_OpenReport();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "    Datei missing.txt nicht gefunden!    ");

    // a file far larger than any report is not read
    const std::string big = path("big.txt");
    write(big, "");
    ASSERT_EQ(::truncate(big.c_str(), 64 * 1024 * 1024), 0);
    choose(big);
    form->ZUSAM_OpenReport();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].kind, MsgKind::Error);
    EXPECT_EQ(ui.boxes[1].text, "    Datei big.txt konnte nicht geöffnet werden!    ");
    EXPECT_TRUE(shown.empty()) << "the window stays unshown";
}

TEST_F(SummaryTest, PrintAsksForTheRemarkFirst) {
    closeWith = TZUSAMFASS_Form::ResultNone;
    form->ZUSAM_PrintReport();
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(ui.printRequests.empty()) << "a cancelled remark prints nothing";
    EXPECT_EQ(form->helpContext(), 107);
}

// Runs a tool of the PDF utilities and returns what it wrote.
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("<failed>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(SummaryTest, PrintToPdfFileHoldsTheReport) {
    const std::string pdf = path("report.pdf");
    typed = "Kunde Müller";
    PrintChoice toFile;
    toFile.pdfFile = pdf;
    ui.printChoices.push_back(toFile);
    form->ZUSAM_PrintReport();

    ASSERT_EQ(ui.printRequests.size(), 1u);
    EXPECT_EQ(ui.printRequests[0].documentTitle, "Report");
    EXPECT_EQ(ui.printRequests[0].helpContext, 107);
    const ByteString head = bytes(pdf).substr(0, 5);
    ASSERT_EQ(head, "%PDF-");

    const QString text =
        run("pdftotext", {"-layout", "-enc", "UTF-8", QString::fromStdString(pdf), "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("Diagnosebericht"))) << str(text);
    EXPECT_TRUE(text.contains(QStringLiteral("NAVIRON Calvix Test V 1.4")));
    EXPECT_TRUE(text.contains(QStringLiteral("Kunde Müller")));
    // the dotted line comes out whole: one font width, nothing wrapped
    EXPECT_TRUE(text.contains(QStringLiteral("Gerätebezeichnung") + QString(67, '.') +
                              QStringLiteral("HVD 420")))
        << str(text);
    // (the text tool gives any run of blanks between words as one)
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("09\\.03\\.26\\s+14:05:07"))));
    const QString info = run("pdfinfo", {QString::fromStdString(pdf)});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Report")))) << str(info);
    const QString fonts = run("pdffonts", {QString::fromStdString(pdf)});
    EXPECT_TRUE(fonts.contains(QStringLiteral("Mono"))) << str(fonts);
}

}  // namespace

namespace {

TEST(Printing, ChoiceOfTheDialogDecidesPageAndTarget) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* what;
        QString file;
        bool landscape;
        bool printed;
        const char* pageSize;
    };
    const Case cases[] = {
        {"portrait", dir.filePath("p.pdf"), false, true, "595 x 842"},
        {"landscape", dir.filePath("l.pdf"), true, true, "842 x 595"},
        {"file that cannot be made", dir.filePath("no/such/folder/x.pdf"), false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintChoice choice;
        choice.pdfFile = c.file.toStdString();
        choice.landscape = c.landscape;
        EXPECT_EQ(UI_PrintPlainText(choice, QStringLiteral("Zeile 1\nZeile 2"),
                                    QStringLiteral("Report"), 100),
                  c.printed);
        if (!c.printed) continue;
        EXPECT_TRUE(run("pdfinfo", {c.file}).contains(QString::fromLatin1(c.pageSize)));
        EXPECT_TRUE(run("pdftotext", {c.file, "-"}).contains(QStringLiteral("Zeile 2")));
    }
}

// Through the shared print dialog: a cancelled dialog says nothing, a file that cannot be
// made is named in an error box.
TEST(Printing, AFailedPrintIsSaid) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FakeUserInteraction ui;
    PrintChoice choice;
    choice.pdfFile = dir.filePath("no/such/folder/bericht.pdf").toStdString();
    ui.printChoices = {std::nullopt, choice};
    const QString text = QStringLiteral("Zeile 1");
    EXPECT_FALSE(UI_PrintPlainText(ui, text, QStringLiteral("Report"), 100, 0));
    EXPECT_TRUE(ui.boxes.empty()) << "cancelled";
    EXPECT_FALSE(UI_PrintPlainText(ui, text, QStringLiteral("Report"), 100, 0));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(ui.boxes[0].text, "    Datei bericht.pdf konnte nicht erstellt werden!    ");
}

}  // namespace
