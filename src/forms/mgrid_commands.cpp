// The command buttons of the main form: opening the data files, the sample
// files, Determine Limits, help, and the exit flow's grid writer.
#include <array>
#include <string>
#include <tuple>
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

// The limits and scales, in the order they have always been read; limits
// the wrong way round are swapped and negative scales made positive. The
// edits show one decimal; the determination goes on with the values as read.
void ReadLimitsAndScales(TMGridInfo& form, LimitsEdits& edits, LimitsInput& input, char separator) {
    input.XMax = ToDouble(edits.Text(form.EditXMax), separator);
    input.XMin = ToDouble(edits.Text(form.EditXMin), separator);
    input.YMax = ToDouble(edits.Text(form.EditYMax), separator);
    input.YMin = ToDouble(edits.Text(form.EditYMin), separator);
    input.XScale = ToDouble(edits.Text(form.EditXScale), separator);
    input.YScale = ToDouble(edits.Text(form.EditYScale), separator);
    const auto order = [&edits](double& min, double& max, Edit& minEdit, Edit& maxEdit,
                                GridFieldPointer minField, GridFieldPointer maxField) {
        if (min <= max) return;
        std::swap(min, max);
        edits.Correct(minEdit, minField, FormatFixed(min, LimitDecimals));
        edits.Correct(maxEdit, maxField, FormatFixed(max, LimitDecimals));
    };
    order(input.XMin, input.XMax, form.EditXMin, form.EditXMax, &GridSet::XMin, &GridSet::XMax);
    order(input.YMin, input.YMax, form.EditYMin, form.EditYMax, &GridSet::YMin, &GridSet::YMax);
    const auto positive = [&edits](double& scale, Edit& edit, GridFieldPointer field) {
        if (scale >= 0) return;
        scale = -scale;
        edits.Correct(edit, field, FormatFixed(scale, LimitDecimals));
    };
    positive(input.XScale, form.EditXScale, &GridSet::XScale);
    positive(input.YScale, form.EditYScale, &GridSet::YScale);
}

// A grid spacing never typed (a sheet typed from scratch) is filled as the
// edit fills one that is cleared: ten grid lines across the limits.
void FillEmptySpacings(TMGridInfo& form, LimitsEdits& edits, const LimitsInput& input) {
    const auto fill = [&edits](Edit& edit, GridFieldPointer field, double min, double max) {
        if (!Trim(edits.Text(edit)).empty()) return;
        edits.Correct(edit, field, FormatFixed((max - min) * 0.1, LimitDecimals));
    };
    fill(form.EditXGrid, &GridSet::XGrid, input.XMin, input.XMax);
    fill(form.EditYGrid, &GridSet::YGrid, input.YMin, input.YMax);
}

// The four cutting borders: an empty one is 0, a negative one made positive.
void ReadCuts(TMGridInfo& form, LimitsEdits& edits, LimitsInput& input, char separator) {
    const std::array<std::tuple<Edit*, GridFieldPointer, double*>, 4> cuts{{
        {&form.EditCutLeft, &GridSet::CutLeft, &input.CutLeft},
        {&form.EditCutRight, &GridSet::CutRight, &input.CutRight},
        {&form.EditCutTop, &GridSet::CutTop, &input.CutTop},
        {&form.EditCutBottom, &GridSet::CutBottom, &input.CutBottom},
    }};
    for (const auto& [edit, field, value] : cuts) {
        const std::string text = edits.Text(*edit);
        if (text.empty()) {
            edits.Correct(*edit, field, FormatFixed(0.0, CutDecimals));
            *value = 0.0;
            continue;
        }
        *value = ToDouble(text, separator);
        if (*value < 0) {
            *value = -*value;
            edits.Correct(*edit, field, FormatFixed(*value, CutDecimals));
        }
    }
}

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
    ReadLimitsAndScales(form, edits, input, separator);
    layout.XMin = input.XMin;
    layout.XMax = input.XMax;
    layout.YMin = input.YMin;
    layout.YMax = input.YMax;
    layout.XScale = input.XScale;
    layout.YScale = input.YScale;
    FillEmptySpacings(form, edits, input);

    input.BorderSize = ToDouble(edits.Text(form.EditBorderSize), separator);
    layout.BorderSize = input.BorderSize;
    input.PlotTitleBlock = form.RGTitleBlock.ItemIndex() == TitleBlockPlotItem;
    const std::string titleBlockType = edits.Text(form.EditTitleBlockType);
    input.TitleBlockType = titleBlockType;
    ReadCuts(form, edits, input, separator);

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
    GridFileDirectory = FolderOf(*path);
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
    titleBlockForm_->TitleFileDirectory = FolderOf(*path);
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
    return SaveDataFile(GetPlatform(),
                        DataFileDialog("Find or create the grid data file you want...",
                                       GridFileDirectory.value_or(DataDirectory)),
                        [this](const std::filesystem::path& path) { WriteGridFile(path, Store); });
}

}  // namespace quadrel
