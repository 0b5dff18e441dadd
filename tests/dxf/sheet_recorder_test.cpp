// The sheet recorder against the DXF file: a preview drawn from the recorder
// shows exactly what the file holds.
#include "dxf/sheet_recorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "datafiles/sample_files.h"
#include "dxf/drawing.h"
#include "support/app_fixture.h"
#include "support/dxf_reader.h"
#include "support/temp_dir.h"

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
        testing::TempDir dir;
        WriteSampleFiles(dir.Path());
        platform.OpenAnswers.emplace_back(dir / SampleGridFileName);
        form.ButtonGetFileName.Click();
        for (int step = sheet.set; step < form.Store.GridSetCount; ++step) form.BitBtnDown.Click();
        form.EditTitleBlockType.Type(sheet.blockType);
        form.DetermineLimitsButtonClick();
        platform.OpenAnswers.emplace_back(dir / SampleTitleFileName);
        platform.ModalAnswers.emplace_back([](Form&) { return ModalResultOk; });
        form.ButtonGetTitleData.Click();
        EXPECT_EQ(form.Layout.LimitsError, 0);
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

// A written coordinate is the recorded one rounded to the decimals written.
void ExpectWritten(double recorded, const std::string& written) {
    const auto point = written.find('.');
    ASSERT_NE(point, std::string::npos) << written;
    const auto decimals = static_cast<int>(written.size() - point - 1);
    const double halfLastPlace = 0.5 * std::pow(10.0, -decimals);
    EXPECT_LE(std::fabs(recorded - std::stod(written)), halfLastPlace * (1 + 1e-9))
        << recorded << " written as " << written;
}

void ExpectPoint(const SheetPoint& point, const DxfEntity& entity, int xCode) {
    ExpectWritten(point.X, entity.Value(xCode));
    ExpectWritten(point.Y, entity.Value(xCode + 10));
    ExpectWritten(point.Z, entity.Value(xCode + 20));
}

void ExpectSameEntity(const SheetRecorder& recorder, const SheetEntity& recorded,
                      const DxfEntity& written) {
    EXPECT_EQ(recorder.LayerOf(recorded), written.Layer());
    const auto points = recorder.PointsOf(recorded);
    switch (recorded.Kind) {
        case SheetEntityKind::Text:
            ASSERT_EQ(written.Type, "TEXT");
            ASSERT_EQ(points.size(), 1U);
            ExpectPoint(points[0], written, 10);
            EXPECT_EQ(DxfText(recorder.TextOf(recorded)), written.Value(1));
            ExpectWritten(recorded.Height, written.Value(40));
            ExpectWritten(recorded.Rotation, written.Value(50));
            break;
        case SheetEntityKind::Line:
            ASSERT_EQ(written.Type, "LINE");
            ASSERT_EQ(points.size(), 2U);
            ExpectPoint(points[0], written, 10);
            ExpectPoint(points[1], written, 11);
            break;
        case SheetEntityKind::Polyline:
            ASSERT_EQ(written.Type, "POLYLINE");
            ASSERT_EQ(points.size(), written.Vertices.size());
            EXPECT_EQ(written.SeqEndLayer, written.Layer());
            for (std::size_t v = 0; v < points.size(); ++v) {
                EXPECT_EQ(written.Vertices[v].Layer(), written.Layer()) << "vertex " << v;
                ExpectPoint(points[v], written.Vertices[v], 10);
            }
            break;
    }
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
    for (std::size_t i = 0; i < file.Entities.size(); ++i) {
        SCOPED_TRACE("entity " + std::to_string(i) + " of layer " + file.Entities[i].Layer());
        ExpectSameEntity(recorder, recorder.Entities()[i], file.Entities[i]);
    }
    // Each comment stands before the same entity as in the file.
    ASSERT_EQ(recorder.Comments().size(), file.Comments.size());
    std::size_t entity = 0;
    for (std::size_t c = 0; c < file.Comments.size(); ++c) {
        EXPECT_EQ(recorder.Comments()[c].Text, file.Comments[c]);
        while (entity < file.Entities.size() && file.Entities[entity].CommentsBefore <= c) ++entity;
        EXPECT_EQ(recorder.Comments()[c].EntitiesBefore, entity) << file.Comments[c];
    }
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
        std::function<void(DrawingSink&)> draw;
    } cases[] = {
        {"one entity too many",
         [](DrawingSink& sink) {
             sink.BeginPolyline("Grid");
             for (std::int64_t i = 1; i < MaxDrawingEntities; ++i)
                 sink.WriteVertex(0, 0, 0, "Grid", 0);
             sink.WriteLine(0, 0, 0, 1, 1, 0, "VTicks", 3);
         }},
        {"a text height that is no number",
         [nan](DrawingSink& sink) { sink.WriteText("Grid", "1000", 0, 0, 0, 1, nan, 0); }},
        {"an infinite vertex",
         [](DrawingSink& sink) {
             sink.BeginPolyline("Grid");
             sink.WriteVertex(0, std::numeric_limits<double>::infinity(), 0, "Grid", 3);
         }},
    };
    const auto refusal = [](DrawingSink& sink, const auto& draw) -> std::string {
        try {
            draw(sink);
        } catch (const DrawingError& error) {
            return error.what();
        }
        return "accepted";
    };
    for (const auto& c : cases) {
        DxfWriter writer;
        SheetRecorder recorder;
        const std::string written = refusal(writer, c.draw);
        EXPECT_NE(written, "accepted") << c.name;
        EXPECT_EQ(refusal(recorder, c.draw), written) << c.name;
    }
}

}  // namespace
}  // namespace quadrel
