#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "app/atomic_file.h"
#include "app/messages.h"
#include "app/numbers.h"
#include "app/source_date.h"
#include "app/text.h"
#include "cli/check_command.h"
#include "cli/terminal.h"
#include "dxf/crs_file.h"
#include "dxf/drawing.h"
#include "dxf/index_sheet.h"
#include "dxf/world_file.h"
#include "forms/application.h"
#include "forms/scripted_platform.h"

namespace quadrel {
namespace {

constexpr int ExitSuccess = 0;
constexpr int ExitStopped = 2;
constexpr int MaxPlotDpi = 2400;

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

// A command line that cannot be run as given.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Options = std::multimap<std::string, std::string>;

constexpr std::string_view Prefix = "quadrel: ";

// Every message of the command line starts with the program's name, so that
// it can be told from others in a script's output; a numbered message loses
// the blanks that place it in the message area.
void Tell(std::ostream& err, std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (text.rfind(Prefix, 0) != 0) err << Prefix;
    err << text << '\n';
}

// "--name value" and "--name=value" options after the subcommand; every
// option but a flag takes a value (a flag's is empty) and may be given once,
// a repeatable one again and again.
Options ParseOptions(const std::vector<std::string>& arguments,
                     const std::set<std::string>& allowed,
                     const std::set<std::string>& repeatable = {},
                     const std::set<std::string>& flags = {}) {
    Options options;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (allowed.count(name) == 0) throw UsageError("unknown option '" + name + "'");
        if (flags.count(name) != 0) {
            if (value) throw UsageError(name + " takes no value");
            value = "";
        } else if (!value) {
            if (i + 1 >= arguments.size()) throw UsageError(name + " needs a value");
            value = arguments[++i];
        }
        if (repeatable.count(name) == 0 && options.count(name) != 0) {
            throw UsageError(name + " is given twice");
        }
        options.emplace(name, *value);
    }
    return options;
}

bool WantsHelp(const std::vector<std::string>& arguments) {
    for (const auto& argument : arguments) {
        if (argument == "--help" || argument == "-h") return true;
    }
    return false;
}

// The forms on a scripted platform; every error report goes to `err` as it
// happens.
class Session {
public:
    explicit Session(std::ostream& err) : err_(err) {
        platform.OnError = [this](const std::string& text) {
            Tell(err_, text);
            ++ErrorsReported;
        };
    }

    ScriptedPlatform platform;
    QuadrelApplication app{platform};
    TMGridInfo& form = app.MGridInfo;
    int ErrorsReported = 0;

private:
    std::ostream& err_;
};

int RunSamples(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(arguments, {"--dir"});
    Session session(err);
    if (const auto dir = options.find("--dir"); dir != options.end()) {
        session.form.WorkingDirectory = std::filesystem::path(dir->second);
    }
    session.form.BitBtnCreateSampleFiles.Click();
    const auto created = MessageText(Messages::SampleFilesCreated, "");
    if (session.ErrorsReported > 0) return ExitStopped;
    if (session.form.MessageArea.Caption() != created) {
        err << "quadrel: the sample files were not created\n";
        return ExitStopped;
    }
    out << session.form.MessageArea.Caption() << '\n';
    return ExitSuccess;
}

int ParseSetNumber(const std::string& option, const std::string& text) {
    int number = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || ptr != text.data() + text.size()) {
        throw UsageError(option + " needs a whole number, not '" + text + "'");
    }
    return number;
}

// The date printed in title blocks, as YYYY-MM-DD: that of
// SOURCE_DATE_EPOCH (seconds since 1970, UTC) when set, so that a drawing
// can be made again byte for byte, else today's.
std::string DrawingDate() {
    // A malformed SOURCE_DATE_EPOCH is said in one line: the usage would not
    // help.
    if (auto day = SourceDateEpochDay()) return *day;
    const std::time_t now = std::time(nullptr);
    // The command line runs on one thread: the shared result of localtime
    // is read at once.
    const std::tm* today = std::localtime(&now);
    if (today == nullptr) throw std::runtime_error("today's date is not known");
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%d", today);
    return text.data();
}

// The message area's text when a numbered message stopped the command.
int StoppedByMessage(const TMGridInfo& form, const Session& session, std::ostream& err) {
    if (form.LimitsError != 0) {
        Tell(err, form.MessageArea.Caption());
    } else if (session.ErrorsReported == 0) {
        err << "quadrel: the map limits could not be determined\n";
    }
    return ExitStopped;
}

// Opens the grid data file and makes grid set `setNumber` (1 = first of the
// file; default the last) current with its limits determined. An exit
// status when that failed.
std::optional<int> OpenGridSet(Session& session, const std::string& gridFile,
                               std::optional<int> setNumber, std::ostream& err) {
    TMGridInfo& form = session.form;
    session.platform.OpenAnswers.emplace_back(std::filesystem::path(gridFile));
    form.ButtonGetFileName.Click();
    if (!form.Store.GridFileLoaded) return StoppedByMessage(form, session, err);

    const int setCount = form.Store.GridSetCount;
    if (setCount == 0) {
        err << "quadrel: " << gridFile << " holds no grid set\n";
        return ExitStopped;
    }
    if (setNumber) {
        if (*setNumber < 1 || *setNumber > setCount) {
            err << "quadrel: --set " << *setNumber << " is out of range: " << gridFile << " holds "
                << setCount << (setCount == 1 ? " grid set" : " grid sets") << " (1 to " << setCount
                << ")\n";
            return ExitStopped;
        }
        // Reading leaves the last set current; the down arrow steps back.
        for (int step = *setNumber; step < setCount; ++step) form.BitBtnDown.Click();
    }
    // Opening the file ran Determine Limits on the last set and disabled the
    // button; an arrow press enables it again for the set stepped to.
    if (form.DetermineLimitsButton.Enabled()) form.DetermineLimitsButton.Click();

    if (!form.LimitsReportShown) return StoppedByMessage(form, session, err);
    return std::nullopt;
}

std::optional<int> SetOption(const Options& options, const std::string& name) {
    const auto option = options.find(name);
    if (option == options.end()) return std::nullopt;
    return ParseSetNumber(name, option->second);
}

const std::string& RequiredOption(const Options& options, const std::string& name,
                                  const std::string& usage) {
    const auto option = options.find(name);
    if (option == options.end()) throw UsageError(usage);
    return option->second;
}

int RunLimits(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto options = ParseOptions(arguments, {"--grid", "--set"});
    const std::string& grid = RequiredOption(options, "--grid", "limits needs --grid FILE");
    const std::optional<int> setNumber = SetOption(options, "--set");

    Session session(err);
    if (const auto stopped = OpenGridSet(session, grid, setNumber, err)) return *stopped;
    for (const auto& line : *session.form.LimitsReportShown) out << line << '\n';
    return ExitSuccess;
}

// Opens the title block data file and shows title set `setNumber` in the
// title block form, which is closed with OK. An exit status when that failed.
std::optional<int> OpenTitleSet(Session& session, const std::string& titleFile, int setNumber,
                                std::ostream& err) {
    bool outOfRange = false;
    int setCount = 0;
    session.platform.OpenAnswers.emplace_back(std::filesystem::path(titleFile));
    session.platform.ModalAnswers.emplace_back([&](Form& shown) {
        auto& titleForm = static_cast<TTitleBlockForm&>(shown);
        setCount = titleForm.Store.TitleSetCount;
        outOfRange = setNumber < 1 || setNumber > setCount;
        if (outOfRange) return ModalResultCancel;
        for (int step = 1; step < setNumber; ++step) titleForm.BitBtnUp.Click();
        titleForm.BitBtnOk.Click();
        return ModalResultOk;
    });
    session.form.ButtonGetTitleData.Click();
    if (!session.app.TitleBlockForm.Store.TitleFileLoaded) {
        if (session.ErrorsReported == 0) StoppedByMessage(session.form, session, err);
        return ExitStopped;
    }
    if (outOfRange) {
        err << "quadrel: --title-set " << setNumber << " is out of range: " << titleFile
            << " holds " << setCount << (setCount == 1 ? " title set" : " title sets") << " (1 to "
            << setCount << ")\n";
        return ExitStopped;
    }
    return std::nullopt;
}

// What the drawing commands draw: a grid set of a grid data file and,
// with a title block data file, one of its title sets.
struct SheetChoice {
    std::string Grid;
    std::optional<int> Set;  // default: the last set of the file
    std::optional<std::string> Title;
    int TitleSet = 1;
};

SheetChoice ReadSheetChoice(const Options& options, const std::string& usage) {
    SheetChoice choice;
    choice.Grid = RequiredOption(options, "--grid", usage);
    choice.Set = SetOption(options, "--set");
    const std::optional<int> titleSet = SetOption(options, "--title-set");
    if (const auto title = options.find("--title"); title != options.end()) {
        choice.Title = title->second;
    } else if (titleSet) {
        throw UsageError("--title-set needs --title FILE");
    }
    choice.TitleSet = titleSet.value_or(1);
    return choice;
}

// Shows the chosen sets on the forms as a person would before pressing
// Create output. An exit status when that failed.
std::optional<int> ShowSheet(Session& session, const SheetChoice& choice, std::ostream& err) {
    if (const auto stopped = OpenGridSet(session, choice.Grid, choice.Set, err)) return stopped;
    if (choice.Title) return OpenTitleSet(session, *choice.Title, choice.TitleSet, err);
    return std::nullopt;
}

// Presses Create output, answers the save dialog with `path` and the exit
// question with Cancel; whether the drawing was written (the exit question
// follows only a drawing that was).
bool CreateOutput(Session& session, const std::filesystem::path& path) {
    ScriptedPlatform& platform = session.platform;
    platform.SaveAnswers.assign({path});
    platform.OkCancelAnswers.assign({false});  // stay: the command ends itself
    const std::size_t asked = platform.Questions.size();
    session.form.BitBtnCreateOutput.Click();
    platform.SaveAnswers.clear();
    platform.OkCancelAnswers.clear();
    return platform.Questions.size() > asked;
}

// Why no drawing was written, when no error report has said so.
void ReportNoDrawing(const Session& session, std::ostream& err) {
    if (session.ErrorsReported > 0) return;
    const std::string shown = session.form.MessageArea.Caption();
    Tell(err, shown.find_first_not_of(' ') == std::string::npos ? "no drawing was written" : shown);
}

// An output that is one of the inputs (by its name, a link or a hard link)
// would be destroyed before the drawing is read from it.
void RefuseInputAsOutput(const std::filesystem::path& output, const SheetChoice& choice) {
    const auto refuse = [&output](const char* kind, const std::string& input) {
        if (IsSameFile(output, input)) {
            throw std::runtime_error(output.string() + " is the " + kind + " " + input +
                                     "; the output must be another file");
        }
    };
    refuse("grid data file", choice.Grid);
    if (choice.Title) refuse("title block data file", *choice.Title);
}

int RunDxf(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto options =
        ParseOptions(arguments, {"--grid", "--set", "--title", "--title-set", "--output"});
    const std::string usage = "dxf needs --grid FILE and --output OUT.dxf";
    const SheetChoice choice = ReadSheetChoice(options, usage);
    const std::string& output = RequiredOption(options, "--output", usage);
    RefuseInputAsOutput(output, choice);
    // As plot chooses its format by the extension, a drawing never lands in
    // a file named for another kind.
    if (PlotExtension(output) != ".dxf") throw UsageError("dxf writes .dxf, not " + output);

    Session session(err);
    session.platform.Date = DrawingDate();
    if (const auto stopped = ShowSheet(session, choice, err)) return *stopped;
    if (!CreateOutput(session, output)) {
        ReportNoDrawing(session, err);
        return ExitStopped;
    }
    out << output << '\n';
    return ExitSuccess;
}

// "--dpi": a whole number from 1 to MaxPlotDpi.
int ParseDpi(const Options& options) {
    const auto option = options.find("--dpi");
    if (option == options.end()) return DefaultPlotDpi;
    const int dpi = ParseSetNumber("--dpi", option->second);
    if (dpi < 1 || dpi > MaxPlotDpi) {
        throw UsageError("--dpi must be from 1 to " + std::to_string(MaxPlotDpi) + ", not " +
                         option->second);
    }
    return dpi;
}

// "--crs CODE": the coordinate system named beside PNG plots; refused
// before anything is written when it is malformed or no PNG is plotted.
std::optional<std::string> CrsOption(const Options& options, bool plotsPng) {
    const auto option = options.find("--crs");
    if (option == options.end()) return std::nullopt;
    if (const std::string problem = CrsCodeProblem(option->second); !problem.empty()) {
        throw UsageError(problem);
    }
    if (!plotsPng) {
        throw UsageError(
            "--crs names the coordinate system of PNG plots: plot needs a .png "
            "output, series --format png");
    }
    return option->second;
}

bool IsPlotExtension(const std::filesystem::path& path) {
    const std::string extension = PlotExtension(path);
    return extension == ".pdf" || extension == ".svg" || extension == ".png";
}

// A sheet drawn from what the forms show, kept for a plot.
struct DrawnSheet {
    DrawingInput Input;
    SheetRecorder Sheet;

    PlotPage Page() const { return {&Sheet, &Input.Layout, LabelOffsetOf(Input)}; }
};

// Draws the sheet that Create output would draw now, with `fileName` below
// the title block; nothing (the reason on `err`) when it cannot be drawn.
std::unique_ptr<DrawnSheet> DrawShownSheet(Session& session, const std::string& fileName,
                                           std::ostream& err) {
    TMGridInfo::SheetPreview shown = session.form.PreviewDrawingInput(fileName);
    if (!shown.Input) {
        Tell(err, shown.Reason);
        return nullptr;
    }
    auto drawn = std::make_unique<DrawnSheet>();
    drawn->Input = std::move(*shown.Input);
    try {
        DrawSheet(drawn->Sheet, drawn->Input);
    } catch (const ConversionError& error) {
        Tell(err, error.what());
        return nullptr;
    } catch (const DrawingError& error) {
        Tell(err, error.what());
        return nullptr;
    }
    return drawn;
}

int RunCheck(std::vector<std::string> arguments, std::ostream& out, std::ostream& err) {
    const bool json = TakeFlag(arguments, "--json");
    const auto options = ParseOptions(arguments, {"--grid", "--set", "--title", "--title-set"});
    const SheetChoice choice = ReadSheetChoice(options, "check needs --grid FILE");

    Session session(err);
    session.platform.Date = DrawingDate();
    if (const auto stopped = ShowSheet(session, choice, err)) return *stopped;
    const auto drawn = DrawShownSheet(session, CheckedDrawingName(choice.Grid), err);
    if (!drawn) return ExitStopped;
    return ReportSheetCheck(CheckSheet(drawn->Sheet, drawn->Input.Layout), json, out);
}

int RunPlot(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
            const PlotWriters& plots) {
    const auto options = ParseOptions(
        arguments, {"--grid", "--set", "--title", "--title-set", "--output", "--dpi", "--crs"});
    const std::string usage = "plot needs --grid FILE and --output OUT.pdf, OUT.svg or OUT.png";
    const SheetChoice choice = ReadSheetChoice(options, usage);
    const std::string& output = RequiredOption(options, "--output", usage);
    if (!IsPlotExtension(output)) throw UsageError("plot writes .pdf, .svg or .png, not " + output);
    const int dpi = ParseDpi(options);
    const std::optional<std::string> crs = CrsOption(options, PlotExtension(output) == ".png");
    RefuseInputAsOutput(output, choice);
    if (!plots.WriteSheet) {
        err << "quadrel: this program was built without the plot formats\n";
        return ExitStopped;
    }

    Session session(err);
    session.platform.Date = DrawingDate();
    if (const auto stopped = ShowSheet(session, choice, err)) return *stopped;
    const std::unique_ptr<DrawnSheet> drawn = DrawShownSheet(session, output, err);
    if (!drawn) return ExitStopped;
    plots.WriteSheet(drawn->Page(), output, dpi);
    if (crs) WriteCrsFile(output, *crs);
    out << output << '\n';
    return ExitSuccess;
}

// What a series keeps from set to set: what every set is drawn with, the
// plot writers, and what the pages of series.pdf are drawn from again when
// it is written (the drawn sheets themselves would grow with the series).
struct SeriesFormat;
struct SeriesRun {
    const PlotWriters& Plots;
    SheetChoice Choice;
    std::filesystem::path Dir;
    std::string Date;
    int Dpi = DefaultPlotDpi;
    std::vector<const SeriesFormat*> Formats;
    std::vector<DrawingInput> Pages;
    std::optional<std::string> Crs;  // named beside each PNG
    // The sets drawn, for the index, and the index once laid out, which
    // opens series.pdf.
    std::vector<IndexEntry> Drawn;
    IndexAxes Axes;
    std::optional<IndexSheet> Index;
    SeriesConflicts Conflicts;  // of the sets drawn, told after the files
};

// An output format of `series`: a set shown on the forms is written to a
// file with this extension. A format is one entry in SeriesFormats.
struct SeriesFormat {
    std::string_view Name;
    std::string_view Extension;
    bool NeedsPlots;  // written by the plot writers
    // Whether the file was written; the reasons when not are on the
    // session's error stream.
    bool (*Write)(Session& session, const std::filesystem::path& path, std::ostream& err,
                  SeriesRun& run);
};

bool WriteDxf(Session& session, const std::filesystem::path& path, std::ostream& err,
              SeriesRun& /*run*/) {
    if (CreateOutput(session, path)) return true;
    ReportNoDrawing(session, err);
    return false;
}

bool WritePlot(Session& session, const std::filesystem::path& path, std::ostream& err,
               SeriesRun& run) {
    std::unique_ptr<DrawnSheet> drawn = DrawShownSheet(session, path.string(), err);
    if (!drawn) return false;
    run.Plots.WriteSheet(drawn->Page(), path, run.Dpi);
    if (run.Crs && PlotExtension(path) == ".png") WriteCrsFile(path, *run.Crs);
    if (PlotExtension(path) == ".pdf") run.Pages.push_back(std::move(drawn->Input));
    return true;
}

constexpr std::array<SeriesFormat, 4> SeriesFormats{{
    {"dxf", ".dxf", false, &WriteDxf},
    {"pdf", ".pdf", true, &WritePlot},
    {"svg", ".svg", true, &WritePlot},
    {"png", ".png", true, &WritePlot},
}};

std::vector<const SeriesFormat*> ChosenFormats(const Options& options, const PlotWriters& plots) {
    // Without plot writers only what the command line writes itself is offered.
    const auto available = [&plots](const SeriesFormat& f) {
        return !f.NeedsPlots || (plots.WriteSheet && plots.WritePages);
    };
    std::vector<const SeriesFormat*> chosen;
    const auto [first, last] = options.equal_range("--format");
    for (auto option = first; option != last; ++option) {
        const auto format =
            std::find_if(SeriesFormats.begin(), SeriesFormats.end(),
                         [&](const auto& f) { return f.Name == option->second && available(f); });
        if (format == SeriesFormats.end()) {
            std::string known;
            for (const SeriesFormat& f : SeriesFormats) {
                if (available(f)) known += (known.empty() ? "" : ", ") + std::string(f.Name);
            }
            throw UsageError("--format '" + option->second + "' is not available; series writes " +
                             known);
        }
        if (std::find(chosen.begin(), chosen.end(), &*format) == chosen.end()) {
            chosen.push_back(&*format);
        }
    }
    if (chosen.empty()) chosen.push_back(&SeriesFormats.front());
    return chosen;
}

// The lines of a report as one line, "; " between them, without the
// program's name and the blanks that start a numbered message.
std::string OneLine(const std::string& report) {
    std::istringstream lines(report);
    std::string joined;
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        std::string_view said(line);
        said.remove_prefix(std::min(said.find_first_not_of(' '), said.size()));
        if (said.rfind(Prefix, 0) == 0) said.remove_prefix(Prefix.size());
        // A fault met twice on the way (showing the set, then drawing it)
        // is told once.
        if (said.empty() || said == last) continue;
        last = said;
        if (!joined.empty()) joined += "; ";
        joined += last;
    }
    return joined;
}

// A set that `series` could not draw in every format, and why.
struct SeriesFailure {
    int Set = 0;
    std::string Name;
    std::string Written;  // the formats that were, ", " between them
    std::string Failed;   // the formats that were not
    std::string Reasons;
};

// Keeps a set that was drawn for the index: its limits as its report gives
// them; the first one drawn names the index's axes, whose labels add the
// constants all sets drawn share (none when they differ).
void KeepForIndex(SeriesRun& run, int set, const GridSet& grid, const MapLayout& layout) {
    IndexAxes& axes = run.Axes;
    if (run.Drawn.empty()) {
        axes = {layout.Metric, grid.XAxisTitle, grid.YAxisTitle, grid.XConst, grid.YConst};
    }
    if (ToDouble(grid.XConst) != ToDouble(axes.XConst)) axes.XConst = "0";
    if (ToDouble(grid.YConst) != ToDouble(axes.YConst)) axes.YConst = "0";
    run.Drawn.push_back({set, Trim(grid.Description), ExtentsOf(layout)});
}

// Draws one set in every chosen format, each tried whatever became of the
// others; what went wrong, if anything. A set written in every format is
// kept for the index.
std::optional<SeriesFailure> DrawSeriesSet(SeriesRun& run, int set, const std::string& name,
                                           std::ostream& out) {
    std::ostringstream setErr;
    SeriesFailure failure{set, name, {}, {}, {}};
    const auto add = [](std::string& list, std::string_view format) {
        list += (list.empty() ? "" : ", ") + std::string(format);
    };
    bool shown = false;
    // Whatever stops one set, the others are drawn all the same.
    try {
        Session session(setErr);
        session.platform.Date = run.Date;
        run.Choice.Set = set;
        shown = !ShowSheet(session, run.Choice, setErr);
        for (const SeriesFormat* format : run.Formats) {
            if (!shown) break;
            const std::filesystem::path path = run.Dir / (name + std::string(format->Extension));
            bool written = false;
            try {
                RefuseInputAsOutput(path, run.Choice);
                written = format->Write(session, path, setErr, run);
            } catch (const std::exception& error) {
                Tell(setErr, error.what());
            }
            if (written) out << path.string() << '\n';
            add(written ? failure.Written : failure.Failed, format->Name);
        }
        if (shown && failure.Failed.empty()) {
            KeepForIndex(run, set, session.form.EditedGridSet(), session.form.Layout);
            const std::string drawing = (run.Dir / (name + ".dxf")).string();
            if (const auto drawn = DrawShownSheet(session, drawing, setErr)) {
                run.Conflicts.Add(set, name, drawn->Sheet, drawn->Input.Layout);
            }
        }
    } catch (const std::exception& error) {
        Tell(setErr, error.what());
        shown = false;
    }
    // Passing other sets on the way may have reported their faults; they
    // are listed with those sets.
    if (shown && failure.Failed.empty()) return std::nullopt;
    if (!shown) failure.Written.clear();
    failure.Reasons = OneLine(setErr.str());
    return failure;
}

void ListSeriesFailure(const SeriesFailure& failure, std::ostream& err) {
    err << Prefix << "set " << failure.Set << " (" << failure.Name << ") ";
    if (failure.Written.empty()) {
        err << "was not drawn";
    } else {
        err << "was written as " << failure.Written << " but not as " << failure.Failed;
    }
    err << ": " << failure.Reasons << '\n';
}

// index.dxf of the sets drawn and, with PDF plots, index.pdf, whose page
// also opens series.pdf. Whether it was written; the reason on `err`.
bool WriteSeriesIndex(SeriesRun& run, bool pdf, std::ostream& out, std::ostream& err) {
    try {
        IndexSheet index = PlanIndexSheet(run.Drawn, run.Axes);
        const std::filesystem::path drawing = run.Dir / "index.dxf";
        RefuseInputAsOutput(drawing, run.Choice);
        CreateIndexFile(drawing, index);
        out << drawing.string() << '\n';
        if (pdf) {
            SheetRecorder sheet;
            DrawIndexSheet(sheet, index);
            const std::filesystem::path plot = run.Dir / "index.pdf";
            RefuseInputAsOutput(plot, run.Choice);
            run.Plots.WriteSheet({&sheet, &index.Layout, {}}, plot, DefaultPlotDpi);
            out << plot.string() << '\n';
            run.Index = std::move(index);
        }
        return true;
    } catch (const std::exception& error) {
        err << Prefix << "the index of the series was not written: " << error.what() << '\n';
        return false;
    }
}

// series.pdf: the index's page when there is one, then the sets' pages.
// Whether it was written (or there was nothing to write).
bool WriteSeriesBook(const SeriesRun& run, std::ostream& out, std::ostream& err) {
    if (run.Pages.empty()) return true;
    const std::size_t front = run.Index ? 1 : 0;
    // One sheet in memory at a time, drawn again as its page comes.
    SheetRecorder sheet;
    const PlotPageSource pages{front + run.Pages.size(), [&](std::size_t index) {
                                   sheet.Clear();
                                   if (index < front) {
                                       DrawIndexSheet(sheet, *run.Index);
                                       return PlotPage{&sheet, &run.Index->Layout, {}};
                                   }
                                   const DrawingInput& page = run.Pages.at(index - front);
                                   DrawSheet(sheet, page);
                                   return PlotPage{&sheet, &page.Layout, {}};
                               }};
    const std::filesystem::path book = run.Dir / "series.pdf";
    try {
        RefuseInputAsOutput(book, run.Choice);
        run.Plots.WritePages(pages, book);
        out << book.string() << '\n';
        return true;
    } catch (const std::exception& error) {
        // The sets that were not drawn are still to be listed.
        err << Prefix << book.string() << " was not written: " << error.what() << '\n';
        return false;
    }
}

// The sets of the grid data file, read once; a file or a title set that
// cannot be read stops the whole series at once. What reading reports about
// single sets is told with those sets.
std::optional<int> ProbeSeries(Session& probe, std::ostringstream& probeErr,
                               const SheetChoice& choice, std::ostream& err) {
    probe.platform.OpenAnswers.emplace_back(std::filesystem::path(choice.Grid));
    probe.form.ButtonGetFileName.Click();
    if (!probe.form.Store.GridFileLoaded) {
        err << probeErr.str();
        return StoppedByMessage(probe.form, probe, err);
    }
    if (probe.form.Store.GridSetCount == 0) {
        Tell(err, choice.Grid + " holds no grid set");
        return ExitStopped;
    }
    if (!choice.Title) return std::nullopt;
    probeErr.str("");
    const auto stopped = OpenTitleSet(probe, *choice.Title, choice.TitleSet, probeErr);
    if (stopped) err << probeErr.str();
    return stopped;
}

int RunSeries(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
              bool showProgress, const PlotWriters& plots) {
    const auto options = ParseOptions(
        arguments,
        {"--grid", "--title", "--title-set", "--dir", "--format", "--dpi", "--crs", "--index"},
        {"--format"}, {"--index"});
    const std::string usage = "series needs --grid FILE and --dir DIR";
    const std::vector<const SeriesFormat*> formats = ChosenFormats(options, plots);
    const auto chosen = [&formats](std::string_view name) {
        return std::any_of(formats.begin(), formats.end(),
                           [name](const SeriesFormat* f) { return f->Name == name; });
    };
    SeriesRun run{plots,
                  ReadSheetChoice(options, usage),
                  RequiredOption(options, "--dir", usage),
                  {},
                  ParseDpi(options),
                  formats,
                  {},
                  CrsOption(options, chosen("png")),
                  {},
                  {},
                  {},
                  {}};
    std::error_code notThere;
    if (!std::filesystem::is_directory(run.Dir, notThere)) {
        Tell(err, run.Dir.string() + " is no folder");
        return ExitStopped;
    }
    run.Date = DrawingDate();

    std::ostringstream probeErr;
    Session probe(probeErr);
    if (const auto stopped = ProbeSeries(probe, probeErr, run.Choice, err)) return *stopped;

    // Each set is drawn by a fresh run of the forms, exactly as dxf --set
    // draws it; what goes wrong is kept for the list at the end.
    std::vector<SeriesFailure> failures;
    const int setCount = probe.form.Store.GridSetCount;
    for (int set = 1; set <= setCount; ++set) {
        const std::string& description =
            probe.form.Store.GridSets[static_cast<std::size_t>(set - 1)].Description;
        const std::string name = SeriesFileStem(set, description);
        if (showProgress) {
            err << Prefix << "set " << set << " of " << setCount << ": " << name << '\n';
        }
        if (auto failure = DrawSeriesSet(run, set, name, out)) failures.push_back(*failure);
    }
    const bool indexWritten =
        options.count("--index") == 0 || WriteSeriesIndex(run, chosen("pdf"), out, err);
    const bool bookWritten = WriteSeriesBook(run, out, err);
    run.Conflicts.Print(out);
    for (const SeriesFailure& failure : failures) ListSeriesFailure(failure, err);
    return failures.empty() && indexWritten && bookWritten ? ExitSuccess : ExitStopped;
}

}  // namespace

std::string SeriesFileStem(int setNumber, std::string_view description) {
    std::array<char, 16> number{};
    std::snprintf(number.data(), number.size(), "%02d", setNumber);
    const std::string kept = FileNameDescription(description);
    return kept.empty() ? std::string(number.data()) : std::string(number.data()) + "-" + kept;
}

bool IsDesktopCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return true;
    const std::string& first = arguments.front();
    return first == "screenshots" || first.rfind("--grid", 0) == 0 ||
           first.rfind("--title", 0) == 0;
}

bool NeedsDesktop(const std::vector<std::string>& arguments) {
    if (IsDesktopCommand(arguments) || arguments.front() == "plot") return true;
    if (arguments.front() != "series") return false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word.rfind("--format=", 0) == 0 && word.substr(9) != "dxf") return true;
        if (word == "--format" && i + 1 < arguments.size() && arguments[i + 1] != "dxf")
            return true;
    }
    return false;
}

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const PlotWriters& plots) {
    try {
        if (arguments.empty() || WantsHelp(arguments)) {
            // No arguments mean the window, which never opens here: the lean
            // program hands it to quadrel-desktop, whose entry point opens
            // it without coming here. A caller that still comes here with
            // none is shown what can be run.
            out << UsageText;
            return ExitSuccess;
        }
        const std::string& command = arguments.front();
        if (command == "samples") return RunSamples(arguments, out, err);
        if (command == "limits") return RunLimits(arguments, out, err);
        if (command == "dxf") return RunDxf(arguments, out, err);
        if (command == "plot") return RunPlot(arguments, out, err, plots);
        if (command == "check") return RunCheck(arguments, out, err);
        if (command == "series") return RunSeries(arguments, out, err, IsTerminal(err), plots);
        // A mistyped command needs its name, not the whole usage.
        err << "quadrel: unknown command '" << command << "'; quadrel --help lists the commands\n";
        return ExitStopped;
    } catch (const UsageError& error) {
        err << "quadrel: " << error.what() << '\n' << UsageText;
        return ExitStopped;
    } catch (const std::exception& error) {
        err << "quadrel: " << error.what() << '\n';
        return ExitStopped;
    }
}

}  // namespace quadrel
