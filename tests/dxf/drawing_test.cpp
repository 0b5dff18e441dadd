// The whole drawing: the order of its parts, and writing it to disk all or
// nothing.
#include "dxf/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/atomic_file.h"
#include "app/numbers.h"
#include "drawing_test_data.h"
#include "support/error_of.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

using testing::DxfFile;
using testing::TempDir;

// The plain sheet with a border of `border` inches, a left cutting border,
// ticks on the left and right and a north arrow.
DrawingInput SheetInput(TitleBlockChoice titleBlock, double border = 1) {
    DrawingInput input;
    input.Grid = testing::PlainGridSet(
        "NorthArrowSize=0.5 NorthArrowDistance=0 CutLeft=0.25 HtPosition=1 HtLengthLeft=0.1 "
        "HtLengthRight=0.1 HtStart=10 HtEnd=490 HtSpacing=10");
    input.TitleBlock = titleBlock;
    input.Grid.BorderSize = FormatFixed(border, 1);
    ComputeMapLayout(input.Layout,
                     {.Metric = false,
                      .XMin = 1000,
                      .XMax = 2000,
                      .YMax = 500,
                      .XScale = 100,
                      .YScale = 100,
                      .BorderSize = border,
                      .PlotTitleBlock = titleBlock != TitleBlockChoice::None,
                      .TitleBlockType = titleBlock == TitleBlockChoice::TypeB ? "B" : "A",
                      .CutLeft = 0.25});
    return input;
}

DxfFile DrawSheet(const DrawingInput& input) {
    DxfWriter writer;
    WriteDrawing(writer, "sheet.dxf", input);
    EXPECT_EQ(writer.Text().find("nan"), std::string::npos);
    EXPECT_EQ(writer.Text().find("inf"), std::string::npos);
    return testing::ParseDxf(writer.Text());
}

TEST(WriteDrawing, PartsInOrderInOneEntitiesSectionAfterTheExtents) {
    const DrawingInput input = SheetInput(TitleBlockChoice::TypeA);
    const DxfFile file = DrawSheet(input);
    EXPECT_EQ(file.Sections, (std::vector<std::string>{"HEADER", "TABLES", "ENTITIES"}));
    std::string parts;
    for (const std::string& comment : file.Comments) {
        if (comment.starts_with("=== ") && !comment.starts_with("=== Title"))
            parts += comment.substr(4) + "|";
    }
    EXPECT_EQ(
        parts,
        "Border encompassing the plot|Border surrounding the grid|Horizontal lines|Vertical lines|"
        "North Arrow ===|Horizontal ticks: LEFT side|Horizontal ticks: RIGHT side|");
    EXPECT_EQ(file.Comments.front(), "=== Title Block A");
    EXPECT_EQ(file.Entities.front().Layer(), "Title_Block_A");
    EXPECT_EQ(file.HeaderValues("$EXTMIN"),
              (std::vector<std::string>{FormatFixed(input.Layout.PlotXMin, 3),
                                        FormatFixed(input.Layout.PlotYMin, 3)}));
    EXPECT_EQ(file.HeaderValues("$DWGCODEPAGE"), std::vector<std::string>{"ANSI_1252"});
}

TEST(WriteDrawing, NorthArrowOnlyWithAPositiveSizeAndNoNaNFromAnyBorder) {
    for (const char* size : {"0", "-1"}) {
        DrawingInput input = SheetInput(TitleBlockChoice::None);
        input.Grid.NorthArrowSize = size;
        input.Grid.NorthArrowDistance = "not read";
        EXPECT_TRUE(DrawSheet(input).OnLayer("North_Arrow").empty()) << size;
    }
    // A negative border wider than the grid leaves the title block no width.
    for (const auto choice : {TitleBlockChoice::TypeA, TitleBlockChoice::TypeB}) {
        EXPECT_FALSE(DrawSheet(SheetInput(choice, -20)).Entities.empty());
    }
}

TEST(CreateDrawingFile, WritesTheDrawingOrLeavesTheOldFileIntact) {
    TempDir dir;
    const auto path = dir.Write("sheet.dxf", "old drawing");
    DrawingInput input = SheetInput(TitleBlockChoice::None);
    input.Grid.HtSpacing = "0.0001";
    EXPECT_THROW(CreateDrawingFile(path, input), DrawingError);
    input.Grid.HtSpacing = "spacing";
    EXPECT_THROW(CreateDrawingFile(path, input), ConversionError);
    EXPECT_EQ(TempDir::Read(path), "old drawing");

    input = SheetInput(TitleBlockChoice::TypeB);
    CreateDrawingFile(path, input);
    DxfWriter writer;
    WriteDrawing(writer, path, input);
    EXPECT_EQ(TempDir::Read(path), writer.Text());
    const auto unwritable = dir / "missing" / "out.dxf";
    EXPECT_NE(testing::ErrorOf<FileError>([&] {
                  CreateDrawingFile(unwritable, input);
              }).find(unwritable.string()),
              std::string::npos);
    EXPECT_EQ(dir.FileCount(), 1U);
}

}  // namespace
}  // namespace quadrel
