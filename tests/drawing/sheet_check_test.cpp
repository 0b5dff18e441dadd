// The sheet check over sheets drawn for it: which items meet, which only
// stand close, and what each conflict is called.
#include "drawing/sheet_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "drawing/text_ink.h"

namespace quadrel {
namespace {

// A sheet of 20 by 10 inches from (0, 0), 100 units to the inch across and
// 50 up, so that a mix-up of the axes shows. A text is as long in units as
// the drawing makes it whatever the axis, so on this paper it is stretched
// upwards.
MapLayout TestLayout() {
    MapLayout layout;
    layout.XUnitsPerInch = 100;
    layout.YUnitsPerInch = 50;
    layout.PlotXMax = 2000;
    layout.PlotYMax = 500;
    return layout;
}

// Texts 0.1 inch tall: 5 units upright, 10 units when turned by 90 degrees.
void Text(SheetRecorder& sheet, std::string_view text, double x, double y, double rotation = 0,
          std::string_view layer = "Grid") {
    sheet.WriteText({layer, 1}, {x, y}, text, rotation == 0 ? 5 : 10, rotation);
}

void Polyline(SheetRecorder& sheet, std::string_view layer, std::vector<SheetPoint> points) {
    sheet.BeginPolyline({layer, 3});
    for (const SheetPoint& p : points) sheet.WriteVertex({p.X, p.Y});
    sheet.EndPolyline();
}

std::vector<std::string> Lines(const SheetRecorder& sheet) {
    std::vector<std::string> lines;
    for (const SheetConflict& conflict : CheckSheet(sheet, TestLayout())) {
        lines.push_back(ConflictLine(conflict));
    }
    return lines;
}

// A sheet drawn for a case, and the lines its conflicts give.
struct SheetCase {
    const char* what;
    std::function<void(SheetRecorder&)> draw;
    std::vector<std::string> lines;
};

void ExpectConflicts(std::span<const SheetCase> cases) {
    for (const SheetCase& c : cases) {
        SheetRecorder sheet;
        c.draw(sheet);
        EXPECT_EQ(Lines(sheet), c.lines) << c.what;
    }
}

// The ink of "19850.0" ends 5.63 of its heights right of its insertion
// point, so a text that starts there, whose ink begins a little later, does
// not meet it.
TEST(SheetCheck, InkMeetingInkIsAConflictAndTextsThatOnlyStandCloseAreNot) {
    const double run = InkOfText("19850.0").Right * 5;  // units
    ASSERT_NEAR(run, 28.15, 0.01);
    const SheetCase cases[] = {
        {"end to end",
         [&](SheetRecorder& s) {
             Text(s, "19850.0", 100, 100), Text(s, "19850.0", 100 + run, 100);
         },
         {}},
        {"overlapping",
         [&](SheetRecorder& s) { Text(s, "19850.0", 100, 100), Text(s, "20050.0", 120, 102); },
         {"Grid \"19850.0\" over Grid \"20050.0\" at 1.24, 2.07 in (overlap 0.077 x 0.066 in)"}},
        {"one above the other",
         [&](SheetRecorder& s) { Text(s, "ABC", 100, 100), Text(s, "ABC", 100, 106); },
         {}},
        // Turned texts run upwards left of their insertion point.
        {"turned, right of a text's start",
         [&](SheetRecorder& s) {
             Text(s, "LATITUDE", 100, 90, 90), Text(s, "19850.0", 101, 100, 0, "HTicks");
         },
         {}},
        {"turned, over a text",
         [&](SheetRecorder& s) {
             Text(s, "LATITUDE", 110, 90, 90), Text(s, "19850.0", 100, 100, 0, "HTicks");
         },
         {"Grid \"LATITUDE\" over HTicks \"19850.0\" at 1.05, 2.05 in (overlap 0.097 x 0.106 in)"}},
        {"bold copies",
         [](SheetRecorder& s) {
             for (double x : {100.0, 100.5, 101.0}) Text(s, "Company", x, 100);
         },
         {}},
        {"a blank text",
         [](SheetRecorder& s) { Text(s, "   ", 100, 100), Text(s, "ABC", 100, 100); },
         {}},
    };
    ExpectConflicts(cases);
}

// A title block's cell from u 4.1 to 4.3 and v 1.3 to 1.5 inches, its rules
// 0.35 mm wide like a fine pen's.
void Cell(SheetRecorder& sheet) {
    for (const double x : {410.0, 430.0}) sheet.WriteLine({"Title_Block_A", 3}, {x, 65}, {x, 75});
    for (const double y : {65.0, 75.0}) sheet.WriteLine({"Title_Block_A", 3}, {410, y}, {430, y});
}

TEST(SheetCheck, TextsLeavingTheirCellOrMeetingTheArrowTheBorderOrTheEdgeAreNamed) {
    const SheetCase cases[] = {
        {"in its cell",
         [](SheetRecorder& s) { Cell(s), Text(s, "1", 416, 68, 0, "Title_Block_A"); },
         {}},
        {"touching a rule",
         [](SheetRecorder& s) { Cell(s), Text(s, "NO", 419.5, 68, 0, "Title_Block_A"); },
         {"Title_Block_A \"NO\" over title block rule at 4.30, 1.41 in (overlap 0.004 x 0.106 "
          "in)"}},
        {"out of its cell",
         [](SheetRecorder& s) { Cell(s), Text(s, "DATE", 416, 68, 0, "Title_Block_A"); },
         {"Title_Block_A \"DATE\" over title block rule at 4.30, 1.41 in (overlap 0.014 x 0.100 "
          "in)"}},
        {"over the north arrow, once however many strokes",
         [](SheetRecorder& s) {
             Polyline(s, "North_Arrow", {{300, 100}, {300, 200}});
             Polyline(s, "North_Arrow", {{310, 100}, {310, 200}});
             Text(s, "20050.0", 290, 150, 0, "HTicks");
         },
         {"HTicks \"20050.0\" over north arrow at 3.05, 3.05 in (overlap 0.114 x 0.106 in)"}},
        {"over the grid border",
         [](SheetRecorder& s) {
             Polyline(s, "Grid", {{200, 50}, {200, 450}, {1800, 450}, {1800, 50}, {200, 50}}),
                 Text(s, "X", 198, 100);
         },
         {"Grid \"X\" over grid border at 2.00, 2.05 in (overlap 0.014 x 0.100 in)"}},
        {"cutting marks are no border",
         [](SheetRecorder& s) {
             Polyline(s, "Grid", {{0, 10}, {0, 0}, {10, 0}}), Text(s, "X", 0, 1);
         },
         {}},
        {"outside the sheet",
         [](SheetRecorder& s) { Text(s, "EAST", 1990, 100); },
         {"Grid \"EAST\" outside the sheet at 20.04, 2.05 in (0.076 x 0.106 in outside)"}},
        {"the arrow outside",
         [](SheetRecorder& s) {
             Polyline(s, "North_Arrow", {{100, -10}, {100, 50}});
         },
         {"north arrow outside the sheet at 1.00, -0.10 in (0.014 x 0.200 in outside)"}},
    };
    ExpectConflicts(cases);
}

// A text's paper height is measured along the direction it stands up in,
// each axis at its own scale.
TEST(SheetCheck, TextsUnderAMillimetreTallOnPaperAreTooSmall) {
    const struct {
        double height, rotation;
        const char* line;  // nullptr: tall enough
    } cases[] = {
        {1.9, 0, "Grid \"7501000.0\" under 1 mm tall at 1.00, 2.00 in (0.97 mm)"},
        {2.0, 0, nullptr},  // 1.016 mm at 50 units to the inch
        {3.9, 90, "Grid \"7501000.0\" under 1 mm tall at 1.00, 2.00 in (0.99 mm)"},
        {3.9, 0, nullptr},
    };
    for (const auto& c : cases) {
        SheetRecorder sheet;
        sheet.WriteText({"Grid", 1}, {100, 100}, "7501000.0", c.height, c.rotation);
        const auto lines = Lines(sheet);
        EXPECT_EQ(lines.empty() ? std::string() : lines.front(), c.line ? std::string(c.line) : "")
            << c.height << " at " << c.rotation;
    }
}

TEST(SheetCheck, JsonNamesBothItemsAndEscapesTheirTexts) {
    SheetRecorder sheet;
    Text(sheet, "Say \"hi\"\\\t", 100, 100);
    sheet.WriteText({"Grid", 1}, {100, 100}, "tiny", 1, 0);
    const std::string json = ConflictsJson(CheckSheet(sheet, TestLayout()));
    EXPECT_EQ(
        json,
        "[\n"
        "  {\"conflict\": \"over\", \"first\": {\"kind\": \"text\", \"layer\": \"Grid\", "
        "\"text\": \"Say \\\"hi\\\"\\\\\\u0009\"}, \"second\": {\"kind\": \"text\", \"layer\": "
        "\"Grid\", \"text\": \"tiny\"}, \"x\": 1.01, \"y\": 2.01, \"overlap\": {\"width\": "
        "0.022, \"height\": 0.027}},\n"
        "  {\"conflict\": \"too small\", \"first\": {\"kind\": \"text\", \"layer\": \"Grid\", "
        "\"text\": \"tiny\"}, \"second\": null, \"x\": 1.00, \"y\": 2.00, \"height_mm\": 0.51}\n"
        "]\n");
}

}  // namespace
}  // namespace quadrel
