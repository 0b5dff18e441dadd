#include "drawing/dxf_number.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "drawing/drawing_sink.h"

namespace quadrel {
namespace {

// A drawing holds hundreds of thousands of numbers, almost all with a few
// decimals and well inside 2^52 once scaled; std::to_chars takes its general
// route for each of them and was most of the time spent on a large drawing.
// The short route below gives the same digits for those values, eight at a
// time.
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
// Zero, the value of every z coordinate, with the most decimals there are.
constexpr std::string_view ZeroText = "0.000000000000000";
// Digits are made in blocks of eight; below 2^52 a value has two at most.
constexpr int BlockDigits = 8;
constexpr std::uint64_t DigitBlock = 100'000'000;

// Decimal digits of a value below 2^52, from its bit width (1233 / 4096 is
// just above log10(2)).
int DigitCount(std::uint64_t value) {
    const auto estimate = static_cast<std::size_t>((std::bit_width(value | 1U) * 1233) >> 12);
    return static_cast<int>(estimate) + 1 - (value < IntegerPowersOfTen[estimate] ? 1 : 0);
}

// The exact a * b minus its rounded value `product`, by splitting both
// factors into halves whose products are exact (Dekker); std::fma would do
// it in one step, but is a library call where the processor lacks the
// instruction, and the call costs the common case its registers.
double ProductError(double a, double b, double product) {
    constexpr double Splitter = 134217729.0;  // 2^27 + 1
    const double aScaled = Splitter * a;
    const double aHigh = aScaled - (aScaled - a);
    const double aLow = a - aHigh;
    const double bScaled = Splitter * b;
    const double bHigh = bScaled - (bScaled - b);
    const double bLow = b - bHigh;
    return ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

// value * scale rounded to a whole number as the exact product would round,
// half to even, as printf rounds the exact binary value.
std::uint64_t RoundedUnits(double magnitude, double scale, double scaled) {
    // Truncation is the floor of a value that is not negative; below 2^52
    // the signed conversions are single instructions.
    auto units = static_cast<std::int64_t>(scaled);
    const double aboveHalf = (scaled - static_cast<double>(units)) - 0.5;  // exact below 2^52
    // The product is off by at most half its last place, so only a fraction
    // that close to one half needs the exact error (from fma) to decide.
    const double closeness = scaled * 0x1p-52;
    if (aboveHalf > closeness) return static_cast<std::uint64_t>(units + 1);
    if (aboveHalf < -closeness) return static_cast<std::uint64_t>(units);
    const double error = ProductError(magnitude, scale, scaled);
    if (aboveHalf > -error || (aboveHalf == -error && (units & 1) != 0)) ++units;
    return static_cast<std::uint64_t>(units);
}

// The eight digits of a value below 10^8 as eight characters, the first in
// the lowest byte: the value is split into halves, quarters and single
// digits in all lanes at once by multiplying with reciprocals.
std::uint64_t EightDigits(std::uint64_t value) {
    const std::uint64_t quarters = value / 10'000 | (value % 10'000) << 32;
    // x / 100 for each x below 10^4, and x / 10 for each x below 100.
    const std::uint64_t hundreds = ((quarters * 10'486) >> 20) & 0x0000'007F'0000'007FU;
    const std::uint64_t pairs = hundreds | (quarters - hundreds * 100) << 16;
    const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F'000F'000F'000FU;
    const std::uint64_t digits = tens | (pairs - tens * 10) << 8;
    return digits + 0x3030'3030'3030'3030U;
}

// Stores the eight bytes, the lowest first.
void StoreLowFirst(char* out, std::uint64_t bytes) {
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t swapped = 0;
        for (int i = 0; i < 8; ++i, bytes >>= 8) swapped = swapped << 8 | (bytes & 0xFFU);
        bytes = swapped;
    }
    std::memcpy(out, &bytes, sizeof bytes);
}

// Writes the last `count` (1 to 16) digits of the value, leading zeros
// included, and returns their end. Whole blocks of eight bytes are stored
// straight from registers, so up to seven bytes past the end are
// overwritten.
char* WriteDigits(char* out, std::uint64_t value, int count) {
    if (count > BlockDigits) {
        const int head = count - BlockDigits;
        StoreLowFirst(out, EightDigits(value / DigitBlock) >> (8 * (BlockDigits - head)));
        out += head;
        value %= DigitBlock;
        count = BlockDigits;
    }
    StoreLowFirst(out, EightDigits(value) >> (8 * (BlockDigits - count)));
    return out + count;
}

}  // namespace

// Rounds the exact binary value half to even, as printf does. Zero and the
// values whose digits fit one block, nearly all a drawing holds, take the
// quickest ways.
char* FormatDxfNumberShort(char* out, double value, int decimals) {
    if (decimals < 0 || decimals > ShortRouteMaxDecimals) return nullptr;
    const double magnitude = std::fabs(value);
    const double scale = ExactPowersOfTen[static_cast<std::size_t>(decimals)];
    const double scaled = magnitude * scale;
    if (!(scaled < ShortRouteLimit)) return nullptr;  // also NaN and infinity
    *out = '-';
    out += std::signbit(value) ? 1 : 0;
    if (magnitude == 0) {
        std::memcpy(out, ZeroText.data(), ZeroText.size());
        return out + 2 + decimals;
    }
    const std::uint64_t units = RoundedUnits(magnitude, scale, scaled);
    if (units < DigitBlock && decimals < BlockDigits) {
        // All digits in one block, the point put in between by two stores.
        const int digits = std::max(DigitCount(units), decimals + 1);
        const int integerDigits = digits - decimals;
        const std::uint64_t text = EightDigits(units) >> (8 * (BlockDigits - digits));
        StoreLowFirst(out, text);
        if (decimals > 0) StoreLowFirst(out + integerDigits + 1, text >> (8 * integerDigits));
        out[integerDigits] = '.';
        return out + digits + 1;
    }
    const std::uint64_t power = IntegerPowersOfTen[static_cast<std::size_t>(decimals)];
    const std::uint64_t integer = units / power;
    out = WriteDigits(out, integer, std::max(1, DigitCount(integer)));
    *out++ = '.';
    if (decimals > 0) out = WriteDigits(out, units % power, decimals);
    return out;
}

void AppendDxfNumber(std::string& out, double value, int decimals) {
    if (!std::isfinite(value)) RefuseNonFiniteValue();
    if (decimals < 0) decimals = 0;
    std::array<char, DxfNumberShortChars> shortText;
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
