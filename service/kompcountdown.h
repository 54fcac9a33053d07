// The 20-second countdown of the pump pressure test: one tick a second moves the progress on
// and shows the time left; the dialog ends when the time is over (1) or the link to the heater
// is lost (3); "Abbrechen" ends it with 2. The dialog (ui/service/komptestpdp) only shows it.
#pragma once

#include <functional>
#include <memory>

#include "ports.h"
#include "records.h"

class KompCountdown {
public:
    static constexpr int Maximum = 20;
    static constexpr int ResultTimeOver = 1;
    static constexpr int ResultCancelled = 2;
    static constexpr int ResultLinkLost = 3;

    struct View {
        std::function<int()> showModal;            // runs the dialog; returns its result
        std::function<void(int result)> endModal;  // ends the running dialog
        std::function<void()> refresh;             // position or remaining text changed
    };

    // checkLink: the component test's link check (it shows its own message).
    KompCountdown(ITimerFactory& timers, std::function<bool()> checkLink);

    int PDP_Execute();
    void PDP_ShowRemaining();
    void PDP_TimerTimer();

    int position() const { return m_position; }
    const ByteString& remainingText() const { return m_remaining; }

    View view;

private:
    void end(int result);

    std::unique_ptr<ITimer> m_timer;
    std::function<bool()> m_checkLink;
    int m_position = 0;
    bool m_running = false;
    ByteString m_remaining = "--";
};
