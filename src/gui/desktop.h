// Start-up of the desktop window. Free of Qt, so that the program's entry
// point can choose between the window and the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quadrel {

// True for the arguments that open the window (none, or --grid/--title) or
// take its screenshots.
bool IsDesktopCommand(const std::vector<std::string>& arguments);

// Runs the window until the program ends; returns the exit status.
int RunDesktop(int argc, char** argv, const std::vector<std::string>& arguments,
               std::ostream& out, std::ostream& err);

}  // namespace quadrel
