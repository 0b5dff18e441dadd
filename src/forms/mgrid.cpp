#include "forms/mgrid.h"

#include <algorithm>

#include "app/numbers.h"

namespace quadrel {

TMGridInfo::TMGridInfo(Platform& platform)
    : Form(platform, "TMGridInfo", "Create Quadrel - Data Entry Form") {
    // Defaults first, handlers after: the form must come up without a single
    // change event, or the first default text would already create a set.
    SetUpControls();
    BindHandlers();
}

void TMGridInfo::Connect(TTitleBlockForm& titleBlockForm, TFormReallyDeleteSet& reallyDeleteSet,
                         TFormWriteGridTitleFiles& writeGridTitleFiles) {
    titleBlockForm_ = &titleBlockForm;
    reallyDeleteSet_ = &reallyDeleteSet;
    writeGridTitleFiles_ = &writeGridTitleFiles;
}

EventHandler TMGridInfo::FieldEvent(void (TMGridInfo::*handler)()) {
    // The report describes the fields as they were determined; once one
    // changes it would describe another sheet. Taken away first, so that a
    // handler stopped by a text that is no number takes it away too.
    return [this, guarded = Guarded(*this, handler)] {
        TakeAwayLimitsReport();
        guarded();
    };
}

void TMGridInfo::BindHandlers() {
    const auto change = [this](Edit& edit, void (TMGridInfo::*handler)()) {
        edit.OnChange = FieldEvent(handler);
    };
    change(EditDescription, &TMGridInfo::EditDescriptionChange);
    change(EditImpMet, &TMGridInfo::EditImpMetChange);
    change(EditYAxisTitle, &TMGridInfo::EditYAxisTitleChange);
    change(EditYMin, &TMGridInfo::EditYMinChange);
    change(EditYMax, &TMGridInfo::EditYMaxChange);
    change(EditYGrid, &TMGridInfo::EditYGridChange);
    change(EditYScale, &TMGridInfo::EditYScaleChange);
    change(EditYAdd, &TMGridInfo::EditYAddChange);
    change(EditYConst, &TMGridInfo::EditYConstChange);
    change(EditXAxisTitle, &TMGridInfo::EditXAxisTitleChange);
    change(EditXMin, &TMGridInfo::EditXMinChange);
    change(EditXMax, &TMGridInfo::EditXMaxChange);
    change(EditXGrid, &TMGridInfo::EditXGridChange);
    change(EditXScale, &TMGridInfo::EditXScaleChange);
    change(EditXAdd, &TMGridInfo::EditXAddChange);
    change(EditXConst, &TMGridInfo::EditXConstChange);
    change(EditTicLRType, &TMGridInfo::EditTicLRTypeChange);
    change(EditTicLRSpacing, &TMGridInfo::EditTicLRSpacingChange);
    change(EditTicLRMinimum, &TMGridInfo::EditTicLRMinimumChange);
    change(EditTicLRMaximum, &TMGridInfo::EditTicLRMaximumChange);
    change(EditTicLeft, &TMGridInfo::EditTicLeftChange);
    change(EditTicRight, &TMGridInfo::EditTicRightChange);
    change(EditTicTBType, &TMGridInfo::EditTicTBTypeChange);
    change(EditTicTBSpacing, &TMGridInfo::EditTicTBSpacingChange);
    change(EditTicTBMinimum, &TMGridInfo::EditTicTBMinimumChange);
    change(EditTicTBMaximum, &TMGridInfo::EditTicTBMaximumChange);
    change(EditTicTop, &TMGridInfo::EditTicTopChange);
    change(EditTicBottom, &TMGridInfo::EditTicBottomChange);
    change(EditCutLeft, &TMGridInfo::EditCutLeftChange);
    change(EditCutRight, &TMGridInfo::EditCutRightChange);
    change(EditCutTop, &TMGridInfo::EditCutTopChange);
    change(EditCutBottom, &TMGridInfo::EditCutBottomChange);
    change(EditBorderSize, &TMGridInfo::EditBorderSizeChange);
    change(EditSize, &TMGridInfo::EditSizeChange);
    change(EditDistMapEdge, &TMGridInfo::EditDistMapEdgeChange);
    change(EditTitleBlockType, &TMGridInfo::EditTitleBlockTypeChange);

    EditImpMet.OnClick = FieldEvent(&TMGridInfo::EditImpMetClick);
    EditYAdd.OnClick = FieldEvent(&TMGridInfo::EditYAddClick);
    EditXAdd.OnClick = FieldEvent(&TMGridInfo::EditXAddClick);
    EditTitleBlockType.OnClick = FieldEvent(&TMGridInfo::EditTitleBlockTypeClick);

    RBUpperLeft.OnClick = FieldEvent(&TMGridInfo::RBUpperLeftClick);
    RBUpperRight.OnClick = FieldEvent(&TMGridInfo::RBUpperRightClick);
    RBLowerLeft.OnClick = FieldEvent(&TMGridInfo::RBLowerLeftClick);
    RBLowerRight.OnClick = FieldEvent(&TMGridInfo::RBLowerRightClick);
    RGTitleBlock.OnClick = FieldEvent(&TMGridInfo::RGTitleBlockClick);

    const auto click = [this](Button& button, void (TMGridInfo::*handler)()) {
        button.OnClick = Guarded(*this, handler);
    };
    click(BitBtnCreateSampleFiles, &TMGridInfo::BitBtnCreateSampleFilesClick);
    click(ButtonGetFileName, &TMGridInfo::ButtonGetFileNameClick);
    click(ButtonGetTitleData, &TMGridInfo::ButtonGetTitleDataClick);
    click(BitBtnHelp, &TMGridInfo::BitBtnHelpClick);
    click(BitBtnUp, &TMGridInfo::BitBtnUpClick);
    click(BitBtnDown, &TMGridInfo::BitBtnDownClick);
    click(ButtonAddSet, &TMGridInfo::ButtonAddSetClick);
    click(ButtonDeleteSet, &TMGridInfo::ButtonDeleteSetClick);
    click(ButtonTitleBlockData, &TMGridInfo::ButtonTitleBlockDataClick);
    click(DetermineLimitsButton, &TMGridInfo::DetermineLimitsButtonClick);
    click(BitBtnCreateOutput, &TMGridInfo::BitBtnCreateOutputClick);
}

void TMGridInfo::ShowMessageCode(MessageCode code, std::string_view context) {
    GetPlatform().Beep();
    // Nothing may be drawn from data that has just been reported.
    DisableOutput();
    if (const auto text = MessageText(code, context)) MessageArea.SetCaption(*text);
}

void TMGridInfo::FirstSetRule() {
    // Before any data file, the form edits the one set that typing creates.
    if (!Store.GridFileLoaded && Store.GridSetCount == 0) {
        Store.GridSetCount = 1;
        Store.GridLineCount += GridLinesPerSet;
        Store.CurrentGridSet = 0;
    }
}

void TMGridInfo::EnableBothActions() {
    DetermineLimitsButton.SetEnabled(true);
    BitBtnCreateOutput.SetEnabled(true);
}

void TMGridInfo::EnableOutput() {
    BitBtnCreateOutput.SetEnabled(true);
}

void TMGridInfo::DisableOutput() {
    BitBtnCreateOutput.SetEnabled(false);
}

std::int32_t TMGridInfo::SetsInUse() const {
    return std::clamp(Store.GridSetCount, std::int32_t{0}, MaxGridSets);
}

GridSet& TMGridInfo::ShownSet() {
    // The current index addresses a set in use, or set 0 while there is none.
    // Nothing in this form moves it elsewhere; should another writer leave it
    // out of range, it is pulled back to the nearest set rather than letting
    // a handler write beyond the table.
    const std::int32_t last = std::max(SetsInUse(), std::int32_t{1}) - 1;
    Store.CurrentGridSet = std::clamp(Store.CurrentGridSet, std::int32_t{0}, last);
    return Store.GridSets[static_cast<std::size_t>(Store.CurrentGridSet)];
}

double TMGridInfo::ToNumber(std::string_view text) const {
    return ToDouble(text, GetPlatform().DecimalSeparator());
}

void TMGridInfo::StoreText(const Edit& edit, GridFieldPointer field) {
    ShownSet().*field = edit.Text();
}

}  // namespace quadrel
