// Automatic detection and the manual start, byte for byte over the fake transport. Recording
// modules take the places of classes 2 to 6, so every row of the recognition table is seen by
// which module the session registers.
#include <gtest/gtest.h>

#include "sessionrig.h"

namespace {

struct Detection {
    Detection() {
        for (uint8_t c = 2; c <= 6; ++c) {
            auto m = std::make_unique<RecordingModule>(r.session);
            modules[c] = m.get();
            r.session.setModule(c, std::move(m));
        }
        r.h.engine.windowHooks.SetCaption = [this](const ByteString& c) { caption = c; };
    }
    // A K-Line unit that starts, tells its name and then answers the last probe as given.
    void klineUnit(const char* nameAnswer, const char* checkAnswer) {
        r.kline = [=](const ByteString& t) -> std::optional<ByteString> {
            if (t.size() < 4) return std::nullopt;
            const uint8_t service = static_cast<uint8_t>(t[3]);
            if (service == 0x81) return SessionRig::klineAnswer("C1 8F EA");
            const uint8_t id = t.size() > 4 ? static_cast<uint8_t>(t[4]) : 0;
            if (service == 0x21 && id == 0x04) return SessionRig::klineAnswer(nameAnswer);
            if (service == 0x21 && id == 0x11) return SessionRig::klineAnswer(checkAnswer);
            return std::nullopt;
        };
    }
    // An S-Bus unit at one address that answers the identification with `ident`.
    void sbusUnit(uint8_t address, const ByteString& ident) {
        r.sbus = [=](const ByteString& t) -> std::optional<ByteString> {
            if (t.empty() || static_cast<uint8_t>(t[0]) != address) return std::nullopt;
            return SessionRig::sbusAnswer(H("14") + ident, address);
        };
    }
    void wbusName(const char* name) {
        r.wbus = [=](const ByteString&) -> std::optional<ByteString> {
            ByteString n = name;
            n.resize(8, ' ');
            return SimWBusUnit::frameAnswer(H("D1 0B") + n);
        };
    }
    void detect() {
        r.session.SelectedDeviceIndex = -1;
        r.session.DIAG_BeginSession(dcNone);
        r.h.advance(3000);
    }

    SessionRig r;
    RecordingModule* modules[7] = {};
    ByteString caption;
};

// One bench per test; the tables make one per case.
class DetectionTest : public ::testing::Test, protected Detection {};

TEST(DetectionCases, EachRecognisedUnitStartsItsModule) {
    const ByteString blanks10(10, ' ');
    struct Case {
        const char* what;
        std::function<void(Detection&)> unit;
        uint8_t deviceClass;
        ByteString ident;  // handed to the registration (S-Bus classes)
        int32_t entryStep;
        int32_t row;
        const char* caption;
        const char* cfgName;
    };
    const Case cases[] = {
        {"W-Bus KX3117", [](Detection& d) { d.wbusName("KX3117"); }, 3, "", 11, 2, "Calvix R",
         "KX3117"},
        {"S-Bus KX3141 text", [&](Detection& d) { d.sbusUnit(7, blanks10 + "KX3141"); }, 4,
         blanks10 + "KX3141", 11, 3, "Calvix N", ""},
        {"S-Bus class 4 number", [](Detection& d) { d.sbusUnit(7, "       47386219A"); }, 4,
         "       47386219A", 11, 3, "Calvix N", ""},
        {"S-Bus class 5, zeros", [](Detection& d) { d.sbusUnit(7, "0000000473800061"); }, 5,
         "0000000473800061", 11, 4, "Calvix extra", ""},
        {"S-Bus class 5, blanks", [](Detection& d) { d.sbusUnit(7, "       473800062"); }, 5,
         "       473800062", 11, 4, "Calvix extra", ""},
        {"boot loader at its own address", [](Detection& d) { d.sbusUnit(3, "0000000473800051"); },
         6, "0000000473800051", 50, 5, "Flashloader", ""},
        {"boot loader, blanks", [](Detection& d) { d.sbusUnit(3, "       473800059"); }, 6,
         "       473800059", 50, 5, "Flashloader", ""},
        {"K-Line negative check answer",
         [](Detection& d) { d.klineUnit("61 04 41 42 43", "7F 21 12"); }, 2, "", 13, 1,
         "Calvix 140/180/220", "ABC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Detection d;
        c.unit(d);
        d.detect();
        EXPECT_EQ(d.r.h.engine.DeviceClass, c.deviceClass);
        ASSERT_NE(d.modules[c.deviceClass], nullptr);
        RecordingModule& m = *d.modules[c.deviceClass];
        EXPECT_EQ(m.registrations, 1);
        EXPECT_EQ(m.ident, c.ident);
        EXPECT_EQ(m.firstStep, c.entryStep);
        EXPECT_EQ(d.r.h.engine.DetectedDeviceIndex, c.row);
        EXPECT_EQ(d.caption, ByteString("NAVIRON Calvix Test [") + c.caption + "]");
        EXPECT_EQ(d.r.h.engine.dataPoints.DP_GetValue("CFGNAME").Text, c.cfgName);
        EXPECT_TRUE(d.r.h.engine.SessionStarted);
        EXPECT_TRUE(d.r.h.ui.boxes.empty());
        EXPECT_GT(m.ticks, 0);  // the session tick reaches the recognised class's module
    }
}

TEST(DetectionCases, EndingsShowTheirMessageOnce) {
    const char* noConnection =
        "     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    \r\n"
        "     Bitte prüfen Sie die Stromversorgung und die Verkabelung.";
    const char* chooseManually =
        "     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    \r\n"
        "     Bitte prüfen Sie die Stromversorgung und die Verkabelung oder      \r\n"
        "     wählen sie das Heizgerät manuell aus.";
    const char* unsupported =
        "     Das angeschlossene Gerät wird von der Diagnose nicht unterstützt!    \r\n"
        "     Bitte aktualisieren Sie die Diagnosesoftware.";
    struct Case {
        const char* what;
        std::function<void(Detection&)> setup;
        const char* message;
    };
    const Case cases[] = {
        {"unknown W-Bus name", [](Detection& d) { d.wbusName("KX9999"); }, chooseManually},
        {"bus configuration not acknowledged", [](Detection& d) { d.r.ackConfig = false; },
         chooseManually},
        {"wake-up not acknowledged", [](Detection& d) { d.r.ackWakeup = false; }, chooseManually},
        {"unknown S-Bus ident", [](Detection& d) { d.sbusUnit(7, "          KX3141X"); },
         unsupported},
        {"K-Line unit that is not class 2",
         [](Detection& d) { d.klineUnit("61 04 41 42 43", "61 11 00"); }, chooseManually},
        {"K-Line check answered for another identifier",
         [](Detection& d) { d.klineUnit("61 04 41 42 43", "61 12 00"); }, noConnection},
        {"no unit at all", [](Detection&) {}, noConnection},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Detection d;
        c.setup(d);
        d.r.session.DIAG_BeginSession(dcNone);
        ASSERT_TRUE(d.r.runUntilEnded());
        ASSERT_EQ(d.r.h.ui.boxes.size(), 1u);
        EXPECT_EQ(d.r.h.ui.boxes[0].text, c.message);
        EXPECT_EQ(d.r.h.log.count("Diagnose gestartet"), 1);
        EXPECT_EQ(d.r.h.log.count("Diagnose gestoppt"), 1);
        EXPECT_EQ(d.r.h.engine.DeviceClass, dcNone);
        EXPECT_EQ(d.r.h.engine.DetectedDeviceIndex, -1);
        EXPECT_EQ(d.r.h.boxesInReplyPath, 0);
        for (uint8_t cls = 2; cls <= 6; ++cls) EXPECT_EQ(d.modules[cls]->registrations, 0);
    }
}

TEST_F(DetectionTest, ProbesEveryBusInTurnWithItsOwnConfiguration) {
    r.session.DIAG_BeginSession(dcNone);
    ASSERT_TRUE(r.runUntilEnded());
    const std::vector<ByteString> a = r.adapterData();
    ASSERT_GE(a.size(), 6u);
    EXPECT_EQ(a[0], "1E 00 03 06 0A 80 ");
    EXPECT_EQ(a[1], "1F 1A 00 33 00 ");
    // W-Bus: the name request until the third failure in a row
    const auto w = r.telegramsOn(0);
    ASSERT_EQ(w.size(), 3u);
    for (const ByteString& t : w) EXPECT_EQ(hexOf(t), "F4 03 51 0B AD ");
    EXPECT_EQ(a[5], "1E 02 05 01 05 80 ");
    EXPECT_EQ(a[6], "1F 1A 00 B3 00 ");
    // S-Bus: five tries at address 7, then five at the boot loader's address 3
    const auto s = r.telegramsOn(2);
    ASSERT_EQ(s.size(), 10u);
    for (size_t i = 0; i < s.size(); ++i) {
        EXPECT_EQ(static_cast<uint8_t>(s[i][0]), i < 5 ? 7 : 3) << i;
        EXPECT_EQ(static_cast<uint8_t>(s[i][3]), 20);  // the identification service
    }
    EXPECT_EQ(a[17], "1E 01 06 0B 00 33 ");
    EXPECT_EQ(a[18], "1F 1A 00 33 00 ");
    // K-Line: twenty wake-ups of its own, each followed by five start requests
    EXPECT_EQ(r.session.AttemptCount, 20);
    const auto k = r.telegramsOn(1);
    EXPECT_EQ(k.size(), 20u * 5u);
    EXPECT_EQ(hexOf(k.front()), "81 9D F1 81 90 ");
    EXPECT_EQ(r.h.log.count("Wakeup..."), 1 + 1 + 20);
}

TEST_F(DetectionTest, RejectedIdentAtTheFirstAddressIsAskedOnceMoreAtTheSecond) {
    // A negative answer from address 7 and from address 3: no silent stall on the missing
    // next step, one question at each address, then the K-Line.
    r.sbus = [](const ByteString& t) -> std::optional<ByteString> {
        return SessionRig::sbusAnswer(H("00 01 14"), static_cast<uint8_t>(t[0]));
    };
    r.session.DIAG_BeginSession(dcNone);
    r.h.advance(2000);
    const auto s = r.telegramsOn(2);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(static_cast<uint8_t>(s[0][0]), 7);
    EXPECT_EQ(static_cast<uint8_t>(s[1][0]), 3);
    EXPECT_FALSE(r.telegramsOn(1).empty());  // the K-Line had its turn
}

TEST_F(DetectionTest, KLineNameOfAnEarlierUnitIsNotCarriedOver) {
    klineUnit("61 04 41 42 43", "7F 21 12");
    detect();
    ASSERT_EQ(r.h.engine.DeviceClass, dcKX3024);
    ASSERT_EQ(r.h.engine.dataPoints.DP_GetValue("CFGNAME").Text, "ABC");
    // the session ends; the next unit refuses the name request
    r.session.DIAG_RequestStop();
    r.h.advance(200);
    ASSERT_FALSE(r.h.engine.SessionStarted);
    klineUnit("7F 21 11", "7F 21 12");
    detect();
    ASSERT_EQ(r.h.engine.DeviceClass, dcKX3024);
    EXPECT_EQ(modules[2]->registrations, 2);
    EXPECT_EQ(r.h.engine.dataPoints.DP_GetValue("CFGNAME").Text, "");
}

TEST(DetectionCases, ManualStartConfiguresTheBusOfTheClass) {
    struct Case {
        uint8_t deviceClass;
        const char* config;
        const char* wakeup;
    };
    const Case cases[] = {
        {2, "1E 01 06 0B 00 33 ", "1F 1A 00 33 00 "}, {3, "1E 00 03 06 0A 8D ", "1F 1A 00 33 00 "},
        {4, "1E 02 05 01 05 80 ", "1F 1A 00 B3 00 "}, {5, "1E 02 05 01 05 FF ", "1F 1A 00 B3 00 "},
        {6, "1E 02 05 01 00 FF ", "1F 1A 00 B3 00 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.deviceClass));
        Detection d;
        d.r.session.DIAG_BeginSession(c.deviceClass);
        d.r.h.advance(500);
        const auto a = d.r.adapterData();
        ASSERT_EQ(a.size(), 2u);
        EXPECT_EQ(a[0], c.config);
        EXPECT_EQ(a[1], c.wakeup);
        EXPECT_EQ(d.modules[c.deviceClass]->firstStep, 10);
        EXPECT_EQ(d.r.session.AttemptCount, 1);
        EXPECT_EQ(d.r.h.engine.DeviceClass, c.deviceClass);
        EXPECT_EQ(d.r.h.log.count("Diagnose gestartet"), 1);
    }
}

TEST(DetectionCases, ManualStartFailuresEndWithoutAMessage) {
    struct Case {
        const char* what;
        std::function<void(Detection&)> setup;
        bool linkError;
    };
    const Case cases[] = {
        {"configuration not acknowledged", [](Detection& d) { d.r.ackConfig = false; }, false},
        {"wake-up not acknowledged", [](Detection& d) { d.r.ackWakeup = false; }, false},
        {"adapter does not answer",
         [](Detection& d) {
             d.r.h.transport()->responder = [](const ByteString&) { return std::nullopt; };
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Detection d;
        c.setup(d);
        d.r.session.DIAG_BeginSession(dcKX3141);
        ASSERT_TRUE(d.r.runUntilEnded(60000));
        EXPECT_TRUE(d.r.h.ui.boxes.empty());
        EXPECT_EQ(d.r.h.log.count("Diagnose gestoppt"), 1);
        EXPECT_EQ(d.r.h.engine.AdapterReady, !c.linkError);  // a link error takes it out of service
        EXPECT_EQ(d.modules[dcKX3141]->firstStep, -1);
    }
}

TEST(SessionWithoutModules, UnitsOfOtherClassesAreNotSupported) {
    const char* unsupported =
        "     Das angeschlossene Gerät wird von der Diagnose nicht unterstützt!    \r\n"
        "     Bitte aktualisieren Sie die Diagnosesoftware.";
    {
        SCOPED_TRACE("detection finds a class-3 unit");
        SessionRig r;
        r.wbus = [](const ByteString&) -> std::optional<ByteString> {
            return SimWBusUnit::frameAnswer(H("D1 0B") + "KX3117  ");
        };
        r.session.DIAG_BeginSession(dcNone);
        ASSERT_TRUE(r.runUntilEnded());
        ASSERT_EQ(r.h.ui.boxes.size(), 1u);
        EXPECT_EQ(r.h.ui.boxes[0].text, unsupported);
        EXPECT_EQ(r.h.engine.DetectedDeviceIndex, -1);
    }
    {
        SCOPED_TRACE("manual start of class 4");
        SessionRig r;
        r.session.DIAG_BeginSession(dcKX3141);
        ASSERT_TRUE(r.runUntilEnded());
        EXPECT_TRUE(r.h.transport()->frames.empty());
        ASSERT_EQ(r.h.ui.boxes.size(), 1u);
        EXPECT_EQ(r.h.ui.boxes[0].text, unsupported);
        EXPECT_EQ(r.h.log.count("Diagnose gestartet"), 1);
        EXPECT_EQ(r.h.log.count("Diagnose gestoppt"), 1);
    }
}

TEST_F(DetectionTest, OperatingStateIsReportedOnlyOnChange) {
    int told = 0;
    r.session.views.ComponentTestSetOperatingState = [&](uint8_t, int32_t) { ++told; };
    r.session.DIAG_BeginSession(dcNone);  // state unknown again
    r.session.DIAG_SetOperatingState(0x0400);
    r.session.DIAG_SetOperatingState(0x0400);
    r.session.DIAG_SetOperatingState(0x2403);
    ASSERT_EQ(r.h.log.stateChanges.size(), 2u);
    EXPECT_EQ(r.h.log.stateChanges[0].oldState, -1);
    EXPECT_EQ(r.h.log.stateChanges[1].oldState, 0x0400);
    EXPECT_EQ(r.h.log.stateChanges[1].newState, 0x2403);
    EXPECT_EQ(told, 2);
}

}  // namespace
