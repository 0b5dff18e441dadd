// Conversions between texts and numbers, independent of the C locale.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrel {

// A text that should have been a number and is not. Reported to the user by
// the form's event guard; stops only the handler that met it.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Strict conversion of a whole text: surrounding blanks, an optional sign,
// digits with at most one decimal separator (the given one, or "."), an
// optional exponent. Nothing else: no "nan", "inf", hex or thousands
// separators, and no value beyond the range of a double, so the result is
// always finite. Throws ConversionError naming the text.
double ToDouble(std::string_view text, char decimalSeparator = '.');
std::optional<double> TryToDouble(std::string_view text, char decimalSeparator = '.');

// Strict conversion to a 32-bit integer: surrounding blanks, an optional
// sign, digits. Throws ConversionError naming the text.
int ToInt(std::string_view text);

// A formatted scan ("%lf"): leading blanks skipped, the longest leading
// decimal number taken, the rest ignored. Nothing when no number starts the
// text (or the number is beyond the range of a double).
std::optional<double> ScanDouble(std::string_view text);
// The same for "%d".
std::optional<int> ScanInt(std::string_view text);

// "%-.Nlf": fixed point with `decimals` digits, "." as separator.
std::string FormatFixed(double value, int decimals);
// "%W.Nlf": the same, right-aligned in a field of `width` characters.
std::string FormatFixed(double value, int width, int decimals);

}  // namespace quadrel
