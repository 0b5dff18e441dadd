#include "datafiles/data_lines.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <streambuf>
#include <system_error>

#include "app/atomic_file.h"
#include "app/text_encoding.h"

namespace quadrel {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A read-only stream buffer over a C file that, unlike std::filebuf, does
// not mistake a read error for the end of the file: it throws FileError,
// which the stream passes on because its exception mask includes badbit.
class DataFileBuffer : public std::streambuf {
public:
    DataFileBuffer(std::FILE* file, const std::filesystem::path& path) : file_(file), path_(path) {}

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        const std::size_t count = std::fread(buffer_.data(), 1, buffer_.size(), file_);
        if (count == 0) {
            if (std::ferror(file_) != 0) {
                const int error = errno != 0 ? errno : EIO;
                throw FileError(FileErrorText("Cannot read", path_, std::strerror(error)));
            }
            return traits_type::eof();
        }
        setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
        return traits_type::to_int_type(*gptr());
    }

private:
    std::FILE* file_;
    const std::filesystem::path& path_;
    std::array<char, 64 * 1024> buffer_{};
};

}  // namespace

std::vector<std::string> ReadDataLines(std::istream& in, std::size_t usableLines) {
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() <= usableLines) {
        if (!std::getline(in, line)) break;
        // Reaching the end before a line end: the line is not complete.
        if (in.eof()) break;
        lines.push_back(std::move(line));
    }
    if (in.bad()) throw FileError("Cannot read the data: the stream failed");

    const std::size_t usable = std::min(lines.size(), usableLines);
    bool valid = true;
    for (std::size_t i = 0; i < usable && valid; ++i) valid = IsValidUtf8(lines[i]);
    if (!valid) {
        for (std::string& each : lines) each = Windows1252ToUtf8(each);
    } else {
        // The line after the usable ones decides nothing, but what is returned
        // must be valid UTF-8 all the same.
        for (std::size_t i = usable; i < lines.size(); ++i) {
            if (!IsValidUtf8(lines[i])) lines[i] = Windows1252ToUtf8(lines[i]);
        }
    }
    return lines;
}

void ReadDataFile(const std::filesystem::path& path,
                  const std::function<void(std::istream&)>& read) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        throw FileError(FileErrorText("Cannot open", path, std::strerror(EISDIR)));
    }
    errno = 0;
#ifdef _WIN32
    // The UTF-16 name: a narrow one would be taken in the ANSI code page.
    FileHandle file(::_wfopen(path.c_str(), L"rb"));
#else
    FileHandle file(std::fopen(path.c_str(), "rb"));
#endif
    if (!file) {
        const int error = errno != 0 ? errno : ENOENT;
        throw FileError(FileErrorText("Cannot open", path, std::strerror(error)));
    }
    DataFileBuffer buffer(file.get(), path);
    std::istream in(&buffer);
    in.exceptions(std::ios::badbit);
    read(in);
}

}  // namespace quadrel
