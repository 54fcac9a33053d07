// The measurement log byte for byte: file names and layouts, the header and value lines of a
// small class-1 table in both layouts, °F titles, runs appended to one file, one clock reading
// per line, the side file with the report, and every way the log stops.
#include "measurementlog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>

#include "fakeui.h"
#include "manualclock.h"
#include "unittexts.h"

namespace {

ByteString sp(size_t n) {
    return ByteString(n, ' ');
}

ByteString readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A class-1 table: a running heater with one stored error, one lamp the table lacks.
void fillClass1(DataPointTable& dp) {
    dp.DP_Register("OVRUB", "Betriebsspannung", "V");
    dp.DP_Register("OVRTEMP", "Temperatur", "°C");
    dp.DP_Register("OVRBG", "Motor", "%");
    dp.DP_Register("OVRUP", "Umwälzpumpe", "%");
    dp.DP_Register("OVRUFL", "Flammwächterspannung", "V");
    dp.DP_Register("OVRLZFG", "ZFG", "");
    dp.DP_Register("OVRLMV", "MV", "");
    dp.DP_Register("OVRLFL", "Flamme", "");
    dp.DP_Register("OVRZUSTAND", "Betriebszustand", "");
    dp.DP_Register("ERRCODE1", "     Code", "");
    dp.DP_Register("ERRCODE2", "     Code", "");
    dp.DP_SetValue("OVRUB", 0, "12.5", 12.5L);
    dp.DP_SetValue("OVRTEMP", 0, "23", 23);
    dp.DP_SetValue("OVRBG", 0, "45", 45);
    dp.DP_SetValue("OVRUP", 0, "100", 100);
    dp.DP_SetValue("OVRUFL", 0, "1.234", 1.234L);
    dp.DP_SetValue("OVRLZFG", 0, "0", 0);
    dp.DP_SetValue("OVRLMV", 0, "1234567", 1);  // longer than its column
    dp.DP_SetValue("OVRLFL", 1, "1", 1);
    dp.DP_SetValue("OVRZUSTAND", 0, "Brennbetrieb Vollast", 0x600);
    dp.DP_SetValue("ERRCODE1", 0, "1A", 26);
    dp.DP_SetValue("ERRCODE2", 0, "00", 0.4L);  // rounds to 0: an empty cell
}

// The expected lines of that table, written out by hand ("\xB0" is the degree sign and "\xE4"
// the a-umlaut in Windows-1252).
const ByteString kHeaderFixed =
    "Datum" + sp(7) + "Zeit" + sp(8) + sp(2) + "UB [V]" + sp(2) +
    "T_WTS [\xB0"
    "C]" +
    sp(3) + "Motor [%]" + sp(6) + "Umw\xE4lzpumpe [%]" + sp(1) +
    "Flammw\xE4"
    "chterspannung [V]" +
    sp(3) + "ZFG" + sp(4) + "MV" + sp(4) + "FA" + sp(2) + "Flamme" + sp(3) + "Betriebszustand" +
    sp(25) + "Ger\xE4testatus" + sp(13) + " Fehler 1 [hex/dez] " + " Fehler 2 [hex/dez] " +
    " Fehler 3 [hex/dez] " + " Fehler 4 [hex/dez] " + " Fehler 5 [hex/dez] " +
    " Fehler 6 [hex/dez] " + " Fehler 7 [hex/dez] " + " Fehler 8 [hex/dez] " +
    " Fehler 9 [hex/dez] " + "Fehler 10 [hex/dez] ";
const ByteString kLineFixed =
    "09.03.2026" + sp(2) + "14:05:07" + sp(4) + sp(4) + "12,5" + sp(10) + "23" + sp(10) + "45" +
    sp(18) + "100" + sp(20) + "1,234" + sp(5) + "0" + "123456" + sp(6) + sp(5) + "1" + sp(5) +
    "Brennbetrieb Vollast" + sp(20) + "HS UP" + sp(20) + sp(5) + "1Ah / 26d" + sp(6) + sp(20 * 9);
const ByteString kHeaderTabs =
    "Datum\tZeit\tUB [V]\tT_WTS [\xB0"
    "C]\tMotor [%]\tUmw\xE4lzpumpe [%]\tFlammw\xE4"
    "chterspannung "
    "[V]\tZFG\tMV\tFA\tFlamme\tBetriebszustand\tGer\xE4testatus\tFehler 1 [hex/dez]\tFehler 2 "
    "[hex/dez]\tFehler 3 [hex/dez]\tFehler 4 [hex/dez]\tFehler 5 [hex/dez]\tFehler 6 "
    "[hex/dez]\tFehler 7 [hex/dez]\tFehler 8 [hex/dez]\tFehler 9 [hex/dez]\tFehler 10 "
    "[hex/dez]\t";
ByteString lineTabs(const char* date, const char* time) {
    return ByteString(date) + "\t" + time +
           "\t12,5\t23\t45\t100\t1,234\t0\t1234567\t\t1\tBrennbetrieb Vollast\tHS "
           "UP\t1Ah / 26d\t\t\t\t\t\t\t\t\t\t";
}

LogClockReading reading(int y, int mo, int d, int h, int mi, int s) {
    return {y, mo, d, h, mi, s};
}

TEST(MeasurementLogNames, ExtensionsLayoutsAndSideFiles) {
    struct Case {
        const char* given;
        const char* used;
        int32_t mode;
        const char* side;  // at 2026-03-09 14:05:07
    };
    const Case cases[] = {
        {"C:\\daten\\messung", "C:\\daten\\messung.LOG", LOG_TABS,
         "C:\\daten\\messung_Zusammenfassung_2026_03_09_14-05-07.LOG"},
        {"/tmp/messung.", "/tmp/messung.LOG", LOG_TABS,
         "/tmp/messung_Zusammenfassung_2026_03_09_14-05-07.LOG"},
        {"messung.txt", "messung.txt", LOG_FIXED_WIDTH,
         "messung_Zusammenfassung_2026_03_09_14-05-07.txt"},
        {"messung.log", "messung.log", LOG_TABS, "messung_Zusammenfassung_2026_03_09_14-05-07.log"},
        {"Messung.LoG", "Messung.LoG", LOG_TABS, "Messung_Zusammenfassung_2026_03_09_14-05-07.LoG"},
        {"/x/a.b.log", "/x/a.b.log", LOG_TABS, "/x/a_Zusammenfassung_2026_03_09_14-05-07.b.log"},
        {"/home/my.dir/messung", "/home/my.dir/messung.LOG", LOG_TABS,
         "/home/my.dir/messung_Zusammenfassung_2026_03_09_14-05-07.LOG"},
        {"werte.csv", "werte.csv", LOG_FIXED_WIDTH,
         "werte_Zusammenfassung_2026_03_09_14-05-07.csv"},
    };
    for (const Case& c : cases) {
        const ByteString used = PROT_NormaliseFileName(c.given);
        EXPECT_EQ(used, c.used) << c.given;
        EXPECT_EQ(PROT_ColumnModeOf(used), c.mode) << c.given;
        EXPECT_EQ(PROT_SideFileName(used, reading(2026, 3, 9, 14, 5, 7)), c.side) << c.given;
    }
    // no file named yet, or only a folder: no hidden ".LOG" is made up
    for (const char* given : {"", "/tmp/", "C:\\daten\\"})
        EXPECT_EQ(PROT_NormaliseFileName(given), given);
}

TEST(MeasurementLogLinesTest, ClassOneInBothLayouts) {
    UNIT_LoadTexts(0);
    DataPointTable dp;
    fillClass1(dp);
    const MeasurementLogLines fixed(dp, 1, LOG_FIXED_WIDTH);
    EXPECT_EQ(fixed.PROT_BuildHeader(), kHeaderFixed);
    EXPECT_EQ(fixed.PROT_BuildLine(reading(2026, 3, 9, 14, 5, 7), "HS UP"), kLineFixed);
    const MeasurementLogLines tabs(dp, 1, LOG_TABS);
    EXPECT_EQ(tabs.PROT_BuildHeader(), kHeaderTabs);
    EXPECT_EQ(tabs.PROT_BuildLine(reading(2026, 3, 9, 14, 5, 7), "HS UP"),
              lineTabs("09.03.2026", "14:05:07"));
    // classes without columns: empty lines
    for (uint8_t cls : {0, 6}) {
        EXPECT_EQ(MeasurementLogLines(dp, cls, LOG_TABS).PROT_BuildHeader(), "");
        EXPECT_EQ(MeasurementLogLines(dp, cls, LOG_FIXED_WIDTH).PROT_BuildLine({}, "x"), "");
    }
}

TEST(MeasurementLogLinesTest, FahrenheitTitlesAndPlainErrorCells) {
    UNIT_LoadTexts(1);
    DataPointTable dp;
    dp.DP_Register("ERRCODE1", "", "");
    dp.DP_Register("ERRCODE2", "", "");
    dp.DP_SetValue("ERRCODE1", 0, "04/00", 0x400);
    dp.DP_SetValue("ERRCODE2", 0, "1.5", 3);  // error cells keep their "."
    const MeasurementLogLines tabs(dp, 2, LOG_TABS);
    const ByteString header = tabs.PROT_BuildHeader();
    EXPECT_NE(header.find("\tT_WTS [\xB0"
                          "F]\tT_US [\xB0"
                          "F]\tT_OS [\xB0"
                          "F]\t"),
              ByteString::npos)
        << header;
    EXPECT_EQ(header.substr(header.size() - 63),
              "Fehler 1\tFehler 2\tFehler 3\tFehler 4\tFehler 5\tFehler 6\tFehler 7\t");
    const ByteString line = tabs.PROT_BuildLine(reading(2026, 1, 2, 3, 4, 5), "");
    EXPECT_EQ(line.substr(0, 20), "02.01.2026\t03:04:05\t");
    EXPECT_EQ(line.substr(line.size() - 16), "\t04/00\t1.5\t\t\t\t\t\t");
    // fixed width: the class-5 temperature titles of 11 columns, right-aligned
    const ByteString c5 = MeasurementLogLines(dp, 5, LOG_FIXED_WIDTH).PROT_BuildHeader();
    EXPECT_EQ(c5.substr(24 + 8 + 36, 11),
              " T_\xDCHS [\xB0"
              "F]");
    EXPECT_EQ(c5.size(), 481u);  // the widths of the 37 columns
    UNIT_LoadTexts(0);
}

// The log on a manual clock that tells the date and time from program time.
class Logging : public ::testing::Test {
protected:
    void SetUp() override {
        UNIT_LoadTexts(0);
        char pattern[] = "/tmp/calvix-log-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
        fillClass1(dp);
        hooks.now = [this] {
            ++readings;
            return at(clock.now() / 1000);
        };
        hooks.deviceStatusText = [] { return ByteString("HS UP"); };
        hooks.enableControls = [this](bool on) { controls.push_back(on); };
        hooks.stopped = [this] { ++stops; };
        hooks.defer = [this](std::function<void()> fn) { deferred.push_back(std::move(fn)); };
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    // 2026-03-09 14:05:07 plus `seconds`, in local calendar terms.
    LogClockReading at(int64_t seconds) const {
        std::tm t{};
        t.tm_year = 2026 - 1900;
        t.tm_mon = 2;
        t.tm_mday = 9;
        t.tm_hour = 14;
        t.tm_min = 5;
        t.tm_sec = 7 + static_cast<int>(seconds) + startOffset;
        const time_t when = ::timegm(&t);
        std::tm u{};
        ::gmtime_r(&when, &u);
        return {u.tm_year + 1900, u.tm_mon + 1, u.tm_mday, u.tm_hour, u.tm_min, u.tm_sec};
    }
    std::unique_ptr<MeasurementLog> make() {
        auto log = std::make_unique<MeasurementLog>(dp, clock, ui, hooks);
        log->SetLinkState(true);
        log->SetDeviceClass(1);
        return log;
    }
    std::string path(const char* name) const { return dir + "/" + name; }

    DataPointTable dp;
    ManualClock clock;
    FakeUserInteraction ui;
    MeasurementLog::Hooks hooks;
    std::string dir;
    int startOffset = 0;
    int readings = 0;
    int stops = 0;
    std::vector<bool> controls;
    std::vector<std::function<void()>> deferred;
};

TEST_F(Logging, RunsAppendToOneFileEachLineFlushed) {
    const std::string file = path("messung.log");
    auto log = make();
    log->setColumnMode(LOG_TABS);
    ASSERT_TRUE(log->PROT_Begin(file, 2));
    EXPECT_EQ(log->PROTTimer().interval(), 2000);
    EXPECT_TRUE(log->PROTTimer().isActive());
    // the header is on disk before the first tick; each line as soon as it is written
    EXPECT_EQ(readBytes(file), kHeaderTabs + "\r\n");
    clock.advance(2000);
    EXPECT_EQ(readBytes(file), kHeaderTabs + "\r\n" + lineTabs("09.03.2026", "14:05:09") + "\r\n");
    clock.advance(4000);
    log->PROT_Stop();
    EXPECT_FALSE(log->LogOpen);
    EXPECT_FALSE(log->PROTTimer().isActive());
    const ByteString firstRun = kHeaderTabs + "\r\n" + lineTabs("09.03.2026", "14:05:09") + "\r\n" +
                                lineTabs("09.03.2026", "14:05:11") + "\r\n" +
                                lineTabs("09.03.2026", "14:05:13") + "\r\n";
    EXPECT_EQ(readBytes(file), firstRun);
    clock.advance(10000);  // stopped: nothing more
    EXPECT_EQ(readBytes(file), firstRun);
    // a second start appends its own header after the first run
    ASSERT_TRUE(log->PROT_Begin(file, 1));
    clock.advance(1000);
    log->PROT_Stop();
    EXPECT_EQ(readBytes(file),
              firstRun + kHeaderTabs + "\r\n" + lineTabs("09.03.2026", "14:05:24") + "\r\n");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Logging, FixedWidthFile) {
    const std::string file = path("messung.txt");
    auto log = make();
    log->setColumnMode(LOG_FIXED_WIDTH);
    ASSERT_TRUE(log->PROT_Begin(file, 1));
    clock.advance(1000);
    log->PROT_Stop();
    EXPECT_EQ(readBytes(file), kHeaderFixed + "\r\n" + "09.03.2026" + sp(2) + "14:05:08" + sp(4) +
                                   kLineFixed.substr(24) + "\r\n");
}

TEST_F(Logging, OneClockReadingPerLineAcrossMidnight) {
    startOffset = (23 - 14) * 3600 + (59 - 5) * 60 + (58 - 7);  // 23:59:58 at program time 0
    const std::string file = path("mitternacht.log");
    auto log = make();
    ASSERT_TRUE(log->PROT_Begin(file, 1));
    readings = 0;
    clock.advance(3000);
    log->PROT_Stop();
    EXPECT_EQ(readings, 3);
    EXPECT_EQ(readBytes(file), kHeaderTabs + "\r\n" + lineTabs("09.03.2026", "23:59:59") + "\r\n" +
                                   lineTabs("10.03.2026", "00:00:00") + "\r\n" +
                                   lineTabs("10.03.2026", "00:00:01") + "\r\n");
}

TEST_F(Logging, EveryStopClosesTheFile) {
    struct Case {
        const char* what;
        std::function<void(MeasurementLog&)> stop;
        bool controlsOff;
    };
    const Case cases[] = {
        {"action", [](MeasurementLog& l) { l.PROT_Stop(); }, false},
        {"adapter lost", [](MeasurementLog& l) { l.SetLinkState(false); }, true},
        {"class 0", [](MeasurementLog& l) { l.SetDeviceClass(0); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = path(c.what) + ".log";
        auto log = make();
        controls.clear();
        stops = 0;
        ASSERT_TRUE(log->PROT_Begin(file, 1));
        clock.advance(2000);
        c.stop(*log);
        EXPECT_FALSE(log->LogOpen);
        EXPECT_FALSE(log->PROTTimer().isActive());
        EXPECT_EQ(stops, 1);
        EXPECT_EQ(controls, c.controlsOff ? std::vector<bool>{false} : std::vector<bool>{});
        const ByteString written = readBytes(file);
        clock.advance(5000);
        EXPECT_EQ(readBytes(file), written);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 3);
    }
    // another class keeps the log running; its lines follow the new class's columns
    auto log = make();
    ASSERT_TRUE(log->PROT_Begin(path("wechsel.log"), 1));
    log->SetDeviceClass(3);
    EXPECT_TRUE(log->LogOpen);
    EXPECT_EQ(controls.back(), true);
    clock.advance(1000);
    log->PROT_Stop();
    const ByteString text = readBytes(path("wechsel.log"));
    const ByteString last = text.substr(kHeaderTabs.size() + 2);
    EXPECT_EQ(std::count(last.begin(), last.end(), '\t'), 38);  // the 38 class-3 columns
}

// A sink that takes `good` lines and then fails.
class FailingSink : public ILogLineSink {
public:
    FailingSink(int good, ByteString& out) : m_good(good), m_out(out) {}
    bool writeLine(const ByteString& b) override {
        if (m_good-- <= 0) return false;
        m_out += b + "\r\n";
        return true;
    }

private:
    int m_good;
    ByteString& m_out;
};

TEST_F(Logging, AWriteErrorStopsTheLogThenSaysSo) {
    ByteString written;
    int stopActions = 0;
    hooks.openFile = [&](const ByteString&) { return std::make_unique<FailingSink>(3, written); };
    std::unique_ptr<MeasurementLog> log;
    hooks.stopAction = [&] {
        ++stopActions;
        log->PROT_Stop();
    };
    log = make();
    ASSERT_TRUE(log->PROT_Begin("/daten/messung.log", 1));
    clock.advance(5000);
    // header and two lines stay; the third line failed and stopped the log
    EXPECT_EQ(stopActions, 1);
    EXPECT_FALSE(log->LogOpen);
    EXPECT_FALSE(log->PROTTimer().isActive());
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 3);
    // the message waits for the event loop
    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(deferred.size(), 1u);
    deferred.front()();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(ui.boxes[0].text,
              "     Fehler beim schreiben in die Messwerteprotokolldatei 'messung.log' !     ");
}

TEST_F(Logging, AFullDiskStopsTheStartAtTheHeader) {
    const std::string file = path("voll.log");
    ASSERT_EQ(::symlink("/dev/full", file.c_str()), 0);
    auto log = make();
    EXPECT_FALSE(log->PROT_Begin(file, 1));
    EXPECT_FALSE(log->LogOpen);
    EXPECT_FALSE(log->PROTTimer().isActive());
    ASSERT_EQ(deferred.size(), 1u);
    deferred.front()();
    EXPECT_EQ(ui.boxes.back().text,
              "     Fehler beim schreiben in die Messwerteprotokolldatei 'voll.log' !     ");
}

TEST_F(Logging, AFileThatCannotBeCreated) {
    auto log = make();
    EXPECT_FALSE(log->PROT_Begin(path("fehlt/messung.log"), 1));
    EXPECT_FALSE(log->LogOpen);
    EXPECT_FALSE(log->PROTTimer().isActive());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].kind, MsgKind::Error);
    EXPECT_EQ(ui.boxes[0].text, "    Datei messung.log konnte nicht erstellt werden!    ");
}

TEST_F(Logging, TheReportBesideTheLog) {
    hooks.summaryReport = [] { return ByteString("Diagnosebericht \xC3\xBC\r\n"); };
    auto log = make();
    ASSERT_TRUE(log->PROT_Begin(path("messung.log"), 1));
    log->PROT_Stop();
    EXPECT_EQ(readBytes(path("messung_Zusammenfassung_2026_03_09_14-05-07.log")),
              "Diagnosebericht \xFC\r\n");
    // a side file that cannot be written is skipped; logging starts all the same
    ASSERT_EQ(::mkdir(path("b_Zusammenfassung_2026_03_09_14-05-07.log").c_str(), 0755), 0);
    ASSERT_TRUE(log->PROT_Begin(path("b.log"), 1));
    EXPECT_TRUE(log->LogOpen);
    EXPECT_TRUE(ui.boxes.empty());
    log->PROT_Stop();
}

TEST_F(Logging, ABusyTickWritesNothing) {
    const std::string file = path("busy.log");
    auto log = make();
    ASSERT_TRUE(log->PROT_Begin(file, 1));
    log->TickBusy = true;
    clock.advance(1000);
    EXPECT_FALSE(log->TickBusy);
    EXPECT_EQ(readBytes(file), kHeaderTabs + "\r\n");
    clock.advance(1000);
    EXPECT_EQ(readBytes(file), kHeaderTabs + "\r\n" + lineTabs("09.03.2026", "14:05:09") + "\r\n");
    log->PROT_Stop();
}

// How many of the process's descriptors are open on a file.
int openCount(const std::string& file) {
    int n = 0;
    for (int fd = 0; fd < 1024; ++fd) {
        char link[64];
        char target[4096];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        const ssize_t len = ::readlink(link, target, sizeof target - 1);
        if (len > 0 && std::string(target, static_cast<size_t>(len)) == file) ++n;
    }
    return n;
}

TEST_F(Logging, OpeningAgainClosesTheOpenLog) {
    auto log = make();
    ASSERT_TRUE(log->PROT_Begin(path("eins.log"), 1));
    EXPECT_EQ(openCount(path("eins.log")), 1);
    log->PROT_OpenFile(path("zwei.log"));
    EXPECT_TRUE(log->LogOpen);
    EXPECT_EQ(log->openFileName(), path("zwei.log"));
    EXPECT_EQ(openCount(path("eins.log")), 0);
    EXPECT_EQ(openCount(path("zwei.log")), 1);
    log->PROT_WriteHeader();
    EXPECT_EQ(readBytes(path("zwei.log")), kHeaderTabs + "\r\n");
    log->PROT_Stop();
    EXPECT_EQ(openCount(path("zwei.log")), 0);
}

}  // namespace
