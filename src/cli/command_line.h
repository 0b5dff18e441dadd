// The `quadrel` command line: a scripted user of the same forms.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quadrel {

// Runs one command; returns the exit status (0 success, 2 stopped by a
// message, a conversion error or a file error; 1 and 0 as the program
// would end them otherwise).
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace quadrel
