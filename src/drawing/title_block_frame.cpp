#include "drawing/title_block_frame.h"

#include <algorithm>

namespace quadrel {
namespace {

// 1 while the block fits its nominal size into the space the layout gives,
// else the ratio that shrinks it into that space.
double ShrinkFactor(double inches, double unitsPerInch, double spaceUnits) {
    const double wanted = inches * unitsPerInch;
    return wanted <= spaceUnits ? 1 : spaceUnits / wanted;
}

}  // namespace

TitleBlockFrame::TitleBlockFrame(const MapLayout& layout, double unitsPerInch)
    : UnitsPerInch(unitsPerInch),
      Kx(ShrinkFactor(layout.TitleBlockWidthIn, unitsPerInch, layout.TitleBlockWidthUnits)),
      Ky(ShrinkFactor(layout.TitleBlockHeightIn, unitsPerInch, layout.TitleBlockHeightUnits)),
      Fx(unitsPerInch * Kx),
      Fy(unitsPerInch * Ky),
      Ft(unitsPerInch * std::min(Kx, Ky)),
      Left(layout.TitleBlockLeftX),
      Bottom(layout.TitleBlockBottomY) {}

}  // namespace quadrel
