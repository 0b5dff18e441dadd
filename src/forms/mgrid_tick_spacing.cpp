// Entering a tick spacing places the first and last tick one spacing inside
// the grid limits, or switches the ticks of those edges off when the spacing
// leaves no room between the limits.
#include <string>
#include <utility>

#include "app/numbers.h"
#include "app/text.h"
#include "forms/mgrid.h"

namespace quadrel {

TMGridInfo::TickSide TMGridInfo::HorizontalTicks() {
    return TickSide{.Type = EditTicLRType,
                    .Spacing = EditTicLRSpacing,
                    .Minimum = EditTicLRMinimum,
                    .Maximum = EditTicLRMaximum,
                    .FirstLength = EditTicLeft,
                    .SecondLength = EditTicRight,
                    .Position = &GridSet::HtPosition,
                    .FirstLengthField = &GridSet::HtLengthLeft,
                    .SecondLengthField = &GridSet::HtLengthRight,
                    .Start = &GridSet::HtStart,
                    .End = &GridSet::HtEnd,
                    .SpacingField = &GridSet::HtSpacing,
                    .LimitMin = &MapLayout::YMin,
                    .LimitMax = &MapLayout::YMax,
                    .Grid = &MapLayout::YGrid,
                    .ClearSpacingLast = false};
}

TMGridInfo::TickSide TMGridInfo::VerticalTicks() {
    return TickSide{.Type = EditTicTBType,
                    .Spacing = EditTicTBSpacing,
                    .Minimum = EditTicTBMinimum,
                    .Maximum = EditTicTBMaximum,
                    .FirstLength = EditTicTop,
                    .SecondLength = EditTicBottom,
                    .Position = &GridSet::VtPosition,
                    .FirstLengthField = &GridSet::VtLengthTop,
                    .SecondLengthField = &GridSet::VtLengthBottom,
                    .Start = &GridSet::VtStart,
                    .End = &GridSet::VtEnd,
                    .SpacingField = &GridSet::VtSpacing,
                    .LimitMin = &MapLayout::XMin,
                    .LimitMax = &MapLayout::XMax,
                    .Grid = &MapLayout::XGrid,
                    .ClearSpacingLast = true};
}

std::pair<double, double> TMGridInfo::TickLimits(const TickSide& side) const {
    const double first = Layout.*side.LimitMin;
    const double second = Layout.*side.LimitMax;
    return first <= second ? std::pair{first, second} : std::pair{second, first};
}

double TMGridInfo::DefaultTickSpacing(double gridSpacing) {
    // Ten ticks to a grid cell, but never closer than one unit.
    const double tenth = 0.1 * gridSpacing;
    return tenth >= 1.0 ? tenth : 1.0;
}

void TMGridInfo::TickSpacingChange(const TickSide& side) {
    FirstSetRule();
    if (ToInt(side.Type.Text()) == 0) {
        // No ticks on these edges: nothing to space. Each clearing stores
        // the empty text through the cleared edit's own handler.
        if (side.ClearSpacingLast) {
            side.Minimum.SetText("");
            side.Maximum.SetText("");
            side.Spacing.SetText("");
        } else {
            side.Spacing.SetText("");
            side.Minimum.SetText("");
            side.Maximum.SetText("");
        }
    } else {
        // An empty spacing edit stays empty; the default only places the
        // first and last tick.
        const double spacing = Trim(side.Spacing.Text()).empty()
                                   ? DefaultTickSpacing(Layout.*side.Grid)
                                   : ToNumber(side.Spacing.Text());
        // Reversed limits would leave "no room" and silently switch the
        // ticks off, although Determine Limits accepts them.
        const auto [lower, higher] = TickLimits(side);
        const double low = lower + spacing;
        const double high = higher - spacing;
        if (high > low) {
            // Ticks of no length would not be seen; give them a quarter inch.
            for (const auto& [edit, field] :
                 {std::pair{&side.FirstLength, side.FirstLengthField},
                  std::pair{&side.SecondLength, side.SecondLengthField}}) {
                if (ToNumber(edit->Text()) == 0.0) {
                    ShownSet().*field = "0.250";
                    edit->SetText("0.250");
                }
            }
            const std::string start = FormatFixed(low, 1);
            ShownSet().*side.Start = start;
            side.Minimum.SetText(start);
            const std::string end = FormatFixed(high, 1);
            ShownSet().*side.End = end;
            side.Maximum.SetText(end);
        } else {
            ShownSet().*side.Position = "0";
            side.Type.SetText("0");
        }
    }
    StoreText(side.Spacing, side.SpacingField);
    EnableOutput();
}

void TMGridInfo::EditTicLRSpacingChange() {
    TickSpacingChange(HorizontalTicks());
}

void TMGridInfo::EditTicTBSpacingChange() {
    TickSpacingChange(VerticalTicks());
}

}  // namespace quadrel
