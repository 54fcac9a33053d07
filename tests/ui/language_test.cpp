// The English module, the stored language choice and the date and time formats.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>

#include "dialoghelpers.h"
#include "fakeui.h"
#include "hostilefiles.h"
#include "protokoll.h"
#include "settings.h"
#include "settingslanguage.h"
#include "translate.h"

namespace {

class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override {
        LANG_LoadQtTexts("ENG");
        LANG_Unload();
        LANG_SetDateFormats("DEU");
    }
};

TEST_F(LanguageTest, EnglishModuleReplacesEngineAndWindowTexts) {
    ASSERT_TRUE(LANG_ModuleExists("ENG", CALVIX_QM_DIR));
    EXPECT_EQ(LanguageId(), "DEU");
    ASSERT_TRUE(LANG_Load("ENG", CALVIX_QM_DIR));
    EXPECT_EQ(LanguageId(), "ENG");
    EXPECT_EQ(RS_NotOpened(), "could not be opened!");
    EXPECT_EQ(TOOL_FileMessage("/tmp/a.txt", RS_NotOpened()),
              "    File a.txt could not be opened!    ");
    EXPECT_EQ(TOOL_Translate("MAIN_TOOL", "unknown text stays"), "unknown text stays");
    {
        FakeUserInteraction ui;
        TANSI_PROT_Form log(nullptr, ui);
        EXPECT_EQ(log.windowTitle(), "Log display");
        EXPECT_EQ(log.PROT_STOP()->statusTip(), "Logging stop ");
    }
    LANG_Unload();
    EXPECT_EQ(LanguageId(), "DEU");
    EXPECT_EQ(RS_NotOpened(), "konnte nicht geöffnet werden!");
}

TEST_F(LanguageTest, GermanOrAMissingModuleKeepsTheBuiltInTexts) {
    QTemporaryDir empty;
    EXPECT_FALSE(LANG_ModuleExists("ENG", empty.path()));
    EXPECT_FALSE(LANG_ModuleExists("DEU", CALVIX_QM_DIR));
    EXPECT_FALSE(LANG_Load("ENG", empty.path()));
    EXPECT_FALSE(LANG_Load("DEU", CALVIX_QM_DIR));
    EXPECT_FALSE(LANG_Load("", CALVIX_QM_DIR));
    // A file that is no module at all.
    QFile junk(empty.filePath("calvix_en.qm"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a module");
    junk.close();
    EXPECT_FALSE(LANG_Load("ENG", empty.path()));
    EXPECT_EQ(LanguageId(), "DEU");
    EXPECT_EQ(RS_Datei(), "Datei");
}

// Qt's own texts come from Qt's translations, installed with the program's packages.
TEST_F(LanguageTest, QtsOwnButtonsAndFileDialogsSpeakTheProgramsLanguage) {
    // As shown: without the marks of the access keys.
    const auto shown = [](QString text) { return text.remove('&').toStdString(); };
    struct Case {
        const char* language;
        const char *yes, *no, *lookIn, *fileName, *save, *cancel;
    } cases[] = {
        {"DEU", "Ja", "Nein", "Suchen in:", "Dateiname:", "Speichern", "Abbrechen"},
        {"ENG", "Yes", "No", "Look in:", "File name:", "Save", "Cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_TRUE(LANG_LoadQtTexts(c.language));
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(shown(box.button(QMessageBox::Yes)->text()), c.yes);
        EXPECT_EQ(shown(box.button(QMessageBox::No)->text()), c.no);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        EXPECT_EQ(shown(dialog.labelText(QFileDialog::LookIn)), c.lookIn);
        EXPECT_EQ(shown(dialog.labelText(QFileDialog::FileName)), c.fileName);
        EXPECT_EQ(shown(dialog.labelText(QFileDialog::Accept)), c.save);
        EXPECT_EQ(shown(dialog.labelText(QFileDialog::Reject)), c.cancel);
    }
}

TEST_F(LanguageTest, ChoiceIsStoredPerProgramFile) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("Locales.ini"), QSettings::IniFormat);
    const QString program = "/opt/calvix/bin/calvix";
    EXPECT_EQ(LANG_ReadSelection(store, program), "");
    ASSERT_TRUE(LANG_StoreSelection(store, program, "ENG"));
    ASSERT_TRUE(LANG_StoreSelection(store, "/usr/bin/calvix", "DEU"));
    QSettings again(dir.filePath("Locales.ini"), QSettings::IniFormat);
    EXPECT_EQ(LANG_ReadSelection(again, program), "ENG");
    EXPECT_EQ(LANG_ReadSelection(again, "/usr/bin/calvix"), "DEU");
    EXPECT_EQ(LANG_ReadSelection(again, "/opt/calvix/bin"), "");

    // A store below a plain file cannot keep the choice.
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QSettings broken(dir.filePath("plain/Locales.ini"), QSettings::IniFormat);
    EXPECT_FALSE(LANG_StoreSelection(broken, program, "ENG"));
}

TEST_F(LanguageTest, AUserStoreThatIsNoRegularFileHoldsNoChoiceAndIsLeftAlone) {
    // The user's own store (the test's configuration folder): a pipe in its place.
    const QString file = SETTINGS_UserStoreFile("Locales");
    if (QFileInfo::exists(file)) GTEST_SKIP() << "a store is there already: " << file.toStdString();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    ASSERT_EQ(::mkfifo(file.toLocal8Bit().constData(), 0666), 0);
    struct Remove {
        QString f;
        ~Remove() { QFile::remove(f); }
    } remove{file};
    HOSTILE_HangGuard guard(file.toStdString(), std::chrono::milliseconds(2000));
    EXPECT_EQ(LANG_ReadSelection("/opt/calvix/bin/calvix"), "");
    EXPECT_FALSE(LANG_StoreSelection("/opt/calvix/bin/calvix", "ENG"));
    EXPECT_FALSE(guard.finish()) << "waited on the store";
    EXPECT_EQ(HOSTILE_State(file.toStdString()), "pipe");
}

TEST_F(LanguageTest, DatesAndTimesFollowTheLanguage) {
    const QDateTime morning(QDate(2026, 3, 7), QTime(9, 5, 7));
    const QDateTime evening(QDate(2026, 12, 24), QTime(21, 45, 0));
    struct Case {
        const char* id;
        QString date, time, morningText, eveningText;
    } cases[] = {
        {"DEU", "dd.MM.yy", "hh:mm:ss", "07.03.26 09:05:07", "24.12.26 21:45:00"},
        {"ENG", "M/d/yyyy", "h:mm:ss  AP", "3/7/2026 9:05:07  AM", "12/24/2026 9:45:00  PM"},
    };
    for (const Case& c : cases) {
        LANG_SetDateFormats(c.id);
        EXPECT_EQ(LANG_ShortDateFormat(), c.date);
        EXPECT_EQ(LANG_LongTimeFormat(), c.time);
        EXPECT_EQ(LANG_DateTimeText(morning), c.morningText) << c.id;
        EXPECT_EQ(LANG_DateTimeText(evening), c.eveningText) << c.id;
    }
    // Any other language leaves the formats as they were.
    LANG_SetDateFormats("FRA");
    EXPECT_EQ(LANG_ShortDateFormat(), "M/d/yyyy");
    EXPECT_EQ(LANG_TimeText(QTime(0, 0, 1)), "12:00:01  AM");
}

}  // namespace
