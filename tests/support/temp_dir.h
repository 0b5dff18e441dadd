// A fresh folder for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quadrel::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes a file with exactly these bytes and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;
    // How many entries the folder holds.
    std::size_t FileCount() const;
    // The bytes of a file in this folder (or any path).
    static std::string Read(const std::filesystem::path& path);

private:
    std::filesystem::path path_;
};

}  // namespace quadrel::testing
