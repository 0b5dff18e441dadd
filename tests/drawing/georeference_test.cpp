// What places a raster plot in a GIS: the world file's numbers and the
// coordinate system's side file, and the codes it refuses.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "drawing/crs_file.h"
#include "drawing/world_file.h"
#include "support/error_of.h"

namespace quadrel {
namespace {

TEST(WorldFile, CornersAreTheSheetsPlusTheLabelsConstants) {
    const struct {
        const char* name;
        SheetExtents sheet;
        const char *xConst, *yConst;
        std::vector<double> lines;  // the six numbers read back, of 200 by 100 pixels
    } cases[] = {
        {"equal scales", {1000, 2000, 3000, 3000}, "0.0", "0", {10, 0, 0, -10, 1005, 2995}},
        {"unequal scales", {0, 0, 200, 50}, "0", "0", {1, 0, 0, -0.5, 0.5, 49.75}},
        {"constants",
         {1000, 2000, 3000, 3000},
         "500000",
         "-250.5",
         {10, 0, 0, -10, 501005, 2744.5}},
    };
    for (const auto& c : cases) {
        DrawingInput input;
        input.Grid.XConst = c.xConst;
        input.Grid.YConst = c.yConst;
        const std::string text =
            WorldFileText(WorldFileOf(c.sheet, LabelOffsetOf(input), 200, 100));
        std::istringstream lines(text);
        std::vector<double> read;
        for (std::string line; std::getline(lines, line);) read.push_back(std::stod(line));
        EXPECT_EQ(read, c.lines) << c.name << ":\n" << text;
    }
    EXPECT_EQ(WorldFilePath("a/sheet.png"), "a/sheet.pgw");
    EXPECT_EQ(WorldFilePath("SHEET.PNG"), "SHEET.PGW");
    EXPECT_NE(testing::ErrorOf<DrawingError>([] { WorldFileOf({0, 0, 1, 1}, {}, 0, 10); }), "");
}

TEST(CrsFile, NamesAWellFormedCodeAndRefusesAnyOther) {
    for (const char* code :
         {"EPSG:32633", "ESRI:102100", "IAU_2015:30100", "IGNF:LAMB93", "OGC:CRS84", "epsg:4326"}) {
        EXPECT_EQ(CrsCodeProblem(code), "") << code;
    }
    for (const std::string& code : std::vector<std::string>{
             "", "EPSG", "EPSG:", ":32633", "32633", "1A:2", "EPSG:326 33", "EPSG:32633:1",
             "EPSG:<x>", "EPSG:3&", "\xC3\xA9:1", "EPSG:" + std::string(60, '1')}) {
        EXPECT_NE(CrsCodeProblem(code), "") << code;
    }
    EXPECT_EQ(CrsFileText("EPSG:32633"), "<PAMDataset>\n  <SRS>EPSG:32633</SRS>\n</PAMDataset>\n");
    EXPECT_EQ(CrsFilePath("a/sheet.png"), "a/sheet.png.aux.xml");
}

}  // namespace
}  // namespace quadrel
