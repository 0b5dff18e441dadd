// Title blocks A and B below a bordered grid: the border extension, values
// centred between their rules, the shrinking, the scale bar in its box.
#include "drawing/title_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "drawing/scale_bar.h"
#include "drawing/title_block_a.h"
#include "drawing/title_block_b.h"
#include "drawing_test_data.h"
#include "dxf/dxf_drawing.h"

namespace quadrel {
namespace {

using testing::DxfEntity;
using testing::DxfFile;
using BlockWriter = void (*)(DrawingSink&, double, double, const MapLayout&,
                             const TitleBlockTexts&);

const TitleSet FullTitleSet{"ACME", "MINING", "T1",     "T2",      "T3",       "OFF",  "DEP",
                            "MI-7", "DN-9",   "DRAWER", "CHECKER", "APPROVER", "SMITH"};

// The block below a grid from (400, 675) at 100 feet per inch: type A's
// lower-left corner is (1000, 500) below a grid 2520 wide, B's (1400, 500).
DxfFile Draw(BlockWriter write, std::string_view type, const TitleSet& title,
             double gridWidth = 2520) {
    MapLayout layout;
    ComputeMapLayout(layout, {false, 400, 400 + gridWidth, 675, 1000, 100, 100, 0, true, type});
    return testing::Draw([&](DxfWriter& writer) {
        write(writer, layout.BorderWidthUnits, 100, layout, {title, "01/02/2024", "p.dxf", '.'});
    });
}

DxfEntity TextOf(const DxfFile& file, std::string_view layer, std::string_view text) {
    for (const auto& entity : file.OfType("TEXT", layer)) {
        if (entity.Value(1) == text) return entity;
    }
    ADD_FAILURE() << "no text '" << text << "' on " << layer;
    return {};
}

// The text's run is centred between the nearest vertical rules either side
// of it, at its baseline.
void ExpectCentredBetweenRules(const DxfFile& file, std::string_view layer, std::string_view text) {
    const testing::Box box = testing::TextBox(TextOf(file, layer, text));
    double left = -std::numeric_limits<double>::infinity(), right = -left;
    for (const auto& rule : file.OfType("LINE", layer)) {
        const double x = rule.Number(10), y1 = rule.Number(20), y2 = rule.Number(21);
        if (x != rule.Number(11) || box.Y0 < std::min(y1, y2) || box.Y0 > std::max(y1, y2))
            continue;
        if (x <= box.X0) left = std::max(left, x);
        if (x >= box.X1) right = std::min(right, x);
    }
    EXPECT_NEAR((box.X0 + box.X1) / 2, (left + right) / 2, 0.051) << text;
}

TEST(TitleBlocks, ValuesStandCentredBetweenTheirRules) {
    const DxfFile a = Draw(WriteTitleBlockA, "A", FullTitleSet);
    for (const char* text : {"01/02/2024", "DRAWER", "CHECKER", "APPROVER", "MINING", "OFF", "DEP",
                             "MI-7", "1\" = 100'"}) {
        ExpectCentredBetweenRules(a, TitleBlockALayer, text);
    }
    const DxfFile b = Draw(WriteTitleBlockB, "B", FullTitleSet);
    for (const char* text : {"01/02/2024", "MINING", "OFF", "DEP", "MI-7", "1\" = 100'"}) {
        ExpectCentredBetweenRules(b, TitleBlockBLayer, text);
    }
    // A long approval name shrinks to fill its one-inch column.
    TitleSet longName = FullTitleSet;
    longName.DrawnBy = std::string(20, 'N');
    const DxfFile shrunk = Draw(WriteTitleBlockA, "A", longName);
    ExpectCentredBetweenRules(shrunk, TitleBlockALayer, longName.DrawnBy);
    EXPECT_EQ(TextOf(shrunk, TitleBlockALayer, longName.DrawnBy).Value(40), "5.000");
    EXPECT_EQ(TextOf(a, TitleBlockALayer, "DRAWER").Value(40), "7.000");
    EXPECT_EQ(PreparerLine(" \t "), "Prepared by COMPUTER");
}

// The grid border's sides reach down past the block to close one outline;
// the file name stands one and a half of its heights below it. A grid
// narrower than the block shrinks the block, its offsets and its texts.
TEST(TitleBlocks, CloseTheBorderRoundGridAndBlockWithTheScaleBarInItsBox) {
    for (const auto& [write, type, gridWidth, bottom, fileName] :
         {std::tuple{&WriteTitleBlockA, "A", 2520.0, "500.000", "400.0 485.0 10.000"},
          std::tuple{&WriteTitleBlockB, "B", 2520.0, "500.000", "400.0 485.0 10.000"},
          std::tuple{&WriteTitleBlockA, "A", 960.0, "587.500", "400.0 580.0 5.000"}}) {
        const std::string layer = std::string("Title_Block_") + type;
        const DxfFile file = Draw(write, type, FullTitleSet, gridWidth);
        const auto extension = file.OfType("POLYLINE", layer).at(0).Vertices;
        EXPECT_EQ(
            extension.at(0).Value(10) + " " + extension.at(1).Value(20) + " " +
                extension.at(2).Value(10) + " " + extension.at(3).Value(20),
            "400.000 " + std::string(bottom) + " " + FormatFixed(400 + gridWidth, 3) + " 675.000");
        const DxfEntity name = TextOf(file, layer, "p.dxf");
        EXPECT_EQ(name.Value(10) + " " + name.Value(20) + " " + name.Value(40), fileName);
        const double k = std::min(1.0, gridWidth / (type == std::string("A") ? 1920 : 1520));
        const double left = 400 + gridWidth - k * (type == std::string("A") ? 1920 : 1520);
        ASSERT_FALSE(file.OnLayer(ScaleBarLayer).empty());
        for (const auto& text : file.OfType("TEXT", ScaleBarLayer)) {
            EXPECT_TRUE(testing::TextBox(text).Inside({left, 500, left + k * 390, 675}))
                << text.Value(1);
        }
        // The company printed bold: three copies, each a hundredth of an inch further right.
        const auto texts = file.Texts(layer);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "ACME"), 3);
    }
}

}  // namespace
}  // namespace quadrel
