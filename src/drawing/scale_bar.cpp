#include "drawing/scale_bar.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/numbers.h"
#include "drawing/centred_start.h"
#include "drawing/steps.h"

namespace quadrel {
namespace {

constexpr Pen GeometryPen{ScaleBarLayer, 3};
constexpr Pen TextPen{ScaleBarLayer, 1};

constexpr double BoxWidthIn = 3.9;
// Sheet inches the bar leaves free in its box, split between both sides.
constexpr double BoxMargin = 0.4;
constexpr double TextHeightIn = 0.07;
constexpr double BarHeightIn = 0.15;
constexpr double HatchSpacingIn = 0.005;

struct UnitSystem {
    std::string_view Caption;
    std::string_view UnitWord;
    double BarUnitsPerInch;  // 2 cm of sheet is the metric bar unit
};

constexpr UnitSystem MetricUnits{"MAP SCALE (METRIC)", "METERS", 1.27};
constexpr UnitSystem ImperialUnits{"MAP SCALE (IMPERIAL)", " FEET ", 1.0};

// A ground distance rounded to whole units, as the bar's labels show it.
std::string DistanceLabel(double distance) {
    std::string text = FormatFixed(distance, 0);
    if (text == "-0") text = "0";
    return text;
}

struct Bar {
    double Unit = 0;  // ground length of one bar unit
    double Half = 0;
    double Length = 0;
    double Left = 0, Bottom = 0;
    double Height = 0;
    double LabelY = 0;
    double TextHeight = 0;
};

void WriteLabel(DrawingSink& sink, const Bar& bar, double x, double distance) {
    sink.WriteText(TextPen, {x, bar.LabelY}, DistanceLabel(distance), bar.TextHeight, 0);
}

void WriteDivision(DrawingSink& sink, const Bar& bar, double x) {
    sink.WriteLine(GeometryPen, {x, bar.Bottom}, {x, bar.Bottom + bar.Height});
}

// Fills one half of a bar cell with horizontal lines 0.005 sheet inch
// apart, none on the half's edges.
void HatchHalfCell(DrawingSink& sink, double leftX, double baseY, double length, double halfHeight,
                   double uv) {
    const double spacing = HatchSpacingIn * uv;
    if (!(spacing > 0) || !std::isfinite(spacing)) return;
    const std::int64_t lines = StepCount(std::trunc(halfHeight / spacing));
    for (std::int64_t i = 1; i < lines; ++i) {
        const double y = baseY + static_cast<double>(i) * spacing;
        sink.WriteLine(GeometryPen, {leftX, y}, {leftX + length, y});
    }
}

// Cells are filled alternately in the upper and the lower half, starting
// with the upper one, so that the bar reads as a checker pattern.
class CellFiller {
public:
    CellFiller(DrawingSink& sink, const Bar& bar, double uv) : sink_(sink), bar_(bar), uv_(uv) {}

    void Fill(double cellRightX, double cellLength) {
        const double halfHeight = bar_.Height / 2;
        HatchHalfCell(sink_, cellRightX - cellLength, bar_.Bottom + upper_ * halfHeight, cellLength,
                      halfHeight, uv_);
        upper_ = 1 - upper_;
    }

private:
    DrawingSink& sink_;
    const Bar& bar_;
    double uv_;
    int upper_ = 1;
};

void WriteFrameAndCentreLine(DrawingSink& sink, const Bar& bar) {
    const double right = bar.Left + bar.Length;
    sink.WriteRectangle(ScaleBarLayer, {bar.Left, bar.Bottom}, {right, bar.Bottom + bar.Height});
    const double middle = bar.Bottom + bar.Height / 2;
    sink.WriteLine(GeometryPen, {bar.Left, middle}, {right, middle});
}

// The first unit is split into halves, the rest of the bar into whole units.
void WriteDivisions(DrawingSink& sink, const Bar& bar, double uv) {
    CellFiller cells(sink, bar, uv);
    WriteLabel(sink, bar, bar.Left, 0);
    const std::int64_t halves = StepCount(std::min(bar.Length / bar.Half, 2.0));
    const std::int64_t units =
        StepCount((bar.Length - static_cast<double>(halves) * bar.Half) / bar.Unit);
    double x = bar.Left;
    for (std::int64_t i = 1; i <= halves; ++i) {
        x = bar.Left + static_cast<double>(i) * bar.Half;
        WriteDivision(sink, bar, x);
        cells.Fill(x, bar.Half);
        WriteLabel(sink, bar, x, static_cast<double>(i) * bar.Half);
    }
    for (std::int64_t j = 1; j <= units; ++j) {
        x += bar.Unit;
        const double distance =
            static_cast<double>(halves) * bar.Half + static_cast<double>(j) * bar.Unit;
        // The division at the bar's right end is the frame itself.
        if (distance < bar.Length) WriteDivision(sink, bar, x);
        cells.Fill(x, bar.Unit);
        WriteLabel(sink, bar, x, distance);
    }
}

}  // namespace

void WriteScaleBar(DrawingSink& sink, const TitleBlockFrame& frame, bool metric) {
    const UnitSystem& system = metric ? MetricUnits : ImperialUnits;
    const double r = system.BarUnitsPerInch;
    // Lengths along and across the bar alike are in the block's units per
    // sheet inch.
    const double u = frame.UnitsPerInch;
    const double boxWidth = BoxWidthIn * frame.Kx;
    Bar bar;
    bar.Unit = u / r;
    bar.Half = bar.Unit * 0.5;
    bar.Length = std::max(std::floor((boxWidth - BoxMargin) * r) * bar.Unit, bar.Half);
    bar.TextHeight = frame.Height(TextHeightIn);
    bar.Height = u * BarHeightIn;
    const double boxUnits = u * boxWidth;
    // A bar with no length to divide has nothing to show; neither has one
    // that would stick out of its box.
    if (!(bar.Half > 0) || !std::isfinite(bar.Length) || boxUnits < bar.Length) return;

    const auto caption = static_cast<double>(system.Caption.size());
    const auto word = static_cast<double>(system.UnitWord.size());
    sink.WriteText(TextPen,
                   {frame.X(CentredStart(0, BoxWidthIn, caption, TextHeightIn)),
                    frame.Y(CentredStart(1.5, 1.75, 1, TextHeightIn))},
                   system.Caption, bar.TextHeight, 0);
    sink.WriteText(
        TextPen,
        {frame.X(CentredStart(0, BoxWidthIn, word, TextHeightIn)), frame.Bottom + bar.TextHeight},
        system.UnitWord, bar.TextHeight, 0);

    bar.Left = frame.Left + (boxUnits - bar.Length) / 2;
    // Only the bar's position follows the block's shrinking; its height
    // stays 0.15 sheet inch.
    bar.Bottom = frame.Y(CentredStart(0, 1.5, 1, BarHeightIn));
    bar.LabelY = bar.Bottom + bar.Height + bar.TextHeight / 2;
    WriteFrameAndCentreLine(sink, bar);
    WriteDivisions(sink, bar, u);
}

}  // namespace quadrel
