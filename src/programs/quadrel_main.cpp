// The quadrel program. The command line's own commands run here without
// loading a graphics library, which alone would take several times as long
// as drawing a sheet; the window, screenshots and plots are handed to the
// desktop program beside this one.
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "programs/program_handoff.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!quadrel::NeedsDesktop(arguments)) {
        return quadrel::RunCommandLine(arguments, std::cout, std::cerr);
    }
    const auto desktop =
        quadrel::ProgramDirectory(argc > 0 ? argv[0] : "") / QUADREL_DESKTOP_PROGRAM;
    try {
        return quadrel::RunInstead(desktop, arguments);
    } catch (const std::exception& error) {
        std::cerr << "quadrel: cannot start " << desktop.string() << ": " << error.what() << '\n';
        return 2;
    }
}
