#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/file_size_limit.h"
#include "support/error_of.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

struct stat StatusOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status;
}

bool IsRoot() {
    return ::geteuid() == 0;
}

// Every way a file is replaced or refused, for each kind of temporary: the
// bytes, the mode, owner and links of what was there, what stands there
// after a refusal, and nothing left behind in any folder.
TEST(AtomicFileWriter, ReplacesOnlyRegularFilesKeepingModeOwnerAndLinks) {
    const std::string longName(250, 'n');  // the longest names leave no room for a suffix
    // Each case starts in a folder holding "sets.dat" (mode 0640) and a
    // folder "sub" holding "real.dat".
    const struct {
        const char* name;
        std::string target;
        std::string refusal;  // part of the message; empty when written
        std::function<void(const TempDir&)> prepare = [](const TempDir&) {};
        std::string written = "sets.dat";  // the file that must hold the new bytes
        std::size_t files = 2;             // in the folder afterwards
    } cases[] = {
        {"a file", "sets.dat", ""},
        {"a new file of the longest name", longName, "", {}, longName, 3},
        {"a private file of another owner", "sets.dat", "",
         [](const TempDir& dir) {
             ASSERT_EQ(::chmod((dir / "sets.dat").c_str(), 0600), 0);
             if (IsRoot()) {
                 ASSERT_EQ(::chown((dir / "sets.dat").c_str(), 1234, 4321), 0);
             }
         }},
        {"a link to a file in another folder", "link.dat", "",
         [](const TempDir& dir) { fs::create_symlink("sub/real.dat", dir / "link.dat"); },
         "sub/real.dat", 3},
        {"a file grown past the size allowed", "sets.dat", "File too large"},
        {"the folder itself", "", "it is a folder"},
        {"a folder that does not exist", "missing/f.dat", "No such file or directory"},
        {"a FIFO", "fifo", "it is a FIFO, not a regular file",
         [](const TempDir& dir) { ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0); }, "", 3},
        {"a link to a device", "null", "it is a character device",
         [](const TempDir& dir) {
             // A node of its own: a fault here must not cost the system its
             // /dev/null. Without the right to make one, a FIFO stands in.
             if (::mknod((dir / "device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
                 ASSERT_EQ(::mkfifo((dir / "device").c_str(), 0600), 0);
             }
             fs::create_symlink("device", dir / "null");
         },
         "", 4},
        {"a loop of links", "a", "Too many levels of symbolic links",
         [](const TempDir& dir) {
             fs::create_symlink("b", dir / "a");
             fs::create_symlink("a", dir / "b");
         },
         "", 4},
    };
    for (const TemporaryKind kind : {TemporaryKind::UnnamedWhereOffered, TemporaryKind::Named}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) +
                         (kind == TemporaryKind::Named ? ", named temporary" : ""));
            TempDir dir;
            dir.Write("sets.dat", "old contents\n");
            ASSERT_EQ(::chmod((dir / "sets.dat").c_str(), 0640), 0);
            fs::create_directory(dir / "sub");
            dir.Write("sub/real.dat", "real\n");
            if (c.prepare) c.prepare(dir);
            struct stat before {};
            const bool existed = ::lstat((dir / c.target).c_str(), &before) == 0;
            const auto write = [&] {
                std::optional<testing::FileSizeLimit> limit;
                if (c.refusal == "File too large") limit.emplace(2);
                AtomicFileWriter file(dir / c.target, FileSync::ToDisk, kind);
                file.Write("new\n");
                file.Commit();
            };
            if (c.refusal.empty()) {
                write();
                EXPECT_EQ(TempDir::Read(dir / c.written), "new\n");
                const struct stat after = StatusOf(dir / c.written);
                if (c.written == "sets.dat") {
                    EXPECT_EQ(after.st_mode, before.st_mode);
                    EXPECT_EQ(after.st_uid, before.st_uid);
                    EXPECT_EQ(after.st_gid, before.st_gid);
                }
                // A link stays a link.
                if (existed) {
                    EXPECT_EQ(StatusOf(dir / c.target).st_mode, before.st_mode);
                }
            } else {
                const std::string message = testing::ErrorOf<FileError>(write);
                EXPECT_NE(message.find((dir / c.target).string()), std::string::npos) << message;
                EXPECT_NE(message.find(c.refusal), std::string::npos) << message;
                EXPECT_EQ(TempDir::Read(dir / "sets.dat"), "old contents\n");
                if (existed) {
                    EXPECT_EQ(StatusOf(dir / c.target).st_mode, before.st_mode);
                }
            }
            EXPECT_EQ(dir.FileCount(), c.files);
            EXPECT_EQ(std::distance(fs::directory_iterator(dir / "sub"), {}), 1);
        }
    }
}

// A run killed while it writes leaves the old file and no temporary: an
// unnamed one vanishes with the process, a named one is removed by the
// signals that ask a program to end.
TEST(AtomicFileWriter, AKilledRunLeavesTheOldFileAndNoTemporary) {
    const struct {
        TemporaryKind kind;
        int signal;
        std::size_t filesWhileWriting;  // the old file, and a named temporary
    } cases[] = {
        {TemporaryKind::UnnamedWhereOffered, SIGKILL, 1},
        {TemporaryKind::Named, SIGTERM, 2},
        {TemporaryKind::Named, SIGINT, 2},
        {TemporaryKind::Named, SIGHUP, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::strsignal(c.signal));
        TempDir dir;
        dir.Write("sets.dat", "old contents\n");
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            AtomicFileWriter file(dir / "sets.dat", FileSync::WhenTheSystemWill, c.kind);
            file.Write("partial");
            (void)::write(ready[1], "w", 1);
            for (;;) ::pause();
        }
        char written = 0;
        ASSERT_EQ(::read(ready[0], &written, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        EXPECT_EQ(dir.FileCount(), c.filesWhileWriting);
        ::kill(child, c.signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
        EXPECT_EQ(TempDir::Read(dir / "sets.dat"), "old contents\n");
        EXPECT_EQ(dir.FileCount(), 1U);
    }
}

}  // namespace
}  // namespace quadrel
