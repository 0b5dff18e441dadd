// The grid: line ranges, grid lines, labels and their texts, axis titles,
// borders and cutting marks, checked in the drawing written.
#include "drawing/grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "drawing/labels.h"
#include "drawing_test_data.h"
#include "dxf/dxf_drawing.h"

namespace quadrel {
namespace {

using testing::Box;
using testing::DxfFile;
using testing::PlainGridSet;

TEST(GridLineRange, InteriorLinesOnly) {
    const struct {
        int add;
        double spacing, min, max;
        bool ok;
        double first, last;
    } cases[] = {{0, 250, 1010, 2000, true, 1250, 1750},  {1, 250, 1010, 2000, true, 1260, 1760},
                 {0, -250, 2000, 1000, true, 1250, 1750}, {0, 100, -350, -50, true, -300, -100},
                 {0, 250, 1010, 1100, false, 0, 0},       {0, 0, 1000, 2000, false, 0, 0}};
    for (const auto& c : cases) {
        const GridLines lines = GridLineRange(c.add, c.spacing, c.min, c.max);
        EXPECT_EQ(std::make_tuple(lines.Ok, lines.Ok ? lines.First : 0, lines.Ok ? lines.Last : 0),
                  std::make_tuple(c.ok, c.first, c.last))
            << c.add << " " << c.spacing << " " << c.min;
    }
}

DxfFile DrawGrid(const GridSet& set, double border = 0) {
    MapLayout layout = testing::PlainLayout();
    layout.BorderSize = border;
    return testing::Draw(
        [&](DxfWriter& writer) { WriteGrid(writer, ReadSheetGrid(set, '.'), layout, 1); });
}

std::vector<double> Numbers(const std::vector<testing::DxfEntity>& entities, int code) {
    std::vector<double> values;
    for (const auto& entity : entities) values.push_back(entity.Number(code));
    return values;
}

TEST(WriteGrid, InteriorLinesAndALabelForEveryLineOrOnlyTheEnds) {
    const DxfFile file = DrawGrid(PlainGridSet());
    EXPECT_EQ(Numbers(file.OfType("LINE", "Grid"), 20),
              (std::vector<double>{100, 200, 300, 400, 500, 500, 500}));  // vertical ones top down
    const auto texts = file.Texts("Grid");
    ASSERT_EQ(texts.size(), 2 * (6 + 1) + 2 * (5 + 1U));  // labels and a title on each side
    EXPECT_EQ(texts[0], "0.000");  // Y labels take the decimals of the limit texts
    EXPECT_EQ(texts[6], "Northing");
    EXPECT_EQ(texts[15], "1250.0000");
    const DxfFile none = DrawGrid(PlainGridSet("XMin=1010 XMax=1100"));
    EXPECT_EQ(none.OfType("LINE", "Grid").size(), 4U);
    EXPECT_EQ(none.Texts("Grid").size(), 2 * (6 + 1) + 2 * (2 + 1U));
}

// Without a border the labels stand inside the grid; with one, in the
// border. Each stands by its line, within one and a half text heights.
TEST(WriteGrid, LabelsStandByTheirLinesInsideTheGridOrInTheBorder) {
    for (const double border : {0.0, 0.5}) {
        const double b = 100 * border;
        for (const auto& text : DrawGrid(PlainGridSet(), border).OfType("TEXT", "Grid")) {
            SCOPED_TRACE(text.Value(1) + " with border " + std::to_string(border));
            const Box box = testing::TextBox(text);
            EXPECT_TRUE(box.Inside({1000 - b, -b, 2000 + b, 500 + b}));
            const bool outsideGrid =
                box.X1 <= 1000 || box.X0 >= 2000 || box.Y1 <= 0 || box.Y0 >= 500;
            EXPECT_TRUE(border == 0 || outsideGrid);
            if (text.Value(1).find('.') == std::string::npos) continue;  // an axis title
            const double along = text.Number(50) == 90 ? text.Number(10) : text.Number(20);
            EXPECT_LE(std::fabs(along - std::stod(text.Value(1))), 1.5 * text.Number(40));
        }
    }
}

TEST(WriteGrid, LabelsShrinkToFitTheBorderAndCarryTheConstant) {
    const GridSet set = PlainGridSet("XConst=500000");
    const auto texts = DrawGrid(set, 0.5).OfType("TEXT", "Grid");
    EXPECT_EQ(texts[14].Value(1), "501000.0000");
    // The longest label and one and a half characters more fill the border.
    EXPECT_EQ(texts[14].Value(40), "4.000");
    for (const double border : {2.0, -0.5}) {  // at most a tenth of an inch
        EXPECT_EQ(DrawGrid(set, border).OfType("TEXT", "Grid")[0].Value(40), "10.000");
    }
}

TEST(WriteGrid, OuterBorderOnlyWithABorderAndCuttingMarksOnlyWithACut) {
    EXPECT_EQ(DrawGrid(PlainGridSet(), -0.5).OfType("POLYLINE", "Grid").size(), 1U);
    const auto bordered = DrawGrid(PlainGridSet(), 0.5).OfType("POLYLINE", "Grid");
    ASSERT_EQ(bordered.size(), 2U);
    EXPECT_EQ(Numbers(bordered[0].Vertices, 10), (std::vector<double>{950, 950, 2050, 2050, 950}));
    const auto marks = DrawGrid(PlainGridSet("CutTop=0.25")).OfType("POLYLINE", "Grid");
    ASSERT_EQ(marks.size(), 5U);
    // The lower left mark: arms of half an inch from the drawing's corner.
    EXPECT_EQ(Numbers(marks[1].Vertices, 10), (std::vector<double>{950, 900, 900}));
    EXPECT_EQ(Numbers(marks[1].Vertices, 20), (std::vector<double>{-100, -100, -50}));
}

TEST(WriteGrid, RefusesWhatItCannotDrawAndAlwaysEnds) {
    EXPECT_THROW(DrawGrid(PlainGridSet("XMax=1000000 XGrid=0.0001")), DrawingError);
    // 1e17 + 1 == 1e17: the loop value stops growing after the first line.
    const GridSet stalled =
        PlainGridSet("YMin=100000000000000000 YMax=100000000000001000 YGrid=1 YAdd=1");
    EXPECT_LE(DrawGrid(stalled).OfType("LINE", "Grid").size(), 1003U);
}

TEST(Labels, DecimalsFromTheLimitTextsFifteenSignificantDigitsAndTheScalesFormat) {
    // The digits after the first point, or all the characters without one.
    EXPECT_EQ(LabelDecimals("1000.0", "2000.00"), 2);
    EXPECT_EQ(LabelDecimals("1000", "20"), 4);
    EXPECT_EQ(LabelDecimals("1.2.3", ""), 3);
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {{501000, 4, "501000.0000"},
                 {123456789012.34567, 5, "123456789012.34600"},
                 {0.1 + 0.2, 17, "0.30000000000000000"},
                 {2.25, 30, "2.250000000000000000"},  // at most 18 decimals
                 {-0.001, 2, "0.00"},                 // no sign on a label that reads zero
                 {1e16, 2, "1.00000000000000E+16"}};
    for (const auto& c : cases) EXPECT_EQ(LabelText(c.value, c.decimals, '.'), c.text);
    EXPECT_EQ(LabelText(1000, 1, ','), "1000,0");
    EXPECT_THROW(LabelText(std::numeric_limits<double>::infinity(), 2, '.'), DrawingError);

    // The general format of the scale: shortest, exponent only at the ends.
    const struct {
        double value;
        const char* text;
    } general[] = {{2500, "2500"},       {2500.5, "2500.5"},
                   {0.00001, "0.00001"}, {0.000001, "1E-6"},
                   {1e15, "1E15"},       {1.5e15, "1.5E15"},
                   {0.1 + 0.2, "0.3"},   {999999999999999, "999999999999999"}};
    for (const auto& c : general) EXPECT_EQ(GeneralNumberText(c.value, '.'), c.text);
    EXPECT_EQ(GeneralNumberText(1234.5, ','), "1234,5");
}

}  // namespace
}  // namespace quadrel
