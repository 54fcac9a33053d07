// The file routines under the readers and writers, handed what is no regular file: each
// refuses at once (the pipe never waits for its other side), the replacing writers leave what
// was there, and only the log that is appended to meets the full device's write error. The
// main window's test shows the boxes; this one reaches the routines behind the open dialogs,
// which filter most of these out first.
#include "hostilefiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "measurementlogfile.h"
#include "paramsetfile.h"
#include "safefile.h"

namespace {

const ByteString kSet = ";" + ByteString(73, '*') + "\r\n0001  02     2\r\n";

TEST(HostileFiles, TheFileRoutinesRefuseWhatIsNoRegularFile) {
    enum class Outcome { Refused, Done, WriteFails };
    struct Row {
        const char* name;
        std::function<Outcome(const std::string&)> attempt;
        Outcome readOnly;  // what the read-only file gives
        Outcome full;      // what the full device gives
    };
    const std::vector<Row> rows{
        {"whole file read",
         [](const std::string& f) {
             ByteString bytes = "unchanged";
             const bool ok = TOOL_ReadFile(f, 1 << 20, bytes);
             EXPECT_EQ(ok, bytes != "unchanged");
             return ok ? Outcome::Done : Outcome::Refused;
         },
         Outcome::Done, Outcome::Refused},
        {"parameter set read",
         [](const std::string& f) {
             TEolParamSet set;
             return ParamSetFile::LoadFromFile(f, 1, set) == ParamSetFile::LoadOk
                        ? Outcome::Done
                        : Outcome::Refused;
         },
         Outcome::Done, Outcome::Refused},
        {"replacing write",
         [](const std::string& f) {
             return TOOL_WriteFileSafely(f, "new\r\n") ? Outcome::Done : Outcome::Refused;
         },
         Outcome::Refused, Outcome::Refused},
        {"measurement log",
         [](const std::string& f) {
             const auto log = MeasurementLogFile::open(f);
             if (!log) return Outcome::Refused;
             return log->writeLine("Zeile") ? Outcome::Done : Outcome::WriteFails;
         },
         Outcome::Refused, Outcome::WriteFails},
    };
    const std::string base = ::testing::TempDir() + "/hostile_files";
    std::system(("rm -rf '" + base + "'").c_str());
    ASSERT_EQ(::mkdir(base.c_str(), 0777), 0);
    ::chmod(base.c_str(), 0777);
    int n = 0;
    for (const Row& row : rows) {
        const std::string folder = base + "/" + std::to_string(++n);
        ASSERT_EQ(::mkdir(folder.c_str(), 0777), 0);
        for (const HostileFile& h : HOSTILE_Make(folder, ".prn", kSet)) {
            SCOPED_TRACE(std::string(row.name) + " x " + h.name);
            const std::string before = HOSTILE_State(h.path);
            HOSTILE_HangGuard guard(h.path, std::chrono::milliseconds(1000));
            Outcome got;
            {
                std::unique_ptr<HOSTILE_AsOrdinaryUser> user;
                if (h.kind == HostileKind::ReadOnly)
                    user = std::make_unique<HOSTILE_AsOrdinaryUser>();
                got = row.attempt(h.path);
            }
            EXPECT_FALSE(guard.finish()) << "waited on the file";
            const Outcome expected = h.kind == HostileKind::ReadOnly ? row.readOnly
                                     : h.kind == HostileKind::Full   ? row.full
                                                                     : Outcome::Refused;
            EXPECT_EQ(static_cast<int>(got), static_cast<int>(expected));
            EXPECT_EQ(HOSTILE_State(h.path), before) << "the file was replaced";
            // Nothing is left under the temporary name beside it.
            EXPECT_EQ(HOSTILE_State(h.path + ".tmp~"), "missing");
        }
    }
}

TEST(HostileFiles, OpeningTakesAPipeWithoutWaitingAndHandsBackABlockingFile) {
    const std::string dir = ::testing::TempDir();
    const std::string pipe = dir + "/open_pipe", plain = dir + "/open_plain";
    ::unlink(pipe.c_str());
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    // A pipe with someone on the other side is still refused, for reading and for writing.
    const int other = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(other, 0);
    for (const int flags : {O_RDONLY, O_WRONLY, O_WRONLY | O_APPEND | O_CREAT}) {
        errno = 0;
        EXPECT_EQ(TOOL_OpenRegularFile(pipe, flags), -1) << flags;
        EXPECT_EQ(errno, EINVAL);
    }
    ::close(other);
    ::unlink(pipe.c_str());

    const int fd = TOOL_OpenRegularFile(plain, O_WRONLY | O_CREAT | O_TRUNC);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
    EXPECT_NE(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    ::close(fd);
    errno = 0;
    EXPECT_EQ(TOOL_OpenRegularFile("", O_RDONLY), -1);
    EXPECT_EQ(TOOL_OpenRegularFile(dir + "/no/such", O_RDONLY), -1);
    EXPECT_EQ(errno, ENOENT);
}

}  // namespace
