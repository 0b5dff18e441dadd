// The shape of a grid set: its flat fields grouped as the sheet uses them,
// one axis, one pair of tick edges, the four cutting marks. Every layer that
// treats the X and Y axis (or the two tick sides) alike iterates these
// instead of naming the fields again.
#pragma once

#include <array>

#include "model/set_store.h"

namespace quadrel {

// The fields of one axis.
struct AxisFields {
    GridFieldPointer Min, Max, Grid, Scale, Add, Const, Title;
};

inline constexpr AxisFields XAxisFields{
    .Min = &GridSet::XMin,
    .Max = &GridSet::XMax,
    .Grid = &GridSet::XGrid,
    .Scale = &GridSet::XScale,
    .Add = &GridSet::XAdd,
    .Const = &GridSet::XConst,
    .Title = &GridSet::XAxisTitle,
};
inline constexpr AxisFields YAxisFields{
    .Min = &GridSet::YMin,
    .Max = &GridSet::YMax,
    .Grid = &GridSet::YGrid,
    .Scale = &GridSet::YScale,
    .Add = &GridSet::YAdd,
    .Const = &GridSet::YConst,
    .Title = &GridSet::YAxisTitle,
};

// The fields of one pair of opposite tick edges: left and right (marking Y
// values) or top and bottom (marking X values). The two lengths are in data
// file order, the order the form treats them in; the drawing goes from the
// low edge (left or bottom) to the high one.
struct TickSideFields {
    GridFieldPointer Type, FirstLength, SecondLength, Start, End, Spacing;
    bool FirstIsLow;

    constexpr GridFieldPointer LowLength() const { return FirstIsLow ? FirstLength : SecondLength; }
    constexpr GridFieldPointer HighLength() const {
        return FirstIsLow ? SecondLength : FirstLength;
    }
};

inline constexpr TickSideFields HorizontalTickFields{
    .Type = &GridSet::HtPosition,
    .FirstLength = &GridSet::HtLengthLeft,
    .SecondLength = &GridSet::HtLengthRight,
    .Start = &GridSet::HtStart,
    .End = &GridSet::HtEnd,
    .Spacing = &GridSet::HtSpacing,
    .FirstIsLow = true,
};
inline constexpr TickSideFields VerticalTickFields{
    .Type = &GridSet::VtPosition,
    .FirstLength = &GridSet::VtLengthTop,
    .SecondLength = &GridSet::VtLengthBottom,
    .Start = &GridSet::VtStart,
    .End = &GridSet::VtEnd,
    .Spacing = &GridSet::VtSpacing,
    .FirstIsLow = false,
};

// The cutting borders in the order left, right, top, bottom.
inline constexpr std::array<GridFieldPointer, 4> CutFields{&GridSet::CutLeft, &GridSet::CutRight,
                                                           &GridSet::CutTop, &GridSet::CutBottom};

}  // namespace quadrel
