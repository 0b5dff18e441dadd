// The map layout: validated limits, scale factors, border, title block space
// and the extents of the whole drawing, worked out from one grid set.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/numbers.h"

namespace quadrel {

struct MapLayout {
    bool Metric = false;
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    double XGrid = 0, YGrid = 0;
    double XScale = 0, YScale = 0;
    double XUnitsPerInch = 0, YUnitsPerInch = 0;
    double BorderSize = 0;
    double BorderXMin = 0, BorderYMin = 0;
    double BorderWidthUnits = 0;
    double TitleBlockWidthIn = 0, TitleBlockHeightIn = 0;
    double TitleBlockWidthUnits = 0, TitleBlockHeightUnits = 0;
    double TitleBlockLeftX = 0, TitleBlockBottomY = 0;
    double PlotXMin = 0, PlotXMax = 0, PlotYMin = 0, PlotYMax = 0;
};

// The values the determination has read and normalised from the form:
// limits already ordered, scales already made positive, cuts non-negative.
struct LimitsInput {
    bool Metric = true;
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
    double XScale = 0, YScale = 0;
    double BorderSize = 0;
    bool PlotTitleBlock = false;
    std::string_view TitleBlockType;
    double CutLeft = 0, CutRight = 0, CutTop = 0, CutBottom = 0;
};

struct SheetSize {
    double WidthInches = 0;
    double HeightInches = 0;
};

// Nominal sizes of the two title block types, in sheet inches.
inline constexpr double TitleBlockTypeAWidthIn = 19.2;
inline constexpr double TitleBlockTypeBWidthIn = 15.2;
inline constexpr double TitleBlockTypeHeightIn = 1.75;
// Project units (metres) per sheet inch at a metric scale of 1:1.
inline constexpr double MetresPerInch = 0.0254;

// Limits, scales or borders so large (or a scale so small) that the layout
// has no finite value. A kind of conversion error, so that the forms report
// it the same way and stop the command that met it.
class LayoutOverflowError : public ConversionError {
public:
    using ConversionError::ConversionError;
};

// Fills the layout from the normalised values (limits, scales, scale
// factors, border, title block, extents) and returns the sheet size. A title
// block type other than "A" or "B" keeps the nominal block size the layout
// already holds. Throws LayoutOverflowError, leaving the layout as it was,
// when any result would not be a finite number (a scale of 0 included).
SheetSize ComputeMapLayout(MapLayout& layout, const LimitsInput& input);

}  // namespace quadrel
