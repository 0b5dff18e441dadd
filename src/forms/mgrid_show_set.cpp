// Showing the current grid set: every stored text is checked and, where it
// cannot be used, corrected in the set; then it is written into its control.
// A write that changes a control's text runs that control's handler there and
// then, so the handlers' normalisation and working values apply to the set
// being shown, field by field in this order.
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "app/numbers.h"
#include "app/text.h"
#include "forms/mgrid.h"

namespace quadrel {
namespace {

// A value that only makes sense as a size: the absolute value with the given
// decimals, or `fallback` when the text starts with no number.
std::string SizeText(std::string_view text, std::string_view fallback, int decimals) {
    const auto value = ScanDouble(text);
    return value ? FormatFixed(std::fabs(*value), decimals) : std::string(fallback);
}

// The text up to the first blank, leading blanks skipped.
std::string_view FirstWord(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlankOrControl(text[begin])) ++begin;
    std::size_t end = begin;
    while (end < text.size() && !IsBlankOrControl(text[end])) ++end;
    return text.substr(begin, end - begin);
}

}  // namespace

void TMGridInfo::ShowLimit(Edit& edit, GridFieldPointer field, double MapLayout::*working) {
    GridSet& set = ShownSet();
    if (const auto value = ScanDouble(set.*field)) {
        Layout.*working = *value;
    } else {
        set.*field = "";
        Layout.*working = 0.0;
    }
    edit.SetText(set.*field);
}

void TMGridInfo::ShowScale(Edit& edit, GridFieldPointer field, double MapLayout::*working) {
    GridSet& set = ShownSet();
    if (const auto value = ScanDouble(set.*field)) {
        Layout.*working = std::fabs(*value);
        if (*value < 0.0) set.*field = FormatFixed(Layout.*working, 1);
    } else {
        set.*field = "";
        Layout.*working = 0.0;
    }
    edit.SetText(set.*field);
}

void TMGridInfo::ShowTickLength(Edit& edit, GridFieldPointer field) {
    GridSet& set = ShownSet();
    if (const auto value = ScanDouble(set.*field)) {
        if (*value < 0.0) set.*field = FormatFixed(std::fabs(*value), 3);
    } else {
        set.*field = "";
    }
    edit.SetText(set.*field);
}

void TMGridInfo::ShowTickRange(const TickSide& side) {
    GridSet& set = ShownSet();
    // A position that reads as no number draws no ticks either.
    if (ScanInt(set.*side.Position).value_or(0) == 0) {
        set.*side.Start = "";
        set.*side.End = "";
        set.*side.SpacingField = "";
        side.Minimum.SetText(set.*side.Start);
        side.Maximum.SetText(set.*side.End);
        side.Spacing.SetText(set.*side.SpacingField);
        return;
    }

    // A spacing that holds no number (usually an empty one) places the first
    // and last tick as the spacing edit itself would place them when left
    // empty, so a start or end corrected here agrees with what entering
    // the spacing gives.
    double spacing = DefaultTickSpacing(Layout.*side.Grid);
    if (const auto value = ScanDouble(set.*side.SpacingField)) {
        spacing = std::fabs(*value);
        if (*value < 0.0) set.*side.SpacingField = FormatFixed(spacing, 1);
    }
    // When this text differs from what the edit showed, the tick spacing
    // handler runs now and replaces start and end before they are checked.
    side.Spacing.SetText(set.*side.SpacingField);

    const auto [minimum, maximum] = TickLimits(side);
    if (const auto start = ScanDouble(set.*side.Start)) {
        if (*start < minimum || *start > maximum) {
            set.*side.Start = FormatFixed(minimum + spacing, 1);
        }
    } else {
        set.*side.Start = "";
    }
    side.Minimum.SetText(set.*side.Start);

    if (const auto end = ScanDouble(set.*side.End)) {
        if (*end < minimum || *end > maximum) set.*side.End = FormatFixed(maximum - spacing, 1);
    } else {
        set.*side.End = "";
    }
    side.Maximum.SetText(set.*side.End);
}

void TMGridInfo::ShowNorthArrowCorner() {
    GridSet& set = ShownSet();
    if (set.NorthArrowCorner.empty()) {
        RBUpperRight.SetChecked(true);
        set.NorthArrowCorner = "UR";
        return;
    }
    const std::string corner = UpperCase(FirstWord(set.NorthArrowCorner));
    const std::pair<std::string_view, RadioButton*> corners[] = {
        {"UL", &RBUpperLeft}, {"UR", &RBUpperRight}, {"LR", &RBLowerRight}, {"LL", &RBLowerLeft}};
    for (const auto& [code, button] : corners) {
        if (corner == code) {
            // Only a button that was not checked runs its handler, which
            // stores the corner in upper case.
            button->SetChecked(true);
            return;
        }
    }
    // An unknown corner leaves the buttons as they were.
}

void TMGridInfo::ShowGridSet() {
    if (SetsInUse() == 0) return;
    // A set shown is described by the next determination, not the last.
    TakeAwayLimitsReport();
    GridSet& set = ShownSet();
    const GridSet beforeShowing = set;

    EditDescription.SetText(set.Description);
    if (set.ImpMet != "I" && set.ImpMet != "M") set.ImpMet = "M";
    EditImpMet.SetText(set.ImpMet);

    struct AxisRow {
        Edit& Title;
        Edit& Min;
        Edit& Max;
        Edit& Grid;
        Edit& Scale;
        Edit& Add;
        Edit& Const;
        GridFieldPointer TitleField, MinField, MaxField, GridField, ScaleField, AddField,
            ConstField;
        double MapLayout::*WorkingMin;
        double MapLayout::*WorkingMax;
        double MapLayout::*WorkingScale;
    };
    const AxisRow rows[] = {
        {EditYAxisTitle, EditYMin, EditYMax, EditYGrid, EditYScale, EditYAdd, EditYConst,
         &GridSet::YAxisTitle, &GridSet::YMin, &GridSet::YMax, &GridSet::YGrid, &GridSet::YScale,
         &GridSet::YAdd, &GridSet::YConst, &MapLayout::YMin, &MapLayout::YMax, &MapLayout::YScale},
        {EditXAxisTitle, EditXMin, EditXMax, EditXGrid, EditXScale, EditXAdd, EditXConst,
         &GridSet::XAxisTitle, &GridSet::XMin, &GridSet::XMax, &GridSet::XGrid, &GridSet::XScale,
         &GridSet::XAdd, &GridSet::XConst, &MapLayout::XMin, &MapLayout::XMax, &MapLayout::XScale},
    };
    for (const AxisRow& row : rows) {
        row.Title.SetText(set.*row.TitleField);
        ShowLimit(row.Min, row.MinField, row.WorkingMin);
        ShowLimit(row.Max, row.MaxField, row.WorkingMax);
        // An empty spacing is filled in by the grid edit's own handler.
        if (!ScanDouble(set.*row.GridField)) set.*row.GridField = "";
        row.Grid.SetText(set.*row.GridField);
        ShowScale(row.Scale, row.ScaleField, row.WorkingScale);
        if (!ScanInt(set.*row.AddField)) set.*row.AddField = "0";
        row.Add.SetText(set.*row.AddField);
        if (!ScanDouble(set.*row.ConstField)) set.*row.ConstField = "0.0";
        row.Const.SetText(set.*row.ConstField);
    }

    for (const TickSide& side : {HorizontalTicks(), VerticalTicks()}) {
        const auto position = ScanInt(set.*side.Position);
        if (!position || *position < 0 || *position > 4) set.*side.Position = "0";
        side.Type.SetText(set.*side.Position);
        ShowTickLength(side.FirstLength, side.FirstLengthField);
        ShowTickLength(side.SecondLength, side.SecondLengthField);
        ShowTickRange(side);
    }

    // The working border follows the text shown; the limits determination
    // reads it again from the edit.
    const auto border = ScanDouble(set.BorderSize);
    Layout.BorderSize = border ? std::fabs(*border) : 0.0;
    set.BorderSize = SizeText(set.BorderSize, "0.000", 3);
    EditBorderSize.SetText(set.BorderSize);

    const std::pair<Edit*, GridFieldPointer> cuts[] = {{&EditCutLeft, &GridSet::CutLeft},
                                                       {&EditCutRight, &GridSet::CutRight},
                                                       {&EditCutTop, &GridSet::CutTop},
                                                       {&EditCutBottom, &GridSet::CutBottom}};
    for (const auto& [edit, field] : cuts) {
        set.*field = SizeText(set.*field, "0.500", 3);
        edit->SetText(set.*field);
    }

    ShowNorthArrowCorner();
    set.NorthArrowSize = SizeText(set.NorthArrowSize, "0.500", 3);
    EditSize.SetText(set.NorthArrowSize);
    set.NorthArrowDistance = SizeText(set.NorthArrowDistance, "0.000", 1);
    EditDistMapEdge.SetText(set.NorthArrowDistance);

    if (set.TitleBlockFlag != "Y" && set.TitleBlockFlag != "N") set.TitleBlockFlag = "N";
    // Choosing "Plot" normalises the type edit, which still shows the type of
    // the set shown before; that must not replace this set's own type, which
    // is shown next.
    const std::string titleBlockType = set.TitleBlockType;
    RGTitleBlock.SetItemIndex(set.TitleBlockFlag == "Y" ? 0 : 1);
    set.TitleBlockType = titleBlockType;
    EditTitleBlockType.SetText(set.TitleBlockType);
    Store.NoteShown(Store.CurrentGridSet, beforeShowing);
}

}  // namespace quadrel
