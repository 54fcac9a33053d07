// Files a program must not trust as targets or sources: a named pipe, a folder, the zero and
// full devices, a path into a missing folder and a read-only file, made in a folder of a test,
// with a guard that turns a hang into a failure and a check that nothing was replaced.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

enum class HostileKind { Pipe, Folder, Zero, Full, MissingFolder, ReadOnly };

struct HostileFile {
    const char* name;  // of the case
    HostileKind kind;
    std::string path;
};

// The six files in `dir`, each with the extension `ext` (".prn"); the read-only one holds
// `content`.
inline std::vector<HostileFile> HOSTILE_Make(const std::string& dir, const std::string& ext,
                                             const std::string& content) {
    std::vector<HostileFile> v{
        {"named pipe", HostileKind::Pipe, dir + "/rohr" + ext},
        {"folder", HostileKind::Folder, dir + "/ordner" + ext},
        {"/dev/zero", HostileKind::Zero, dir + "/null" + ext},
        {"/dev/full", HostileKind::Full, dir + "/voll" + ext},
        {"missing folder", HostileKind::MissingFolder, dir + "/fehlt/datei" + ext},
        {"read-only file", HostileKind::ReadOnly, dir + "/fest" + ext},
    };
    for (const HostileFile& f : v) {
        const char* p = f.path.c_str();
        switch (f.kind) {
            case HostileKind::Pipe:
                EXPECT_EQ(::mkfifo(p, 0666), 0) << p;
                break;
            case HostileKind::Folder:
                EXPECT_EQ(::mkdir(p, 0777), 0) << p;
                break;
            case HostileKind::Zero:
                EXPECT_EQ(::symlink("/dev/zero", p), 0) << p;
                break;
            case HostileKind::Full:
                EXPECT_EQ(::symlink("/dev/full", p), 0) << p;
                break;
            case HostileKind::MissingFolder:
                break;
            case HostileKind::ReadOnly:
                std::ofstream(f.path, std::ios::binary) << content;
                EXPECT_EQ(::chmod(p, 0444), 0) << p;
                break;
        }
    }
    // Open to everyone, so that a case run as an ordinary user may create files beside them.
    ::chmod(dir.c_str(), 0777);
    return v;
}

// What a path is now: its kind (without following a link) and, for a regular file, its bytes.
inline std::string HOSTILE_State(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return "missing";
    if (S_ISFIFO(st.st_mode)) return "pipe";
    if (S_ISDIR(st.st_mode)) return "folder";
    if (S_ISLNK(st.st_mode)) {
        char target[256] = {};
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        return "link to " + std::string(target, n > 0 ? static_cast<size_t>(n) : 0);
    }
    std::ifstream in(path, std::ios::binary);
    return "file " +
           std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Permissions apply to the scope even when the tests run as root: the effective user is an
// ordinary one until the scope ends.
class HOSTILE_AsOrdinaryUser {
public:
    HOSTILE_AsOrdinaryUser() {
        if (::geteuid() != 0) return;
        m_switched = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~HOSTILE_AsOrdinaryUser() {
        if (!m_switched) return;
        EXPECT_EQ(::seteuid(0), 0);
        EXPECT_EQ(::setegid(0), 0);
    }
    HOSTILE_AsOrdinaryUser(const HOSTILE_AsOrdinaryUser&) = delete;
    HOSTILE_AsOrdinaryUser& operator=(const HOSTILE_AsOrdinaryUser&) = delete;

private:
    bool m_switched = false;
};

// Bounds one case: when it has not ended within `limit`, the case counts as hung and the pipe
// is opened from the other side again and again, so that a program waiting on it goes on
// and the test reports the hang instead of waiting for ever. A hang elsewhere ends the run.
class HOSTILE_HangGuard {
public:
    HOSTILE_HangGuard(std::string pipe, std::chrono::milliseconds limit) : m_pipe(std::move(pipe)) {
        ::signal(SIGPIPE, SIG_IGN);
        m_thread = std::thread([this, limit] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_cv.wait_for(lock, limit, [this] { return m_done; })) return;
            m_hung = true;
            for (int i = 0; i < 200 && !m_done; ++i) {
                lock.unlock();
                struct stat st;
                const bool pipe = ::stat(m_pipe.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
                const int fd = pipe ? ::open(m_pipe.c_str(), O_RDWR | O_NONBLOCK) : -1;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                if (fd >= 0) ::close(fd);
                lock.lock();
                m_cv.wait_for(lock, std::chrono::milliseconds(30), [this] { return m_done; });
            }
            if (!m_done) {
                std::fprintf(stderr, "a case hung on %s\n", m_pipe.c_str());
                std::abort();
            }
        });
    }
    ~HOSTILE_HangGuard() { finish(); }
    HOSTILE_HangGuard(const HOSTILE_HangGuard&) = delete;
    HOSTILE_HangGuard& operator=(const HOSTILE_HangGuard&) = delete;

    // Ends the guard; true when the case hung.
    bool finish() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_cv.notify_all();
        if (m_thread.joinable()) m_thread.join();
        return m_hung;
    }

private:
    std::string m_pipe;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_done = false;
    std::atomic<bool> m_hung{false};
    std::thread m_thread;
};
