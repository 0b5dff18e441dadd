#include "app/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace quadrel {
namespace {

// Names taken by others (a file left by a crash, or one made to catch our
// writes) are passed over this often before giving up.
constexpr int TemporaryNameAttempts = 8;

// A short name, so that a target whose own name is as long as the file
// system allows can still be written, and one this process has not used.
std::filesystem::path TemporaryPathIn(const std::filesystem::path& folder) {
    static std::atomic<unsigned> counter{0};
    return folder /
           (".quadrel-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
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

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, FileSync sync)
    : target_(std::move(target)), sync_(sync) {}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
}

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
    // O_EXCL: the file is new and ours, never one made ready by someone else.
    for (int attempt = 1; descriptor_ < 0; ++attempt) {
        temporary_ = TemporaryPathIn(target_.parent_path());
        descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ < 0 && (errno != EEXIST || attempt == TemporaryNameAttempts)) {
            Fail(std::strerror(errno));
        }
    }
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
    // Renamed before its bytes are on the disk, the file could be found
    // empty after a power failure, the old one gone.
    if (sync_ == FileSync::ToDisk && ::fsync(descriptor_) != 0) Fail(std::strerror(errno));
    // A failed close can be the first report of a failed write.
    if (::close(std::exchange(descriptor_, -1)) != 0) Fail(std::strerror(errno));
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) Fail(error.message());
    created_ = false;
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    AtomicFileWriter file(target, FileSync::ToDisk);
    file.Write(content);
    file.Commit();
}

}  // namespace quadrel
