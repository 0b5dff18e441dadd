#include "forms/mgrid_shape.h"

#include <stdexcept>

namespace quadrel {

// clang-format off
#define QUADREL_EDIT(field, edit) {&GridSet::field, &TMGridInfo::edit, &TMGridInfo::edit##Change}
#define QUADREL_FLIP(field, edit) \
    {&GridSet::field, &TMGridInfo::edit, &TMGridInfo::edit##Change, &TMGridInfo::edit##Click}
// clang-format on

const std::array<GridFieldEdit, 36> GridFieldEdits{{
    QUADREL_EDIT(Description, EditDescription),
    QUADREL_FLIP(ImpMet, EditImpMet),
    QUADREL_EDIT(XAxisTitle, EditXAxisTitle),
    QUADREL_EDIT(YAxisTitle, EditYAxisTitle),
    QUADREL_EDIT(XMin, EditXMin),
    QUADREL_EDIT(XMax, EditXMax),
    QUADREL_EDIT(XGrid, EditXGrid),
    QUADREL_EDIT(XScale, EditXScale),
    QUADREL_FLIP(XAdd, EditXAdd),
    QUADREL_EDIT(XConst, EditXConst),
    QUADREL_EDIT(YMin, EditYMin),
    QUADREL_EDIT(YMax, EditYMax),
    QUADREL_EDIT(YGrid, EditYGrid),
    QUADREL_EDIT(YScale, EditYScale),
    QUADREL_FLIP(YAdd, EditYAdd),
    QUADREL_EDIT(YConst, EditYConst),
    QUADREL_EDIT(HtPosition, EditTicLRType),
    QUADREL_EDIT(HtLengthLeft, EditTicLeft),
    QUADREL_EDIT(HtLengthRight, EditTicRight),
    QUADREL_EDIT(HtStart, EditTicLRMinimum),
    QUADREL_EDIT(HtEnd, EditTicLRMaximum),
    QUADREL_EDIT(HtSpacing, EditTicLRSpacing),
    QUADREL_EDIT(VtPosition, EditTicTBType),
    QUADREL_EDIT(VtLengthTop, EditTicTop),
    QUADREL_EDIT(VtLengthBottom, EditTicBottom),
    QUADREL_EDIT(VtStart, EditTicTBMinimum),
    QUADREL_EDIT(VtEnd, EditTicTBMaximum),
    QUADREL_EDIT(VtSpacing, EditTicTBSpacing),
    QUADREL_EDIT(BorderSize, EditBorderSize),
    QUADREL_EDIT(CutLeft, EditCutLeft),
    QUADREL_EDIT(CutRight, EditCutRight),
    QUADREL_EDIT(CutTop, EditCutTop),
    QUADREL_EDIT(CutBottom, EditCutBottom),
    QUADREL_EDIT(NorthArrowSize, EditSize),
    QUADREL_EDIT(NorthArrowDistance, EditDistMapEdge),
    QUADREL_FLIP(TitleBlockType, EditTitleBlockType),
}};

#undef QUADREL_EDIT
#undef QUADREL_FLIP

Edit& TMGridInfo::FieldEdit(GridFieldPointer field) {
    for (const GridFieldEdit& entry : GridFieldEdits) {
        if (entry.Field == field) return this->*entry.EditMember;
    }
    // Only the corner and the title block flag are shown by buttons.
    throw std::logic_error("No edit of the main form shows this field.");
}

}  // namespace quadrel
