#include "forms/mgrid.h"

#include <algorithm>

#include "base/numbers.h"
#include "forms/mgrid_shape.h"

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
    for (const GridFieldEdit& entry : GridFieldEdits) {
        Edit& edit = this->*entry.EditMember;
        edit.OnChange = FieldEvent(entry.Change);
        if (entry.Click != nullptr) edit.OnClick = FieldEvent(entry.Click);
    }
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
    Store.EnsureFirstSet();
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

double TMGridInfo::ToNumber(std::string_view text) const {
    return ToDouble(text, GetPlatform().DecimalSeparator());
}

void TMGridInfo::StoreText(const Edit& edit, GridFieldPointer field) {
    Store.Current().*field = edit.Text();
}

}  // namespace quadrel
