#include "app/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/error_of.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(WriteFileAtomically, ReplacesTheFileOrKeepsTheOldOneAndNamesIt) {
    TempDir dir;
    const auto target = dir.Write("sets.dat", "old contents\n");
    // Occupy the temporary file's name with a folder, so that the write
    // fails even for root, who may write into read-only folders.
    const auto temporary = dir / ("sets.dat.tmp-" + std::to_string(::getpid()));
    fs::create_directory(temporary);
    const std::string message =
        testing::ErrorOf<FileError>([&] { WriteFileAtomically(target, "new\n"); });
    EXPECT_NE(message.find(target.string()), std::string::npos) << message;
    EXPECT_EQ(TempDir::Read(target), "old contents\n");
    fs::remove(temporary);
    WriteFileAtomically(target, "new\n");
    EXPECT_EQ(TempDir::Read(target), "new\n");
    EXPECT_EQ(dir.FileCount(), 1U);  // nothing left behind
    EXPECT_THROW(WriteFileAtomically(dir.Path(), "x"), FileError);
    EXPECT_THROW(WriteFileAtomically(dir / "missing" / "f.dat", "x"), FileError);
}

}  // namespace
}  // namespace quadrel
