// The step machines of the component test and the calibration on the fake transport, with
// scripted bus answers: the class-4 telegrams (no simulated class-4 unit yet), the end of a
// timed class-5 test, a link error, the message each answer to a component command leads to,
// the heater's fault states during a CO2 adjustment, and the failures that must end without a
// box in the reply path and without leaving the heater on.
#include <gtest/gtest.h>

#include "calibration.h"
#include "hex.h"
#include "komptest.h"
#include "kx3166module.h"
#include "sessionrig.h"
#include "wbusunitbase.h"

namespace {

// The S-Bus data of a telegram (target, source, length, data, check).
ByteString sbusData(const ByteString& t) {
    return t.size() < 4 ? ByteString() : t.substr(3, static_cast<uint8_t>(t[2]) & 0x7F);
}
ByteString sbusDataHex(const ByteString& t) {
    ByteString h = hexOf(sbusData(t));
    while (!h.empty() && h.back() == ' ') h.pop_back();
    return h;
}

class ServiceSteps : public ::testing::Test {
protected:
    void SetUp() override {
        // The unit echoes every S-Bus request as its answer.
        rig.sbus = [](const ByteString& t) -> std::optional<ByteString> {
            return SessionRig::sbusAnswer(sbusData(t), 7);
        };
    }
    void classIs(uint8_t cls) {
        rig.h.engine.DeviceClass = cls;
        rig.bus = cls == 1 || cls == 3 ? 0 : 2;
    }
    std::vector<ByteString> sbusSent() const { return rig.viewsOn(2, sbusDataHex); }

    SessionRig rig;
};

TEST_F(ServiceSteps, Class4AsksForTheGasSupplyAndNamesTheStartedComponentWhenStopping) {
    classIs(4);
    KompTest k(rig.session);
    k.SetLinkState(true);
    k.SetDeviceClass(4);
    k.SetOperatingState(4, 0x0100);
    ASSERT_TRUE(k.TestAllowed);
    EXPECT_EQ(k.radio(4).caption, "Magnetventil 1");
    EXPECT_EQ(k.params(4).Runtime, 20);
    EXPECT_FALSE(k.params(4).HasSetpoint);

    rig.h.ui.answers = {MB_NO};
    k.RadioButtonClick(4);
    k.Button3Click();
    ASSERT_EQ(rig.h.ui.boxes.size(), 1u);
    EXPECT_EQ(rig.h.ui.boxes[0].text,
              "     Stellen sie sicher, dass die Gaszufuhr unterbrochen ist!      \r\n\r\n"
              "     Soll die Komponente eingeschaltet werden?     ");
    rig.h.advance(200);
    EXPECT_TRUE(sbusSent().empty());

    k.Button3Click();  // Yes
    rig.h.advance(200);
    k.Button2Click();
    rig.h.advance(200);
    EXPECT_EQ(sbusSent(), (std::vector<ByteString>{"0E 04 14", "0F 04"}));
    EXPECT_EQ(k.KompReq.Step, 0);

    // another state: no test
    rig.h.ui.boxes.clear();
    k.SetOperatingState(4, 0x0200);
    k.Button3Click();
    ASSERT_EQ(rig.h.ui.boxes.size(), 1u);
    EXPECT_EQ(rig.h.ui.boxes[0].text, KompTest::notPossibleText());
}

TEST_F(ServiceSteps, TimedClass5TestEndsWithExactlyOneAllOff) {
    classIs(5);
    KompTest k(rig.session);
    k.SetLinkState(true);
    k.SetDeviceClass(5);
    k.KOMP_SetCommand(1, 3, false, 2500, true);
    EXPECT_EQ(k.Countdown, 30);
    rig.h.advance(200);
    for (int i = 0; i < 29; ++i) k.DiagTick();
    EXPECT_EQ(k.Countdown, 1);
    rig.h.advance(200);
    EXPECT_EQ(sbusSent(), std::vector<ByteString>{"0E 01 03 C4 09"});
    k.DiagTick();
    EXPECT_EQ(k.Countdown, KompTest::NoCountdown);
    for (int i = 0; i < 100; ++i) k.DiagTick();
    rig.h.advance(200);
    EXPECT_EQ(sbusSent(), (std::vector<ByteString>{"0E 01 03 C4 09", "0E 00 00 00 00"}));
}

TEST_F(ServiceSteps, LinkErrorEndsTheCommandWithoutARetry) {
    classIs(1);
    KompTest k(rig.session);
    k.SetLinkState(true);
    k.SetDeviceClass(1);
    const size_t before = rig.h.transport()->frames.size();
    rig.h.transport()->responder = [](const ByteString&) {
        return std::optional<FakeTransport::Reply>(FakeTransport::Reply{4, {}});
    };
    k.KOMP_SetCommand(4, 10, false, 200, true);
    rig.h.advance(500);
    EXPECT_TRUE(rig.h.engine.LinkError);
    EXPECT_EQ(k.KompReq.Step, 0);
    EXPECT_EQ(rig.h.transport()->frames.size(), before + 1);
}

TEST_F(ServiceSteps, Class3FailureWhileFinishingIsReportedFromTheGuiLoop) {
    classIs(3);
    Calibration c(rig.session, rig.h.clock);
    c.SetLinkState(true);
    c.SetDeviceClass(3);
    c.StartSpeed = 3800;
    // The unit takes the speed back but never answers the store.
    rig.wbus = [](const ByteString& t) -> std::optional<ByteString> {
        const ByteString p = t.substr(2, t.size() - 3);
        if (p == H("57 03 26")) return SimWBusUnit::frameAnswer(H("D7 03 26"));
        return std::nullopt;
    };
    c.RequestCancel();
    for (int t = 0; t < 60000 && !rig.h.engine.PendingCalibrationFault; t += 10) rig.h.advance(10);
    ASSERT_TRUE(rig.h.engine.PendingCalibrationFault);
    EXPECT_TRUE(rig.h.ui.boxes.empty());
    EXPECT_EQ(c.Req.Step, 0);
    rig.h.advance(300);
    ASSERT_EQ(rig.h.ui.boxes.size(), 1u);
    EXPECT_EQ(rig.h.ui.boxes[0].text, Calibration::faultText());
    EXPECT_EQ(rig.h.boxesInReplyPath, 0);
    EXPECT_EQ(rig.wbusOnly({"57 03 26 "}).size(), 1u);
    EXPECT_GE(rig.wbusOnly({"57 06 "}).size(), 1u);
    EXPECT_TRUE(rig.wbusOnly({"10 "}).empty());  // the off of step 42 is not reached
}

TEST_F(ServiceSteps, Class5RefusalAfterTheDialogsSwitchesTheMainSwitchLineOff) {
    classIs(5);
    rig.session.setModule(5, std::make_unique<KX3166Module>(rig.session));
    auto* m = rig.session.moduleAs<KX3166Module>(5);
    Calibration c(rig.session, rig.h.clock);
    c.SetLinkState(true);
    c.SetDeviceClass(5);
    c.StartSpeed = 4000;
    rig.sbus = [](const ByteString&) -> std::optional<ByteString> {
        return SessionRig::sbusAnswer(H("00 04 46"), 7);  // refused: not now
    };
    struct Case {
        const char* name;
        std::function<void()> request;
        const char* sent;
    };
    const Case cases[] = {
        {"save", [&] { c.AssignedSpeed = 4100, c.RequestSaveFam5(); }, "46 02 29"},
        {"restore", [&] { c.RequestCancel(); }, "46 01 28"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        m->KX3166_RequestHSOn();
        ASSERT_EQ(m->lineHS(), 1);
        const size_t from = rig.telegramsOn(2).size();
        k.request();
        rig.h.advance(300);
        EXPECT_EQ(rig.viewsOn(2, sbusDataHex, from).at(0), k.sent);
        EXPECT_EQ(c.Req.Step, 0);
        EXPECT_EQ(m->lineHS(), 0);  // the heater is not left on
    }
}

// The unit's answer to a class-3 component command decides which message the GUI loop shows
// afterwards: why the test failed, or nothing.
TEST_F(ServiceSteps, ComponentCommandAnswersLeadToTheirMessage) {
    struct Case {
        const char* name;
        const char* answer;  // the payload of the unit's answer; null: none at all
        bool plugShown;      // the values show the test plug when the answer is read
        uint8_t component;
        bool failedMessage;  // "Komponententest konnte nicht durchgeführt werden!" comes
        bool noPlugInIt;     // and names the missing test plug
    };
    const Case cases[] = {
        {"accepted", "C5 04 0A", true, 4, false, false},
        {"refused, the plug is missing", "7F 45 22", false, 4, true, true},
        {"refused with the plug in place", "7F 45 22", true, 4, true, false},
        {"refused, not possible now", "7F 45 31", true, 4, true, false},
        {"refused for another reason", "7F 45 33", true, 4, false, false},
        {"the all-off refused", "7F 45 22", false, 0, false, false},
        {"no answer", nullptr, true, 4, false, false},
    };
    classIs(3);
    DataPointTable& dp = rig.h.engine.dataPoints;
    dp.DP_Register("OVRTEMP", "", "");
    dp.DP_Register("BETTEMPUEH", "", "");
    KompTest k(rig.session);
    k.SetLinkState(true);
    k.SetDeviceClass(3);
    k.SetOperatingState(3, 0x0100);
    const int wbusLimit = rig.session.buses().wbus.failureLimit();
    ASSERT_GT(wbusLimit, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rig.wbus = [&c](const ByteString&) -> std::optional<ByteString> {
            if (!c.answer) return std::nullopt;
            return SimWBusUnit::frameAnswer(H(c.answer));
        };
        const ByteString t = c.plugShown ? "105" : "20";
        dp.DP_SetValue("OVRTEMP", 0, t, c.plugShown ? 105 : 20);
        dp.DP_SetValue("BETTEMPUEH", 0, t, c.plugShown ? 105 : 20);
        ASSERT_EQ(k.KOMP_TestPlugPresent(), c.plugShown);
        rig.h.ui.boxes.clear();
        const size_t from = rig.telegramsOn(0).size();
        k.KOMP_SetCommand(c.component, 10, false, -1, true);
        rig.h.advance(3000);
        // an answer ends it at once; without one it is sent again up to the failure limit
        const size_t sends = c.answer ? 1 : static_cast<size_t>(wbusLimit);
        EXPECT_EQ(rig.telegramsOn(0).size() - from, sends);
        EXPECT_EQ(k.KompReq.Step, 0);
        EXPECT_FALSE(rig.h.engine.PendingNoTestPlug || rig.h.engine.PendingCompTestFail);
        if (!c.failedMessage) {
            EXPECT_TRUE(rig.h.ui.boxes.empty());
            continue;
        }
        ASSERT_EQ(rig.h.ui.boxes.size(), 1u);
        const ByteString& text = rig.h.ui.boxes[0].text;
        EXPECT_NE(text.find("Komponententest konnte nicht durchgeführt werden!"), ByteString::npos)
            << text;
        EXPECT_EQ(text.find("Prüfstecker nicht angeschlossen!") != ByteString::npos, c.noPlugInIt)
            << text;
        EXPECT_EQ(rig.h.ui.boxes[0].kind, MsgKind::Error);
    }
    EXPECT_EQ(rig.h.boxesInReplyPath, 0);
}

// A CO2 adjustment dialog over the rig: while it is shown the rig runs, as a modal dialog runs
// the GUI loop, until the procedure ends it (or the time is up). onStep runs before each step.
class RigModal {
public:
    RigModal(SessionRig& rig, const std::function<void()>& onStep) : m_rig(rig), m_onStep(onStep) {}
    int run() {
        ++shownCount;
        m_shown = true;
        m_result = -1;
        for (int t = 0; t < 400000 && m_result < 0; t += 100) {
            if (m_onStep) m_onStep();
            m_rig.h.advance(100);
        }
        m_shown = false;
        return m_result;
    }
    bool shown() const { return m_shown && m_result < 0; }
    void end(int result) {
        if (shown()) m_result = result;
    }
    int shownCount = 0;

private:
    SessionRig& m_rig;
    const std::function<void()>& m_onStep;
    bool m_shown = false;
    int m_result = -1;
};

class RigWaitDialog : public ICo2WaitDialog {
public:
    explicit RigWaitDialog(RigModal m) : modal(std::move(m)) {}
    int Execute() override { return modal.run(); }
    void SetStage(int) override {}
    void SetStateText(const ByteString&) override {}
    void SetTime(int) override {}
    bool isShown() const override { return modal.shown(); }
    void end(int result) override { modal.end(result); }
    RigModal modal;
};

class RigEditDialog : public ICo2EditDialog {
public:
    explicit RigEditDialog(RigModal m) : modal(std::move(m)) {}
    int Execute(int32_t, int32_t, int32_t) override { return modal.run(); }
    void SetActualSpeed(const ByteString&) override {}
    bool isShown() const override { return modal.shown(); }
    void end(int result) override { modal.end(result); }
    RigModal modal;
};

// A fault state of the heater while it starts, stabilises or is adjusted ends the dialog
// shown with the fault result: the fault box, then the finish (class 3) or the restore of the
// starting speed and the main switch line off (class 5).
TEST(Co2FaultStates, EndTheDialogShownAndSwitchOff) {
    struct Case {
        const char* name;
        uint8_t cls;
        int32_t before;                  // the state the unit reports first
        int beforeSeconds;               // for so long after the start
        int32_t fault;                   // then this one
        bool speedDialog;                // the fault comes while the speed dialog is shown
        std::vector<ByteString> finish;  // the last requests sent, in order
    };
    const Case cases[] = {
        {"class 3 overheating while starting", 3, 0x0B00, 3, 0x0700, false, {"57 06 ", "10 "}},
        {"class 5 state 6 while starting", 5, 10, 3, 6, false, {"46 01 28"}},
        {"class 5 state 7 while starting", 5, 10, 3, 7, false, {"46 01 28"}},
        {"class 5 the flame goes out while stabilising", 5, 14, 30, 17, false, {"46 01 28"}},
        {"class 5 the flame goes out while adjusting", 5, 14, 140, 17, true, {"46 01 28"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRig r;
        r.h.engine.DeviceClass = c.cls;
        r.bus = c.cls == 3 ? 0 : 2;
        // The unit takes every request; its speed is 3800 (class 3) or 4000 (class 5) within
        // 3000..5000.
        r.wbus = [](const ByteString& t) -> std::optional<ByteString> {
            ByteString p = t.substr(2, t.size() - 3);
            if (p == H("57 01")) return SimWBusUnit::frameAnswer(H("D7 01 26 1E 32"));
            if (p == H("44 20 00")) return SimWBusUnit::frameAnswer(H("C4 00"));
            p[0] = static_cast<char>(p[0] | 0x80);
            return SimWBusUnit::frameAnswer(p);
        };
        r.sbus = [](const ByteString& t) -> std::optional<ByteString> {
            ByteString d = sbusData(t);
            if (d.size() == 3 && d[0] == 70) {
                if (d[1] == 0) d[2] = 40;
                d += H("28 1E 32");
            }
            return SessionRig::sbusAnswer(d, 7);
        };
        KX3166Module* m = nullptr;
        if (c.cls == 5) {
            r.session.setModule(5, std::make_unique<KX3166Module>(r.session));
            m = r.session.moduleAs<KX3166Module>(5);
        }
        // The states the unit reports from the start on.
        const int64_t start = r.h.clock.now();
        const std::function<void()> states = [&] {
            const int64_t ms = r.h.clock.now() - start;
            r.session.OperatingState = ms < c.beforeSeconds * 1000 ? c.before : c.fault;
        };
        RigWaitDialog wait{RigModal(r, states)};
        RigEditDialog edit{RigModal(r, states)};
        Calibration cal(r.session, r.h.clock);
        cal.view.wait = &wait;
        cal.view.edit = &edit;
        cal.SetLinkState(true);
        cal.SetDeviceClass(c.cls);
        r.session.OperatingState = c.cls == 3 ? 0x0300 : 2;

        cal.RunCO2Adjust();
        r.h.advance(1000);
        // the fault box after the two questions of the start
        ASSERT_EQ(r.h.ui.boxes.size(), 3u);
        EXPECT_EQ(r.h.ui.boxes.back().text, Calibration::faultText());
        EXPECT_EQ(wait.modal.shownCount, 1);
        EXPECT_EQ(edit.modal.shownCount, c.speedDialog ? 1 : 0);
        EXPECT_EQ(r.h.boxesInReplyPath, 0);
        const auto sent = r.viewsOn(r.bus, c.cls == 3 ? SessionRig::payloadOf : sbusDataHex);
        ASSERT_GE(sent.size(), c.finish.size());
        EXPECT_EQ(std::vector<ByteString>(sent.end() - c.finish.size(), sent.end()), c.finish);
        EXPECT_EQ(cal.Req.Step, 0);
        EXPECT_FALSE(cal.timerActive());
        if (m) {
            EXPECT_EQ(m->lineHS(), 0);
        }
    }
}

}  // namespace
