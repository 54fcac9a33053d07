#include "freetelegram.h"

#include <algorithm>

#include "devicelist.h"
#include "textconv.h"
#include "translate.h"

#define CTX "TEXTRA_Tele_Form"

namespace {

enum class Bus { None, WBus, KLine, SBus };

// The bus the window sends on for a device class, the addresses it starts from, and what it
// offers as example.
struct ClassAddresses {
    Bus bus;
    const char* sourceText;
    uint8_t source;
    const char* targetText;
    uint8_t target;
    const char* example;
    uint8_t highestAddress;
};

// Index = device class (dcNone has no bus).
const ClassAddresses kAddresses[] = {
    {Bus::None, "", 0, "", 0, "", 0},                                          // dcNone
    {Bus::WBus, "0F", 0x0F, "04", 0x04, "50 07 (Hex)", 0x0F},                  // dcKX3090
    {Bus::KLine, "F1", 0xF1, "9D", 0x9D, "22 1D 02 FF FF FF FF (Hex)", 0xFF},  // dcKX3024
    {Bus::WBus, "0F", 0x0F, "04", 0x04, "50 07 (Hex)", 0x0F},                  // dcKX3117
    {Bus::SBus, "01", 0x01, "07", 0x07, "14 (Hex)", 0xFF},                     // dcKX3141
    {Bus::SBus, "01", 0x01, "07", 0x07, "14 (Hex)", 0xFF},                     // dcKX3166
    {Bus::SBus, "01", 0x01, "03", 0x03, "14 (Hex)", 0xFF},                     // dcLoader
};
constexpr size_t ClassCount = sizeof kAddresses / sizeof kAddresses[0];

Bus busOf(uint8_t deviceClass) {
    return deviceClass < ClassCount ? kAddresses[deviceClass].bus : Bus::None;
}

// Every typed K-Line telegram goes out with this format byte, whatever its length.
constexpr uint8_t kKLineFormat = 0x87;

}  // namespace

FreeTelegram::FreeTelegram(MainEngine& engine, BusLayers& buses, IFreeTelegramView& view)
    : m_engine(engine), m_buses(buses), m_view(view) {}

ByteString FreeTelegram::inputErrorText() {
    return "   " + TR(CTX, "Telegrammeingabe fehlerhaft!") + "   ";
}

void FreeTelegram::SetLinkState(bool adapterReady) {
    if (adapterReady == m_adapterReady) return;
    m_adapterReady = adapterReady;
    if (adapterReady) return;
    TELE_EnableControls(false);
    clearHistory();
}

void FreeTelegram::SetDeviceClass(uint8_t deviceClass) {
    if (deviceClass == m_deviceClass) return;
    m_deviceClass = deviceClass;
    if (!m_adapterReady) return;
    if (deviceClass == dcNone) {
        TELE_EnableControls(false);
        clearHistory();
        return;
    }
    TELE_EnableControls(true);
    // A class with no bus of its own: the addresses stay as they are.
    if (deviceClass >= ClassCount) return;
    const ClassAddresses& a = kAddresses[deviceClass];
    m_view.sourceEdit().setText(a.sourceText);
    m_source = a.source;
    m_view.targetEdit().setText(a.targetText);
    m_target = a.target;
    m_view.setExample(a.example);
    m_highestAddress = a.highestAddress;
}

void FreeTelegram::TELE_EnableControls(bool enabled) {
    m_view.setSendEnabled(enabled);
    TOOL_EnableEdit(m_view.sourceEdit(), enabled);
    TOOL_EnableEdit(m_view.targetEdit(), enabled);
    TOOL_EnableEdit(m_view.answerEdit(), enabled);
    TOOL_EnableCombo(m_view.telegramEdit(), enabled);
}

void FreeTelegram::Button2Click() {
    const ByteString bytes = TOOL_HexTextToBytes(m_view.telegramEdit().text());
    if (bytes.empty()) {
        m_engine.userInteraction().messageBox(MsgKind::Error, inputErrorText(), MB_OK);
        return;
    }
    m_telegram = bytes;
    const ByteString text = TOOL_BytesToHexText(bytes);
    m_view.telegramEdit().setText(text);
    addToHistory(text);
    m_req.Step = StepSend;
    m_view.setSendEnabled(false);
    m_view.answerEdit().setText(ByteString());
}

void FreeTelegram::Edit1Exit() {
    m_source = static_cast<uint8_t>(TOOL_EditHex(m_engine.userInteraction(), m_view.sourceEdit(),
                                                 m_source, 0, m_highestAddress, 2));
}

void FreeTelegram::Edit2Exit() {
    m_target = static_cast<uint8_t>(TOOL_EditHex(m_engine.userInteraction(), m_view.targetEdit(),
                                                 m_target, 0, m_highestAddress, 2));
}

bool FreeTelegram::NextRequest() {
    m_req.Active = 0;
    switch (m_req.Step) {
        case StepSend:
            if (busOf(m_deviceClass) == Bus::None) {
                m_req.Step = StepIdle;  // nothing to send it over
                break;
            }
            // Under way only once the transport took the frame; else the next round tries again.
            if (send()) {
                m_req.Active = 1;
                m_req.ErrorStep = StepLinkError;
            }
            break;
        case StepShowAnswer:
            m_view.answerEdit().setText(answerText());
            m_view.setSendEnabled(true);
            m_req.Step = StepIdle;
            break;
        case StepLinkError:
            m_view.answerEdit().setText(ByteString());
            m_view.setSendEnabled(true);
            m_req.Step = StepIdle;
            break;
        default:
            break;
    }
    return m_req.Active != 0;
}

bool FreeTelegram::EvaluateReply(uint8_t status, const ByteString& reply) {
    if (!m_req.Active) return false;
    m_engine.USB_UpdateStep(m_req, status, reply, m_req);
    return true;
}

bool FreeTelegram::send() {
    switch (busOf(m_deviceClass)) {
        case Bus::WBus:
            return m_buses.wbus.WBUS_SendTelegram(m_source, m_target, m_telegram);
        case Bus::KLine:
            return m_buses.kline.KLINE_SendTelegram(kKLineFormat, m_source, m_target, m_telegram);
        case Bus::SBus:
            return m_buses.sbus.SBUS_SendTelegram(m_source, m_target, 0, m_telegram);
        default:
            return false;
    }
}

// The answer checked against the addresses it was sent with; a failed check shows nothing (the
// bus layer has logged why).
ByteString FreeTelegram::answerText() const {
    TResult r;
    r.Invalid = 1;
    switch (busOf(m_deviceClass)) {
        case Bus::WBus:
            m_buses.wbus.WBUS_ReceiveAnswer(m_source, m_target, m_req.Reply, r);
            break;
        case Bus::KLine:
            // The answer comes from the target back to the source.
            m_buses.kline.KLINE_ReceiveAnswer(m_source, m_target, m_req.Reply, r);
            break;
        case Bus::SBus:
            m_buses.sbus.SBUS_ReceiveAnswer(m_source, m_target, m_req.Reply, r);
            break;
        default:
            break;
    }
    return r.Invalid ? ByteString() : TOOL_BytesToHexText(r.Text);
}

void FreeTelegram::addToHistory(const ByteString& text) {
    if (std::find(m_history.begin(), m_history.end(), text) != m_history.end()) return;
    m_history.insert(m_history.begin(), text);
    if (m_history.size() > HistoryLength) m_history.resize(HistoryLength);
    m_view.setHistory(m_history);
}

void FreeTelegram::clearHistory() {
    m_history.clear();
    m_view.setHistory(m_history);
}
