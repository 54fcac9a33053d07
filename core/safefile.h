// Replacing a file only once its new content is safely on disk: written to a temporary file
// beside it, flushed, then renamed over the old one. A failure leaves the old file untouched.
#pragma once

#include <cstddef>

#include "records.h"

bool TOOL_WriteFileSafely(const ByteString& fileName, const ByteString& content);
// Reads a whole regular file of at most maxBytes; false (bytes untouched) when it is missing,
// unreadable or larger.
bool TOOL_ReadFile(const ByteString& fileName, size_t maxBytes, ByteString& bytes);
ByteString TOOL_FileNameOnly(const ByteString& path);
ByteString TOOL_DirectoryOf(const ByteString& path);
bool TOOL_FileExists(const ByteString& path);
