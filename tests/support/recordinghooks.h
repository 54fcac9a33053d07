// Window and session hooks that record every call, with the adapter state seen at that moment.
#pragma once

#include <vector>

#include "mainengine.h"

struct RecordingHooks {
    // AdapterReady as UI_UpdateLinkState saw it, one entry per call.
    std::vector<bool> linkStates;
    int sessionStateCalls = 0;
    int updateNoticeCalls = 0;
    int stopModuleCalls = 0;
    int updateTitleCalls = 0;
    std::vector<ByteString> captions;
    // Every call in order: "link 0"/"link 1", "session", "notice", "stopModule", "title".
    std::vector<ByteString> events;

    void install(MainEngine& e) {
        e.windowHooks.UI_UpdateLinkState = [this, &e] {
            linkStates.push_back(e.AdapterReady);
            events.push_back(e.AdapterReady ? "link 1" : "link 0");
        };
        e.windowHooks.UI_UpdateSessionState = [this] {
            ++sessionStateCalls;
            events.push_back("session");
        };
        e.windowHooks.SetCaption = [this](const ByteString& c) { captions.push_back(c); };
        e.windowHooks.ShowUpdateNoticeWindow = [this] {
            ++updateNoticeCalls;
            events.push_back("notice");
        };
        e.sessionHooks.DIAG_StopModule = [this] {
            ++stopModuleCalls;
            events.push_back("stopModule");
        };
        e.sessionHooks.DIAG_UpdateTitle = [this] {
            ++updateTitleCalls;
            events.push_back("title");
        };
    }
};
