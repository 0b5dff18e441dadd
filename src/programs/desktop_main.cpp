// The desktop program: the window, its screenshots, and every command of the
// command line with the plot formats that need Qt. The lean `quadrel`
// program hands it the commands that need Qt.
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
    // Qt starts on the first plot, if any.
    const quadrel::DesktopPlots plots(argc, argv);
    return quadrel::RunCommandLine(arguments, std::cout, std::cerr, plots.Writers());
}
