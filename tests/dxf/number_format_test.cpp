// The DXF number text against C's own "%#.*f", for the values whose digits
// fill one block, two blocks, or need the long way.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "drawing/drawing_sink.h"
#include "drawing/dxf_number.h"

namespace quadrel {
namespace {

std::string Printf(double value, int decimals) {
    std::array<char, 512> text{};
    std::snprintf(text.data(), text.size(), "%#.*f", decimals, value);
    return text.data();
}

std::string Dxf(double value, int decimals) {
    std::string text;
    AppendDxfNumber(text, value, decimals);
    return text;
}

TEST(DxfNumber, AgreesWithPrintfAcrossTheBlocksOfDigits) {
    const struct {
        double value;
        int decimals;
    } cases[] = {
        {0.0, 3},           {-0.0, 15},      {-0.0004, 3},    {7, 0},
        {99999999.4, 0},    {99999999.5, 0}, {9999999.95, 1}, {12345678.9, 1},
        {0.123456785, 8},   {0.5, 7},        {1.0 / 3, 15},   {4503599627370495.0, 0},
        {-1234567.8915, 3}, {2.675, 2},      {1e-7, 7},       {19458.8551666, 3},
        {-98765432.123, 5}, {5e-324, 15},    {1e16, 3},       {0.1, 20},
        {1.5, 400},         {1e20, 1},       {99.9995, 3},    {4503599627370495.5, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Dxf(c.value, c.decimals), Printf(c.value, c.decimals))
            << c.value << " with " << c.decimals;
    }
    // No text can hold what is not a finite number.
    std::string out;
    EXPECT_THROW(AppendDxfNumber(out, std::numeric_limits<double>::infinity(), 3), DrawingError);
    EXPECT_THROW(AppendDxfNumber(out, std::numeric_limits<double>::quiet_NaN(), 3), DrawingError);
    EXPECT_TRUE(out.empty());
}

TEST(DxfNumber, AgreesWithPrintfOnManyValues) {
    std::mt19937_64 random(20261206);
    int mismatches = 0;
    for (int i = 0; i < 200'000 && mismatches < 10; ++i) {
        const int decimals = static_cast<int>(random() % 17);
        double value = 0;
        switch (i % 3) {
            case 0: {  // any bit pattern that is a finite number
                const std::uint64_t bits = random();
                std::memcpy(&value, &bits, sizeof value);
                if (!std::isfinite(value)) continue;
                break;
            }
            case 1:  // halfway between two texts, before the binary rounding
                value =
                    (static_cast<double>(random() % 100'000'000) + 0.5) / std::pow(10.0, decimals);
                break;
            default:  // a drawing's coordinates
                value = std::ldexp(static_cast<double>(random() >> 11), -30) - 4096;
                break;
        }
        const std::string expected = Printf(value, decimals);
        if (Dxf(value, decimals) != expected) {
            ++mismatches;
            ADD_FAILURE() << expected << " with " << decimals << " came out as "
                          << Dxf(value, decimals);
        }
    }
}

}  // namespace
}  // namespace quadrel
