#include "datafiles/value_line.h"

#include <algorithm>

#include "base/text.h"

namespace quadrel {

std::string_view ValuePart(std::string_view line) {
    const std::size_t slash = line.find('/');
    if (slash == std::string_view::npos) return line;
    if (slash == 0) return line.substr(0, 1);
    return line.substr(0, slash);
}

std::string GridLineValue(std::string_view line) {
    return Trim(ValuePart(line));
}

std::string TitleLineValue(std::string_view line) {
    return TrimRight(ValuePart(line));
}

std::vector<std::string_view> SplitWords(std::string_view value) {
    std::vector<std::string_view> words;
    auto position = value.begin();
    while (true) {
        const auto first = std::find_if_not(position, value.end(), IsBlankOrControl);
        if (first == value.end()) break;
        const auto last = std::find_if(first, value.end(), IsBlankOrControl);
        words.emplace_back(first, last);
        position = last;
    }
    return words;
}

}  // namespace quadrel
