// Entering a tick spacing places the first and last tick one spacing inside
// the grid limits, or switches the ticks of those edges off when the spacing
// leaves no room between the limits.
#include <string>
#include <utility>

#include "base/numbers.h"
#include "base/text.h"
#include "forms/mgrid.h"
#include "forms/mgrid_shape.h"

namespace quadrel {

TMGridInfo::TickSide TMGridInfo::HorizontalTicks() {
    return TickSide{.Fields = HorizontalTickFields, .Along = YWorking, .ClearSpacingLast = false};
}

TMGridInfo::TickSide TMGridInfo::VerticalTicks() {
    return TickSide{.Fields = VerticalTickFields, .Along = XWorking, .ClearSpacingLast = true};
}

std::pair<double, double> TMGridInfo::TickLimits(const TickSide& side) const {
    const double first = Layout.*side.Along.Min;
    const double second = Layout.*side.Along.Max;
    return first <= second ? std::pair{first, second} : std::pair{second, first};
}

double TMGridInfo::DefaultTickSpacing(double gridSpacing) {
    // Ten ticks to a grid cell, but never closer than one unit.
    const double tenth = 0.1 * gridSpacing;
    return tenth >= 1.0 ? tenth : 1.0;
}

void TMGridInfo::TickSpacingChange(const TickSide& side) {
    FirstSetRule();
    const TickSideFields& fields = side.Fields;
    Edit& spacingEdit = FieldEdit(fields.Spacing);
    if (ToInt(FieldEdit(fields.Type).Text()) == 0) {
        // No ticks on these edges: nothing to space. Each clearing stores
        // the empty text through the cleared edit's own handler.
        if (!side.ClearSpacingLast) spacingEdit.SetText("");
        FieldEdit(fields.Start).SetText("");
        FieldEdit(fields.End).SetText("");
        if (side.ClearSpacingLast) spacingEdit.SetText("");
    } else {
        PlaceTickRange(side);
    }
    StoreText(spacingEdit, fields.Spacing);
    EnableOutput();
}

void TMGridInfo::PlaceTickRange(const TickSide& side) {
    const TickSideFields& fields = side.Fields;
    Edit& spacingEdit = FieldEdit(fields.Spacing);
    // An empty spacing edit stays empty; the default only places the first
    // and last tick.
    const double spacing = Trim(spacingEdit.Text()).empty()
                               ? DefaultTickSpacing(Layout.*side.Along.Grid)
                               : ToNumber(spacingEdit.Text());
    // Reversed limits would leave "no room" and silently switch the ticks
    // off, although Determine Limits accepts them.
    const auto [lower, higher] = TickLimits(side);
    const double low = lower + spacing;
    const double high = higher - spacing;
    if (high <= low) {
        Store.Current().*fields.Type = "0";
        FieldEdit(fields.Type).SetText("0");
        return;
    }
    // Ticks of no length would not be seen; give them a quarter inch.
    for (const GridFieldPointer length : {fields.FirstLength, fields.SecondLength}) {
        Edit& edit = FieldEdit(length);
        if (ToNumber(edit.Text()) == 0.0) {
            Store.Current().*length = "0.250";
            edit.SetText("0.250");
        }
    }
    const std::string start = FormatFixed(low, 1);
    Store.Current().*fields.Start = start;
    FieldEdit(fields.Start).SetText(start);
    const std::string end = FormatFixed(high, 1);
    Store.Current().*fields.End = end;
    FieldEdit(fields.End).SetText(end);
}

void TMGridInfo::EditTicLRSpacingChange() {
    TickSpacingChange(HorizontalTicks());
}

void TMGridInfo::EditTicTBSpacingChange() {
    TickSpacingChange(VerticalTicks());
}

}  // namespace quadrel
