// The line form that both data files share: a value part, then a comment
// that begins at the first "/" of the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quadrel {

// What stands before the first "/" (the whole line when it has none). A line
// that begins with "/" has the value part "/" itself, so that a comment-only
// line still yields a visible value.
std::string_view ValuePart(std::string_view line);

// The value of a grid data file line: the value part trimmed of blanks and
// control characters at both ends.
std::string GridLineValue(std::string_view line);

// The value of a title block data file line: the value part with trailing
// blanks and control characters removed; leading blanks are kept.
std::string TitleLineValue(std::string_view line);

// The words of a value: the runs between blanks and control characters.
// Splitting at the same characters that trimming removes means a word never
// changes when the writer trims it.
std::vector<std::string_view> SplitWords(std::string_view value);

}  // namespace quadrel
