// The north arrow: its placement by corner and its four polylines.
#include "dxf/north_arrow.h"

#include <gtest/gtest.h>

#include "app/numbers.h"
#include "drawing_test_data.h"

namespace quadrel {
namespace {

using testing::Draw;
using testing::DxfFile;

TEST(PlaceNorthArrow, ByCornerAndDistance) {
    MapLayout layout = testing::LayoutFor(100, 100);  // X 1000..2000, Y 0..500
    const struct {
        const char* corner;
        double size, distance, x0, y0;
    } cases[] = {
        // L = 2.3 x 0.5 x 100 = 115; a distance of 0 is L / 2.
        {"UR", 0.5, 0, 2000 - 57.5, 500 - 172.5},
        {"UL", 0.5, 0, 1000 + 57.5, 500 - 172.5},
        {"LR", 0.5, 0, 2000 - 57.5, 0 + 57.5},
        {"LL", 0.5, 0, 1000 + 57.5, 0 + 57.5},
        {"LL", 0.5, 10, 1010, 10},  // project units, whatever the scale
        {"UR", 1, 10, 1990, 500 - 10 - 230},
        {"", 0.5, 0, 2000 - 57.5, 500 - 172.5},
    };
    for (const auto& c : cases) {
        const NorthArrowPlacement place = PlaceNorthArrow(c.corner, c.size, c.distance, layout);
        EXPECT_DOUBLE_EQ(place.X0, c.x0) << c.corner << " " << c.distance;
        EXPECT_DOUBLE_EQ(place.Y0, c.y0) << c.corner << " " << c.distance;
    }
}

TEST(WriteNorthArrow, FourPolylinesAroundTheShaft) {
    const DxfFile file = Draw([](DxfWriter& writer) { WriteNorthArrow(writer, 1000, 200, 100, 0.5); });
    EXPECT_EQ(file.Comments, std::vector<std::string>{"=== North Arrow ==="});
    const auto polylines = file.OfType("POLYLINE", "North_Arrow");
    ASSERT_EQ(polylines.size(), 4U);
    const std::size_t counts[] = {11, 2, 4, 4};
    for (std::size_t p = 0; p < 4; ++p) {
        EXPECT_EQ(polylines[p].Vertices.size(), counts[p]) << p;
        EXPECT_EQ(polylines[p].SeqEndLayer, "North_Arrow");
        for (const auto& vertex : polylines[p].Vertices) EXPECT_EQ(vertex.Value(30), "0.000");
    }
    // k = 50: the foot at the reference point, the tip 115 above it, the
    // barb 7.5 to the right, the cross bar 7.5 to either side.
    const auto& shaft = polylines[0].Vertices;
    EXPECT_EQ(shaft[0].Value(10), "1000.000");
    EXPECT_EQ(shaft[0].Value(20), "200.000");
    EXPECT_EQ(shaft[1].Value(20), "315.000");
    EXPECT_EQ(shaft[6].Value(10), "1007.500");
    EXPECT_EQ(shaft[6].Value(20), "279.000");
    EXPECT_EQ(polylines[1].Vertices[0].Value(10), "992.500");
    EXPECT_EQ(polylines[1].Vertices[1].Value(10), "1007.500");
    EXPECT_EQ(polylines[3].Vertices[0].Value(10), "992.750");  // the inset N
}

TEST(WriteNorthArrow, MetricArrowLength) {
    // A size factor of 1 at 1:1000: 2.3 inches of 25.4 m each.
    const DxfFile file = Draw([](DxfWriter& writer) { WriteNorthArrow(writer, 0, 0, 25.4, 1); });
    EXPECT_EQ(file.OfType("POLYLINE", "North_Arrow")[0].Vertices[1].Value(20), "58.420");
}

TEST(WriteNorthArrow, SizeZeroWritesNothing) {
    const DxfFile file = Draw([](DxfWriter& writer) { WriteNorthArrow(writer, 0, 0, 100, 0); });
    EXPECT_TRUE(file.Entities.empty());
    EXPECT_TRUE(file.Comments.empty());
}

TEST(NorthArrowShape, OpensAndEndsFourPolylines) {
    int open = 0;
    int ends = 0;
    for (const auto& point : NorthArrowShape) {
        open += point.Code == ShapeCode::Open;
        ends += point.Code == ShapeCode::End;
    }
    EXPECT_EQ(open, 4);
    EXPECT_EQ(ends, 4);
    EXPECT_EQ(NorthArrowShape.front().Code, ShapeCode::Open);
    EXPECT_EQ(NorthArrowShape.back().Code, ShapeCode::End);
}

}  // namespace
}  // namespace quadrel
