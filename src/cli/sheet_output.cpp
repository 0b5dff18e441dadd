#include "cli/sheet_output.h"

#include <ostream>
#include <stdexcept>

#include "base/atomic_file.h"
#include "base/numbers.h"
#include "base/path_text.h"
#include "drawing/crs_file.h"

namespace quadrel {
namespace {

constexpr int MaxPlotDpi = 2400;

}  // namespace

bool CreateOutput(Session& session, const std::filesystem::path& path) {
    ScriptedPlatform& platform = session.platform;
    platform.SaveAnswers.assign({path});
    platform.OkCancelAnswers.assign({false});  // stay: the command ends itself
    session.form.BitBtnCreateOutput.Click();
    platform.SaveAnswers.clear();
    platform.OkCancelAnswers.clear();
    return session.form.DrawingWritten.has_value();
}

void ReportNoDrawing(const Session& session, std::ostream& err) {
    if (session.ErrorsReported > 0) return;
    const std::string shown = session.form.MessageArea.Caption();
    Tell(err, shown.find_first_not_of(' ') == std::string::npos ? "no drawing was written" : shown);
}

void RefuseInputAsOutput(const std::filesystem::path& output, const SheetChoice& choice) {
    const auto refuse = [&output](const char* kind, const std::string& input) {
        if (IsSameFile(output, PathFromUtf8(input))) {
            throw std::runtime_error(Utf8Path(output) + " is the " + kind + " " + input +
                                     "; the output must be another file");
        }
    };
    refuse("grid data file", choice.Grid);
    if (choice.Title) refuse("title block data file", *choice.Title);
}

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

int ParseDpi(const Options& options) {
    const auto option = options.find("--dpi");
    if (option == options.end()) return DefaultPlotDpi;
    const int dpi = ParseWholeNumber("--dpi", option->second);
    if (dpi < 1 || dpi > MaxPlotDpi) {
        throw UsageError("--dpi must be from 1 to " + std::to_string(MaxPlotDpi) + ", not " +
                         option->second);
    }
    return dpi;
}

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

}  // namespace quadrel
