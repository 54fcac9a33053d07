// The program's main window for tests: on the manual clock, with scripted boxes, a settings
// file of its own and the simulated adapter with a simulated KX3090 (or another unit the test
// gives), reached through the real transfer thread run pass by pass. Each instance is one run
// of the program; two instances on the same folder are two runs one after the other.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QString>
#include <memory>

#include "devselform.h"
#include "fakemainthread.h"
#include "fakeui.h"
#include "helpforms.h"
#include "kx3090unit.h"
#include "languageform.h"
#include "mainform.h"
#include "manualclock.h"
#include "replywatch.h"
#include "simftdriver.h"
#include "unitform.h"
#include "usbselform.h"
#include "usbtxrx.h"

class MainWinRun : public ReplyWatch {
public:
    // folder: where the settings file and the program's folder are.
    // other: the unit on the adapter instead of the KX3090 (not owned).
    // programBoxes: the program's own message boxes instead of the scripted ones in `ui`.
    explicit MainWinRun(const QString& folder, bool withUnit = true,
                        ISimControlUnit* other = nullptr, bool programBoxes = false) {
        adapter = sim.addAdapter("SIM00001");
        SimFaults f;
        f.answerDelayMs = 20;  // a bus exchange takes a little while, as on a real adapter
        sim.setFaults(adapter, f);
        if (withUnit) sim.attachUnit(adapter, other ? other : &unit);
        MainFormPorts p;
        p.driver = &sim;
        p.timers = &clock;
        p.mainThread = &mainThread;
        if (!programBoxes) p.ui = &ui;
        p.transferThread =
            [this](D2XXUnit& d2xx, ITimerFactory& timers, IMainThread& main, int timeoutMs,
                   ReplyHandler onReply,
                   std::function<void()> onFinished) -> std::unique_ptr<ITransferThread> {
            // Every reply hand-over is watched, so a test can tell the reply path apart.
            return std::make_unique<TUSBTXRX>(d2xx, timers, main, timeoutMs,
                                              watched(std::move(onReply)), std::move(onFinished),
                                              TUSBTXRX::Mode::Manual);
        };
        p.settingsStore = MainSettings::iniFile(folder + "/TRELUN_10.ini");
        p.screenSize = [] { return QSize(1280, 1024); };
        p.exeDir = folder + "/";
        p.wallClock = [this] { return wallStart.addMSecs(clock.now()); };
        form = std::make_unique<TMAIN_Form>(std::move(p));
        form->resize(1200, 800);
        // No dialog waits for a user: the update notice after start is counted and closed, the
        // others close as cancelled unless a test puts its own user in.
        form->updateForm()->showModal = [this](THELP_Update_Form&) {
            ++updateNotices;
            return int(ResultOk);
        };
        form->infoForm()->showModal = [](THELP_Info_Form&) { return int(ResultNone); };
        form->devSelForm()->showModal = [](TDEV_SEL_Form&) { return int(ResultNone); };
        form->usbSelForm()->showModal = [](TEXTRA_USB_Sel&) { return int(ResultNone); };
        form->unitForm()->showModal = [](TEXTRA_UNIT_Form&) { return int(ResultNone); };
        form->languageForm()->showModal = [](TEXTRA_SPRACHE_Form&) { return int(ResultNone); };
        // The worker's passes run whenever the main window lets events through.
        mainThread.pumps.push_back([this] {
            if (form)
                if (auto* t = dynamic_cast<TUSBTXRX*>(form->engine().USBThread())) t->Pass();
        });
    }

    // A run whose window was not closed ends as the program would end it: the transfer
    // thread is told to stop and driven until it has ended, before the window goes.
    ~MainWinRun() {
        if (form) endWorker();
        form.reset();
    }
    void endWorker() {
        form->engine().USB_StopThread();
        for (int i = 0; i < 1000 && form->engine().ThreadAlive; ++i) mainThread.processEvents();
        EXPECT_FALSE(form->engine().ThreadAlive) << "the transfer thread did not end";
    }

    // Moves program time on, 1 ms at a time while the adapter has something to read, else
    // straight to the next timer; Qt's own events run on the way.
    void advance(int64_t ms) {
        const int64_t end = clock.now() + ms;
        while (clock.now() < end) {
            mainThread.processEvents();
            mainThread.processEvents();
            uint32_t n = 0;
            int64_t step = 1;
            if (sim.FT_GetQueueStatus(n) != FT_OK || n == 0) {
                const int64_t due = clock.nextDue();
                step = due < 0 ? end - clock.now() : std::max<int64_t>(1, due - clock.now());
            }
            clock.advance(std::min(step, end - clock.now()));
        }
        mainThread.processEvents();
        QApplication::processEvents();
    }

    template <typename F>
    bool runUntil(F cond, int64_t maxMs) {
        for (int64_t t = 0; t < maxMs; t += 10) {
            if (cond()) return true;
            advance(10);
        }
        return cond();
    }

    // Shown, with the adapter open and ready.
    void showReady() {
        form->show();
        QApplication::processEvents();
        advance(150);
    }

    ManualClock clock;
    // The date and time of day at program time 0; the wall clock runs with the manual clock.
    QDateTime wallStart{QDate(2026, 3, 9), QTime(14, 5, 7)};
    FunctionSimClock simClock{[this] { return clock.now(); }};
    SimFtDriver sim{simClock};
    SimKX3090Unit unit;
    size_t adapter = 0;
    FakeUserInteraction ui;
    FakeMainThread mainThread;
    std::unique_ptr<TMAIN_Form> form;
    int updateNotices = 0;
};
