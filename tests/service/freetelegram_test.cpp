// The free telegram window's engine: what it sends for a typed telegram on each bus, what it
// shows of the answer, the input it refuses, its history, the address edits and the controls
// by link and class.
#include "freetelegram.h"

#include <gtest/gtest.h>

#include "adapterrx.h"
#include "engineharness.h"
#include "fakeui.h"
#include "hex.h"
#include "kx3024unit.h"
#include "kx3090unit.h"
#include "kx3166unit.h"
#include "simsession.h"

namespace {

// The window's controls in memory; like the window's, they start disabled.
class FakeTeleView : public IFreeTelegramView {
public:
    FakeTeleView() {
        for (FakeEdit* e : {&telegram, &source, &target}) e->enabled = false;
    }
    IComboControl& telegramEdit() override { return telegram; }
    IEditControl& sourceEdit() override { return source; }
    IEditControl& targetEdit() override { return target; }
    IEditControl& answerEdit() override { return answer; }
    void setSendEnabled(bool on) override { send = on; }
    void setExample(const ByteString& t) override { example = t; }
    void setHistory(const std::vector<ByteString>& h) override { history = h; }

    bool allEnabled() const {
        return send && telegram.enabled && source.enabled && target.enabled && answer.enabled;
    }
    bool noneEnabled() const {
        return !send && !telegram.enabled && !source.enabled && !target.enabled && !answer.enabled;
    }

    FakeEdit telegram, source, target, answer;
    bool send = false;
    ByteString example;
    std::vector<ByteString> history;
};

// The client on the engine with the fake transport: the test sees every frame and answers it.
class FreeTelegramRig : public ::testing::Test {
protected:
    FreeTelegramRig() : buses(h.engine.busEnvironment()), client(h.engine, buses, view) {
        h.sim.addAdapter("NAV0001");
        h.engine.clients().setClient(ClientSlot::FreeTelegram, &client);
        h.show();
        h.advance(150);
    }

    void connect(uint8_t deviceClass) {
        client.SetLinkState(true);
        client.SetDeviceClass(deviceClass);
    }
    void type(const char* text) {
        view.telegram.value = text;
        client.Button2Click();
    }
    // The bus telegrams handed to the transport, as hex.
    std::vector<ByteString> sentTelegrams() const {
        std::vector<ByteString> out;
        for (const ByteString& f : h.transport()->frames) {
            AdapterRxParser p;
            for (unsigned char b : f)
                if (auto d = p.feed(b)) out.push_back(hexOf(d->substr(2)));
        }
        return out;
    }
    // The adapter's reply with a bus answer.
    static ByteString busAnswer(const char* telegramHex) { return H("86 20 20") + H(telegramHex); }

    EngineHarness h;
    BusLayers buses;
    FakeTeleView view;
    FreeTelegram client;
};

TEST_F(FreeTelegramRig, KLineTelegramGoesOutWithItsFormatByteAndSum) {
    connect(2);
    type("22 1d 2 ff ff ff ff");
    EXPECT_EQ(view.telegram.value, "22 1D 02 FF FF FF FF ");
    EXPECT_FALSE(view.send);  // until the answer is shown
    h.advance(60);
    EXPECT_EQ(sentTelegrams(), std::vector<ByteString>{"87 9D F1 22 1D 02 FF FF FF FF 52 "});
    ASSERT_TRUE(h.transport()->reply(0, busAnswer("87 F1 9D 62 1D 02 71 00 7C 00 83")));
    h.advance(60);
    EXPECT_EQ(view.answer.value, "62 1D 02 71 00 7C 00 ");
    EXPECT_TRUE(view.send);
    EXPECT_EQ(client.request().Step, FreeTelegram::StepIdle);
    EXPECT_TRUE(h.ui.boxes.empty());
}

TEST_F(FreeTelegramRig, InputThatIsNoTelegramSendsNothing) {
    connect(1);
    for (const char* typed : {"1G", "100", "", "   ", "50 0x7", "50,07"}) {
        SCOPED_TRACE(typed);
        h.ui.boxes.clear();
        type(typed);
        ASSERT_EQ(h.ui.boxes.size(), 1u);
        EXPECT_EQ(h.ui.boxes[0].kind, MsgKind::Error);
        EXPECT_EQ(h.ui.boxes[0].text, "   Telegrammeingabe fehlerhaft!   ");
        EXPECT_EQ(h.ui.boxes[0].buttons, MB_OK);
        EXPECT_EQ(view.telegram.value, typed);  // left for the user to mend
        EXPECT_TRUE(view.send);
        EXPECT_EQ(client.request().Step, FreeTelegram::StepIdle);
    }
    h.advance(200);
    EXPECT_TRUE(h.transport()->frames.empty());
    EXPECT_TRUE(view.history.empty());
}

TEST_F(FreeTelegramRig, HistoryHoldsTheTenNewestOnceEach) {
    connect(1);
    const char* const typed[] = {"50 07", "50 7", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A"};
    for (const char* t : typed) {
        type(t);
        h.advance(60);
        ASSERT_TRUE(h.transport()->reply(0, busAnswer("4F 03 D0 07 9B")));
        h.advance(60);
    }
    // "50 7" is "50 07" again; then ten single bytes push the oldest out.
    const std::vector<ByteString> expected = {"0A ", "09 ", "08 ", "07 ", "06 ",
                                              "05 ", "04 ", "03 ", "02 ", "01 "};
    EXPECT_EQ(view.history, expected);
    EXPECT_EQ(client.history(), expected);
}

TEST_F(FreeTelegramRig, AnAnswerThatFailsItsCheckShowsNothing) {
    connect(1);
    type("50 07");
    h.advance(60);
    EXPECT_EQ(sentTelegrams(), std::vector<ByteString>{"F4 03 50 07 A0 "});
    ASSERT_TRUE(h.transport()->reply(0, busAnswer("4F 03 D0 07 00")));  // bad XOR
    h.advance(60);
    EXPECT_EQ(view.answer.value, "");
    EXPECT_TRUE(view.send);
    EXPECT_EQ(h.log.lines.back().colour, LogColour::Red);
}

TEST_F(FreeTelegramRig, LinkErrorClearsTheAnswerAndOffersSendingAgain) {
    connect(5);
    view.answer.value = "old";
    type("14");
    EXPECT_EQ(view.answer.value, "");
    h.advance(60);
    EXPECT_EQ(sentTelegrams(), std::vector<ByteString>{"07 01 01 14 E2 "});
    view.answer.value = "stale";
    ASSERT_TRUE(h.transport()->reply(USB_REPLY_NO_ANSWER));
    EXPECT_TRUE(h.engine.LinkError);
    EXPECT_EQ(client.request().Step, FreeTelegram::StepIdle);
    EXPECT_EQ(view.answer.value, "");
    EXPECT_TRUE(view.send);
}

TEST_F(FreeTelegramRig, AddressesByClass) {
    struct Case {
        uint8_t deviceClass;
        const char *source, *target, *example;
        uint8_t highest;
        const char* typedSource;  // "1F": above the W-Bus range
        const char* sourceAfter;
        bool box;  // the edit's range or input box
    };
    const Case cases[] = {
        {1, "0F", "04", "50 07 (Hex)", 0x0F, "1F", "0F", true},
        {2, "F1", "9D", "22 1D 02 FF FF FF FF (Hex)", 0xFF, "1F", "1F", false},
        {3, "0F", "04", "50 07 (Hex)", 0x0F, "3", "03", false},
        {5, "01", "07", "14 (Hex)", 0xFF, "zz", "01", true},
        {6, "01", "03", "14 (Hex)", 0xFF, "", "01", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.deviceClass));
        client.SetDeviceClass(0);
        connect(c.deviceClass);
        EXPECT_TRUE(view.allEnabled());
        EXPECT_EQ(view.source.value, c.source);
        EXPECT_EQ(view.target.value, c.target);
        EXPECT_EQ(view.example, c.example);
        EXPECT_EQ(client.highestAddress(), c.highest);
        h.ui.boxes.clear();
        view.source.value = c.typedSource;
        client.Edit1Exit();
        EXPECT_EQ(view.source.value, c.sourceAfter);
        EXPECT_EQ(client.source(), TOOL_HexToInt(c.sourceAfter));
        EXPECT_EQ(h.ui.boxes.size(), c.box ? 1u : 0u);
    }
    // the W-Bus range box, and a target typed in lower case
    client.SetDeviceClass(0);
    connect(1);
    h.ui.boxes.clear();
    view.source.value = "1F";
    client.Edit1Exit();
    ASSERT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(h.ui.boxes[0].text, "      Wertebereich überschritten!       ");
    view.target.value = "a";
    client.Edit2Exit();
    EXPECT_EQ(view.target.value, "0A");
    EXPECT_EQ(client.target(), 0x0A);
    // the addresses typed are the ones the telegram goes out with
    type("50 07");
    h.advance(60);
    EXPECT_EQ(sentTelegrams().back(), "FA 03 50 07 AE ");
}

TEST_F(FreeTelegramRig, ControlsFollowLinkAndSession) {
    // no session yet: nothing to type into
    client.SetLinkState(true);
    EXPECT_FALSE(view.send || view.telegram.enabled || view.source.enabled || view.target.enabled);
    connect(1);
    EXPECT_TRUE(view.allEnabled());
    type("50 07");
    h.advance(60);
    ASSERT_TRUE(h.transport()->reply(0, busAnswer("4F 03 D0 07 9B")));
    h.advance(60);
    ASSERT_EQ(view.history.size(), 1u);
    // the session ends: disabled, texts and history gone
    client.SetDeviceClass(0);
    EXPECT_TRUE(view.noneEnabled());
    EXPECT_TRUE(view.history.empty());
    EXPECT_EQ(view.telegram.value, "");
    EXPECT_EQ(view.source.value, "");
    // a class arriving while the adapter is lost is only kept
    client.SetLinkState(false);
    client.SetDeviceClass(2);
    EXPECT_TRUE(view.noneEnabled());
    EXPECT_EQ(client.HeldDeviceClass(), 2);
    // losing the adapter during a session forgets the history
    client.SetLinkState(true);
    client.SetDeviceClass(0);
    connect(3);
    type("50 07");
    ASSERT_EQ(view.history.size(), 1u);
    client.SetLinkState(false);
    EXPECT_TRUE(view.noneEnabled());
    EXPECT_TRUE(view.history.empty());
}

TEST_F(FreeTelegramRig, AClassWithoutBusSendsNothing) {
    connect(1);
    client.SetDeviceClass(9);
    EXPECT_TRUE(view.allEnabled());
    EXPECT_EQ(view.source.value, "0F");  // kept from class 1
    type("50 07");
    h.advance(200);
    EXPECT_EQ(client.request().Step, FreeTelegram::StepIdle);
    EXPECT_TRUE(h.transport()->frames.empty());
}

// Against the simulated unit of each bus, with the session running beside the window.
TEST(FreeTelegramOnTheUnits, TypedTelegramReachesTheUnitAndItsAnswerIsShown) {
    struct Case {
        const char* what;
        int row;
        const char* typed;
        const char* onTheWire;    // as the telegram log shows it
        const char* answerStart;  // the answer's data bytes begin so
    };
    const Case cases[] = {
        {"W-Bus", 0, "50 07", "TX: F4 03 50 07 A0 ", "D0 07 "},
        {"K-Line", 1, "22 1D 02 FF FF FF FF", "TX: 87 9D F1 22 1D 02 FF FF FF FF 52 ",
         "62 1D 02 71 00 "},
        {"S-Bus", 4, "14", "TX: 07 01 01 14 E2 ", "14 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SimKX3090Unit kx3090;
        SimKX3024Unit kx3024;
        SimKX3166Unit kx3166;
        ISimControlUnit* units[] = {&kx3090, &kx3024, nullptr, nullptr, &kx3166};
        SimSession s;
        s.h.sim.attachUnit(s.addAdapter(), units[c.row]);
        FakeTeleView view;
        FreeTelegram client(s.h.engine, s.session.buses(), view);
        s.h.engine.clients().setClient(ClientSlot::FreeTelegram, &client);
        s.showAndBegin(c.row);
        ASSERT_TRUE(s.runUntil([&] { return s.h.engine.SessionUp; }, 30000));
        client.SetLinkState(true);
        client.SetDeviceClass(s.h.engine.DeviceClass);

        // The session may send the same telegram itself; the first one out after the click is
        // the window's, since the window comes before the session in every round.
        const size_t from = s.h.log.lines.size();
        view.telegram.value = c.typed;
        client.Button2Click();
        ASSERT_TRUE(s.runUntil([&] { return view.send; }, 5000));
        ByteString firstSent;
        for (size_t i = from; i < s.h.log.lines.size() && firstSent.empty(); ++i)
            if (s.h.log.lines[i].text.rfind("TX: ", 0) == 0) firstSent = s.h.log.lines[i].text;
        EXPECT_EQ(firstSent, c.onTheWire);
        EXPECT_EQ(view.answer.value.rfind(c.answerStart, 0), 0u) << view.answer.value;
        EXPECT_TRUE(s.h.engine.SessionUp);  // the session went on around it
        for (const auto& box : s.h.ui.boxes) EXPECT_NE(box.text, FreeTelegram::inputErrorText());
    }
}

}  // namespace
