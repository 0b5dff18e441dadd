// Title blocks A and B below a bordered grid: the frame's shrinking, the
// border extension, texts centred between their rules, the scale bar.
#include "dxf/title_block.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "drawing_test_data.h"
#include "dxf/scale_bar.h"
#include "dxf/title_block_a.h"
#include "dxf/title_block_b.h"

namespace quadrel {
namespace {

using testing::DxfEntity;
using testing::DxfFile;
using BlockWriter = void (*)(DxfWriter&, double, double, const MapLayout&, const TitleBlockTexts&);

// U = 100 below a bordered grid 2520 units wide from x = 400: the block's
// lower-left corner is (1000, 500) for type A and (1400, 500) for type B.
MapLayout WideLayout(double widthIn = 19.2) {
    MapLayout layout;
    layout.TitleBlockWidthIn = widthIn;
    layout.TitleBlockHeightIn = 1.75;
    layout.TitleBlockWidthUnits = widthIn * 100;
    layout.TitleBlockHeightUnits = 175;
    layout.TitleBlockLeftX = 2920 - widthIn * 100;
    layout.TitleBlockBottomY = 500;
    layout.BorderXMin = 400;
    layout.BorderYMin = 675;
    layout.XScale = 100;
    return layout;
}

const TitleSet FullTitleSet{"ACME", "MINING", "T1",     "T2",      "T3",       "OFF",  "DEP",
                            "MI-7", "DN-9",   "DRAWER", "CHECKER", "APPROVER", "SMITH"};

DxfFile Draw(BlockWriter write, const MapLayout& layout, const TitleSet& title,
             double borderWidth = 2520) {
    return testing::Draw([&](DxfWriter& writer) {
        write(writer, borderWidth, 100, layout, TitleBlockTexts{title, "01/02/2024", "p.dxf", '.'});
    });
}

DxfEntity TextOf(const DxfFile& file, std::string_view layer, std::string_view text) {
    for (const auto& entity : file.OfType("TEXT", layer)) {
        if (entity.Value(1) == text) return entity;
    }
    ADD_FAILURE() << "no text '" << text << "' on " << layer;
    DxfEntity missing;
    missing.Groups = {{1, ""}, {10, "0"}, {20, "0"}, {40, "0"}, {50, "0"}};
    return missing;
}

// The text's run is centred between the nearest vertical rules either side
// of it, at its baseline.
void ExpectCentredBetweenRules(const DxfFile& file, std::string_view layer, std::string_view text) {
    const testing::Box box = testing::TextBox(TextOf(file, layer, text));
    double left = -std::numeric_limits<double>::infinity();
    double right = std::numeric_limits<double>::infinity();
    for (const auto& rule : file.OfType("LINE", layer)) {
        const double x = rule.Number(10);
        if (x != rule.Number(11) || box.Y0 < std::min(rule.Number(20), rule.Number(21)) ||
            box.Y0 > std::max(rule.Number(20), rule.Number(21))) {
            continue;
        }
        if (x <= box.X0) left = std::max(left, x);
        if (x >= box.X1) right = std::min(right, x);
    }
    EXPECT_NEAR((box.X0 + box.X1) / 2, (left + right) / 2, 0.051) << text;
}

TEST(TitleBlockFrame, ShrinksOnlyWhenTheSpaceIsSmallerThanTheBlock) {
    const struct {
        double widthUnits, heightUnits, kx, ky;
    } cases[] = {{1920, 175, 1, 1}, {3000, 300, 1, 1}, {960, 87.5, 0.5, 0.5}, {960, 175, 0.5, 1}};
    for (const auto& c : cases) {
        MapLayout layout = WideLayout();
        layout.TitleBlockWidthUnits = c.widthUnits;
        layout.TitleBlockHeightUnits = c.heightUnits;
        const TitleBlockFrame frame(layout, 100);
        EXPECT_EQ(std::make_pair(frame.Kx, frame.Ky), std::make_pair(c.kx, c.ky)) << c.widthUnits;
        EXPECT_DOUBLE_EQ(frame.Y(1), 500 + 100 * c.ky);
        EXPECT_DOUBLE_EQ(frame.Height(1), 100 * std::min(c.kx, c.ky));
    }
}

TEST(TitleBlockTexts, PreparerAndScale) {
    EXPECT_EQ(PreparerLine("   "), "Prepared by COMPUTER");
    EXPECT_EQ(PreparerLine(" J. Doe  "), "Prepared by  J. Doe");
    MapLayout layout;
    layout.XScale = 12.5;
    EXPECT_EQ(ScaleText(layout, ','), "1\" = 12,5'");
    layout.Metric = true;
    layout.XScale = 2500;
    EXPECT_EQ(ScaleText(layout, '.'), "1:2500");
}

TEST(TitleBlocks, ValuesStandCentredBetweenTheirRules) {
    const DxfFile a = Draw(WriteTitleBlockA, WideLayout(), FullTitleSet);
    for (const char* text : {"01/02/2024", "DRAWER", "CHECKER", "APPROVER", "MINING", "OFF", "DEP",
                             "MI-7", "1\" = 100'"}) {
        ExpectCentredBetweenRules(a, TitleBlockALayer, text);
    }
    const DxfFile b = Draw(WriteTitleBlockB, WideLayout(15.2), FullTitleSet);
    for (const char* text : {"01/02/2024", "MINING", "OFF", "DEP", "MI-7", "1\" = 100'"}) {
        ExpectCentredBetweenRules(b, TitleBlockBLayer, text);
    }
    // A long approval name shrinks to fill its one-inch column.
    TitleSet longName = FullTitleSet;
    longName.DrawnBy = std::string(20, 'N');
    const DxfFile shrunk = Draw(WriteTitleBlockA, WideLayout(), longName);
    ExpectCentredBetweenRules(shrunk, TitleBlockALayer, longName.DrawnBy);
    EXPECT_EQ(TextOf(shrunk, TitleBlockALayer, longName.DrawnBy).Value(40), "5.000");
    EXPECT_EQ(TextOf(a, TitleBlockALayer, "DRAWER").Value(40), "7.000");
}

TEST(TitleBlocks, CloseTheBorderRoundGridAndBlockWithTheScaleBarInItsBox) {
    for (const auto& [write, layer, width] :
         {std::tuple{&WriteTitleBlockA, TitleBlockALayer, 19.2},
          std::tuple{&WriteTitleBlockB, TitleBlockBLayer, 15.2}}) {
        const DxfFile file = Draw(write, WideLayout(width), FullTitleSet);
        const auto extension = file.OfType("POLYLINE", layer).at(0).Vertices;
        std::vector<std::string> corners;
        for (const auto& vertex : extension)
            corners.push_back(vertex.Value(10) + "," + vertex.Value(20));
        EXPECT_EQ(corners, (std::vector<std::string>{"400.000,675.000", "400.000,500.000",
                                                     "2920.000,500.000", "2920.000,675.000"}));
        const double left = 2920 - width * 100;
        ASSERT_FALSE(file.OnLayer(ScaleBarLayer).empty());
        for (const auto& text : file.OfType("TEXT", ScaleBarLayer)) {
            EXPECT_TRUE(testing::TextBox(text).Inside({left, 500, left + 390, 675}));
        }
        for (const auto& entity : file.Entities) {
            EXPECT_TRUE(entity.Layer() == layer || entity.Layer() == ScaleBarLayer);
        }
        // The company printed bold: three copies, each a hundredth of an inch further right.
        int copies = 0;
        for (const auto& text : file.OfType("TEXT", layer)) copies += text.Value(1) == "ACME";
        EXPECT_EQ(copies, 3);
        // The file name one and a half of its heights below the extended border.
        const DxfEntity name = TextOf(file, layer, "p.dxf");
        EXPECT_EQ(name.Value(10) + " " + name.Value(20) + " " + name.Value(40),
                  "400.0 485.0 10.000");
    }
}

TEST(TitleBlockA, SecondMainTitleAloneKeepsItsOwnLine) {
    TitleSet title;
    title.MainTitle2 = "NORTH PIT";
    const DxfEntity line =
        TextOf(Draw(WriteTitleBlockA, WideLayout(), title), TitleBlockALayer, "NORTH PIT");
    EXPECT_EQ(line.Value(20), "593.0");
}

TEST(TitleBlockA, HalvedBlockHalvesOffsetsAndHeightsButNotTheBorderWidth) {
    MapLayout layout = WideLayout();
    layout.TitleBlockWidthUnits = 960;
    layout.TitleBlockHeightUnits = 87.5;
    layout.BorderXMin = layout.TitleBlockLeftX = 1000;
    layout.BorderYMin = 587.5;
    const DxfFile file = Draw(WriteTitleBlockA, layout, {}, 960);
    const auto extension = file.OfType("POLYLINE", TitleBlockALayer).at(0).Vertices;
    EXPECT_EQ(extension.at(2).Value(10) + "," + extension.at(2).Value(20), "1960.000,500.000");
    EXPECT_EQ(TextOf(file, TitleBlockALayer, "SCALE").Value(40), "4.000");
    const DxfEntity name = TextOf(file, TitleBlockALayer, "p.dxf");
    EXPECT_EQ(name.Value(20) + " " + name.Value(40), "492.5 5.000");
    EXPECT_EQ(TextOf(file, ScaleBarLayer, " FEET ").Value(40), "3.500");
}

}  // namespace
}  // namespace quadrel
