// The boot-loader module (class 6) against the simulated boot loader over the fake transport:
// the frames of a manual start, the identification it accepts, the data points, the session
// reported up once, the keep-alive every 501 ticks and what ends the session.
#include <gtest/gtest.h>

#include <algorithm>

#include "bootloaderunit.h"
#include "loadermodule.h"
#include "sbusbench.h"

namespace {

// The boot-loader module and the simulated boot loader on the S-Bus; the device information
// view counts its refreshes.
struct LoaderBench : SBusStepBench<LoaderModule, SimBootLoader, dcLoader> {
    LoaderBench() : SBusStepBench({"01 "}) {
        r.session.views.DeviceInfoShowValues = [this] { ++deviceInfoShown; };
    }
    // The manual start of the device list's row "Flashloader".
    void startManually() {
        r.session.buses().sbus.SBUS_SetDeviceAddress(3);
        r.session.DIAG_BeginSession(dcLoader);
    }
    bool runUntilUp() {
        for (int i = 0; i < 300 && !r.h.engine.SessionUp; ++i) r.h.advance(10);
        return r.h.engine.SessionUp;
    }
    ByteString text(const char* key) const { return r.h.engine.dataPoints.DP_GetValue(key).Text; }

    int deviceInfoShown = 0;
};

class LoaderSteps : public ::testing::Test, protected LoaderBench {};

}  // namespace

TEST_F(LoaderSteps, ManualStartIdentifiesOpensAndReadsOnce) {
    startManually();
    ASSERT_TRUE(runUntilUp());
    r.h.advance(500);
    const auto data = r.adapterData();
    ASSERT_GE(data.size(), 3u);
    EXPECT_EQ(data[0], "1E 02 05 01 00 FF ");  // the boot loader's bus timing
    EXPECT_EQ(data[1], "1F 1A 00 B3 00 ");
    const auto s = sent();
    ASSERT_GE(s.size(), 9u);
    const std::vector<ByteString> opening(s.begin(), s.begin() + 8);
    EXPECT_EQ(opening, (std::vector<ByteString>{"14 ", "1E 01 06 00 00 01 ", "1B ", "02 ", "51 ",
                                                "52 ", "9E ", "01 "}));
    // then only the poll, which the boot loader answers with message 1
    EXPECT_TRUE(
        std::all_of(s.begin() + 8, s.end(), [](const ByteString& x) { return x == "01 "; }));
    EXPECT_GT(s.size(), 12u);
    EXPECT_EQ(r.telegramsOn(2)[0].substr(0, 2), H("03 01"));  // to the boot loader's address

    EXPECT_EQ(deviceInfoShown, 1) << "the session is reported up once";
    EXPECT_EQ(r.h.hooks.sessionStateCalls, 1);
    const DataPointTable& dp = r.h.engine.dataPoints;
    EXPECT_EQ(dp.DataPointCount(), 17);
    EXPECT_EQ(text("CFGSGID"), "0000000473800051");
    EXPECT_EQ(text("CFGSBUSVER"), " S-BUS V1.0");
    EXPECT_EQ(text("CFGSW_BOOT_SW_ID"), "BL04738120");
    EXPECT_EQ(text("CFGSW_BOOT_DATE"), "(Patch: 002) 14/21");
    EXPECT_EQ(text("CFGSW_APPL_LEN"), "32768");
    EXPECT_EQ(text("CFGFINGER_STATE"), "Ok");
    EXPECT_EQ(text("CFGFINGER_PROG_DATE"), "14.06.21");
    EXPECT_EQ(text("CFGFINGER_PROG_SER"), "4711");
    std::vector<ByteString> keys;
    for (size_t i = 1; i < dp.DataPoints().size() && keys.size() < 17; ++i)
        keys.push_back(dp.DataPoints()[i].Key);
    EXPECT_EQ(keys, (std::vector<ByteString>{
                        "CFGSBUSVER", "CFGSGID", "CFGSW_BOOT_SW_ID", "CFGSW_BOOT_DEV_ID",
                        "CFGSW_BOOT_DATE", "CFGSW_APPL_HW_ID", "CFGSW_APPL_SW_ID",
                        "CFGSW_APPL_DEV_ID", "CFGSW_RTOS_DATE", "CFGSW_SIML_DATE", "CFGSW_APPL_LEN",
                        "CFGSW_APPL_CRC", "CFGFINGER_STATE", "CFGFINGER_PROG_CNT",
                        "CFGFINGER_PROG_ID", "CFGFINGER_PROG_SER", "CFGFINGER_PROG_DATE"}));
    EXPECT_EQ(dp.DP_Find("CFGSW_APPL_CRC").Unit, "[hex]");
    EXPECT_EQ(dp.DP_Find("CFGSW_BOOT_DATE").Unit, "KW/Jahr");
    EXPECT_EQ(dp.DP_Find("CFGSW_APPL_LEN").Unit, "Byte");
    EXPECT_EQ(dp.DP_Find("CFGFINGER_PROG_CNT").Caption, "Programmierung Rückwertszähler");
    EXPECT_FALSE(dp.isRegistered("CFGSW_OEMSW_DATE")) << "not a point of this class";
}

TEST_F(LoaderSteps, IdentificationDecidesWhetherTheBootLoaderIsThere) {
    struct Case {
        const char* what;
        std::optional<ByteString> answer;  // message 20's answer data; nothing: silence
        bool up;
    };
    const Case cases[] = {
        {"sixteen characters", ByteString("\x14") + "000000047380005X", true},
        {"blanks and eight digits and one more", ByteString("\x14") + "       47380005Z", true},
        {"exactly the fifteen characters", ByteString("\x14") + "000000047380005", false},
        {"the class-5 heater", ByteString("\x14") + "0000000473800061", false},
        // a refusal is a wrong unit as well, not a reason to go on unregistered
        {"negative answer", H("00 01 14"), false},
        {"no answer", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoaderBench b;
        b.script = [&](const ByteString& d) -> std::optional<ByteString> {
            if (d == H("14")) return c.answer ? *c.answer : ByteString();
            return std::nullopt;
        };
        b.startManually();
        for (int i = 0; i < 3000 && b.r.h.engine.SessionStarted && !b.r.h.engine.SessionUp; ++i)
            b.r.h.advance(10);
        EXPECT_EQ(b.r.h.engine.SessionUp, c.up);
        if (c.up) {
            EXPECT_EQ(b.text("CFGSGID"), c.answer->substr(1));
            continue;
        }
        EXPECT_FALSE(b.r.h.engine.SessionStarted);
        b.r.h.advance(500);
        ASSERT_EQ(b.r.h.ui.boxes.size(), 1u);
        EXPECT_NE(b.r.h.ui.boxes[0].text.find("nicht gefunden"), ByteString::npos);
        const auto s = b.sent();
        // a wrong answer: asked once; no answer: five tries after each of three wake-ups
        EXPECT_EQ(std::count(s.begin(), s.end(), "14 "), c.answer ? 1 : 15);
        EXPECT_EQ(std::count(s.begin(), s.end(), "1E 01 06 00 00 01 "), 0);
    }
}

TEST_F(LoaderSteps, KeepAliveEvery501Ticks) {
    startManually();
    ASSERT_TRUE(runUntilUp());
    const int64_t up = r.h.clock.now();
    r.h.advance(125000);
    const auto times = timesOf("1E 01 06 00 00 01 ");
    ASSERT_EQ(times.size(), 3u) << "the opening and two keep-alives in 125 s";
    EXPECT_LT(times[0], up);
    // 501 ticks of 100 ms after the registration, then again 501 ticks later
    EXPECT_NEAR(static_cast<double>(times[1] - times[0]), 50100, 200);
    EXPECT_NEAR(static_cast<double>(times[2] - times[1]), 50100, 200);
    // polling went on in between
    const auto polls = timesOf("01 ");
    EXPECT_TRUE(std::any_of(polls.begin(), polls.end(),
                            [&](int64_t t) { return t > times[1] && t < times[2]; }));
    EXPECT_TRUE(r.h.engine.SessionUp);
    EXPECT_TRUE(unit.sessionOpen());

    module().LOADER_Stop();
    for (int i = 0; i < 600; ++i) module().LOADER_OnTimer();
    EXPECT_FALSE(module().keepAliveDue()) << "a stopped module does not count";
}

TEST_F(LoaderSteps, SessionAnswerOtherThanOneEndsTheSession) {
    startManually();
    ASSERT_TRUE(runUntilUp());
    script = [](const ByteString& d) -> std::optional<ByteString> {
        if (d[0] == 30) return H("1E 02");
        return std::nullopt;
    };
    for (int i = 0; i < 600 && r.h.engine.SessionStarted; ++i) r.h.advance(100);
    EXPECT_FALSE(r.h.engine.SessionStarted);
    EXPECT_EQ(r.h.log.count("Diagnose gestoppt"), 1);
    // the keep-alive at about 50 s was the last request
    EXPECT_EQ(sent().back(), "1E 01 06 00 00 01 ");
}
