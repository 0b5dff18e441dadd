// What the reader fuzz targets hold true of every input.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "datafiles/data_lines.h"

// Aborts with the failed condition, so that libFuzzer records the input as
// a crash.
#define QUADREL_FUZZ_CHECK(condition)                                                          \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

namespace quadrel::fuzz {

inline std::size_t LineCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) count += c == '\n' ? 1 : 0;
    return count;
}

inline std::size_t LongestLine(std::string_view text) {
    std::size_t longest = 0;
    std::size_t length = 0;
    for (const char c : text) {
        length = c == '\n' ? 0 : length + 1;
        longest = std::max(longest, length);
    }
    return longest;
}

// Reads the text into a fresh store, kept on the heap: a store is a few
// hundred kilobytes and a target holds three. Nothing for a text the
// reader refuses as a whole (a line longer than any data file holds), which
// must then have such a line.
template <typename Store, typename Outcome>
std::unique_ptr<Store> ReadInto(std::string_view text, Outcome (*read)(std::istream&, Store&),
                                Outcome* outcome = nullptr) {
    auto store = std::make_unique<Store>();
    std::istringstream in{std::string(text)};
    try {
        const Outcome result = read(in, *store);
        if (outcome != nullptr) *outcome = result;
    } catch (const DataLineTooLong&) {
        QUADREL_FUZZ_CHECK(LongestLine(text) > MaxDataLineBytes);
        return nullptr;
    }
    return store;
}

}  // namespace quadrel::fuzz
