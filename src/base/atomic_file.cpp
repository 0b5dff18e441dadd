// The POSIX side of the program's files (Linux: unnamed temporary files
// through O_TMPFILE, linked in by /proc/self/fd).
#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

namespace quadrel {
namespace {

namespace fs = std::filesystem;

// Names taken by others (a file left by a crash, or one made to catch our
// writes) are passed over this often before giving up.
constexpr int TemporaryNameAttempts = 8;
// As many links as the system itself follows before calling it a loop.
constexpr int MaxLinkHops = 40;

// A short name, so that a target whose own name is as long as the file
// system allows can still be written, and one this process has not used.
fs::path TemporaryPathIn(const fs::path& folder) {
    static std::atomic<unsigned> counter{0};
    return folder /
           (".quadrel-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
}

// ---- Named temporaries removed on an interrupting signal ----
//
// A signal handler may touch nothing but memory set aside before the signal
// came, so the names live in a fixed table of their own for the whole run:
// the one piece of state shared by all writers. A writer that finds no free
// slot still works; only its removal on a signal is lost.
enum SlotState : int { SlotFree, SlotFilling, SlotLive };
struct PendingRemoval {
    std::atomic<int> State{SlotFree};
    std::array<char, PATH_MAX> Path{};
};
constexpr std::size_t PendingSlots = 16;
std::array<PendingRemoval, PendingSlots> pendingRemovals;
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the states");

extern "C" void RemoveTemporariesAndEnd(int signal) {
    for (PendingRemoval& pending : pendingRemovals) {
        if (pending.State.load() == SlotLive) ::unlink(pending.Path.data());
    }
    // SA_RESETHAND has restored the default action: the signal ends the
    // process as it would have without us, once this handler returns.
    ::raise(signal);
}

// Only signals whose default action ends the process get the handler: one
// the user ignores (nohup) or the program handles itself stays as it is.
void RemoveTemporariesOnSignals() {
    static const bool installed = [] {
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) != 0) continue;
            if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) continue;
            struct sigaction removal {};
            removal.sa_handler = RemoveTemporariesAndEnd;
            sigemptyset(&removal.sa_mask);
            removal.sa_flags = SA_RESETHAND;
            ::sigaction(signal, &removal, nullptr);
        }
        return true;
    }();
    (void)installed;
}

// The slot now holding `path`, or -1.
int RemoveOnSignal(const fs::path& path) {
    const std::string& name = path.native();
    if (name.size() >= PATH_MAX) return -1;
    RemoveTemporariesOnSignals();
    for (std::size_t slot = 0; slot < PendingSlots; ++slot) {
        PendingRemoval& pending = pendingRemovals[slot];
        int free = SlotFree;
        if (!pending.State.compare_exchange_strong(free, SlotFilling)) continue;
        std::memcpy(pending.Path.data(), name.c_str(), name.size() + 1);
        pending.State.store(SlotLive);
        return static_cast<int>(slot);
    }
    return -1;
}

void ForgetRemoval(int& slot) {
    if (slot >= 0) pendingRemovals[static_cast<std::size_t>(slot)].State.store(SlotFree);
    slot = -1;
}

// ---- What stands at a path ----

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "something other than a file";
}

std::string NotRegularReason(mode_t mode) {
    return "it is " + KindOf(mode) + ", not a regular file, and is left as it is";
}

// The file a path leads to through any symbolic links, so that the file is
// replaced and the links stay; nothing for a loop of links.
std::optional<fs::path> FollowLinks(fs::path path) {
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// The system offers no unnamed file here: a file system without them
// (EOPNOTSUPP), or a kernel that does not know the flag (EISDIR, EINVAL).
bool NoUnnamedFiles(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

}  // namespace

// The temporary file: unnamed until it is linked in, or of a name of its
// own beside the target.
struct AtomicFileWriter::Temporary {
    fs::path Place;                       // the file replaced: the target, links followed
    std::optional<struct stat> Replaced;  // what stands there now
    int Descriptor = -1;
    bool Unnamed = false;
    fs::path Name;  // of a named temporary while it exists
    int Slot = -1;  // its entry for removal on a signal

    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (Descriptor >= 0) ::close(Descriptor);
        if (!Name.empty()) ::unlink(Name.c_str());
        ForgetRemoval(Slot);
    }

    fs::path Folder() const {
        const fs::path folder = Place.parent_path();
        return folder.empty() ? fs::path(".") : folder;
    }
    // 0, or the errno of the failure.
    int OpenUnnamed();
    int OpenNamed();
    int KeepOwnerAndMode() const;
    int LinkIn();
    int RenameIn();
};

int AtomicFileWriter::Temporary::OpenUnnamed() {
    // Linking it in goes through /proc; without it only a named file works.
    if (::access("/proc/self/fd", X_OK) != 0) return EOPNOTSUPP;
    Descriptor = ::open(Folder().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    Unnamed = Descriptor >= 0;
    return Unnamed ? 0 : errno;
}

int AtomicFileWriter::Temporary::OpenNamed() {
    // O_EXCL: the file is new and ours, never one made ready by someone else.
    for (int attempt = 1; Descriptor < 0; ++attempt) {
        const fs::path name = TemporaryPathIn(Folder());
        Slot = RemoveOnSignal(name);
        Descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Descriptor >= 0) {
            Name = name;
            break;
        }
        const int error = errno;
        ForgetRemoval(Slot);
        if (error != EEXIST || attempt == TemporaryNameAttempts) return error;
    }
    return 0;
}

int AtomicFileWriter::Temporary::KeepOwnerAndMode() const {
    if (!Replaced) return 0;
    // The owner first: changing it clears set-user-ID bits that the mode
    // then restores. Only root may give a file away; the group alone a
    // member of it may set.
    if (::fchown(Descriptor, Replaced->st_uid, Replaced->st_gid) != 0) {
        (void)::fchown(Descriptor, static_cast<uid_t>(-1), Replaced->st_gid);
    }
    return ::fchmod(Descriptor, Replaced->st_mode & 07777) == 0 ? 0 : errno;
}

int AtomicFileWriter::Temporary::LinkIn() {
    const std::string self = "/proc/self/fd/" + std::to_string(Descriptor);
    if (!Replaced) {
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, Place.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return 0;
        }
        // A file made there meanwhile is replaced as any other.
        if (errno != EEXIST) return errno;
    }
    // The system links an unnamed file only to a free name: a fresh one
    // beside the target, which the rename then puts in the target's place.
    // For that moment the file has a name, which a signal still removes.
    for (int attempt = 1; Name.empty(); ++attempt) {
        const fs::path name = TemporaryPathIn(Folder());
        Slot = RemoveOnSignal(name);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            Name = name;
            break;
        }
        const int error = errno;
        ForgetRemoval(Slot);
        if (error != EEXIST || attempt == TemporaryNameAttempts) return error;
    }
    return RenameIn();
}

int AtomicFileWriter::Temporary::RenameIn() {
    if (::rename(Name.c_str(), Place.c_str()) != 0) return errno;
    Name.clear();
    ForgetRemoval(Slot);
    return 0;
}

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
    if (!place) Fail(std::strerror(ELOOP));
    temporary->Place = *place;
    struct stat existing {};
    if (::stat(place->c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            Fail(S_ISDIR(existing.st_mode) ? "it is a folder" : NotRegularReason(existing.st_mode));
        }
        temporary->Replaced = existing;
    } else if (errno != ENOENT) {
        Fail(std::strerror(errno));
    }
    int error = kind_ == TemporaryKind::UnnamedWhereOffered ? temporary->OpenUnnamed() : EOPNOTSUPP;
    if (NoUnnamedFiles(error)) error = temporary->OpenNamed();
    if (error == 0) error = temporary->KeepOwnerAndMode();
    if (error != 0) Fail(std::strerror(error));
    temporary_ = std::move(temporary);
}

void AtomicFileWriter::Write(std::string_view bytes) {
    if (!temporary_) Create();
    while (!bytes.empty()) {
        const ::ssize_t written = ::write(temporary_->Descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail(std::strerror(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFileWriter::Commit() {
    if (!temporary_) Create();
    Temporary& temporary = *temporary_;
    // Put in place before its bytes are on the disk, the file could be
    // found empty after a power failure, the old one gone.
    if (sync_ == FileSync::ToDisk && ::fsync(temporary.Descriptor) != 0) Fail(std::strerror(errno));
    int error = 0;
    if (temporary.Unnamed) {
        // Only local file systems offer unnamed files, and they report a
        // failed write at the write itself, not at the close.
        error = temporary.LinkIn();
    } else if (::close(std::exchange(temporary.Descriptor, -1)) != 0) {
        // A failed close can be the first report of a failed write.
        error = errno;
    } else {
        error = temporary.RenameIn();
    }
    if (error != 0) Fail(std::strerror(error));
    temporary_.reset();
}

bool IsSameFile(const fs::path& a, const fs::path& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

ReadableFile OpenRegularFile(const fs::path& path) {
    const auto refuse = [&path](const std::string& reason) {
        return FileError(FileErrorText("Cannot open", path, reason));
    };
    const auto reasonFor = [](mode_t mode) {
        return S_ISDIR(mode) ? std::string(std::strerror(EISDIR))
                             : "it is " + KindOf(mode) + ", not a data file";
    };
    // Looked at before it is opened: opening a device can have effects of
    // its own, and a FIFO waits for a writer.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) throw refuse(std::strerror(errno));
    if (!S_ISREG(status.st_mode)) throw refuse(reasonFor(status.st_mode));
    // Non-blocking, and looked at again, in case another file took its
    // place meanwhile.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) throw refuse(std::strerror(errno));
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        throw refuse(reasonFor(status.st_mode));
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    ReadableFile file(::fdopen(descriptor, "rb"));
    if (!file) {
        const int error = errno;
        ::close(descriptor);
        throw refuse(std::strerror(error));
    }
    return file;
}

}  // namespace quadrel
