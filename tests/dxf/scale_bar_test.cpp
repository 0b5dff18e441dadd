#include "dxf/scale_bar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "dxf/dxf_writer.h"
#include "support/dxf_reader.h"

namespace quadrel {
namespace {

using quadrel::testing::DxfEntity;
using quadrel::testing::DxfFile;
using quadrel::testing::ParseDxf;

constexpr double X0 = 1000;
constexpr double Y0 = 500;

struct BarBox {
    bool Metric = false;
    double BoxWidth = 3.9;
    double K = 1;  // both shrink factors
    double UnitsPerInch = 100;
};

DxfFile DrawBar(const BarBox& box) {
    DxfWriter writer;
    writer.OpenDrawing();
    writer.WriteHeader(0, 0, 1, 1);
    writer.WriteTables();
    WriteScaleBar(writer, box.Metric, box.BoxWidth, box.K, box.K, box.UnitsPerInch * box.K, X0, Y0,
                  box.UnitsPerInch, box.UnitsPerInch);
    writer.EndDrawing();
    return ParseDxf(writer.Text());
}

// The distance labels: every text but the caption and the unit word.
std::vector<std::string> Labels(const DxfFile& file) {
    std::vector<std::string> texts = file.Texts(ScaleBarLayer);
    return texts.size() < 2 ? std::vector<std::string>{}
                            : std::vector<std::string>(texts.begin() + 2, texts.end());
}

bool IsVertical(const DxfEntity& line) {
    return line.Value(10) == line.Value(11);
}

std::vector<std::string> DivisionXs(const DxfFile& file) {
    std::vector<std::string> xs;
    for (const auto& line : file.OfType("LINE", ScaleBarLayer)) {
        if (IsVertical(line)) xs.push_back(line.Value(10));
    }
    return xs;
}

TEST(ScaleBar, ImperialHundredFeetPerInch) {
    const DxfFile file = DrawBar({});
    const auto frames = file.OfType("POLYLINE", ScaleBarLayer);
    ASSERT_EQ(frames.size(), 1U);
    EXPECT_EQ(frames[0].Vertices[0].Value(10), "1045.000");
    EXPECT_EQ(frames[0].Vertices[0].Value(20), "567.500");
    EXPECT_EQ(frames[0].Vertices[2].Value(10), "1345.000");
    EXPECT_EQ(frames[0].Vertices[2].Value(20), "582.500");
    EXPECT_EQ(DivisionXs(file), (std::vector<std::string>{"1095.000", "1145.000", "1245.000"}));

    const auto texts = file.OfType("TEXT", ScaleBarLayer);
    ASSERT_EQ(texts.size(), 7U);
    EXPECT_EQ(texts[0].Value(1), "MAP SCALE (IMPERIAL)");
    EXPECT_EQ(texts[0].Value(10), "1125.0");
    EXPECT_EQ(texts[0].Value(20), "659.0");
    EXPECT_EQ(texts[1].Value(1), " FEET ");
    EXPECT_EQ(texts[1].Value(10), "1174.0");
    EXPECT_EQ(texts[1].Value(20), "507.0");
    const std::vector<std::string> labels{"0", "50", "100", "200", "300"};
    const std::vector<std::string> labelXs{"1045.0", "1095.0", "1145.0", "1245.0", "1345.0"};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(texts[i + 2].Value(1), labels[i]);
        EXPECT_EQ(texts[i + 2].Value(10), labelXs[i]);
        EXPECT_EQ(texts[i + 2].Value(20), "586.0");
        EXPECT_EQ(texts[i + 2].Value(40), "7.000");
    }
}

TEST(ScaleBar, CellsAreHatchedAlternatelyInUpperAndLowerHalf) {
    const DxfFile file = DrawBar({});
    struct Cell {
        double Left, Right, Low, High;
    };
    const Cell cells[] = {{1045, 1095, 575, 582.5},
                          {1095, 1145, 567.5, 575},
                          {1145, 1245, 575, 582.5},
                          {1245, 1345, 567.5, 575}};
    for (const Cell& cell : cells) {
        int hatches = 0;
        for (const auto& line : file.OfType("LINE", ScaleBarLayer)) {
            if (line.Number(10) != cell.Left || line.Number(11) != cell.Right) continue;
            ++hatches;
            EXPECT_GT(line.Number(20), cell.Low) << cell.Left;
            EXPECT_LT(line.Number(20), cell.High) << cell.Left;
        }
        EXPECT_EQ(hatches, 14) << "cell from " << cell.Left;
    }
}

struct LabelCase {
    const char* Name;
    BarBox Box;
    std::vector<std::string> Labels;
};

class ScaleBarLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ScaleBarLabels, FollowTheBarLength) {
    EXPECT_EQ(Labels(DrawBar(GetParam().Box)), GetParam().Labels);
}

INSTANTIATE_TEST_SUITE_P(
    ScaleBar, ScaleBarLabels,
    ::testing::Values(
        LabelCase{"Metric1000", {true, 3.9, 1, 25.4}, {"0", "10", "20", "40", "60", "80"}},
        LabelCase{"ImperialShrunk", {false, 1.95, 0.5, 100}, {"0", "50", "100"}},
        LabelCase{"MetricShrunk", {true, 1.95, 0.5, 25.4}, {"0", "10", "20"}},
        LabelCase{"ImperialHalfUnitOnly", {false, 0.6, 1, 100}, {"0", "50"}},
        LabelCase{"ImperialBoxJustHalfAUnit", {false, 0.5, 1, 100}, {"0", "50"}},
        LabelCase{"MetricHalfUnitOnly", {true, 0.4, 1, 25.4}, {"0", "10"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ScaleBar, BoxNarrowerThanHalfAUnitGetsNoEntityAtAll) {
    EXPECT_TRUE(DrawBar({false, 0.49, 1, 100}).Entities.empty());
    EXPECT_TRUE(DrawBar({true, 0.39, 1, 25.4}).Entities.empty());
}

TEST(ScaleBar, HalfUnitBarHasOneDivisionAtItsEnd) {
    const DxfFile file = DrawBar({false, 0.6, 1, 100});
    EXPECT_EQ(DivisionXs(file), std::vector<std::string>{"1055.000"});
}

TEST(ScaleBar, ShrunkBlockKeepsFullBarHeightButShrinksTexts) {
    const DxfFile file = DrawBar({false, 1.95, 0.5, 100});
    const auto frame = file.OfType("POLYLINE", ScaleBarLayer).at(0);
    EXPECT_EQ(frame.Vertices[0].Value(10), "1047.500");
    EXPECT_EQ(frame.Vertices[0].Value(20), "533.750");
    EXPECT_EQ(frame.Vertices[1].Value(20), "548.750");
    for (const auto& text : file.OfType("TEXT", ScaleBarLayer)) EXPECT_EQ(text.Value(40), "3.500");
}

TEST(ScaleBar, FractionalHalfUnitIsLabelledAsWholeNumber) {
    const auto labels = Labels(DrawBar({false, 3.9, 1, 25}));
    ASSERT_EQ(labels.size(), 5U);
    EXPECT_TRUE(labels[1] == "12" || labels[1] == "13") << labels[1];
    EXPECT_EQ(labels[4], "75");
}

struct HatchCase {
    double Uv, HalfHeight;
    int Lines;
};

class HatchHalfCellCount : public ::testing::TestWithParam<HatchCase> {};

TEST_P(HatchHalfCellCount, LeavesTheEdgesFree) {
    const HatchCase c = GetParam();
    DxfWriter writer;
    HatchHalfCell(writer, 0, 0, 10, c.HalfHeight, c.Uv);
    EXPECT_EQ(writer.EntityCount(), c.Lines);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(HatchHalfCell, HatchHalfCellCount,
                         ::testing::Values(HatchCase{100, 7.5, 14}, HatchCase{100, 7.4, 13},
                                           HatchCase{100, 0.5, 0}, HatchCase{100, 0, 0},
                                           HatchCase{100, -7.5, 0}, HatchCase{100, NaN, 0},
                                           HatchCase{0, 7.5, 0}, HatchCase{-100, 7.5, 0},
                                           HatchCase{NaN, 7.5, 0}));

TEST(HatchHalfCell, LinesRunAcrossTheCellInsideTheHalf) {
    DxfWriter writer;
    writer.OpenDrawing();
    writer.WriteHeader(0, 0, 1, 1);
    writer.WriteTables();
    HatchHalfCell(writer, 20, 40, 50, 7.5, 100);
    writer.EndDrawing();
    const auto lines = ParseDxf(writer.Text()).OfType("LINE", ScaleBarLayer);
    ASSERT_EQ(lines.size(), 14U);
    EXPECT_EQ(lines.front().Value(20), "40.500");
    EXPECT_EQ(lines.back().Value(21), "47.000");
    EXPECT_EQ(lines.front().Value(10), "20.000");
    EXPECT_EQ(lines.front().Value(11), "70.000");
}

TEST(HatchHalfCell, CountBeyondTheEntityLimitIsRefusedNotLooped) {
    DxfWriter writer;
    EXPECT_THROW(HatchHalfCell(writer, 0, 0, 1, 1, 1e-300), DrawingError);
    DxfWriter infinite;
    EXPECT_THROW(HatchHalfCell(infinite, 0, 0, 1, std::numeric_limits<double>::infinity(), 100),
                 DrawingError);
}

}  // namespace
}  // namespace quadrel
