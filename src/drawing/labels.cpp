#include "drawing/labels.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "base/numbers.h"
#include "drawing/drawing_sink.h"
#include "drawing/dxf_number.h"

namespace quadrel {
namespace {

constexpr int SignificantDigits = 15;
constexpr int MaxLabelDecimals = 18;

void RequireFinite(double value) {
    if (!std::isfinite(value)) {
        throw DrawingError(
            "A label or scale of the drawing is not a finite number; check the "
            "limits and label constants of the grid set.");
    }
}

// The decimal exponent of the value rounded to 15 significant digits, and
// its digits in "d.dddddddddddddde+x" form.
struct Scientific {
    std::string Mantissa;  // "d.dddddddddddddd"
    int Exponent = 0;
};

Scientific ToScientific(double value) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto e = text.find('e');
    Scientific scientific;
    scientific.Mantissa = std::string(text.substr(0, e));
    scientific.Exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return scientific;
}

void UseSeparator(std::string& text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
}

bool AllZeroDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c < '1' || c > '9'; });
}

std::string ExponentText(const Scientific& scientific, bool negative, bool trimMantissa) {
    std::string mantissa = scientific.Mantissa;
    if (trimMantissa && mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    std::string text = negative ? "-" : "";
    text += mantissa;
    text += 'E';
    if (!trimMantissa && scientific.Exponent >= 0) text += '+';
    text += std::to_string(scientific.Exponent);
    return text;
}

// 10^(14 - d) for d = 0 to 14.
constexpr std::array<double, SignificantDigits> LabelShortRouteLimits{
    1e14, 1e13, 1e12, 1e11, 1e10, 1e9, 1e8, 1e7, 1e6, 1e5, 1e4, 1e3, 1e2, 1e1, 1e0};

// Below 10^(14 - d) the 15 significant digits reach past the d decimals, so
// the label is the plain fixed-point text: the way nearly every label goes.
std::optional<std::string> ShortLabelText(double value, int decimals) {
    if (decimals > SignificantDigits - 1) return std::nullopt;
    if (!(std::fabs(value) < LabelShortRouteLimits[static_cast<std::size_t>(decimals)])) {
        return std::nullopt;
    }
    std::array<char, DxfNumberShortChars> buffer;
    const char* end = FormatDxfNumberShort(buffer.data(), value, decimals);
    if (end == nullptr) return std::nullopt;
    if (decimals == 0) --end;  // a label has no point without decimals
    return std::string(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

std::string LongLabelText(double value, int decimals) {
    const Scientific scientific = ToScientific(value);
    const bool negative = std::signbit(value);
    std::string text;
    if (value != 0 && scientific.Exponent >= SignificantDigits) {
        text = ExponentText(scientific, negative, false);
    } else {
        // One rounding, at the 15th significant digit or at the last decimal,
        // whichever comes first; the remaining decimals are zeros.
        const int exponent = value == 0 ? 0 : scientific.Exponent;
        const int kept = std::clamp(SignificantDigits - 1 - exponent, 0, decimals);
        text = FormatFixed(value, kept);
        if (kept < decimals) {
            if (kept == 0) text += '.';
            text.append(static_cast<std::size_t>(decimals - kept), '0');
        }
    }
    return text;
}

}  // namespace

int LabelDecimals(std::string_view a, std::string_view b) {
    const auto decimals = [](std::string_view text) {
        const auto point = text.find('.');
        const std::size_t position = point == std::string_view::npos ? 0 : point + 1;
        return static_cast<int>(std::min<std::size_t>(text.size() - position, 1'000'000));
    };
    return std::max(decimals(a), decimals(b));
}

std::string LabelText(double value, int decimals, char decimalSeparator) {
    RequireFinite(value);
    decimals = std::clamp(decimals, 0, MaxLabelDecimals);
    std::string text = ShortLabelText(value, decimals).value_or(std::string());
    if (text.empty()) text = LongLabelText(value, decimals);
    if (text.front() == '-' && AllZeroDigits(text)) text.erase(0, 1);
    if (decimalSeparator != '.') UseSeparator(text, decimalSeparator);
    return text;
}

std::string GeneralNumberText(double value, char decimalSeparator) {
    RequireFinite(value);
    if (value == 0) return "0";
    const Scientific scientific = ToScientific(value);
    const bool negative = std::signbit(value);
    std::string text;
    if (scientific.Exponent >= SignificantDigits || scientific.Exponent < -5) {
        text = ExponentText(scientific, negative, true);
    } else {
        text = FormatFixed(value, std::max(0, SignificantDigits - 1 - scientific.Exponent));
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.') text.pop_back();
        }
    }
    UseSeparator(text, decimalSeparator);
    return text;
}

}  // namespace quadrel
