// A run of the main window with one simulated unit, brought to a running session, for the
// tests of the service functions: scripted answers to the boxes, and helpers that look at the
// boxes shown and the requests the unit received.
#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "diagsession.h"
#include "komptestform.h"
#include "komptestpdp.h"
#include "mainwinharness.h"

template <typename Unit>
class ServiceRun {
public:
    ServiceRun() {
        EXPECT_TRUE(dir.isValid());
        run = std::make_unique<MainWinRun>(dir.path(), true, &unit);
    }
    void start(int row = -1) {
        run->showReady();
        form().session().SelectedDeviceIndex = row;
        form().action(QStringLiteral("DIAG_Start"))->trigger();
        ASSERT_TRUE(run->runUntil([&] { return form().engine().SessionUp; }, 15000));
        run->advance(500);
        run->ui.boxes.clear();  // the class-5 notice that the computer takes over
    }
    TMAIN_Form& form() { return *run->form; }
    TKOMP_TEST_Form& window() { return *form().kompTestForm(); }
    KompTest& komp() { return window().komp(); }
    ByteString dp(const char* key) { return form().engine().dataPoints.DP_GetValue(key).Text; }
    void trigger(const char* name) { form().action(QString::fromLatin1(name))->trigger(); }
    // The index of the first box whose text holds the fragment, -1 none.
    int box(const char* fragment) const {
        for (size_t i = 0; i < run->ui.boxes.size(); ++i)
            if (run->ui.boxes[i].text.find(fragment) != ByteString::npos)
                return static_cast<int>(i);
        return -1;
    }
    // Whether the unit received a request payload (W-Bus, K-Line) or message data (S-Bus).
    bool got(const ByteString& request) const {
        for (const auto& r : unit.received())
            if (r == request) return true;
        return false;
    }
    // Runs the component test window with this user in it.
    void inWindow(std::function<void()> user) {
        window().runModal = [this, user] {
            EXPECT_TRUE(window().isShownModal());
            user();
            return 0;
        };
    }
    // The countdown dialog ends by itself; this user only waits (or acts first).
    void countdownUser(std::function<void(TKOMP_TESTPDP&)> first = {}) {
        TKOMP_TESTPDP* pdp = form().kompTestPdp();
        pdp->runModal = [this, pdp, first] {
            countdownAtStart = pdp->Label4()->text();
            if (first) first(*pdp);
            run->runUntil([&] { return !pdp->isShownModal(); }, 30000);
            countdownAtEnd = pdp->Label4()->text();
            return 0;
        };
    }

    QTemporaryDir dir;
    Unit unit;
    std::unique_ptr<MainWinRun> run;
    QString countdownAtStart, countdownAtEnd;
};

// Bytes by their values.
inline ByteString B(std::initializer_list<int> b) {
    ByteString s;
    for (int v : b) s.push_back(static_cast<char>(v));
    return s;
}
