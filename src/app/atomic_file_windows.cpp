// The atomic file writer on Windows: the same rules as on POSIX systems
// (a temporary file beside the target, replaced over it only when complete,
// removed on failure), with Windows' own calls. Files are opened by their
// UTF-16 names and in binary mode: the C runtime's default text mode would
// write every "\n" as CR LF, and a drawing's CR LF as CR CR LF.
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <system_error>
#include <utility>

#include "app/atomic_file.h"
#include "app/path_text.h"

namespace quadrel {
namespace {

// Names taken by others (a file left by a crash, or one made to catch our
// writes) are passed over this often before giving up.
constexpr int TemporaryNameAttempts = 8;

std::filesystem::path TemporaryPathIn(const std::filesystem::path& folder) {
    static std::atomic<unsigned> counter{0};
    return folder /
           (".quadrel-" + std::to_string(::_getpid()) + "-" + std::to_string(counter++) + ".tmp");
}

// The system's description of its last error, as UTF-8.
std::string LastErrorText() {
    const DWORD error = ::GetLastError();
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring_view described(text != nullptr ? text : L"", length);
    while (!described.empty() &&
           (described.back() == L'\n' || described.back() == L'\r' || described.back() == L'.')) {
        described.remove_suffix(1);
    }
    std::string reason =
        described.empty() ? "system error " + std::to_string(error) : Utf8FromWide(described);
    ::LocalFree(text);
    return reason;
}

}  // namespace

std::string FileErrorText(std::string_view action, const std::filesystem::path& path,
                          std::string_view reason) {
    std::string text(action);
    text += " \"";
    text += Utf8Path(path);
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
    if (descriptor >= 0) ::_close(descriptor);
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
    // _O_EXCL: the file is new and ours. _O_NOINHERIT: a program started
    // meanwhile does not hold it open, which would keep it from being
    // replaced or removed.
    constexpr int flags = _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT;
    for (int attempt = 1; descriptor_ < 0; ++attempt) {
        temporary_ = TemporaryPathIn(target_.parent_path());
        descriptor_ = ::_wopen(temporary_.c_str(), flags, _S_IREAD | _S_IWRITE);
        if (descriptor_ < 0 && (errno != EEXIST || attempt == TemporaryNameAttempts)) {
            Fail(std::strerror(errno));
        }
    }
    created_ = true;
}

void AtomicFileWriter::Write(std::string_view bytes) {
    if (!created_) Create();
    while (!bytes.empty()) {
        const auto count = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), INT_MAX));
        const int written = ::_write(descriptor_, bytes.data(), count);
        if (written < 0) Fail(std::strerror(errno));
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFileWriter::Commit() {
    if (!created_) Create();
    // Replaced before its bytes are on the disk, the file could be found
    // empty after a power failure, the old one gone.
    if (sync_ == FileSync::ToDisk && ::_commit(descriptor_) != 0) Fail(std::strerror(errno));
    if (::_close(std::exchange(descriptor_, -1)) != 0) Fail(std::strerror(errno));
    // One call replaces the target; WRITE_THROUGH returns only once the
    // replacement is on the disk.
    if (!::MoveFileExW(temporary_.c_str(), target_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Fail(LastErrorText());
    }
    created_ = false;
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    AtomicFileWriter file(target, FileSync::ToDisk);
    file.Write(content);
    file.Commit();
}

}  // namespace quadrel
