// Start-up of the quadrel program: the desktop window, or a command of the
// command line, which needs no display.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "gui/desktop.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (quadrel::IsDesktopCommand(arguments)) {
        return quadrel::RunDesktop(argc, argv, arguments, std::cout, std::cerr);
    }
    // The plot formats need Qt, which the command line does not know.
    const quadrel::DesktopPlots plots(argc, argv);
    return quadrel::RunCommandLine(arguments, std::cout, std::cerr, plots.Writers());
}
