// Every file the main window reads or writes for the user, offered a named pipe, a folder, the
// zero and full devices, a path into a missing folder and a read-only file: each is answered
// at once by a box naming the file (a read-only source is simply read), nothing waits on the
// pipe, and nothing that was there is replaced.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstring>
#include <functional>

#include "dialoghelpers.h"
#include "hostilefiles.h"
#include "kx3117unit.h"
#include "mainwinharness.h"
#include "paramsetfile.h"
#include "protokoll.h"
#include "protstartform.h"
#include "safefile.h"
#include "srecords.h"
#include "zusamfass.h"

namespace {

class MainWindowHostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The read-only cases run as an ordinary user, who must reach the files.
        ::chmod(dir.path().toLocal8Bit().constData(), 0777);
        run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
        run->showReady();
        TMAIN_Form& f = *run->form;
        f.summaryForm()->runModal = [](TZUSAMFASS_Form&) { return int(TZUSAMFASS_Form::ResultOk); };
        f.action(QStringLiteral("DIAG_Start"))->trigger();
        ASSERT_TRUE(run->runUntil([&] { return f.engine().SessionUp; }, 10000));
        run->advance(500);
        // A set in the buffer, for the writer from there.
        const std::string good = dir.filePath("gut.prn").toStdString();
        std::ofstream(good, std::ios::binary) << paramSet();
        run->ui.fileChoices.push_back(FileDialogChoice{good, 1});
        trigger("DSATZ_FILEtoZWIS");
        ASSERT_TRUE(run->form->action(QStringLiteral("DSATZ_ZWIStoFILE"))->isEnabled());
        run->ui.boxes.clear();
    }
    void trigger(const char* name) { run->form->action(QString::fromLatin1(name))->trigger(); }
    void choose(const std::string& file, int filterIndex = 1) {
        run->ui.fileChoices.push_back(FileDialogChoice{file, filterIndex});
    }
    static ByteString paramSet() {
        const ByteString sep = ";" + ByteString(73, '*') + "\r\n";
        return sep + ";  10.12.2026 15:42:58\r\n" + sep + "0001  02     2\r\n" + sep;
    }

    QTemporaryDir dir;
    SimKX3117Unit unit;
    std::unique_ptr<MainWinRun> run;
};

TEST_F(MainWindowHostileFiles, EveryReaderAndWriterRefusesWhatIsNoRegularFileAtOnce) {
    const auto box = [](const std::string& file, const ByteString& tail) {
        return TOOL_FileMessage(file, tail);
    };
    const ByteString notOpened = RS_NotOpened(), notCreated = RS_NotCreated();
    // A software file that is read to its first record, which is bad.
    ByteString badRecord = SREC_Record(1, 0xE000, "\x01\x02");
    badRecord.back() = badRecord.back() == '0' ? '1' : '0';

    struct Row {
        const char* name;
        const char* ext;
        bool reader;
        ByteString readOnlyContent;
        std::function<void(const std::string&)> attempt;
        // The box for a file that cannot be used; a reader's read-only file gives readOnlyBox.
        std::function<ByteString(const std::string&)> refusal;
        std::function<ByteString(const std::string&)> readOnlyBox;
        std::function<ByteString(const std::string&)> fullBox;  // empty: the refusal
    };
    const std::vector<Row> rows{
        {"parameter set read",
         ".prn",
         true,
         paramSet(),
         [&](const std::string& file) {
             choose(file);
             trigger("DSATZ_FILEtoZWIS");
         },
         [&](const std::string& file) { return box(file, notOpened); },
         [](const std::string&) { return ByteString(); },
         {}},
        {"summary report read",
         ".txt",
         true,
         "Bericht\r\n",
         [&](const std::string& file) {
             choose(file);
             trigger("DIAG_ZUSAM_Open");
         },
         [&](const std::string& file) { return box(file, notOpened); },
         [](const std::string&) { return ByteString(); },
         {}},
        {"software file read",
         ".s19",
         true,
         badRecord + "\r\n",
         [&](const std::string& file) {
             choose(file, 0);
             trigger("EXTR_FLASH");
         },
         [&](const std::string& file) { return box(file, notOpened); },
         [](const std::string&) {
             return ByteString("      Checksumme fehlerhaft in Zeile 1!     ");
         },
         {}},
        {"parameter set write",
         ".prn",
         false,
         "alt\r\n",
         [&](const std::string& file) {
             choose(file);
             trigger("DSATZ_ZWIStoFILE");
         },
         [&](const std::string& file) { return box(file, notCreated); },
         {},
         {}},
        {"summary report write",
         ".txt",
         false,
         "alt\r\n",
         [&](const std::string& file) {
             choose(file);
             trigger("DIAG_ZUSAM_Save");
         },
         [&](const std::string& file) { return box(file, notCreated); },
         {},
         {}},
        {"measurement log",
         ".log",
         false,
         "alt\r\n",
         [&](const std::string& file) {
             run->form->protStartForm()->showModal = [file](TPROT_START_Form& d) {
                 d.Edit1()->setText(QString::fromStdString(file));
                 d.Edit2()->setText(QStringLiteral("1"));
                 d.Button2()->click();
                 return d.result();
             };
             trigger("DIAG_PROT_Start");
         },
         [&](const std::string& file) { return box(file, notCreated); },
         {},
         [](const std::string& file) {
             return "     Fehler beim schreiben in die Messwerteprotokolldatei '" +
                    TOOL_FileNameOnly(file) + "' !     ";
         }},
        {"telegram log recording",
         ".txt",
         false,
         "alt\r\n",
         [&](const std::string& file) {
             choose(file);
             run->form->protForm()->PROT_LOG()->trigger();
         },
         [&](const std::string& file) { return box(file, notOpened); },
         {},
         {}},
    };

    int n = 0;
    for (const Row& row : rows) {
        const std::string folder = dir.filePath(QString::number(++n)).toStdString();
        ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
        for (const HostileFile& h : HOSTILE_Make(folder, row.ext, row.readOnlyContent)) {
            SCOPED_TRACE(std::string(row.name) + " x " + h.name);
            const std::string before = HOSTILE_State(h.path);
            run->ui.boxes.clear();
            HOSTILE_HangGuard guard(h.path, std::chrono::milliseconds(2000));
            {
                std::unique_ptr<HOSTILE_AsOrdinaryUser> user;
                if (h.kind == HostileKind::ReadOnly)
                    user = std::make_unique<HOSTILE_AsOrdinaryUser>();
                row.attempt(h.path);
            }
            run->advance(200);  // a message that waits for the event loop comes now
            EXPECT_FALSE(guard.finish()) << "waited on the file";
            EXPECT_EQ(HOSTILE_State(h.path), before) << "the file was replaced";

            ByteString expected = row.refusal(h.path);
            if (h.kind == HostileKind::ReadOnly && row.reader) expected = row.readOnlyBox(h.path);
            if (h.kind == HostileKind::Full && row.fullBox) expected = row.fullBox(h.path);
            if (h.kind == HostileKind::MissingFolder && row.reader)
                expected = box(h.path, RS_NotFound());
            std::vector<ByteString> errors;
            for (const auto& b : run->ui.boxes)
                if (b.kind == MsgKind::Error) errors.push_back(b.text);
            if (expected.empty()) {
                EXPECT_TRUE(errors.empty()) << errors.front();
            } else {
                ASSERT_EQ(errors.size(), 1u);
                EXPECT_EQ(errors[0], expected);
            }
            EXPECT_FALSE(run->form->MeasurementLogActive);
            EXPECT_FALSE(run->form->protForm()->PROT_LOG()->isChecked());
            run->form->protForm()->PROT_LOG()->setChecked(false);
        }
    }
}

}  // namespace

namespace {

// The settings file of a run: a pipe or a folder in its place is set aside and the window
// comes up on the defaults, saying once which file it could not use; a folder that cannot be
// written any more gets one message at the exit.
TEST(MainWindowSettingsFile, OneUnusableFileOneMessageAndTheWindowStillComesUp) {
    struct Case {
        const char* name;
        std::function<void(const std::string& file)> make;
    };
    const Case cases[] = {
        {"named pipe", [](const std::string& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0666), 0); }},
        {"folder", [](const std::string& f) { ASSERT_EQ(::mkdir(f.c_str(), 0777), 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const std::string file = dir.filePath("TRELUN_10.ini").toStdString();
        c.make(file);
        HOSTILE_HangGuard guard(file, std::chrono::milliseconds(3000));
        {
            MainWinRun run(dir.path());
            EXPECT_FALSE(guard.finish()) << "waited on the settings file";
            EXPECT_TRUE(run.ui.boxes.empty()) << "the message waits for the window";
            run.showReady();
            EXPECT_TRUE(run.form->isMaximized()) << "the first-run placement";
            ASSERT_EQ(run.ui.boxes.size(), 1u);
            EXPECT_EQ(run.ui.boxes[0].kind, MsgKind::Error);
            EXPECT_NE(run.ui.boxes[0].text.find(file), ByteString::npos);
            EXPECT_NE(run.ui.boxes[0].text.find("Grundeinstellungen"), ByteString::npos);
            run.advance(500);
            run.form->close();
            EXPECT_EQ(run.ui.boxes.size(), 1u) << "said once";
        }
        EXPECT_EQ(HOSTILE_State(file), c.name == std::string("folder") ? "folder" : "pipe");
    }
}

TEST(MainWindowSettingsFile, ASaveThatFailsAtTheExitIsSaid) {
    QTemporaryDir dir;
    ::chmod(dir.path().toLocal8Bit().constData(), 0777);
    const QString folder = dir.filePath("ro");
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        MainWinRun first(folder);
        first.showReady();
        first.form->close();
    }
    const std::string file = (folder + "/TRELUN_10.ini").toStdString();
    const std::string before = HOSTILE_State(file);
    ASSERT_NE(before, "missing");
    ASSERT_EQ(::chmod(folder.toLocal8Bit().constData(), 0555), 0);
    MainWinRun run(folder);
    run.showReady();
    EXPECT_TRUE(run.ui.boxes.empty());
    run.form->settings().AdapterSerial = "NV0815B";
    {
        HOSTILE_AsOrdinaryUser user;
        run.form->close();
    }
    ASSERT_EQ(run.ui.boxes.size(), 1u);
    EXPECT_EQ(run.ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(run.ui.boxes[0].text, "     Die Einstellungen konnten nicht in " + file +
                                        " gespeichert werden (" + std::strerror(EACCES) +
                                        ").     ");
    EXPECT_EQ(HOSTILE_State(file), before);
}

}  // namespace
