#include "drawing/sheet_geometry.h"

#include <algorithm>
#include <cmath>

namespace quadrel {
namespace {

// Positive when `p` lies left of the edge from `a` to `b`.
double Side(PlanePoint a, PlanePoint b, PlanePoint p) {
    return (b.X - a.X) * (p.Y - a.Y) - (b.Y - a.Y) * (p.X - a.X);
}

PlanePoint Between(PlanePoint p, PlanePoint q, double t) {
    return {p.X + (q.X - p.X) * t, p.Y + (q.Y - p.Y) * t};
}

}  // namespace

Bounds BoundsOf(std::span<const PlanePoint> points) {
    Bounds bounds{points.front().X, points.front().Y, points.front().X, points.front().Y};
    for (const PlanePoint& p : points) {
        bounds.X0 = std::min(bounds.X0, p.X);
        bounds.Y0 = std::min(bounds.Y0, p.Y);
        bounds.X1 = std::max(bounds.X1, p.X);
        bounds.Y1 = std::max(bounds.Y1, p.Y);
    }
    return bounds;
}

std::optional<Bounds> Intersection(const Bounds& a, const Bounds& b) {
    const Bounds both{std::max(a.X0, b.X0), std::max(a.Y0, b.Y0), std::min(a.X1, b.X1),
                      std::min(a.Y1, b.Y1)};
    if (both.X0 > both.X1 || both.Y0 > both.Y1) return std::nullopt;
    return both;
}

// Sutherland and Hodgman: the subject cut by each edge of the clip in turn.
std::vector<PlanePoint> ClipConvex(std::span<const PlanePoint> subject, const Quad& clip) {
    std::vector<PlanePoint> kept(subject.begin(), subject.end());
    std::vector<PlanePoint> next;
    for (std::size_t e = 0; e < clip.size() && !kept.empty(); ++e) {
        const PlanePoint a = clip[e];
        const PlanePoint b = clip[(e + 1) % clip.size()];
        next.clear();
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const PlanePoint p = kept[i];
            const PlanePoint q = kept[(i + 1) % kept.size()];
            const double sp = Side(a, b, p);
            const double sq = Side(a, b, q);
            if (sp >= 0) next.push_back(p);
            if ((sp >= 0) != (sq >= 0)) next.push_back(Between(p, q, sp / (sp - sq)));
        }
        kept.swap(next);
    }
    return kept;
}

double AreaOf(std::span<const PlanePoint> polygon) {
    double twice = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PlanePoint p = polygon[i];
        const PlanePoint q = polygon[(i + 1) % polygon.size()];
        twice += p.X * q.Y - q.X * p.Y;
    }
    return std::abs(twice) / 2;
}

}  // namespace quadrel
