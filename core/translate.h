// Every user-visible engine text goes through TR(context, text): the marker lets Qt's lupdate
// collect it, and the translate hook installed by the windows swaps in the English module.
#pragma once

#include <functional>

#include "records.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

using TranslateHook = std::function<ByteString(const char* context, const char* text)>;

// Installs the hook (an empty hook restores the German texts).
void TOOL_SetTranslateHook(TranslateHook hook);
ByteString TOOL_Translate(const char* context, const char* text);

#define TR(context, text) TOOL_Translate(context, QT_TRANSLATE_NOOP(context, text))
