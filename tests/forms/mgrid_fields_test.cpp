// The main form as a person types and clicks into it: what each field shows
// and stores, the set that the first keystroke makes, the working values,
// the action buttons, conversion errors and the tick spacing.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/messages.h"
#include "support/app_fixture.h"

namespace quadrel {
namespace {

using testing::AppFixture;
using M = TMGridInfo;
using G = GridSet;

struct TypedCase {
    const char* name;
    Edit M::*edit;
    std::string G::*field;
    const char* typed;
    const char* stored;  // also what the edit shows afterwards
    bool determine;      // Determine Limits enabled afterwards
    bool output;         // Create output enabled afterwards
};

class TypedFieldTest : public AppFixture, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedFieldTest, StoresShowsAndSwitchesTheButtonsOnTheOneSetItMakes) {
    const TypedCase& c = GetParam();
    (form.*c.edit).Type(c.typed);
    EXPECT_EQ(form.Store.Current().*c.field, c.stored);
    EXPECT_EQ((form.*c.edit).Text(), c.stored);
    EXPECT_EQ(form.DetermineLimitsButton.Enabled(), c.determine);
    EXPECT_EQ(form.BitBtnCreateOutput.Enabled(), c.output);
    // Before any file, the first keystroke made the one set.
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridLineCount, 16);
    EXPECT_TRUE(platform.Errors.empty()) << platform.Errors.front();
}

INSTANTIATE_TEST_SUITE_P(
    MainForm, TypedFieldTest,
    ::testing::Values(
        TypedCase{"Description", &M::EditDescription, &G::Description, " Pit ", " Pit ", 0, 0},
        TypedCase{"ImpMetWord", &M::EditImpMet, &G::ImpMet, "imperial", "I", 1, 1},
        TypedCase{"AxisTitle", &M::EditYAxisTitle, &G::YAxisTitle, " North ", " North ", 0, 0},
        TypedCase{"MinimumTrimmed", &M::EditYMin, &G::YMin, " -250 ", "-250", 1, 1},
        TypedCase{"MaximumMarker", &M::EditXMax, &G::XMax, " Fill in! ", "Fill in!", 1, 1},
        TypedCase{"YGrid", &M::EditYGrid, &G::YGrid, " 25 ", " 25 ", 1, 1},
        TypedCase{"XGrid", &M::EditXGrid, &G::XGrid, " 25 ", " 25 ", 0, 1},
        TypedCase{"YScaleKeepsBlanks", &M::EditYScale, &G::YScale, " 25 ", " 25 ", 1, 1},
        TypedCase{"XScaleTrimmed", &M::EditXScale, &G::XScale, " abc ", "abc", 1, 1},
        TypedCase{"AddFirstCharacter", &M::EditXAdd, &G::XAdd, " 1abc", "1", 0, 1},
        TypedCase{"ConstantBlank", &M::EditYConst, &G::YConst, "  ", "0.0", 0, 1},
        TypedCase{"TickTypeBlank", &M::EditTicTBType, &G::VtPosition, "  ", "0", 0, 1},
        TypedCase{"TickSpacingTypeZero", &M::EditTicLRSpacing, &G::HtSpacing, "5", "", 0, 1},
        TypedCase{"TickStart", &M::EditTicTBMinimum, &G::VtStart, " x ", " x ", 0, 1},
        TypedCase{"Cut", &M::EditCutTop, &G::CutTop, "-0.5", "-0.5", 1, 1},
        TypedCase{"ArrowSize", &M::EditSize, &G::NorthArrowSize, "big", "big", 0, 1},
        TypedCase{"TitleTypeOther", &M::EditTitleBlockType, &G::TitleBlockType, "c", "A", 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

using MainFormTest = AppFixture;

// A "/" in a stored text would start the comment of its data line and cut
// the text short on the next read.
TEST_F(MainFormTest, TextsADataFileStoresDoNotTakeASlashAndSayWhy) {
    std::vector<Edit*> stored{&form.EditDescription, &form.EditYAxisTitle, &form.EditXAxisTitle};
    for (Edit* edit : titleForm.FieldEdits()) stored.push_back(edit);
    for (Edit* edit : stored) {
        platform.Errors.clear();
        edit->Type("3/4 N/S");
        EXPECT_EQ(edit->Text(), "34 NS") << edit->Name();
        EXPECT_EQ(platform.Errors, std::vector<std::string>{std::string(SlashRefusedText)})
            << edit->Name();
        edit->Type("34 NS");  // nothing dropped, nothing said
        EXPECT_EQ(platform.Errors.size(), 1U) << edit->Name();
    }
    EXPECT_EQ(form.Store.Current().XAxisTitle, "34 NS");
    EXPECT_EQ(titleForm.ShownTitleSet().PreparedBy, "34 NS");
}

TEST_F(MainFormTest, ClicksStoreTheirChoice) {
    const struct {
        Edit M::*edit;
        std::string G::*field;
        const char* first;
        const char* second;
    } cases[] = {{&M::EditImpMet, &G::ImpMet, "I", "M"},
                 {&M::EditYAdd, &G::YAdd, "1", "0"},
                 {&M::EditTitleBlockType, &G::TitleBlockType, "B", "A"}};
    for (const auto& c : cases) {
        (form.*c.edit).Click();
        EXPECT_EQ(form.Store.Current().*c.field, c.first);
        (form.*c.edit).Click();
        EXPECT_EQ(form.Store.Current().*c.field, c.second);
        EXPECT_EQ((form.*c.edit).Text(), c.second);
    }
    EXPECT_TRUE(form.Layout.Metric);

    // The corner buttons, and the title block choice with its type.
    const std::pair<RadioButton M::*, const char*> corners[] = {{&M::RBLowerLeft, "LL"},
                                                                {&M::RBUpperLeft, "UL"},
                                                                {&M::RBLowerRight, "LR"},
                                                                {&M::RBUpperRight, "UR"}};
    for (const auto& [button, corner] : corners) {
        (form.*button).Click();
        EXPECT_EQ(form.Store.Current().NorthArrowCorner, corner);
        EXPECT_EQ(form.EditedGridSet().NorthArrowCorner, corner);  // what the drawing is made from
    }
    form.RGTitleBlock.SetItemIndex(TitleBlockPlotItem);
    EXPECT_EQ(form.Store.Current().TitleBlockFlag + form.Store.Current().TitleBlockType, "YA");
    form.EditTitleBlockType.Type("b");
    form.RGTitleBlock.SetItemIndex(1);
    EXPECT_EQ(form.Store.Current().TitleBlockFlag + form.Store.Current().TitleBlockType, "NB");
    EXPECT_EQ(form.Store.GridSetCount, 1);
}

TEST_F(MainFormTest, WorkingLimitsAndSpacingsFollowWhatIsTyped) {
    platform.Separator = ',';
    form.EditXMin.Type("2,5");
    form.EditXMax.Type("Fill in!");  // a thousand beyond the minimum
    EXPECT_DOUBLE_EQ(form.Layout.XMax, 1002.5);
    platform.Separator = '.';
    form.EditXMax.Type("102.5");
    form.EditXGrid.Type("7");
    form.EditXGrid.Type("");  // a tenth of the range, shown
    EXPECT_EQ(form.Store.Current().XGrid, "10.0");
    EXPECT_DOUBLE_EQ(form.Layout.XGrid, 10.0);
    EXPECT_TRUE(platform.Errors.empty()) << platform.Errors.front();
}

TEST_F(MainFormTest, ConversionErrorStopsTheHandlerBeforeItStoresOrSwitches) {
    form.EditYMax.Type("7");
    form.DetermineLimitsButton.SetEnabled(false);
    form.EditYMax.Type("  7x ");
    ASSERT_FALSE(platform.Errors.empty());
    EXPECT_NE(platform.Errors[0].find("7x"), std::string::npos);
    EXPECT_EQ(form.EditYMax.Text(), "7x");  // trimmed in place before the conversion
    EXPECT_EQ(form.Store.Current().YMax, "7");
    EXPECT_DOUBLE_EQ(form.Layout.YMax, 7.0);
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
}

// ---- Tick spacing ----

struct TickCase {
    const char* name;
    const char* minimum;
    const char* maximum;
    const char* grid;
    const char* length;  // both tick lengths
    const char* spacing;
    const char* start;  // stored and shown afterwards
    const char* end;
    const char* type;
    const char* lengthAfter;
    std::size_t errors;
};

class TickSpacingTest : public AppFixture, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickSpacingTest, PlacesTheFirstAndLastTickOrSwitchesTheTicksOff) {
    const TickCase& c = GetParam();
    // Each side laid out along its own axis: horizontal ticks along Y,
    // vertical ticks along X, the other axis far away.
    const struct {
        Edit &min, &max, &grid, &otherMin, &otherMax, &type, &first, &second, &spacing, &start,
            &end;
    } sides[] = {{form.EditYMin, form.EditYMax, form.EditYGrid, form.EditXMin, form.EditXMax,
                  form.EditTicLRType, form.EditTicLeft, form.EditTicRight, form.EditTicLRSpacing,
                  form.EditTicLRMinimum, form.EditTicLRMaximum},
                 {form.EditXMin, form.EditXMax, form.EditXGrid, form.EditYMin, form.EditYMax,
                  form.EditTicTBType, form.EditTicTop, form.EditTicBottom, form.EditTicTBSpacing,
                  form.EditTicTBMinimum, form.EditTicTBMaximum}};
    for (const auto& side : sides) {
        side.otherMin.Type("5000");
        side.otherMax.Type("9000");
        side.min.Type(c.minimum);
        side.max.Type(c.maximum);
        side.grid.Type(c.grid);
        side.type.Type(c.spacing[0] == '0' ? "0" : "1");
        side.first.Type(c.length);
        side.second.Type(c.length);
        // So that an empty spacing is a change too.
        if (c.spacing[0] == 0) side.spacing.Type("3");
        side.spacing.Type(c.spacing + (c.spacing[0] == '0'));
        EXPECT_EQ(side.start.Text(), c.start);
        EXPECT_EQ(side.end.Text(), c.end);
        EXPECT_EQ(side.type.Text(), c.type);
        EXPECT_EQ(side.first.Text(), c.lengthAfter);
        EXPECT_EQ(side.second.Text(), c.lengthAfter);
    }
    EXPECT_EQ(form.EditedGridSet().HtStart, c.start);
    EXPECT_EQ(form.EditedGridSet().VtEnd, c.end);
    EXPECT_EQ(platform.Errors.size(), 2 * c.errors);
}

INSTANTIATE_TEST_SUITE_P(
    BothSides, TickSpacingTest,
    ::testing::Values(
        // A spacing starting with "0" is typed with tick type 0.
        TickCase{"Entered", "100", "200", "5", "0.1", "7", "107.0", "193.0", "1", "0.1", 0},
        TickCase{"LimitsReversed", "200", "100", "5", "0.1", "7", "107.0", "193.0", "1", "0.1", 0},
        TickCase{"EmptyIsAtLeastOne", "100", "200", "5", "0.1", "", "101.0", "199.0", "1", "0.1",
                 0},
        TickCase{"EmptyIsATenthOfTheGrid", "100", "200", "50", "0", "", "105.0", "195.0", "1",
                 "0.250", 0},
        TickCase{"ZeroLengthsBecomeAQuarterInch", "100", "200", "5", "-0", "7", "107.0", "193.0",
                 "1", "0.250", 0},
        TickCase{"NoRoom", "0", "10", "5", "", "5", "", "", "0", "", 0},
        TickCase{"EmptyLengthIsNoNumber", "100", "200", "5", "", "7", "", "", "1", "", 1},
        TickCase{"TypeZeroEmptiesTheSide", "100", "200", "5", "0.1", "07", "", "", "0", "0.1", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quadrel
