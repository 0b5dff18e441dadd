// quadrel series: every grid set of a file, each drawn as dxf --set draws
// it, in each chosen format; then the index, the PDF book and the report.
#include <algorithm>
#include <array>
#include <cstdio>
#include <ostream>
#include <system_error>

#include "base/path_text.h"
#include "base/text.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/series_steps.h"
#include "cli/sheet_output.h"
#include "cli/terminal.h"

namespace quadrel {
namespace {

bool Chosen(const std::vector<const SeriesFormat*>& formats, std::string_view name) {
    return std::any_of(formats.begin(), formats.end(),
                       [name](const SeriesFormat* f) { return f->Name == name; });
}

// The series as its options describe it, refused before anything is read
// when they do not fit.
SeriesRun PlanSeries(const Options& options, const PlotWriters& plots) {
    const std::string usage = "series needs --grid FILE and --dir DIR";
    std::vector<const SeriesFormat*> formats = ChosenFormats(options, plots);
    SheetChoice choice = ReadSheetChoice(options, usage);
    std::filesystem::path dir = PathFromUtf8(RequiredOption(options, "--dir", usage));
    const int dpi = ParseDpi(options);
    std::optional<std::string> crs = CrsOption(options, Chosen(formats, "png"));
    return SeriesRun{plots,
                     std::move(choice),
                     std::move(dir),
                     {},
                     dpi,
                     std::move(formats),
                     {},
                     std::move(crs),
                     {},
                     {},
                     {},
                     {}};
}

// Each set is drawn by a fresh run of the forms, exactly as dxf --set draws
// it; what goes wrong is kept for the list at the end.
std::vector<SeriesFailure> DrawEverySet(SeriesRun& run, const Session& probe,
                                        const CommandStreams& streams) {
    const bool showProgress = IsTerminal(streams.Err);
    std::vector<SeriesFailure> failures;
    const int setCount = probe.form.Store.GridSetCount;
    for (int set = 1; set <= setCount; ++set) {
        const std::string& description =
            probe.form.Store.GridSets[static_cast<std::size_t>(set - 1)].Description;
        const std::string name = SeriesFileStem(set, description);
        if (showProgress) {
            streams.Err << Prefix << "set " << set << " of " << setCount << ": " << name << '\n';
        }
        if (auto failure = DrawSeriesSet(run, set, name, streams.Out)) failures.push_back(*failure);
    }
    return failures;
}

}  // namespace

int RunSeries(const Options& options, const CommandStreams& streams) {
    SeriesRun run = PlanSeries(options, streams.Plots);
    std::error_code notThere;
    if (!std::filesystem::is_directory(run.Dir, notThere)) {
        Tell(streams.Err, Utf8Path(run.Dir) + " is no folder");
        return ExitStopped;
    }
    run.Date = DrawingDate();

    std::ostringstream probeErr;
    Session probe(probeErr);
    if (const auto stopped = ProbeSeries(probe, probeErr, run.Choice, streams.Err)) return *stopped;

    const std::vector<SeriesFailure> failures = DrawEverySet(run, probe, streams);
    const bool indexWritten =
        options.count("--index") == 0 ||
        WriteSeriesIndex(run, Chosen(run.Formats, "pdf"), streams.Out, streams.Err);
    const bool bookWritten = WriteSeriesBook(run, streams.Out, streams.Err);
    run.Conflicts.Print(streams.Out);
    for (const SeriesFailure& failure : failures) ListSeriesFailure(failure, streams.Err);
    return failures.empty() && indexWritten && bookWritten ? ExitSuccess : ExitStopped;
}

std::string SeriesFileStem(int setNumber, std::string_view description) {
    std::array<char, 16> number{};
    std::snprintf(number.data(), number.size(), "%02d", setNumber);
    const std::string kept = FileNameDescription(description);
    return kept.empty() ? std::string(number.data()) : std::string(number.data()) + "-" + kept;
}

}  // namespace quadrel
