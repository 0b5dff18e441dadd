#include "dxf/dxf_number.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "dxf/drawing_sink.h"

namespace quadrel {
namespace {

// A drawing holds hundreds of thousands of numbers, almost all with a few
// decimals and well inside 2^52 once scaled; std::to_chars takes its general
// route for each of them and was most of the time spent on a large drawing.
// The short route below gives the same digits for those values.
constexpr int ShortRouteMaxDecimals = 15;
constexpr std::array<double, ShortRouteMaxDecimals + 1> ExactPowersOfTen{
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr auto IntegerPowersOfTen = [] {
    std::array<std::uint64_t, ShortRouteMaxDecimals + 2> powers{};
    std::uint64_t power = 1;
    for (auto& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();
constexpr double ShortRouteLimit = 4503599627370496.0;  // 2^52: every integer below is exact
// The sign, 16 digits, a leading "0", the point.
constexpr std::size_t ShortRouteMaxChars = DxfNumberShortChars;

// "00" to "99": digits are written two at a time.
constexpr auto DigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the last `count` digits of `value` so that they end at `end`, and
// takes them off `value`; returns where they start. Dividing by constants
// only: a division by a variable power of ten cost more than all the rest.
char* WriteLowDigits(char* end, std::uint64_t& value, int count) {
    while (count >= 2) {
        end -= 2;
        std::memcpy(end, &DigitPairs[static_cast<std::size_t>(2 * (value % 100))], 2);
        value /= 100;
        count -= 2;
    }
    if (count == 1) {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return end;
}

// Decimal digits of a value below 2^52, from its bit width (1233 / 4096 is
// just above log10(2)).
int DigitCount(std::uint64_t value) {
    const auto estimate = static_cast<std::size_t>((std::bit_width(value | 1U) * 1233) >> 12);
    return static_cast<int>(estimate) + 1 - (value < IntegerPowersOfTen[estimate] ? 1 : 0);
}

// value * scale rounded to a whole number as the exact product would round,
// half to even, as printf rounds the exact binary value.
std::uint64_t RoundedUnits(double magnitude, double scale, double scaled) {
    // Truncation is the floor of a value that is not negative.
    auto units = static_cast<std::uint64_t>(scaled);
    const double aboveHalf = (scaled - static_cast<double>(units)) - 0.5;  // exact below 2^52
    // The product is off by at most half its last place, so only a fraction
    // that close to one half needs the exact error (from fma) to decide.
    const double closeness = scaled * 0x1p-52;
    if (aboveHalf > closeness) return units + 1;
    if (aboveHalf < -closeness) return units;
    const double error = std::fma(magnitude, scale, -scaled);
    if (aboveHalf > -error || (aboveHalf == -error && (units & 1U) != 0)) ++units;
    return units;
}

struct SplitNumber {
    std::uint64_t Integer;
    std::uint64_t Fraction;
};

// The integer and fraction digits of a scaled value. The decimals of
// geometry and texts get constant divisors, which the compiler turns into
// multiplications; the two halves are then written independently.
SplitNumber SplitUnits(std::uint64_t units, int decimals) {
    switch (decimals) {
        case 0:
            return {units, 0};
        case 1:
            return {units / 10, units % 10};
        case 2:
            return {units / 100, units % 100};
        case 3:
            return {units / 1000, units % 1000};
        default: {
            const std::uint64_t power = IntegerPowersOfTen[static_cast<std::size_t>(decimals)];
            return {units / power, units % power};
        }
    }
}

}  // namespace

// Rounds the exact binary value half to even, as printf does.
char* FormatDxfNumberShort(char* out, double value, int decimals) {
    if (decimals < 0 || decimals > ShortRouteMaxDecimals) return nullptr;
    const double magnitude = std::fabs(value);
    const double scale = ExactPowersOfTen[static_cast<std::size_t>(decimals)];
    const double scaled = magnitude * scale;
    if (!(scaled < ShortRouteLimit)) return nullptr;  // also NaN and infinity
    auto [integer, fraction] = SplitUnits(RoundedUnits(magnitude, scale, scaled), decimals);

    const int integerDigits = std::max(1, DigitCount(integer));
    if (std::signbit(value)) *out++ = '-';
    char* const end = out + integerDigits + 1 + decimals;
    char* point = WriteLowDigits(end, fraction, decimals) - 1;
    *point = '.';
    WriteLowDigits(point, integer, integerDigits);
    return end;
}

void AppendDxfNumber(std::string& out, double value, int decimals) {
    if (!std::isfinite(value)) RefuseNonFiniteValue();
    if (decimals < 0) decimals = 0;
    std::array<char, ShortRouteMaxChars> shortText;
    if (const char* end = FormatDxfNumberShort(shortText.data(), value, decimals)) {
        out.append(shortText.data(), static_cast<std::size_t>(end - shortText.data()));
        return;
    }
    // Up to 309 integer digits, the sign, the point and the decimals.
    std::string buffer(330 + static_cast<std::size_t>(decimals), '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    out.append(buffer.data(), result.ptr);
    if (decimals == 0) out += '.';
}

}  // namespace quadrel
