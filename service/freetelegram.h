// The free telegram window's engine: the technician types the data of one bus telegram as hex
// bytes; it goes out over the bus of the active device class, framed by the bus layer's own send
// routine (no request builder in between, so any service of the unit can be tried), and the
// data bytes of the answer are shown. It is one of the scheduler's request clients, asked after
// calibration and before the component test.
#pragma once

#include <cstdint>
#include <vector>

#include "buslayers.h"
#include "dialoghelpers.h"
#include "mainengine.h"
#include "requestclient.h"

// The controls the engine drives; the window implements them, tests use fakes.
class IFreeTelegramView {
public:
    virtual ~IFreeTelegramView() = default;
    virtual IComboControl& telegramEdit() = 0;  // the typed telegram, with the input history
    virtual IEditControl& sourceEdit() = 0;     // source address, two hex digits
    virtual IEditControl& targetEdit() = 0;     // target address, two hex digits
    virtual IEditControl& answerEdit() = 0;     // the answer's bytes (read-only)
    virtual void setSendEnabled(bool enabled) = 0;
    // The example telegram of the bus ("50 07 (Hex)").
    virtual void setExample(const ByteString& text) = 0;
    // The input history, newest first.
    virtual void setHistory(const std::vector<ByteString>& entries) = 0;
};

class FreeTelegram : public IRequestClient {
public:
    // TUSBREQ steps.
    enum Step : int32_t { StepIdle = 0, StepSend = 1, StepShowAnswer = 2, StepLinkError = 3 };
    static constexpr size_t HistoryLength = 10;
    // The telegram entry holds at most this many characters.
    static constexpr int MaxInputLength = 100;

    FreeTelegram(MainEngine& engine, BusLayers& buses, IFreeTelegramView& view);

    // Broadcast hooks; each acts only on a change. Without the adapter, or without a session
    // (class 0), the controls are disabled and the history is forgotten.
    void SetLinkState(bool adapterReady);
    void SetDeviceClass(uint8_t deviceClass);
    void TELE_EnableControls(bool enabled);

    // "Senden": the typed text parsed; bad input gets its box and sends nothing, else the
    // telegram waits for the next scheduler round.
    void Button2Click();
    // Leaving an address edit: a hex value within 0..highest address is taken.
    void Edit1Exit();
    void Edit2Exit();

    bool NextRequest() override;
    bool EvaluateReply(uint8_t status, const ByteString& reply) override;

    bool HeldAdapterReady() const { return m_adapterReady; }
    uint8_t HeldDeviceClass() const { return m_deviceClass; }
    const TUSBREQ& request() const { return m_req; }
    const ByteString& telegram() const { return m_telegram; }
    uint8_t source() const { return m_source; }
    uint8_t target() const { return m_target; }
    uint8_t highestAddress() const { return m_highestAddress; }
    const std::vector<ByteString>& history() const { return m_history; }

    // The box text of input that is not a telegram.
    static ByteString inputErrorText();

private:
    void addToHistory(const ByteString& text);
    void clearHistory();
    bool send();
    ByteString answerText() const;

    MainEngine& m_engine;
    BusLayers& m_buses;
    IFreeTelegramView& m_view;
    uint8_t m_deviceClass = 0;
    bool m_adapterReady = false;
    TUSBREQ m_req;
    ByteString m_telegram;
    uint8_t m_source = 0;
    uint8_t m_target = 0;
    uint8_t m_highestAddress = 0;
    std::vector<ByteString> m_history;
};
