// The main form's side of the grid set's shape: which edit shows each
// field and which handlers it runs, and the working layout values of each
// axis. With the shape in app/grid_shape.h, binding, showing, reading back
// and determining iterate these rather than naming edits one by one.
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
