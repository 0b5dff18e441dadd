// The Windows side of the program's files. Files are opened by their UTF-16
// names and in binary mode: the C runtime's default text mode would write
// every "\n" as CR LF, and a drawing's CR LF as CR CR LF. Windows offers no
// unnamed file that can be given a name later, so the temporary file always
// has a short name of its own beside the target; a run killed while it
// writes leaves it there.
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
#include <optional>
#include <system_error>
#include <utility>

#include "base/atomic_file.h"
#include "base/path_text.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;

// Names taken by others (a file left by a crash, or one made to catch our
// writes) are passed over this often before giving up.
constexpr int TemporaryNameAttempts = 8;
// As many links as the system itself follows before calling it a loop.
constexpr int MaxLinkHops = 40;

fs::path TemporaryPathIn(const fs::path& folder) {
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

// What stands at a path, by the C runtime's file type; nothing when
// nothing stands there, the errno when it cannot be told.
struct PathStatus {
    int Error = 0;
    unsigned Type = 0;  // _S_IFREG, _S_IFDIR, _S_IFCHR (a device such as NUL), ...
};

PathStatus StatusOf(fs::path path) {
    // The C runtime finds nothing at a folder's name that ends in a separator.
    if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
    struct _stat64 status {};
    if (::_wstat64(path.c_str(), &status) != 0) return {errno, 0};
    return {0, static_cast<unsigned>(status.st_mode & _S_IFMT)};
}

std::string KindOf(unsigned type) {
    if (type == _S_IFDIR) return "a folder";
    if (type == _S_IFCHR) return "a device";
    return "something other than a file";
}

// The file a path leads to through any symbolic links, so that the file is
// replaced and the links stay; nothing for a loop of links.
std::optional<fs::path> FollowLinks(fs::path path) {
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

}  // namespace

struct AtomicFileWriter::Temporary {
    fs::path Place;  // the file replaced: the target, links followed
    int Descriptor = -1;
    fs::path Name;  // while it exists

    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (Descriptor >= 0) ::_close(Descriptor);
        if (!Name.empty()) ::_wremove(Name.c_str());
    }

    // 0, or the errno of the failure.
    int Open() {
        const fs::path folder = Place.has_parent_path() ? Place.parent_path() : fs::path(".");
        // _O_EXCL: the file is new and ours. _O_NOINHERIT: a program started
        // meanwhile does not hold it open, which would keep it from being
        // replaced or removed.
        constexpr int flags = _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT;
        for (int attempt = 1; Descriptor < 0; ++attempt) {
            const fs::path name = TemporaryPathIn(folder);
            Descriptor = ::_wopen(name.c_str(), flags, _S_IREAD | _S_IWRITE);
            if (Descriptor >= 0) {
                Name = name;
            } else if (errno != EEXIST || attempt == TemporaryNameAttempts) {
                return errno;
            }
        }
        return 0;
    }
};

AtomicFileWriter::AtomicFileWriter(fs::path target, FileSync sync, TemporaryKind kind)
    : target_(std::move(target)), sync_(sync), kind_(kind) {}

AtomicFileWriter::~AtomicFileWriter() = default;

void AtomicFileWriter::Fail(std::string_view reason) {
    temporary_.reset();
    failure_ = FileErrorText("Cannot write", target_, reason);
    throw FileError(failure_);
}

void AtomicFileWriter::Create() {
    // A writer that failed must not go on to put a file cut short in place.
    if (!failure_.empty()) throw FileError(failure_);
    auto temporary = std::make_unique<Temporary>();
    const std::optional<fs::path> place = FollowLinks(target_);
    if (!place) Fail("too many levels of symbolic links");
    temporary->Place = *place;
    const PathStatus existing = StatusOf(*place);
    if (existing.Error != 0 && existing.Error != ENOENT) Fail(std::strerror(existing.Error));
    if (existing.Error == 0 && existing.Type == _S_IFDIR) Fail("it is a folder");
    if (existing.Error == 0 && existing.Type != _S_IFREG) {
        Fail("it is " + KindOf(existing.Type) + ", not a regular file, and is left as it is");
    }
    if (const int error = temporary->Open(); error != 0) Fail(std::strerror(error));
    temporary_ = std::move(temporary);
}

void AtomicFileWriter::Write(std::string_view bytes) {
    if (!temporary_) Create();
    while (!bytes.empty()) {
        const auto count = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), INT_MAX));
        const int written = ::_write(temporary_->Descriptor, bytes.data(), count);
        if (written < 0) Fail(std::strerror(errno));
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFileWriter::Commit() {
    if (!temporary_) Create();
    Temporary& temporary = *temporary_;
    // Put in place before its bytes are on the disk, the file could be
    // found empty after a power failure, the old one gone.
    if (sync_ == FileSync::ToDisk && ::_commit(temporary.Descriptor) != 0) {
        Fail(std::strerror(errno));
    }
    if (::_close(std::exchange(temporary.Descriptor, -1)) != 0) Fail(std::strerror(errno));
    // One call replaces the target; WRITE_THROUGH returns only once the
    // replacement is on the disk.
    if (!::MoveFileExW(temporary.Name.c_str(), temporary.Place.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Fail(LastErrorText());
    }
    temporary.Name.clear();
    temporary_.reset();
}

namespace {

// The volume and index that name a file on Windows, as device and inode do
// on POSIX systems.
std::optional<BY_HANDLE_FILE_INFORMATION> IdentityOf(const fs::path& path) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = ::GetFileInformationByHandle(file, &information) != 0;
    ::CloseHandle(file);
    return known ? std::optional(information) : std::nullopt;
}

}  // namespace

bool IsSameFile(const fs::path& a, const fs::path& b) {
    const auto first = IdentityOf(a);
    const auto second = IdentityOf(b);
    return first && second && first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh &&
           first->nFileIndexLow == second->nFileIndexLow;
}

ReadableFile OpenRegularFile(const fs::path& path) {
    const auto refuse = [&path](const std::string& reason) {
        return FileError(FileErrorText("Cannot open", path, reason));
    };
    const auto reasonFor = [](unsigned type) {
        return type == _S_IFDIR ? std::string(std::strerror(EISDIR))
                                : "it is " + KindOf(type) + ", not a data file";
    };
    // Looked at before it is opened: opening a device can have effects of
    // its own.
    const PathStatus status = StatusOf(path);
    if (status.Error != 0) throw refuse(std::strerror(status.Error));
    if (status.Type != _S_IFREG) throw refuse(reasonFor(status.Type));
    errno = 0;
    ReadableFile file(::_wfopen(path.c_str(), L"rb"));
    if (!file) throw refuse(std::strerror(errno != 0 ? errno : ENOENT));
    // Looked at again, in case another file took its place meanwhile.
    struct _stat64 opened {};
    if (::_fstat64(::_fileno(file.get()), &opened) != 0 || (opened.st_mode & _S_IFMT) != _S_IFREG) {
        throw refuse(reasonFor(static_cast<unsigned>(opened.st_mode & _S_IFMT)));
    }
    return file;
}

}  // namespace quadrel
