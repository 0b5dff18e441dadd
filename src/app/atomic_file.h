// Replacing files so that a failed write never leaves a damaged one behind.
#pragma once

#include <filesystem>
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

// A file written piece by piece and replaced atomically: the pieces go to a
// temporary file of a short name of its own in the target's folder, which
// Commit renames over the target. Until then an existing target is
// untouched; a writer destroyed without Commit removes its temporary file,
// so nothing half-written remains.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target,
                              FileSync sync = FileSync::WhenTheSystemWill);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Appends the bytes. The temporary file is created by the first write,
    // so a writer that never writes leaves no trace. Throws FileError, the
    // temporary file removed; the writer is of no further use then.
    void Write(std::string_view bytes);
    // Completes the file and renames it over the target. Throws FileError,
    // the temporary file removed.
    void Commit();

    const std::filesystem::path& Target() const { return target_; }

private:
    void Create();
    // Closes and removes the temporary file.
    void Discard();
    [[noreturn]] void Fail(std::string_view reason);

    std::filesystem::path target_;
    FileSync sync_;
    std::filesystem::path temporary_;
    int descriptor_ = -1;
    bool created_ = false;  // the temporary file exists
};

// Writes `content` to a temporary file beside `target` and renames it over
// the target once it is on the disk. On failure the temporary file is removed, an
// existing target is left as it was, and FileError is thrown.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace quadrel
