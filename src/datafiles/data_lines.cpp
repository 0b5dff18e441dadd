#include "datafiles/data_lines.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <streambuf>

#include "base/atomic_file.h"
#include "base/text_encoding.h"

namespace quadrel {
namespace {

// A read-only stream buffer over a C file that, unlike std::filebuf, does
// not mistake a read error for the end of the file: it throws FileError
// straight to the reader, which takes the bytes from the buffer itself.
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

// Takes the next line, without its "\n"; false at the end of the stream
// before a line end (a line not complete).
bool TakeLine(std::streambuf& in, std::string& line, std::size_t number) {
    line.clear();
    for (;;) {
        const auto next = in.sbumpc();
        if (next == std::streambuf::traits_type::eof()) return false;
        if (next == '\n') return true;
        if (line.size() == MaxDataLineBytes) {
            throw DataLineTooLong("line " + std::to_string(number) + " is longer than " +
                                  std::to_string(MaxDataLineBytes) +
                                  " bytes, which no data file has");
        }
        line.push_back(static_cast<char>(next));
    }
}

}  // namespace

std::vector<std::string> ReadDataLines(std::istream& in, std::size_t usableLines) {
    std::vector<std::string> lines;
    std::string line;
    std::streambuf* bytes = in.rdbuf();
    if (bytes == nullptr) throw FileError("Cannot read the data: there is no stream");
    while (lines.size() <= usableLines && TakeLine(*bytes, line, lines.size() + 1)) {
        lines.push_back(std::move(line));
    }

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
    const ReadableFile file = OpenRegularFile(path);
    DataFileBuffer buffer(file.get(), path);
    std::istream in(&buffer);
    try {
        read(in);
    } catch (const DataLineTooLong& error) {
        throw DataLineTooLong(FileErrorText("Cannot read", path, error.what()));
    }
}

}  // namespace quadrel
