// DXF numbers: fixed point with exactly the given decimals, "%#.*f" as C
// writes it, a point whatever the locale.
#pragma once

#include <cstddef>
#include <string>

namespace quadrel {

// Room that FormatDxfNumberShort may write to: the number, 19 characters at
// most, and up to seven bytes past its end.
inline constexpr std::size_t DxfNumberShortChars = 32;

// "%#.*f" of the value into `out` for the values a drawing mostly holds (up
// to 15 decimals, below 2^52 once scaled); nullptr, with `out` unused, for
// any other value, which AppendDxfNumber then takes the long way.
char* FormatDxfNumberShort(char* out, double value, int decimals);

// "%#.*f": fixed point with exactly `decimals` digits, always a point.
// Throws DrawingError for a value that is not finite.
void AppendDxfNumber(std::string& out, double value, int decimals);

}  // namespace quadrel
