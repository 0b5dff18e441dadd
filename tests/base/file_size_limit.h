// Making writes fail in a test, even for a user who may write anywhere.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32

#include <cstdint>
#include <stdexcept>

// Windows lets no process limit the size of the files it writes, and
// nothing else makes a write fail midway without a disk filled for it.
#define QUADREL_NEEDS_FILE_SIZE_LIMIT()                                                      \
    GTEST_SKIP() << "Windows has no limit on a file's size with which to make a write fail " \
                    "midway"

namespace quadrel::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t) {
        throw std::logic_error("a test without QUADREL_NEEDS_FILE_SIZE_LIMIT()");
    }
};

}  // namespace quadrel::testing

#else

#include <sys/resource.h>

#include <csignal>

#define QUADREL_NEEDS_FILE_SIZE_LIMIT() static_cast<void>(0)

namespace quadrel::testing {

// Lets a test make writes fail once the file grows past `bytes`.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace quadrel::testing

#endif
