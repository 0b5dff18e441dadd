// Where a text's ink lies, estimated from its characters, for telling
// texts that overprint each other or the sheet's lines from texts that
// merely stand close.
#pragma once

#include <string_view>

namespace quadrel {

// A text's ink in text heights, in its own frame: x along the baseline from
// the insertion point, y upwards from the baseline.
struct TextInk {
    double Left = 0;
    double Right = 0;
    double Bottom = 0;
    double Top = 0;
};

// Where the ink of `text` (UTF-8) lies as the sheet painter's font, DejaVu
// Sans set so that its capitals are as tall as the text, lays it out
// without kerning: from the first character's ink to the last one's, from
// the lowest to the highest ink of its characters. Each character's advance
// and ink are rounded outwards to a hundredth of the height, and a character
// beyond ASCII counts as a "W" with room for an accent and a descender, so
// the estimate errs towards a warning. An empty text, or one of blanks, has
// no ink (all zero).
TextInk InkOfText(std::string_view text);

}  // namespace quadrel
