// The sheet recorder against the DXF file: a preview drawn from the recorder
// shows exactly what the file holds.
#include "drawing/sheet_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "datafiles/sample_files.h"
#include "drawing/drawing.h"
#include "dxf/dxf_drawing.h"
#include "support/app_fixture.h"
#include "support/dxf_reader.h"
#include "support/error_of.h"

namespace quadrel {
namespace {

using testing::DxfEntity;

struct SampleSheet {
    const char* name;
    int set;                // of the sample grid file, from 1
    const char* blockType;  // typed over the set's title block type
};

class SheetRecorderTest : public testing::AppFixture,
                          public ::testing::WithParamInterface<SampleSheet> {
protected:
    // What Create output draws for the sample grid set with sample title set 1.
    DrawingInput SampleInput(const SampleSheet& sheet) {
        WriteSampleFiles(dir.Path());
        platform.OpenAnswers.emplace_back(dir / SampleGridFileName);
        form.ButtonGetFileName.Click();
        for (int step = sheet.set; step < form.Store.GridSetCount; ++step) form.BitBtnDown.Click();
        form.EditTitleBlockType.Type(sheet.blockType);
        form.DetermineLimitsButtonClick();
        platform.OpenAnswers.emplace_back(dir / SampleTitleFileName);
        platform.ModalAnswers.emplace_back([](Form&) { return ModalResultOk; });
        form.ButtonGetTitleData.Click();
        EXPECT_EQ(form.LimitsError, 0);
        EXPECT_TRUE(platform.Errors.empty());

        DrawingInput input;
        input.Grid = form.EditedGridSet();
        input.Title = titleForm.ShownTitleSet();
        input.Layout = form.Layout;
        input.TitleBlock = std::string_view(sheet.blockType) == "B" ? TitleBlockChoice::TypeB
                                                                    : TitleBlockChoice::TypeA;
        input.Date = "2026-12-06";
        input.FileName = "C:\\Maps\\Gr\xC3\xBCn \xCE\xA9.dxf";
        return input;
    }
};

// The file's entity as one line: kind, layer, text and numbers as written
// (points, then a text's height and rotation); a vertex names its layer only
// where that differs from its polyline's.
std::string WrittenLine(const DxfEntity& entity) {
    std::string line = entity.Type + " " + entity.Layer();
    std::vector<int> codes{10, 20, 30, 11, 21, 31};
    if (entity.Type == "TEXT") codes = {1, 10, 20, 30, 40, 50};
    if (entity.Type == "POLYLINE") codes.clear();
    for (int code : codes) line += " " + entity.Value(code);
    for (const DxfEntity& vertex : entity.Vertices) {
        if (vertex.Layer() != entity.Layer()) line += " vertex on " + vertex.Layer();
        for (int code : {10, 20, 30}) line += " " + vertex.Value(code);
    }
    return line;
}

// The recorded entity as the same line, each number "%#.*f" with the
// decimals the recorder kept for it.
std::string RecordedLine(const SheetRecorder& recorder, const SheetEntity& entity) {
    static const char* const kinds[] = {"TEXT", "LINE", "POLYLINE"};
    std::string line =
        kinds[static_cast<int>(entity.Kind)] + (" " + std::string(recorder.LayerOf(entity)));
    std::vector<std::pair<double, int>> numbers;
    for (const SheetPoint& point : recorder.PointsOf(entity)) {
        for (const double value : {point.X, point.Y, point.Z}) {
            numbers.emplace_back(value, entity.Decimals);
        }
    }
    if (entity.Kind == SheetEntityKind::Text) {
        line += " " + DxfText(recorder.TextOf(entity));
        numbers.emplace_back(entity.Height, TextHeightDecimals);
        numbers.emplace_back(entity.Rotation, RotationDecimals);
    }
    for (const auto& [number, decimals] : numbers) {
        char text[64];
        std::snprintf(text, sizeof text, "%#.*f", decimals, number);
        line += std::string(" ") + text;
    }
    return line;
}

TEST_P(SheetRecorderTest, SeesEntityByEntityWhatTheFileHolds) {
    const DrawingInput input = SampleInput(GetParam());
    DxfWriter writer;
    WriteDrawing(writer, input);
    const testing::DxfFile file = testing::ParseDxf(writer.Text());
    SheetRecorder recorder;
    DrawSheet(recorder, input);

    ASSERT_EQ(recorder.Entities().size(), file.Entities.size());
    EXPECT_EQ(recorder.EntityCount(), writer.EntityCount());
    // Each entity with the number of comments before it.
    for (std::size_t i = 0; i < file.Entities.size(); ++i) {
        const std::string written = WrittenLine(file.Entities[i]);
        const auto comments =
            std::count_if(recorder.Comments().begin(), recorder.Comments().end(),
                          [i](const SheetComment& comment) { return comment.EntitiesBefore <= i; });
        EXPECT_EQ(std::to_string(comments) + " " + RecordedLine(recorder, recorder.Entities()[i]),
                  std::to_string(file.Entities[i].CommentsBefore) + " " + written)
            << "entity " << i;
    }
    std::vector<std::string> comments;
    for (const SheetComment& comment : recorder.Comments()) comments.push_back(comment.Text);
    EXPECT_EQ(comments, file.Comments);
}

INSTANTIATE_TEST_SUITE_P(SampleSheets, SheetRecorderTest,
                         ::testing::Values(SampleSheet{"Set1TypeA", 1, "A"},
                                           SampleSheet{"Set2TypeA", 2, "A"},
                                           SampleSheet{"Set2TypeB", 2, "B"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The recorder refuses what the writer refuses, with the same message.
TEST(SheetRecorder, RefusesWhatTheWriterRefuses) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        const char* says;  // part of the message
        std::function<void(DrawingSink&)> draw;
    } cases[] = {
        {"one entity too many", "\"VTicks\"",
         [](DrawingSink& sink) {
             sink.BeginPolyline({"Grid", 0});
             for (std::int64_t i = 1; i < MaxDrawingEntities; ++i) sink.WriteVertex({0, 0});
             sink.WriteLine({"VTicks", 3}, {0, 0}, {1, 1});
         }},
        {"one vertex too many, named by its polyline's layer", "\"Grid\"",
         [](DrawingSink& sink) {
             sink.BeginPolyline({"Grid", 0});
             for (std::int64_t i = 0; i < MaxDrawingEntities; ++i) sink.WriteVertex({0, 0});
         }},
        {"a text height that is no number", "finite",
         [nan](DrawingSink& sink) {
             sink.WriteText({"Grid", 1}, {0, 0}, "1000", nan, 0);
         }},
        {"an infinite vertex", "finite",
         [](DrawingSink& sink) {
             sink.BeginPolyline({"Grid", 3});
             sink.WriteVertex({0, std::numeric_limits<double>::infinity()});
         }},
    };
    for (const auto& c : cases) {
        DxfWriter writer;
        SheetRecorder recorder;
        const std::string message = testing::ErrorOf<DrawingError>([&] { c.draw(writer); });
        EXPECT_NE(message.find(c.says), std::string::npos) << c.name << ": " << message;
        EXPECT_EQ(testing::ErrorOf<DrawingError>([&] { c.draw(recorder); }), message) << c.name;
    }
}

}  // namespace
}  // namespace quadrel
