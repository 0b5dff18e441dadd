// The change and click handlers of the set fields: each normalises what was
// typed, stores it into the current grid set, keeps the working layout values
// up to date and switches the two action buttons.
#include <string>
#include <string_view>

#include "base/numbers.h"
#include "base/text.h"
#include "forms/limits_determination.h"
#include "forms/mgrid.h"

namespace quadrel {
namespace {

// "M" for metric, "I" for imperial; anything else is taken as metric.
std::string NormalisedUnitSystem(std::string_view text) {
    std::string letter = UpperCase(FirstCharacters(text, 1));
    return letter == "I" || letter == "M" ? letter : "M";
}

// "A" or "B"; anything else is the full title block, "A".
std::string NormalisedTitleBlockType(std::string_view text) {
    std::string letter = UpperCase(FirstCharacters(text, 1));
    return letter == "A" || letter == "B" ? letter : "A";
}

// "1" adds the grid spacing directly to the minimum; anything else is "0".
std::string NormalisedAddFlag(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string digit(FirstCharacters(trimmed, 1));
    return digit == "0" || digit == "1" ? digit : "0";
}

// Replaces the edit's text by its trimmed text; when that differs, the
// edit's own handler runs on the trimmed text before the caller goes on.
void TrimInPlace(Edit& edit) {
    edit.SetText(Trim(edit.Text()));
}

// A required limit that has not been given a value yet.
bool IsUnfilled(std::string_view text) {
    return text.empty() || text == FillInMarkerTrimmed;
}

}  // namespace

// ---- Handling shared by the rows ----

void TMGridInfo::LimitMinimumChange(Edit& edit, GridFieldPointer field,
                                    double MapLayout::*working) {
    FirstSetRule();
    TrimInPlace(edit);
    const std::string text = edit.Text();
    Layout.*working = IsUnfilled(text) ? 0.0 : ToNumber(text);
    Store.Current().*field = text;
    EnableBothActions();
}

void TMGridInfo::LimitMaximumChange(Edit& edit, GridFieldPointer field, double MapLayout::*working,
                                    double MapLayout::*minimum) {
    FirstSetRule();
    TrimInPlace(edit);
    const std::string text = edit.Text();
    // Until a maximum is given, the grid is taken to span 1000 units.
    Layout.*working = IsUnfilled(text) ? Layout.*minimum + 1000.0 : ToNumber(text);
    Store.Current().*field = text;
    EnableBothActions();
}

void TMGridInfo::GridSpacingChange(Edit& edit, GridFieldPointer field, double MapLayout::*working,
                                   double MapLayout::*minimum, double MapLayout::*maximum) {
    FirstSetRule();
    if (Trim(edit.Text()).empty()) {
        // An empty spacing gives ten grid lines across the limits.
        Layout.*working = (Layout.*maximum - Layout.*minimum) * 0.1;
        edit.SetText(FormatFixed(Layout.*working, 1));
    } else {
        Layout.*working = ToNumber(edit.Text());
    }
    StoreText(edit, field);
}

void TMGridInfo::AddFlagChange(Edit& edit, GridFieldPointer field) {
    FirstSetRule();
    const std::string flag = NormalisedAddFlag(edit.Text());
    Store.Current().*field = flag;
    edit.SetText(flag);
    EnableOutput();
}

void TMGridInfo::AddFlagClick(Edit& edit, GridFieldPointer field) {
    FirstSetRule();
    const std::string flag = NormalisedAddFlag(edit.Text()) == "0" ? "1" : "0";
    Store.Current().*field = flag;
    edit.SetText(flag);
    EnableOutput();
}

void TMGridInfo::LabelConstantChange(Edit& edit, GridFieldPointer field) {
    FirstSetRule();
    if (Trim(edit.Text()).empty()) edit.SetText("0.0");
    StoreText(edit, field);
    EnableOutput();
}

void TMGridInfo::TickTypeChange(Edit& edit, GridFieldPointer field) {
    FirstSetRule();
    TrimInPlace(edit);
    // Only the first character counts; the range is checked when a set is
    // shown, not while typing.
    edit.SetText(edit.Text().empty() ? std::string("0")
                                     : std::string(FirstCharacters(edit.Text(), 1)));
    StoreText(edit, field);
    EnableOutput();
}

// ---- Change handlers ----

void TMGridInfo::EditDescriptionChange() {
    FirstSetRule();
    StoreText(EditDescription, &GridSet::Description);
}

void TMGridInfo::EditImpMetChange() {
    FirstSetRule();
    const std::string unitSystem = NormalisedUnitSystem(EditImpMet.Text());
    Store.Current().ImpMet = unitSystem;
    EditImpMet.SetText(unitSystem);
    Layout.Metric = EditImpMet.Text() == "M";
    EnableBothActions();
}

// A changed axis title is not in a drawing made before, so none may be made
// until something else is changed or the limits are determined again.
void TMGridInfo::EditYAxisTitleChange() {
    FirstSetRule();
    StoreText(EditYAxisTitle, &GridSet::YAxisTitle);
    DisableOutput();
}

void TMGridInfo::EditXAxisTitleChange() {
    FirstSetRule();
    StoreText(EditXAxisTitle, &GridSet::XAxisTitle);
    DisableOutput();
}

void TMGridInfo::EditYMinChange() {
    LimitMinimumChange(EditYMin, &GridSet::YMin, &MapLayout::YMin);
}

void TMGridInfo::EditXMinChange() {
    LimitMinimumChange(EditXMin, &GridSet::XMin, &MapLayout::XMin);
}

void TMGridInfo::EditYMaxChange() {
    LimitMaximumChange(EditYMax, &GridSet::YMax, &MapLayout::YMax, &MapLayout::YMin);
}

void TMGridInfo::EditXMaxChange() {
    LimitMaximumChange(EditXMax, &GridSet::XMax, &MapLayout::XMax, &MapLayout::XMin);
}

// The two rows switch the buttons differently, and have always done so.
void TMGridInfo::EditYGridChange() {
    GridSpacingChange(EditYGrid, &GridSet::YGrid, &MapLayout::YGrid, &MapLayout::YMin,
                      &MapLayout::YMax);
    EnableBothActions();
}

void TMGridInfo::EditXGridChange() {
    GridSpacingChange(EditXGrid, &GridSet::XGrid, &MapLayout::XGrid, &MapLayout::XMin,
                      &MapLayout::XMax);
    EnableOutput();
}

// The scales are checked when the limits are determined; the Y scale keeps
// its blanks, the X scale is trimmed, as both always were.
void TMGridInfo::EditYScaleChange() {
    FirstSetRule();
    StoreText(EditYScale, &GridSet::YScale);
    EnableBothActions();
}

void TMGridInfo::EditXScaleChange() {
    FirstSetRule();
    TrimInPlace(EditXScale);
    StoreText(EditXScale, &GridSet::XScale);
    EnableBothActions();
}

void TMGridInfo::EditYAddChange() {
    AddFlagChange(EditYAdd, &GridSet::YAdd);
}

void TMGridInfo::EditXAddChange() {
    AddFlagChange(EditXAdd, &GridSet::XAdd);
}

void TMGridInfo::EditYConstChange() {
    LabelConstantChange(EditYConst, &GridSet::YConst);
}

void TMGridInfo::EditXConstChange() {
    LabelConstantChange(EditXConst, &GridSet::XConst);
}

void TMGridInfo::EditTicLRTypeChange() {
    TickTypeChange(EditTicLRType, &GridSet::HtPosition);
}

void TMGridInfo::EditTicTBTypeChange() {
    TickTypeChange(EditTicTBType, &GridSet::VtPosition);
}

// Fields stored as typed: they are read as numbers only where they are
// drawn or where the limits are determined.

void TMGridInfo::EditTicLRMinimumChange() {
    FirstSetRule();
    StoreText(EditTicLRMinimum, &GridSet::HtStart);
    EnableOutput();
}

void TMGridInfo::EditTicLRMaximumChange() {
    FirstSetRule();
    StoreText(EditTicLRMaximum, &GridSet::HtEnd);
    EnableOutput();
}

void TMGridInfo::EditTicLeftChange() {
    FirstSetRule();
    StoreText(EditTicLeft, &GridSet::HtLengthLeft);
    EnableOutput();
}

void TMGridInfo::EditTicRightChange() {
    FirstSetRule();
    StoreText(EditTicRight, &GridSet::HtLengthRight);
    EnableOutput();
}

void TMGridInfo::EditTicTBMinimumChange() {
    FirstSetRule();
    StoreText(EditTicTBMinimum, &GridSet::VtStart);
    EnableOutput();
}

void TMGridInfo::EditTicTBMaximumChange() {
    FirstSetRule();
    StoreText(EditTicTBMaximum, &GridSet::VtEnd);
    EnableOutput();
}

void TMGridInfo::EditTicTopChange() {
    FirstSetRule();
    StoreText(EditTicTop, &GridSet::VtLengthTop);
    EnableOutput();
}

void TMGridInfo::EditTicBottomChange() {
    FirstSetRule();
    StoreText(EditTicBottom, &GridSet::VtLengthBottom);
    EnableOutput();
}

void TMGridInfo::EditBorderSizeChange() {
    FirstSetRule();
    StoreText(EditBorderSize, &GridSet::BorderSize);
    EnableOutput();
}

void TMGridInfo::EditSizeChange() {
    FirstSetRule();
    StoreText(EditSize, &GridSet::NorthArrowSize);
    EnableOutput();
}

void TMGridInfo::EditDistMapEdgeChange() {
    FirstSetRule();
    StoreText(EditDistMapEdge, &GridSet::NorthArrowDistance);
    EnableOutput();
}

void TMGridInfo::EditCutLeftChange() {
    FirstSetRule();
    StoreText(EditCutLeft, &GridSet::CutLeft);
    EnableBothActions();
}

void TMGridInfo::EditCutRightChange() {
    FirstSetRule();
    StoreText(EditCutRight, &GridSet::CutRight);
    EnableBothActions();
}

void TMGridInfo::EditCutTopChange() {
    FirstSetRule();
    StoreText(EditCutTop, &GridSet::CutTop);
    EnableBothActions();
}

void TMGridInfo::EditCutBottomChange() {
    FirstSetRule();
    StoreText(EditCutBottom, &GridSet::CutBottom);
    EnableBothActions();
}

void TMGridInfo::EditTitleBlockTypeChange() {
    FirstSetRule();
    const std::string type = NormalisedTitleBlockType(EditTitleBlockType.Text());
    Store.Current().TitleBlockType = type;
    EditTitleBlockType.SetText(type);
    EnableOutput();
}

// ---- Click handlers ----

void TMGridInfo::NorthArrowCornerClick(std::string_view corner) {
    FirstSetRule();
    Store.Current().NorthArrowCorner = std::string(corner);
    EnableOutput();
}

void TMGridInfo::RBUpperLeftClick() {
    NorthArrowCornerClick("UL");
}

void TMGridInfo::RBUpperRightClick() {
    NorthArrowCornerClick("UR");
}

void TMGridInfo::RBLowerLeftClick() {
    NorthArrowCornerClick("LL");
}

void TMGridInfo::RBLowerRightClick() {
    NorthArrowCornerClick("LR");
}

void TMGridInfo::RGTitleBlockClick() {
    FirstSetRule();
    if (RGTitleBlock.ItemIndex() == 1) {
        Store.Current().TitleBlockFlag = "N";
    } else {
        Store.Current().TitleBlockFlag = "Y";
        // A block to be plotted needs a valid type.
        EditTitleBlockTypeChange();
    }
    EnableBothActions();
}

// A click into one of these edits flips its value; the change that the
// write-back raises then finds the text already normalised.
void TMGridInfo::EditImpMetClick() {
    FirstSetRule();
    std::string unitSystem = NormalisedUnitSystem(EditImpMet.Text());
    if (unitSystem == "M") {
        unitSystem = "I";
        Layout.Metric = false;
    } else {
        unitSystem = "M";
        Layout.Metric = true;
    }
    Store.Current().ImpMet = unitSystem;
    EditImpMet.SetText(unitSystem);
    EnableBothActions();
}

void TMGridInfo::EditYAddClick() {
    AddFlagClick(EditYAdd, &GridSet::YAdd);
}

void TMGridInfo::EditXAddClick() {
    AddFlagClick(EditXAdd, &GridSet::XAdd);
}

void TMGridInfo::EditTitleBlockTypeClick() {
    FirstSetRule();
    const std::string type = NormalisedTitleBlockType(EditTitleBlockType.Text()) == "A" ? "B" : "A";
    Store.Current().TitleBlockType = type;
    EditTitleBlockType.SetText(type);
    EnableOutput();
}

}  // namespace quadrel
