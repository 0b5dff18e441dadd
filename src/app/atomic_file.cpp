#include "app/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace quadrel {
namespace {

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".tmp-" + std::to_string(::getpid());
    return temporary;
}

[[noreturn]] void Fail(const std::filesystem::path& target, const std::filesystem::path& temporary,
                       std::string_view reason) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw FileError(FileErrorText("Cannot write", target, reason));
}

}  // namespace

std::string FileErrorText(std::string_view action, const std::filesystem::path& path,
                          std::string_view reason) {
    std::string text(action);
    text += " \"";
    text += path.string();
    text += "\": ";
    text += reason;
    return text;
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) Fail(target, {}, "it is a folder");
    const std::filesystem::path temporary = TemporaryPathBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) Fail(target, temporary, std::strerror(errno));
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) Fail(target, temporary, std::strerror(errno != 0 ? errno : EIO));
        out.close();
        if (!out) Fail(target, temporary, std::strerror(errno != 0 ? errno : EIO));
    }
    std::filesystem::rename(temporary, target, error);
    if (error) Fail(target, temporary, error.message());
}

}  // namespace quadrel
