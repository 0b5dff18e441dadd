#include "base/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quadrel {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Length of the longest prefix of `text` that is a decimal number in the
// form [sign] digits [sep digits] [e [sign] digits], with at least one digit
// in the mantissa. 0 when none.
std::size_t DecimalNumberLength(std::string_view text, char separator) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && (text[i] == separator || text[i] == '.')) {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < text.size() && IsDigit(text[j])) ++j, ++fraction;
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > exponentStart) i = j;
    }
    return i;
}

// Whether a decimal number that from_chars found out of range is too small
// (rather than too large) for a double: its decimal magnitude is below 1.
bool IsUnderflow(std::string_view number) {
    if (!number.empty() && number.front() == '-') number.remove_prefix(1);
    const std::size_t exponentAt = number.find_first_of("eE");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        const auto text = number.substr(exponentAt + 1);
        const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), exponent);
        if (error == std::errc::result_out_of_range) return !text.empty() && text.front() == '-';
        number = number.substr(0, exponentAt);
    }
    const std::size_t point = number.find('.');
    const auto integer = number.substr(0, point);
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    long long magnitude = 0;
    if (firstNonZero != std::string_view::npos) {
        magnitude = static_cast<long long>(integer.size() - firstNonZero);
    } else if (point != std::string_view::npos) {
        const auto fraction = number.substr(point + 1);
        magnitude =
            -static_cast<long long>(std::min(fraction.find_first_not_of('0'), fraction.size()));
    }
    return magnitude + exponent <= 0;
}

// Converts a text already known to be a decimal number (as found by
// DecimalNumberLength); nothing when it is beyond the range of a double.
std::optional<double> ParseDecimal(std::string_view number, char separator) {
    std::string normalised;
    normalised.reserve(number.size());
    for (const char c : number) {
        if (c == '+') continue;
        normalised += (c == separator) ? '.' : c;
    }
    double value = 0.0;
    const auto* begin = normalised.data();
    const auto* end = begin + normalised.size();
    const auto [ptr, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too small to tell from zero is zero; too large has no finite value.
        return IsUnderflow(normalised) ? std::optional<double>(0.0) : std::nullopt;
    }
    if (error != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<double> TryToDouble(std::string_view text, char decimalSeparator) {
    const auto trimmed = TrimBlanks(text);
    const std::size_t length = DecimalNumberLength(trimmed, decimalSeparator);
    if (length == 0 || length != trimmed.size()) return std::nullopt;
    return ParseDecimal(trimmed, decimalSeparator);
}

double ToDouble(std::string_view text, char decimalSeparator) {
    if (const auto value = TryToDouble(text, decimalSeparator)) return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

int ToInt(std::string_view text) {
    const auto trimmed = TrimBlanks(text);
    std::string_view digits = trimmed;
    // from_chars takes a minus but no plus; a plus is allowed only before digits.
    if (digits.size() > 1 && digits.front() == '+' && IsDigit(digits[1])) digits.remove_prefix(1);
    int value = 0;
    const auto* end = digits.data() + digits.size();
    const auto [ptr, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || ptr != end) {
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    }
    return value;
}

std::optional<double> ScanDouble(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    const std::size_t length = DecimalNumberLength(text, '.');
    if (length == 0) return std::nullopt;
    return ParseDecimal(text.substr(0, length), '.');
}

std::optional<int> ScanInt(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length])) ++length;
    if (length == 0) return std::nullopt;
    long long value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + length, value);
    if (error != std::errc()) return std::nullopt;
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string FormatFixed(double value, int decimals) {
    // Large enough for any finite double in fixed notation.
    std::array<char, 400> buffer{};
    const auto [ptr, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc()) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    return std::string(buffer.data(), ptr);
}

std::string FormatFixed(double value, int width, int decimals) {
    std::string text = FormatFixed(value, decimals);
    if (text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

}  // namespace quadrel
