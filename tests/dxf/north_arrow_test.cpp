// The north arrow: its corner, and its size on the sheet.
#include "dxf/north_arrow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "drawing_test_data.h"

namespace quadrel {
namespace {

TEST(PlaceNorthArrow, ByCornerAndDistance) {
    const MapLayout layout = testing::LayoutFor(100, 100);  // X 1000..2000, Y 0..500
    const struct {
        const char* corner;
        double size, distance, x0, y0;
    } cases[] = {// 2.3 inches long at size 1, here 115; a distance of 0 is half of it.
                 {"UR", 0.5, 0, 2000 - 57.5, 500 - 172.5}, {"UL", 0.5, 0, 1000 + 57.5, 500 - 172.5},
                 {"LR", 0.5, 0, 2000 - 57.5, 0 + 57.5},    {"LL", 0.5, 10, 1010, 10},
                 {"UR", 1, 10, 1990, 500 - 10 - 230},      {"", 0.5, 0, 2000 - 57.5, 500 - 172.5}};
    for (const auto& c : cases) {
        const NorthArrowPlacement place = PlaceNorthArrow(c.corner, c.size, c.distance, layout);
        EXPECT_DOUBLE_EQ(place.X0, c.x0) << c.corner << " " << c.distance;
        EXPECT_DOUBLE_EQ(place.Y0, c.y0) << c.corner << " " << c.distance;
    }
}

// Four polylines (shaft with head, cross bar, N and its inset copy) that
// rise from the foot of the shaft to a tip 2.3 inches times the size above.
TEST(WriteNorthArrow, RisesFromItsFootByItsLength) {
    for (const auto& [unitsPerInch, size, tip] :
         {std::tuple{100.0, 0.5, "315.000"}, std::tuple{25.4, 1.0, "258.420"}}) {
        const auto file = testing::Draw(
            [&](DxfWriter& writer) { WriteNorthArrow(writer, 1000, 200, unitsPerInch, size); });
        const auto polylines = file.OfType("POLYLINE", "North_Arrow");
        ASSERT_EQ(polylines.size(), 4U);
        const auto& shaft = polylines[0].Vertices;
        EXPECT_EQ(shaft[0].Value(10) + " " + shaft[0].Value(20), "1000.000 200.000");
        EXPECT_EQ(shaft[1].Value(20), tip);
        const double halfWidth = 0.15 * size * unitsPerInch;
        for (const auto& polyline : polylines) {
            for (const auto& vertex : polyline.Vertices) {
                EXPECT_LE(std::abs(vertex.Number(10) - 1000), halfWidth + 0.0005);
                EXPECT_GE(vertex.Number(20), 200);
                EXPECT_LE(vertex.Number(20), std::stod(tip));
            }
        }
    }
    EXPECT_TRUE(testing::Draw([](DxfWriter& writer) {
                    WriteNorthArrow(writer, 0, 0, 100, 0);
                }).Entities.empty());
}

}  // namespace
}  // namespace quadrel
