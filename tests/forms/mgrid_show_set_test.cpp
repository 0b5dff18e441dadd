// Showing a grid set: what each control shows, the corrections stored back
// into the set, and the handlers that the writes run along the way.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/app_fixture.h"

namespace quadrel {
namespace {

using testing::AppFixture;
using EditMember = Edit TMGridInfo::*;
using FieldMember = std::string GridSet::*;

// A set every check accepts as it stands, and whose handlers store it
// unchanged: showing it changes nothing in it.
GridSet CleanSet() {
    GridSet set;
    set.Description = "Pit 4 north";
    set.ImpMet = "M";
    set.YAxisTitle = "Northings";
    set.YMin = "1000.0";
    set.YMax = "2000.0";
    set.YGrid = "100.0";
    set.YScale = "1000.0";
    set.YAdd = "0";
    set.YConst = "0.0";
    set.XAxisTitle = "Eastings";
    set.XMin = "500.0";
    set.XMax = "1500.0";
    set.XGrid = "100.0";
    set.XScale = "2000.0";
    set.XAdd = "1";
    set.XConst = "10.0";
    set.HtPosition = "1";
    set.HtLengthLeft = "0.250";
    set.HtLengthRight = "0.200";
    set.HtStart = "1010.0";
    set.HtEnd = "1990.0";
    set.HtSpacing = "10.0";
    set.VtPosition = "2";
    set.VtLengthTop = "0.150";
    set.VtLengthBottom = "0.100";
    set.VtStart = "510.0";
    set.VtEnd = "1490.0";
    set.VtSpacing = "10.0";
    set.BorderSize = "0.500";
    set.CutLeft = "0.500";
    set.CutRight = "0.250";
    set.CutTop = "1.000";
    set.CutBottom = "0.000";
    set.NorthArrowCorner = "UL";
    set.NorthArrowSize = "0.750";
    set.NorthArrowDistance = "2.5";
    set.TitleBlockFlag = "Y";
    set.TitleBlockType = "B";
    return set;
}

class MGridShowSetTest : public AppFixture {
protected:
    // The sets as a grid data file would leave them, the given one current.
    void Hold(const std::vector<GridSet>& sets, int current) {
        form.Store.GridFileLoaded = true;
        form.Store.GridSetCount = static_cast<std::int32_t>(sets.size());
        form.Store.GridLinesRead = form.Store.GridLineCount = 16 * form.Store.GridSetCount;
        for (std::size_t i = 0; i < sets.size(); ++i) {
            form.Store.GridSets[i] = sets[i];
            form.Store.AsReadGridSets[i] = sets[i];
        }
        form.Store.CurrentGridSet = current;
    }

    void Show(const GridSet& set) {
        Hold({set}, 0);
        form.ShowGridSet();
    }

    // Shows `set` a second time over what the first show left in the
    // controls, so that only the texts that differ run their handlers.
    void ShowAgain(const GridSet& set) {
        form.Store.GridSets[0] = set;
        form.ShowGridSet();
    }

    const GridSet& Shown() { return form.Store.Current(); }
};

// ---- A set shown as it stands ----

struct ControlCase {
    const char* name;
    EditMember edit;
    FieldMember field;
};

void PrintTo(const ControlCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridShowEveryEditTest : public MGridShowSetTest,
                               public ::testing::WithParamInterface<ControlCase> {};

TEST_P(MGridShowEveryEditTest, EditShowsItsField) {
    Show(CleanSet());
    EXPECT_EQ((form.*GetParam().edit).Text(), CleanSet().*GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    CleanSet, MGridShowEveryEditTest,
    ::testing::Values(
        ControlCase{"Description", &TMGridInfo::EditDescription, &GridSet::Description},
        ControlCase{"ImpMet", &TMGridInfo::EditImpMet, &GridSet::ImpMet},
        ControlCase{"YAxisTitle", &TMGridInfo::EditYAxisTitle, &GridSet::YAxisTitle},
        ControlCase{"YMin", &TMGridInfo::EditYMin, &GridSet::YMin},
        ControlCase{"YMax", &TMGridInfo::EditYMax, &GridSet::YMax},
        ControlCase{"YGrid", &TMGridInfo::EditYGrid, &GridSet::YGrid},
        ControlCase{"YScale", &TMGridInfo::EditYScale, &GridSet::YScale},
        ControlCase{"YAdd", &TMGridInfo::EditYAdd, &GridSet::YAdd},
        ControlCase{"YConst", &TMGridInfo::EditYConst, &GridSet::YConst},
        ControlCase{"XAxisTitle", &TMGridInfo::EditXAxisTitle, &GridSet::XAxisTitle},
        ControlCase{"XMin", &TMGridInfo::EditXMin, &GridSet::XMin},
        ControlCase{"XMax", &TMGridInfo::EditXMax, &GridSet::XMax},
        ControlCase{"XGrid", &TMGridInfo::EditXGrid, &GridSet::XGrid},
        ControlCase{"XScale", &TMGridInfo::EditXScale, &GridSet::XScale},
        ControlCase{"XAdd", &TMGridInfo::EditXAdd, &GridSet::XAdd},
        ControlCase{"XConst", &TMGridInfo::EditXConst, &GridSet::XConst},
        ControlCase{"TicLRType", &TMGridInfo::EditTicLRType, &GridSet::HtPosition},
        ControlCase{"TicLeft", &TMGridInfo::EditTicLeft, &GridSet::HtLengthLeft},
        ControlCase{"TicRight", &TMGridInfo::EditTicRight, &GridSet::HtLengthRight},
        ControlCase{"TicLRMinimum", &TMGridInfo::EditTicLRMinimum, &GridSet::HtStart},
        ControlCase{"TicLRMaximum", &TMGridInfo::EditTicLRMaximum, &GridSet::HtEnd},
        ControlCase{"TicLRSpacing", &TMGridInfo::EditTicLRSpacing, &GridSet::HtSpacing},
        ControlCase{"TicTBType", &TMGridInfo::EditTicTBType, &GridSet::VtPosition},
        ControlCase{"TicTop", &TMGridInfo::EditTicTop, &GridSet::VtLengthTop},
        ControlCase{"TicBottom", &TMGridInfo::EditTicBottom, &GridSet::VtLengthBottom},
        ControlCase{"TicTBMinimum", &TMGridInfo::EditTicTBMinimum, &GridSet::VtStart},
        ControlCase{"TicTBMaximum", &TMGridInfo::EditTicTBMaximum, &GridSet::VtEnd},
        ControlCase{"TicTBSpacing", &TMGridInfo::EditTicTBSpacing, &GridSet::VtSpacing},
        ControlCase{"BorderSize", &TMGridInfo::EditBorderSize, &GridSet::BorderSize},
        ControlCase{"CutLeft", &TMGridInfo::EditCutLeft, &GridSet::CutLeft},
        ControlCase{"CutRight", &TMGridInfo::EditCutRight, &GridSet::CutRight},
        ControlCase{"CutTop", &TMGridInfo::EditCutTop, &GridSet::CutTop},
        ControlCase{"CutBottom", &TMGridInfo::EditCutBottom, &GridSet::CutBottom},
        ControlCase{"Size", &TMGridInfo::EditSize, &GridSet::NorthArrowSize},
        ControlCase{"DistMapEdge", &TMGridInfo::EditDistMapEdge, &GridSet::NorthArrowDistance},
        ControlCase{"TitleBlockType", &TMGridInfo::EditTitleBlockType, &GridSet::TitleBlockType}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MGridShowSetTest, CleanSetIsShownUnchangedWithItsChoicesAndWorkingValues) {
    Show(CleanSet());
    EXPECT_TRUE(Shown() == CleanSet());
    EXPECT_FALSE(form.Store.GridSetsChanged());
    EXPECT_TRUE(form.RBUpperLeft.Checked());
    EXPECT_FALSE(form.RBUpperRight.Checked());
    EXPECT_EQ(form.RGTitleBlock.ItemIndex(), 0);
    EXPECT_TRUE(form.Layout.Metric);
    EXPECT_DOUBLE_EQ(form.Layout.YMin, 1000.0);
    EXPECT_DOUBLE_EQ(form.Layout.YMax, 2000.0);
    EXPECT_DOUBLE_EQ(form.Layout.XMin, 500.0);
    EXPECT_DOUBLE_EQ(form.Layout.XMax, 1500.0);
    EXPECT_DOUBLE_EQ(form.Layout.XGrid, 100.0);
    EXPECT_DOUBLE_EQ(form.Layout.YScale, 1000.0);
    EXPECT_DOUBLE_EQ(form.Layout.XScale, 2000.0);
    EXPECT_TRUE(platform.Errors.empty());
    // The handlers that ran on the way switched the buttons on.
    EXPECT_TRUE(form.DetermineLimitsButton.Enabled());
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
}

TEST_F(MGridShowSetTest, ImperialSetClearsMetric) {
    GridSet set = CleanSet();
    set.ImpMet = "I";
    Show(set);
    EXPECT_EQ(form.EditImpMet.Text(), "I");
    EXPECT_FALSE(form.Layout.Metric);
}

TEST_F(MGridShowSetTest, NothingIsShownWithoutASet) {
    form.ShowGridSet();
    EXPECT_EQ(form.EditDescription.Text(), "");
    EXPECT_EQ(form.EditBorderSize.Text(), "0.0");
    EXPECT_EQ(form.Store.GridSetCount, 0);
    EXPECT_TRUE(form.Store.GridSets[0] == BlankGridSet());
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
}

// ---- Corrections ----

struct CorrectionCase {
    const char* name;
    FieldMember field;
    const char* stored;
    EditMember edit;
    const char* expected;  // stored back and shown
};

void PrintTo(const CorrectionCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridCorrectionTest : public MGridShowSetTest,
                            public ::testing::WithParamInterface<CorrectionCase> {};

TEST_P(MGridCorrectionTest, CorrectedTextIsStoredBackAndShown) {
    const CorrectionCase& c = GetParam();
    GridSet set = CleanSet();
    set.*c.field = c.stored;
    Show(set);
    EXPECT_EQ(Shown().*c.field, c.expected);
    EXPECT_EQ((form.*c.edit).Text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ShowGridSet, MGridCorrectionTest,
    ::testing::Values(
        CorrectionCase{"ImpMetOther", &GridSet::ImpMet, "x", &TMGridInfo::EditImpMet, "M"},
        CorrectionCase{"ImpMetLowerCase", &GridSet::ImpMet, "i", &TMGridInfo::EditImpMet, "M"},
        CorrectionCase{"MinimumNoNumber", &GridSet::YMin, "abc", &TMGridInfo::EditYMin, ""},
        CorrectionCase{"MarkerIsNoNumber", &GridSet::XMax, "Fill in!", &TMGridInfo::EditXMax, ""},
        CorrectionCase{"ScaleNegative", &GridSet::YScale, "-2500", &TMGridInfo::EditYScale,
                       "2500.0"},
        CorrectionCase{"ScalePositiveAsTyped", &GridSet::XScale, "2500", &TMGridInfo::EditXScale,
                       "2500"},
        CorrectionCase{"ScaleNoNumber", &GridSet::XScale, "big", &TMGridInfo::EditXScale, ""},
        CorrectionCase{"GridNoNumber", &GridSet::XGrid, "wide", &TMGridInfo::EditXGrid, ""},
        CorrectionCase{"AddOutOfRange", &GridSet::YAdd, "7", &TMGridInfo::EditYAdd, "0"},
        CorrectionCase{"AddNoNumber", &GridSet::XAdd, "yes", &TMGridInfo::EditXAdd, "0"},
        CorrectionCase{"ConstNoNumber", &GridSet::YConst, "none", &TMGridInfo::EditYConst, "0.0"},
        CorrectionCase{"ConstAsStored", &GridSet::XConst, "-12.25", &TMGridInfo::EditXConst,
                       "-12.25"},
        CorrectionCase{"TickTypeWithText", &GridSet::VtPosition, "3 below",
                       &TMGridInfo::EditTicTBType, "3"},
        CorrectionCase{"TickLengthNegative", &GridSet::HtLengthLeft, "-0.3",
                       &TMGridInfo::EditTicLeft, "0.300"},
        CorrectionCase{"TickLengthAsStored", &GridSet::VtLengthTop, "0.15", &TMGridInfo::EditTicTop,
                       "0.15"},
        CorrectionCase{"BorderRewritten", &GridSet::BorderSize, "0.5", &TMGridInfo::EditBorderSize,
                       "0.500"},
        CorrectionCase{"BorderNegative", &GridSet::BorderSize, "-1", &TMGridInfo::EditBorderSize,
                       "1.000"},
        CorrectionCase{"BorderNoNumber", &GridSet::BorderSize, "x", &TMGridInfo::EditBorderSize,
                       "0.000"},
        CorrectionCase{"CutRewritten", &GridSet::CutLeft, "0.25", &TMGridInfo::EditCutLeft,
                       "0.250"},
        CorrectionCase{"CutNoNumber", &GridSet::CutRight, "wide", &TMGridInfo::EditCutRight,
                       "0.500"},
        CorrectionCase{"CutNegative", &GridSet::CutBottom, "-2", &TMGridInfo::EditCutBottom,
                       "2.000"},
        CorrectionCase{"SizeNoNumber", &GridSet::NorthArrowSize, "x", &TMGridInfo::EditSize,
                       "0.500"},
        CorrectionCase{"SizeRewritten", &GridSet::NorthArrowSize, "2", &TMGridInfo::EditSize,
                       "2.000"},
        CorrectionCase{"DistanceNegative", &GridSet::NorthArrowDistance, "-2",
                       &TMGridInfo::EditDistMapEdge, "2.0"},
        CorrectionCase{"DistanceNoNumber", &GridSet::NorthArrowDistance, "far",
                       &TMGridInfo::EditDistMapEdge, "0.000"},
        CorrectionCase{"TitleBlockTypeOther", &GridSet::TitleBlockType, "c",
                       &TMGridInfo::EditTitleBlockType, "A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MGridShowSetTest, NegativeScaleGivesAPositiveWorkingScale) {
    GridSet set = CleanSet();
    set.YScale = "-2500";
    set.XScale = "x";
    Show(set);
    EXPECT_DOUBLE_EQ(form.Layout.YScale, 2500.0);
    EXPECT_DOUBLE_EQ(form.Layout.XScale, 0.0);
}

TEST_F(MGridShowSetTest, MinimumThatIsNoNumberCountsAsZero) {
    GridSet set = CleanSet();
    set.YMin = "abc";
    Show(set);
    EXPECT_DOUBLE_EQ(form.Layout.YMin, 0.0);
}

TEST_F(MGridShowSetTest, TitleBlockFlagOtherThanYesOrNoIsNo) {
    GridSet set = CleanSet();
    set.TitleBlockFlag = "yes";
    Show(set);
    EXPECT_EQ(Shown().TitleBlockFlag, "N");
    EXPECT_EQ(form.RGTitleBlock.ItemIndex(), 1);
}

TEST_F(MGridShowSetTest, SetToBePlottedKeepsItsOwnTypeAfterASetThatWasNot) {
    GridSet first = CleanSet();
    first.TitleBlockFlag = "N";
    first.TitleBlockType = "B";
    GridSet second = CleanSet();
    second.TitleBlockFlag = "Y";
    second.TitleBlockType = "A";
    Hold({first, second}, 0);
    form.ShowGridSet();
    form.BitBtnUp.Click();
    EXPECT_EQ(form.RGTitleBlock.ItemIndex(), 0);
    EXPECT_EQ(form.EditTitleBlockType.Text(), "A");
    EXPECT_EQ(form.Store.GridSets[1].TitleBlockType, "A");
    EXPECT_EQ(form.Store.GridSets[0].TitleBlockType, "B");
}

// ---- Texts the scan reads but the handler's conversion refuses ----

TEST_F(MGridShowSetTest, NumberWithTrailingTextIsReportedAndTheShowGoesOn) {
    GridSet set = CleanSet();
    set.XMin = "12abc";
    Show(set);
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("12abc"), std::string::npos);
    EXPECT_EQ(form.EditXMin.Text(), "12abc");
    EXPECT_EQ(Shown().XMin, "12abc");
    EXPECT_DOUBLE_EQ(form.Layout.XMin, 12.0);
    // Everything after the failing field was still shown.
    EXPECT_EQ(form.EditXMax.Text(), "1500.0");
    EXPECT_EQ(form.EditDistMapEdge.Text(), "2.5");
    EXPECT_EQ(form.EditTitleBlockType.Text(), "B");
}

// ---- Tick ranges ----

GridSet TicksBetween(const char* minimum, const char* maximum, const char* spacing) {
    GridSet set = CleanSet();
    set.YMin = minimum;
    set.YMax = maximum;
    set.HtSpacing = spacing;
    return set;
}

TEST_F(MGridShowSetTest, TickTypeOutOfRangeSwitchesThatSideOffAndEmptiesIt) {
    GridSet set = CleanSet();
    set.HtPosition = "7";
    Show(set);
    EXPECT_EQ(Shown().HtPosition, "0");
    EXPECT_EQ(form.EditTicLRType.Text(), "0");
    for (FieldMember field : {&GridSet::HtStart, &GridSet::HtEnd, &GridSet::HtSpacing}) {
        EXPECT_EQ(Shown().*field, "");
    }
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "");
    EXPECT_EQ(form.EditTicLRMaximum.Text(), "");
    EXPECT_EQ(form.EditTicLRSpacing.Text(), "");
    // The other side is shown as stored.
    EXPECT_EQ(form.EditTicTBMinimum.Text(), "510.0");
}

TEST_F(MGridShowSetTest, NegativeTickTypeSwitchesTheVerticalSideOff) {
    GridSet set = CleanSet();
    set.VtPosition = "-1";
    Show(set);
    EXPECT_EQ(Shown().VtPosition, "0");
    EXPECT_EQ(Shown().VtSpacing, "");
    EXPECT_EQ(form.EditTicTBMinimum.Text(), "");
}

TEST_F(MGridShowSetTest, StartOutsideTheLimitsMovesOneSpacingInside) {
    Show(TicksBetween("0", "1000", "50"));
    // The spacing edit already shows 50 now, so the second show leaves the
    // correction to the range check alone.
    GridSet set = TicksBetween("0", "1000", "50");
    set.HtStart = "5000";
    set.HtEnd = "-3";
    ShowAgain(set);
    EXPECT_EQ(Shown().HtStart, "50.0");
    EXPECT_EQ(Shown().HtEnd, "950.0");
    EXPECT_EQ(form.EditTicLRMinimum.Text(), "50.0");
    EXPECT_EQ(form.EditTicLRMaximum.Text(), "950.0");
}

TEST_F(MGridShowSetTest, StartInsideTheLimitsStaysWhenTheSpacingEditAlreadyShowsTheSpacing) {
    Show(TicksBetween("0", "1000", "50"));
    GridSet set = TicksBetween("0", "1000", "50");
    set.HtStart = "500";
    set.HtEnd = "";
    ShowAgain(set);
    EXPECT_EQ(Shown().HtStart, "500");
    EXPECT_EQ(Shown().HtEnd, "");
}

TEST_F(MGridShowSetTest, ChangedSpacingTextRunsTheTickSpacingBeforeTheRangeCheck) {
    GridSet set = TicksBetween("0", "1000", "50");
    set.HtStart = "500";
    set.HtEnd = "600";
    Show(set);  // the spacing edit was empty before
    EXPECT_EQ(Shown().HtStart, "50.0");
    EXPECT_EQ(Shown().HtEnd, "950.0");
    EXPECT_EQ(Shown().HtSpacing, "50");
}

TEST_F(MGridShowSetTest, NegativeTickSpacingIsMadePositive) {
    GridSet set = TicksBetween("0", "1000", "-50");
    Show(set);
    EXPECT_EQ(Shown().HtSpacing, "50.0");
    EXPECT_EQ(form.EditTicLRSpacing.Text(), "50.0");
    EXPECT_EQ(Shown().HtStart, "50.0");
}

struct NoSpacingCase {
    const char* name;
    const char* grid;
    const char* start;
    const char* end;
};

void PrintTo(const NoSpacingCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridNoTickSpacingTest : public MGridShowSetTest,
                               public ::testing::WithParamInterface<NoSpacingCase> {};

TEST_P(MGridNoTickSpacingTest, RangeIsCorrectedByTheSpacingAnEmptyEditWouldGive) {
    // The spacing edit is empty at start-up, so the empty spacing runs no
    // handler and the range check alone corrects start and end.
    GridSet set = TicksBetween("0", "1000", "");
    set.YGrid = GetParam().grid;
    set.HtStart = "5000";
    set.HtEnd = "-5";
    Show(set);
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_EQ(form.EditTicLRSpacing.Text(), "");
    EXPECT_EQ(Shown().HtStart, GetParam().start);
    EXPECT_EQ(Shown().HtEnd, GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(ShowGridSet, MGridNoTickSpacingTest,
                         ::testing::Values(NoSpacingCase{"TenthOfGrid", "100.0", "10.0", "990.0"},
                                           NoSpacingCase{"AtLeastOne", "5.0", "1.0", "999.0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MGridShowSetTest, VerticalRangeIsCheckedAgainstTheXLimits) {
    Show(CleanSet());
    GridSet set = CleanSet();
    set.VtStart = "-7";
    set.VtEnd = "1500.5";
    ShowAgain(set);
    EXPECT_EQ(Shown().VtStart, "510.0");
    EXPECT_EQ(Shown().VtEnd, "1490.0");
}

TEST_F(MGridShowSetTest, SpacingThatLeavesNoRoomSwitchesTheTicksOffDuringTheShow) {
    Show(TicksBetween("0", "10", "5"));
    EXPECT_EQ(Shown().HtPosition, "0");
    EXPECT_EQ(form.EditTicLRType.Text(), "0");
    EXPECT_EQ(Shown().HtSpacing, "5");
}

// ---- North arrow corner ----

struct CornerCase {
    const char* name;
    const char* stored;
    RadioButton TMGridInfo::*checked;
    const char* expected;
};

void PrintTo(const CornerCase& c, std::ostream* out) {
    *out << c.name;
}

class MGridShowCornerTest : public MGridShowSetTest,
                            public ::testing::WithParamInterface<CornerCase> {};

TEST_P(MGridShowCornerTest, ChecksTheMatchingButton) {
    // Start from a corner none of the cases checks, so each button changes.
    GridSet before = CleanSet();
    before.NorthArrowCorner = "LL";
    Show(before);
    if (GetParam().checked == &TMGridInfo::RBLowerLeft) form.RBUpperLeft.Click();

    GridSet set = CleanSet();
    set.NorthArrowCorner = GetParam().stored;
    ShowAgain(set);
    EXPECT_TRUE((form.*GetParam().checked).Checked());
    EXPECT_EQ(Shown().NorthArrowCorner, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ShowGridSet, MGridShowCornerTest,
    ::testing::Values(CornerCase{"Empty", "", &TMGridInfo::RBUpperRight, "UR"},
                      CornerCase{"LowerCase", "ul", &TMGridInfo::RBUpperLeft, "UL"},
                      CornerCase{"FirstWord", " lr north", &TMGridInfo::RBLowerRight, "LR"},
                      CornerCase{"UpperRight", "Ur", &TMGridInfo::RBUpperRight, "UR"},
                      CornerCase{"LowerLeft", "LL", &TMGridInfo::RBLowerLeft, "LL"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MGridShowSetTest, UnknownCornerLeavesTheButtonsAsTheyWere) {
    GridSet set = CleanSet();
    set.NorthArrowCorner = "xx";
    Show(set);
    EXPECT_TRUE(form.RBUpperRight.Checked());
    EXPECT_FALSE(form.RBUpperLeft.Checked());
    EXPECT_EQ(Shown().NorthArrowCorner, "xx");
}

// ---- Handlers that run because a written text differs ----

TEST_F(MGridShowSetTest, EmptyGridSpacingIsFilledFromTheShownLimitsWhenTheEditShowedOne) {
    Show(CleanSet());
    GridSet set = CleanSet();
    set.YGrid = "wide";
    set.YMin = "100";
    set.YMax = "600";
    ShowAgain(set);
    EXPECT_EQ(Shown().YGrid, "50.0");
    EXPECT_EQ(form.EditYGrid.Text(), "50.0");
    EXPECT_DOUBLE_EQ(form.Layout.YGrid, 50.0);
}

TEST_F(MGridShowSetTest, EmptyGridSpacingStaysEmptyWhenTheEditWasEmpty) {
    GridSet set = CleanSet();
    set.YGrid = "";
    Show(set);
    EXPECT_EQ(Shown().YGrid, "");
}

TEST_F(MGridShowSetTest, SameTextsRunNoHandlers) {
    Show(CleanSet());
    form.BitBtnCreateOutput.SetEnabled(false);
    form.DetermineLimitsButton.SetEnabled(false);
    ShowAgain(CleanSet());
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
}

TEST_F(MGridShowSetTest, ShowsTheCurrentSetOnly) {
    GridSet first = CleanSet();
    first.Description = "first";
    GridSet second = CleanSet();
    second.Description = "second";
    second.BorderSize = "2";
    Hold({first, second}, 1);
    form.ShowGridSet();
    EXPECT_EQ(form.EditDescription.Text(), "second");
    EXPECT_EQ(form.Store.GridSets[1].BorderSize, "2.000");
    EXPECT_TRUE(form.Store.GridSets[0] == first);
}

}  // namespace
}  // namespace quadrel
