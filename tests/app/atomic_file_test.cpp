#include "app/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/file_size_limit.h"
#include "support/error_of.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(WriteFileAtomically, ReplacesTheFileOrKeepsTheOldOneAndNamesIt) {
    const std::string longName(250, 'n');  // the longest names leave no room for a suffix
    const struct {
        std::string target;  // in a folder that holds an old "sets.dat"
        bool written;
    } cases[] = {
        {"sets.dat", true},
        {longName, true},
        {"", false},  // the folder itself
        {"missing/f.dat", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        TempDir dir;
        dir.Write("sets.dat", "old contents\n");
        const fs::path target = dir / c.target;
        if (c.written) {
            WriteFileAtomically(target, "new\n");
            EXPECT_EQ(TempDir::Read(target), "new\n");
        } else {
            const std::string message =
                testing::ErrorOf<FileError>([&] { WriteFileAtomically(target, "new\n"); });
            EXPECT_NE(message.find(target.string()), std::string::npos) << message;
            EXPECT_EQ(TempDir::Read(dir / "sets.dat"), "old contents\n");
        }
        // Nothing left behind.
        EXPECT_EQ(dir.FileCount(), c.target == longName ? 2U : 1U);
    }
}

TEST(WriteFileAtomically, AWriteThatFailsMidwayKeepsTheOldFile) {
    QUADREL_NEEDS_FILE_SIZE_LIMIT();
    TempDir dir;
    dir.Write("sets.dat", "old contents\n");
    const std::string message = testing::ErrorOf<FileError>([&] {
        const testing::FileSizeLimit limit(2);
        WriteFileAtomically(dir / "sets.dat", "new\n");
    });
    EXPECT_NE(message.find((dir / "sets.dat").string()), std::string::npos) << message;
    EXPECT_EQ(TempDir::Read(dir / "sets.dat"), "old contents\n");
    EXPECT_EQ(dir.FileCount(), 1U);
}

}  // namespace
}  // namespace quadrel
