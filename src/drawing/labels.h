// The texts of coordinate labels and of the scale in a title block, and the
// number of decimals a label gets.
#pragma once

#include <string>
#include <string_view>

namespace quadrel {

// The digits after the first "." of each text (all its characters when it
// has none); the larger of the two counts.
int LabelDecimals(std::string_view a, std::string_view b);

// A label: fixed point with 15 significant digits and exactly `decimals`
// digits after the separator (at most 18); a value with more than 15 integer
// digits in exponent form. Throws DrawingError for a value that is not finite.
std::string LabelText(double value, int decimals, char decimalSeparator);

// The general number format with 15 significant digits: no trailing zeros,
// no separator for whole numbers, exponent form from 10^15 and below 0.00001.
std::string GeneralNumberText(double value, char decimalSeparator);

}  // namespace quadrel
