#include "overviewform.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QMouseEvent>
#include <chrono>
#include <cmath>
#include <limits>

#include "lampimage.h"
#include "trackbar.h"
#include "viewdata.h"
#include "viewtestsupport.h"

namespace {

const int kRowNumber[9] = {0, 100, 400, 500, 600, 700, 800, 900, 1000};

struct BarExpect {
    int row;
    const char* key;
    const char* caption;
    const char* value;
    int selEnd;
    const char* scale[3];
    bool hint;
};
struct LampExpect {
    int image;
    const char* caption;
    int picture;  // after the first refresh
};
struct ClassExpect {
    int cls;
    const char* probe;
    int rowUnits;
    int mode;
    int help;
    int enabledRows;
    std::vector<BarExpect> bars;
    std::vector<LampExpect> lamps;
    const char* labels[3];
    const char* status[3];  // nullptr: line hidden
};

const std::vector<ClassExpect>& expectations() {
    static const std::vector<ClassExpect> all = {
        {1,
         "0000.00 V",
         9,
         1,
         210,
         7,
         {{1, "OVRUB", "Betriebsspannung", "12.34 V ", 12, {"0", "20", "40"}, false},
          {2, "OVRTEMP", "Temperatur", "23 °C ", 23, {"-40", "40", "120"}, false},
          {3, "OVRBG", "Motor", "45 % ", 45, {"0", "50", "100"}, false},
          {4, "OVRUP", "Umwälzpumpe", "100 % ", 100, {"0", "50", "100"}, false},
          {5, "OVRUFL", "Flammwächterspannung", "1.234 V ", 1, {"0", "2.5", "5"}, false}},
         {{10, "BM", 7},
          {11, "MV", 7},
          {12, "ZFG", 6},
          {13, "UP", 7},
          {16, "HS", 5},
          {17, "UPFA", 4},
          {19, "Kl. 15", 5},
          {23, "Flamme", 1}},
         {"Betriebszustand", "Gerätestatus", ""},
         {"Brennbetrieb Vollast", "2 Fehler  STFL SAFL", nullptr}},
        {2,
         "000.00 V",
         9,
         2,
         211,
         6,
         {{1, "OVRUB", "Betriebsspannung", "12.50 V ", 12, {"0", "20", "40"}, false},
          {2, "OVRTEMP", "Temperatur", "41.0 °C ", 41, {"-40", "40", "120"}, false},
          {3, "OVRTEMPOBE", "Obere Schaltschwelle", "80.0 °C ", 80, {"-40", "40", "120"}, true},
          {4, "OVRTEMPUNT", "Untere Schaltschwelle", "70.0 °C ", 70, {"-40", "40", "120"}, true},
          {5, "OVRUBG", "Spannung am Motor", "8.20 V ", 8, {"0", "20", "40"}, false},
          {6, "OVRUFL", "Flammwächterspannung", "2.10 V ", 2, {"0", "2.5", "5"}, false}},
         {{10, "BM", 7},
          {11, "MV", 7},
          {12, "ZFG", 6},
          {13, "UP", 7},
          {14, "FA", 7},
          {15, "BA", 7},
          {20, "HS", 5},
          {21, "UPFA", 4},
          {22, "Kl. 61", 4},
          {23, "SPAR", 4}},
         {"Flammwächter", "Betriebszustand", "Gerätestatus"},
         {"hell", "Brennbetrieb Standheizen", "2 Fehler "}},
        {3,
         "10000 U/min",
         11,
         3,
         212,
         8,
         {{1, "OVRUB", "Betriebsspannung", "12.70 V ", 13, {"0", "20", "40"}, false},
          {2, "OVRTEMP", "Temperatur", "55.5 °C ", 56, {"-40", "40", "120"}, false},
          {3, "OVRTEMPOBE", "Obere Schaltschwelle", "80.0 °C ", 80, {"-40", "40", "120"}, true},
          {4, "OVRTEMPUNT", "Untere Schaltschwelle", "72.0 °C ", 72, {"-40", "40", "120"}, true},
          {5,
           "BETTEMPUEH",
           "Temp. Überhitzungsschutz",
           "60.2 °C ",
           60,
           {"-40", "40", "120"},
           false},
          {6,
           "BETTEMPDST",
           "Temp. Düsenstockvorwärmung",
           " °C ",
           -100,
           {"-40", "40", "120"},
           false},
          {7, "OVRBGRPM", "Motordrehzahl", "3450 U/min ", 3450, {"0", "4000", "8000"}, false},
          {8, "OVRUFL", "Flammwächterspannung", "1.80 V ", 2, {"0", "2.5", "5"}, false}},
         {{10, "BM", 7},
          {11, "MV", 7},
          {12, "ZFG", 6},
          {13, "UP", 7},
          {14, "FA", 7},
          {15, "BA", 7},
          {16, "DVW", 6},
          {19, "HS", 5},
          {20, "Kl. 61", 4},
          {21, "UPFA", 4},
          {22, "SPAR1", 5},
          {23, "SPAR2", 4}},
         {"Flammwächter", "Betriebszustand", "Gerätestatus"},
         {"hell", "Standheizen", "2 Fehler  STFL NL2FL MAF"}},
        {4,
         "10000 U/min",
         10,
         2,
         213,
         7,
         {{1, "OVRUB", "Betriebsspannung", "13.10 V ", 13, {"0", "20", "40"}, false},
          {2, "OVRTEMP", "Temperatur", "64.5 °C ", 64, {"-40", "50", "140"}, false},
          {3, "OVRTEMPOBE", "Obere Schaltschwelle", "85.0 °C ", 85, {"-40", "50", "140"}, true},
          {4, "OVRTEMPUNT", "Untere Schaltschwelle", "75.0 °C ", 75, {"-40", "50", "140"}, true},
          {5, "OVRUFL", "Flammwächterspannung", "3.12 V ", 3, {"0", "2.5", "5"}, false},
          {6, "OVRHS", "Spannung HS", "12.90 V ", 13, {"0", "20", "40"}, false},
          {7, "OVRTEMPUEHS", "Temperatur ÜHS", "66.0 °C ", 66, {"-40", "50", "140"}, false}},
         {{10, "BA", 7},
          {11, "UP", 7},
          {12, "BM", 7},
          {13, "ZFM", 6},
          {14, "MV1", 7},
          {15, "MV2", 6},
          {16, "ERH", 6},
          {18, "HS", 5},
          {19, "UPFA", 4},
          {22, "ÜHS", 0},
          {23, "Flamme", 1}},
         {"Flammwächter", "Betriebszustand", "Gerätestatus"},
         {"Flamme", "Heizen [12.5s]", "Flammabbruch"}},
        {5,
         "10000 U/min",
         10,
         3,
         214,
         7,
         {{1, "OVRUB", "Betriebsspannung", "12.8 V ", 13, {"0", "20", "40"}, false},
          {2, "OVRTEMP", "Temperatur", "48.3 °C ", 48, {"-40", "40", "120"}, false},
          {3, "OVRTEMPOBE", "Obere Schaltschwelle", "78 °C ", 78, {"-40", "40", "120"}, true},
          {4, "OVRTEMPUNT", "Untere Schaltschwelle", "68 °C ", 68, {"-40", "40", "120"}, true},
          {5, "OVRTEMPUEHS", "Temperatur ÜHS", "52.1 °C ", 52, {"-40", "40", "120"}, false},
          {6, "OVRBGRPM", "Motordrehzahl", "4200 U/min ", 4200, {"0", "4000", "8000"}, false},
          {7, "OVRUFL", "Flammwächterspannung", "0.85 V ", 1, {"0", "2.5", "5"}, false}},
         {{10, "BA", 7},
          {11, "UP", 7},
          {12, "BM", 7},
          {13, "ZFG", 6},
          {14, "MV", 7},
          {15, "FA", 7},
          {17, "HS", 5},
          {18, "UPFA", 4},
          {19, "SPAR", 4},
          {20, "Kl. 61", 4},
          {22, "ÜHS", 0},
          {23, "Flamme", 1}},
         {"Flammwächter", "Betriebszustand", "Gerätestatus"},
         {"hell", "Standheizen", "kein Fehler "}},
    };
    return all;
}

class OverviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TANSI_OVERVIEW_Form>(dp, rec.context());
        form->resize(600, 640);
        form->show();
    }

    void start(int cls) {
        viewdata::fillClass(dp, cls);
        form->SetLinkState(true);
        form->SetDeviceClass(static_cast<uint8_t>(cls));
    }

    QWidget* w(const QString& name) { return child<QWidget>(form.get(), name); }
    QLabel* label(const QString& name) { return child<QLabel>(form.get(), name); }
    QString text(const QString& name) { return label(name)->text(); }
    bool shown(const QString& name) { return w(name)->isVisibleTo(form.get()); }
    QLabel* nameLabel(int row) { return label(QStringLiteral("LLabel%1").arg(kRowNumber[row])); }
    QLabel* valueField(int row) {
        return label(QStringLiteral("RPanel%1").arg(kRowNumber[row] + 1));
    }
    TrackBar* bar(int row) {
        return child<TrackBar>(form.get(), QStringLiteral("MTrackBar%1").arg(kRowNumber[row]));
    }
    QString scale(int row, int k) {
        return text(QStringLiteral("MLabel%1").arg(kRowNumber[row] + k));
    }
    bool columnsShown(int row) {
        const int n = kRowNumber[row];
        return shown(QStringLiteral("LPanel%1").arg(n)) &&
               shown(QStringLiteral("MPanel%1").arg(n)) && shown(QStringLiteral("RPanel%1").arg(n));
    }
    int rowTag(int row) {
        return w(QStringLiteral("GPanel%1").arg(kRowNumber[row]))->property("Tag").toInt();
    }
    LampImage* image(int n) {
        return child<LampImage>(form.get(), QStringLiteral("Image%1").arg(n));
    }
    int imageTag(int n) { return image(n)->property("Tag").toInt(); }
    bool anythingShown() {
        for (int r = 1; r <= 8; ++r)
            if (columnsShown(r)) return true;
        for (int n = 10; n <= 23; ++n)
            if (shown(QStringLiteral("Image%1").arg(n)) || shown(QStringLiteral("Label%1").arg(n)))
                return true;
        return shown("Panel301") || shown("Panel302");
    }

    DataPointTable dp;
    RecordingContext rec;
    std::unique_ptr<TANSI_OVERVIEW_Form> form;
};

TEST_F(OverviewTest, StartsWithEverythingHidden) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Übersicht"));
    EXPECT_EQ(form->RowUnits(), 10);
    EXPECT_EQ(form->StatusRowMode(), 1);
    EXPECT_EQ(form->helpContext(), 201);
    EXPECT_FALSE(anythingShown());
    for (int n = 10; n <= 23; ++n) EXPECT_EQ(imageTag(n), -1);
    EXPECT_EQ(form->minimumSize(), QSize(320, 320));
    EXPECT_EQ(form->maximumSize(), QSize(1400, 1000));
}

class OverviewClassTest : public OverviewTest, public ::testing::WithParamInterface<int> {};

TEST_P(OverviewClassTest, BuildsTheLayoutOfTheClass) {
    const ClassExpect& x = expectations()[static_cast<size_t>(GetParam() - 1)];
    start(x.cls);
    EXPECT_EQ(str(text("LabelX")), x.probe);
    EXPECT_FALSE(shown("LabelX"));
    EXPECT_EQ(form->RowUnits(), x.rowUnits);
    EXPECT_EQ(form->StatusRowMode(), x.mode);
    EXPECT_EQ(form->helpContext(), x.help);
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(rowTag(r), r <= x.enabledRows ? 1 : 0) << "row " << r;

    std::vector<bool> barRow(9, false);
    for (const BarExpect& b : x.bars) {
        barRow[static_cast<size_t>(b.row)] = true;
        EXPECT_TRUE(columnsShown(b.row)) << b.row;
        EXPECT_EQ(str(nameLabel(b.row)->text()), b.caption);
        EXPECT_EQ(valueField(b.row)->text(), QString()) << "emptied by the build";
        for (int k = 0; k < 3; ++k) EXPECT_EQ(str(scale(b.row, k)), b.scale[k]) << b.row;
        EXPECT_EQ(bar(b.row)->minimum(), std::stoi(b.scale[0]));
        EXPECT_EQ(bar(b.row)->maximum(), std::stoi(b.scale[2]));
        EXPECT_EQ(bar(b.row)->selStart(), bar(b.row)->minimum());
        EXPECT_EQ(bar(b.row)->selEnd(), bar(b.row)->minimum());
        EXPECT_EQ(nameLabel(b.row)->toolTip().isEmpty(), !b.hint);
        EXPECT_EQ(valueField(b.row)->cursor().shape(),
                  b.hint ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    for (int r = 1; r <= 8; ++r) {
        if (barRow[static_cast<size_t>(r)]) continue;
        EXPECT_FALSE(columnsShown(r)) << r;
        EXPECT_TRUE(nameLabel(r)->text().isEmpty());
    }

    std::vector<bool> used(24, false);
    for (const LampExpect& l : x.lamps) {
        used[static_cast<size_t>(l.image)] = true;
        EXPECT_TRUE(shown(QStringLiteral("Label%1").arg(l.image))) << l.image;
        EXPECT_EQ(str(text(QStringLiteral("Label%1").arg(l.image))), l.caption);
        EXPECT_FALSE(shown(QStringLiteral("Image%1").arg(l.image))) << "drawn by the first refresh";
        EXPECT_EQ(imageTag(l.image), -1);
        EXPECT_FALSE(image(l.image)->toolTip().isEmpty());
    }
    for (int n = 10; n <= 23; ++n) {
        if (used[static_cast<size_t>(n)]) continue;
        EXPECT_FALSE(shown(QStringLiteral("Label%1").arg(n))) << n;
        EXPECT_FALSE(shown(QStringLiteral("Image%1").arg(n))) << n;
    }

    EXPECT_TRUE(shown("Panel301"));
    EXPECT_TRUE(shown("Panel302"));
    EXPECT_EQ(str(text("Label302")), x.labels[0]);
    EXPECT_EQ(str(text("Label300")), x.labels[1]);
    EXPECT_EQ(str(text("Label301")), x.labels[2]);
    EXPECT_EQ(shown("Panel304"), x.status[2] != nullptr);
}

TEST_P(OverviewClassTest, ShowsTheValuesOfTheTable) {
    const ClassExpect& x = expectations()[static_cast<size_t>(GetParam() - 1)];
    start(x.cls);
    form->ShowValues();
    for (const BarExpect& b : x.bars) {
        EXPECT_EQ(str(valueField(b.row)->text()), b.value) << "row " << b.row;
        EXPECT_EQ(bar(b.row)->selStart(), bar(b.row)->minimum());
        EXPECT_EQ(bar(b.row)->selEnd(), b.selEnd) << "row " << b.row;
    }
    for (const LampExpect& l : x.lamps) {
        EXPECT_TRUE(shown(QStringLiteral("Image%1").arg(l.image))) << l.image;
        EXPECT_EQ(image(l.image)->picture(), l.picture) << "Image" << l.image;
        EXPECT_EQ(imageTag(l.image), l.picture % 2) << "Image" << l.image;
    }
    EXPECT_EQ(str(text("Panel305")), x.status[0]);
    EXPECT_EQ(str(text("Panel303")), x.status[1]);
    if (x.status[2])
        EXPECT_EQ(str(text("Panel304")), x.status[2]);
    else
        EXPECT_TRUE(text("Panel304").isEmpty()) << "class 1 never writes line 3";
    EXPECT_EQ(form->OVERVIEW_BuildDeviceStatusText(),
              x.status[2] ? ByteString(x.status[2]) : ByteString(x.status[1]));
}

TEST_P(OverviewClassTest, PointsNotYetReceivedShowEmptyTexts) {
    const ClassExpect& x = expectations()[static_cast<size_t>(GetParam() - 1)];
    viewdata::registerClass(dp, x.cls);
    form->SetLinkState(true);
    form->SetDeviceClass(static_cast<uint8_t>(x.cls));
    form->ShowValues();
    for (const BarExpect& b : x.bars) {
        const QString unit = valueField(b.row)->text();
        EXPECT_TRUE(unit.startsWith(' ') && unit.endsWith(' ')) << str(unit);
        EXPECT_EQ(bar(b.row)->selEnd(), 0);
    }
    for (const LampExpect& l : x.lamps) {
        EXPECT_TRUE(shown(QStringLiteral("Image%1").arg(l.image))) << "the off picture, once";
        EXPECT_EQ(image(l.image)->picture() % 2, 0);
    }
    EXPECT_EQ(str(text("Panel303")), x.cls == 1 ? " Fehler " : "");
}

TEST_P(OverviewClassTest, NanAndHugeValuesSaturate) {
    const ClassExpect& x = expectations()[static_cast<size_t>(GetParam() - 1)];
    start(x.cls);
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double values[] = {nan, inf, -inf, 1e300L, -1e300L, 4.0e9L};
    for (long double v : values) {
        for (const BarExpect& b : x.bars) viewdata::set(dp, b.key, "x", v);
        for (const char* k : {"OVRLBG", "OVRLUP", "OVRLHS", "OVRLFL", "OVRLBA"})
            viewdata::set(dp, k, "1", v, 1);
        form->ShowValues();
        for (const BarExpect& b : x.bars) {
            const int e = bar(b.row)->selEnd();
            if (std::isnan(v))
                EXPECT_EQ(e, 0);
            else if (v > 0)
                EXPECT_EQ(e, std::numeric_limits<int32_t>::max());
            else
                EXPECT_EQ(e, std::numeric_limits<int32_t>::min());
        }
    }
    form->grab();  // painting the saturated bars must not fail either
}

TEST_F(OverviewTest, SameClassAgainDoesNothingEvenWhenHidden) {
    start(3);
    form->SetLinkState(false);
    EXPECT_FALSE(anythingShown());
    form->SetLinkState(true);
    form->SetDeviceClass(3);
    EXPECT_FALSE(anythingShown()) << "the class was held already";
    EXPECT_EQ(form->HeldDeviceClass(), 3);
}

TEST_F(OverviewTest, ClassWhileTheAdapterIsNotReadyBuildsNothing) {
    viewdata::fillClass(dp, 3);
    form->SetDeviceClass(3);
    EXPECT_EQ(form->HeldDeviceClass(), 3);
    EXPECT_FALSE(anythingShown());
    form->SetLinkState(true);
    EXPECT_FALSE(anythingShown());
    EXPECT_EQ(form->RowUnits(), 10);
    form->ShowValues();
    EXPECT_FALSE(anythingShown()) << "nothing built, so a refresh shows nothing";
}

TEST_F(OverviewTest, ClassZeroHidesEverythingAndResetsTheHelpContext) {
    start(2);
    form->ShowValues();
    EXPECT_EQ(form->helpContext(), 211);
    form->SetDeviceClass(0);
    EXPECT_FALSE(anythingShown());
    EXPECT_EQ(form->helpContext(), 201);
    for (int r = 1; r <= 8; ++r) EXPECT_TRUE(nameLabel(r)->text().isEmpty());
    EXPECT_EQ(rowTag(1), 1) << "row panels keep their tags";
}

TEST_F(OverviewTest, ClassSixBuildsNothingAndKeepsTheHelpContext) {
    start(4);
    form->SetDeviceClass(0);
    EXPECT_EQ(form->helpContext(), 201);
    start(5);
    form->SetDeviceClass(0);
    form->setHelpContext(214);
    form->SetDeviceClass(6);
    EXPECT_FALSE(anythingShown());
    EXPECT_EQ(form->helpContext(), 214);
    form->ShowValues();
    EXPECT_FALSE(anythingShown());
}

TEST_F(OverviewTest, LinkLossHidesEverythingAndKeepsTheClass) {
    start(1);
    form->ShowValues();
    ASSERT_TRUE(anythingShown());
    form->SetLinkState(false);
    EXPECT_FALSE(anythingShown());
    EXPECT_EQ(form->HeldDeviceClass(), 1);
    viewdata::set(dp, "OVRUB", "13.00", 13);
    form->ShowValues();
    EXPECT_FALSE(anythingShown()) << "a late refresh brings nothing back";
    // The session engine passes through class 0 before the next build.
    form->SetDeviceClass(0);
    form->SetLinkState(true);
    form->SetDeviceClass(1);
    form->ShowValues();
    EXPECT_EQ(str(valueField(1)->text()), "13.00 V ");
    EXPECT_TRUE(shown("Image23"));
}

TEST_F(OverviewTest, FahrenheitWidensTheTemperatureScales) {
    rec.temperatureUnit = 1;
    viewdata::registerClass(dp, 4, "°F");
    form->SetLinkState(true);
    form->SetDeviceClass(4);
    for (int row : {2, 3, 4, 7}) {
        EXPECT_EQ(bar(row)->minimum(), -40);
        EXPECT_EQ(bar(row)->maximum(), 290);
        EXPECT_EQ(bar(row)->tickFrequency(), 10);
        EXPECT_EQ(str(scale(row, 1)), "125");
    }
    form->SetDeviceClass(0);
    viewdata::registerClass(dp, 2, "°F");
    form->SetDeviceClass(2);
    for (int row : {2, 3, 4}) {
        EXPECT_EQ(bar(row)->maximum(), 260);
        EXPECT_EQ(str(scale(row, 1)), "110");
    }
    EXPECT_EQ(bar(1)->maximum(), 40) << "only temperatures change";
}

TEST_F(OverviewTest, LampRedrawsOnlyWhenItsRoundedValueChanges) {
    start(1);
    form->ShowValues();
    ASSERT_EQ(image(10)->picture(), 7);
    // Value 1.4 with the bit cleared: the rounded value is still 1, so the picture stays.
    viewdata::set(dp, "OVRLBG", "0", 1.4L, 0);
    form->ShowValues();
    EXPECT_EQ(image(10)->picture(), 7);
    // Down to 0: redrawn, and the colour follows the bit.
    viewdata::set(dp, "OVRLBG", "0", 0, 0);
    form->ShowValues();
    EXPECT_EQ(image(10)->picture(), 6);
    EXPECT_EQ(imageTag(10), 0);
    viewdata::setBit(dp, "OVRLFL", false);
    form->ShowValues();
    EXPECT_EQ(image(23)->picture(), 0) << "the flame lamp is red: dark when off";
}

TEST_F(OverviewTest, ClassFourStateTimeOnlyWhenGiven) {
    start(4);
    viewdata::set(dp, "OVRZUSTAND_Z", "", 0);
    form->ShowValues();
    EXPECT_EQ(str(text("Panel303")), "Heizen");
    viewdata::set(dp, "OVRZUSTAND_Z", "3.5", 3.5L);
    form->ShowValues();
    EXPECT_EQ(str(text("Panel303")), "Heizen [3.5s]");
}

TEST_F(OverviewTest, ClassFiveLockoutFlag) {
    start(5);
    form->ShowValues();
    EXPECT_EQ(str(text("Panel304")), "kein Fehler ");
    viewdata::setBit(dp, "OVRSTV", true);
    form->ShowValues();
    EXPECT_EQ(str(text("Panel304")), "Fehler STFL");
}

TEST_F(OverviewTest, ClassOneKeepsTwoEmptyRowsAndNoThirdLine) {
    start(1);
    form->ShowValues();
    const int b5 = w("GPanel700")->height();
    EXPECT_GT(b5, 1);
    for (const char* r : {"GPanel800", "GPanel900"}) {
        EXPECT_EQ(w(r)->height(), b5) << r << " is an empty row of full height";
    }
    EXPECT_FALSE(columnsShown(6));
    EXPECT_FALSE(columnsShown(7));
    EXPECT_EQ(w("GPanel1000")->height(), 1);
    EXPECT_FALSE(shown("Panel304"));
    EXPECT_TRUE(text("Label301").isEmpty());
}

TEST_F(OverviewTest, ClassThreeFlagsFollowTheErrorCount) {
    start(3);
    viewdata::set(dp, "OVRERRCNT", "0", 0);
    for (const char* k : {"OVRSTFL", "OVRNL2FL", "OVRMAF"}) viewdata::setBit(dp, k, false);
    for (const char* k : {"OVRÜHFL", "OVRHAMA1", "OVRHAMA2", "OVRBSFL"})
        viewdata::setBit(dp, k, true);
    form->ShowValues();
    EXPECT_EQ(str(text("Panel304")), "0 Fehler  ÜHFL HAMA1 HAMA2 BSFL");
}

TEST_F(OverviewTest, RefreshWritesOnlyWhatChanged) {
    start(1);
    form->ShowValues();
    const uint64_t afterFirst = form->writeCount();
    EXPECT_GT(afterFirst, 0u);
    form->ShowValues();
    EXPECT_EQ(form->writeCount(), afterFirst) << "unchanged table";
    // Another point changes: the table's change count moves, but no shown text does.
    dp.DP_Register("CFGOTHER", "x", "");
    form->ShowValues();
    EXPECT_EQ(form->writeCount(), afterFirst) << "nothing shown changed";
    viewdata::set(dp, "OVRUB", "12.40", 12.4L);
    form->ShowValues();
    EXPECT_EQ(form->writeCount(), afterFirst + 1) << "one value field, same rounded bar";
    viewdata::set(dp, "OVRUB", "13.60", 13.6L);
    form->ShowValues();
    EXPECT_EQ(form->writeCount(), afterFirst + 3) << "value field and bar";
}

TEST_F(OverviewTest, StaysQuickAtThePollRate) {
    start(3);
    form->ShowValues();
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < 1000; ++i) {
        viewdata::set(dp, "OVRUB", std::to_string(10 + i % 5), 10 + i % 5);
        viewdata::set(dp, "OVRBGRPM", std::to_string(3000 + i), 3000 + i);
        viewdata::setBit(dp, "OVRLBG", i % 2 == 0);
        form->ShowValues();
    }
    QApplication::processEvents();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    // A status reply comes at most every 50 ms; a refresh takes a small part of that.
    EXPECT_LT(ms / 1000, 5.0) << ms << " ms for 1000 refreshes";
}

TEST_F(OverviewTest, HintClickOpensAnInformationBox) {
    start(2);
    const QPointF p(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, p, p, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, p, p, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(nameLabel(1), &press);
    QApplication::sendEvent(nameLabel(1), &release);
    EXPECT_TRUE(rec.ui.boxes.empty()) << "the voltage bar has no hint";
    QApplication::sendEvent(valueField(3), &press);
    QApplication::sendEvent(valueField(3), &release);
    ASSERT_EQ(rec.ui.boxes.size(), 1u);
    EXPECT_EQ(rec.ui.boxes[0].kind, MsgKind::Information);
    EXPECT_EQ(rec.ui.boxes[0].buttons, MB_OK);
    EXPECT_EQ(rec.ui.boxes[0].text.rfind("     Die Schaltschwellen werden vom Steuergerät", 0), 0u);
    EXPECT_NE(rec.ui.boxes[0].text.find("angepasst, je nach       \r\n"), ByteString::npos);
    EXPECT_NE(rec.ui.boxes[0].text.find("Heizgerätes.\r\n\r\n     Sind"), ByteString::npos);
}

TEST_F(OverviewTest, ScaleLabelsUseAPointWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German));
    start(1);
    EXPECT_EQ(str(scale(5, 1)), "2.5");
    QLocale::setDefault(QLocale::c());
}

TEST_F(OverviewTest, LayoutFollowsTheWindowHeight) {
    start(3);
    form->resize(1400, 800);
    QApplication::processEvents();
    EXPECT_EQ(form->font().pointSize(), 20);
    const int unit = (800 - 8 - 8) / 11;
    EXPECT_EQ(w("GPanel100")->height(), unit - 5);
    EXPECT_EQ(w("Panel200")->height(), unit);
    EXPECT_EQ(w("Panel300")->height(), static_cast<int>(std::lround(2.35 * unit)));
    EXPECT_GE(form->minimumWidth(), 320);
    EXPECT_LE(w("Panel300")->geometry().bottom(), 800);

    // A narrower window holds a smaller font only; never one below the legible size.
    form->resize(600, 800);
    QApplication::processEvents();
    EXPECT_LT(form->font().pointSize(), 20);
    EXPECT_GE(form->font().pointSize(), QApplication::font().pointSize());
    form->resize(1400, 320);
    QApplication::processEvents();
    EXPECT_EQ(form->font().pointSize(), QApplication::font().pointSize());
}

// Each child of the chain lies within its parent, so nothing of it is cut off.
bool wholeInside(const QWidget* w, const QWidget* top) {
    for (; w && w != top; w = w->parentWidget())
        if (!w->parentWidget() || !w->parentWidget()->rect().contains(w->geometry())) return false;
    return w == top;
}

bool textFits(const QLabel* l) {
    return l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width();
}

// The places the overview gets inside an MDI child (border and title bar) in the tilings of a
// 1600 x 1000 area with three windows, one above the other and side by side, in the first
// run's two rows, and at its smallest.
TEST_P(OverviewClassTest, ValuesAndLampsStayWholeAndLegibleAtTheTilingSizes) {
    const ClassExpect& x = expectations()[static_cast<size_t>(GetParam() - 1)];
    start(x.cls);
    form->ShowValues();
    const int legible = QApplication::font().pointSize();
    const QSize frame(8, 28);
    const QSize tiles[] = {{1600, 333}, {533, 1000}, {1600, 500}, {0, 0}};
    for (const QSize& tile : tiles) {
        const QSize size =
            tile.isNull()
                ? form->minimumSize()
                : (tile - frame).expandedTo(form->minimumSize()).boundedTo(form->maximumSize());
        form->resize(size);
        QApplication::processEvents();
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
        EXPECT_GE(form->font().pointSize(), legible);
        for (const BarExpect& b : x.bars) {
            SCOPED_TRACE(b.key);
            EXPECT_TRUE(wholeInside(valueField(b.row), form.get()));
            EXPECT_TRUE(textFits(valueField(b.row))) << str(valueField(b.row)->text());
            EXPECT_TRUE(wholeInside(nameLabel(b.row), form.get()));
            EXPECT_TRUE(textFits(nameLabel(b.row)));
            QRect previous;
            for (int k = 0; k < 3; ++k) {
                QLabel* l = label(QStringLiteral("MLabel%1").arg(kRowNumber[b.row] + k));
                EXPECT_GE(l->font().pointSize(), legible);
                EXPECT_TRUE(wholeInside(l, form.get()));
                EXPECT_TRUE(textFits(l));
                EXPECT_FALSE(l->geometry().intersects(previous)) << k;
                previous = l->geometry();
            }
            EXPECT_TRUE(wholeInside(bar(b.row), form.get()));
            EXPECT_GE(bar(b.row)->height(), 14) << "a bar that shows its value";
        }
        QRect previous;
        for (const LampExpect& l : x.lamps) {
            SCOPED_TRACE(l.caption);
            QLabel* caption = label(QStringLiteral("Label%1").arg(l.image));
            EXPECT_GE(caption->font().pointSize(), legible);
            EXPECT_TRUE(wholeInside(caption, form.get()));
            EXPECT_TRUE(textFits(caption));
            EXPECT_FALSE(caption->geometry().intersects(previous));
            previous = caption->geometry();
            EXPECT_TRUE(wholeInside(image(l.image), form.get()));
            EXPECT_GE(image(l.image)->width(), 12);
            EXPECT_FALSE(image(l.image)->geometry().intersects(caption->geometry()));
        }
        for (const char* f : {"Panel305", "Panel303", "Panel304"})
            EXPECT_TRUE(!shown(f) || wholeInside(label(f), form.get())) << f;
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, OverviewClassTest, ::testing::Values(1, 2, 3, 4, 5));

}  // namespace
