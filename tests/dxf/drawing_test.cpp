// The whole drawing: the order of its parts, its layers, and writing it to
// disk all or nothing.
#include "dxf/drawing.h"

#include <gtest/gtest.h>

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
    input.Grid.HtLengthLeft = "0.1";
    input.Grid.HtLengthRight = "0.1";
    input.Grid.HtStart = "10";
    input.Grid.HtEnd = "490";
    input.Grid.HtSpacing = "10";
    input.Title.Company1 = "G\xC3\xA9ologie Ma\xC3\xB1" "ana";
    input.TitleBlock = titleBlock;
    input.Date = "2026-12-06";
    input.FileName = "/tmp/sheet.dxf";

    LimitsInput limits;
    limits.Metric = false;
    limits.XMin = 1000;
    limits.XMax = 2000;
    limits.YMin = 0;
    limits.YMax = 500;
    limits.XScale = 100;
    limits.YScale = 100;
    limits.BorderSize = border;
    limits.PlotTitleBlock = titleBlock != TitleBlockChoice::None;
    limits.TitleBlockType = titleBlock == TitleBlockChoice::TypeB ? "B" : "A";
    limits.CutLeft = 0.25;
    ComputeMapLayout(input.Layout, limits);
    return input;
}

DxfFile DrawSheet(const DrawingInput& input) {
    DxfWriter writer;
    writer.OpenDrawing();
    WriteDrawing(writer, input);
    return testing::ParseDxf(writer.Text());
}

TEST(WriteDrawing, PartsInOrderInOneEntitiesSection) {
    const DxfFile file = DrawSheet(SheetInput(TitleBlockChoice::TypeA));
    EXPECT_EQ(file.Sections, (std::vector<std::string>{"HEADER", "TABLES", "ENTITIES"}));
    const std::vector<std::string> groups{"=== Title Block A",
                                          "=== Border encompassing the plot",
                                          "=== Border surrounding the grid",
                                          "=== Horizontal lines",
                                          "=== Vertical lines",
                                          "=== North Arrow ===",
                                          "=== Horizontal ticks: LEFT side",
                                          "=== Horizontal ticks: RIGHT side"};
    std::vector<std::string> found;
    for (const auto& comment : file.Comments) {
        if (std::find(groups.begin(), groups.end(), comment) != groups.end()) found.push_back(comment);
    }
    EXPECT_EQ(found, groups);
    EXPECT_EQ(file.Entities.front().Layer(), "Title_Block_A");
    EXPECT_EQ(file.Entities.back().Layer(), "HTicks");
}

TEST(WriteDrawing, HeaderHoldsTheDrawingExtents) {
    const DrawingInput input = SheetInput(TitleBlockChoice::None);
    const DxfFile file = DrawSheet(input);
    EXPECT_EQ(file.HeaderValues("$EXTMIN"), (std::vector<std::string>{
                                                FormatFixed(input.Layout.PlotXMin, 3),
                                                FormatFixed(input.Layout.PlotYMin, 3)}));
    EXPECT_EQ(file.HeaderValues("$LIMMAX"), (std::vector<std::string>{
                                                FormatFixed(input.Layout.PlotXMax, 3),
                                                FormatFixed(input.Layout.PlotYMax, 3)}));
    EXPECT_EQ(file.HeaderValues("$DWGCODEPAGE"), std::vector<std::string>{"ANSI_1252"});
}

TEST(WriteDrawing, LayersOfEachChoice) {
    const struct {
        TitleBlockChoice choice;
        std::set<std::string> layers;
    } cases[] = {
        {TitleBlockChoice::None, {"Grid", "North_Arrow", "HTicks"}},
        {TitleBlockChoice::TypeA, {"Grid", "North_Arrow", "HTicks", "Title_Block_A", "Scale_Bar"}},
        {TitleBlockChoice::TypeB, {"Grid", "North_Arrow", "HTicks", "Title_Block_B", "Scale_Bar"}},
    };
    for (const auto& c : cases) {
        std::set<std::string> layers;
        for (const auto& entity : DrawSheet(SheetInput(c.choice)).Entities) layers.insert(entity.Layer());
        EXPECT_EQ(layers, c.layers) << static_cast<int>(c.choice);
    }
}

TEST(WriteDrawing, NorthArrowOnlyWithAPositiveSize) {
    for (const char* size : {"0", "-1"}) {
        DrawingInput input = SheetInput(TitleBlockChoice::None);
        input.Grid.NorthArrowSize = size;
        input.Grid.NorthArrowDistance = "not read";
        const DxfFile file = DrawSheet(input);
        EXPECT_TRUE(file.OnLayer("North_Arrow").empty()) << size;
        EXPECT_EQ(std::count(file.Comments.begin(), file.Comments.end(), "=== North Arrow ==="), 0);
    }
}

TEST(WriteDrawing, NorthArrowStandsInItsCorner) {
    DrawingInput input = SheetInput(TitleBlockChoice::None);
    input.Grid.NorthArrowCorner = "LL";
    const auto arrow = DrawSheet(input).OfType("POLYLINE", "North_Arrow");
    ASSERT_EQ(arrow.size(), 4U);
    EXPECT_EQ(arrow[0].Vertices[0].Value(10), "1057.500");
    EXPECT_EQ(arrow[0].Vertices[0].Value(20), "57.500");
}

TEST(WriteDrawing, NegativeBorderStillGivesFiniteNumbers) {
    for (const auto choice : {TitleBlockChoice::TypeA, TitleBlockChoice::TypeB}) {
        // Wider than the grid: the bordered width is negative.
        const DrawingInput input = SheetInput(choice, -20);
        DxfWriter writer;
        writer.OpenDrawing();
        WriteDrawing(writer, input);
        const std::string_view text = writer.Text();
        EXPECT_EQ(text.find("nan"), std::string::npos);
        EXPECT_EQ(text.find("inf"), std::string::npos);
        EXPECT_FALSE(testing::ParseDxf(text).Entities.empty());
    }
}

TEST(CreateDrawingFile, WritesTheDrawingToThePath) {
    testing::TempDir dir;
    const DrawingInput input = SheetInput(TitleBlockChoice::TypeB);
    CreateDrawingFile(dir / "sheet.dxf", input);
    DxfWriter writer;
    writer.OpenDrawing();
    WriteDrawing(writer, input);
    EXPECT_EQ(testing::TempDir::Read(dir / "sheet.dxf"), writer.Text());
    EXPECT_EQ(dir.FileCount(), 1U);
}

TEST(CreateDrawingFile, RefusedDrawingLeavesTheOldFileIntact) {
    testing::TempDir dir;
    const fs::path path = dir.Write("sheet.dxf", "old drawing");
    DrawingInput tooDense = SheetInput(TitleBlockChoice::None);
    tooDense.Grid.HtSpacing = "0.0001";
    EXPECT_THROW(CreateDrawingFile(path, tooDense), DrawingError);

    DrawingInput notANumber = SheetInput(TitleBlockChoice::None);
    notANumber.Grid.HtEnd = "end";
    EXPECT_THROW(CreateDrawingFile(path, notANumber), ConversionError);

    EXPECT_EQ(testing::TempDir::Read(path), "old drawing");
    EXPECT_EQ(dir.FileCount(), 1U);
}

TEST(CreateDrawingFile, LongPathsWork) {
    testing::TempDir dir;
    fs::path folder = dir.Path();
    for (int level = 0; level < 4; ++level) folder /= std::string(60, static_cast<char>('a' + level));
    fs::create_directories(folder);
    const fs::path path = folder / (std::string(120, 'n') + ".dxf");
    DrawingInput input = SheetInput(TitleBlockChoice::TypeA);
    input.FileName = path.string();
    CreateDrawingFile(path, input);
    const auto texts = testing::ReadDxfFile(path.string()).Texts("Title_Block_A");
    EXPECT_NE(std::find(texts.begin(), texts.end(), path.string()), texts.end());
}

}  // namespace
}  // namespace quadrel
