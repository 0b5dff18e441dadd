#include "base/numbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/error_of.h"

namespace quadrel {
namespace {

TEST(ToDouble, AcceptsPlainDecimalNumbersOnly) {
    const struct {
        const char* text;
        char separator;
        double value;
    } accepted[] = {{"250", '.', 250},    {"  -5  ", '.', -5},  {"+2.5", '.', 2.5},
                    {".5", '.', 0.5},     {"5.", '.', 5},       {"1.5E-2", '.', 0.015},
                    {"2,5", ',', 2.5},    {"2.5", ',', 2.5},  // files written elsewhere
                    {"1e-400", '.', 0.0}, {"1e308", '.', 1e308}};
    for (const auto& c : accepted) EXPECT_EQ(ToDouble(c.text, c.separator), c.value) << c.text;
    for (const std::string text : {"", "   ", "-", ".", "12abc", "1.2.3", "nan", "inf", "0x10",
                                   "1,000", "1e", "1e999", "1.8e308", "--1", "Fill in!", "2,5"}) {
        EXPECT_EQ(testing::ErrorOf<ConversionError>([&] { ToDouble(text); }),
                  "'" + text + "' is not a valid floating point value");
        EXPECT_FALSE(TryToDouble(text).has_value()) << text;
    }
    EXPECT_EQ(ToInt(" -12 "), -12);
    for (const char* text : {"", "1.0", "1a", "2147483648", "+-1", "- 1"}) {
        EXPECT_THROW(ToInt(text), ConversionError) << text;
    }
}

// A formatted scan takes the longest leading number and ignores the rest.
TEST(ScanDouble, TakesTheLeadingNumber) {
    constexpr auto None = std::nullopt;
    const struct {
        const char* text;
        std::optional<double> number;
        std::optional<int> whole;
    } cases[] = {{"  -2500abc", -2500, -2500},
                 {"0.25 0.5", 0.25, 0},
                 {"1e+2x", 100, 1},
                 {"1e", 1, 1},
                 {"nan", None, None},
                 {"1e999", None, 1},
                 {"99999999999", 99999999999.0, None}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScanDouble(c.text), c.number) << c.text;
        EXPECT_EQ(ScanInt(c.text), c.whole) << c.text;
    }
}

}  // namespace
}  // namespace quadrel
