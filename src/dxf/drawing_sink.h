// What the drawing components draw into. The DXF writer turns the calls into
// a file; the sheet recorder keeps them in memory for a preview or a plot.
// Both see the same calls in the same order, so a preview shows exactly what
// the file holds.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string_view>

namespace quadrel {

// A drawing that is refused: too many entities, or a value that is not a
// finite number.
class DrawingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// More entities than any map sheet needs; a tiny spacing over a large range
// would otherwise fill the disk or the memory.
inline constexpr std::int64_t MaxDrawingEntities = 1'000'000;

// Decimals of every vertex of a rectangle.
inline constexpr int RectangleDecimals = 3;

// The refusal of a value that is not a finite number, which no drawing can
// hold.
[[noreturn]] void RefuseNonFiniteValue();
// Refuses the drawing unless every value is a finite number.
void RequireFinite(std::initializer_list<double> values);

class DrawingSink {
public:
    virtual ~DrawingSink() = default;

    virtual void WriteText(std::string_view layer, std::string_view text, double x, double y,
                           double z, int decimals, double height, double rotation) = 0;
    virtual void WriteLine(double x1, double y1, double z1, double x2, double y2, double z2,
                           std::string_view layer, int decimals) = 0;
    // A polyline is BeginPolyline, its vertices, then EndPolyline; nothing
    // else comes between them.
    virtual void BeginPolyline(std::string_view layer) = 0;
    virtual void WriteVertex(double x, double y, double z, std::string_view layer,
                             int decimals) = 0;
    virtual void EndPolyline(std::string_view layer) = 0;
    virtual void WriteComment(std::string_view text) = 0;

    // A closed outline: a polyline of five vertices, the first repeated, in
    // argument order.
    void WriteRectangle(double x1, double y1, double x2, double y2, std::string_view layer);

    // Texts, lines, polylines and vertices so far; comments do not count.
    std::int64_t EntityCount() const { return entityCount_; }

protected:
    DrawingSink() = default;
    DrawingSink(const DrawingSink&) = default;
    DrawingSink& operator=(const DrawingSink&) = default;

    // Counts an entity; refuses the drawing once it grows past the limit.
    void CountEntity(std::string_view layer);
    void ResetEntityCount() { entityCount_ = 0; }

private:
    std::int64_t entityCount_ = 0;
};

}  // namespace quadrel
