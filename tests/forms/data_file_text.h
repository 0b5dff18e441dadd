// Grid and title block data files as an office keeps them, for the tests
// that open them through the forms and the command line.
#pragma once

#include <string>

namespace quadrel::testing {

inline const std::string PlainLimits = "0 1000 100 1000 0 0.0";

// One metric grid set at 1:1000 whose texts showing leaves as they are.
// `horizontalTicks` is the position line and the start, end and spacing line.
inline std::string GridSetText(const std::string& description,
                               const std::string& yLimits = PlainLimits,
                               const std::string& horizontalTicks = "0 0.25 0.25\n") {
    return description + "\nM\nEast\nNorth\n" + PlainLimits + "\n" + yLimits + "\n" +
           horizontalTicks +
           "\n0 0.25 0.25\n\n0.000\n0.000 0.000 0.000 0.000\nUR 0.500 0.0\nN\nA\n \n";
}

// Sets named "Set 1" to "Set count".
inline std::string GridFileText(int count) {
    std::string text;
    for (int s = 1; s <= count; ++s) text += GridSetText("Set " + std::to_string(s));
    return text;
}

// Title sets whose first field is "Set 1" to "Set count".
inline std::string TitleFileText(int count) {
    std::string text;
    for (int s = 1; s <= count; ++s) {
        text += "Set " + std::to_string(s) + "\n";
        for (int line = 2; line <= 13; ++line) text += "Line " + std::to_string(line) + "\n";
        text += " \n";
    }
    return text;
}

}  // namespace quadrel::testing
