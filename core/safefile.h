// Replacing a file only once its new content is safely on disk: written to a temporary file
// beside it, flushed, then renamed over the old one. A failure leaves the old file untouched.
#pragma once

#include <cstddef>

#include "records.h"

// How TOOL_OpenRegularFile treats the one device that stands for a full disk.
enum class FullDevice { Refuse, Accept };

// Opens a file for the user without ever waiting on it: flags as for open(2) (O_NONBLOCK,
// O_NOCTTY and O_CLOEXEC are added). Anything that is not a regular file (a named pipe, a
// socket, a device, a folder) is refused at once: -1 with errno set (EINVAL for a file of
// the wrong kind). Accept lets a log that is appended to be written to /dev/full, so that it
// meets the write error of a full disk rather than a refusal. The descriptor returned blocks
// as usual again.
int TOOL_OpenRegularFile(const ByteString& fileName, int flags,
                         FullDevice full = FullDevice::Refuse);

// Never replaces anything that is not a regular file the user may write, nor a file through a
// temporary name that is not a regular file.
bool TOOL_WriteFileSafely(const ByteString& fileName, const ByteString& content);
// Reads a whole regular file of at most maxBytes; false (bytes untouched) when it is missing,
// unreadable, larger, or not a regular file.
bool TOOL_ReadFile(const ByteString& fileName, size_t maxBytes, ByteString& bytes);
ByteString TOOL_FileNameOnly(const ByteString& path);
ByteString TOOL_DirectoryOf(const ByteString& path);
bool TOOL_FileExists(const ByteString& path);
