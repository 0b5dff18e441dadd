// Grid sets, layouts and a way to run one component into a parsed drawing,
// shared by the drawing component tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "base/text.h"
#include "dxf/dxf_drawing.h"
#include "dxf/dxf_writer.h"
#include "layout/map_layout.h"
#include "model/set_store.h"
#include "support/dxf_reader.h"

namespace quadrel::testing {

// The set with the changes, given as "Field=value" words.
inline GridSet ChangedGridSet(GridSet set, const std::string& changes) {
    std::istringstream words(changes);
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        const auto info = std::find_if(GridFields.begin(), GridFields.end(), [&](const auto& info) {
            return info.Name == word.substr(0, equals);
        });
        if (info == GridFields.end()) ADD_FAILURE() << "no field " << word;
        if (info != GridFields.end()) set.*info->Field = word.substr(equals + 1);
    }
    return set;
}

// An imperial sheet at 100 feet per inch: X 1000..2000 by 250, Y 0..500 by
// 100, no border, no cuts, no ticks, no north arrow; then the changes.
inline GridSet PlainGridSet(const std::string& changes = "") {
    return ChangedGridSet(
        BlankGridSet(),
        "ImpMet=I XAxisTitle=Easting YAxisTitle=Northing XMin=1000 XMax=2000 XGrid=250 XScale=100 "
        "XConst=0 YMin=0 YMax=500 YGrid=100 YScale=100 YConst=0 BorderSize=0 NorthArrowSize=0 " +
            changes);
}

// The plain sheet's layout, the drawing reaching an inch past the grid.
inline MapLayout PlainLayout() {
    MapLayout layout;
    ComputeMapLayout(layout, {false, 1000, 2000, 0, 500, 100, 100, 0, false, "", 1, 1, 1, 1});
    return layout;
}

// Runs `body` between the tables and the end of a drawing and parses the
// text written.
template <typename Body>
DxfFile Draw(Body body) {
    DxfWriter writer;
    writer.OpenDrawing();
    writer.WriteHeader(0, 0, 1, 1);
    writer.WriteTables();
    body(writer);
    writer.EndDrawing();
    return ParseDxf(writer.Text());
}

// The rectangle a text covers, its characters as wide as they are high; a
// text turned by 90 degrees runs upwards to the left of its insertion point.
struct Box {
    double X0, Y0, X1, Y1;
    bool Inside(const Box& outer) const {
        constexpr double Rounding = 0.051;  // text positions are written to one decimal
        return X0 >= outer.X0 - Rounding && X1 <= outer.X1 + Rounding &&
               Y0 >= outer.Y0 - Rounding && Y1 <= outer.Y1 + Rounding;
    }
};

inline Box TextBox(const DxfEntity& text) {
    const double x = text.Number(10), y = text.Number(20), h = text.Number(40);
    const double run = static_cast<double>(CharacterCount(text.Value(1))) * h;
    return text.Number(50) == 90 ? Box{x - h, y, x, y + run} : Box{x, y, x + run, y + h};
}

}  // namespace quadrel::testing
