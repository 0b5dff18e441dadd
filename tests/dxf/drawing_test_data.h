// Grid sets, layouts and a way to run one component into a parsed drawing,
// shared by the drawing component tests.
#pragma once

#include <string>

#include "app/set_store.h"
#include "dxf/dxf_writer.h"
#include "layout/map_layout.h"
#include "support/dxf_reader.h"

namespace quadrel::testing {

// An imperial sheet at 100 feet per inch: X 1000..2000 by 250, Y 0..500 by
// 100, no border, no cuts, no ticks, no north arrow.
inline GridSet PlainGridSet() {
    GridSet set = BlankGridSet();
    set.ImpMet = "I";
    set.XAxisTitle = "Easting";
    set.YAxisTitle = "Northing";
    set.XMin = "1000";
    set.XMax = "2000";
    set.XGrid = "250";
    set.XScale = "100";
    set.XAdd = "0";
    set.XConst = "0";
    set.YMin = "0";
    set.YMax = "500";
    set.YGrid = "100";
    set.YScale = "100";
    set.YAdd = "0";
    set.YConst = "0";
    set.BorderSize = "0";
    set.NorthArrowSize = "0";
    return set;
}

inline MapLayout LayoutFor(double xUnitsPerInch, double yUnitsPerInch) {
    MapLayout layout;
    layout.XUnitsPerInch = xUnitsPerInch;
    layout.YUnitsPerInch = yUnitsPerInch;
    layout.XMin = 1000;
    layout.XMax = 2000;
    layout.YMin = 0;
    layout.YMax = 500;
    layout.PlotXMin = 900;
    layout.PlotXMax = 2100;
    layout.PlotYMin = -100;
    layout.PlotYMax = 600;
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

}  // namespace quadrel::testing
