// File names in UTF-8: the names the program is given and prints are the
// names of the files it reads and writes, whatever their characters.
#include "base/path_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/atomic_file.h"
#include "support/error_of.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;

// "Géologie Ωmega": one character of Windows-1252 and one beyond it.
constexpr const char* FolderName = "G\xC3\xA9ologie \xCE\xA9mega";

TEST(PathText, NamesTheFolderItWasGivenAndEveryByteWrittenThere) {
    testing::TempDir dir;
    const fs::path folder = dir.Path() / PathFromUtf8(FolderName);
    fs::create_directory(folder);
    EXPECT_EQ(Utf8Path(fs::directory_iterator(dir.Path())->path().filename()), FolderName);
#ifdef _WIN32
    EXPECT_EQ(folder.filename().wstring(), L"G\u00e9ologie \u03a9mega");
#endif

    // Binary: CR LF stays CR LF, and a Ctrl-Z is no end of file.
    const std::string bytes =
        "a\r\nb\n\x1A"
        "c";
    WriteFileAtomically(folder / "sets.dat", bytes);
    std::ifstream in(folder / "sets.dat", std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    EXPECT_EQ(read.str(), bytes);

    const std::string message = testing::ErrorOf<FileError>(
        [&] { WriteFileAtomically(folder / "missing" / "sets.dat", bytes); });
    EXPECT_NE(message.find(FolderName), std::string::npos) << message;
}

#ifdef _WIN32
TEST(PathText, WideTextsBecomeUtf8) {
    EXPECT_EQ(Utf8FromWide(L"G\u00e9ologie \u03a9mega \U0001F600"),
              std::string(FolderName) + " \xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8FromWide(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf8FromWide(L""), "");
}
#endif

}  // namespace
}  // namespace quadrel
