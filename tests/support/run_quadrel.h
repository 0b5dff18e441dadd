// One `quadrel` command run in this process, with what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace quadrel::testing {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline CommandResult RunQuadrel(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(arguments, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace quadrel::testing
