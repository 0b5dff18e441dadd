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
#include "forms/mgrid.h"

namespace quadrel {
namespace {

constexpr int LimitDecimals = 1;  // limits and scales written back
constexpr int CutDecimals = 3;    // cutting borders written back

// A corrected value goes into the current set and into its edit; the edit's
// own change handling runs on it before the determination goes on.
void WriteBack(TMGridInfo& form, Edit& edit, GridFieldPointer field, std::string text) {
    form.Store.Current().*field = text;
    edit.SetText(std::move(text));
}

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

}  // namespace

void TMGridInfo::DetermineLimitsButtonClick() {
    Layout.LimitsError = 0;
    MessageArea.SetCaption(" ");
    BitBtnCreateSampleFiles.SetEnabled(false);
    SetLimitsReport(std::nullopt);

    std::string unit(FirstCharacters(UpperCase(EditImpMet.Text()), 1));
    if (unit != "I" && unit != "M") unit = "M";
    WriteBack(*this, EditImpMet, &GridSet::ImpMet, unit);
    Layout.Metric = EditImpMet.Text() == "M";

    const char separator = GetPlatform().DecimalSeparator();
    for (const auto& required : RequiredFields) {
        Edit& edit = this->*required.EditMember;
        if (!IsMissing(required, edit.Text(), separator)) continue;
        edit.SetText(std::string(FillInMarker));
        Layout.LimitsError = required.Code;
        ShowMessageCode(required.Code, required.Context);
        return;
    }

    LimitsInput input;
    input.Metric = Layout.Metric;
    input.XMax = ToDouble(EditXMax.Text(), separator);
    input.XMin = ToDouble(EditXMin.Text(), separator);
    input.YMax = ToDouble(EditYMax.Text(), separator);
    input.YMin = ToDouble(EditYMin.Text(), separator);
    input.XScale = ToDouble(EditXScale.Text(), separator);
    input.YScale = ToDouble(EditYScale.Text(), separator);

    // The edits show one decimal; the determination goes on with the values
    // as read.
    if (input.XMin > input.XMax) {
        std::swap(input.XMin, input.XMax);
        WriteBack(*this, EditXMin, &GridSet::XMin, FormatFixed(input.XMin, LimitDecimals));
        WriteBack(*this, EditXMax, &GridSet::XMax, FormatFixed(input.XMax, LimitDecimals));
    }
    if (input.YMin > input.YMax) {
        std::swap(input.YMin, input.YMax);
        WriteBack(*this, EditYMin, &GridSet::YMin, FormatFixed(input.YMin, LimitDecimals));
        WriteBack(*this, EditYMax, &GridSet::YMax, FormatFixed(input.YMax, LimitDecimals));
    }
    Layout.XMin = input.XMin;
    Layout.XMax = input.XMax;
    Layout.YMin = input.YMin;
    Layout.YMax = input.YMax;

    if (input.XScale < 0) {
        input.XScale = -input.XScale;
        WriteBack(*this, EditXScale, &GridSet::XScale, FormatFixed(input.XScale, LimitDecimals));
    }
    if (input.YScale < 0) {
        input.YScale = -input.YScale;
        WriteBack(*this, EditYScale, &GridSet::YScale, FormatFixed(input.YScale, LimitDecimals));
    }
    Layout.XScale = input.XScale;
    Layout.YScale = input.YScale;

    input.BorderSize = ToDouble(EditBorderSize.Text(), separator);
    Layout.BorderSize = input.BorderSize;

    input.PlotTitleBlock = RGTitleBlock.ItemIndex() == TitleBlockPlotItem;
    const std::string titleBlockType = EditTitleBlockType.Text();
    input.TitleBlockType = titleBlockType;

    const std::array<std::pair<Edit*, GridFieldPointer>, 4> cuts{{
        {&EditCutLeft, &GridSet::CutLeft},
        {&EditCutRight, &GridSet::CutRight},
        {&EditCutTop, &GridSet::CutTop},
        {&EditCutBottom, &GridSet::CutBottom},
    }};
    std::array<double, 4> cutValues{};
    for (std::size_t i = 0; i < cuts.size(); ++i) {
        auto [edit, field] = cuts[i];
        if (edit->Text().empty()) {
            WriteBack(*this, *edit, field, FormatFixed(0.0, CutDecimals));
            cutValues[i] = 0.0;
            continue;
        }
        double value = ToDouble(edit->Text(), separator);
        if (value < 0) {
            value = -value;
            WriteBack(*this, *edit, field, FormatFixed(value, CutDecimals));
        }
        cutValues[i] = value;
    }
    input.CutLeft = cutValues[0];
    input.CutRight = cutValues[1];
    input.CutTop = cutValues[2];
    input.CutBottom = cutValues[3];

    const SheetSize sheet = ComputeMapLayout(Layout, input);
    SetLimitsReport(MakeLimitsReport(Layout, sheet));
    BitBtnCreateOutput.SetEnabled(true);
}

void TMGridInfo::SetLimitsReport(std::optional<LimitsReport> report) {
    LimitsReportShown = std::move(report);
    if (OnLimitsReportChanged) OnLimitsReportChanged();
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
