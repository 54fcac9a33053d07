// Request clients for engine tests: a window that sends a list of requests, and a stand-in
// for the diagnosis session that keeps a cyclic exchange going and ends itself the way the
// real one does (link error -> end step -> stop request; adapter loss -> idle).
#pragma once

#include <deque>
#include <vector>

#include "mainengine.h"

// A window client: sends its queued requests one per round, a frame or a timed wait each.
class ScriptedClient : public IRequestClient {
public:
    struct Request {
        ByteString frame;
        int delayMs = -1;  // >= 0: a timed wait instead of a frame
    };
    struct Received {
        uint8_t status;
        ByteString reply;
    };

    explicit ScriptedClient(MainEngine& e) : m_engine(e) {}

    void sendFrame(const ByteString& f) { queue.push_back({f, -1}); }
    void wait(int ms) { queue.push_back({{}, ms}); }

    bool NextRequest() override {
        ++asked;
        req.Active = 0;
        if (queue.empty()) return false;
        const Request& r = queue.front();
        const bool underWay = r.delayMs >= 0 ? m_engine.transport().StartDelay(r.delayMs)
                                             : m_engine.transport().SendFrame(r.frame);
        if (underWay) {
            queue.pop_front();
            req.Active = 1;
            req.ErrorStep = -1;
            awaiting = true;
        }
        return req.Active != 0;
    }
    bool EvaluateReply(uint8_t status, const ByteString& reply) override {
        if (!req.Active) return false;
        awaiting = false;
        m_engine.USB_UpdateStep(req, status, reply, req);
        received.push_back({status, reply});
        return true;
    }

    std::deque<Request> queue;
    std::vector<Received> received;
    TUSBREQ req;
    int asked = 0;
    bool awaiting = false;  // a request was reported under way and its reply has not come

private:
    MainEngine& m_engine;
};

// Stands in for the diagnosis session in slot 7 until the real one exists.
class StandInSession : public IRequestClient {
public:
    static constexpr int EndStep = 7;
    static constexpr int FirstCyclicStep = 10;

    StandInSession(MainEngine& e, int cycleLength = 3) : m_engine(e), m_cycleLength(cycleLength) {}

    // A manual start, as the "start diagnosis" action does it.
    bool begin(uint8_t deviceClass = 5) {
        if (m_engine.SessionUp) return false;
        m_engine.DeviceClass = deviceClass;
        m_engine.SessionStarted = true;
        req.Step = FirstCyclicStep;
        return true;
    }
    bool running() const { return req.Step != 0; }

    bool NextRequest() override {
        req.Active = 0;
        if (req.Step == 0) return false;
        if (m_engine.StopRequested || m_engine.AdapterLost || req.Step == EndStep) {
            if (req.Step == EndStep) m_engine.StopRequested = true;
            req.Step = 0;
            return false;
        }
        // A bus configuration: every adapter, simulated or real, acknowledges it.
        ByteString frame;
        AdapterFrameProtocol::ADP_BuildBusConfig(Adp::BUS_WBUS, Adp::MODE_WBUS_DIAG, 5, 20,
                                                 500 + req.Step, frame);
        if (m_engine.transport().SendFrame(frame)) {
            req.Active = 1;
            req.ErrorStep = EndStep;
            awaiting = true;
            ++sent;
        }
        return req.Active != 0;
    }
    bool EvaluateReply(uint8_t status, const ByteString& reply) override {
        if (!req.Active) return false;
        awaiting = false;
        req.Reply = reply;
        if (status == USB_REPLY_RECEIVED) {
            if (++req.Step >= FirstCyclicStep + m_cycleLength) {
                req.Step = FirstCyclicStep;
                m_engine.SessionUp = true;  // first full cycle done
            }
        } else if (status >= 1 && status <= 4) {
            m_engine.LinkError = true;
            req.Step = EndStep;
        }
        return true;
    }

    TUSBREQ req;
    int sent = 0;
    bool awaiting = false;

private:
    MainEngine& m_engine;
    int m_cycleLength;
};
