// Showing the current grid set: every stored text is checked and, where it
// cannot be used, corrected in the set; then it is written into its control.
// A write that changes a control's text runs that control's handler there and
// then, so the handlers' normalisation and working values apply to the set
// being shown, field by field in this order.
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "base/numbers.h"
#include "base/text.h"
#include "forms/mgrid.h"
#include "forms/mgrid_shape.h"
#include "forms/scoped_writes.h"

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
    GridSet& set = Store.Current();
    if (const auto value = ScanDouble(set.*field)) {
        Layout.*working = *value;
    } else {
        set.*field = "";
        Layout.*working = 0.0;
    }
    edit.SetText(set.*field);
}

void TMGridInfo::ShowScale(Edit& edit, GridFieldPointer field, double MapLayout::*working) {
    GridSet& set = Store.Current();
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
    GridSet& set = Store.Current();
    if (const auto value = ScanDouble(set.*field)) {
        if (*value < 0.0) set.*field = FormatFixed(std::fabs(*value), 3);
    } else {
        set.*field = "";
    }
    edit.SetText(set.*field);
}

void TMGridInfo::ShowTickRange(const TickSide& side) {
    GridSet& set = Store.Current();
    const TickSideFields& fields = side.Fields;
    // A position that reads as no number draws no ticks either.
    if (ScanInt(set.*fields.Type).value_or(0) == 0) {
        for (const GridFieldPointer field : {fields.Start, fields.End, fields.Spacing}) {
            set.*field = "";
        }
        for (const GridFieldPointer field : {fields.Start, fields.End, fields.Spacing}) {
            FieldEdit(field).SetText(set.*field);
        }
        return;
    }

    // A spacing that holds no number (usually an empty one) places the first
    // and last tick as the spacing edit itself would place them when left
    // empty, so a start or end corrected here agrees with what entering
    // the spacing gives.
    double spacing = DefaultTickSpacing(Layout.*side.Along.Grid);
    if (const auto value = ScanDouble(set.*fields.Spacing)) {
        spacing = std::fabs(*value);
        if (*value < 0.0) set.*fields.Spacing = FormatFixed(spacing, 1);
    }
    // When this text differs from what the edit showed, the tick spacing
    // handler runs now and replaces start and end before they are checked.
    FieldEdit(fields.Spacing).SetText(set.*fields.Spacing);

    const auto [minimum, maximum] = TickLimits(side);
    const auto showEnd = [&](GridFieldPointer field, double replacement) {
        if (const auto value = ScanDouble(set.*field)) {
            if (*value < minimum || *value > maximum) set.*field = FormatFixed(replacement, 1);
        } else {
            set.*field = "";
        }
        FieldEdit(field).SetText(set.*field);
    };
    showEnd(fields.Start, minimum + spacing);
    showEnd(fields.End, maximum - spacing);
}

void TMGridInfo::ShowNorthArrowCorner() {
    GridSet& set = Store.Current();
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

void TMGridInfo::ShowAxis(const AxisFields& fields, const AxisWorking& working) {
    GridSet& set = Store.Current();
    FieldEdit(fields.Title).SetText(set.*fields.Title);
    ShowLimit(FieldEdit(fields.Min), fields.Min, working.Min);
    ShowLimit(FieldEdit(fields.Max), fields.Max, working.Max);
    // An empty spacing is filled in by the grid edit's own handler.
    if (!ScanDouble(set.*fields.Grid)) set.*fields.Grid = "";
    FieldEdit(fields.Grid).SetText(set.*fields.Grid);
    ShowScale(FieldEdit(fields.Scale), fields.Scale, working.Scale);
    if (!ScanInt(set.*fields.Add)) set.*fields.Add = "0";
    FieldEdit(fields.Add).SetText(set.*fields.Add);
    if (!ScanDouble(set.*fields.Const)) set.*fields.Const = "0.0";
    FieldEdit(fields.Const).SetText(set.*fields.Const);
}

void TMGridInfo::ShowTickSide(const TickSide& side) {
    GridSet& set = Store.Current();
    const TickSideFields& fields = side.Fields;
    const auto position = ScanInt(set.*fields.Type);
    if (!position || *position < 0 || *position > 4) set.*fields.Type = "0";
    FieldEdit(fields.Type).SetText(set.*fields.Type);
    ShowTickLength(FieldEdit(fields.FirstLength), fields.FirstLength);
    ShowTickLength(FieldEdit(fields.SecondLength), fields.SecondLength);
    ShowTickRange(side);
}

void TMGridInfo::ShowBorderAndCuts() {
    GridSet& set = Store.Current();
    // The working border follows the text shown; the limits determination
    // reads it again from the edit.
    const auto border = ScanDouble(set.BorderSize);
    Layout.BorderSize = border ? std::fabs(*border) : 0.0;
    set.BorderSize = SizeText(set.BorderSize, "0.000", 3);
    EditBorderSize.SetText(set.BorderSize);
    for (const GridFieldPointer field : CutFields) {
        set.*field = SizeText(set.*field, "0.500", 3);
        FieldEdit(field).SetText(set.*field);
    }
}

void TMGridInfo::ShowNorthArrow() {
    GridSet& set = Store.Current();
    ShowNorthArrowCorner();
    set.NorthArrowSize = SizeText(set.NorthArrowSize, "0.500", 3);
    EditSize.SetText(set.NorthArrowSize);
    set.NorthArrowDistance = SizeText(set.NorthArrowDistance, "0.000", 1);
    EditDistMapEdge.SetText(set.NorthArrowDistance);
}

void TMGridInfo::ShowTitleBlockChoice() {
    GridSet& set = Store.Current();
    if (set.TitleBlockFlag != "Y" && set.TitleBlockFlag != "N") set.TitleBlockFlag = "N";
    {
        // Choosing "Plot" normalises the type edit, which still shows the
        // type of the set shown before; that must not replace this set's
        // own type, which is shown next.
        ScopedValue keepType(set.TitleBlockType);
        RGTitleBlock.SetItemIndex(set.TitleBlockFlag == "Y" ? 0 : 1);
    }
    EditTitleBlockType.SetText(set.TitleBlockType);
}

void TMGridInfo::ShowGridSet() {
    if (Store.SetsInUse() == 0) return;
    // A set shown is described by the next determination, not the last.
    TakeAwayLimitsReport();
    GridSet& set = Store.Current();
    const GridSet beforeShowing = set;

    EditDescription.SetText(set.Description);
    if (set.ImpMet != "I" && set.ImpMet != "M") set.ImpMet = "M";
    EditImpMet.SetText(set.ImpMet);
    ShowAxis(YAxisFields, YWorking);
    ShowAxis(XAxisFields, XWorking);
    ShowTickSide(HorizontalTicks());
    ShowTickSide(VerticalTicks());
    ShowBorderAndCuts();
    ShowNorthArrow();
    ShowTitleBlockChoice();
    Store.NoteShown(Store.CurrentGridSet, beforeShowing);
}

}  // namespace quadrel
