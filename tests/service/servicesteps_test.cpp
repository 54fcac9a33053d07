// The step machines of the component test and the calibration on the fake transport, with
// scripted bus answers: the class-4 telegrams (no simulated class-4 unit yet), the end of a
// timed class-5 test, a link error, and the failures that must end without a box in the reply
// path and without leaving the heater on.
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

}  // namespace
