#include "dxf/title_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dxf/dxf_writer.h"
#include "dxf/scale_bar.h"
#include "dxf/title_block_a.h"
#include "dxf/title_block_b.h"
#include "support/dxf_reader.h"

namespace quadrel {
namespace {

using quadrel::testing::DxfEntity;
using quadrel::testing::DxfFile;
using quadrel::testing::ParseDxf;

using BlockWriter = void (*)(DrawingSink&, double, double, const MapLayout&,
                             const TitleBlockTexts&);

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
constexpr double WideBorder = 2520;

// A grid border only 960 units wide: the block shrinks to half its size.
MapLayout HalvedLayout() {
    MapLayout layout = WideLayout();
    layout.TitleBlockWidthUnits = 960;
    layout.TitleBlockHeightUnits = 87.5;
    layout.BorderXMin = layout.TitleBlockLeftX = 1000;
    layout.BorderYMin = 587.5;
    return layout;
}

DxfFile Draw(BlockWriter write, const MapLayout& layout, const TitleSet& title,
             std::string_view date = "", std::string_view fileName = "",
             double borderWidth = WideBorder) {
    DxfWriter writer;
    writer.OpenDrawing();
    writer.WriteHeader(0, 0, 1, 1);
    writer.WriteTables();
    write(writer, borderWidth, 100, layout, TitleBlockTexts{title, date, fileName, '.'});
    writer.EndDrawing();
    return ParseDxf(writer.Text());
}

DxfEntity TextOf(const DxfFile& file, std::string_view layer, std::string_view text) {
    for (const auto& entity : file.OfType("TEXT", layer)) {
        if (entity.Value(1) == text) return entity;
    }
    ADD_FAILURE() << "no text '" << text << "' on " << layer;
    return {};
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const auto& text : texts) joined += (joined.empty() ? "" : "|") + text;
    return joined;
}

TitleSet FullTitleSet() {
    return {"ACME", "MINING", "T1",     "T2",      "T3",       "OFF",  "DEP",
            "MI-7", "DN-9",   "DRAWER", "CHECKER", "APPROVER", "SMITH"};
}

TEST(TitleBlockFrame, ShrinksOnlyWhenTheSpaceIsSmallerThanTheBlock) {
    struct Case {
        double WidthUnits, HeightUnits, Kx, Ky, Fy, Ft;
    };
    for (const Case c : {Case{1920, 175, 1, 1, 100, 100}, Case{3000, 300, 1, 1, 100, 100},
                         Case{960, 87.5, 0.5, 0.5, 50, 50}, Case{960, 175, 0.5, 1, 100, 50}}) {
        MapLayout layout = WideLayout();
        layout.TitleBlockWidthUnits = c.WidthUnits;
        layout.TitleBlockHeightUnits = c.HeightUnits;
        const TitleBlockFrame frame(layout, 100);
        EXPECT_DOUBLE_EQ(frame.Kx, c.Kx) << c.WidthUnits;
        EXPECT_DOUBLE_EQ(frame.Ky, c.Ky) << c.HeightUnits;
        EXPECT_DOUBLE_EQ(frame.Fy, c.Fy) << c.HeightUnits;
        EXPECT_DOUBLE_EQ(frame.Ft, c.Ft) << c.WidthUnits;
        EXPECT_DOUBLE_EQ(frame.Y(1), 500 + c.Fy);
    }
}

TEST(PreparerLine, NamesTheTrimmedPreparerOrTheComputer) {
    EXPECT_EQ(PreparerLine(""), "Prepared by COMPUTER");
    EXPECT_EQ(PreparerLine("   "), "Prepared by COMPUTER");
    EXPECT_EQ(PreparerLine("ABCDEFGH  "), "Prepared by ABCDEFGH");
    EXPECT_EQ(PreparerLine(" J. Doe"), "Prepared by  J. Doe");
}

TEST(ScaleText, MetricRatioOrImperialFeetPerInch) {
    struct Case {
        bool Metric;
        double Scale;
        char Separator;
        const char* Text;
    };
    for (const Case c : {Case{true, 2500, '.', "1:2500"}, Case{false, 100, '.', "1\" = 100'"},
                         Case{true, 12.5, ',', "1:12,5"}, Case{false, 0.5, '.', "1\" = 0.5'"}}) {
        MapLayout layout;
        layout.Metric = c.Metric;
        layout.XScale = c.Scale;
        EXPECT_EQ(ScaleText(layout, c.Separator), c.Text);
    }
}

TEST(TitleBlockA, WideGridGivesFullSizeFrameBelowTheExtendedBorder) {
    const DxfFile file = Draw(WriteTitleBlockA, WideLayout(), {});
    EXPECT_EQ(file.Comments.at(0), "=== Title Block A");
    EXPECT_EQ(file.FirstEntityAfter("=== Title Block A"), 0U);
    const auto polylines = file.OfType("POLYLINE", TitleBlockALayer);
    ASSERT_EQ(polylines.size(), 3U);
    std::vector<std::string> extension;
    for (const auto& vertex : polylines[0].Vertices) {
        extension.push_back(vertex.Value(10) + "," + vertex.Value(20));
    }
    EXPECT_EQ(extension, (std::vector<std::string>{"400.000,675.000", "400.000,500.000",
                                                   "2920.000,500.000", "2920.000,675.000"}));
    EXPECT_EQ(polylines[1].Vertices[2].Value(10), "2920.000");
    EXPECT_EQ(polylines[1].Vertices[2].Value(20), "675.000");
    EXPECT_EQ(polylines[2].Vertices[0].Value(10), "1001.500");
    EXPECT_EQ(polylines[2].Vertices[2].Value(20), "673.500");

    const DxfEntity scale = TextOf(file, TitleBlockALayer, "SCALE");
    EXPECT_EQ(scale.Value(10), "2654.5");
    EXPECT_EQ(scale.Value(20), "538.0");
    EXPECT_EQ(scale.Value(40), "8.000");
    EXPECT_EQ(TextOf(file, TitleBlockALayer, "REVISIONS").Value(50), "90.00");
    for (const auto& entity : file.Entities) {
        EXPECT_TRUE(entity.Layer() == TitleBlockALayer || entity.Layer() == ScaleBarLayer);
    }
}

TEST(TitleBlockA, RulesThenScaleBarThenTexts) {
    const DxfFile file = Draw(WriteTitleBlockA, WideLayout(), {});
    const auto rules = file.OfType("LINE", TitleBlockALayer);
    ASSERT_EQ(rules.size(), 26U);
    const auto ends = [](const DxfEntity& line) {
        return line.Value(10) + "," + line.Value(20) + " " + line.Value(11) + "," + line.Value(21);
    };
    EXPECT_EQ(ends(rules[0]), "1390.000,500.000 1390.000,675.000");
    EXPECT_EQ(ends(rules[13]), "2920.000,535.000 2430.000,535.000");
    EXPECT_EQ(ends(rules[21]), "1390.000,650.000 1000.000,650.000");
    EXPECT_EQ(ends(rules[25]), "1790.000,570.000 1410.000,570.000");

    // Entity indexes: 3 polylines and 26 rules, the scale bar, the texts.
    EXPECT_EQ(file.Entities.at(28).Layer(), TitleBlockALayer);
    EXPECT_EQ(file.Entities.at(29).Layer(), ScaleBarLayer);
    const std::size_t bar = file.OnLayer(ScaleBarLayer).size();
    EXPECT_EQ(file.Entities.at(29 + bar).Value(1), "REVISIONS");
}

TEST(TitleBlockA, EmptyTitleSetStillPrintsTheFurniture) {
    const DxfFile file = Draw(WriteTitleBlockA, WideLayout(), {}, "1/2/2024", "C:\\maps\\p.dxf");
    EXPECT_EQ(Joined(file.Texts(TitleBlockALayer)),
              "REVISIONS|NO|DATE|MADE BY|DESCRIPTION|1|2|3|4|5|"
              "DATE|DRAWN BY|CHECKED|APPROVED|1/2/2024|Prepared by COMPUTER|"
              "OFFICE|DEPARTMENT|MAP INDEX NUMBER|SCALE|DRAWING NUMBER|1\" = 100'|"
              "C:\\maps\\p.dxf");
    EXPECT_FALSE(file.OnLayer(ScaleBarLayer).empty());
}

TEST(TitleBlockA, ValueTextsInOrderWithBoldCompany) {
    const DxfFile file = Draw(WriteTitleBlockA, WideLayout(), FullTitleSet(), "D");
    auto texts = file.Texts(TitleBlockALayer);
    texts.erase(texts.begin(), texts.begin() + 14);  // the fixed captions
    EXPECT_EQ(Joined(texts),
              "D|DRAWER|CHECKER|APPROVER|ACME|ACME|ACME|MINING|Prepared by SMITH|T1|T2|T3|"
              "OFFICE|DEPARTMENT|MAP INDEX NUMBER|SCALE|DRAWING NUMBER|"
              "OFF|DEP|MI-7|1\" = 100'|DN-9");

    const auto all = file.OfType("TEXT", TitleBlockALayer);
    const std::vector<std::string> companyXs{all[18].Value(10), all[19].Value(10),
                                             all[20].Value(10)};
    EXPECT_EQ(companyXs, (std::vector<std::string>{"2070.0", "2071.0", "2072.0"}));
    EXPECT_EQ(all[18].Value(40), "20.000");
    // The drawing number is centred up to 19.25, not to the box edge.
    EXPECT_EQ(TextOf(file, TitleBlockALayer, "DN-9").Value(10), "2816.5");
}

TEST(TitleBlockA, ApprovalNamesShrinkOnlyPastFourteenCharacters) {
    struct Case {
        std::string Name;
        const char* X;
        const char* Height;
    };
    for (const Case& c : {Case{"Al", "1533.0", "7.000"}, Case{"Müller", "1519.0", "7.000"},
                          Case{std::string(14, 'N'), "1491.0", "7.000"},
                          Case{std::string(15, 'N'), "1490.0", "6.667"},
                          Case{std::string(20, 'N'), "1490.0", "5.000"}}) {
        TitleSet title;
        title.DrawnBy = c.Name;
        const DxfEntity name =
            TextOf(Draw(WriteTitleBlockA, WideLayout(), title), TitleBlockALayer, DxfText(c.Name));
        EXPECT_EQ(name.Value(10), c.X) << c.Name;
        EXPECT_EQ(name.Value(20), "514.0") << c.Name;
        EXPECT_EQ(name.Value(40), c.Height) << c.Name;
    }
}

TEST(TitleBlockA, PreparerLineIsCentredAsItsFullRun) {
    struct Case {
        const char* PreparedBy;
        const char* Text;
        const char* X;
    };
    for (const Case c :
         {Case{"", "Prepared by COMPUTER", "2595.0"}, Case{"   ", "Prepared by COMPUTER", "2595.0"},
          Case{"ABCDEFGH  ", "Prepared by ABCDEFGH", "2595.0"},
          Case{"Jo", "Prepared by Jo", "2619.0"}}) {
        TitleSet title;
        title.PreparedBy = c.PreparedBy;
        const DxfEntity line =
            TextOf(Draw(WriteTitleBlockA, WideLayout(), title), TitleBlockALayer, c.Text);
        EXPECT_EQ(line.Value(10), c.X) << c.PreparedBy;
        EXPECT_EQ(line.Value(20), "658.5") << c.PreparedBy;
    }
}

TEST(TitleBlockA, SecondMainTitleAloneKeepsItsOwnLine) {
    TitleSet title;
    title.MainTitle2 = "NORTH PIT";
    const DxfFile file = Draw(WriteTitleBlockA, WideLayout(), title);
    int atTitleEdge = 0;
    for (const auto& text : file.OfType("TEXT", TitleBlockALayer))
        atTitleEdge += text.Value(10) == "2465.0";
    EXPECT_EQ(atTitleEdge, 1);
    const DxfEntity line = TextOf(file, TitleBlockALayer, "NORTH PIT");
    EXPECT_EQ(line.Value(10), "2465.0");
    EXPECT_EQ(line.Value(20), "593.0");
    EXPECT_EQ(line.Value(40), "14.000");
}

TEST(TitleBlockA, FileNameStandsOneAndAHalfHeightsBelowTheBlock) {
    const DxfEntity name =
        TextOf(Draw(WriteTitleBlockA, WideLayout(), {}, "", "p.dxf"), TitleBlockALayer, "p.dxf");
    EXPECT_EQ(name.Value(10), "400.0");
    EXPECT_EQ(name.Value(20), "485.0");
    EXPECT_EQ(name.Value(40), "10.000");
}

TEST(TitleBlockA, HalvedBlockHalvesOffsetsAndHeightsButNotTheBorderWidth) {
    const DxfFile file = Draw(WriteTitleBlockA, HalvedLayout(), {}, "", "p.dxf", 960);
    const auto polylines = file.OfType("POLYLINE", TitleBlockALayer);
    ASSERT_EQ(polylines.size(), 3U);
    EXPECT_EQ(polylines[0].Vertices[1].Value(20), "500.000");
    EXPECT_EQ(polylines[0].Vertices[2].Value(10), "1960.000");
    EXPECT_EQ(polylines[1].Vertices[2].Value(20), "587.500");
    const DxfEntity scale = TextOf(file, TitleBlockALayer, "SCALE");
    EXPECT_NEAR(scale.Number(10), 1827.25, 0.051);
    EXPECT_EQ(scale.Value(20), "519.0");
    EXPECT_EQ(scale.Value(40), "4.000");
    const DxfEntity name = TextOf(file, TitleBlockALayer, "p.dxf");
    EXPECT_EQ(name.Value(20), "492.5");
    EXPECT_EQ(name.Value(40), "5.000");
    EXPECT_EQ(TextOf(file, ScaleBarLayer, " FEET ").Value(40), "3.500");
}

TEST(TitleBlockB, ShortFormWithoutRevisionsOrApprovals) {
    const DxfFile file =
        Draw(WriteTitleBlockB, WideLayout(15.2), FullTitleSet(), "01/02/2024", "p.dxf");
    EXPECT_EQ(file.Comments.at(0), "=== Title Block B");
    EXPECT_EQ(file.OfType("LINE", TitleBlockBLayer).size(), 14U);
    const auto polylines = file.OfType("POLYLINE", TitleBlockBLayer);
    ASSERT_EQ(polylines.size(), 3U);
    EXPECT_EQ(polylines[1].Vertices[0].Value(10), "1400.000");
    EXPECT_EQ(polylines[1].Vertices[2].Value(10), "2920.000");
    EXPECT_EQ(Joined(file.Texts(TitleBlockBLayer)),
              "ACME|ACME|ACME|MINING|DATE|OFFICE|DEPARTMENT|01/02/2024|OFF|DEP|"
              "Prepared by SMITH|T1|T2|T3|MAP INDEX NUMBER|SCALE|DRAWING NUMBER|"
              "MI-7|1\" = 100'|DN-9|p.dxf");
    for (const auto& entity : file.Entities) {
        EXPECT_TRUE(entity.Layer() == TitleBlockBLayer || entity.Layer() == ScaleBarLayer);
    }
    const DxfEntity date = TextOf(file, TitleBlockBLayer, "01/02/2024");
    EXPECT_EQ(date.Value(10), "1815.0");
    EXPECT_EQ(date.Value(20), "514.0");
    EXPECT_EQ(TextOf(file, TitleBlockBLayer, "T1").Value(10), "2465.0");
}

}  // namespace
}  // namespace quadrel
