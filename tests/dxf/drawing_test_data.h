// Grid sets, layouts and a way to run one component into a parsed drawing,
// shared by the drawing component tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>

#include "app/set_store.h"
#include "app/text.h"
#include "dxf/dxf_writer.h"
#include "layout/map_layout.h"
#include "support/dxf_reader.h"

namespace quadrel::testing {

// A grid set given as "Field=value" words; fields not named are blank.
inline GridSet Grid(std::string_view fields) {
    GridSet set = BlankGridSet();
    std::istringstream words{std::string(fields)};
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        const auto info = std::find_if(GridFields.begin(), GridFields.end(), [&](const auto& info) {
            return info.Name == word.substr(0, equals);
        });
        if (info == GridFields.end() || equals == std::string::npos)
            ADD_FAILURE() << "no field " << word;
        else
            set.*info->Field = word.substr(equals + 1);
    }
    return set;
}

// An imperial sheet at 100 feet per inch: X 1000..2000 by 250, Y 0..500 by
// 100, no border, no cuts, no ticks, no north arrow; then the changes.
inline GridSet PlainGridSet(std::string_view changes = "") {
    return Grid(
        "ImpMet=I XAxisTitle=Easting YAxisTitle=Northing XMin=1000 XMax=2000 XGrid=250 XScale=100 "
        "XConst=0 YMin=0 YMax=500 YGrid=100 YScale=100 YConst=0 BorderSize=0 NorthArrowSize=0 " +
        std::string(changes));
}

inline MapLayout LayoutFor(double xUnitsPerInch, double yUnitsPerInch) {
    MapLayout layout;
    layout.XUnitsPerInch = xUnitsPerInch;
    layout.YUnitsPerInch = yUnitsPerInch;
    layout.XMax = 2000;
    layout.XMin = 1000;
    layout.YMax = 500;
    // The drawing reaches one inch past the grid on every side.
    layout.PlotXMin = 1000 - xUnitsPerInch;
    layout.PlotXMax = 2000 + xUnitsPerInch;
    layout.PlotYMin = -yUnitsPerInch;
    layout.PlotYMax = 500 + yUnitsPerInch;
    return layout;
}

// Runs `body` between the tables and the end of a drawing and parses the
// text written.
template <typename Body>
DxfFile Draw(Body body) {
    DxfWriter writer;
    writer.OpenDrawing("unused.dxf");
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
