// The local frame of a title block, in which its rules, texts and scale bar
// are laid out in sheet inches.
#pragma once

#include "layout/map_layout.h"

namespace quadrel {

// Maps the block's local frame (u, v), in sheet inches from its lower-left
// corner, to drawing units, shrinking it when the bordered grid is narrower
// than the block.
class TitleBlockFrame {
public:
    TitleBlockFrame(const MapLayout& layout, double unitsPerInch);

    double X(double u) const { return Left + Fx * u; }
    double Y(double v) const { return Bottom + Fy * v; }
    double Height(double nominal) const { return Ft * nominal; }

    double UnitsPerInch = 0;
    double Kx = 1, Ky = 1;          // the shrink factors, 1 for a block at full size
    double Fx = 0, Fy = 0, Ft = 0;  // drawing units per local inch: along u, v, text height
    double Left = 0, Bottom = 0;    // the block's lower-left corner, drawing units
};

}  // namespace quadrel
