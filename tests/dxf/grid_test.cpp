// The grid: line ranges, grid lines, labels, axis titles, borders and
// cutting marks, checked in the drawing written.
#include "dxf/grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "drawing_test_data.h"

namespace quadrel {
namespace {

using testing::Box;
using testing::DxfFile;

TEST(GridLineRange, InteriorLinesOnly) {
    const struct {
        int add;
        double spacing, min, max;
        bool ok;
        double first, last;
    } cases[] = {{0, 250, 1000, 2000, true, 1250, 1750},  {1, 250, 1010, 2000, true, 1260, 1760},
                 {0, 250, 1010, 2000, true, 1250, 1750},  {0, 250, 1010, 1100, false, 0, 0},
                 {0, -250, 1000, 2000, true, 1250, 1750}, {0, 250, 2000, 1000, true, 1250, 1750},
                 {0, 100, -350, -50, true, -300, -100},   {0, 0, 1000, 2000, false, 0, 0}};
    for (const auto& c : cases) {
        const GridLines lines = GridLineRange(c.add, c.spacing, c.min, c.max);
        EXPECT_EQ(std::make_tuple(lines.Ok, lines.Ok ? lines.First : 0, lines.Ok ? lines.Last : 0),
                  std::make_tuple(c.ok, c.first, c.last))
            << c.add << " " << c.spacing << " " << c.min;
    }
}

DxfFile DrawGrid(const GridSet& set, double border = 0) {
    return testing::Draw([&](DxfWriter& writer) {
        WriteGrid(writer, set, testing::LayoutFor(100, 100), 100, 100, border, 1, '.');
    });
}

std::vector<double> Xs(const std::vector<testing::DxfEntity>& entities, int code) {
    std::vector<double> values;
    for (const auto& entity : entities) values.push_back(entity.Number(code));
    return values;
}

TEST(WriteGrid, InteriorLinesAndALabelForEveryLine) {
    const DxfFile file = DrawGrid(testing::PlainGridSet());
    const auto lines = file.OfType("LINE", "Grid");
    ASSERT_EQ(lines.size(), 4U + 3U);
    EXPECT_EQ(Xs({lines.begin(), lines.begin() + 4}, 20),
              (std::vector<double>{100, 200, 300, 400}));
    EXPECT_EQ(Xs({lines.begin() + 4, lines.end()}, 10), (std::vector<double>{1250, 1500, 1750}));
    const auto texts = file.Texts("Grid");
    ASSERT_EQ(texts.size(), 2 * (6 + 1) + 2 * (5 + 1U));  // labels and a title on each side
    EXPECT_EQ(texts[0], "0.000");  // Y labels take the decimals of the limit texts
    EXPECT_EQ(texts[6], "Northing");
    EXPECT_EQ(texts[15], "1250.0000");
    EXPECT_EQ(texts.back(), "Easting");
}

// Without a border the labels stand inside the grid; with one, in the
// border. Each stands by its line, within one and a half text heights.
TEST(WriteGrid, LabelsStandByTheirLinesInsideTheGridOrInTheBorder) {
    const Box grid{1000, 0, 2000, 500};
    for (const double border : {0.0, 0.5}) {
        const Box bordered{1000 - 100 * border, -100 * border, 2000 + 100 * border,
                           500 + 100 * border};
        const auto texts = DrawGrid(testing::PlainGridSet(), border).OfType("TEXT", "Grid");
        for (const auto& text : texts) {
            SCOPED_TRACE(text.Value(1) + " with border " + std::to_string(border));
            const Box box = testing::TextBox(text);
            EXPECT_TRUE(box.Inside(border > 0 ? bordered : grid));
            const bool outsideGrid =
                box.X1 <= 1000 || box.X0 >= 2000 || box.Y1 <= 0 || box.Y0 >= 500;
            EXPECT_TRUE(border == 0 || outsideGrid);
            if (text.Value(1).find('.') == std::string::npos) continue;  // an axis title
            const bool turned = text.Number(50) == 90;                   // an X label
            const double along = turned ? text.Number(10) : text.Number(20);
            EXPECT_LE(std::fabs(along - std::stod(text.Value(1))), 1.5 * text.Number(40));
        }
    }
}

TEST(WriteGrid, LabelsShrinkToFitTheBorderAndCarryTheConstant) {
    GridSet set = testing::PlainGridSet();
    set.XConst = "500000";
    const auto texts = DrawGrid(set, 0.5).OfType("TEXT", "Grid");
    EXPECT_EQ(texts[14].Value(1), "501000.0000");
    // The longest label and one and a half characters more fill the border.
    EXPECT_EQ(texts[14].Value(40), "4.000");
    for (const double border : {2.0, -0.5}) {  // at most a tenth of an inch
        EXPECT_EQ(DrawGrid(set, border).OfType("TEXT", "Grid")[0].Value(40), "10.000");
    }
}

TEST(WriteGrid, OuterBorderOnlyWithABorderAndCuttingMarksOnlyWithACut) {
    GridSet set = testing::PlainGridSet();
    EXPECT_EQ(DrawGrid(set, -0.5).OfType("POLYLINE", "Grid").size(), 1U);
    const auto bordered = DrawGrid(set, 0.5).OfType("POLYLINE", "Grid");
    ASSERT_EQ(bordered.size(), 2U);
    EXPECT_EQ(bordered[0].Vertices[0].Value(10), "950.000");
    EXPECT_EQ(bordered[0].Vertices[2].Value(20), "550.000");
    set.CutTop = "0.25";
    const auto marks = DrawGrid(set).OfType("POLYLINE", "Grid");
    ASSERT_EQ(marks.size(), 5U);
    // The lower left mark: arms of half an inch from the drawing's corner.
    EXPECT_EQ(marks[1].Vertices.size(), 3U);
    EXPECT_EQ(Xs(marks[1].Vertices, 10), (std::vector<double>{950, 900, 900}));
    EXPECT_EQ(Xs(marks[1].Vertices, 20), (std::vector<double>{-100, -100, -50}));
}

TEST(WriteGrid, NoInteriorLinesKeepsBorderAndEndLabels) {
    for (const char* spacing : {"0", "250"}) {
        GridSet set = testing::PlainGridSet();
        set.XMin = "1010";
        set.XMax = "1100";
        set.XGrid = spacing;
        const DxfFile file = DrawGrid(set);
        EXPECT_EQ(file.OfType("LINE", "Grid").size(), 4U) << spacing;
        EXPECT_EQ(file.Texts("Grid").size(), 2 * (6 + 1) + 2 * (2 + 1U)) << spacing;
    }
}

TEST(WriteGrid, TextThatIsNoNumberNamesTheField) {
    GridSet set = testing::PlainGridSet();
    set.XGrid = "wide";
    try {
        DrawGrid(set);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("'wide'"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("XGrid"), std::string::npos) << error.what();
    }
}

TEST(WriteGrid, LoopsEndWhateverTheSpacing) {
    GridSet dense = testing::PlainGridSet();
    dense.XMax = "1000000";
    dense.XGrid = "0.0001";
    EXPECT_THROW(DrawGrid(dense), DrawingError);
    // 1e17 + 1 == 1e17: the loop value stops growing after the first line.
    GridSet stalled = testing::PlainGridSet();
    stalled.YMin = "100000000000000000";
    stalled.YMax = "100000000000001000";
    stalled.YGrid = stalled.YAdd = "1";
    EXPECT_LE(DrawGrid(stalled).OfType("LINE", "Grid").size(), 1003U);
}

}  // namespace
}  // namespace quadrel
