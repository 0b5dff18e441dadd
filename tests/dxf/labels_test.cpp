// Label decimals, label texts and the general number format of the scale.
#include "dxf/labels.h"

#include <gtest/gtest.h>

#include <limits>

#include "dxf/dxf_writer.h"

namespace quadrel {
namespace {

TEST(Labels, DecimalsFromTheLimitTextsAndFifteenSignificantDigits) {
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
                 {2.25, 30, "2.250000000000000000"},
                 {-0.001, 2, "0.00"},
                 {1e16, 2, "1.00000000000000E+16"},
                 {1250, 0, "1250"}};
    for (const auto& c : cases) EXPECT_EQ(LabelText(c.value, c.decimals, '.'), c.text);
    EXPECT_EQ(LabelText(1000, 1, ','), "1000,0");
    EXPECT_THROW(LabelText(std::numeric_limits<double>::infinity(), 2, '.'), DrawingError);
}

TEST(GeneralNumberText, ShortestFormWithExponentOnlyAtTheEnds) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{2500, "2500"},       {2500.5, "2500.5"},
                 {0.00001, "0.00001"}, {0.000001, "1E-6"},
                 {1e15, "1E15"},       {1.5e15, "1.5E15"},
                 {0.1 + 0.2, "0.3"},   {999999999999999, "999999999999999"}};
    for (const auto& c : cases) EXPECT_EQ(GeneralNumberText(c.value, '.'), c.text);
    EXPECT_EQ(GeneralNumberText(1234.5, ','), "1234,5");
}

}  // namespace
}  // namespace quadrel
