// The grid: line ranges, grid lines, labels, axis titles, borders and
// cutting marks, checked in the drawing written.
#include "dxf/grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/numbers.h"
#include "drawing_test_data.h"

namespace quadrel {
namespace {

using testing::Draw;
using testing::DxfEntity;
using testing::DxfFile;

struct RangeCase {
    const char* name;
    int add;
    double spacing, min, max;
    bool ok;
    double first, last;
};

TEST(GridLineRange, InteriorLinesOnly) {
    const RangeCase cases[] = {
        {"multiples", 0, 250, 1000, 2000, true, 1250, 1750},
        {"added to the minimum", 1, 250, 1010, 2000, true, 1260, 1760},
        {"multiples from an odd minimum", 0, 250, 1010, 2000, true, 1250, 1750},
        {"no multiple in range", 0, 250, 1010, 1100, false, 0, 0},
        {"negative spacing", 0, -250, 1000, 2000, true, 1250, 1750},
        {"swapped limits", 0, 250, 2000, 1000, true, 1250, 1750},
        {"negative range", 0, 100, -350, -50, true, -300, -100},
    };
    for (const auto& c : cases) {
        const GridLines lines = GridLineRange(c.add, c.spacing, c.min, c.max);
        EXPECT_EQ(lines.Ok, c.ok) << c.name;
        if (!c.ok) continue;
        EXPECT_DOUBLE_EQ(lines.First, c.first) << c.name;
        EXPECT_DOUBLE_EQ(lines.Last, c.last) << c.name;
    }
    EXPECT_FALSE(GridLineRange(0, 0, 1000, 2000).Ok);
}

DxfFile DrawGrid(const GridSet& set, double border = 0, double xUnits = 100, double yUnits = 100) {
    const MapLayout layout = testing::LayoutFor(xUnits, yUnits);
    return Draw([&](DxfWriter& writer) {
        WriteGrid(writer, set, layout, xUnits, yUnits, border, 1, '.');
    });
}

std::vector<std::string> Values(const std::vector<DxfEntity>& entities, int code) {
    std::vector<std::string> values;
    for (const auto& entity : entities) values.push_back(entity.Value(code));
    return values;
}

// The entities after a comment that are of the first one's type, up to the
// next comment or the next type.
std::vector<DxfEntity> Group(const DxfFile& file, const std::string& comment) {
    const std::size_t first = file.FirstEntityAfter(comment);
    std::vector<DxfEntity> group;
    for (std::size_t e = first; e < file.Entities.size(); ++e) {
        if (file.Entities[e].CommentsBefore != file.Entities[first].CommentsBefore) break;
        if (file.Entities[e].Type != file.Entities[first].Type) break;
        group.push_back(file.Entities[e]);
    }
    return group;
}

TEST(WriteGrid, LinesBetweenTheLimitsAndLabelsAtEveryLine) {
    const DxfFile file = DrawGrid(testing::PlainGridSet());
    const auto vertical = Group(file, "=== Vertical lines");
    EXPECT_EQ(Values(vertical, 10), (std::vector<std::string>{"1250.000", "1500.000", "1750.000"}));
    EXPECT_EQ(Values(vertical, 20), (std::vector<std::string>(3, "500.000")));  // drawn top down
    EXPECT_EQ(Values(vertical, 21), (std::vector<std::string>(3, "0.000")));
    const auto horizontal = Group(file, "=== Horizontal lines");
    EXPECT_EQ(Values(horizontal, 20),
              (std::vector<std::string>{"100.000", "200.000", "300.000", "400.000"}));

    const auto texts = file.Texts("Grid");
    ASSERT_EQ(texts.size(), 26U);
    // Left labels, the title, right labels, the title, then top and bottom.
    const std::vector<std::string> yLabels{"0.000",   "100.000", "200.000",
                                           "300.000", "400.000", "500.000"};
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 6), yLabels);
    EXPECT_EQ(texts[6], "Northing");
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 7, texts.begin() + 13), yLabels);
    const std::vector<std::string> xLabels{"1000.0000", "1250.0000", "1500.0000", "1750.0000",
                                           "2000.0000"};
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 14, texts.begin() + 19), xLabels);
    EXPECT_EQ(texts[19], "Easting");
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 20, texts.begin() + 25), xLabels);
    EXPECT_EQ(texts[25], "Easting");
}

TEST(WriteGrid, WithoutBorderTheLabelsStandInsideTheGrid) {
    // h = 0.1 inch: tX = tY = 10 at 100 units per inch.
    const auto texts = DrawGrid(testing::PlainGridSet()).OfType("TEXT", "Grid");
    ASSERT_EQ(texts.size(), 26U);
    struct Placement {
        std::size_t index;
        const char *x, *y, *rotation, *height;
    };
    const Placement expected[] = {
        {0, "1015.000", "5.000", "0.00", "10.000"},    // left, YMin: XMin + 1.5 tX, y + 0.5 tY
        {5, "1015.000", "485.000", "0.00", "10.000"},  // left, YMax: YMax - 1.5 tY
        {6, "1015.0", "210.0", "90.00", "10.000"},     // title: (0 + 500 - 8 tY) / 2
        {7, "1935.000", "5.000", "0.00", "10.000"},    // right: XMax - 1.5 tX - 5 tX
        {13, "1995.0", "210.0", "90.00", "10.000"},    // right title: XMax - 0.5 tX
        {14, "1015.0000", "395.0000", "90.00", "10.000"},  // top, XMin: YMax - 1.5 tY - 9 tY
        {15, "1245.0000", "395.0000", "90.00", "10.000"},  // top interior: x - 0.5 tX
        {19, "1465.0", "485.0", "0.00", "10.000"},     // top title: (1000 + 2000 - 7 tX) / 2
        {20, "1015.0000", "15.0000", "90.00", "10.000"},   // bottom, XMin: YMin + 1.5 tY
        {24, "1995.0000", "15.0000", "90.00", "10.000"},   // bottom, XMax
        {25, "1465.0", "5.0", "0.00", "10.000"},       // bottom title: YMin + 0.5 tY
    };
    for (const auto& p : expected) {
        const DxfEntity& text = texts[p.index];
        EXPECT_EQ(text.Value(10), p.x) << p.index << " " << text.Value(1);
        EXPECT_EQ(text.Value(20), p.y) << p.index << " " << text.Value(1);
        EXPECT_EQ(text.Value(50), p.rotation) << p.index;
        EXPECT_EQ(text.Value(40), p.height) << p.index;
    }
    EXPECT_EQ(DrawGrid(testing::PlainGridSet()).Comments,
              (std::vector<std::string>{"=== Border surrounding the grid", "=== Horizontal lines",
                                        "=== Vertical lines"}));
}

TEST(WriteGrid, WithBorderTheLabelsStandInTheBorderAndShrinkToFit) {
    GridSet set = testing::PlainGridSet();
    set.XMin = "10000.0";  // the longest label, 7 characters
    set.XMax = "20000.0";
    set.YMin = "0.0";
    set.YMax = "500.0";
    const DxfFile file = DrawGrid(set, 0.5, 100, 50);
    // h = 0.5 / (7 + 1.5) inch
    const double h = 0.5 / 8.5;
    const auto texts = file.OfType("TEXT", "Grid");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].Value(40), FormatFixed(h * 50, 3));  // Y labels: tY
    EXPECT_EQ(texts.back().Value(40), FormatFixed(h * 100, 3));  // X title: tX
    // Left YMin label "0.0" ends half a text height left of the grid edge.
    EXPECT_EQ(texts[0].Value(10), FormatFixed(10000 - 0.5 * h * 100 - 3 * h * 100, 1));
    EXPECT_EQ(texts[0].Value(20), FormatFixed(-0.5 * h * 50, 1));

    const auto border = Group(file, "=== Border encompassing the plot");
    ASSERT_EQ(border.size(), 1U);
    ASSERT_EQ(border[0].Vertices.size(), 5U);
    EXPECT_EQ(border[0].Vertices[0].Value(10), "9950.000");  // XMin - 0.5 inch
    EXPECT_EQ(border[0].Vertices[0].Value(20), "-25.000");
    EXPECT_EQ(border[0].Vertices[2].Value(10), "20050.000");
    EXPECT_EQ(border[0].Vertices[2].Value(20), "525.000");
}

TEST(WriteGrid, LabelHeightIsAtMostATenthOfAnInch) {
    for (const double border : {2.0, 0.0, -0.5}) {
        const auto texts = DrawGrid(testing::PlainGridSet(), border).OfType("TEXT", "Grid");
        ASSERT_FALSE(texts.empty());
        for (const auto& text : texts) EXPECT_EQ(text.Value(40), "10.000") << border;
    }
    // A negative border draws no outer border and keeps the labels inside.
    const DxfFile negative = DrawGrid(testing::PlainGridSet(), -0.5);
    EXPECT_EQ(negative.OfType("TEXT", "Grid")[0].Value(10), "1015.000");
    EXPECT_EQ(negative.Comments.front(), "=== Border surrounding the grid");
}

TEST(WriteGrid, LabelsCarryTheConstantAndTheDecimalsOfTheLimitTexts) {
    GridSet set = testing::PlainGridSet();
    set.XConst = "500000";
    EXPECT_EQ(DrawGrid(set).Texts("Grid")[14], "501000.0000");
    set.XConst = "0";
    set.XMin = "1000.0";
    set.XMax = "2000.00";
    EXPECT_EQ(DrawGrid(set).Texts("Grid")[14], "1000.00");
}

TEST(WriteGrid, LinesAddedToTheMinimum) {
    GridSet set = testing::PlainGridSet();
    set.XMin = "1010";
    set.XAdd = "1";
    EXPECT_EQ(Values(Group(DrawGrid(set), "=== Vertical lines"), 10),
              (std::vector<std::string>{"1260.000", "1510.000", "1760.000"}));
}

TEST(WriteGrid, NoInteriorLinesKeepsBorderAndEndLabels) {
    for (const char* spacing : {"0", "250"}) {
        GridSet set = testing::PlainGridSet();
        set.XMin = "1010";
        set.XMax = "1100";
        set.XGrid = spacing;
        const DxfFile file = DrawGrid(set);
        EXPECT_EQ(file.OfType("LINE", "Grid").size(), 4U) << spacing;  // the horizontal lines
        EXPECT_EQ(file.Texts("Grid").size(), 6U + 1 + 6 + 1 + 2 + 1 + 2 + 1) << spacing;
        ASSERT_EQ(file.OfType("POLYLINE", "Grid").size(), 1U);
    }
}

TEST(WriteGrid, NegativeSpacingDrawsAsThePositiveOne) {
    GridSet set = testing::PlainGridSet();
    set.XGrid = "-250";
    EXPECT_EQ(Values(Group(DrawGrid(set), "=== Vertical lines"), 10),
              (std::vector<std::string>{"1250.000", "1500.000", "1750.000"}));
}

TEST(WriteGrid, CuttingMarksOnlyWithACuttingBorder) {
    GridSet set = testing::PlainGridSet();
    EXPECT_EQ(DrawGrid(set).OfType("POLYLINE", "Grid").size(), 1U);
    set.CutTop = "0.25";
    const auto polylines = DrawGrid(set).OfType("POLYLINE", "Grid");
    ASSERT_EQ(polylines.size(), 5U);
    // Lower left, upper left, upper right, lower right; arms of half an inch.
    const char* corners[4][3][2] = {
        {{"950.0", "-100.0"}, {"900.0", "-100.0"}, {"900.0", "-50.0"}},
        {{"900.0", "550.0"}, {"900.0", "600.0"}, {"950.0", "600.0"}},
        {{"2050.0", "600.0"}, {"2100.0", "600.0"}, {"2100.0", "550.0"}},
        {{"2100.0", "-50.0"}, {"2100.0", "-100.0"}, {"2050.0", "-100.0"}},
    };
    for (std::size_t mark = 0; mark < 4; ++mark) {
        const auto& vertices = polylines[mark + 1].Vertices;
        ASSERT_EQ(vertices.size(), 3U);
        for (std::size_t v = 0; v < 3; ++v) {
            EXPECT_EQ(vertices[v].Value(10), corners[mark][v][0]) << mark << " " << v;
            EXPECT_EQ(vertices[v].Value(20), corners[mark][v][1]) << mark << " " << v;
        }
    }
}

TEST(WriteGrid, EmptyAxisTitlesAreWrittenEmpty) {
    GridSet set = testing::PlainGridSet();
    set.XAxisTitle = "";
    const auto texts = DrawGrid(set).Texts("Grid");
    EXPECT_EQ(texts[19], "");
    EXPECT_EQ(texts[25], "");
}

TEST(WriteGrid, TextThatIsNoNumberNamesTheField) {
    GridSet set = testing::PlainGridSet();
    set.XGrid = "wide";
    DxfWriter writer;
    writer.OpenDrawing("unused.dxf");
    try {
        WriteGrid(writer, set, testing::LayoutFor(100, 100), 100, 100, 0, 1, '.');
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("'wide'"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("XGrid"), std::string::npos) << error.what();
    }
}

TEST(WriteGrid, AbsurdlyDenseGridIsRefused) {
    GridSet set = testing::PlainGridSet();
    set.XMin = "0";
    set.XMax = "1000000";
    set.XGrid = "0.0001";
    DxfWriter counter;
    counter.OpenDrawing("unused.dxf");
    EXPECT_THROW(WriteGrid(counter, set, testing::LayoutFor(100, 100), 100, 100, 0, 1, '.'),
                 DrawingError);
}

TEST(WriteGrid, SpacingTooSmallForTheValuesEnds) {
    // 1e17 + 1 == 1e17: the loop value stops growing after the first line.
    GridSet set = testing::PlainGridSet();
    set.YMin = "100000000000000000";
    set.YMax = "100000000000001000";
    set.YGrid = "1";
    set.YAdd = "1";
    const DxfFile file = DrawGrid(set);
    EXPECT_LE(Group(file, "=== Horizontal lines").size(), 1000U);
}

}  // namespace
}  // namespace quadrel
