#include "cli/series_steps.h"

#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <ostream>

#include "base/numbers.h"
#include "base/path_text.h"
#include "base/text.h"
#include "cli/sheet_output.h"
#include "drawing/crs_file.h"
#include "dxf/dxf_drawing.h"

namespace quadrel {
namespace {

bool WriteDxf(Session& session, const std::filesystem::path& path, std::ostream& err,
              SeriesRun& /*run*/) {
    if (CreateOutput(session, path)) return true;
    ReportNoDrawing(session, err);
    return false;
}

bool WritePlot(Session& session, const std::filesystem::path& path, std::ostream& err,
               SeriesRun& run) {
    std::unique_ptr<DrawnSheet> drawn = DrawShownSheet(session, Utf8Path(path), err);
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

}  // namespace

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
            const std::filesystem::path path =
                run.Dir / PathFromUtf8(name + std::string(format->Extension));
            bool written = false;
            try {
                RefuseInputAsOutput(path, run.Choice);
                written = format->Write(session, path, setErr, run);
            } catch (const std::exception& error) {
                Tell(setErr, error.what());
            }
            if (written) out << Utf8Path(path) << '\n';
            add(written ? failure.Written : failure.Failed, format->Name);
        }
        if (shown && failure.Failed.empty()) {
            KeepForIndex(run, set, session.form.EditedGridSet(), session.form.Layout);
            const std::string drawing = Utf8Path(run.Dir / PathFromUtf8(name + ".dxf"));
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

bool WriteSeriesIndex(SeriesRun& run, bool pdf, std::ostream& out, std::ostream& err) {
    try {
        IndexSheet index = PlanIndexSheet(run.Drawn, run.Axes);
        const std::filesystem::path drawing = run.Dir / "index.dxf";
        RefuseInputAsOutput(drawing, run.Choice);
        CreateIndexFile(drawing, index);
        out << Utf8Path(drawing) << '\n';
        if (pdf) {
            SheetRecorder sheet;
            DrawIndexSheet(sheet, index);
            const std::filesystem::path plot = run.Dir / "index.pdf";
            RefuseInputAsOutput(plot, run.Choice);
            run.Plots.WriteSheet({&sheet, &index.Layout, {}}, plot, DefaultPlotDpi);
            out << Utf8Path(plot) << '\n';
            run.Index = std::move(index);
        }
        return true;
    } catch (const std::exception& error) {
        err << Prefix << "the index of the series was not written: " << error.what() << '\n';
        return false;
    }
}

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
        out << Utf8Path(book) << '\n';
        return true;
    } catch (const std::exception& error) {
        // The sets that were not drawn are still to be listed.
        err << Prefix << Utf8Path(book) << " was not written: " << error.what() << '\n';
        return false;
    }
}

std::optional<int> ProbeSeries(Session& probe, std::ostringstream& probeErr,
                               const SheetChoice& choice, std::ostream& err) {
    probe.platform.OpenAnswers.emplace_back(PathFromUtf8(choice.Grid));
    probe.form.ButtonGetFileName.Click();
    if (!probe.form.Store.GridFileLoaded) {
        err << probeErr.str();
        return StoppedByMessage(probe, err);
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

}  // namespace quadrel
