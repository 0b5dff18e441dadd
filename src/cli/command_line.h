// The `quadrel` command line: a scripted user of the same forms.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/plot_writers.h"

namespace quadrel {

// Runs one command; returns the exit status (0 success, 2 stopped by a
// message, a conversion error or a file error; 1 and 0 as the program
// would end them otherwise). `plots` writes the formats the command line
// cannot write itself (plot, and series beyond dxf); without it those are
// refused.
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const PlotWriters& plots = {});

// True for the arguments that open the window (none, or --grid/--title
// first) or take its screenshots.
bool IsDesktopCommand(const std::vector<std::string>& arguments);

// True for the commands that need the desktop's graphics library: the
// window, its screenshots, plots and series in a format beyond dxf. The
// lean `quadrel` program hands them to the desktop program, so that the
// other commands start without loading it.
bool NeedsDesktop(const std::vector<std::string>& arguments);

// The window's or the screenshots' options, parsed by the command line's
// parser for the desktop program.
struct DesktopArguments {
    bool Screenshots = false;
    std::optional<std::string> Grid;
    std::optional<std::string> Title;
    std::optional<std::string> Dir;  // for the screenshots, which need all three
};

// The arguments of a desktop command; nothing, with the reason and the
// window's usage on `err`, when they do not fit it.
std::optional<DesktopArguments> ParseDesktopArguments(const std::vector<std::string>& arguments,
                                                      std::ostream& err);

// The name `series` gives the file of a grid set, without its extension: the
// set's number in two digits, "-" and the description without the
// characters that Windows or POSIX file names cannot hold, trimmed
// ("03-Pit North"); the number alone when nothing of the description is
// left.
std::string SeriesFileStem(int setNumber, std::string_view description);

}  // namespace quadrel
