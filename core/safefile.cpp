#include "safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

bool TOOL_WriteFileSafely(const ByteString& fileName, const ByteString& content) {
    if (fileName.empty()) return false;
    const std::string tmp = fileName + ".tmp~";
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    bool ok = true;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), fileName.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

bool TOOL_ReadFile(const ByteString& fileName, size_t maxBytes, ByteString& bytes) {
    if (!TOOL_FileExists(fileName)) return false;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > maxBytes) return false;
    in.seekg(0, std::ios::beg);
    ByteString read(static_cast<size_t>(size), '\0');
    if (size > 0 && !in.read(read.data(), size)) return false;
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
