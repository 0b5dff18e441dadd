// The scale bar: its labels, cells and captions, drawn into the left box of
// a title block at (1000, 500).
#include "drawing/scale_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "drawing_test_data.h"
#include "dxf/dxf_drawing.h"

namespace quadrel {
namespace {

using testing::DxfFile;

// The bar in the left box of a block at (1000, 500) that the layout gives
// `width` sheet inches for that box: a block shrunk to fit when that is
// less than the 3.9 inches of its full size.
DxfFile DrawBar(bool metric, double width, double unitsPerInch) {
    MapLayout layout;
    layout.TitleBlockWidthIn = 3.9;
    layout.TitleBlockHeightIn = 1.75;
    layout.TitleBlockWidthUnits = width * unitsPerInch;
    layout.TitleBlockHeightUnits = std::min(width / 3.9, 1.0) * 1.75 * unitsPerInch;
    layout.TitleBlockLeftX = 1000;
    layout.TitleBlockBottomY = 500;
    return testing::Draw([&](DxfWriter& writer) {
        WriteScaleBar(writer, TitleBlockFrame(layout, unitsPerInch), metric);
    });
}

// The distance labels: every text but the caption and the unit word.
std::vector<std::string> Labels(const DxfFile& file) {
    std::vector<std::string> texts = file.Texts(ScaleBarLayer);
    return {texts.begin() + std::min<std::ptrdiff_t>(2, std::ssize(texts)), texts.end()};
}

// 0 to 300 feet: two half units, then whole ones, the bar centred in the
// box and its cells hatched alternately in the upper and the lower half.
TEST(ScaleBar, LabelsStandAtTheCellEdgesAndCaptionsAreCentredInTheBox) {
    const DxfFile file = DrawBar(false, 3.9, 100);
    const auto texts = file.OfType("TEXT", ScaleBarLayer);
    ASSERT_EQ(texts.size(), 7U);
    for (const std::size_t caption : {0U, 1U}) {  // "MAP SCALE (IMPERIAL)", " FEET "
        const testing::Box box = testing::TextBox(texts[caption]);
        EXPECT_NEAR((box.X0 + box.X1) / 2, 1000 + 390 / 2, 0.051) << texts[caption].Value(1);
    }
    EXPECT_EQ(Labels(file), (std::vector<std::string>{"0", "50", "100", "200", "300"}));
    const double edges[] = {1045, 1095, 1145, 1245, 1345};
    for (std::size_t cell = 0; cell < 4; ++cell) {
        EXPECT_EQ(texts[cell + 2].Number(10), edges[cell]);
        const double low = cell % 2 == 0 ? 575 : 567.5;  // the bar is 15 high from 567.5
        int hatches = 0;
        for (const auto& line : file.OfType("LINE", ScaleBarLayer)) {
            const double y = line.Number(20);
            if (line.Number(10) != edges[cell] || line.Number(11) != edges[cell + 1]) continue;
            hatches += y > low && y < low + 7.5 ? 1 : 100;
        }
        EXPECT_EQ(hatches, 14) << "cell from " << edges[cell];  // 0.005 inch apart
    }
}

TEST(ScaleBar, LabelsFollowTheBarLengthTheBoxAllows) {
    const struct {
        bool metric;
        double width, unitsPerInch;
        std::vector<std::string> labels;
    } cases[] = {{true, 3.9, 25.4, {"0", "10", "20", "40", "60", "80"}},
                 {false, 1.95, 100, {"0", "50", "100"}},  // a block shrunk to half its size
                 {true, 1.95, 25.4, {"0", "10", "20"}},
                 {false, 0.51, 100, {"0", "50"}},
                 {false, 3.9, 25, {"0", "12", "25", "50", "75"}},  // 12.5 as printf rounds it
                 {false, 0.49, 100, {}},  // no room for half a unit: no entity at all
                 {true, 0.39, 25.4, {}}};
    for (const auto& c : cases) {
        const DxfFile file = DrawBar(c.metric, c.width, c.unitsPerInch);
        EXPECT_EQ(Labels(file), c.labels) << c.width << " " << c.unitsPerInch;
        EXPECT_EQ(file.Entities.empty(), c.labels.empty());
    }
}

}  // namespace
}  // namespace quadrel
