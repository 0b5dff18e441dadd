// The table of the command line's commands. Each command is parsed by the
// shared option parser from its entry's options and run by its entry's
// function; the window and its screenshots are entries too, run by the
// desktop program.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "drawing/plot_writers.h"

namespace quadrel {

// What a command runs with besides its options.
struct CommandStreams {
    std::ostream& Out;
    std::ostream& Err;
    const PlotWriters& Plots;
};

// Whether a command needs the desktop program: always, never, or when one
// of its --format options names a format beyond dxf.
enum class DesktopNeed { Never, Always, ForPlotFormats };

struct Command {
    std::string_view Name;  // empty for the window, which takes no command word
    std::string_view Usage;
    OptionRules Accepted;
    DesktopNeed Desktop;
    // Null for the commands the desktop program runs itself.
    int (*Run)(const Options& options, const CommandStreams& streams);
};

// Every command, the window first.
std::span<const Command> CommandTable();

// The entry for `arguments`: the window's when they are empty or start with
// an option; null for an unknown command.
const Command* FindCommand(const std::vector<std::string>& arguments);

// The options of `arguments` after the command word, as `command` takes
// them; UsageError otherwise.
Options ParseCommandOptions(const Command& command, const std::vector<std::string>& arguments);

int RunSamples(const Options& options, const CommandStreams& streams);
int RunLimits(const Options& options, const CommandStreams& streams);
int RunDxf(const Options& options, const CommandStreams& streams);
int RunPlot(const Options& options, const CommandStreams& streams);
int RunSeries(const Options& options, const CommandStreams& streams);
int RunCheck(const Options& options, const CommandStreams& streams);

}  // namespace quadrel
