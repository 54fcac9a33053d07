// Sending and checking W-Bus telegrams and raw frames.
#include "fieldcodec.h"
#include "wbuslayer.h"

namespace {

uint8_t xorOf(const ByteString& bytes) {
    uint8_t x = 0;
    for (unsigned char b : bytes) x ^= b;
    return x;
}

uint8_t addressByte(uint8_t high, uint8_t low) {
    return static_cast<uint8_t>(((high << 4) | low) & 0xFF);
}

}  // namespace

bool WBusLayer::WBUS_SendTelegram(uint8_t sender, uint8_t receiver, const ByteString& payload) {
    const ByteString p = payload.substr(0, WBus::MAX_PAYLOAD);
    ByteString telegram;
    telegram.push_back(static_cast<char>(addressByte(sender, receiver)));
    telegram.push_back(static_cast<char>(p.size() + 1));
    telegram += p;
    telegram.push_back(static_cast<char>(xorOf(telegram)));
    return sendBusTelegram(telegram, p);
}

bool WBusLayer::WBUS_SendRaw(const ByteString& payload) {
    ByteString telegram = payload.substr(0, WBus::MAX_PAYLOAD);
    telegram.push_back(static_cast<char>(xorOf(telegram)));
    // A raw frame has no command byte the decoders could hold an answer against.
    return sendBusTelegram(telegram, ByteString());
}

bool WBusLayer::WBUS_BuildRawRequest(uint8_t command, uint8_t, const TParamlist& params,
                                     ByteString& payload) {
    payload.clear();
    auto u8 = [&](int k) {
        TOOL_EncodeField(8, params[static_cast<size_t>(k)], std::nullopt, payload);
    };
    switch (command) {
        case 0x03:
        case 0x05:
            payload.push_back(static_cast<char>(command));
            u8(1);
            break;
        case 0x04:
            payload.push_back(static_cast<char>(command));
            u8(1);
            u8(2);
            break;
        case 0x09:
            payload.push_back(static_cast<char>(command));
            break;
        default:
            break;
    }
    return WBUS_SendRaw(payload);
}

void WBusLayer::WBUS_ReceiveAnswer(uint8_t sender, uint8_t receiver, const ByteString& reply,
                                   TResult& result) {
    countFailure();
    if (unwrapAdapterReply(reply, result)) {
        const ByteString frame = result.Text;
        const size_t n = frame.size();
        if (n < 3 || n > 255) {
            failFrame(result, BusCode::FrameLength);
        } else if (xorOf(frame) != 0) {
            failFrame(result, BusCode::Checksum);
        } else if (static_cast<uint8_t>(frame[0]) != addressByte(receiver, sender)) {
            failFrame(result, BusCode::Address);
        } else if (static_cast<uint8_t>(frame[1]) != n - 2) {
            failFrame(result, BusCode::LengthField);
        } else {
            result.Text = frame.substr(2, n - 3);
            // An empty payload is no answer: it leaves the count running, so a unit that
            // keeps sending empty frames reaches the failure limit.
            if (!result.Text.empty()) acceptFrame();
        }
    }
    applyFailureLimit(result);
}

void WBusLayer::WBUS_ReceiveRaw(const ByteString& reply, TResult& result) {
    countFailure();
    if (unwrapAdapterReply(reply, result)) {
        const ByteString frame = result.Text;
        const size_t n = frame.size();
        if (n < 2 || n > 255) {
            failFrame(result, BusCode::FrameLength);
        } else if (xorOf(frame) != 0) {
            failFrame(result, BusCode::Checksum);
        } else {
            result.Text = frame.substr(0, n - 1);
            if (!result.Text.empty()) acceptFrame();
        }
    }
    applyFailureLimit(result);
}

void WBusLayer::WBUS_ReceiveRawChecked(const ByteString& reply, uint8_t dataLength,
                                       uint8_t firstByte, TResult& result) {
    WBUS_ReceiveRaw(reply, result);
    if (result.Invalid) return;
    if (result.Text.empty()) {
        result = TResult::failure(BusCode::Empty);
    } else if (static_cast<uint8_t>(result.Text[0]) != firstByte) {
        result.Invalid = 1;
        result.Value = BusCode::Rejected;
    } else if (result.Text.size() != size_t{dataLength} + 1) {
        result.Invalid = 1;
        result.Value = BusCode::TooShort;
    } else {
        result.Text.erase(0, 1);
    }
}

void WBusLayer::receiveForDecoder(const ByteString& reply, uint8_t minimumLength, uint8_t command,
                                  uint8_t expectedSub, TResult& result) {
    WBUS_ReceiveAnswer(WBus::TESTER, WBus::CONTROL_UNIT, reply, result);
    if (result.Invalid) return;
    const ByteString& p = result.Text;
    const bool subExpected = expectedSub != WBus::NO_SUB;
    if (p.empty()) {
        result = TResult::failure(BusCode::Empty);
    } else if (static_cast<uint8_t>(p[0]) == WBus::REFUSAL) {
        // The unit's refusal names the command it refuses: one of another request's is stale.
        if (p.size() >= 2 && static_cast<uint8_t>(p[1]) != command) {
            rejectForeignAnswer(result);
        } else {
            result.Invalid = 1;
            result.Value = BusCode::Rejected;
        }
    } else if (static_cast<uint8_t>(p[0]) != (command | 0x80)) {
        rejectForeignAnswer(result);  // the answer to another command
    } else if (subExpected && p.size() >= 2 && static_cast<uint8_t>(p[1]) != expectedSub) {
        // Another page or sub is another request's answer, however long it is.
        result.Text.erase(0, 1);
        rejectForeignAnswer(result);
    } else if (p.size() <= minimumLength || (subExpected && p.size() < 2)) {
        // Too short, also when a sub is expected but no byte follows the command.
        result.Invalid = 1;
        result.Value = BusCode::TooShort;
    } else {
        result.Text.erase(0, 1);
    }
}
