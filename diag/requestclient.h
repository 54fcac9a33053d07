// The parts of the program that talk to the control unit share one adapter with one frame in
// flight. Each of them is a request client: it owns one TUSBREQ and answers two questions of
// the scheduler.
#pragma once

#include <array>
#include <cstdint>

#include "records.h"

class IRequestClient {
public:
    virtual ~IRequestClient() = default;

    // Clears its Active; when its current step calls for a request, sends it (frame or timed
    // wait) and sets Active and the step's ErrorStep. Returns Active. True promises exactly one
    // later reply, so it may only be returned when the transport took the frame
    // (ITransport::SendFrame true) or started the delay (ITransport::StartDelay true).
    virtual bool NextRequest() = 0;

    // Returns its Active: true means the reply is this client's. Then it stores the reply,
    // advances its steps and, for a status 1 to 4, sets LinkError and takes its error step
    // (USB_UpdateStep does the standard advance).
    virtual bool EvaluateReply(uint8_t status, const ByteString& reply) = 0;
};

// The fixed order in which the scheduler asks the clients, and in which replies are offered.
// The windows go first, the diagnosis session last, so a window request is never held up by
// the session's cyclic reads.
enum class ClientSlot : int {
    Programming = 0,    // software programming window
    EolCell = 1,        // single EOL cell window
    EolParamSet = 2,    // EOL parameter-set window
    Calibration = 3,    // CO2 adjustment and voltage calibration window
    FreeTelegram = 4,   // free telegram window
    ComponentTest = 5,  // component test window
    Session = 6,        // the diagnosis session
};

// Seven slots; an empty slot answers false to both questions.
class USB_ClientOrder {
public:
    static constexpr int SlotCount = 7;

    // Puts a client into its slot (nullptr empties it). The client must outlive its slot.
    void setClient(ClientSlot slot, IRequestClient* client) { m_slots[index(slot)] = client; }
    IRequestClient* client(ClientSlot slot) const { return m_slots[index(slot)]; }

    bool NextRequest(int i) const { return m_slots[i] && m_slots[i]->NextRequest(); }
    bool EvaluateReply(int i, uint8_t status, const ByteString& reply) const {
        return m_slots[i] && m_slots[i]->EvaluateReply(status, reply);
    }

private:
    static size_t index(ClientSlot s) { return static_cast<size_t>(s); }
    std::array<IRequestClient*, SlotCount> m_slots{};
};
