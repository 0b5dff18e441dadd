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

#include "app/messages.h"
#include "app/numbers.h"
#include "app/source_date.h"
#include "cli/check_command.h"
#include "cli/terminal.h"
#include "dxf/drawing.h"
#include "forms/application.h"
#include "forms/scripted_platform.h"

namespace quadrel {
namespace {

constexpr int ExitSuccess = 0;
constexpr int ExitStopped = 2;
constexpr int MaxPlotDpi = 2400;
// Characters of a set's description kept in the name of its file.
constexpr std::size_t MaxFileNameDescription = 60;

constexpr std::string_view UsageText =
    "usage: quadrel [--grid FILE] [--title FILE]   (the window)\n"
    "       quadrel screenshots --grid FILE --title FILE --dir DIR\n"
    "       quadrel --help\n"
    "       quadrel samples [--dir DIR]\n"
    "       quadrel limits --grid FILE [--set N]\n"
    "       quadrel dxf --grid FILE [--set N] [--title FILE] [--title-set M] --output OUT.dxf\n"
    "       quadrel plot --grid FILE [--set N] [--title FILE] [--title-set M]\n"
    "                    --output OUT.pdf|OUT.svg|OUT.png [--dpi N]\n"
    "       quadrel series --grid FILE [--title FILE] [--title-set M] --dir DIR\n"
    "                      [--format dxf|pdf|svg|png]...\n"
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
    "           and prints its path\n"
    "  series   draws every grid set of FILE as dxf draws it, each into the folder DIR\n"
    "           as NN-DESCRIPTION.dxf (NN the set's number, the description without the\n"
    "           characters a file name cannot hold) and prints the paths; sets that\n"
    "           cannot be drawn are listed with the reason at the end, the others are\n"
    "           written all the same. Each --format adds one file per set (default\n"
    "           dxf); pdf also writes series.pdf, one page per set drawn. Then the\n"
    "           sets whose sheets have conflicts (see check) and how many.\n"
    "  check    draws the sheet as dxf does, without writing it, and prints each\n"
    "           conflict: texts over texts, the north arrow, title block rules or\n"
    "           the grid border, anything outside the sheet, texts under 1 mm tall;\n"
    "           with --json as a JSON list. Exit status 1 when there are conflicts.\n"
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

// "--name value" and "--name=value" options after the subcommand; every
// option takes a value and may be given once, a repeatable one again and
// again.
Options ParseOptions(const std::vector<std::string>& arguments,
                     const std::set<std::string>& allowed,
                     const std::set<std::string>& repeatable = {}) {
    Options options;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (allowed.count(name) == 0) throw UsageError("unknown option '" + name + "'");
        if (!value) {
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
            err_ << text << '\n';
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
    try {
        if (auto day = SourceDateEpochDay()) return *day;
    } catch (const SourceDateError& error) {
        throw UsageError(error.what());
    }
    const std::time_t now = std::time(nullptr);
    // The command line runs on one thread: the shared result of localtime
    // is read at once.
    const std::tm* today = std::localtime(&now);
    if (today == nullptr) throw UsageError("today's date is not known");
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y-%m-%d", today);
    return text.data();
}

// The message area's text when a numbered message stopped the command.
int StoppedByMessage(const TMGridInfo& form, const Session& session, std::ostream& err) {
    if (form.Layout.LimitsError != 0) {
        err << form.MessageArea.Caption() << '\n';
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
    err << (shown.find_first_not_of(' ') == std::string::npos ? "quadrel: no drawing was written"
                                                              : shown)
        << '\n';
}

int RunDxf(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto options =
        ParseOptions(arguments, {"--grid", "--set", "--title", "--title-set", "--output"});
    const std::string usage = "dxf needs --grid FILE and --output OUT.dxf";
    const SheetChoice choice = ReadSheetChoice(options, usage);
    const std::string& output = RequiredOption(options, "--output", usage);

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

bool IsPlotExtension(const std::filesystem::path& path) {
    const std::string extension = PlotExtension(path);
    return extension == ".pdf" || extension == ".svg" || extension == ".png";
}

// A sheet drawn from what the forms show, kept for a plot.
struct DrawnSheet {
    DrawingInput Input;
    SheetRecorder Sheet;

    PlotPage Page() const { return {&Sheet, &Input.Layout}; }
};

// Draws the sheet that Create output would draw now, with `fileName` below
// the title block; nothing (the reason on `err`) when it cannot be drawn.
std::unique_ptr<DrawnSheet> DrawShownSheet(Session& session, const std::string& fileName,
                                           std::ostream& err) {
    TMGridInfo::SheetPreview shown = session.form.PreviewDrawingInput(fileName);
    if (!shown.Input) {
        err << shown.Reason << '\n';
        return nullptr;
    }
    auto drawn = std::make_unique<DrawnSheet>();
    drawn->Input = std::move(*shown.Input);
    try {
        DrawSheet(drawn->Sheet, drawn->Input);
    } catch (const ConversionError& error) {
        err << error.what() << '\n';
        return nullptr;
    } catch (const DrawingError& error) {
        err << error.what() << '\n';
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
    const auto options =
        ParseOptions(arguments, {"--grid", "--set", "--title", "--title-set", "--output", "--dpi"});
    const std::string usage = "plot needs --grid FILE and --output OUT.pdf, OUT.svg or OUT.png";
    const SheetChoice choice = ReadSheetChoice(options, usage);
    const std::string& output = RequiredOption(options, "--output", usage);
    if (!IsPlotExtension(output)) throw UsageError("plot writes .pdf, .svg or .png, not " + output);
    const int dpi = ParseDpi(options);
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
    out << output << '\n';
    return ExitSuccess;
}

// What a series keeps from set to set: the plot writers, and what the pages
// of series.pdf are drawn from again when it is written (the drawn sheets
// themselves would grow with the series).
struct SeriesRun {
    const PlotWriters& Plots;
    std::vector<DrawingInput> Pages;
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
    run.Plots.WriteSheet(drawn->Page(), path, DefaultPlotDpi);
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

// Characters that Windows or POSIX do not allow in a file name.
bool AllowedInFileName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20U && std::string_view("<>:\"/\\|?*").find(c) == std::string_view::npos;
}

// The description made fit for a file name, on both systems.
std::string FileNameDescription(std::string_view description) {
    std::string kept;
    std::copy_if(description.begin(), description.end(), std::back_inserter(kept),
                 AllowedInFileName);
    // Blanks at the start would only hide the name in a listing.
    kept.erase(0, std::min(kept.find_first_not_of(' '), kept.size()));
    // A name has at most 255 bytes; the number and the extension need room.
    // The cut falls before a character's first byte, never within it.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(kept[i]) & 0xC0U) != 0x80U;
        if ((startsCharacter && ++characters > MaxFileNameDescription) ||
            (i >= 4 * MaxFileNameDescription && startsCharacter)) {
            kept.resize(i);
            break;
        }
    }
    // Windows drops dots and blanks at a name's end.
    const auto end = kept.find_last_not_of(". ");
    kept.resize(end == std::string::npos ? 0 : end + 1);
    return kept;
}

// The lines of a report as one line, "; " between them, without the
// blanks that start a numbered message.
std::string OneLine(const std::string& report) {
    std::istringstream lines(report);
    std::string joined;
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        const auto start = line.find_first_not_of(' ');
        // A fault met twice on the way (showing the set, then drawing it)
        // is told once.
        if (start == std::string::npos || line.substr(start) == last) continue;
        last = line.substr(start);
        if (!joined.empty()) joined += "; ";
        joined += last;
    }
    return joined;
}

// A set that `series` could not draw, and why.
struct SeriesFailure {
    int Set = 0;
    std::string Name;
    std::string Reasons;
};

int RunSeries(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
              bool showProgress, const PlotWriters& plots) {
    const auto options = ParseOptions(
        arguments, {"--grid", "--title", "--title-set", "--dir", "--format"}, {"--format"});
    const std::string usage = "series needs --grid FILE and --dir DIR";
    SheetChoice choice = ReadSheetChoice(options, usage);
    const std::filesystem::path dir = RequiredOption(options, "--dir", usage);
    const std::vector<const SeriesFormat*> formats = ChosenFormats(options, plots);
    SeriesRun run{plots, {}};
    std::error_code notThere;
    if (!std::filesystem::is_directory(dir, notThere)) {
        err << "quadrel: " << dir.string() << " is no folder\n";
        return ExitStopped;
    }
    const std::string date = DrawingDate();

    // The sets and their descriptions, as the file gives them; a file or a
    // title set that cannot be read stops the whole series at once. What
    // reading reports about single sets is told with those sets below.
    std::ostringstream probeErr;
    Session probe(probeErr);
    probe.platform.OpenAnswers.emplace_back(std::filesystem::path(choice.Grid));
    probe.form.ButtonGetFileName.Click();
    if (!probe.form.Store.GridFileLoaded) {
        err << probeErr.str();
        return StoppedByMessage(probe.form, probe, err);
    }
    const int setCount = probe.form.Store.GridSetCount;
    if (setCount == 0) {
        err << "quadrel: " << choice.Grid << " holds no grid set\n";
        return ExitStopped;
    }
    if (choice.Title) {
        probeErr.str("");
        if (const auto stopped = OpenTitleSet(probe, *choice.Title, choice.TitleSet, probeErr)) {
            err << probeErr.str();
            return *stopped;
        }
    }

    // Each set is drawn by a fresh run of the forms, exactly as dxf --set
    // draws it; what goes wrong is kept for the list at the end.
    std::vector<SeriesFailure> failures;
    SeriesConflicts conflicts;
    for (int set = 1; set <= setCount; ++set) {
        const std::string& description =
            probe.form.Store.GridSets[static_cast<std::size_t>(set - 1)].Description;
        const std::string name = SeriesFileStem(set, description);
        if (showProgress) {
            err << "quadrel: set " << set << " of " << setCount << ": " << name << '\n';
        }
        std::ostringstream setErr;
        bool written = false;
        // Whatever stops one set, the others are drawn all the same.
        try {
            Session session(setErr);
            session.platform.Date = date;
            choice.Set = set;
            written = !ShowSheet(session, choice, setErr);
            for (const SeriesFormat* format : formats) {
                if (!written) break;
                const std::filesystem::path path = dir / (name + std::string(format->Extension));
                written = format->Write(session, path, setErr, run);
                if (written) out << path.string() << '\n';
            }
            const std::string drawing = (dir / (name + ".dxf")).string();
            if (const auto drawn = written ? DrawShownSheet(session, drawing, setErr) : nullptr) {
                conflicts.Add(set, name, drawn->Sheet, drawn->Input.Layout);
            }
        } catch (const std::exception& error) {
            setErr << error.what() << '\n';
            written = false;
        }
        // Passing other sets on the way may have reported their faults;
        // they are listed with those sets.
        if (!written) failures.push_back({set, name, OneLine(setErr.str())});
    }

    bool bookWritten = true;
    if (!run.Pages.empty()) {
        // One sheet in memory at a time, drawn again as its page comes.
        SheetRecorder sheet;
        const PlotPageSource pages{run.Pages.size(), [&](std::size_t index) {
                                       sheet.Clear();
                                       DrawSheet(sheet, run.Pages.at(index));
                                       return PlotPage{&sheet, &run.Pages.at(index).Layout};
                                   }};
        const std::filesystem::path book = dir / "series.pdf";
        try {
            plots.WritePages(pages, book);
            out << book.string() << '\n';
        } catch (const std::exception& error) {
            // The sets that were not drawn are still to be listed.
            err << "quadrel: " << book.string() << " was not written: " << error.what() << '\n';
            bookWritten = false;
        }
    }

    conflicts.Print(out);
    for (const SeriesFailure& failure : failures) {
        err << "quadrel: set " << failure.Set << " (" << failure.Name
            << ") was not drawn: " << failure.Reasons << '\n';
    }
    return failures.empty() && bookWritten ? ExitSuccess : ExitStopped;
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
        throw UsageError("unknown command '" + command + "'");
    } catch (const UsageError& error) {
        err << "quadrel: " << error.what() << '\n' << UsageText;
        return ExitStopped;
    } catch (const std::exception& error) {
        err << "quadrel: " << error.what() << '\n';
        return ExitStopped;
    }
}

}  // namespace quadrel
