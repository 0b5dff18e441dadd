// Files on Windows: replaced by their UTF-16 names in binary mode, or
// refused with the old file kept, and no temporary left either way. (The
// POSIX tests of modes, owners, links, FIFOs, sockets and killed runs ask
// for what Windows does not have.)
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/atomic_file.h"
#include "support/error_of.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(AtomicFileWriter, ReplacesOnlyRegularFiles) {
    const std::string longName(250, 'n');  // the longest names leave no room for a suffix
    // Each case starts in a folder holding "sets.dat" and a folder "sub".
    const struct {
        const char* name;
        std::string target;
        std::string refusal;    // part of the message; empty when written
        std::size_t files = 2;  // in the folder afterwards
    } cases[] = {
        {"a file", "sets.dat", ""},
        {"a new file of the longest name", longName, "", 3},
        {"the folder itself", "", "it is a folder"},
        {"a folder in the file's place", "sub", "it is a folder"},
        {"a folder that does not exist", "missing/f.dat", "No such file or directory"},
    };
    for (const TemporaryKind kind : {TemporaryKind::UnnamedWhereOffered, TemporaryKind::Named}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TempDir dir;
            dir.Write("sets.dat", "old contents\n");
            fs::create_directory(dir / "sub");
            const auto write = [&] {
                AtomicFileWriter file(dir / c.target, FileSync::ToDisk, kind);
                file.Write("new\r\n");
                file.Commit();
            };
            if (c.refusal.empty()) {
                write();
                EXPECT_EQ(TempDir::Read(dir / c.target), "new\r\n");
            } else {
                const std::string message = testing::ErrorOf<FileError>(write);
                EXPECT_NE(message.find(c.refusal), std::string::npos) << message;
                EXPECT_EQ(TempDir::Read(dir / "sets.dat"), "old contents\n");
            }
            EXPECT_EQ(dir.FileCount(), c.files);
        }
    }
}

// One file by two names (a hard link, a path through "..") is the same
// file; another file of the same bytes, or none, is not.
TEST(IsSameFile, TellsOneFileByAnyNameFromAnother) {
    TempDir dir;
    const fs::path file = dir.Write("a.dat", "x");
    fs::create_hard_link(file, dir / "b.dat");
    fs::create_directory(dir / "sub");
    EXPECT_TRUE(IsSameFile(file, dir / "b.dat"));
    EXPECT_TRUE(IsSameFile(file, dir / "sub" / ".." / "a.dat"));
    EXPECT_FALSE(IsSameFile(file, dir.Write("c.dat", "x")));
    EXPECT_FALSE(IsSameFile(file, dir / "missing.dat"));
}

}  // namespace
}  // namespace quadrel
