// The whole drawing: the order of its parts, its layers, and writing it to
// disk all or nothing.
#include "dxf/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/atomic_file.h"
#include "app/numbers.h"
#include "drawing_test_data.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::DxfFile;
using testing::TempDir;

// X 1000..2000, Y 0..500 at 100 feet per inch, with a border of `border`
// inches, a left cutting border, ticks on the left and right and a north arrow.
DrawingInput SheetInput(TitleBlockChoice titleBlock, double border = 1) {
    DrawingInput input;
    input.Grid = testing::PlainGridSet();
    input.Grid.NorthArrowSize = "0.5";
    input.Grid.NorthArrowDistance = "0";
    input.Grid.CutLeft = "0.25";
    input.Grid.BorderSize = FormatFixed(border, 1);
    input.Grid.HtPosition = "1";
    input.Grid.HtLengthLeft = input.Grid.HtLengthRight = "0.1";
    input.Grid.HtStart = "10";
    input.Grid.HtEnd = "490";
    input.Grid.HtSpacing = "10";
    input.TitleBlock = titleBlock;
    LimitsInput limits;
    limits.Metric = false;
    limits.XMin = 1000;
    limits.XMax = 2000;
    limits.YMax = 500;
    limits.XScale = limits.YScale = 100;
    limits.BorderSize = border;
    limits.PlotTitleBlock = titleBlock != TitleBlockChoice::None;
    limits.TitleBlockType = titleBlock == TitleBlockChoice::TypeB ? "B" : "A";
    limits.CutLeft = 0.25;
    ComputeMapLayout(input.Layout, limits);
    return input;
}

DxfFile DrawSheet(const DrawingInput& input) {
    DxfWriter writer;
    WriteDrawing(writer, "sheet.dxf", input);
    return testing::ParseDxf(writer.Text());
}

TEST(WriteDrawing, PartsInOrderInOneEntitiesSectionAfterTheExtents) {
    const DrawingInput input = SheetInput(TitleBlockChoice::TypeA);
    const DxfFile file = DrawSheet(input);
    EXPECT_EQ(file.Sections, (std::vector<std::string>{"HEADER", "TABLES", "ENTITIES"}));
    const std::vector<std::string> parts{"=== Title Block A",
                                         "=== Border encompassing the plot",
                                         "=== Border surrounding the grid",
                                         "=== Horizontal lines",
                                         "=== Vertical lines",
                                         "=== North Arrow ===",
                                         "=== Horizontal ticks: LEFT side",
                                         "=== Horizontal ticks: RIGHT side"};
    std::vector<std::string> found;
    std::copy_if(file.Comments.begin(), file.Comments.end(), std::back_inserter(found),
                 [&](const std::string& c) { return std::count(parts.begin(), parts.end(), c); });
    EXPECT_EQ(found, parts);
    EXPECT_EQ(file.HeaderValues("$EXTMIN"),
              (std::vector<std::string>{FormatFixed(input.Layout.PlotXMin, 3),
                                        FormatFixed(input.Layout.PlotYMin, 3)}));
    EXPECT_EQ(file.HeaderValues("$LIMMAX")[1], FormatFixed(input.Layout.PlotYMax, 3));
    EXPECT_EQ(file.HeaderValues("$DWGCODEPAGE"), std::vector<std::string>{"ANSI_1252"});
}

TEST(WriteDrawing, LayersOfEachChoiceAndTheNorthArrowOnlyWithAPositiveSize) {
    const std::set<std::string> always{"Grid", "North_Arrow", "HTicks"};
    for (const auto& [choice, block] : {std::pair{TitleBlockChoice::None, ""},
                                        std::pair{TitleBlockChoice::TypeA, "Title_Block_A"},
                                        std::pair{TitleBlockChoice::TypeB, "Title_Block_B"}}) {
        std::set<std::string> layers;
        for (const auto& entity : DrawSheet(SheetInput(choice)).Entities)
            layers.insert(entity.Layer());
        std::set<std::string> expected = always;
        if (*block) expected.insert({block, "Scale_Bar"});
        EXPECT_EQ(layers, expected) << block;
    }
    for (const char* size : {"0", "-1"}) {
        DrawingInput input = SheetInput(TitleBlockChoice::None);
        input.Grid.NorthArrowSize = size;
        input.Grid.NorthArrowDistance = "not read";
        EXPECT_TRUE(DrawSheet(input).OnLayer("North_Arrow").empty()) << size;
    }
}

TEST(WriteDrawing, BorderWiderThanTheGridStillGivesFiniteNumbers) {
    for (const auto choice : {TitleBlockChoice::TypeA, TitleBlockChoice::TypeB}) {
        DxfWriter writer;
        WriteDrawing(writer, "sheet.dxf", SheetInput(choice, -20));
        EXPECT_EQ(writer.Text().find("nan"), std::string::npos);
        EXPECT_EQ(writer.Text().find("inf"), std::string::npos);
        EXPECT_FALSE(testing::ParseDxf(writer.Text()).Entities.empty());
    }
}

TEST(CreateDrawingFile, WritesTheDrawingOrLeavesTheOldFileIntact) {
    TempDir dir;
    const fs::path path = dir.Write("sheet.dxf", "old drawing");
    DrawingInput tooDense = SheetInput(TitleBlockChoice::None);
    tooDense.Grid.HtSpacing = "0.0001";
    EXPECT_THROW(CreateDrawingFile(path, tooDense), DrawingError);
    DrawingInput notANumber = SheetInput(TitleBlockChoice::None);
    notANumber.Grid.HtEnd = "end";
    EXPECT_THROW(CreateDrawingFile(path, notANumber), ConversionError);
    EXPECT_EQ(TempDir::Read(path), "old drawing");

    const DrawingInput input = SheetInput(TitleBlockChoice::TypeB);
    CreateDrawingFile(path, input);
    DxfWriter writer;
    WriteDrawing(writer, path, input);
    EXPECT_EQ(TempDir::Read(path), writer.Text());
    EXPECT_EQ(dir.FileCount(), 1U);

    const fs::path unwritable = dir / "missing" / "out.dxf";
    try {
        CreateDrawingFile(unwritable, input);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(unwritable.string()), std::string::npos);
    }
    EXPECT_EQ(dir.FileCount(), 1U);
}

}  // namespace
}  // namespace quadrel
