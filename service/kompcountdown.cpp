#include "kompcountdown.h"

#include <string>

#include "translate.h"

KompCountdown::KompCountdown(ITimerFactory& timers, std::function<bool()> checkLink)
    : m_timer(timers.createTimer()), m_checkLink(std::move(checkLink)) {
    m_timer->setInterval(1000);
    m_timer->onTimeout = [this] { PDP_TimerTimer(); };
}

int KompCountdown::PDP_Execute() {
    m_position = 0;
    m_running = true;
    m_timer->start();
    PDP_ShowRemaining();
    const int result = view.showModal ? view.showModal() : ResultCancelled;
    m_timer->stop();
    m_running = false;
    return result;
}

void KompCountdown::PDP_ShowRemaining() {
    // The number goes where the text has "%d" (a translated text is no format string).
    ByteString text = TR("TKOMP_TESTPDP", "Sie haben noch %d Sekunden Zeit.");
    const size_t at = text.find("%d");
    if (at != ByteString::npos) text.replace(at, 2, std::to_string(Maximum - m_position));
    m_remaining = text;
    if (view.refresh) view.refresh();
}

void KompCountdown::end(int result) {
    m_running = false;
    if (view.endModal) view.endModal(result);
}

void KompCountdown::PDP_TimerTimer() {
    m_timer->stop();
    if (!m_running) return;
    if (m_position < Maximum) ++m_position;
    PDP_ShowRemaining();
    if (m_checkLink && !m_checkLink()) {
        end(ResultLinkLost);
        return;
    }
    if (m_position >= Maximum) {
        end(ResultTimeOver);
        return;
    }
    m_timer->start();
}
