#include "safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace {

// The kernel's full device: every write to it fails as on a disk without room.
bool isFullDevice(const struct stat& st) {
    return S_ISCHR(st.st_mode) && major(st.st_rdev) == 1 && minor(st.st_rdev) == 7;
}

bool writeAll(int fd, const ByteString& content) {
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

int TOOL_OpenRegularFile(const ByteString& fileName, int flags, FullDevice full) {
    if (fileName.empty()) {
        errno = ENOENT;
        return -1;
    }
    // Non-blocking, so that opening a pipe or a terminal returns at once instead of waiting
    // for the other side; the kind of file is then read from the open descriptor itself, so
    // nothing can be swapped in between.
    const int fd = ::open(fileName.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    struct stat st;
    const bool usable = ::fstat(fd, &st) == 0 &&
                        (S_ISREG(st.st_mode) || (full == FullDevice::Accept && isFullDevice(st)));
    if (!usable) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl >= 0) ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
    return fd;
}

bool TOOL_WriteFileSafely(const ByteString& fileName, const ByteString& content) {
    if (fileName.empty()) return false;
    // An existing target must be a regular file the user may write: a pipe, a device or a
    // read-only file is never replaced by the rename below.
    const int target = TOOL_OpenRegularFile(fileName, O_WRONLY);
    if (target >= 0) {
        ::close(target);
    } else if (errno != ENOENT) {
        return false;
    }
    const std::string tmp = fileName + ".tmp~";
    // A temporary name held by something else than a regular file is left alone.
    const int fd = TOOL_OpenRegularFile(tmp, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) return false;
    bool ok = writeAll(fd, content);
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), fileName.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

bool TOOL_ReadFile(const ByteString& fileName, size_t maxBytes, ByteString& bytes) {
    const int fd = TOOL_OpenRegularFile(fileName, O_RDONLY);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || st.st_size < 0 || static_cast<uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return false;
    }
    ByteString read(static_cast<size_t>(st.st_size), '\0');
    size_t done = 0;
    bool ok = true;
    while (done < read.size()) {
        const ssize_t n = ::read(fd, read.data() + done, read.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;  // the file shrank while it was read: what is there
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (!ok) return false;
    read.resize(done);
    bytes = std::move(read);
    return true;
}

ByteString TOOL_FileNameOnly(const ByteString& path) {
    const size_t p = path.find_last_of("/\\");
    return p == ByteString::npos ? path : path.substr(p + 1);
}

ByteString TOOL_DirectoryOf(const ByteString& path) {
    const size_t p = path.find_last_of("/\\");
    return p == ByteString::npos ? ByteString() : path.substr(0, p);
}

bool TOOL_FileExists(const ByteString& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
