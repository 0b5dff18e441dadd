// Whether a stream shows its output to a person, so that a long command may
// report its progress there.
#pragma once

#include <iosfwd>

namespace quadrel {

// True for std::cout or std::cerr when the program's standard output or
// error is a terminal; false for every other stream.
bool IsTerminal(const std::ostream& stream);

}  // namespace quadrel
