// A telegram log that keeps every line for the test to read.
#pragma once

#include <vector>

#include "ports.h"
#include "textconv.h"

class RecordingLog : public ITelegramLog {
public:
    struct Line {
        uint32_t colour;
        ByteString text;
    };
    void LogTx(const ByteString& b) override {
        lines.push_back({LogColour::Blue, "TX: " + TOOL_BytesToHexText(b)});
    }
    void LogRx(const ByteString& b) override {
        lines.push_back({LogColour::Green, "RX: " + TOOL_BytesToHexText(b)});
    }
    void LogLine(uint32_t colour, const ByteString& t) override { lines.push_back({colour, t}); }
    void LogStateChange(uint8_t cls, int32_t o, int32_t n) override {
        stateChanges.push_back({cls, o, n});
    }
    int count(const ByteString& text) const {
        int n = 0;
        for (auto& l : lines) n += l.text == text ? 1 : 0;
        return n;
    }

    struct StateChange {
        uint8_t deviceClass;
        int32_t oldState, newState;
    };
    std::vector<Line> lines;
    std::vector<StateChange> stateChanges;
};
