// The settings store: every value comes back as written, and missing, unreadable or garbage
// values give their defaults.
#include "settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>
#include <functional>

#include "hostilefiles.h"

namespace {

const QSize Screen(1280, 1024);

class SettingsTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath("TRELUN_10.ini"); }
    std::unique_ptr<MainSettings> make(QSize screen = Screen, QString file = {}) {
        if (file.isEmpty()) file = path();
        return std::make_unique<MainSettings>(MainSettings::iniFile(file),
                                              [screen] { return screen; });
    }
    void writeFile(const QByteArray& content) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QVariant stored(const QString& key) const {
        return QSettings(path(), QSettings::IniFormat).value(key);
    }

    QTemporaryDir m_dir;
};

// Every field set to a value unlike its default.
void fillAll(MainSettings& s) {
    s.ScreenInit = false;
    for (int n = 1; n <= MainSettings::SlotCount; ++n)
        s.FormPlacement[n] = {1 + n % 3, 10 * n, 7 * n, 300 + n, 400 + n, n % 2 == 0, n - 5};
    for (int n = 1; n <= MainSettings::ListCount; ++n)
        for (int i = 0; i < MainSettings::SavedColumns; ++i) s.ListColumnWidths[n][i] = 11 * n + i;
    s.AdapterSerial = "NV4711A";
    s.ParamSetFileName = "/home/werk statt/Sätze/eol,1;2.prn";
    s.LogFileName = "C:\\Logs\\mess \"1\".txt";
    s.SummaryFileName = " leading=blank ";
    s.ProtocolFileName = "/tmp/prot#1[2].TXT";
    s.FlashFileName = "/opt/flash/é€.s19";
    s.LogInterval = 37;
    s.TemperatureUnit = 1;
}

TEST_F(SettingsTest, EveryValueReadsBackAsWritten) {
    auto out = make();
    ASSERT_TRUE(out->SETTINGS_Load());
    fillAll(*out);
    ASSERT_TRUE(out->SETTINGS_Save());
    EXPECT_FALSE(out->hasStore());

    auto in = make();
    ASSERT_TRUE(in->SETTINGS_Load());
    EXPECT_FALSE(in->ScreenInit);
    EXPECT_EQ(in->StoredScreenHeight, Screen.height());
    EXPECT_EQ(in->StoredScreenWidth, Screen.width());
    for (int n = 1; n <= MainSettings::SlotCount; ++n)
        EXPECT_EQ(in->FormPlacement[n], out->FormPlacement[n]) << "slot " << n;
    for (int n = 1; n <= MainSettings::ListCount; ++n)
        for (int i = 0; i < MainSettings::SavedColumns; ++i)
            EXPECT_EQ(in->ListColumnWidths[n][i], out->ListColumnWidths[n][i]);
    EXPECT_EQ(in->AdapterSerial, out->AdapterSerial);
    EXPECT_EQ(in->ParamSetFileName, out->ParamSetFileName);
    EXPECT_EQ(in->LogFileName, out->LogFileName);
    EXPECT_EQ(in->SummaryFileName, out->SummaryFileName);
    EXPECT_EQ(in->ProtocolFileName, out->ProtocolFileName);
    EXPECT_EQ(in->FlashFileName, out->FlashFileName);
    EXPECT_EQ(in->TemperatureUnit, 1);
    // The interval is kept in the store, but every run starts with one second.
    EXPECT_EQ(stored("Prot/Zeit").toInt(), 37);
    EXPECT_EQ(in->LogInterval, 1);
}

TEST_F(SettingsTest, ValuesLieUnderTheirSectionsAndNames) {
    auto s = make();
    ASSERT_TRUE(s->SETTINGS_Load());
    fillAll(*s);
    ASSERT_TRUE(s->SETTINGS_Save());
    EXPECT_EQ(stored("Screen/Height").toInt(), 1024);
    EXPECT_EQ(stored("Screen/Width").toInt(), 1280);
    EXPECT_EQ(stored("Screen/Init").toString(), "false");
    EXPECT_EQ(stored("Fenster20/Left").toInt(), 200);
    EXPECT_EQ(stored("Fenster20/Top").toInt(), 140);
    EXPECT_EQ(stored("Fenster20/Height").toInt(), 320);
    EXPECT_EQ(stored("Fenster20/Width").toInt(), 420);
    EXPECT_EQ(stored("Fenster20/WS").toInt(), 3);
    EXPECT_EQ(stored("Fenster20/Open").toString(), "true");
    EXPECT_EQ(stored("Fenster20/Pos").toInt(), 15);
    EXPECT_EQ(stored("LView5/Col2").toInt(), 57);
    EXPECT_FALSE(stored("LView5/Col3").isValid());
    EXPECT_EQ(stored("USB/Device").toString(), "NV4711A");
    EXPECT_EQ(stored("File/ZUSAM").toString(), " leading=blank ");
    EXPECT_EQ(stored("Unit/Temp").toInt(), 1);
}

TEST_F(SettingsTest, FirstRunGivesTheDefaults) {
    auto s = make();
    ASSERT_TRUE(s->SETTINGS_Load());
    EXPECT_TRUE(s->ScreenInit);
    for (int n = 1; n <= MainSettings::SlotCount; ++n) {
        const TFormPlacement& p = s->FormPlacement[n];
        EXPECT_EQ(p.Top, 20);
        EXPECT_EQ(p.Left, 20);
        // The default size is the screen's, which is then kept just inside it.
        EXPECT_EQ(p.Height, 1024 - 30);
        EXPECT_EQ(p.Width, 1280 - 1);
        EXPECT_EQ(p.State, n == 1 ? 2 : 0) << "the main window starts maximised";
        EXPECT_FALSE(p.Open);
        EXPECT_EQ(p.Pos, -1);
    }
    for (int n = 1; n <= MainSettings::ListCount; ++n) {
        EXPECT_EQ(s->ListColumnWidths[n][0], 250);
        EXPECT_EQ(s->ListColumnWidths[n][1], 150);
        EXPECT_EQ(s->ListColumnWidths[n][2], 50);
    }
    EXPECT_EQ(s->AdapterSerial, "");
    EXPECT_EQ(s->ProtocolFileName, "");
    EXPECT_EQ(s->LogInterval, 1);
    EXPECT_EQ(s->TemperatureUnit, -1);
}

TEST_F(SettingsTest, GarbageValuesGiveTheirDefaultsAndTheOthersStillRead) {
    writeFile(
        "[Screen]\nHeight=1024\nWidth=1280\nInit=perhaps\n"
        "[Fenster3]\nTop=abc\nLeft=12x\nHeight=\nWidth=99999999999\nWS=3\nOpen=maybe\nPos=-\n"
        "[Fenster4]\nTop=33\nLeft=44\nHeight=500\nWidth=600\nWS=2\nOpen=1\nPos=2\n"
        "[LView2]\nCol0=wide\nCol1=120\n"
        "[USB]\nDevice=A1,B2\n"
        "[Unit]\nTemp=hot\n");
    auto s = make();
    ASSERT_TRUE(s->SETTINGS_Load());
    EXPECT_TRUE(s->ScreenInit);
    EXPECT_EQ(s->FormPlacement[3], (TFormPlacement{3, 20, 20, 994, 1279, false, -1}));
    EXPECT_EQ(s->FormPlacement[4], (TFormPlacement{2, 44, 33, 500, 600, true, 2}));
    EXPECT_EQ(s->ListColumnWidths[2][0], 250);
    EXPECT_EQ(s->ListColumnWidths[2][1], 120);
    EXPECT_EQ(s->AdapterSerial, "A1,B2");
    EXPECT_EQ(s->TemperatureUnit, -1);
}

TEST_F(SettingsTest, SmallerScreenMovesWindowsToTheCornerAndKeepsThemInside) {
    writeFile(
        "[Screen]\nHeight=1200\nWidth=1600\nInit=false\n"
        "[Fenster2]\nTop=500\nLeft=700\nHeight=1100\nWidth=1500\nWS=3\n"
        "[Fenster5]\nTop=50\nLeft=60\nHeight=300\nWidth=400\nWS=3\n");
    auto s = make(QSize(1024, 768));
    ASSERT_TRUE(s->SETTINGS_Load());
    EXPECT_EQ(s->FormPlacement[2], (TFormPlacement{3, 0, 0, 768 - 30, 1024 - 1, false, -1}));
    EXPECT_EQ(s->FormPlacement[5], (TFormPlacement{3, 0, 0, 300, 400, false, -1}));

    // The same screen as last time keeps the positions.
    auto same = make(QSize(1600, 1200));
    ASSERT_TRUE(same->SETTINGS_Load());
    EXPECT_EQ(same->FormPlacement[2], (TFormPlacement{3, 700, 500, 1100, 1500, false, -1}));
}

// The values a first run starts with on the test's screen.
void expectDefaults(const MainSettings& s) {
    EXPECT_TRUE(s.ScreenInit);
    EXPECT_EQ(s.FormPlacement[1], (TFormPlacement{2, 20, 20, 994, 1279, false, -1}));
    EXPECT_EQ(s.FormPlacement[2], (TFormPlacement{0, 20, 20, 994, 1279, false, -1}));
    EXPECT_EQ(s.ListColumnWidths[1][0], 250);
    EXPECT_EQ(s.ListColumnWidths[5][2], 50);
    EXPECT_EQ(s.AdapterSerial, "");
    EXPECT_EQ(s.LogInterval, 1);
    EXPECT_EQ(s.TemperatureUnit, -1);
}

TEST_F(SettingsTest, AStoreThatCannotBeUsedIsSetAsideAndTheRunStartsOnDefaults) {
    struct Case {
        const char* name;
        std::function<void(const QString& file)> make;
    };
    const Case cases[] = {
        {"garbage",
         [this](const QString&) { writeFile("[Screen\nHeight=1024\n[Fenster2]\nTop=5\n"); }},
        {"named pipe",
         [](const QString& file) { ASSERT_EQ(::mkfifo(file.toLocal8Bit().constData(), 0666), 0); }},
        {"folder", [](const QString& file) { ASSERT_TRUE(QDir().mkpath(file + "/Fenster1")); }},
        {"no read access",
         [this](const QString& file) {
             writeFile("[USB]\nDevice=NV1\n");
             ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::WriteOwner));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(m_dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(m_dir.path()));
        ::chmod(m_dir.path().toLocal8Bit().constData(), 0777);
        c.make(path());
        const std::string before = HOSTILE_State(path().toStdString());
        HOSTILE_HangGuard guard(path().toStdString(), std::chrono::milliseconds(2000));
        {
            HOSTILE_AsOrdinaryUser user;  // so that a file without read access is one
            auto s = make();
            s->FormPlacement[3].Top = 77;  // a start on defaults also sets what a store lacks
            EXPECT_FALSE(s->SETTINGS_Load());
            EXPECT_FALSE(guard.finish()) << "waited on the settings file";
            EXPECT_FALSE(s->hasStore());
            expectDefaults(*s);
            EXPECT_EQ(s->FormPlacement[3].Top, 20);
            EXPECT_TRUE(s->problem().startsWith("     Die Einstellungsdatei " +
                                                QDir::toNativeSeparators(path()) +
                                                " kann nicht verwendet werden ("))
                << s->problem().toStdString();
            EXPECT_TRUE(s->problem().endsWith(
                ").     \r\n     Das Programm startet mit den Grundeinstellungen.     "));
            // The file is left as it was, also at the end of the run.
            s->FormPlacement[2].Top = 99;
            EXPECT_FALSE(s->SETTINGS_Save());
        }
        EXPECT_EQ(HOSTILE_State(path().toStdString()), before);
    }
}

TEST_F(SettingsTest, ASaveIntoAReadOnlyFolderNamesTheFileAndTheReason) {
    // The layout of an earlier run, in a folder that has since become read-only.
    writeFile("[USB]\nDevice=NV4711A\n[Fenster2]\nWS=3\nTop=5\n");
    const QByteArray before = [&] {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_EQ(::chmod(m_dir.path().toLocal8Bit().constData(), 0555), 0);
    HOSTILE_AsOrdinaryUser user;
    auto s = make();
    ASSERT_TRUE(s->SETTINGS_Load());
    EXPECT_TRUE(s->problem().isEmpty());
    EXPECT_EQ(s->AdapterSerial, "NV4711A");
    s->AdapterSerial = "NV0815B";
    EXPECT_FALSE(s->SETTINGS_Save());
    EXPECT_EQ(s->problem(), "     Die Einstellungen konnten nicht in " +
                                QDir::toNativeSeparators(path()) + " gespeichert werden (" +
                                QString::fromLocal8Bit(strerror(EACCES)) + ").     ");
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(SettingsTest, SaveThatCannotWriteReportsFalse) {
    // A store below a plain file can be read (it is empty) but never written.
    QFile plain(m_dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    auto s = make(Screen, m_dir.filePath("plain/TRELUN_10.ini"));
    ASSERT_TRUE(s->SETTINGS_Load());
    EXPECT_FALSE(s->SETTINGS_Save());
    EXPECT_FALSE(s->hasStore());
}

TEST_F(SettingsTest, SlotAndColumnLookupsRejectTagsOutside) {
    MainSettings s({}, {});
    EXPECT_EQ(s.slot(0), nullptr);
    EXPECT_EQ(s.slot(21), nullptr);
    EXPECT_EQ(s.slot(-3), nullptr);
    EXPECT_EQ(s.slot(20), &s.FormPlacement[20]);
    EXPECT_EQ(s.columnWidth(6, 0), nullptr);
    EXPECT_EQ(s.columnWidth(1, 5), nullptr);
    EXPECT_EQ(s.columnWidth(0, 0), nullptr);
    EXPECT_EQ(s.columnWidth(5, 4), &s.ListColumnWidths[5][4]);
    // No store at all: the load fails and nothing is saved.
    EXPECT_FALSE(s.SETTINGS_Load());
    EXPECT_FALSE(s.SETTINGS_Save());
}

}  // namespace
