// The measurement log's start dialog: the file name and its layout, the interval check and the
// spin buttons, the browse dialog, the controls by link and class, and the start itself.
#include "protstartform.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "manualclock.h"
#include "settings.h"
#include "viewtestsupport.h"

namespace {

class ProtStartDialog : public ::testing::Test {
protected:
    ProtStartDialog()
        : settings(MainSettings::iniFile(dir.filePath("t.ini")), [] { return QSize(1280, 1024); }),
          form(dp, &settings, clock, rec.context(), MeasurementLog::Hooks{}) {}

    QTemporaryDir dir;
    DataPointTable dp;
    ManualClock clock;
    RecordingContext rec;
    MainSettings settings;
    TPROT_START_Form form;
};

TEST_F(ProtStartDialog, FileNameChoosesTheLayout) {
    struct Case {
        const char* typed;
        const char* shown;
        int32_t mode;
    };
    const Case cases[] = {{"/d/messung", "/d/messung.LOG", LOG_TABS},
                          {"/d/messung.", "/d/messung.LOG", LOG_TABS},
                          {"/d/messung.txt", "/d/messung.txt", LOG_FIXED_WIDTH},
                          {"/d/Messung.log", "/d/Messung.log", LOG_TABS},
                          {"", "", LOG_FIXED_WIDTH}};
    for (const Case& c : cases) {
        form.PROT_SetFileName(QString::fromUtf8(c.typed));
        EXPECT_EQ(form.Edit1()->text().toStdString(), c.shown);
        EXPECT_EQ(settings.LogFileName, c.shown);
        EXPECT_EQ(form.log().ColumnMode, c.mode) << c.typed;
    }
    // the browse button: the shared save dialog, no overwrite question
    rec.ui.fileChoices.push_back(FileDialogChoice{"/e/werte.txt", 2});
    form.Button3Click();
    ASSERT_EQ(rec.ui.fileRequests.size(), 1u);
    EXPECT_EQ(rec.ui.fileRequests[0].title, "Protokolldatei");
    EXPECT_EQ(rec.ui.fileRequests[0].filter,
              "Protokoll-Datei  (*.log)|*.LOG|Text-Datei  (*.txt)|*.TXT");
    EXPECT_EQ(rec.ui.fileRequests[0].filterIndex, 1);
    EXPECT_EQ(rec.ui.fileRequests[0].helpContext, 108);
    EXPECT_EQ(form.Edit1()->text(), QStringLiteral("/e/werte.txt"));
    EXPECT_EQ(form.log().ColumnMode, LOG_FIXED_WIDTH);
    form.Button3Click();  // cancelled: unchanged
    EXPECT_EQ(form.Edit1()->text(), QStringLiteral("/e/werte.txt"));
    EXPECT_TRUE(rec.ui.boxes.empty());
}

TEST_F(ProtStartDialog, TheIntervalStaysWithinOneToAThousand) {
    struct Case {
        const char* typed;
        int position;
        const char* message;  // empty: none
    };
    const Case cases[] = {{"17", 17, ""},
                          {"0", 1, ""},
                          {"1000", 1000, ""},
                          {"1001", 1000, "      Wertebereich überschritten!       "},
                          {"-3", 1, "      Wertebereich unterschritten!      "},
                          {"abc", 5, "      Eingabe fehlerhaft!      "}};
    for (const Case& c : cases) {
        form.UpDown1()->setPosition(5);
        rec.ui.boxes.clear();
        form.Edit2()->setText(QString::fromUtf8(c.typed));
        form.Edit2Exit();
        EXPECT_EQ(form.UpDown1()->position(), c.position) << c.typed;
        EXPECT_EQ(form.Edit2()->text(), QString::number(c.position)) << c.typed;
        if (*c.message) {
            ASSERT_EQ(rec.ui.boxes.size(), 1u) << c.typed;
            EXPECT_EQ(rec.ui.boxes[0].text, c.message);
        } else {
            EXPECT_TRUE(rec.ui.boxes.empty()) << c.typed;
        }
    }
    form.UpDown1()->setPosition(999);
    form.UpDown1()->step(1);
    form.UpDown1()->step(1);
    EXPECT_EQ(form.Edit2()->text(), QStringLiteral("1000"));
}

TEST_F(ProtStartDialog, ControlsFollowLinkAndClass) {
    form.Edit1()->setText(dir.filePath("a.log"));
    form.SetLinkState(true);
    form.SetDeviceClass(1);
    for (QWidget* w : std::initializer_list<QWidget*>{form.Button2(), form.Button3(), form.Edit1(),
                                                      form.Edit2(), form.UpDown1()})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    form.SetDeviceClass(0);
    for (QWidget* w : std::initializer_list<QWidget*>{form.Button2(), form.Button3(), form.Edit1(),
                                                      form.Edit2(), form.UpDown1()})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(form.Edit1()->palette().color(QPalette::Base),
              form.palette().color(QPalette::Button));
}

TEST_F(ProtStartDialog, StartTakesTheDialogsValues) {
    settings.LogFileName = dir.filePath("alt.txt").toStdString();
    settings.LogInterval = 1;
    // cancelled: nothing starts, nothing changes
    int shown = 0;
    form.showModal = [&](TPROT_START_Form& d) {
        ++shown;
        EXPECT_EQ(d.Edit1()->text(), dir.filePath("alt.txt"));
        EXPECT_EQ(d.Edit2()->text(), QStringLiteral("1"));
        d.Edit1()->setText(dir.filePath("neu"));
        return TPROT_START_Form::ResultCancel;
    };
    EXPECT_FALSE(form.PROT_Start());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(settings.LogFileName, dir.filePath("alt.txt").toStdString());
    EXPECT_FALSE(form.log().LogOpen);
    // OK: the name gets its extension, the interval is the spin position in seconds
    form.showModal = [&](TPROT_START_Form& d) {
        d.Edit1()->setText(dir.filePath("neu"));
        d.Edit2()->setText("30");
        d.Button2()->click();
        return d.result();
    };
    EXPECT_TRUE(form.PROT_Start());
    EXPECT_EQ(settings.LogFileName, dir.filePath("neu.LOG").toStdString());
    EXPECT_EQ(settings.LogInterval, 30);
    EXPECT_EQ(form.log().PROTTimer().interval(), 30000);
    EXPECT_TRUE(form.log().LogOpen);
    form.PROT_Stop();
    EXPECT_FALSE(form.log().LogOpen);
}

TEST_F(ProtStartDialog, OkWaitsForAFileName) {
    form.SetLinkState(true);
    form.SetDeviceClass(1);
    struct Case {
        QString name;
        bool ok;
    };
    const Case cases[] = {{QString(), false},          {QStringLiteral("   "), false},
                          {dir.path() + "/", false},   {QStringLiteral("C:\\Protokolle\\"), false},
                          {dir.filePath("neu"), true}, {QStringLiteral("a"), true}};
    for (const Case& c : cases) {
        form.Edit1()->setText(c.name);
        EXPECT_EQ(form.Button2()->isEnabled(), c.ok) << c.name.toStdString();
        EXPECT_EQ(form.Button2()->toolTip().isEmpty(), c.ok) << c.name.toStdString();
    }
    // Started with no name: OK cannot close the dialog, so no file with no name is reported.
    settings.LogFileName.clear();
    int clicks = 0;
    form.showModal = [&](TPROT_START_Form& d) {
        EXPECT_FALSE(d.Button2()->isEnabled());
        d.Button2()->click();
        ++clicks;
        return d.result();
    };
    EXPECT_FALSE(form.PROT_Start());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(rec.ui.boxes.empty());
    EXPECT_FALSE(form.log().LogOpen);
}

TEST_F(ProtStartDialog, PlacementOfItsSlot) {
    form.show();
    form.hide();
    ASSERT_EQ(rec.restored.size(), 1u);
    EXPECT_EQ(rec.restored[0].second, 7);
    ASSERT_EQ(rec.saved.size(), 1u);
    EXPECT_EQ(rec.saved[0].second, 7);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Protokolldatei"));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
