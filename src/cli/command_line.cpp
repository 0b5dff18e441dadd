#include "cli/command_line.h"

#include <ostream>

namespace quadrel {

int RunCommandLine(const std::vector<std::string>&, std::ostream& out, std::ostream&) {
    out << "usage: quadrel samples|limits\n";
    return 0;
}

}  // namespace quadrel
