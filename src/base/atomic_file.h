// The program's files on the system: files replaced so that a failed or
// killed write never leaves a damaged one (or a stray temporary) behind,
// and data files opened for reading only when they are regular files. This
// is the one unit that knows the system's file calls; the rest of the
// program sees paths, bytes and FileError.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrel {

// A file that could not be read or written; the message names the file and
// the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message of a FileError: what was attempted, the path, and the reason.
std::string FileErrorText(std::string_view action, const std::filesystem::path& path,
                          std::string_view reason);

// Whether a file reaches the disk before it replaces the old one. A file
// that cannot be made again (a user's data) must. Drawings and plots are
// made again from that data in moments, and waiting for the disk nearly
// doubled the time of a dense drawing (28 ms against 16 ms, past four times
// a plain copy of it), so they leave the flush to the system.
enum class FileSync { ToDisk, WhenTheSystemWill };

// Where the bytes wait until Commit. Unnamed where the file system offers
// such a file: nothing of it survives a killed run. Named: a short name of
// its own beside the target, removed when the run is interrupted by a
// signal that can be caught; tests ask for it to see that removal.
enum class TemporaryKind { UnnamedWhereOffered, Named };

// A file written piece by piece and replaced atomically. A target that is a
// symbolic link is followed: the file it leads to is replaced, in its own
// folder, and the link stays. The new file keeps the mode of the file it
// replaces and, where the system permits, its owner and group. A target
// that exists but is no regular file (a folder, a device, a FIFO, a socket)
// is refused and left as it is. Until Commit an existing target is
// untouched; a writer destroyed without Commit removes its temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target,
                              FileSync sync = FileSync::WhenTheSystemWill,
                              TemporaryKind kind = TemporaryKind::UnnamedWhereOffered);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Appends the bytes. The temporary file is created by the first write,
    // so a writer that never writes leaves no trace. Throws FileError, the
    // temporary file removed; every later call throws it again.
    void Write(std::string_view bytes);
    // Completes the file and puts it in the target's place. Throws
    // FileError, the temporary file removed.
    void Commit();

private:
    // The system's own temporary file, kept apart from this interface.
    struct Temporary;

    void Create();
    [[noreturn]] void Fail(std::string_view reason);

    std::filesystem::path target_;
    FileSync sync_;
    TemporaryKind kind_;
    std::unique_ptr<Temporary> temporary_;
    std::string failure_;  // the message of the first failure
};

// Writes `content` to a temporary file beside `target` and puts it in the
// target's place once it is on the disk, as AtomicFileWriter does. On
// failure an existing target is left as it was and FileError is thrown.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Whether both paths name one file (the same device and inode, links
// followed); false when either does not exist.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using ReadableFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file (or a link to one) for reading. Anything else (a
// folder, a FIFO, a device such as /dev/zero) is refused before a byte is
// read, and without waiting for a FIFO's writer. Throws FileError naming
// the path and the reason.
ReadableFile OpenRegularFile(const std::filesystem::path& path);

}  // namespace quadrel
