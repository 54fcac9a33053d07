#include "transferprogress.h"

#include <algorithm>

int32_t TransferProgress::Execute(const ByteString& caption, const ByteString& text,
                                  int32_t maximum) {
    if (!m_view || m_shown) return Closed;
    m_caption = caption;
    m_text = text;
    m_maximum = std::max(maximum, 0);
    m_position = 0;
    m_result = NoResult;
    m_ending = false;
    m_shown = true;
    m_view->runModal(caption, text, m_maximum);
    m_shown = false;
    // A view that ends without a result was closed some other way: that is an abort.
    if (m_result == NoResult) m_result = Closed;
    return m_result;
}

void TransferProgress::SetProgress(int32_t position) {
    m_position = std::clamp(position, 0, m_maximum);
    if (m_shown && m_view) m_view->showPosition(m_position);
}

void TransferProgress::SetText(const ByteString& text) {
    m_text = text;
    if (m_shown && m_view) m_view->showText(text);
}

void TransferProgress::SetModalResult(int32_t result) {
    if (!m_shown) return;
    m_result = result;
    // The first result ends the modal run; a later one before it has returned replaces the
    // result only.
    if (m_ending) return;
    m_ending = true;
    m_view->endModal();
}
