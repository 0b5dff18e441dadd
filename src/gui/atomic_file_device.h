// Qt's writers (PDF, SVG, pictures) on a file replaced atomically.
#pragma once

#include <QIODevice>
#include <filesystem>
#include <optional>
#include <string>

#include "base/atomic_file.h"

namespace quadrel {

// A write-only device whose bytes go through an AtomicFileWriter. Qt's PDF
// and SVG writers ignore a device's write errors, and the PNG writer turns
// one into libpng's own complaint on standard error and "Unknown error". So
// the device keeps the first failure to itself, takes (and drops) the rest
// of the bytes as if written, and Commit reports the failure with the
// system's reason ("No space left on device"): the file is put in place only
// when every byte was written. The path is used as its bytes, whatever their
// encoding.
class AtomicFileDevice : public QIODevice {
public:
    // Opened at once, so that a target that cannot be written (a missing
    // folder, a device node) is refused before anything is drawn. Throws
    // FileError.
    explicit AtomicFileDevice(const std::filesystem::path& path);

    // Completes the file and puts it in place. Throws FileError (the first
    // failed write's, if any), the old file kept.
    void Commit();

protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void Flush();

    AtomicFileWriter file_;
    // Qt's writers hand over many small pieces; the system gets them in
    // chunks.
    std::string chunk_;
    std::optional<std::string> failure_;
};

}  // namespace quadrel
