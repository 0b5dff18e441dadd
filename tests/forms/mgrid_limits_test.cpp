// Determine Limits on the main form: checks, write-backs, the layout and the
// report it leaves.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "app/text.h"
#include "support/app_fixture.h"

namespace quadrel {
namespace {

struct Sheet {
    std::string impMet = "I";
    std::string yMin = "0", yMax = "1000", yScale = "100";
    std::string xMin = "0", xMax = "1000", xScale = "100";
    std::string border = "0.0";
    std::string cutLeft = "0.000", cutRight = "0.000", cutTop = "0.000", cutBottom = "0.000";
    bool plot = false;
    std::string type = "A";
};

class DetermineLimitsTest : public testing::AppFixture {
protected:
    void Enter(const Sheet& sheet) {
        form.EditImpMet.Type(sheet.impMet);
        form.EditYMin.Type(sheet.yMin);
        form.EditYMax.Type(sheet.yMax);
        form.EditYScale.Type(sheet.yScale);
        form.EditXMin.Type(sheet.xMin);
        form.EditXMax.Type(sheet.xMax);
        form.EditXScale.Type(sheet.xScale);
        form.EditBorderSize.Type(sheet.border);
        form.EditCutLeft.Type(sheet.cutLeft);
        form.EditCutRight.Type(sheet.cutRight);
        form.EditCutTop.Type(sheet.cutTop);
        form.EditCutBottom.Type(sheet.cutBottom);
        form.EditTitleBlockType.Type(sheet.type);
        form.RGTitleBlock.SetItemIndex(sheet.plot ? 0 : 1);
    }

    // A press of the button, as a person makes it.
    void Press() {
        form.DetermineLimitsButton.SetEnabled(true);
        form.DetermineLimitsButton.Click();
    }

    const std::string& YLine() { return form.LimitsReportShown.value()[5]; }
    const std::string& XLine() { return form.LimitsReportShown.value()[6]; }
};

TEST_F(DetermineLimitsTest, SwapsLimitsWritingOneDecimalButKeepsFullPrecision) {
    Sheet sheet;
    sheet.xMin = "500.75";
    sheet.xMax = "100";
    sheet.yMin = "2000.04";
    sheet.yMax = "-3";
    Enter(sheet);
    Press();
    EXPECT_EQ(form.EditXMin.Text(), "100.0");
    EXPECT_EQ(form.EditXMax.Text(), "500.8");
    EXPECT_EQ(form.Store.Current().XMin, "100.0");
    EXPECT_EQ(form.Store.Current().XMax, "500.8");
    EXPECT_EQ(form.EditYMin.Text(), "-3.0");
    EXPECT_EQ(form.EditYMax.Text(), "2000.0");
    EXPECT_EQ(form.Store.Current().YMax, "2000.0");
    EXPECT_DOUBLE_EQ(form.Layout.XMin, 100);
    EXPECT_DOUBLE_EQ(form.Layout.XMax, 500.75);
    EXPECT_DOUBLE_EQ(form.Layout.YMax, 2000.04);
    EXPECT_DOUBLE_EQ(form.Layout.PlotXMax, 500.75);
    ASSERT_TRUE(form.LimitsReportShown);
}

TEST_F(DetermineLimitsTest, OrderedLimitsAreLeftAsTyped) {
    Sheet sheet;
    sheet.xMin = "100.25";
    sheet.xMax = "500.75";
    Enter(sheet);
    Press();
    EXPECT_EQ(form.EditXMin.Text(), "100.25");
    EXPECT_EQ(form.EditXMax.Text(), "500.75");
}

struct UnitCase {
    const char* typed;
    const char* letter;
};

void PrintTo(const UnitCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class UnitSystemTest : public DetermineLimitsTest,
                       public ::testing::WithParamInterface<UnitCase> {};

TEST_P(UnitSystemTest, FirstLetterUpperCasedElseMetric) {
    Enter(Sheet{});
    // A text the edit's own handling has not normalised, as the
    // determination may meet it.
    form.EditImpMet.OnChange = nullptr;
    form.EditImpMet.SetText(GetParam().typed);
    Press();
    EXPECT_EQ(form.EditImpMet.Text(), GetParam().letter);
    EXPECT_EQ(form.Store.Current().ImpMet, GetParam().letter);
    EXPECT_EQ(form.Layout.Metric, std::string(GetParam().letter) == "M");
}

INSTANTIATE_TEST_SUITE_P(Letters, UnitSystemTest,
                         ::testing::Values(UnitCase{"m", "M"}, UnitCase{"metric", "M"},
                                           UnitCase{"i", "I"}, UnitCase{"Imperial", "I"},
                                           UnitCase{"x", "M"}, UnitCase{"", "M"},
                                           UnitCase{" i", "M"}));

TEST_F(DetermineLimitsTest, NegativeScaleBecomesPositiveAndIsWrittenBack) {
    Sheet sheet;
    sheet.xScale = "-1000";
    sheet.yScale = "-250.55";
    Enter(sheet);
    Press();
    EXPECT_EQ(form.EditXScale.Text(), "1000.0");
    EXPECT_EQ(form.Store.Current().XScale, "1000.0");
    EXPECT_EQ(form.EditYScale.Text(), "250.6");
    EXPECT_DOUBLE_EQ(form.Layout.XScale, 1000);
    EXPECT_DOUBLE_EQ(form.Layout.YScale, 250.55);
    EXPECT_DOUBLE_EQ(form.Layout.XUnitsPerInch, 1000);
}

TEST_F(DetermineLimitsTest, MetricScaleThousandMakesA254UnitGridTenInchesWide) {
    Sheet sheet;
    sheet.impMet = "M";
    sheet.xMin = "0";
    sheet.xMax = "254";
    sheet.xScale = "1000";
    sheet.yScale = "1000";
    Enter(sheet);
    Press();
    EXPECT_DOUBLE_EQ(form.Layout.XUnitsPerInch, 25.4);
    EXPECT_EQ(XLine(), "X-Axis:          0.0        254.0    1000.00   10.00    25.4");
}

TEST_F(DetermineLimitsTest, PlottedTitleBlockAShrinksToTheBorderedGrid) {
    Sheet sheet;
    sheet.xMin = "0";
    sheet.xMax = "1000";
    sheet.xScale = "100";
    sheet.plot = true;
    sheet.type = "A";
    Enter(sheet);
    Press();
    EXPECT_DOUBLE_EQ(form.Layout.TitleBlockWidthUnits, 1000);
    EXPECT_NEAR(form.Layout.TitleBlockHeightUnits, 91.146, 0.0005);
    EXPECT_DOUBLE_EQ(form.Layout.TitleBlockLeftX, 0);
    EXPECT_DOUBLE_EQ(form.Layout.PlotYMin, -form.Layout.TitleBlockHeightUnits);
}

TEST_F(DetermineLimitsTest, DoNotPlotLeavesNoRoomForATitleBlock) {
    Sheet sheet;
    sheet.yMin = "1000";
    sheet.yMax = "2000";
    sheet.border = "0.25";
    sheet.cutBottom = "0.5";
    sheet.plot = false;
    Enter(sheet);
    Press();
    EXPECT_EQ(form.Layout.TitleBlockHeightUnits, 0);
    EXPECT_DOUBLE_EQ(form.Layout.PlotYMin, 1000 - 25 - 50);
}

TEST_F(DetermineLimitsTest, EmptyCutBecomesZeroAndNegativeCutIsMadePositive) {
    Sheet sheet;
    sheet.xMin = "0";
    sheet.cutLeft = "-0.5";
    Enter(sheet);
    form.EditCutRight.SetText("");
    form.EditCutBottom.SetText("");
    Press();
    EXPECT_EQ(form.EditCutRight.Text(), "0.000");
    EXPECT_EQ(form.Store.Current().CutRight, "0.000");
    EXPECT_EQ(form.EditCutBottom.Text(), "0.000");
    EXPECT_EQ(form.EditCutLeft.Text(), "0.500");
    EXPECT_EQ(form.Store.Current().CutLeft, "0.500");
    EXPECT_DOUBLE_EQ(form.Layout.PlotXMin, -50);
    EXPECT_DOUBLE_EQ(form.Layout.PlotXMax, 1000);
}

TEST_F(DetermineLimitsTest, ReportShowsDrawingExtentsNotGridLimits) {
    Sheet sheet;
    sheet.yMin = "1000";
    sheet.yMax = "2000";
    sheet.border = "0.5";
    Enter(sheet);
    Press();
    EXPECT_EQ(YLine(), "Y-Axis:        950.0       2050.0     100.00   11.00    27.9");
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
}

TEST_F(DetermineLimitsTest, ResetsMessageSampleButtonAndEnablesOutput) {
    form.MessageArea.SetCaption("old message");
    form.BitBtnCreateOutput.SetEnabled(false);
    Enter(Sheet{});
    form.BitBtnCreateSampleFiles.SetEnabled(true);
    Press();
    EXPECT_EQ(form.MessageArea.Caption(), " ");
    EXPECT_FALSE(form.BitBtnCreateSampleFiles.Enabled());
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
    EXPECT_EQ(form.Layout.LimitsError, 0);
}

struct MissingCase {
    const char* name;
    std::string Sheet::*field;
    Edit TMGridInfo::*edit;
    const char* text;  // what the edit holds
    MessageCode code;
    const char* message;
};

void PrintTo(const MissingCase& c, std::ostream* os) {
    *os << c.name;
}

class MissingFieldTest : public DetermineLimitsTest,
                         public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingFieldTest, ShowsItsMessageAndMarksTheEdit) {
    const auto& c = GetParam();
    Sheet sheet;
    sheet.*c.field = c.text;
    Enter(sheet);
    // An earlier successful determination's results must not survive.
    form.LimitsReportShown = LimitsReport{};
    const double unitsBefore = form.Layout.XUnitsPerInch;
    const int beepsBefore = platform.Beeps;
    Press();
    Edit& edit = form.*c.edit;
    EXPECT_EQ(Trim(edit.Text()), "Fill in!");
    EXPECT_EQ(form.Layout.LimitsError, c.code);
    EXPECT_EQ(form.MessageArea.Caption(), c.message);
    EXPECT_FALSE(form.LimitsReportShown.has_value());
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
    EXPECT_EQ(platform.Beeps, beepsBefore + 1);
    EXPECT_EQ(form.Layout.XUnitsPerInch, unitsBefore);
    EXPECT_TRUE(platform.Errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MissingFieldTest,
    ::testing::Values(MissingCase{"YMinEmpty", &Sheet::yMin, &TMGridInfo::EditYMin, "", 4,
                                  " - 0004: Minimum Y-axis MUST be filled in! YMin"},
                      MissingCase{"YMinBlanks", &Sheet::yMin, &TMGridInfo::EditYMin, "   ", 4,
                                  " - 0004: Minimum Y-axis MUST be filled in! YMin"},
                      MissingCase{"YMinMarker", &Sheet::yMin, &TMGridInfo::EditYMin, "Fill in!", 4,
                                  " - 0004: Minimum Y-axis MUST be filled in! YMin"},
                      MissingCase{"YMax", &Sheet::yMax, &TMGridInfo::EditYMax, "", 5,
                                  " - 0005: Maximum Y-axis MUST be filled in! YMax"},
                      MissingCase{"YScale", &Sheet::yScale, &TMGridInfo::EditYScale, "", 7,
                                  " - 0007: Y-Scale MUST be filled in! YScale"},
                      MissingCase{"YScaleZero", &Sheet::yScale, &TMGridInfo::EditYScale, "0", 7,
                                  " - 0007: Y-Scale MUST be filled in! YScale"},
                      MissingCase{"YScaleNegativeZero", &Sheet::yScale, &TMGridInfo::EditYScale,
                                  "-0.00", 7, " - 0007: Y-Scale MUST be filled in! YScale"},
                      MissingCase{"XMin", &Sheet::xMin, &TMGridInfo::EditXMin, "", 10,
                                  " - 0010: Minimum X-axis MUST be filled in! XMin"},
                      MissingCase{"XMax", &Sheet::xMax, &TMGridInfo::EditXMax, " Fill in! ", 11,
                                  " - 0011: Maximum X-axis MUST be filled in! XMax"},
                      MissingCase{"XScale", &Sheet::xScale, &TMGridInfo::EditXScale, "", 13,
                                  " - 0013: X-Scale MUST be filled in! XScale"},
                      MissingCase{"XScaleZero", &Sheet::xScale, &TMGridInfo::EditXScale, "0.0", 13,
                                  " - 0013: X-Scale MUST be filled in! XScale"},
                      MissingCase{"XScaleUnderflowsToZero", &Sheet::xScale, &TMGridInfo::EditXScale,
                                  "1e-999", 13, " - 0013: X-Scale MUST be filled in! XScale"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DetermineLimitsTest, FirstMissingFieldInCheckOrderIsReported) {
    Sheet sheet;
    sheet.xMin = "";
    sheet.yScale = "0";
    sheet.yMax = "";
    Enter(sheet);
    Press();
    EXPECT_EQ(form.Layout.LimitsError, 5);
    // Only the reported field is marked.
    EXPECT_EQ(form.EditXMin.Text(), "");
    EXPECT_EQ(form.EditYScale.Text(), "0");
}

TEST_F(DetermineLimitsTest, MissingFieldStillWritesTheUnitLetterBack) {
    Sheet sheet;
    sheet.yMin = "";
    Enter(sheet);
    form.EditImpMet.OnChange = nullptr;
    form.EditImpMet.SetText("imperial");
    Press();
    EXPECT_EQ(form.EditImpMet.Text(), "I");
    EXPECT_FALSE(form.Layout.Metric);
}

TEST_F(DetermineLimitsTest, ScaleThatIsNoNumberIsAConversionErrorNotAMissingField) {
    Sheet sheet;
    sheet.xScale = "0abc";
    Enter(sheet);
    Press();
    EXPECT_EQ(form.Layout.LimitsError, 0);
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("0abc"), std::string::npos) << platform.Errors[0];
    EXPECT_FALSE(form.LimitsReportShown.has_value());
}

struct ConversionCase {
    const char* name;
    Edit TMGridInfo::*edit;
    const char* text;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.name;
}

class ConversionStopTest : public DetermineLimitsTest,
                           public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(ConversionStopTest, StopsWithTheConversionErrorAndNoReport) {
    Enter(Sheet{});
    Press();
    ASSERT_TRUE(form.LimitsReportShown);
    // Past the edit's own handling, which may refuse the text itself.
    Edit& edit = form.*GetParam().edit;
    edit.OnChange = nullptr;
    edit.SetText(GetParam().text);
    try {
        form.DetermineLimitsButtonClick();
        FAIL() << "no conversion error";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().text), std::string::npos);
    }
    EXPECT_FALSE(form.LimitsReportShown.has_value());
    EXPECT_EQ(form.Layout.LimitsError, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ConversionStopTest,
    ::testing::Values(ConversionCase{"XMax", &TMGridInfo::EditXMax, "12abc"},
                      ConversionCase{"YMin", &TMGridInfo::EditYMin, "one"},
                      ConversionCase{"YScale", &TMGridInfo::EditYScale, "1:1000"},
                      ConversionCase{"Border", &TMGridInfo::EditBorderSize, "wide"},
                      ConversionCase{"CutTop", &TMGridInfo::EditCutTop, "nan"},
                      ConversionCase{"CutBottom", &TMGridInfo::EditCutBottom, "inf"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DetermineLimitsTest, ConversionErrorAfterAnEmptyCutKeepsTheEarlierWriteBack) {
    Enter(Sheet{});
    form.EditCutLeft.SetText("");
    form.EditCutTop.SetText("");
    form.EditCutRight.OnChange = nullptr;
    form.EditCutRight.SetText("x");
    EXPECT_THROW(form.DetermineLimitsButtonClick(), ConversionError);
    // Left comes before the failing right cut, top after it.
    EXPECT_EQ(form.EditCutLeft.Text(), "0.000");
    EXPECT_EQ(form.EditCutTop.Text(), "");
}

TEST_F(DetermineLimitsTest, HugeLimitsAreRefusedWithoutInfinitiesInTheLayout) {
    Sheet sheet;
    sheet.xMin = "-1e308";
    sheet.xMax = "1e308";
    Enter(sheet);
    Press();
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("not a finite number"), std::string::npos)
        << platform.Errors[0];
    EXPECT_FALSE(form.LimitsReportShown.has_value());
    EXPECT_TRUE(std::isfinite(form.Layout.BorderWidthUnits));
    EXPECT_TRUE(std::isfinite(form.Layout.PlotXMax));
}

TEST_F(DetermineLimitsTest, HugeScaleTimesBorderIsRefused) {
    Sheet sheet;
    sheet.xScale = "1e300";
    sheet.border = "1e300";
    Enter(sheet);
    Press();
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_FALSE(form.LimitsReportShown.has_value());
    EXPECT_TRUE(std::isfinite(form.Layout.PlotXMin));
}

TEST_F(DetermineLimitsTest, ReportAfterAFailedRunIsGoneAndComesBackWhenFixed) {
    Enter(Sheet{});
    Press();
    ASSERT_TRUE(form.LimitsReportShown);
    form.EditXMax.SetText("");
    Press();
    EXPECT_FALSE(form.LimitsReportShown.has_value());
    form.EditXMax.SetText("800");
    Press();
    ASSERT_TRUE(form.LimitsReportShown);
    EXPECT_EQ(form.MessageArea.Caption(), " ");
    EXPECT_DOUBLE_EQ(form.Layout.PlotXMax, 800);
}

}  // namespace
}  // namespace quadrel
