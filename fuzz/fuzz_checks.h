// What the reader fuzz targets hold true of every input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <istream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

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

// Reads the text into a fresh store, kept on the heap: a store is a few
// hundred kilobytes and a target holds three.
template <typename Store, typename Outcome>
std::unique_ptr<Store> ReadInto(std::string_view text, Outcome (*read)(std::istream&, Store&),
                                Outcome* outcome = nullptr) {
    auto store = std::make_unique<Store>();
    std::istringstream in{std::string(text)};
    const Outcome result = read(in, *store);
    if (outcome != nullptr) *outcome = result;
    return store;
}

}  // namespace quadrel::fuzz
