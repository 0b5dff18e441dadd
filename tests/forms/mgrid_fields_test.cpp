// The main form as a person types and clicks into it: start-up state, the
// message area, the first-set rule, per-field normalisation, the working
// layout values, the action buttons, conversion errors and the tick spacing.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace quadrel {
namespace {

using testing::AppFixture;
using EditMember = Edit TMGridInfo::*;
using FieldMember = std::string GridSet::*;

// ---- Start-up ----

struct DefaultTextCase {
    const char* name;
    EditMember edit;
    const char* text;
};

void PrintTo(const DefaultTextCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridStartUpTextTest : public AppFixture,
                             public ::testing::WithParamInterface<DefaultTextCase> {};

TEST_P(MGridStartUpTextTest, EditShowsItsDefaultText) {
    EXPECT_EQ((form.*GetParam().edit).Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    MainForm, MGridStartUpTextTest,
    ::testing::Values(DefaultTextCase{"Description", &TMGridInfo::EditDescription, ""},
                      DefaultTextCase{"ImpMet", &TMGridInfo::EditImpMet, ""},
                      DefaultTextCase{"YMin", &TMGridInfo::EditYMin, ""},
                      DefaultTextCase{"XScale", &TMGridInfo::EditXScale, ""},
                      DefaultTextCase{"YAdd", &TMGridInfo::EditYAdd, "0"},
                      DefaultTextCase{"XAdd", &TMGridInfo::EditXAdd, "0"},
                      DefaultTextCase{"YConst", &TMGridInfo::EditYConst, "0.0"},
                      DefaultTextCase{"XConst", &TMGridInfo::EditXConst, "0.0"},
                      DefaultTextCase{"TicLRType", &TMGridInfo::EditTicLRType, "0"},
                      DefaultTextCase{"TicTBType", &TMGridInfo::EditTicTBType, "0"},
                      DefaultTextCase{"TicLRSpacing", &TMGridInfo::EditTicLRSpacing, ""},
                      DefaultTextCase{"TicLeft", &TMGridInfo::EditTicLeft, ""},
                      DefaultTextCase{"CutLeft", &TMGridInfo::EditCutLeft, "0.000"},
                      DefaultTextCase{"CutRight", &TMGridInfo::EditCutRight, "0.000"},
                      DefaultTextCase{"CutTop", &TMGridInfo::EditCutTop, "0.000"},
                      DefaultTextCase{"CutBottom", &TMGridInfo::EditCutBottom, "0.000"},
                      DefaultTextCase{"BorderSize", &TMGridInfo::EditBorderSize, "0.0"},
                      DefaultTextCase{"Size", &TMGridInfo::EditSize, "0.5"},
                      DefaultTextCase{"DistMapEdge", &TMGridInfo::EditDistMapEdge, "0.0"},
                      DefaultTextCase{"TitleBlockType", &TMGridInfo::EditTitleBlockType, ""}),
    [](const auto& info) { return std::string(info.param.name); });

using MGridStartUpTest = AppFixture;

TEST_F(MGridStartUpTest, ShowingTheDefaultsCreatesNoSetAndSwitchesNothing) {
    EXPECT_EQ(form.Store.GridSetCount, 0);
    EXPECT_EQ(form.Store.GridLineCount, 0);
    EXPECT_FALSE(form.Store.GridSetsChanged());
    EXPECT_TRUE(form.Store.GridSets[0] == BlankGridSet());
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
    EXPECT_TRUE(form.DetermineLimitsButton.Visible());
    EXPECT_TRUE(form.BitBtnCreateOutput.Visible());
    EXPECT_FALSE(form.PanelMapInfo.Visible());
    EXPECT_EQ(form.MessageArea.Caption(), "");
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_EQ(platform.Beeps, 0);
}

TEST_F(MGridStartUpTest, ChoicesStartOnDoNotPlotAndUpperRight) {
    EXPECT_EQ(form.RGTitleBlock.Items, (std::vector<std::string>{"Plot", "Do NOT plot"}));
    EXPECT_EQ(form.RGTitleBlock.ItemIndex(), 1);
    EXPECT_TRUE(form.RBUpperRight.Checked());
    EXPECT_FALSE(form.RBUpperLeft.Checked());
    EXPECT_FALSE(form.RBLowerLeft.Checked());
    EXPECT_FALSE(form.RBLowerRight.Checked());
}

TEST_F(MGridStartUpTest, LegendIsLaidOutButHiddenAndUnusable) {
    EXPECT_FALSE(form.BevelLegend.Visible());
    EXPECT_FALSE(form.LabelLegend.Visible());
    EXPECT_FALSE(form.RGLegend.Visible());
    EXPECT_FALSE(form.RGLegend.Enabled());
    EXPECT_EQ(form.RGLegend.ItemIndex(), 1);
    EXPECT_EQ(form.RGLegend.Hint(), "Legend is NOT programmed as yet.");
}

TEST_F(MGridStartUpTest, HintsKeepTheirExactSpacingAndInchMarks) {
    EXPECT_EQ(form.EditTicLRType.Hint(),
              "0=none, 1=above, 2=beside, 3=below,  4=no numbers, ticks only");
    EXPECT_EQ(form.EditTicTBType.Hint(),
              "0=none, 1=above, 2=beside, 3=below, 4=no numbers, ticks only");
    EXPECT_EQ(form.EditSize.Hint(),
              "Default length = 2.30\", therefore length = 1.15\" if size = 0.5");
    EXPECT_EQ(form.EditSize.Hint().size(), 62U);
    EXPECT_EQ(form.EditTitleBlockType.Hint(), "Type can be A or B (no approvals box)");
    EXPECT_EQ(form.EditDistMapEdge.Hint(),
              "If = 0.0, then it takes 0.5 x the North Arrow length in project units.");
    EXPECT_EQ(form.EditYAdd.Hint(), "1=Add grid spacing directly to the minimum Y-Axis.");
    EXPECT_EQ(form.EditXConst.Hint(), "Add a constant to the X-Axis on the plot.");
}

TEST_F(MGridStartUpTest, CaptionsOfTheCommands) {
    EXPECT_EQ(form.Caption(), "Create Quadrel - Data Entry Form");
    EXPECT_EQ(form.BitBtnCreateSampleFiles.Caption(), "Create sample files...");
    EXPECT_EQ(form.ButtonGetFileName.Caption(), "Open grid data file...");
    EXPECT_EQ(form.ButtonGetTitleData.Caption(), "Open title block data file...");
    EXPECT_EQ(form.ButtonAddSet.Caption(), "Add Set");
    EXPECT_EQ(form.ButtonDeleteSet.Caption(), "Delete Set");
    EXPECT_EQ(form.ButtonTitleBlockData.Caption(), "Show Title Block Data");
    EXPECT_EQ(form.DetermineLimitsButton.Caption(), "Determine Limits");
    EXPECT_EQ(form.BitBtnCreateOutput.Caption(), "Create output");
    EXPECT_EQ(form.LabelImpMet.Caption(), "Imperial or Metric (I/M)");
    EXPECT_EQ(form.LabelBorderSize.Caption(), "Border size around grid");
    EXPECT_EQ(form.LabelDistMapEdge.Caption(), "Distance from map edge");
}

struct LengthLimitCase {
    const char* name;
    EditMember edit;
    std::size_t limit;
};

void PrintTo(const LengthLimitCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridTypingLimitTest : public AppFixture,
                             public ::testing::WithParamInterface<LengthLimitCase> {};

TEST_P(MGridTypingLimitTest, TypingStopsAtTheLimitButCodeWritesWhole) {
    Edit& edit = form.*GetParam().edit;
    const std::string longText(GetParam().limit + 5, '7');
    edit.Type(longText);
    EXPECT_EQ(edit.Text().size(), GetParam().limit);
    edit.SetText(longText);
    EXPECT_EQ(edit.Text(), longText);
}

INSTANTIATE_TEST_SUITE_P(
    MainForm, MGridTypingLimitTest,
    ::testing::Values(LengthLimitCase{"Description", &TMGridInfo::EditDescription, 60},
                      LengthLimitCase{"YAxisTitle", &TMGridInfo::EditYAxisTitle, 30},
                      LengthLimitCase{"XAxisTitle", &TMGridInfo::EditXAxisTitle, 30}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The message area ----

using MGridMessageAreaTest = AppFixture;

TEST_F(MGridMessageAreaTest, MessageBeepsDisablesOutputAndShowsFixedTextBlankContext) {
    form.EditYMin.Type("5");
    ASSERT_TRUE(form.BitBtnCreateOutput.Enabled());
    form.ShowMessageCode(Messages::MinimumYMissing, "YMin");
    EXPECT_EQ(platform.Beeps, 1);
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
    EXPECT_TRUE(form.DetermineLimitsButton.Enabled());
    EXPECT_EQ(form.MessageArea.Caption(), " - 0004: Minimum Y-axis MUST be filled in! YMin");
}

TEST_F(MGridMessageAreaTest, SecondMessageReplacesTheFirst) {
    form.ShowMessageCode(Messages::MinimumYMissing, "YMin");
    form.ShowMessageCode(Messages::TitleSetCapacity, "Read title data");
    EXPECT_EQ(form.MessageArea.Caption(),
              " - 0101: Maximum number of title sets have been read. Read title data");
    EXPECT_EQ(platform.Beeps, 2);
}

TEST_F(MGridMessageAreaTest, SampleFilesMessageLeavesOutItsContextAndStillDisablesOutput) {
    form.EditYMin.Type("5");
    form.ShowMessageCode(Messages::SampleFilesCreated, "Sample Files");
    EXPECT_EQ(form.MessageArea.Caption(),
              " - 1000: 2 sample files called QDLGrid.SAM and QDLTitle.SAM have been created for "
              "you.");
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
}

TEST_F(MGridMessageAreaTest, UnknownCodeKeepsTheCaptionButBeepsAndDisablesOutput) {
    form.ShowMessageCode(Messages::XScaleMissing, "XScale");
    form.EditYMin.Type("5");
    form.ShowMessageCode(42, "whatever");
    EXPECT_EQ(form.MessageArea.Caption(), " - 0013: X-Scale MUST be filled in! XScale");
    EXPECT_EQ(platform.Beeps, 2);
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
}

// ---- The first-set rule ----

struct FirstSetCase {
    const char* name;
    EditMember edit;
};

void PrintTo(const FirstSetCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridFirstSetRuleTest : public AppFixture,
                              public ::testing::WithParamInterface<FirstSetCase> {};

TEST_P(MGridFirstSetRuleTest, OneCharacterMakesTheOneSetAndASecondFieldAddsNothing) {
    (form.*GetParam().edit).Type("7");
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridLineCount, 16);
    EXPECT_EQ(form.Store.CurrentGridSet, 0);
    EXPECT_TRUE(form.Store.GridSetsChanged());

    form.EditDescription.Type("second field");
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridLineCount, 16);
}

TEST_P(MGridFirstSetRuleTest, NoSetIsMadeOnceAGridFileHasBeenRead) {
    form.Store.GridFileLoaded = true;
    (form.*GetParam().edit).Type("7");
    EXPECT_EQ(form.Store.GridSetCount, 0);
    EXPECT_EQ(form.Store.GridLineCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryField, MGridFirstSetRuleTest,
    ::testing::Values(FirstSetCase{"Description", &TMGridInfo::EditDescription},
                      FirstSetCase{"ImpMet", &TMGridInfo::EditImpMet},
                      FirstSetCase{"YAxisTitle", &TMGridInfo::EditYAxisTitle},
                      FirstSetCase{"YMin", &TMGridInfo::EditYMin},
                      FirstSetCase{"YMax", &TMGridInfo::EditYMax},
                      FirstSetCase{"YGrid", &TMGridInfo::EditYGrid},
                      FirstSetCase{"YScale", &TMGridInfo::EditYScale},
                      FirstSetCase{"YAdd", &TMGridInfo::EditYAdd},
                      FirstSetCase{"YConst", &TMGridInfo::EditYConst},
                      FirstSetCase{"XAxisTitle", &TMGridInfo::EditXAxisTitle},
                      FirstSetCase{"XMin", &TMGridInfo::EditXMin},
                      FirstSetCase{"XMax", &TMGridInfo::EditXMax},
                      FirstSetCase{"XGrid", &TMGridInfo::EditXGrid},
                      FirstSetCase{"XScale", &TMGridInfo::EditXScale},
                      FirstSetCase{"XAdd", &TMGridInfo::EditXAdd},
                      FirstSetCase{"XConst", &TMGridInfo::EditXConst},
                      FirstSetCase{"TicLRType", &TMGridInfo::EditTicLRType},
                      FirstSetCase{"TicLRSpacing", &TMGridInfo::EditTicLRSpacing},
                      FirstSetCase{"TicLRMinimum", &TMGridInfo::EditTicLRMinimum},
                      FirstSetCase{"TicLRMaximum", &TMGridInfo::EditTicLRMaximum},
                      FirstSetCase{"TicLeft", &TMGridInfo::EditTicLeft},
                      FirstSetCase{"TicRight", &TMGridInfo::EditTicRight},
                      FirstSetCase{"TicTBType", &TMGridInfo::EditTicTBType},
                      FirstSetCase{"TicTBSpacing", &TMGridInfo::EditTicTBSpacing},
                      FirstSetCase{"TicTBMinimum", &TMGridInfo::EditTicTBMinimum},
                      FirstSetCase{"TicTBMaximum", &TMGridInfo::EditTicTBMaximum},
                      FirstSetCase{"TicTop", &TMGridInfo::EditTicTop},
                      FirstSetCase{"TicBottom", &TMGridInfo::EditTicBottom},
                      FirstSetCase{"CutLeft", &TMGridInfo::EditCutLeft},
                      FirstSetCase{"CutRight", &TMGridInfo::EditCutRight},
                      FirstSetCase{"CutTop", &TMGridInfo::EditCutTop},
                      FirstSetCase{"CutBottom", &TMGridInfo::EditCutBottom},
                      FirstSetCase{"BorderSize", &TMGridInfo::EditBorderSize},
                      FirstSetCase{"Size", &TMGridInfo::EditSize},
                      FirstSetCase{"DistMapEdge", &TMGridInfo::EditDistMapEdge},
                      FirstSetCase{"TitleBlockType", &TMGridInfo::EditTitleBlockType}),
    [](const auto& info) { return std::string(info.param.name); });

using MGridFirstSetClickTest = AppFixture;

TEST_F(MGridFirstSetClickTest, ClicksThatStoreMakeTheOneSetToo) {
    form.RBLowerLeft.Click();
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridSets[0].NorthArrowCorner, "LL");
    form.EditXAdd.Click();
    form.RGTitleBlock.SetItemIndex(0);
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridLineCount, 16);
}

TEST_F(MGridFirstSetClickTest, RuleRunsEvenWhenTheHandlerStopsOnAConversionError) {
    form.EditXMin.Type("abc");
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridLineCount, 16);
    EXPECT_EQ(form.Store.GridSets[0].XMin, "");
}

TEST_F(MGridFirstSetClickTest, AfterAFileAllSetsDeletedDownToOneStillMakeNoNewSet) {
    form.Store.GridFileLoaded = true;
    form.Store.GridSetCount = 1;
    form.Store.GridLineCount = 0;
    form.EditDescription.Type("typed");
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridLineCount, 0);
    EXPECT_EQ(form.Store.GridSets[0].Description, "typed");
}

// ---- What each field does with what is typed ----

struct TypedCase {
    const char* name;
    EditMember edit;
    FieldMember field;
    const char* typed;
    const char* shown;
    const char* stored;
};

void PrintTo(const TypedCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridTypedFieldTest : public AppFixture, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(MGridTypedFieldTest, ShowsAndStoresTheNormalisedText) {
    const TypedCase& c = GetParam();
    (form.*c.edit).Type(c.typed);
    EXPECT_EQ((form.*c.edit).Text(), c.shown);
    EXPECT_EQ(form.Store.Current().*c.field, c.stored);
    EXPECT_TRUE(platform.Errors.empty()) << platform.Errors.front();
}

INSTANTIATE_TEST_SUITE_P(
    MainForm, MGridTypedFieldTest,
    ::testing::Values(
        TypedCase{"DescriptionAsTyped", &TMGridInfo::EditDescription, &GridSet::Description,
                  "  North pit  ", "  North pit  ", "  North pit  "},
        TypedCase{"ImpMetLowerM", &TMGridInfo::EditImpMet, &GridSet::ImpMet, "m", "M", "M"},
        TypedCase{"ImpMetOther", &TMGridInfo::EditImpMet, &GridSet::ImpMet, "x", "M", "M"},
        TypedCase{"ImpMetWord", &TMGridInfo::EditImpMet, &GridSet::ImpMet, "imperial", "I", "I"},
        TypedCase{"ImpMetBlank", &TMGridInfo::EditImpMet, &GridSet::ImpMet, " I", "M", "M"},
        TypedCase{"AxisTitleAsTyped", &TMGridInfo::EditYAxisTitle, &GridSet::YAxisTitle,
                  " Northings ", " Northings ", " Northings "},
        TypedCase{"YMinTrimmed", &TMGridInfo::EditYMin, &GridSet::YMin, " 250 ", "250", "250"},
        TypedCase{"XMinNegative", &TMGridInfo::EditXMin, &GridSet::XMin, "  -5", "-5", "-5"},
        TypedCase{"YMaxMarker", &TMGridInfo::EditYMax, &GridSet::YMax, " Fill in! ", "Fill in!",
                  "Fill in!"},
        TypedCase{"XGridNotTrimmed", &TMGridInfo::EditXGrid, &GridSet::XGrid, " 25 ", " 25 ",
                  " 25 "},
        TypedCase{"YScaleKeepsBlanks", &TMGridInfo::EditYScale, &GridSet::YScale, " 2500 ",
                  " 2500 ", " 2500 "},
        TypedCase{"XScaleTrimmed", &TMGridInfo::EditXScale, &GridSet::XScale, " 2500 ", "2500",
                  "2500"},
        TypedCase{"XScaleNotConverted", &TMGridInfo::EditXScale, &GridSet::XScale, "abc", "abc",
                  "abc"},
        TypedCase{"YAddOther", &TMGridInfo::EditYAdd, &GridSet::YAdd, "5", "0", "0"},
        TypedCase{"XAddFirstCharacter", &TMGridInfo::EditXAdd, &GridSet::XAdd, "1abc", "1", "1"},
        TypedCase{"XAddLeadingBlank", &TMGridInfo::EditXAdd, &GridSet::XAdd, " 1", "1", "1"},
        TypedCase{"YConstBlank", &TMGridInfo::EditYConst, &GridSet::YConst, "  ", "0.0", "0.0"},
        TypedCase{"XConstAsTyped", &TMGridInfo::EditXConst, &GridSet::XConst, " 12.5 ", " 12.5 ",
                  " 12.5 "},
        TypedCase{"TickTypeFirstCharacter", &TMGridInfo::EditTicLRType, &GridSet::HtPosition, "12",
                  "1", "1"},
        TypedCase{"TickTypeBlanks", &TMGridInfo::EditTicTBType, &GridSet::VtPosition, "  ", "0",
                  "0"},
        TypedCase{"TickTypeUnchecked", &TMGridInfo::EditTicTBType, &GridSet::VtPosition, " 9 ", "9",
                  "9"},
        TypedCase{"TickStartAsTyped", &TMGridInfo::EditTicLRMinimum, &GridSet::HtStart, " 5 ",
                  " 5 ", " 5 "},
        TypedCase{"TickLengthAsTyped", &TMGridInfo::EditTicBottom, &GridSet::VtLengthBottom, "x",
                  "x", "x"},
        TypedCase{"BorderAsTyped", &TMGridInfo::EditBorderSize, &GridSet::BorderSize, " -1 ",
                  " -1 ", " -1 "},
        TypedCase{"CutAsTyped", &TMGridInfo::EditCutTop, &GridSet::CutTop, "-0.5", "-0.5", "-0.5"},
        TypedCase{"SizeAsTyped", &TMGridInfo::EditSize, &GridSet::NorthArrowSize, "big", "big",
                  "big"},
        TypedCase{"DistanceAsTyped", &TMGridInfo::EditDistMapEdge, &GridSet::NorthArrowDistance,
                  "2", "2", "2"},
        TypedCase{"TitleTypeB", &TMGridInfo::EditTitleBlockType, &GridSet::TitleBlockType, "b", "B",
                  "B"},
        TypedCase{"TitleTypeOther", &TMGridInfo::EditTitleBlockType, &GridSet::TitleBlockType, "c",
                  "A", "A"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Working layout values ----

using MGridWorkingValuesTest = AppFixture;

TEST_F(MGridWorkingValuesTest, LimitsFollowTheTypedNumbers) {
    form.EditXMin.Type("250");
    form.EditXMax.Type("1250.5");
    form.EditYMin.Type("-10");
    form.EditYMax.Type("1e3");
    EXPECT_DOUBLE_EQ(form.Layout.XMin, 250.0);
    EXPECT_DOUBLE_EQ(form.Layout.XMax, 1250.5);
    EXPECT_DOUBLE_EQ(form.Layout.YMin, -10.0);
    EXPECT_DOUBLE_EQ(form.Layout.YMax, 1000.0);
}

TEST_F(MGridWorkingValuesTest, MissingMaximumSpansAThousandFromTheMinimum) {
    form.EditXMin.Type("250");
    form.EditXMax.Type("Fill in!");
    EXPECT_DOUBLE_EQ(form.Layout.XMax, 1250.0);
    EXPECT_EQ(form.Store.Current().XMax, "Fill in!");

    form.EditYMin.Type("-100");
    form.EditYMax.Type("3");
    form.EditYMax.Type("");
    EXPECT_DOUBLE_EQ(form.Layout.YMax, 900.0);
    EXPECT_EQ(form.Store.Current().YMax, "");
}

TEST_F(MGridWorkingValuesTest, MissingMinimumCountsAsZero) {
    form.EditYMin.Type("40");
    form.EditYMin.Type("Fill in!");
    EXPECT_DOUBLE_EQ(form.Layout.YMin, 0.0);
}

TEST_F(MGridWorkingValuesTest, NumbersFollowTheUsersDecimalSeparator) {
    platform.Separator = ',';
    form.EditXMin.Type("2,5");
    form.EditXGrid.Type("0,25");
    EXPECT_DOUBLE_EQ(form.Layout.XMin, 2.5);
    EXPECT_DOUBLE_EQ(form.Layout.XGrid, 0.25);
    EXPECT_EQ(form.Store.Current().XMin, "2,5");
    EXPECT_TRUE(platform.Errors.empty());
}

struct EmptyGridCase {
    const char* name;
    const char* minimum;
    const char* maximum;
    const char* shown;
};

void PrintTo(const EmptyGridCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridEmptyGridSpacingTest : public AppFixture,
                                  public ::testing::WithParamInterface<EmptyGridCase> {};

TEST_P(MGridEmptyGridSpacingTest, ClearingTheSpacingFillsInATenthOfTheRange) {
    form.EditXMin.Type(GetParam().minimum);
    form.EditXMax.Type(GetParam().maximum);
    form.EditXGrid.Type("7");
    form.EditXGrid.Type("");
    EXPECT_EQ(form.EditXGrid.Text(), GetParam().shown);
    EXPECT_EQ(form.Store.Current().XGrid, GetParam().shown);

    form.EditYMin.Type(GetParam().minimum);
    form.EditYMax.Type(GetParam().maximum);
    form.EditYGrid.Type("7");
    form.EditYGrid.Type("   ");
    EXPECT_EQ(form.EditYGrid.Text(), GetParam().shown);
    EXPECT_EQ(form.Store.Current().YGrid, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(MainForm, MGridEmptyGridSpacingTest,
                         ::testing::Values(EmptyGridCase{"Thousand", "0", "1000", "100.0"},
                                           EmptyGridCase{"Five", "3", "8", "0.5"},
                                           EmptyGridCase{"Reversed", "100", "0", "-10.0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MGridWorkingValuesTest, FilledInGridSpacingIsConvertedFromTheTextShown) {
    // The write of the formatted spacing runs the edit's own handler, which
    // converts what it shows: a tenth of 0.56 is shown, and used, as 0.1.
    form.EditYMax.Type("0.56");
    form.EditYGrid.Type("1");
    form.EditYGrid.Type("");
    EXPECT_EQ(form.EditYGrid.Text(), "0.1");
    EXPECT_DOUBLE_EQ(form.Layout.YGrid, 0.1);
}

// ---- Clicks ----

using MGridClickTest = AppFixture;

TEST_F(MGridClickTest, ImpMetClickFlipsTheUnitSystem) {
    form.EditImpMet.Type("m");
    EXPECT_TRUE(form.Layout.Metric);
    form.EditImpMet.Click();
    EXPECT_EQ(form.EditImpMet.Text(), "I");
    EXPECT_EQ(form.Store.Current().ImpMet, "I");
    EXPECT_FALSE(form.Layout.Metric);
    form.EditImpMet.Click();
    EXPECT_EQ(form.EditImpMet.Text(), "M");
    EXPECT_TRUE(form.Layout.Metric);
}

TEST_F(MGridClickTest, ImpMetClickOnAnEmptyEditGivesImperial) {
    // Empty normalises to metric, which the click then flips.
    form.EditImpMet.Click();
    EXPECT_EQ(form.EditImpMet.Text(), "I");
    EXPECT_FALSE(form.Layout.Metric);
}

TEST_F(MGridClickTest, AddFlagClicksFlipBetweenZeroAndOne) {
    form.EditXAdd.Type("1");
    form.EditXAdd.Click();
    EXPECT_EQ(form.EditXAdd.Text(), "0");
    EXPECT_EQ(form.Store.Current().XAdd, "0");
    form.EditXAdd.Click();
    EXPECT_EQ(form.EditXAdd.Text(), "1");
    form.EditYAdd.Click();
    EXPECT_EQ(form.EditYAdd.Text(), "1");
    EXPECT_EQ(form.Store.Current().YAdd, "1");
}

TEST_F(MGridClickTest, TitleBlockTypeClickFlipsBetweenAAndB) {
    form.EditTitleBlockType.Click();
    EXPECT_EQ(form.EditTitleBlockType.Text(), "B");
    EXPECT_EQ(form.Store.Current().TitleBlockType, "B");
    form.EditTitleBlockType.Click();
    EXPECT_EQ(form.EditTitleBlockType.Text(), "A");
}

struct CornerCase {
    const char* name;
    RadioButton TMGridInfo::*button;
    const char* corner;
};

void PrintTo(const CornerCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridCornerClickTest : public AppFixture, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(MGridCornerClickTest, StoresTheCornerAndSwitchesOnOutputOnly) {
    if (GetParam().button == &TMGridInfo::RBUpperRight) form.RBLowerLeft.Click();
    (form.*GetParam().button).Click();
    EXPECT_EQ(form.Store.Current().NorthArrowCorner, GetParam().corner);
    EXPECT_TRUE((form.*GetParam().button).Checked());
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    NorthArrow, MGridCornerClickTest,
    ::testing::Values(CornerCase{"UpperLeft", &TMGridInfo::RBUpperLeft, "UL"},
                      CornerCase{"UpperRight", &TMGridInfo::RBUpperRight, "UR"},
                      CornerCase{"LowerLeft", &TMGridInfo::RBLowerLeft, "LL"},
                      CornerCase{"LowerRight", &TMGridInfo::RBLowerRight, "LR"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MGridClickTest, PlotStoresYesAndNormalisesTheType) {
    form.RGTitleBlock.SetItemIndex(0);
    EXPECT_EQ(form.Store.Current().TitleBlockFlag, "Y");
    EXPECT_EQ(form.EditTitleBlockType.Text(), "A");
    EXPECT_EQ(form.Store.Current().TitleBlockType, "A");
    EXPECT_TRUE(form.DetermineLimitsButton.Enabled());
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
}

TEST_F(MGridClickTest, DoNotPlotStoresNoAndLeavesTheType) {
    form.RGTitleBlock.SetItemIndex(0);
    form.EditTitleBlockType.Type("b");
    form.RGTitleBlock.SetItemIndex(1);
    EXPECT_EQ(form.Store.Current().TitleBlockFlag, "N");
    EXPECT_EQ(form.Store.Current().TitleBlockType, "B");
    EXPECT_EQ(form.EditTitleBlockType.Text(), "B");
}

// ---- The action buttons ----

struct ButtonCase {
    const char* name;
    EditMember edit;
    const char* typed;
    bool determineLimits;
    bool createOutput;
};

void PrintTo(const ButtonCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridActionButtonTest : public AppFixture,
                              public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(MGridActionButtonTest, ChangeSwitchesTheButtonsOfItsRow) {
    (form.*GetParam().edit).Type(GetParam().typed);
    EXPECT_EQ(form.DetermineLimitsButton.Enabled(), GetParam().determineLimits);
    EXPECT_EQ(form.BitBtnCreateOutput.Enabled(), GetParam().createOutput);
}

INSTANTIATE_TEST_SUITE_P(
    MainForm, MGridActionButtonTest,
    ::testing::Values(ButtonCase{"Description", &TMGridInfo::EditDescription, "d", false, false},
                      ButtonCase{"ImpMet", &TMGridInfo::EditImpMet, "I", true, true},
                      ButtonCase{"AxisTitle", &TMGridInfo::EditXAxisTitle, "E", false, false},
                      ButtonCase{"YMin", &TMGridInfo::EditYMin, "5", true, true},
                      ButtonCase{"XMax", &TMGridInfo::EditXMax, "5", true, true},
                      ButtonCase{"YGrid", &TMGridInfo::EditYGrid, "5", true, true},
                      ButtonCase{"XGrid", &TMGridInfo::EditXGrid, "5", false, true},
                      ButtonCase{"YScale", &TMGridInfo::EditYScale, "5", true, true},
                      ButtonCase{"XScale", &TMGridInfo::EditXScale, "5", true, true},
                      ButtonCase{"YAdd", &TMGridInfo::EditYAdd, "1", false, true},
                      ButtonCase{"XConst", &TMGridInfo::EditXConst, "5", false, true},
                      ButtonCase{"TickType", &TMGridInfo::EditTicLRType, "1", false, true},
                      ButtonCase{"TickSpacing", &TMGridInfo::EditTicTBSpacing, "5", false, true},
                      ButtonCase{"TickStart", &TMGridInfo::EditTicLRMinimum, "5", false, true},
                      ButtonCase{"TickLength", &TMGridInfo::EditTicTop, "5", false, true},
                      ButtonCase{"Border", &TMGridInfo::EditBorderSize, "5", false, true},
                      ButtonCase{"Size", &TMGridInfo::EditSize, "5", false, true},
                      ButtonCase{"Distance", &TMGridInfo::EditDistMapEdge, "5", false, true},
                      ButtonCase{"Cut", &TMGridInfo::EditCutRight, "5", true, true},
                      ButtonCase{"TitleType", &TMGridInfo::EditTitleBlockType, "B", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MGridClickTest, AxisTitleChangeDisablesOutputUntilAnotherFieldChanges) {
    form.EditYMin.Type("5");
    form.EditYAxisTitle.Type("Northings");
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
    EXPECT_TRUE(form.DetermineLimitsButton.Enabled());
    form.EditYMin.Type("6");
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
}

// ---- Conversion errors ----

using MGridConversionErrorTest = AppFixture;

TEST_F(MGridConversionErrorTest, StopsTheHandlerBeforeAnythingIsStoredOrSwitched) {
    form.EditXMin.Type("7");
    form.BitBtnCreateOutput.SetEnabled(false);
    form.DetermineLimitsButton.SetEnabled(false);

    form.EditXMin.Type("7x");
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("7x"), std::string::npos);
    EXPECT_EQ(form.EditXMin.Text(), "7x");
    EXPECT_EQ(form.Store.Current().XMin, "7");
    EXPECT_DOUBLE_EQ(form.Layout.XMin, 7.0);
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
}

TEST_F(MGridConversionErrorTest, TrimmingInPlaceStaysWhenTheConversionFails) {
    form.EditYMax.Type("  x1 ");
    EXPECT_FALSE(platform.Errors.empty());
    EXPECT_EQ(form.EditYMax.Text(), "x1");
    EXPECT_EQ(form.Store.Current().YMax, "");
}

TEST_F(MGridConversionErrorTest, MinusBeforeTheDigitsIsOneReport) {
    form.EditYMin.Type("-");
    form.EditYMin.Type("-5");
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(form.Store.Current().YMin, "-5");
    EXPECT_DOUBLE_EQ(form.Layout.YMin, -5.0);
}

TEST_F(MGridConversionErrorTest, GridSpacingThatIsNoNumberKeepsTheWorkingSpacing) {
    form.EditYGrid.Type("25");
    form.EditYGrid.Type("25m");
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_DOUBLE_EQ(form.Layout.YGrid, 25.0);
    EXPECT_EQ(form.Store.Current().YGrid, "25");
}

TEST_F(MGridConversionErrorTest, OnlyTheLimitsAndSpacingsAreConverted) {
    for (Edit* edit : {&form.EditXScale, &form.EditYScale, &form.EditXConst, &form.EditBorderSize,
                       &form.EditCutLeft, &form.EditSize, &form.EditTicLRMinimum}) {
        edit->Type("not a number");
    }
    EXPECT_TRUE(platform.Errors.empty());
}

// ---- Tick spacing ----

class MGridTickSpacingTest : public AppFixture {
protected:
    // Horizontal ticks of type 1 with quarter-inch lengths between Y limits.
    void HorizontalTicksBetween(const char* minimum, const char* maximum, const char* grid) {
        form.EditYMin.Type(minimum);
        form.EditYMax.Type(maximum);
        form.EditYGrid.Type(grid);
        form.EditTicLRType.Type("1");
        form.EditTicLeft.Type("0.25");
        form.EditTicRight.Type("0.25");
    }
};

TEST_F(MGridTickSpacingTest, EnteredSpacingPlacesFirstAndLastTickOneSpacingInside) {
    HorizontalTicksBetween("100", "200", "5");
    form.EditTicLRSpacing.Type("3");
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "103.0");
    EXPECT_EQ(form.EditTicLRMaximum.Text(), "197.0");
    EXPECT_EQ(form.Store.Current().HtStart, "103.0");
    EXPECT_EQ(form.Store.Current().HtEnd, "197.0");
    EXPECT_EQ(form.Store.Current().HtSpacing, "3");
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
}

struct DefaultSpacingCase {
    const char* name;
    const char* grid;
    const char* minimum;
    const char* maximum;
};

void PrintTo(const DefaultSpacingCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridEmptyTickSpacingTest : public MGridTickSpacingTest,
                                  public ::testing::WithParamInterface<DefaultSpacingCase> {};

TEST_P(MGridEmptyTickSpacingTest, ClearedSpacingUsesATenthOfTheGridButAtLeastOne) {
    HorizontalTicksBetween("100", "200", GetParam().grid);
    form.EditTicLRSpacing.Type("3");
    form.EditTicLRSpacing.Type("");
    EXPECT_EQ(form.EditTicLRMinimum.Text(), GetParam().minimum);
    EXPECT_EQ(form.EditTicLRMaximum.Text(), GetParam().maximum);
    EXPECT_EQ(form.EditTicLRSpacing.Text(), "");
    EXPECT_EQ(form.Store.Current().HtSpacing, "");
}

INSTANTIATE_TEST_SUITE_P(MainForm, MGridEmptyTickSpacingTest,
                         ::testing::Values(DefaultSpacingCase{"SmallGrid", "5", "101.0", "199.0"},
                                           DefaultSpacingCase{"TenUnitGrid", "10", "101.0",
                                                              "199.0"},
                                           DefaultSpacingCase{"LargeGrid", "50", "105.0", "195.0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MGridTickSpacingTest, EmptyTickLengthIsAConversionErrorThatStoresNothing) {
    HorizontalTicksBetween("100", "200", "5");
    form.EditTicLeft.Type("");
    form.EditTicLRSpacing.Type("3");
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(form.Store.Current().HtSpacing, "");
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "");
    EXPECT_EQ(form.EditTicLRMaximum.Text(), "");
    EXPECT_EQ(form.EditTicLRSpacing.Text(), "3");
}

TEST_F(MGridTickSpacingTest, SpacingThatLeavesNoRoomSwitchesTheTicksOff) {
    HorizontalTicksBetween("0", "10", "5");
    form.EditTicLeft.Type("");  // never converted when there is no room
    form.EditTicLRSpacing.Type("5");
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_EQ(form.EditTicLRType.Text(), "0");
    EXPECT_EQ(form.Store.Current().HtPosition, "0");
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "");
    EXPECT_EQ(form.EditTicLRMaximum.Text(), "");
    EXPECT_EQ(form.Store.Current().HtSpacing, "5");
}

TEST_F(MGridTickSpacingTest, TypeZeroEmptiesSpacingMinimumAndMaximum) {
    HorizontalTicksBetween("100", "200", "5");
    form.EditTicLRSpacing.Type("3");
    form.EditTicLRType.Type("0");
    // Changing the type alone recomputes nothing.
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "103.0");

    form.EditTicLRSpacing.Type("7");
    EXPECT_EQ(form.EditTicLRSpacing.Text(), "");
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "");
    EXPECT_EQ(form.EditTicLRMaximum.Text(), "");
    EXPECT_EQ(form.Store.Current().HtSpacing, "");
    EXPECT_EQ(form.Store.Current().HtStart, "");
    EXPECT_EQ(form.Store.Current().HtEnd, "");
}

struct TickLengthCase {
    const char* typed;
    const char* kept;
};

void PrintTo(const TickLengthCase& c, std::ostream* out) {
    *out << c.typed;
}

class MGridTickLengthTest : public MGridTickSpacingTest,
                            public ::testing::WithParamInterface<TickLengthCase> {};

TEST_P(MGridTickLengthTest, ZeroLengthsBecomeAQuarterInchWhenTheSpacingIsEntered) {
    HorizontalTicksBetween("100", "200", "5");
    form.EditTicLeft.Type(GetParam().typed);
    form.EditTicRight.Type(GetParam().typed);
    form.EditTicLRSpacing.Type("3");
    EXPECT_EQ(form.EditTicLeft.Text(), GetParam().kept);
    EXPECT_EQ(form.EditTicRight.Text(), GetParam().kept);
    EXPECT_EQ(form.Store.Current().HtLengthLeft, GetParam().kept);
    EXPECT_EQ(form.Store.Current().HtLengthRight, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(MainForm, MGridTickLengthTest,
                         ::testing::Values(TickLengthCase{"0", "0.250"},
                                           TickLengthCase{"0.0", "0.250"},
                                           TickLengthCase{"-0", "0.250"},
                                           TickLengthCase{"0.1", "0.1"}));

TEST_F(MGridTickSpacingTest, VerticalTicksAreLaidOutAlongX) {
    form.EditXMin.Type("0");
    form.EditXMax.Type("100");
    form.EditXGrid.Type("20");
    form.EditYMin.Type("5000");
    form.EditYMax.Type("9000");
    form.EditTicTBType.Type("3");
    form.EditTicTop.Type("0");
    form.EditTicBottom.Type("0.1");
    form.EditTicTBSpacing.Type("1");
    form.EditTicTBSpacing.Type("");
    EXPECT_EQ(form.EditTicTBMinimum.Text(), "2.0");
    EXPECT_EQ(form.EditTicTBMaximum.Text(), "98.0");
    EXPECT_EQ(form.Store.Current().VtStart, "2.0");
    EXPECT_EQ(form.Store.Current().VtEnd, "98.0");
    EXPECT_EQ(form.Store.Current().VtLengthTop, "0.250");
    EXPECT_EQ(form.Store.Current().VtLengthBottom, "0.1");
    EXPECT_EQ(form.Store.Current().VtSpacing, "");
    // The horizontal side is untouched.
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "");
}

TEST_F(MGridTickSpacingTest, TheTwoSidesClearTheirEditsInTheirOwnOrder) {
    std::vector<std::string> cleared;
    for (Edit* edit : {&form.EditTicLRSpacing, &form.EditTicLRMinimum, &form.EditTicLRMaximum,
                       &form.EditTicTBSpacing, &form.EditTicTBMinimum, &form.EditTicTBMaximum}) {
        edit->Observe([&cleared](const Control& control) {
            if (static_cast<const Edit&>(control).Text().empty()) cleared.push_back(control.Name());
        });
    }
    for (Edit* edit : {&form.EditTicLRMinimum, &form.EditTicLRMaximum, &form.EditTicTBMinimum,
                       &form.EditTicTBMaximum}) {
        edit->Type("9");
    }
    // With tick type 0, any spacing clears the three edits of its side.
    form.EditTicLRSpacing.Type("7");
    EXPECT_EQ(cleared, (std::vector<std::string>{"EditTicLRSpacing", "EditTicLRMinimum",
                                                 "EditTicLRMaximum"}));
    cleared.clear();
    form.EditTicTBSpacing.Type("7");
    EXPECT_EQ(cleared, (std::vector<std::string>{"EditTicTBMinimum", "EditTicTBMaximum",
                                                 "EditTicTBSpacing"}));
}

TEST_F(MGridTickSpacingTest, TickTypeThatIsNoIntegerIsReported) {
    HorizontalTicksBetween("100", "200", "5");
    form.EditTicLRType.Type("x");
    form.EditTicLRSpacing.Type("3");
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(form.Store.Current().HtSpacing, "");
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "");
}

TEST_F(MGridTickSpacingTest, SpacingThatIsNoNumberIsReported) {
    HorizontalTicksBetween("100", "200", "5");
    form.EditTicLRSpacing.Type("3m");
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(form.Store.Current().HtSpacing, "");
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "");
}

TEST_F(MGridTickSpacingTest, NegativeSpacingIsStoredUnchecked) {
    HorizontalTicksBetween("100", "200", "5");
    form.EditTicLRSpacing.Type("-10");
    // low 90 and high 210 leave room, so the ticks run outside the limits.
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "90.0");
    EXPECT_EQ(form.EditTicLRMaximum.Text(), "210.0");
    EXPECT_EQ(form.Store.Current().HtSpacing, "-10");
}

}  // namespace
}  // namespace quadrel
