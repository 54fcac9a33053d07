#include <gtest/gtest.h>

#include "engineharness.h"
#include "hex.h"
#include "testclients.h"

namespace {

struct MessageCase {
    bool MessageFlags::*flag;
    MsgKind kind;
    const char* text;
};

const MessageCase cases[] = {
    {&MessageFlags::PendingNoConnection, MsgKind::Error,
     "     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    \r\n"
     "     Bitte prüfen Sie die Stromversorgung und die Verkabelung."},
    {&MessageFlags::PendingNoConnectionManual, MsgKind::Error,
     "     Es konnte keine Verbindung zum Heizgerät hergestellt werden!    \r\n"
     "     Bitte prüfen Sie die Stromversorgung und die Verkabelung oder      \r\n"
     "     wählen sie das Heizgerät manuell aus."},
    {&MessageFlags::PendingUnsupported, MsgKind::Error,
     "     Das angeschlossene Gerät wird von der Diagnose nicht unterstützt!    \r\n"
     "     Bitte aktualisieren Sie die Diagnosesoftware."},
    {&MessageFlags::PendingNotFound, MsgKind::Error,
     "     Das manuell ausgewählte Heizgerät wurde nicht gefunden!       \r\n"
     "     Bitte prüfen Sie die Heizgeräteauswahl oder versuchen sie     \r\n"
     "     die automatische Suche."},
    {&MessageFlags::PendingMismatch, MsgKind::Warning,
     "     Das manuell ausgewählte Heizgerät entspricht nicht dem angeschlossenen Heizgerät!       "
     "\r\n\r\n     Achtung: Angezeigte Informationen können fehlerhaft sein!\r\n"},
    {&MessageFlags::PendingVoltageFail, MsgKind::Error,
     "     Die Spannung konnte nicht kalibriert werden!      "},
    {&MessageFlags::PendingCompTestFail, MsgKind::Error,
     "     Komponententest konnte nicht durchgeführt werden!      "},
    {&MessageFlags::PendingNoTestPlug, MsgKind::Error,
     "     Prüfstecker nicht angeschlossen!      \r\n\r\n"
     "     Komponententest konnte nicht durchgeführt werden!      "},
    {&MessageFlags::ShowUpdateNotice, MsgKind::Information, nullptr},
    {&MessageFlags::PendingChangeNotice, MsgKind::Information,
     "     Wenn sie aktiv per Diagnose Änderungen am Heizgerät vornehmen,      \r\n"
     "     durch: HS, UPFA, Kl.61, Spar ein- oder ausschalten oder eine      \r\n"
     "     CO2-Einstellung durchführen, wird ihr Computer zum Master      \r\n"
     "     und die externen Bedienelemente für diese Sitzung ignoriert.      \r\n\r\n"
     "     Beenden sie die aktuelle Diagnosesitzung um diesen Status aufzuheben.      "},
};

class DeferredMessages : public ::testing::Test {
protected:
    void SetUp() override {
        h.show();  // no adapter: the ticks still show messages
    }
    EngineHarness h;
};

TEST_F(DeferredMessages, EachFlagShowsItsTextAndKindOnceWithOneOkButton) {
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "update notice");
        h.ui.boxes.clear();
        h.hooks.updateNoticeCalls = 0;
        h.engine.*c.flag = true;
        h.advance(100);
        EXPECT_FALSE(h.engine.*c.flag);
        if (c.text) {
            ASSERT_EQ(h.ui.boxes.size(), 1u);
            EXPECT_EQ(h.ui.boxes[0].kind, c.kind);
            EXPECT_EQ(h.ui.boxes[0].text, c.text);
            EXPECT_EQ(h.ui.boxes[0].buttons, MB_OK);
            EXPECT_EQ(h.hooks.updateNoticeCalls, 0);
        } else {
            EXPECT_TRUE(h.ui.boxes.empty());
            EXPECT_EQ(h.hooks.updateNoticeCalls, 1);
        }
        h.advance(500);
        EXPECT_LE(h.ui.boxes.size() + h.hooks.updateNoticeCalls, 1u);
    }
}

TEST_F(DeferredMessages, AllFlagsComeOutOnePerTickInPriorityOrder) {
    for (auto it = std::rbegin(cases); it != std::rend(cases); ++it) h.engine.*it->flag = true;
    std::vector<ByteString> shown;
    h.ui.onBox = [&] { shown.push_back("box"); };
    h.engine.windowHooks.ShowUpdateNoticeWindow = [&] { shown.push_back("notice"); };
    for (int tick = 1; tick <= 10; ++tick) {
        h.advance(100);
        EXPECT_EQ(shown.size(), static_cast<size_t>(tick));
    }
    ASSERT_EQ(h.ui.boxes.size(), 9u);
    size_t box = 0;
    for (const MessageCase& c : cases) {
        if (c.text) {
            EXPECT_EQ(h.ui.boxes[box++].text, c.text);
        }
    }
    EXPECT_EQ(shown[8], "notice");
    h.advance(1000);
    EXPECT_EQ(shown.size(), 10u);
}

TEST_F(DeferredMessages, FlagIsClearedBeforeItsBoxAndASecondSetShowsItAgain) {
    h.engine.PendingVoltageFail = true;
    bool clearedBeforeBox = false;
    h.ui.onBox = [&] {
        if (h.ui.boxes.empty()) {
            clearedBeforeBox = !h.engine.PendingVoltageFail;
            h.engine.PendingVoltageFail = true;  // set again while the box is open
        }
    };
    h.advance(100);
    EXPECT_TRUE(clearedBeforeBox);
    h.advance(100);
    EXPECT_EQ(h.ui.boxes.size(), 2u);
    h.advance(300);
    EXPECT_EQ(h.ui.boxes.size(), 2u);
}

// A client that finds two failures in one reply.
class FailingClient : public ScriptedClient {
public:
    using ScriptedClient::ScriptedClient;
    MainEngine* engine = nullptr;
    bool EvaluateReply(uint8_t status, const ByteString& reply) override {
        if (!ScriptedClient::EvaluateReply(status, reply)) return false;
        engine->PendingMismatch = true;
        engine->PendingNotFound = true;
        return true;
    }
};

TEST(DeferredMessagesFromReplies, TwoFlagsOfOneReplyGiveTwoBoxesOnTwoTicksNeverInTheReply) {
    EngineHarness h;
    h.sim.addAdapter("NV000123");
    FailingClient client(h.engine);
    client.engine = &h.engine;
    h.engine.clients().setClient(ClientSlot::Session, &client);
    h.show();
    h.advance(100);
    client.sendFrame(H("01 06 02 20 F4 03 04"));
    h.advance(50);
    std::vector<int64_t> boxTimes;
    h.ui.onBox = [&] {
        EXPECT_FALSE(h.inReplyPath());
        boxTimes.push_back(h.clock.now());
    };
    h.advance(10);
    ASSERT_TRUE(h.transport()->reply(0, H("86 20 00")));
    EXPECT_TRUE(h.ui.boxes.empty());  // nothing inside the reply
    h.advance(200);
    ASSERT_EQ(h.ui.boxes.size(), 2u);
    EXPECT_EQ(h.ui.boxes[0].kind, MsgKind::Error);  // not found first
    EXPECT_EQ(h.ui.boxes[0].text, cases[3].text);
    EXPECT_EQ(h.ui.boxes[1].kind, MsgKind::Warning);
    EXPECT_EQ(boxTimes, (std::vector<int64_t>{200, 300}));
}

TEST(DeferredMessagesFromReplies, UpdateNoticeWaitsOneTickBehindAHigherMessage) {
    EngineHarness h;
    h.engine.ShowUpdateNotice = true;
    h.engine.PendingNoConnection = true;
    h.show();
    h.advance(100);
    EXPECT_EQ(h.ui.boxes.size(), 1u);
    EXPECT_EQ(h.hooks.updateNoticeCalls, 0);
    h.advance(100);
    EXPECT_EQ(h.hooks.updateNoticeCalls, 1);
    h.advance(1000);
    EXPECT_EQ(h.hooks.updateNoticeCalls, 1);
    EXPECT_EQ(h.boxesInReplyPath, 0);
}

}  // namespace
