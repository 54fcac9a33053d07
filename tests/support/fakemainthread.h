// The main thread for single-threaded engine tests: hand-overs from the main thread run at
// once; posted work and the registered pumps run when the engine waits with processEvents.
#pragma once

#include <functional>
#include <vector>

#include "pumpedmainthread.h"

class FakeMainThread : public PumpedMainThread {
public:
    void processEvents() override {
        ++processEventsCalls;
        pump();
        for (auto& p : pumps) p();
    }

    // Work that happens "in the background" whenever the main thread lets events through.
    std::vector<std::function<void()>> pumps;
    int processEventsCalls = 0;
};
