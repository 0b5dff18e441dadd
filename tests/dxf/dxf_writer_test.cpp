// The DXF writer: numbers as C's printf writes them, texts in the drawing's
// code page, and the entity limit.
#include "dxf/dxf_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "dxf/dxf_number.h"
#include "support/error_of.h"

namespace quadrel {
namespace {

// Both of the formatter's routes (the short one for the usual values, the
// general one for the rest) against "%#.*f" of the C library.
TEST(DxfNumber, WritesWhatPrintfWrites) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-12, 22);
    std::uniform_int_distribution<int> decimals(0, 20);
    std::vector<std::pair<double, int>> cases{
        {2.5, 0},  {0.125, 2},   {-0.0001, 3},     {-0.0, 1},
        {1e20, 1}, {0.1, 20},    {1.5, 400},       {4503599627370495.5, 1},
        {1250, 0}, {99.9995, 3}, {-1234567.891, 1}};
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        cases.emplace_back(i % 2 ? magnitude : -magnitude, decimals(random));
        cases.emplace_back(std::round(magnitude * 1000) / 1000, 3);  // a drawing's usual value
    }
    for (const auto& [value, places] : cases) {
        char expected[512];
        std::snprintf(expected, sizeof expected, "%#.*f", places, value);
        std::string out = "x";
        AppendDxfNumber(out, value, places);
        ASSERT_EQ(out, "x" + std::string(expected)) << value << " with " << places;
    }
    std::string out;
    EXPECT_THROW(AppendDxfNumber(out, std::numeric_limits<double>::infinity(), 3), DrawingError);
    EXPECT_THROW(AppendDxfNumber(out, std::numeric_limits<double>::quiet_NaN(), 3), DrawingError);
    EXPECT_TRUE(out.empty());
}

TEST(DxfText, Windows1252WithEscapesForTheRest) {
    const struct {
        const char *utf8, *dxf;
    } cases[] = {
        {"G\xC3\xA9ologie", "G\xE9ologie"},
        {"\xE2\x82\xAC 5", "\x80 5"},                    // the euro sign has a byte of its own
        {"\xCE\xA9", "\\U+03A9"},                        // Greek capital omega
        {"\xF0\x9F\x98\x80", "\\U+1F600"},               // beyond the basic plane
        {"a\nb\rc\td", "a\\U+000Ab\\U+000Dc\\U+0009d"},  // would break the line structure
        {"\xFF", "\\U+FFFD"},                            // a stray byte
    };
    for (const auto& c : cases) EXPECT_EQ(DxfText(c.utf8), c.dxf) << c.utf8;
}

TEST(DxfWriter, MoreThanAMillionEntitiesAreRefusedNamingTheLayer) {
    DxfWriter writer;
    writer.BeginPolyline("Grid");
    for (std::int64_t i = 1; i < MaxDrawingEntities; ++i) writer.WriteVertex(0, 0, 0, "Grid", 0);
    const std::string message =
        testing::ErrorOf<DrawingError>([&] { writer.WriteVertex(0, 0, 0, "HTicks", 0); });
    EXPECT_NE(message.find("\"HTicks\""), std::string::npos) << message;
    EXPECT_NE(message.find("1,000,000"), std::string::npos) << message;
}

}  // namespace
}  // namespace quadrel
