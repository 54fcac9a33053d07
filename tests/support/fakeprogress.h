// The modal progress window in memory: Execute runs the test's pump (say, one millisecond of
// the manual clock) until the owner sets a result, and records what the window was shown. A
// step hook lets a test act while the window is open (press abort, pull the cable).
#pragma once

#include <functional>
#include <vector>

#include "transferprogress.h"

class FakeProgress : public ITransferProgress {
public:
    int Execute(const ByteString& c, const ByteString& t, int32_t max) override {
        ++runs;
        caption = c;
        texts = {t};
        maximum = max;
        position = 0;
        highest = 0;
        result = 0;
        open = true;
        for (int64_t i = 0; i < maxPumps && result == 0; ++i) {
            if (onPump) onPump();
            if (result == 0 && pump) pump();
        }
        open = false;
        return result;
    }
    void SetProgress(int32_t p) override {
        position = p;
        if (p > highest) highest = p;
    }
    void SetText(const ByteString& t) override { texts.push_back(t); }
    int ModalResult() const override { return result; }
    void SetModalResult(int r) override {
        if (open) result = r;
    }
    // The abort button.
    void abort() { SetModalResult(Aborted); }

    std::function<void()> pump;
    std::function<void()> onPump;
    int64_t maxPumps = 20 * 60 * 1000;  // twenty minutes of 1 ms pumps
    int runs = 0;
    ByteString caption;
    std::vector<ByteString> texts;
    int32_t maximum = 0, position = 0, highest = 0;
    int result = 0;
    bool open = false;
};
