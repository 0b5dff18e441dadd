#include "cli/terminal.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quadrel {
namespace {

bool IsTerminalFile(std::FILE* file) {
#ifdef _WIN32
    return ::_isatty(::_fileno(file)) != 0;
#else
    return ::isatty(::fileno(file)) != 0;
#endif
}

}  // namespace

bool IsTerminal(const std::ostream& stream) {
    if (&stream == &std::cerr) return IsTerminalFile(stderr);
    if (&stream == &std::cout) return IsTerminalFile(stdout);
    return false;
}

}  // namespace quadrel
