// The command buttons of the main form: opening the data files, the sample
// files, Determine Limits, help, and the exit flow's grid writer.
#include <string>
#include <utility>

#include "base/atomic_file.h"
#include "base/numbers.h"
#include "base/text.h"
#include "datafiles/grid_file.h"
#include "datafiles/sample_files.h"
#include "datafiles/title_file.h"
#include "forms/data_file_dialogs.h"
#include "forms/formtitleblock.h"
#include "forms/limits_determination.h"
#include "forms/mgrid.h"
#include "layout/limits_report.h"
#include "layout/map_layout.h"

namespace quadrel {
namespace {

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

void TMGridInfo::DetermineLimitsButtonClick() {
    LimitsError = 0;
    MessageArea.SetCaption(" ");
    BitBtnCreateSampleFiles.SetEnabled(false);
    SetLimitsReport(std::nullopt);

    FormEdits edits(*this);
    const LimitsOutcome outcome =
        DetermineLayout(*this, edits, Layout, GetPlatform().DecimalSeparator());
    if (outcome.MissingEdit != nullptr) {
        outcome.MissingEdit->SetText(std::string(FillInMarker));
        LimitsError = outcome.MissingCode;
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
    const auto path = GetPlatform().OpenFileDialog(
        DataFileDialog("Find the grid data file you want...", DataDirectory));
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
        LimitsError = Messages::GridSetCapacity;
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
    const auto path = GetPlatform().OpenFileDialog(
        DataFileDialog("Find the title data file you want...", DataDirectory));
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
        LimitsError = Messages::TitleSetCapacity;
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
