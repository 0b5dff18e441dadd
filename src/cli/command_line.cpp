#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <exception>
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"

namespace quadrel {
namespace {

constexpr std::string_view UsageText =
    "usage: quadrel [--grid FILE] [--title FILE]   (the window)\n"
    "       quadrel screenshots --grid FILE --title FILE --dir DIR\n"
    "       quadrel --help\n"
    "       quadrel samples [--dir DIR]\n"
    "       quadrel limits --grid FILE [--set N]\n"
    "       quadrel dxf --grid FILE [--set N] [--title FILE] [--title-set M] --output OUT.dxf\n"
    "       quadrel plot --grid FILE [--set N] [--title FILE] [--title-set M]\n"
    "                    --output OUT.pdf|OUT.svg|OUT.png [--dpi N] [--crs CODE]\n"
    "       quadrel series --grid FILE [--title FILE] [--title-set M] --dir DIR\n"
    "                      [--format dxf|pdf|svg|png]... [--dpi N] [--index]\n"
    "                      [--crs CODE]\n"
    "       quadrel check --grid FILE [--set N] [--title FILE] [--title-set M] [--json]\n"
    "\n"
    "  samples  writes the sample data files QDLGrid.SAM and QDLTitle.SAM into DIR\n"
    "           (default: the current directory)\n"
    "  limits   opens the grid data file FILE, steps to grid set N (1 is the first\n"
    "           set of the file; default: the last set), determines the map limits\n"
    "           and prints the limits report\n"
    "  dxf      as limits, then, with --title, opens the title block data file and\n"
    "           shows title set M (default 1); creates the DXF drawing OUT.dxf and\n"
    "           prints its path. The title block's date is today's, or that of\n"
    "           SOURCE_DATE_EPOCH when set.\n"
    "  plot     draws the sheet exactly as dxf does into a PDF or SVG page of the\n"
    "           sheet's size at true scale, or a PNG picture at N dpi (default 150),\n"
    "           and prints its path. A PNG gets a world file NAME.pgw beside it,\n"
    "           which places it in a GIS at the coordinates its labels print.\n"
    "  series   draws every grid set of FILE as dxf draws it, each into the folder DIR\n"
    "           as NN-DESCRIPTION.dxf (NN the set's number, the description without the\n"
    "           characters a file name cannot hold) and prints the paths; sets that\n"
    "           cannot be drawn are listed with the reason at the end, the others are\n"
    "           written all the same. Each --format adds one file per set (default\n"
    "           dxf); pdf also writes series.pdf, one page per set drawn; png is\n"
    "           drawn at N dpi (default 150). --index\n"
    "           also writes index.dxf (with pdf, index.pdf, also the first page of\n"
    "           series.pdf): each set drawn as the outline of its map limits over a\n"
    "           coordinate grid, on one page of at most 36 by 24 inches. Then the\n"
    "           sets whose sheets have conflicts (see check) and how many.\n"
    "  check    draws the sheet as dxf does, without writing it, and prints each\n"
    "           conflict: texts over texts, the north arrow, title block rules or\n"
    "           the grid border, anything outside the sheet, texts under 1 mm tall;\n"
    "           with --json as a JSON list. Exit status 1 when there are conflicts.\n"
    "  --crs    names the coordinate system of PNG plots, written for GIS programs\n"
    "           as NAME.png.aux.xml: AUTHORITY:CODE, letters, digits and _ . - only,\n"
    "           the authority starting with a letter (EPSG:32633, ESRI:102100).\n"
    "           Without it no coordinate system is claimed.\n"
    "\n"
    "An output is never one of the input files, and never anything but a regular\n"
    "file (or a link to one, whose file is replaced); a file replaced keeps its\n"
    "mode and owner. An input must be a regular file with lines of at most 4096\n"
    "bytes.\n"
    "\n"
    "Exit status: 0 on success; 2 when a numbered message, a conversion error or a\n"
    "file error stopped the command (for series: any set), or the command line was\n"
    "not understood.\n";

constexpr std::string_view DesktopUsageText =
    "usage: quadrel [--grid FILE] [--title FILE]\n"
    "       quadrel screenshots --grid FILE --title FILE --dir DIR\n";

const std::set<std::string> SheetOptions{"--grid", "--set", "--title", "--title-set"};

std::set<std::string> With(std::set<std::string> options, std::set<std::string> more) {
    options.merge(more);
    return options;
}

// The window and its screenshots are run by the desktop program, which
// shows its own shorter usage; the others show the whole of it.
const std::array<Command, 8> Commands{{
    {"", DesktopUsageText, {{"--grid", "--title"}, {}, {}}, DesktopNeed::Always, nullptr},
    {"screenshots",
     DesktopUsageText,
     {{"--grid", "--title", "--dir"}, {}, {}},
     DesktopNeed::Always,
     nullptr},
    {"samples", UsageText, {{"--dir"}, {}, {}}, DesktopNeed::Never, &RunSamples},
    {"limits", UsageText, {{"--grid", "--set"}, {}, {}}, DesktopNeed::Never, &RunLimits},
    {"dxf", UsageText, {With(SheetOptions, {"--output"}), {}, {}}, DesktopNeed::Never, &RunDxf},
    {"plot",
     UsageText,
     {With(SheetOptions, {"--output", "--dpi", "--crs"}), {}, {}},
     DesktopNeed::Always,
     &RunPlot},
    {"series",
     UsageText,
     {{"--grid", "--title", "--title-set", "--dir", "--format", "--dpi", "--crs", "--index"},
      {"--format"},
      {"--index"}},
     DesktopNeed::ForPlotFormats,
     &RunSeries},
    // --json may be given more than once, as it always could.
    {"check",
     UsageText,
     {With(SheetOptions, {"--json"}), {"--json"}, {"--json"}},
     DesktopNeed::Never,
     &RunCheck},
}};

bool WantsHelp(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

// Whether the options as parsed name a format only the desktop program
// writes.
bool NamesPlotFormat(const Options& options) {
    const auto [first, last] = options.equal_range("--format");
    return std::any_of(first, last, [](const auto& option) { return option.second != "dxf"; });
}

}  // namespace

std::span<const Command> CommandTable() {
    return Commands;
}

const Command* FindCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return &Commands.front();
    const std::string& first = arguments.front();
    // A window opened on files starts with their options.
    if (first.rfind("--grid", 0) == 0 || first.rfind("--title", 0) == 0) return &Commands.front();
    const auto command = std::find_if(Commands.begin() + 1, Commands.end(),
                                      [&first](const Command& c) { return c.Name == first; });
    return command == Commands.end() ? nullptr : &*command;
}

Options ParseCommandOptions(const Command& command, const std::vector<std::string>& arguments) {
    return ParseOptions(arguments, command.Name.empty() ? 0 : 1, command.Accepted);
}

bool IsDesktopCommand(const std::vector<std::string>& arguments) {
    const Command* command = FindCommand(arguments);
    return command != nullptr && command->Run == nullptr;
}

bool NeedsDesktop(const std::vector<std::string>& arguments) {
    const Command* command = FindCommand(arguments);
    if (command == nullptr || command->Desktop == DesktopNeed::Never) return false;
    if (command->Desktop == DesktopNeed::Always) return true;
    // Options that do not parse are refused alike by either program; the
    // lean one says so sooner.
    try {
        return NamesPlotFormat(ParseCommandOptions(*command, arguments));
    } catch (const UsageError&) {
        return false;
    }
}

std::optional<DesktopArguments> ParseDesktopArguments(const std::vector<std::string>& arguments,
                                                      std::ostream& err) {
    const Command* command = FindCommand(arguments);
    try {
        if (command == nullptr || command->Run != nullptr) {
            throw UsageError("the desktop program opens the window or takes its screenshots");
        }
        const Options options = ParseCommandOptions(*command, arguments);
        DesktopArguments parsed{!command->Name.empty(), OptionalOption(options, "--grid"),
                                OptionalOption(options, "--title"),
                                OptionalOption(options, "--dir")};
        if (parsed.Screenshots && (!parsed.Grid || !parsed.Title || !parsed.Dir)) {
            throw UsageError("screenshots needs --grid FILE, --title FILE and --dir DIR");
        }
        return parsed;
    } catch (const UsageError& error) {
        err << Prefix << error.what() << '\n' << DesktopUsageText;
        return std::nullopt;
    }
}

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const PlotWriters& plots) {
    const Command* command = nullptr;
    try {
        if (arguments.empty() || WantsHelp(arguments)) {
            // No arguments mean the window, which never opens here: the lean
            // program hands it to quadrel-desktop, whose entry point opens
            // it without coming here. A caller that still comes here with
            // none is shown what can be run.
            out << UsageText;
            return ExitSuccess;
        }
        command = FindCommand(arguments);
        if (command == nullptr || command->Run == nullptr) {
            // A mistyped command needs its name, not the whole usage.
            err << "quadrel: unknown command '" << arguments.front()
                << "'; quadrel --help lists the commands\n";
            return ExitStopped;
        }
        return command->Run(ParseCommandOptions(*command, arguments), {out, err, plots});
    } catch (const UsageError& error) {
        err << "quadrel: " << error.what() << '\n' << command->Usage;
        return ExitStopped;
    } catch (const std::exception& error) {
        err << "quadrel: " << error.what() << '\n';
        return ExitStopped;
    }
}

}  // namespace quadrel
