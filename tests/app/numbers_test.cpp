#include "app/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace quadrel {
namespace {

struct DoubleCase {
    const char* text;
    char separator;
    double expected;
};

void PrintTo(const DoubleCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ToDoubleAccepts : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(ToDoubleAccepts, Value) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(ToDouble(c.text, c.separator), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToDoubleAccepts,
    ::testing::Values(DoubleCase{"250", '.', 250.0}, DoubleCase{"  -5  ", '.', -5.0},
                      DoubleCase{"+2.5", '.', 2.5}, DoubleCase{".5", '.', 0.5},
                      DoubleCase{"5.", '.', 5.0}, DoubleCase{"1e3", '.', 1000.0},
                      DoubleCase{"1.5E-2", '.', 0.015}, DoubleCase{"2,5", ',', 2.5},
                      // Data files written elsewhere use the point whatever the settings.
                      DoubleCase{"2.5", ',', 2.5}, DoubleCase{"1e-400", '.', 0.0},
                      DoubleCase{"0.000", '.', 0.0}));

class ToDoubleRefuses : public ::testing::TestWithParam<const char*> {};

TEST_P(ToDoubleRefuses, WithMessageNamingTheText) {
    const std::string text = GetParam();
    try {
        ToDouble(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
    }
    EXPECT_FALSE(TryToDouble(text).has_value());
}

INSTANTIATE_TEST_SUITE_P(Texts, ToDoubleRefuses,
                         ::testing::Values("", "   ", "-", "+", ".", "abc", "12abc", "1.2.3",
                                           "nan", "inf", "-infinity", "0x10", "1,000", "1e",
                                           "1e999", "--1", "Fill in!", "2,5"));

TEST(ToDouble, NeverReturnsANonFiniteValue) {
    for (const char* text : {"1e308", "-1.7976931348623157e308", "9e307"}) {
        EXPECT_TRUE(std::isfinite(ToDouble(text))) << text;
    }
    EXPECT_THROW(ToDouble("1.8e308"), ConversionError);
}

TEST(ToInt, AcceptsDigitsWithSignAndBlanks) {
    EXPECT_EQ(ToInt("0"), 0);
    EXPECT_EQ(ToInt(" 4 "), 4);
    EXPECT_EQ(ToInt("-12"), -12);
    EXPECT_EQ(ToInt("+3"), 3);
    EXPECT_EQ(ToInt("2147483647"), std::numeric_limits<int>::max());
}

TEST(ToInt, RefusesEverythingElse) {
    for (const char* text : {"", " ", "1.0", "a", "1a", "2147483648", "+-1", "++1", "- 1"}) {
        EXPECT_THROW(ToInt(text), ConversionError) << text;
    }
    try {
        ToInt("x");
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
}

struct ScanCase {
    const char* text;
    std::optional<double> expected;
};

void PrintTo(const ScanCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ScanDoubleTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanDoubleTest, TakesTheLongestLeadingNumber) {
    const auto& c = GetParam();
    const auto scanned = ScanDouble(c.text);
    ASSERT_EQ(scanned.has_value(), c.expected.has_value()) << c.text;
    if (c.expected) {
        EXPECT_DOUBLE_EQ(*scanned, *c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanDoubleTest,
    ::testing::Values(ScanCase{"12abc", 12.0}, ScanCase{"  -2500", -2500.0},
                      ScanCase{"0.25 0.5", 0.25}, ScanCase{"1e", 1.0}, ScanCase{"1e+2x", 100.0},
                      ScanCase{"abc", std::nullopt}, ScanCase{"", std::nullopt},
                      ScanCase{"-", std::nullopt}, ScanCase{".", std::nullopt},
                      ScanCase{"nan", std::nullopt}, ScanCase{"inf", std::nullopt},
                      ScanCase{"Fill in!", std::nullopt}, ScanCase{"1e999", std::nullopt}));

TEST(ScanInt, TakesLeadingDigits) {
    EXPECT_EQ(ScanInt("7"), 7);
    EXPECT_EQ(ScanInt(" 12abc"), 12);
    EXPECT_EQ(ScanInt("-3"), -3);
    EXPECT_EQ(ScanInt("2.9"), 2);
    EXPECT_EQ(ScanInt("x1"), std::nullopt);
    EXPECT_EQ(ScanInt(""), std::nullopt);
    EXPECT_EQ(ScanInt("99999999999"), std::nullopt);
}

struct FormatCase {
    double value;
    int decimals;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.value << "/" << c.decimals; }

class FormatFixedTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixedTest, AsPrintfWouldInTheCLocale) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatFixedTest,
                         ::testing::Values(FormatCase{500.75, 1, "500.8"},
                                           FormatCase{100, 1, "100.0"},
                                           FormatCase{0.5, 3, "0.500"},
                                           FormatCase{-0.0, 1, "-0.0"},
                                           FormatCase{-1000, 1, "-1000.0"},
                                           FormatCase{0.25, 1, "0.2"},
                                           FormatCase{1e20, 1, "100000000000000000000.0"}));

TEST(FormatFixed, PadsToWidthOnTheLeft) {
    EXPECT_EQ(FormatFixed(950.0, 12, 1), "       950.0");
    EXPECT_EQ(FormatFixed(27.94, 7, 1), "   27.9");
    EXPECT_EQ(FormatFixed(123456789.0, 5, 1), "123456789.0");
}

}  // namespace
}  // namespace quadrel
