// Watches the reply hand-overs of a transfer thread, so that a test can tell the reply path
// apart (no box may open inside it) and see that replies came at all.
#pragma once

#include <utility>

#include "ports.h"

class ReplyWatch {
public:
    // The handler to give the transfer thread: it runs onReply and is counted.
    ReplyHandler watched(ReplyHandler onReply) {
        return [this, onReply = std::move(onReply)](uint8_t code, const ByteString& data) {
            ++m_replyDepth;
            ++replies;
            onReply(code, data);
            --m_replyDepth;
        };
    }
    // True while a reply hand-over is being processed.
    bool inReplyPath() const { return m_replyDepth > 0; }

    // Reply hand-overs so far.
    int replies = 0;

private:
    int m_replyDepth = 0;
};
