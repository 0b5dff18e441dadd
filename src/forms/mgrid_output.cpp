// Create output and leaving the program: the drawing of the grid set on
// show, the exit question, and the offer to write the changed data files.
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "base/atomic_file.h"
#include "base/path_text.h"
#include "drawing/drawing.h"
#include "dxf/dxf_drawing.h"
#include "forms/data_file_dialogs.h"
#include "forms/formtitleblock.h"
#include "forms/mgrid.h"
#include "forms/mgrid_shape.h"
#include "forms/writegridtitlefilesform.h"
#include "model/messages.h"

namespace quadrel {
std::vector<Control*> TMGridInfo::DrawnControls() {
    std::vector<Control*> controls;
    for (const GridFieldEdit& entry : GridFieldEdits)
        controls.push_back(&(this->*entry.EditMember));
    for (RadioButton* corner : {&RBUpperLeft, &RBUpperRight, &RBLowerLeft, &RBLowerRight}) {
        controls.push_back(corner);
    }
    controls.push_back(&RGTitleBlock);
    return controls;
}

GridSet TMGridInfo::EditedGridSet() const {
    GridSet set;
    for (const GridFieldEdit& entry : GridFieldEdits) {
        set.*entry.Field = (this->*entry.EditMember).Text();
    }
    // The corners are tested in this order; the first checked one wins.
    const std::array<std::pair<const RadioButton*, const char*>, 4> corners{
        {{&RBUpperLeft, "UL"}, {&RBUpperRight, "UR"}, {&RBLowerRight, "LR"}, {&RBLowerLeft, "LL"}}};
    set.NorthArrowCorner = "UR";
    for (const auto& [button, code] : corners) {
        if (button->Checked()) {
            set.NorthArrowCorner = code;
            break;
        }
    }
    set.TitleBlockFlag = RGTitleBlock.ItemIndex() == TitleBlockPlotItem ? "Y" : "N";
    return set;
}

std::optional<TitleBlockChoice> TMGridInfo::ChosenTitleBlock(const std::string& type) const {
    if (RGTitleBlock.ItemIndex() != TitleBlockPlotItem) return TitleBlockChoice::None;
    if (type == "A") return TitleBlockChoice::TypeA;
    if (type == "B") return TitleBlockChoice::TypeB;
    return std::nullopt;
}

DrawingInput TMGridInfo::OutputInput(GridSet grid, const MapLayout& layout,
                                     TitleBlockChoice titleBlock, std::string fileName) const {
    DrawingInput input;
    input.Grid = std::move(grid);
    if (titleBlockForm_ != nullptr) input.Title = titleBlockForm_->ShownTitleSet();
    input.Layout = layout;
    input.TitleBlock = titleBlock;
    input.Date = GetPlatform().ShortDate();
    input.FileName = std::move(fileName);
    input.DecimalSeparator = GetPlatform().DecimalSeparator();
    return input;
}

void TMGridInfo::BitBtnCreateOutputClick() {
    DrawingWritten.reset();
    DetermineLimitsButtonClick();
    if (LimitsError != 0) return;

    // Whatever would stop the drawing stops it before a file name is asked
    // for, so no dialog is answered in vain and no file is left behind. A
    // text that is no number goes on to the event guard's report.
    const std::optional<TitleBlockChoice> titleBlock = ChosenTitleBlock(EditTitleBlockType.Text());
    if (!titleBlock) {
        ShowMessageCode(Messages::TitleBlockTypeInvalid, "Title Block Type");
        return;
    }
    DrawingInput input = OutputInput(EditedGridSet(), Layout, *titleBlock, "");
    try {
        CheckSheet(input);
    } catch (const DrawingError& error) {
        GetPlatform().ReportError(error.what());
        return;
    }

    const auto path = GetPlatform().SaveFileDialog(
        DrawingFileDialog(EditDescription.Text(), GridFileDirectory.value_or(DataDirectory)));
    if (!path) return;
    input.FileName = Utf8Path(*path);
    try {
        CreateDrawingFile(*path, input);
    } catch (const std::runtime_error& error) {
        // A file that could not be written or a drawing refused: a drawing
        // that was not written must not look like success, so no exit
        // question.
        GetPlatform().ReportError(error.what());
        return;
    }

    DrawingWritten = *path;
    // The exit question alone does not tell whether, or where, it was.
    MessageArea.SetCaption("Drawing written: " + Utf8Path(*path));
    bool closing = false;
    FormCloseQuery(closing);
    if (closing) GetPlatform().Exit(ExitStatusAfterOutput);
}

void TMGridInfo::FormCloseQuery(bool& canClose) {
    if (!GetPlatform().AskOkCancel("Exit program now?", "Exit program notice...")) {
        canClose = false;
        return;
    }
    canClose = true;
    if (titleBlockForm_ == nullptr || writeGridTitleFiles_ == nullptr) return;
    TFormWriteGridTitleFiles& dialog = *writeGridTitleFiles_;
    const bool gridChanged = Store.GridSetsChanged();
    const bool titleChanged = titleBlockForm_->Store.TitleSetsChanged();
    dialog.Offer(gridChanged, titleChanged);
    // A changed kind left without an answer is dropped only when the user
    // says so; Cancel shows the dialog again with the answers given kept.
    while (gridChanged || titleChanged) {
        GetPlatform().ShowModal(dialog);
        const std::optional<std::string> question = dialog.UnansweredQuestion();
        if (!question || GetPlatform().AskOkCancel(*question, std::string(UnansweredSaveCaption))) {
            break;
        }
    }

    // A save dialog cancelled or a file that could not be written keeps the
    // program open, so that no set is lost; both writers get their chance
    // first.
    if (dialog.GridChosen() && !WriteGridDataFile()) canClose = false;
    if (dialog.TitleChosen() && !titleBlockForm_->WriteTitleDataFile()) canClose = false;
}

void TMGridInfo::Close() {
    // Stays open should the query itself fail.
    bool canClose = false;
    Dispatch([this, &canClose] { FormCloseQuery(canClose); });
    if (canClose) GetPlatform().Exit(0);
}

}  // namespace quadrel
