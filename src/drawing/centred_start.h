// Centring a run of characters in a box, the way the title blocks and the
// scale bar place their texts.
#pragma once

namespace quadrel {

// The start of a run of n characters of width w centred between a and b
// (below a when the run is wider than the box).
constexpr double CentredStart(double a, double b, double n, double w) {
    return a + ((b - a) - n * w) / 2;
}

}  // namespace quadrel
