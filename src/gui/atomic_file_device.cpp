#include "gui/atomic_file_device.h"

#include <string_view>

namespace quadrel {
namespace {

constexpr std::size_t ChunkBytes = 256 * 1024;

}  // namespace

AtomicFileDevice::AtomicFileDevice(const std::filesystem::path& path) : file_(path) {
    file_.Write({});
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void AtomicFileDevice::Commit() {
    Flush();
    if (failure_) throw FileError(*failure_);
    close();
    file_.Commit();
}

qint64 AtomicFileDevice::readData(char* /*data*/, qint64 /*size*/) {
    return -1;
}

qint64 AtomicFileDevice::writeData(const char* data, qint64 size) {
    if (failure_) return size;
    chunk_.append(data, static_cast<std::size_t>(size));
    if (chunk_.size() >= ChunkBytes) Flush();
    return size;
}

void AtomicFileDevice::Flush() {
    if (failure_ || chunk_.empty()) return;
    try {
        file_.Write(chunk_);
        chunk_.clear();
    } catch (const FileError& error) {
        failure_ = error.what();
        chunk_.clear();
    }
}

}  // namespace quadrel
