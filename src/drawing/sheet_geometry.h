// Plane geometry for the sheet check: bounds, convex outlines and what of
// one lies inside another.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace quadrel {

struct PlanePoint {
    double X = 0;
    double Y = 0;
};

struct Bounds {
    double X0 = 0;
    double Y0 = 0;
    double X1 = 0;
    double Y1 = 0;

    double Width() const { return X1 - X0; }
    double Height() const { return Y1 - Y0; }
};

Bounds BoundsOf(std::span<const PlanePoint> points);
// Where two bounds overlap, or nothing when they only touch or are apart.
std::optional<Bounds> Intersection(const Bounds& a, const Bounds& b);

// A text's box: four corners in order round it (a parallelogram).
using Quad = std::array<PlanePoint, 4>;

// The part of convex `subject` inside convex `clip`, both with corners in
// counter-clockwise order; empty when they do not overlap.
std::vector<PlanePoint> ClipConvex(std::span<const PlanePoint> subject, const Quad& clip);
double AreaOf(std::span<const PlanePoint> polygon);

}  // namespace quadrel
