// A progress dialog view for tests on the manual clock: its modal run pumps (say, one
// millisecond of the clock) until the transfer ends it, and records what it was shown. A hook
// runs before every pump, so a test can act while the dialog is open (abort, pull the cable).
#pragma once

#include <functional>
#include <vector>

#include "transferprogress.h"

class PumpedProgressView : public ITransferProgressView {
public:
    void runModal(const ByteString& caption, const ByteString& text, int32_t maximum) override {
        ++runs;
        shownCaption = caption;
        texts = {text};
        shownMaximum = maximum;
        highest = 0;
        m_ended = false;
        for (int64_t i = 0; i < maxPumps && !m_ended; ++i) {
            if (onPump) onPump();
            if (!m_ended && pump) pump();
        }
    }
    void showPosition(int32_t p) override {
        if (p > highest) highest = p;
    }
    void showText(const ByteString& t) override { texts.push_back(t); }
    void endModal() override { m_ended = true; }

    std::function<void()> pump;
    std::function<void()> onPump;
    int64_t maxPumps = 20 * 60 * 1000;  // twenty minutes of 1 ms pumps
    int runs = 0;
    ByteString shownCaption;
    std::vector<ByteString> texts;
    int32_t shownMaximum = 0, highest = 0;

private:
    bool m_ended = false;
};
