// The main form's side of the grid set's shape: which edit shows each
// field and which handlers it runs, the rows the window lays them out in,
// and the working layout values of each axis. With the shape in
// model/grid_shape.h, binding, showing, reading back, determining and the
// window's rows iterate these rather than naming edits one by one.
#pragma once

#include <array>

#include "forms/mgrid.h"
#include "layout/map_layout.h"
#include "model/grid_shape.h"

namespace quadrel {

struct GridFieldEdit {
    GridFieldPointer Field;
    Edit TMGridInfo::*EditMember;
    void (TMGridInfo::*Change)();
    // A click into the edit flips its value; most edits have none.
    void (TMGridInfo::*Click)() = nullptr;
};

// Every field an edit shows, in data file order (the corner and the title
// block choice are shown by buttons).
extern const std::array<GridFieldEdit, 36> GridFieldEdits;

// The window's rows, top to bottom: the Y axis above the X axis, each led
// by its heading; the left and right ticks above the top and bottom ones.
struct AxisRow {
    Label TMGridInfo::*Heading;
    AxisFields Fields;
};
inline constexpr std::array<AxisRow, 2> AxisRows{
    {{&TMGridInfo::LabelYAxisTitle, YAxisFields}, {&TMGridInfo::LabelXAxisTitle, XAxisFields}}};
inline constexpr std::array<TickSideFields, 2> TickRows{HorizontalTickFields, VerticalTickFields};

// A row's fields in the order of the window's columns.
constexpr std::array<GridFieldPointer, 7> ColumnOrder(const AxisFields& axis) {
    return {axis.Title, axis.Min, axis.Max, axis.Grid, axis.Scale, axis.Add, axis.Const};
}
constexpr std::array<GridFieldPointer, 6> ColumnOrder(const TickSideFields& side) {
    return {side.Type, side.Spacing, side.Start, side.End, side.FirstLength, side.SecondLength};
}

// The layout values that the handlers of one axis keep up to date.
struct AxisWorking {
    double MapLayout::*Min;
    double MapLayout::*Max;
    double MapLayout::*Grid;
    double MapLayout::*Scale;
};

inline constexpr AxisWorking XWorking{&MapLayout::XMin, &MapLayout::XMax, &MapLayout::XGrid,
                                      &MapLayout::XScale};
inline constexpr AxisWorking YWorking{&MapLayout::YMin, &MapLayout::YMax, &MapLayout::YGrid,
                                      &MapLayout::YScale};

}  // namespace quadrel
