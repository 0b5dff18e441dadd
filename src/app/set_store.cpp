#include "app/set_store.h"

#include "app/text.h"

namespace quadrel {

// clang-format off
#define QUADREL_GRID_FIELD(name, label) GridFieldInfo{&GridSet::name, #name, label}
// clang-format on

// Labelled as the form shows them: the row or group, then the column head.
const std::array<GridFieldInfo, GridFieldCount> GridFields{{
    QUADREL_GRID_FIELD(Description, "Description"),
    QUADREL_GRID_FIELD(ImpMet, "Imperial or Metric (I/M)"),
    QUADREL_GRID_FIELD(XAxisTitle, "X-Axis Title"),
    QUADREL_GRID_FIELD(YAxisTitle, "Y-Axis Title"),
    QUADREL_GRID_FIELD(XMin, "X-Axis Minimum"),
    QUADREL_GRID_FIELD(XMax, "X-Axis Maximum"),
    QUADREL_GRID_FIELD(XGrid, "X-Axis Grid Spacing"),
    QUADREL_GRID_FIELD(XScale, "X-Axis Scale"),
    QUADREL_GRID_FIELD(XAdd, "X-Axis Add"),
    QUADREL_GRID_FIELD(XConst, "X-Axis Constant to add"),
    QUADREL_GRID_FIELD(YMin, "Y-Axis Minimum"),
    QUADREL_GRID_FIELD(YMax, "Y-Axis Maximum"),
    QUADREL_GRID_FIELD(YGrid, "Y-Axis Grid Spacing"),
    QUADREL_GRID_FIELD(YScale, "Y-Axis Scale"),
    QUADREL_GRID_FIELD(YAdd, "Y-Axis Add"),
    QUADREL_GRID_FIELD(YConst, "Y-Axis Constant to add"),
    QUADREL_GRID_FIELD(HtPosition, "Tick Marks Left/Right Type"),
    QUADREL_GRID_FIELD(HtLengthLeft, "Tick Marks Left"),
    QUADREL_GRID_FIELD(HtLengthRight, "Tick Marks Right"),
    QUADREL_GRID_FIELD(HtStart, "Tick Marks Left/Right Minimum"),
    QUADREL_GRID_FIELD(HtEnd, "Tick Marks Left/Right Maximum"),
    QUADREL_GRID_FIELD(HtSpacing, "Tick Marks Left/Right Spacing"),
    QUADREL_GRID_FIELD(VtPosition, "Tick Marks Top/Bottom Type"),
    QUADREL_GRID_FIELD(VtLengthTop, "Tick Marks Top"),
    QUADREL_GRID_FIELD(VtLengthBottom, "Tick Marks Bottom"),
    QUADREL_GRID_FIELD(VtStart, "Tick Marks Top/Bottom Minimum"),
    QUADREL_GRID_FIELD(VtEnd, "Tick Marks Top/Bottom Maximum"),
    QUADREL_GRID_FIELD(VtSpacing, "Tick Marks Top/Bottom Spacing"),
    QUADREL_GRID_FIELD(BorderSize, "Border size around grid"),
    QUADREL_GRID_FIELD(CutLeft, "Cutting Marks Left"),
    QUADREL_GRID_FIELD(CutRight, "Cutting Marks Right"),
    QUADREL_GRID_FIELD(CutTop, "Cutting Marks Top"),
    QUADREL_GRID_FIELD(CutBottom, "Cutting Marks Bottom"),
    QUADREL_GRID_FIELD(NorthArrowCorner, "North Arrow corner"),
    QUADREL_GRID_FIELD(NorthArrowSize, "North Arrow Size"),
    QUADREL_GRID_FIELD(NorthArrowDistance, "North Arrow Distance from map edge"),
    QUADREL_GRID_FIELD(TitleBlockFlag, "Title Block Plot"),
    QUADREL_GRID_FIELD(TitleBlockType, "Title Block Type"),
}};

#undef QUADREL_GRID_FIELD

GridSet BlankGridSet() {
    GridSet set = NewGridSet();
    set.Description.clear();
    for (auto field :
         {&GridSet::YMin, &GridSet::YMax, &GridSet::YGrid, &GridSet::YScale, &GridSet::XMin,
          &GridSet::XMax, &GridSet::XGrid, &GridSet::XScale, &GridSet::HtLengthLeft,
          &GridSet::HtLengthRight, &GridSet::VtLengthTop, &GridSet::VtLengthBottom}) {
        (set.*field).clear();
    }
    return set;
}

GridSet NewGridSet() {
    GridSet set;
    set.Description = "Enter a description for this set.";
    set.ImpMet = "M";
    set.YMin = set.XMin = "0.0";
    set.YMax = set.XMax = "1000.0";
    set.YGrid = set.XGrid = "100.0";
    set.YScale = set.XScale = "1000.0";
    set.YAdd = set.XAdd = "0";
    set.YConst = set.XConst = "0.0";
    set.HtPosition = set.VtPosition = "0";
    set.HtLengthLeft = set.HtLengthRight = set.VtLengthTop = set.VtLengthBottom = "0.25";
    set.BorderSize = "0.000";
    set.CutLeft = set.CutRight = set.CutTop = set.CutBottom = "0.000";
    set.NorthArrowCorner = "UR";
    set.NorthArrowSize = "0.5";
    set.NorthArrowDistance = "0.0";
    set.TitleBlockFlag = "N";
    set.TitleBlockType = "A";
    return set;
}

GridSetStore::GridSetStore() {
    GridSets[0] = BlankGridSet();
}

bool GridSetStore::GridSetsChanged() const {
    if (GridLineCount == 0) return false;
    if (GridLineCount != GridLinesRead) return true;
    for (std::int32_t s = 0; s < GridSetCount && s < MaxGridSets; ++s) {
        const auto index = static_cast<std::size_t>(s);
        const GridSet& set = GridSets[index];
        if (set != AsReadGridSets[index] && set != AsShownGridSets[index]) return true;
    }
    return false;
}

void GridSetStore::NoteShown(std::int32_t index, const GridSet& beforeShowing) {
    if (index < 0 || index >= MaxGridSets) return;
    const auto at = static_cast<std::size_t>(index);
    if (beforeShowing == AsReadGridSets[at]) AsShownGridSets[at] = GridSets[at];
}

TitleSetStore::TitleSetStore() {
    for (std::int32_t line = 0; line < TitleLinesPerSet; ++line) {
        TitleLines[static_cast<std::size_t>(line)] = " ";
    }
}

bool TitleSetStore::TitleSetsChanged() const {
    if (TitleLineCount == 0) return false;
    if (TitleLineCount != TitleLinesRead) return true;
    for (std::int32_t line = 0; line < TitleLineCount && line < MaxTitleLines; ++line) {
        const auto index = static_cast<std::size_t>(line);
        if (Trim(TitleLines[index]) != Trim(AsReadTitleLines[index])) return true;
    }
    return false;
}

}  // namespace quadrel
