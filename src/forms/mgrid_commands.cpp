// The command buttons of the main form: opening the data files, the sample
// files, Determine Limits, help, and the exit flow's grid writer.
#include <array>
#include <string>
#include <utility>

#include "app/atomic_file.h"
#include "app/numbers.h"
#include "app/text.h"
#include "datafiles/grid_file.h"
#include "datafiles/sample_files.h"
#include "datafiles/title_file.h"
#include "layout/limits_report.h"
#include "layout/map_layout.h"
#include "forms/data_file_dialogs.h"
#include "forms/formtitleblock.h"
#include "forms/limits_determination.h"
#include "forms/mgrid.h"

namespace quadrel {
namespace {

constexpr int LimitDecimals = 1;  // limits and scales written back
constexpr int CutDecimals = 3;    // cutting borders written back

struct RequiredField {
    Edit TMGridInfo::*EditMember;
    MessageCode Code;
    std::string_view Context;
    bool IsScale;
};

// The order in which missing fields are reported.
constexpr std::array<RequiredField, 6> RequiredFields{{
    {&TMGridInfo::EditYMin, Messages::MinimumYMissing, "YMin", false},
    {&TMGridInfo::EditYMax, Messages::MaximumYMissing, "YMax", false},
    {&TMGridInfo::EditYScale, Messages::YScaleMissing, "YScale", true},
    {&TMGridInfo::EditXMin, Messages::MinimumXMissing, "XMin", false},
    {&TMGridInfo::EditXMax, Messages::MaximumXMissing, "XMax", false},
    {&TMGridInfo::EditXScale, Messages::XScaleMissing, "XScale", true},
}};

// A scale of 0 would make every sheet size a division by zero; it tells the
// user no more than an empty scale does, so it is reported the same way.
bool IsMissing(const RequiredField& required, const std::string& text, char separator) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed == FillInMarkerTrimmed) return true;
    if (!required.IsScale) return false;
    const auto value = TryToDouble(trimmed, separator);
    return value && *value == 0.0;
}

// The button's way: a corrected value goes into the current set and into
// its edit; the edit's own change handling runs on it before the
// determination goes on.
class FormEdits final : public LimitsEdits {
public:
    explicit FormEdits(TMGridInfo& form) : form_(form) {}
    std::string Text(const Edit& edit) const override { return edit.Text(); }
    void Correct(Edit& edit, GridFieldPointer field, std::string text) override {
        form_.Store.Current().*field = text;
        edit.SetText(std::move(text));
    }

private:
    TMGridInfo& form_;
};

}  // namespace

LimitsOutcome DetermineLayout(TMGridInfo& form, LimitsEdits& edits, MapLayout& layout,
                              char separator) {
    LimitsOutcome outcome;
    std::string unit(FirstCharacters(UpperCase(edits.Text(form.EditImpMet)), 1));
    if (unit != "I" && unit != "M") unit = "M";
    edits.Correct(form.EditImpMet, &GridSet::ImpMet, unit);
    layout.Metric = edits.Text(form.EditImpMet) == "M";

    for (const auto& required : RequiredFields) {
        Edit& edit = form.*required.EditMember;
        if (!IsMissing(required, edits.Text(edit), separator)) continue;
        outcome.MissingEdit = &edit;
        outcome.MissingCode = required.Code;
        outcome.MissingContext = required.Context;
        return outcome;
    }

    LimitsInput input;
    input.Metric = layout.Metric;
    input.XMax = ToDouble(edits.Text(form.EditXMax), separator);
    input.XMin = ToDouble(edits.Text(form.EditXMin), separator);
    input.YMax = ToDouble(edits.Text(form.EditYMax), separator);
    input.YMin = ToDouble(edits.Text(form.EditYMin), separator);
    input.XScale = ToDouble(edits.Text(form.EditXScale), separator);
    input.YScale = ToDouble(edits.Text(form.EditYScale), separator);

    // The edits show one decimal; the determination goes on with the values
    // as read.
    if (input.XMin > input.XMax) {
        std::swap(input.XMin, input.XMax);
        edits.Correct(form.EditXMin, &GridSet::XMin, FormatFixed(input.XMin, LimitDecimals));
        edits.Correct(form.EditXMax, &GridSet::XMax, FormatFixed(input.XMax, LimitDecimals));
    }
    if (input.YMin > input.YMax) {
        std::swap(input.YMin, input.YMax);
        edits.Correct(form.EditYMin, &GridSet::YMin, FormatFixed(input.YMin, LimitDecimals));
        edits.Correct(form.EditYMax, &GridSet::YMax, FormatFixed(input.YMax, LimitDecimals));
    }
    layout.XMin = input.XMin;
    layout.XMax = input.XMax;
    layout.YMin = input.YMin;
    layout.YMax = input.YMax;

    if (input.XScale < 0) {
        input.XScale = -input.XScale;
        edits.Correct(form.EditXScale, &GridSet::XScale, FormatFixed(input.XScale, LimitDecimals));
    }
    if (input.YScale < 0) {
        input.YScale = -input.YScale;
        edits.Correct(form.EditYScale, &GridSet::YScale, FormatFixed(input.YScale, LimitDecimals));
    }
    layout.XScale = input.XScale;
    layout.YScale = input.YScale;

    input.BorderSize = ToDouble(edits.Text(form.EditBorderSize), separator);
    layout.BorderSize = input.BorderSize;

    input.PlotTitleBlock = form.RGTitleBlock.ItemIndex() == TitleBlockPlotItem;
    const std::string titleBlockType = edits.Text(form.EditTitleBlockType);
    input.TitleBlockType = titleBlockType;

    const std::array<std::pair<Edit*, GridFieldPointer>, 4> cuts{{
        {&form.EditCutLeft, &GridSet::CutLeft},
        {&form.EditCutRight, &GridSet::CutRight},
        {&form.EditCutTop, &GridSet::CutTop},
        {&form.EditCutBottom, &GridSet::CutBottom},
    }};
    std::array<double, 4> cutValues{};
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        auto [edit, field] = cuts[i];
        const std::string text = edits.Text(*edit);
        if (text.empty()) {
            edits.Correct(*edit, field, FormatFixed(0.0, CutDecimals));
            cutValues[i] = 0.0;
            continue;
        }
        double value = ToDouble(text, separator);
        if (value < 0) {
            value = -value;
            edits.Correct(*edit, field, FormatFixed(value, CutDecimals));
        }
        cutValues[i] = value;
    }
    input.CutLeft = cutValues[0];
    input.CutRight = cutValues[1];
    input.CutTop = cutValues[2];
    input.CutBottom = cutValues[3];

    outcome.Sheet = ComputeMapLayout(layout, input);
    return outcome;
}

void TMGridInfo::DetermineLimitsButtonClick() {
    Layout.LimitsError = 0;
    MessageArea.SetCaption(" ");
    BitBtnCreateSampleFiles.SetEnabled(false);
    SetLimitsReport(std::nullopt);

    FormEdits edits(*this);
    const LimitsOutcome outcome =
        DetermineLayout(*this, edits, Layout, GetPlatform().DecimalSeparator());
    if (outcome.MissingEdit != nullptr) {
        outcome.MissingEdit->SetText(std::string(FillInMarker));
        Layout.LimitsError = outcome.MissingCode;
        ShowMessageCode(outcome.MissingCode, outcome.MissingContext);
        return;
    }
    SetLimitsReport(MakeLimitsReport(Layout, outcome.Sheet));
    BitBtnCreateOutput.SetEnabled(true);
}

void TMGridInfo::SetLimitsReport(std::optional<LimitsReport> report) {
    LimitsReportShown = std::move(report);
    if (OnLimitsReportChanged) OnLimitsReportChanged();
}

void TMGridInfo::TakeAwayLimitsReport() {
    if (LimitsReportShown) SetLimitsReport(std::nullopt);
}

void TMGridInfo::ButtonGetFileNameClick() {
    const auto path =
        GetPlatform().OpenFileDialog(DataFileDialog("Find the grid data file you want...", DataDirectory));
    if (!path) return;
    ReadOutcome outcome{};
    try {
        outcome = ReadGridFile(*path, Store);
    } catch (const FileError& error) {
        // A file that cannot be read is said so; the sets stay as they were.
        GetPlatform().ReportError(error.what());
        return;
    }
    if (outcome == ReadOutcome::CapacityReached) {
        Layout.LimitsError = Messages::GridSetCapacity;
        ShowMessageCode(Messages::GridSetCapacity, "Read grid data");
        return;
    }
    Store.GridFileLoaded = true;
    ShowGridSet();
    ButtonGetFileName.SetEnabled(false);
    DetermineLimitsButton.SetEnabled(false);
    BitBtnCreateOutput.SetEnabled(true);
    DetermineLimitsButtonClick();
}

void TMGridInfo::ButtonGetTitleDataClick() {
    if (titleBlockForm_ == nullptr) return;
    titleBlockForm_->DataDirectory = DataDirectory;
    const auto path =
        GetPlatform().OpenFileDialog(DataFileDialog("Find the title data file you want...", DataDirectory));
    if (!path) return;
    ReadOutcome outcome{};
    try {
        outcome = ReadTitleFile(*path, titleBlockForm_->Store);
    } catch (const FileError& error) {
        BitBtnCreateOutput.SetEnabled(false);
        GetPlatform().ReportError(error.what());
        return;
    }
    if (outcome == ReadOutcome::CapacityReached) {
        Layout.LimitsError = Messages::TitleSetCapacity;
        ShowMessageCode(Messages::TitleSetCapacity, "Read title data");
        return;
    }
    titleBlockForm_->Store.TitleFileLoaded = true;
    titleBlockForm_->ShowTitleSet();
    GetPlatform().ShowModal(*titleBlockForm_);
    BitBtnCreateOutput.SetEnabled(true);
    ButtonGetTitleData.SetEnabled(false);
}

void TMGridInfo::BitBtnCreateSampleFilesClick() {
    BitBtnCreateSampleFiles.SetEnabled(false);
    try {
        WriteSampleFiles(WorkingDirectory);
    } catch (const FileError& error) {
        // The message promises two files; it is shown only when both exist.
        GetPlatform().ReportError(error.what());
        return;
    }
    ShowMessageCode(Messages::SampleFilesCreated, "Sample Files");
}

void TMGridInfo::BitBtnHelpClick() {
    GetPlatform().ShowHelp(std::string(HelpFileName), HelpContentsCommand, 0);
}

void TMGridInfo::ButtonTitleBlockDataClick() {
    if (titleBlockForm_ == nullptr) return;
    titleBlockForm_->DataDirectory = DataDirectory;
    GetPlatform().ShowModal(*titleBlockForm_);
}

bool TMGridInfo::WriteGridDataFile() {
    if (Store.GridLineCount == 0) return true;
    return SaveDataFile(
        GetPlatform(),
        DataFileDialog("Find or create the grid data file you want...", DataDirectory),
        [this](const std::filesystem::path& path) { WriteGridFile(path, Store); });
}

}  // namespace quadrel
