// The desktop program: the window, its screenshots, and every command of the
// command line with the plot formats that need Qt. The lean `quadrel`
// program hands it the commands that need Qt.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "gui/desktop.h"

namespace {

// The window's options as the command line's parser read them.
quadrel::DesktopRequest RequestOf(const quadrel::DesktopArguments& parsed) {
    quadrel::DesktopRequest request;
    request.Screenshots = parsed.Screenshots;
    if (parsed.Grid) request.Grid = *parsed.Grid;
    if (parsed.Title) request.Title = *parsed.Title;
    request.Dir = parsed.Dir.value_or("");
    return request;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (quadrel::IsDesktopCommand(arguments)) {
        const auto parsed = quadrel::ParseDesktopArguments(arguments, std::cerr);
        if (!parsed) return 2;
        return quadrel::RunDesktop(argc, argv, RequestOf(*parsed), std::cout, std::cerr);
    }
    // Qt starts on the first plot, if any.
    const quadrel::DesktopPlots plots(argc, argv);
    return quadrel::RunCommandLine(arguments, std::cout, std::cerr, plots.Writers());
}
