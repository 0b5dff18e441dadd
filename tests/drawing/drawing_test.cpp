// The whole drawing: the order of its parts, the north arrow, and writing it
// to disk in chunks, all or nothing.
#include "drawing/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "base/atomic_file.h"
#include "base/file_size_limit.h"
#include "base/numbers.h"
#include "drawing/north_arrow.h"
#include "drawing/sheet_recorder.h"
#include "drawing_test_data.h"
#include "dxf/dxf_drawing.h"
#include "support/error_of.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;
using testing::DxfFile;
using testing::FileSizeLimit;
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
    const bool block = titleBlock != TitleBlockChoice::None;
    const char* type = titleBlock == TitleBlockChoice::TypeB ? "B" : "A";
    ComputeMapLayout(input.Layout,
                     {false, 1000, 2000, 0, 500, 100, 100, border, block, type, 0.25});
    return input;
}

DxfFile DrawnSheet(const DrawingInput& input) {
    DxfWriter writer;
    writer.OpenDrawing();
    WriteDrawing(writer, input);
    EXPECT_EQ(writer.Text().find("nan"), std::string::npos);
    EXPECT_EQ(writer.Text().find("inf"), std::string::npos);
    return testing::ParseDxf(writer.Text());
}

TEST(WriteDrawing, PartsInOrderInOneEntitiesSectionAfterTheExtents) {
    const DrawingInput input = SheetInput(TitleBlockChoice::TypeA);
    const DxfFile file = DrawnSheet(input);
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
        EXPECT_TRUE(DrawnSheet(input).OnLayer("North_Arrow").empty()) << size;
    }
    // A negative border wider than the grid leaves the title block no width.
    for (const auto choice : {TitleBlockChoice::TypeA, TitleBlockChoice::TypeB}) {
        EXPECT_FALSE(DrawnSheet(SheetInput(choice, -20)).Entities.empty());
    }
}

// The numbers are read before anything is drawn, in the order the drawing
// has always read them: the first text that is no number is the one named.
TEST(DrawSheet, NamesTheFirstFieldThatIsNoNumberInTheOrderItIsRead) {
    const struct {
        const char* changes;
        const char* field;  // named in the message, or "" for a sheet drawn
    } cases[] = {
        {"XConst=c XAdd=a YMin=m", "XConst"},  // an axis's constant before its add
        {"XAdd=a YMin=m", "XAdd"},             // X before Y
        {"XGrid=wide", "XGrid"},
        {"HtPosition=1 HtSpacing=", "HtSpacing"},
        {"YGrid=g CutLeft=c", "YGrid"},
        {"CutBottom=c NorthArrowSize=s", "CutBottom"},
        {"NorthArrowSize=s HtPosition=p", "NorthArrowSize"},
        {"NorthArrowDistance=d HtPosition=p", "NorthArrowDistance"},
        {"NorthArrowSize=0 NorthArrowDistance=d HtPosition=p VtPosition=p", "HtPosition"},
        {"VtPosition=1 VtLengthBottom=b HtLengthLeft=l", "VtLengthBottom"},  // vertical first
        {"HtLengthRight=r HtStart=s HtSpacing=", "HtLengthRight"},
        {"HtPosition=0 HtSpacing= NorthArrowSize=0 NorthArrowDistance=d", ""},
    };
    for (const auto& c : cases) {
        DrawingInput input = SheetInput(TitleBlockChoice::TypeA);
        input.Grid = testing::ChangedGridSet(input.Grid, c.changes);
        SheetRecorder sheet;
        if (*c.field == '\0') {
            DrawSheet(sheet, input);
            EXPECT_FALSE(sheet.Entities().empty()) << c.changes;
            continue;
        }
        const std::string message =
            testing::ErrorOf<ConversionError>([&] { DrawSheet(sheet, input); });
        const auto named = std::find_if(GridFields.begin(), GridFields.end(),
                                        [&](const GridFieldInfo& f) { return f.Name == c.field; });
        ASSERT_NE(named, GridFields.end()) << c.field;
        EXPECT_NE(message.find("(" + std::string(named->Label) + ")"), std::string::npos)
            << c.changes << ": " << message;
        EXPECT_TRUE(sheet.Entities().empty()) << c.changes;
    }
}

// 2.3 inches long at size 1, 115 units here at size 0.5; a distance of 0 is
// half the length.
TEST(PlaceNorthArrow, ByCornerAndDistance) {
    for (const auto& [corner, size, distance, x0, y0] :
         {std::tuple{"UL", 0.5, 0.0, 1057.5, 327.5}, std::tuple{"LR", 0.5, 0.0, 1942.5, 57.5},
          std::tuple{"LL", 0.5, 10.0, 1010.0, 10.0}, std::tuple{"x", 1.0, 10.0, 1990.0, 260.0}}) {
        const Point foot = PlaceNorthArrow(corner, size, distance, testing::PlainLayout());
        EXPECT_NEAR(foot.X, x0, 1e-9) << corner;
        EXPECT_NEAR(foot.Y, y0, 1e-9) << corner;
    }
}

// Four polylines (shaft with head, cross bar, N and its inset copy) that
// rise from the foot of the shaft to a tip 2.3 inches times the size above.
TEST(WriteNorthArrow, RisesFromItsFootByItsLength) {
    for (const auto& [unitsPerInch, size, tip] :
         {std::tuple{100.0, 0.5, 315.0}, std::tuple{25.4, 1.0, 258.42}}) {
        const auto polylines = testing::Draw([&](DxfWriter& writer) {
                                   WriteNorthArrow(writer, {1000, 200}, unitsPerInch, size);
                               }).OfType("POLYLINE", "North_Arrow");
        ASSERT_EQ(polylines.size(), 4U);
        EXPECT_EQ(polylines[0].Vertices[0].Value(10) + " " + polylines[0].Vertices[0].Value(20),
                  "1000.000 200.000");
        EXPECT_DOUBLE_EQ(polylines[0].Vertices[1].Number(20), tip);
        for (const auto& polyline : polylines) {
            for (const auto& vertex : polyline.Vertices) {
                EXPECT_LE(std::abs(vertex.Number(10) - 1000), 0.15 * size * unitsPerInch + 0.0005);
                EXPECT_TRUE(vertex.Number(20) >= 200 && vertex.Number(20) <= tip);
            }
        }
    }
    EXPECT_TRUE(testing::Draw([](DxfWriter& writer) {
                    WriteNorthArrow(writer, {0, 0}, 100, 0);
                }).Entities.empty());
}

// ---- The file, streamed in chunks ----

// A sheet of about 30,000 entities, several chunks of text.
DrawingInput DenseSheet() {
    DrawingInput input;
    input.Grid = testing::PlainGridSet("XGrid=0.1");
    input.Layout = testing::PlainLayout();
    input.FileName = "sheet.dxf";
    return input;
}

TEST(CreateDrawingFile, ManyChunksAreWrittenExactlyAsBuilt) {
    TempDir dir;
    const DrawingInput input = DenseSheet();
    CreateDrawingFile(dir / "sheet.dxf", input);
    DxfWriter inMemory;
    WriteDrawing(inMemory, input);
    ASSERT_GT(inMemory.Text().size(), 4 * DxfChunkBytes);
    EXPECT_EQ(TempDir::Read(dir / "sheet.dxf"), inMemory.Text());
    EXPECT_EQ(dir.FileCount(), 1U);
}

enum class Failure { Drawing, Conversion, File };

// A drawing that fails in one way, written over an old "sheet.dxf" beside a
// folder.
struct FailingDrawing {
    const char* name;
    const char* target;
    Failure expected;
    std::function<void(const fs::path&)> draw;
};

void ExpectOldFileKept(const FailingDrawing& c) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    dir.Write("sheet.dxf", "old drawing");
    fs::create_directory(dir / "folder");
    try {
        c.draw(dir / c.target);
        ADD_FAILURE() << "no error";
    } catch (const DrawingError&) {
        EXPECT_EQ(c.expected, Failure::Drawing);
    } catch (const ConversionError&) {
        EXPECT_EQ(c.expected, Failure::Conversion);
    } catch (const FileError& error) {
        EXPECT_EQ(c.expected, Failure::File);
        EXPECT_NE(std::string(error.what()).find(c.target), std::string::npos) << error.what();
    }
    // The old file and the folder, and no temporary beside them.
    EXPECT_EQ(TempDir::Read(dir / "sheet.dxf"), "old drawing");
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
    EXPECT_EQ(dir.FileCount(), 2U);
}

TEST(CreateDrawingFile, AFailureMidwayLeavesNoFileAndKeepsTheOldOne) {
    const FailingDrawing cases[] = {
        {"more entities than the limit, met after chunks were written", "sheet.dxf",
         Failure::Drawing,
         [](const fs::path& path) {
             DrawingInput input = DenseSheet();
             input.Grid.XGrid = "0.002";  // 500,000 lines, then their labels
             CreateDrawingFile(path, input);
         }},
        {"a tick length that is no number, read after the grid", "sheet.dxf", Failure::Conversion,
         [](const fs::path& path) {
             DrawingInput input = DenseSheet();
             input.Grid.HtPosition = "1";
             input.Grid.HtLengthLeft = "a quarter";
             CreateDrawingFile(path, input);
         }},
        {"a folder that does not exist", "missing/sheet.dxf", Failure::File,
         [](const fs::path& path) { CreateDrawingFile(path, DenseSheet()); }},
        {"a folder in the file's place", "folder", Failure::File,
         [](const fs::path& path) { CreateDrawingFile(path, DenseSheet()); }},
    };
    for (const auto& c : cases) ExpectOldFileKept(c);
}

TEST(CreateDrawingFile, AWriteThatFailsMidwayKeepsTheOldOne) {
    QUADREL_NEEDS_FILE_SIZE_LIMIT();
    ExpectOldFileKept(
        {"a write that fails midway", "sheet.dxf", Failure::File, [](const fs::path& path) {
             const FileSizeLimit limit(3 * DxfChunkBytes);
             CreateDrawingFile(path, DenseSheet());
         }});
}

}  // namespace
}  // namespace quadrel
