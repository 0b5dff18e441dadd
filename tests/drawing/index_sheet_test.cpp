// The index sheet of a series: every sheet's outline at its limits with its
// label inside, a grid round them all, a page no larger than 36 by 24 inches.
#include "drawing/index_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/sheet_recorder.h"
#include "support/error_of.h"

namespace quadrel {
namespace {

TEST(IndexSheet, OutlinesEverySheetAtItsLimitsOnOnePage) {
    const struct {
        const char* name;
        bool metric;
        std::vector<IndexEntry> sheets;
    } cases[] = {
        {"one sheet", true, {{1, "Pit", {20504.8, 19427.1, 21647.6, 20181.8}}}},
        {"overlapping sheets far from the origin",
         true,
         {{1, "North", {500000, 7000000, 503000, 7002000}},
          {3, "North overlap", {502000, 7001500, 505000, 7003500}}}},
        {"a tall imperial series",
         false,
         {{2, "Upper", {95850, 92370.7, 99250, 97350}}, {4, "", {95850, 60000, 99250, 65000}}}},
        {"a long description on a narrow sheet",
         true,
         {{1, std::string(60, 'W'), {0, 0, 10, 1000}}, {2, "Wide", {0, 0, 5000, 10}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const IndexSheet index = PlanIndexSheet(c.sheets, {c.metric, "East", "North"});
        SheetRecorder sheet;
        DrawIndexSheet(sheet, index);
        const MapLayout& layout = index.Layout;
        const double wide = (layout.PlotXMax - layout.PlotXMin) / layout.XUnitsPerInch;
        const double high = (layout.PlotYMax - layout.PlotYMin) / layout.YUnitsPerInch;
        EXPECT_LE(std::max(wide, high), IndexPageLongSideIn + 1e-9);
        EXPECT_LE(std::min(wide, high), IndexPageShortSideIn + 1e-9);
        // A round scale.
        const double mantissa =
            layout.XScale / std::pow(10.0, std::floor(std::log10(layout.XScale)));
        EXPECT_TRUE(mantissa == 1 || mantissa == 2 || mantissa == 2.5 || mantissa == 5) << mantissa;

        std::vector<const SheetEntity*> outlines, labels;
        for (const SheetEntity& entity : sheet.Entities()) {
            if (sheet.LayerOf(entity) != IndexLayer) continue;
            (entity.Kind == SheetEntityKind::Polyline ? outlines : labels).push_back(&entity);
        }
        ASSERT_EQ(outlines.size(), c.sheets.size());
        std::size_t label = 0;
        for (std::size_t i = 0; i < c.sheets.size(); ++i) {
            const SheetExtents& r = c.sheets[i].Limits;
            EXPECT_TRUE(layout.XMin < r.XMin && r.XMax < layout.XMax && layout.YMin < r.YMin &&
                        r.YMax < layout.YMax);
            const auto p = sheet.PointsOf(*outlines[i]);
            ASSERT_EQ(p.size(), 5U);
            EXPECT_EQ(std::vector<double>({p[0].X, p[0].Y, p[2].X, p[2].Y, p[4].X, p[4].Y}),
                      std::vector<double>({r.XMin, r.YMin, r.XMax, r.YMax, r.XMin, r.YMin}));
            std::vector<std::string> texts{"Set " + std::to_string(c.sheets[i].Set)};
            if (!c.sheets[i].Description.empty()) texts.push_back(c.sheets[i].Description);
            for (const std::string& text : texts) {
                ASSERT_LT(label, labels.size());
                const SheetEntity& shown = *labels[label++];
                EXPECT_EQ(sheet.TextOf(shown), text);
                // Inside the outline, each character as wide as the index takes it.
                const SheetPoint at = sheet.PointsOf(shown).front();
                const double length = text.size() * shown.Height * IndexCharacterWidth;
                EXPECT_TRUE(at.X > r.XMin && at.X + length < r.XMax && at.Y > r.YMin &&
                            at.Y + shown.Height < r.YMax)
                    << text;
            }
        }
        EXPECT_EQ(label, labels.size());
    }
    EXPECT_NE(testing::ErrorOf<DrawingError>([] { PlanIndexSheet({}, {}); }), "");
}

}  // namespace
}  // namespace quadrel
