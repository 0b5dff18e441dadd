#include "app/set_store.h"

#include "app/text.h"

namespace quadrel {

#define QUADREL_GRID_FIELD(name) GridFieldInfo{&GridSet::name, #name}

const std::array<GridFieldInfo, GridFieldCount> GridFields{{
    QUADREL_GRID_FIELD(Description),    QUADREL_GRID_FIELD(ImpMet),
    QUADREL_GRID_FIELD(XAxisTitle),     QUADREL_GRID_FIELD(YAxisTitle),
    QUADREL_GRID_FIELD(XMin),           QUADREL_GRID_FIELD(XMax),
    QUADREL_GRID_FIELD(XGrid),          QUADREL_GRID_FIELD(XScale),
    QUADREL_GRID_FIELD(XAdd),           QUADREL_GRID_FIELD(XConst),
    QUADREL_GRID_FIELD(YMin),           QUADREL_GRID_FIELD(YMax),
    QUADREL_GRID_FIELD(YGrid),          QUADREL_GRID_FIELD(YScale),
    QUADREL_GRID_FIELD(YAdd),           QUADREL_GRID_FIELD(YConst),
    QUADREL_GRID_FIELD(HtPosition),     QUADREL_GRID_FIELD(HtLengthLeft),
    QUADREL_GRID_FIELD(HtLengthRight),  QUADREL_GRID_FIELD(HtStart),
    QUADREL_GRID_FIELD(HtEnd),          QUADREL_GRID_FIELD(HtSpacing),
    QUADREL_GRID_FIELD(VtPosition),     QUADREL_GRID_FIELD(VtLengthTop),
    QUADREL_GRID_FIELD(VtLengthBottom), QUADREL_GRID_FIELD(VtStart),
    QUADREL_GRID_FIELD(VtEnd),          QUADREL_GRID_FIELD(VtSpacing),
    QUADREL_GRID_FIELD(BorderSize),     QUADREL_GRID_FIELD(CutLeft),
    QUADREL_GRID_FIELD(CutRight),       QUADREL_GRID_FIELD(CutTop),
    QUADREL_GRID_FIELD(CutBottom),      QUADREL_GRID_FIELD(NorthArrowCorner),
    QUADREL_GRID_FIELD(NorthArrowSize), QUADREL_GRID_FIELD(NorthArrowDistance),
    QUADREL_GRID_FIELD(TitleBlockFlag), QUADREL_GRID_FIELD(TitleBlockType),
}};

#undef QUADREL_GRID_FIELD

GridSet BlankGridSet() {
    GridSet set = NewGridSet();
    set.Description.clear();
    for (auto field : {&GridSet::YMin, &GridSet::YMax, &GridSet::YGrid, &GridSet::YScale,
                       &GridSet::XMin, &GridSet::XMax, &GridSet::XGrid, &GridSet::XScale,
                       &GridSet::HtLengthLeft, &GridSet::HtLengthRight, &GridSet::VtLengthTop,
                       &GridSet::VtLengthBottom}) {
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

GridSetStore::GridSetStore() { GridSets[0] = BlankGridSet(); }

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
