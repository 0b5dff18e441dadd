// The north arrow: its corner, and its size on the sheet.
#include "dxf/north_arrow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "drawing_test_data.h"

namespace quadrel {
namespace {

// 2.3 inches long at size 1, 115 units here at size 0.5; a distance of 0 is
// half the length.
TEST(PlaceNorthArrow, ByCornerAndDistance) {
    for (const auto& [corner, size, distance, x0, y0] :
         {std::tuple{"UL", 0.5, 0.0, 1057.5, 327.5}, std::tuple{"LR", 0.5, 0.0, 1942.5, 57.5},
          std::tuple{"LL", 0.5, 10.0, 1010.0, 10.0}, std::tuple{"x", 1.0, 10.0, 1990.0, 260.0}}) {
        const NorthArrowPlacement place =
            PlaceNorthArrow(corner, size, distance, testing::PlainLayout());
        EXPECT_NEAR(place.X0, x0, 1e-9) << corner;
        EXPECT_NEAR(place.Y0, y0, 1e-9) << corner;
    }
}

// Four polylines (shaft with head, cross bar, N and its inset copy) that
// rise from the foot of the shaft to a tip 2.3 inches times the size above.
TEST(WriteNorthArrow, RisesFromItsFootByItsLength) {
    for (const auto& [unitsPerInch, size, tip] :
         {std::tuple{100.0, 0.5, 315.0}, std::tuple{25.4, 1.0, 258.42}}) {
        const auto polylines = testing::Draw([&](DxfWriter& writer) {
                                   WriteNorthArrow(writer, 1000, 200, unitsPerInch, size);
                               }).OfType("POLYLINE", "North_Arrow");
        ASSERT_EQ(polylines.size(), 4U);
        EXPECT_EQ(polylines[0].Vertices[0].Value(10) + " " + polylines[0].Vertices[0].Value(20),
                  "1000.000 200.000");
        EXPECT_DOUBLE_EQ(polylines[0].Vertices[1].Number(20), tip);
        for (const auto& polyline : polylines) {
            for (const auto& vertex : polyline.Vertices) {
                EXPECT_LE(std::abs(vertex.Number(10) - 1000), 0.15 * size * unitsPerInch + 0.0005);
                EXPECT_TRUE(vertex.Number(20) >= 200 && vertex.Number(20) <= tip);
            }
        }
    }
    EXPECT_TRUE(testing::Draw([](DxfWriter& writer) {
                    WriteNorthArrow(writer, 0, 0, 100, 0);
                }).Entities.empty());
}

}  // namespace
}  // namespace quadrel
