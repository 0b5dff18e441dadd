#include "app/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(WriteFileAtomically, ReplacesTheFileAndLeavesNothingElseBehind) {
    TempDir dir;
    const auto target = dir.Write("sets.dat", "old contents\n");
    WriteFileAtomically(target, "new contents\n");
    EXPECT_EQ(TempDir::Read(target), "new contents\n");
    EXPECT_EQ(dir.FileCount(), 1U);
}

TEST(WriteFileAtomically, AFailedWriteKeepsTheOldFileAndNamesTheTarget) {
    TempDir dir;
    const auto target = dir.Write("sets.dat", "old contents\n");
    // Occupy the temporary file's name with a folder, so that the write
    // fails even for root, who may write into read-only folders.
    fs::create_directory(dir / ("sets.dat.tmp-" + std::to_string(::getpid())));
    try {
        WriteFileAtomically(target, "new contents\n");
        FAIL() << "the write should have failed";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(target.string()), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(TempDir::Read(target), "old contents\n");
    EXPECT_THROW(WriteFileAtomically(dir.Path(), "x"), FileError);
    EXPECT_THROW(WriteFileAtomically(dir / "missing" / "f.dat", "x"), FileError);
    EXPECT_TRUE(fs::is_directory(dir.Path()));
}

}  // namespace
}  // namespace quadrel
