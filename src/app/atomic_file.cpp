#include "app/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace quadrel {
namespace {

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".tmp-" + std::to_string(::getpid());
    return temporary;
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

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target)
    : target_(std::move(target)), temporary_(TemporaryPathBeside(target_)) {}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Discard() {
    const int descriptor = std::exchange(descriptor_, -1);
    if (descriptor >= 0) ::close(descriptor);
    if (std::exchange(created_, false)) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void AtomicFileWriter::Fail(std::string_view reason) {
    Discard();
    throw FileError(FileErrorText("Cannot write", target_, reason));
}

void AtomicFileWriter::Create() {
    std::error_code error;
    if (std::filesystem::is_directory(target_, error)) Fail("it is a folder");
    descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor_ < 0) Fail(std::strerror(errno));
    created_ = true;
}

void AtomicFileWriter::Write(std::string_view bytes) {
    if (!created_) Create();
    while (!bytes.empty()) {
        const ::ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail(std::strerror(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFileWriter::Commit() {
    if (!created_) Create();
    // A failed close can be the first report of a failed write.
    if (::close(std::exchange(descriptor_, -1)) != 0) Fail(std::strerror(errno));
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) Fail(error.message());
    created_ = false;
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    AtomicFileWriter file(target);
    file.Write(content);
    file.Commit();
}

}  // namespace quadrel
