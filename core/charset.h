// The program keeps its texts as UTF-8; files written for other programs to read (logs, the
// report) hold the 8-bit Windows-1252 character set, one byte per character. These convert
// between the two and count characters where a fixed layout wants columns.
#pragma once

#include <string>

#include "records.h"

// Code points of a UTF-8 text; a byte that starts no valid sequence is read as a Windows-1252
// character, so text that was never UTF-8 keeps its letters.
std::u32string TOOL_Utf8ToCodePoints(const ByteString& text);
ByteString TOOL_CodePointsToUtf8(const std::u32string& codePoints);

// Windows-1252 bytes of a UTF-8 text; a character the set lacks becomes '?'.
ByteString TOOL_Utf8ToWindows1252(const ByteString& text);
// UTF-8 text of Windows-1252 bytes. The five codes the set leaves unused read as U+FFFD.
ByteString TOOL_Windows1252ToUtf8(const ByteString& bytes);
