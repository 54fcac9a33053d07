// The main window's dialogs and the free telegram window as a technician uses them on the
// simulated adapters: choosing the adapter, the heater type, the unit and the language, the
// about window and the update notice, and a free telegram beside a running session.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "diagsession.h"
#include "kx3024unit.h"
#include "kx3166unit.h"
#include "mainwinharness.h"
#include "teleform.h"

namespace {

class MainWindowExtras : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    static bool enabled(TMAIN_Form& f, const char* name) {
        return f.action(QString::fromLatin1(name))->isEnabled();
    }
    static void trigger(TMAIN_Form& f, const char* name) {
        f.action(QString::fromLatin1(name))->trigger();
    }
    QSettings stored() const {
        return QSettings(dir.filePath("TRELUN_10.ini"), QSettings::IniFormat);
    }

    QTemporaryDir dir;
};

TEST_F(MainWindowExtras, TheChosenAdapterIsTheOneOpenedAfterwards) {
    SimKX3090Unit secondUnit;
    const size_t second = [&] {
        MainWinRun run(dir.path());
        const size_t s = run.sim.addAdapter("SIM00002");
        run.sim.attachUnit(s, &secondUnit);
        run.showReady();
        TMAIN_Form& f = *run.form;
        EXPECT_EQ(run.sim.openAdapter(), static_cast<int>(run.adapter));
        EXPECT_TRUE(enabled(f, "EXTR_USB"));

        // Chooses a row of the dialog after watching it for a while.
        const auto choose = [&](int row, int result) {
            f.usbSelForm()->showModal = [&, row, result](TEXTRA_USB_Sel& d) {
                run.advance(150);
                // the watch takes the adapter out of service while the dialog is open
                EXPECT_FALSE(f.engine().AdapterReady);
                EXPECT_EQ(run.sim.openAdapter(), -1);
                run.advance(400);
                EXPECT_EQ(d.USBListView()->topLevelItemCount(), 2);
                EXPECT_EQ(run.sim.openAdapter(), -1);  // and opens none meanwhile
                if (row >= 0) d.USBListView()->setCurrentItem(d.USBListView()->topLevelItem(row));
                return result;
            };
            trigger(f, "EXTR_USB");
            run.advance(150);
        };
        choose(1, ResultOk);
        EXPECT_EQ(f.engine().AdapterSerial, "SIM00002");
        EXPECT_EQ(run.sim.openAdapter(), static_cast<int>(s));
        EXPECT_TRUE(f.engine().AdapterReady);
        // the same adapter again: the serial stays and the adapter is opened again
        choose(1, ResultOk);
        EXPECT_EQ(run.sim.openAdapter(), static_cast<int>(s));
        // cancelled: the serial passed in comes back
        choose(0, ResultCancel);
        EXPECT_EQ(f.engine().AdapterSerial, "SIM00002");
        EXPECT_EQ(run.sim.openAdapter(), static_cast<int>(s));
        EXPECT_TRUE(f.engine().AdapterReady);
        f.close();
        return s;
    }();
    EXPECT_EQ(stored().value("USB/Device").toString(), QStringLiteral("SIM00002"));

    // The next start opens the stored adapter, not the first one found.
    MainWinRun next(dir.path());
    const size_t s = next.sim.addAdapter("SIM00002");
    ASSERT_EQ(s, second);
    next.showReady();
    EXPECT_EQ(next.sim.openAdapter(), static_cast<int>(s));
    // OK without a row: no serial, so the first adapter found by its description is opened
    // (the row of the adapter in use comes marked; the user takes the mark off)
    next.form->usbSelForm()->showModal = [&](TEXTRA_USB_Sel& d) {
        next.advance(600);
        const auto marked = d.USBListView()->selectedItems();
        EXPECT_EQ(marked.size(), 1);
        EXPECT_EQ(marked.value(0) ? marked.value(0)->text(0) : QString(),
                  QStringLiteral("SIM00002"));
        d.USBListView()->clearSelection();
        d.OKBtn()->click();
        return d.result();
    };
    trigger(*next.form, "EXTR_USB");
    next.advance(150);
    EXPECT_EQ(next.sim.openAdapter(), static_cast<int>(next.adapter));
    EXPECT_EQ(next.form->engine().AdapterSerial, "SIM00001");
}

TEST_F(MainWindowExtras, ChoosingTheAdapterDuringASessionEndsTheSession) {
    MainWinRun run(dir.path());
    run.showReady();
    TMAIN_Form& f = *run.form;
    trigger(f, "DIAG_Start");
    ASSERT_TRUE(run.runUntil([&] { return f.engine().SessionUp; }, 10000));
    f.usbSelForm()->showModal = [&](TEXTRA_USB_Sel& d) {
        run.advance(600);
        d.USBListView()->setCurrentItem(d.USBListView()->topLevelItem(0));
        return int(ResultOk);
    };
    trigger(f, "EXTR_USB");
    EXPECT_FALSE(f.engine().SessionStarted);
    EXPECT_EQ(f.engine().DeviceClass, 0);
    run.advance(200);
    EXPECT_TRUE(f.engine().AdapterReady);
    EXPECT_FALSE(f.engine().AdapterLost);
    EXPECT_TRUE(enabled(f, "DIAG_Start"));
}

TEST_F(MainWindowExtras, DeviceSelectionSetsTheRowTheStartBegins) {
    MainWinRun run(dir.path());
    run.showReady();
    TMAIN_Form& f = *run.form;
    ASSERT_TRUE(enabled(f, "DIAG_DEV_Sel"));
    EXPECT_TRUE(f.devSelForm()->AutoBtn()->isEnabled());
    f.devSelForm()->showModal = [](TDEV_SEL_Form& d) {
        d.DEVListView()->setCurrentItem(d.DEVListView()->topLevelItem(2));
        d.OKBtn()->click();
        return d.result();
    };
    trigger(f, "DIAG_DEV_Sel");
    EXPECT_EQ(f.session().SelectedDeviceIndex, 2);
    EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("Calvix R")))
        << f.windowTitle().toStdString();
    // back to the automatic search
    f.devSelForm()->showModal = [](TDEV_SEL_Form& d) {
        d.AutoBtn()->click();
        return d.result();
    };
    trigger(f, "DIAG_DEV_Sel");
    EXPECT_EQ(f.session().SelectedDeviceIndex, -1);
    // without the adapter the automatic search is not offered
    run.sim.unplug(run.adapter);
    run.advance(150);
    EXPECT_FALSE(f.devSelForm()->AutoBtn()->isEnabled());
}

TEST_F(MainWindowExtras, UnitLanguageAboutAndTheUpdateNotice) {
    {
        MainWinRun run(dir.path());
        run.showReady();
        run.advance(1000);
        TMAIN_Form& f = *run.form;
        EXPECT_EQ(run.updateNotices, 1);  // once after start

        ASSERT_TRUE(enabled(f, "EXTR_UNIT"));
        f.unitForm()->showModal = [](TEXTRA_UNIT_Form& d) {
            EXPECT_TRUE(d.KEYC()->isChecked());
            d.KEYF()->setChecked(true);
            return int(ResultOk);
        };
        trigger(f, "EXTR_UNIT");
        EXPECT_EQ(f.TemperatureUnit, 1);
        EXPECT_EQ(f.engine().TemperatureUnit, 1);

        // no English module beside this program: German only
        ASSERT_TRUE(enabled(f, "EXTR_SPRACHE"));
        bool englishOffered = true;
        f.languageForm()->showModal = [&](TEXTRA_SPRACHE_Form& d) {
            englishOffered = !d.KEYENU()->isHidden();
            return int(ResultCancel);
        };
        trigger(f, "EXTR_SPRACHE");
        EXPECT_FALSE(englishOffered);

        // the about window shows the adapter's hardware version whenever one is known
        ASSERT_TRUE(enabled(f, "HELP_Info"));
        QString software, hardware;
        f.infoForm()->showModal = [&](THELP_Info_Form& d) {
            software = d.Version()->text();
            hardware = d.HWVersion()->text();
            return int(ResultOk);
        };
        trigger(f, "HELP_Info");
        EXPECT_EQ(software, QStringLiteral("V 1.4"));
        EXPECT_EQ(hardware, QString());
        f.engine().AdapterHwVersion = "\x21\x42";
        f.UI_UpdateLinkState();
        EXPECT_EQ(f.infoForm()->HWVersion()->text(), QStringLiteral("V 2.1 B"));
        run.sim.unplug(run.adapter);  // the watch forgets the version with the adapter
        run.advance(150);
        EXPECT_EQ(f.infoForm()->HWVersion()->text(), QString());
        EXPECT_EQ(run.updateNotices, 1);
        f.close();
    }
    EXPECT_EQ(stored().value("Unit/Temp").toInt(), 1);
}

TEST_F(MainWindowExtras, FreeTelegramBesideTheSession) {
    {
        MainWinRun run(dir.path());
        run.showReady();
        TMAIN_Form& f = *run.form;
        TEXTRA_Tele_Form& tele = *f.teleForm();
        EXPECT_FALSE(tele.isVisible());
        ASSERT_TRUE(enabled(f, "EXTR_TELG"));
        trigger(f, "EXTR_TELG");
        EXPECT_TRUE(tele.isVisible());
        EXPECT_FALSE(tele.ComboBox1()->isEnabled());  // no session yet

        trigger(f, "DIAG_Start");
        ASSERT_TRUE(run.runUntil([&] { return f.engine().SessionUp; }, 10000));
        ASSERT_TRUE(tele.ComboBox1()->isEnabled());
        EXPECT_EQ(tele.Edit1()->text(), QStringLiteral("0F"));
        EXPECT_EQ(tele.Edit2()->text(), QStringLiteral("04"));
        EXPECT_EQ(tele.Label2()->text(), QStringLiteral("50 07 (Hex)"));

        // typed and sent with Enter
        QTest::keyClicks(tele.ComboBox1()->lineEdit(), QStringLiteral("50 7"));
        QTest::keyClick(tele.ComboBox1()->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(tele.ComboBox1()->currentText(), QStringLiteral("50 07 "));
        EXPECT_FALSE(tele.Button2()->isEnabled());
        ASSERT_TRUE(run.runUntil([&] { return tele.Button2()->isEnabled(); }, 2000));
        EXPECT_TRUE(tele.Edit3()->text().startsWith(QStringLiteral("D0 07 ")))
            << tele.Edit3()->text().toStdString();
        ASSERT_EQ(tele.ComboBox1()->count(), 1);
        EXPECT_EQ(tele.ComboBox1()->itemText(0), QStringLiteral("50 07 "));
        EXPECT_TRUE(f.engine().SessionUp);
        EXPECT_TRUE(run.ui.boxes.empty());

        // a typed entry holds at most 100 characters, but its written-out form stays whole
        QLineEdit* entry = tele.ComboBox1()->lineEdit();
        entry->clear();
        QTest::keyClicks(entry, QString(120, QLatin1Char('1')));
        EXPECT_EQ(entry->text().size(), 100);
        entry->clear();
        QStringList ones(50, QStringLiteral("1"));
        QTest::keyClicks(entry, ones.join(' '));  // 99 characters
        QTest::keyClick(entry, Qt::Key_Return);
        EXPECT_EQ(entry->text().size(), 150);
        ASSERT_TRUE(run.runUntil([&] { return tele.Button2()->isEnabled(); }, 2000));
        EXPECT_EQ(tele.ComboBox1()->itemText(0).size(), 150);

        // the session ends: the window has nothing to send to, and forgets its history
        trigger(f, "DIAG_Stop");
        ASSERT_TRUE(run.runUntil([&] { return !f.engine().SessionStarted; }, 2000));
        EXPECT_FALSE(tele.ComboBox1()->isEnabled());
        EXPECT_FALSE(tele.Button2()->isEnabled());
        EXPECT_EQ(tele.ComboBox1()->count(), 0);
        f.close();  // with the window open
    }
    EXPECT_TRUE(stored().value("Fenster3/Open").toBool());
    {
        MainWinRun next(dir.path());
        next.showReady();
        EXPECT_TRUE(next.form->teleForm()->isVisible());  // back as it was left
        next.form->teleForm()->Button1()->click();
        EXPECT_FALSE(next.form->teleForm()->isVisible());
        next.form->close();
    }
    EXPECT_FALSE(stored().value("Fenster3/Open").toBool());
}

// The free telegram window on each bus against that bus's simulated unit: the class's
// addresses and example, a typed telegram sent with "Senden" and its answer shown, and a bad
// entry sent with Enter that gets its box and sends nothing.
TEST_F(MainWindowExtras, FreeTelegramWindowOnEachBus) {
    struct Case {
        const char* bus;
        int row;  // the device selection's row
        uint8_t deviceClass;
        const char* source;
        const char* target;
        const char* example;
        const char* typed;
        const char* written;      // the entry as the window writes it out
        ByteString received;      // what the unit got
        const char* answerStart;  // the answer field begins so
        const char* bad;
    };
    const auto bytes = [](std::initializer_list<int> v) {
        ByteString b;
        for (int x : v) b.push_back(static_cast<char>(x));
        return b;
    };
    const Case cases[] = {
        {"W-Bus", 0, 1, "0F", "04", "50 07 (Hex)", "50 7", "50 07 ", bytes({0x50, 0x07}), "D0 07 ",
         "50 0G"},
        {"K-Line", 1, 2, "F1", "9D", "22 1D 02 FF FF FF FF (Hex)", "22 1D 2 FF FF FF FF",
         "22 1D 02 FF FF FF FF ", bytes({0x22, 0x1D, 0x02, 0xFF, 0xFF, 0xFF, 0xFF}),
         "62 1D 02 71 00 ", "22 1D 100"},
        {"S-Bus", 4, 5, "01", "07", "14 (Hex)", "14", "14 ", bytes({0x14}), "14 ", "0x7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bus);
        SimKX3090Unit kx3090;
        SimKX3024Unit kx3024;
        SimKX3166Unit kx3166;
        ISimControlUnit* unit = c.deviceClass == 1   ? static_cast<ISimControlUnit*>(&kx3090)
                                : c.deviceClass == 2 ? static_cast<ISimControlUnit*>(&kx3024)
                                                     : static_cast<ISimControlUnit*>(&kx3166);
        const auto received = [&] {
            return c.deviceClass == 1   ? kx3090.received()
                   : c.deviceClass == 2 ? kx3024.received()
                                        : kx3166.received();
        };
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        MainWinRun run(folder.path(), true, unit);
        run.showReady();
        TMAIN_Form& f = *run.form;
        f.session().SelectedDeviceIndex = c.row;
        trigger(f, "DIAG_Start");
        ASSERT_TRUE(run.runUntil([&] { return f.engine().SessionUp; }, 15000));
        ASSERT_EQ(f.engine().DeviceClass, c.deviceClass);
        run.advance(500);
        run.ui.boxes.clear();  // the class-5 notice that the computer takes over
        TEXTRA_Tele_Form& tele = *f.teleForm();
        trigger(f, "EXTR_TELG");
        ASSERT_TRUE(tele.isVisible());
        ASSERT_TRUE(tele.ComboBox1()->isEnabled());
        EXPECT_EQ(tele.Edit1()->text(), QString::fromLatin1(c.source));
        EXPECT_EQ(tele.Edit2()->text(), QString::fromLatin1(c.target));
        EXPECT_EQ(tele.Label2()->text(), QString::fromLatin1(c.example));

        QLineEdit* entry = tele.ComboBox1()->lineEdit();
        QTest::keyClicks(entry, QString::fromLatin1(c.typed));
        tele.Button2()->click();
        EXPECT_EQ(tele.ComboBox1()->currentText(), QString::fromLatin1(c.written));
        ASSERT_TRUE(run.runUntil([&] { return tele.Button2()->isEnabled(); }, 3000));
        const QString answer = tele.Edit3()->text();
        EXPECT_TRUE(answer.startsWith(QString::fromLatin1(c.answerStart))) << answer.toStdString();
        const auto got = received();
        EXPECT_NE(std::find(got.begin(), got.end(), c.received), got.end());
        EXPECT_TRUE(run.ui.boxes.empty());

        // a bad entry: its box, and the window sends nothing and keeps the last answer
        entry->clear();
        QTest::keyClicks(entry, QString::fromLatin1(c.bad));
        QTest::keyClick(entry, Qt::Key_Return);
        ASSERT_EQ(run.ui.boxes.size(), 1u);
        EXPECT_EQ(run.ui.boxes[0].text, FreeTelegram::inputErrorText());
        EXPECT_EQ(run.ui.boxes[0].kind, MsgKind::Error);
        EXPECT_EQ(tele.client().request().Step, FreeTelegram::StepIdle);
        run.advance(1000);
        EXPECT_EQ(tele.client().request().Step, FreeTelegram::StepIdle);
        EXPECT_TRUE(tele.Button2()->isEnabled());
        EXPECT_EQ(tele.Edit3()->text(), answer);
        EXPECT_EQ(entry->text(), QString::fromLatin1(c.bad));
        ASSERT_EQ(tele.ComboBox1()->count(), 1);  // only the telegram sent
        EXPECT_EQ(tele.ComboBox1()->itemText(0), QString::fromLatin1(c.written));
        EXPECT_TRUE(f.engine().SessionUp);
        f.close();
    }
}

}  // namespace
