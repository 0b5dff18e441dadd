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

#ifdef _WIN32
#include "base/path_text.h"
#endif

namespace {

int Run(const std::string& programPath, const std::vector<std::string>& arguments) {
    if (!quadrel::NeedsDesktop(arguments)) {
        return quadrel::RunCommandLine(arguments, std::cout, std::cerr);
    }
#ifdef QUADREL_DESKTOP_PROGRAM
    const auto desktop = quadrel::ProgramDirectory(programPath.c_str()) / QUADREL_DESKTOP_PROGRAM;
    try {
        return quadrel::RunInstead(desktop, arguments);
    } catch (const std::exception& error) {
        std::cerr << "quadrel: cannot start " << desktop.string() << ": " << error.what() << '\n';
        return 2;
    }
#else
    (void)programPath;
    std::cerr << "quadrel: the desktop program (the window, plot, series beyond dxf) is not part "
                 "of this build\n";
    return 2;
#endif
}

}  // namespace

#ifdef _WIN32
// The arguments as Windows holds them, in UTF-16: main's would come in the
// ANSI code page, which turns "Ωmega" into "Omega" and a folder of that name
// into another one.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(quadrel::Utf8FromWide(argv[i]));
    return Run(argc > 0 ? quadrel::Utf8FromWide(argv[0]) : "", arguments);
}
#else
int main(int argc, char** argv) {
    return Run(argc > 0 ? argv[0] : "", std::vector<std::string>(argv + 1, argv + argc));
}
#endif
