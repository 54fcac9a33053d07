#include "translate.h"

namespace {
TranslateHook& hook() {
    static TranslateHook h;
    return h;
}
}  // namespace

void TOOL_SetTranslateHook(TranslateHook h) {
    hook() = std::move(h);
}

ByteString TOOL_Translate(const char* context, const char* text) {
    if (hook()) return hook()(context, text);
    return text;
}
