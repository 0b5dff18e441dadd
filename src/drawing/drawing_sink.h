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

// A point of the sheet in drawing units. Sheets are flat: the file gives
// every point a z of 0.
struct Point {
    double X = 0;
    double Y = 0;
};

// What an entity is drawn with: the layer it goes on and the decimals its
// coordinates are written with.
struct Pen {
    std::string_view Layer;
    int Decimals = 0;
};

// The refusal of a value that is not a finite number, which no drawing can
// hold.
[[noreturn]] void RefuseNonFiniteValue();
// Refuses the drawing unless every value is a finite number.
void RequireFinite(std::initializer_list<double> values);

// Every operation takes its arguments in one order: the pen, the points,
// then what else it needs.
class DrawingSink {
public:
    virtual ~DrawingSink() = default;

    // A text from its insertion point, `rotation` degrees counterclockwise.
    virtual void WriteText(const Pen& pen, Point at, std::string_view text, double height,
                           double rotation) = 0;
    virtual void WriteLine(const Pen& pen, Point from, Point to) = 0;
    // A polyline is BeginPolyline, its vertices, then EndPolyline; nothing
    // else comes between them. The vertices and the end take the pen of the
    // begin.
    virtual void BeginPolyline(const Pen& pen) = 0;
    virtual void WriteVertex(Point at) = 0;
    virtual void EndPolyline() = 0;
    virtual void WriteComment(std::string_view text) = 0;

    // A closed outline: a polyline of five vertices, the first repeated, in
    // argument order, each with RectangleDecimals.
    void WriteRectangle(std::string_view layer, Point corner, Point opposite);

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
