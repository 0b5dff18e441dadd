// Showing a grid set: the corrections stored back into the set, and the
// handlers that the writes run in the order of the fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"

namespace quadrel {
namespace {

using testing::AppFixture;
using G = GridSet;

// A set every check accepts as it stands, and whose handlers store it
// unchanged: showing it changes nothing in it.
GridSet CleanSet() {
    GridSet set = NewGridSet();
    set.YMin = "1000.0";
    set.YMax = "2000.0";
    set.XScale = "2000.0";
    set.HtPosition = "1";
    set.HtStart = "1010.0";
    set.HtEnd = "1990.0";
    set.HtSpacing = "10.0";
    set.NorthArrowSize = "0.500";
    set.TitleBlockType = "B";
    return set;
}

class ShowSetTest : public AppFixture {
protected:
    // The sets as a grid data file leaves them, then the given one shown.
    void Show(const std::vector<GridSet>& sets, int current = 0) {
        form.Store.GridFileLoaded = true;
        form.Store.GridSetCount = static_cast<std::int32_t>(sets.size());
        form.Store.GridLinesRead = form.Store.GridLineCount = 16 * form.Store.GridSetCount;
        for (std::size_t i = 0; i < sets.size(); ++i) {
            form.Store.GridSets[i] = form.Store.AsReadGridSets[i] = sets[i];
        }
        form.Store.CurrentGridSet = current;
        form.ShowGridSet();
    }

    const GridSet& Shown() { return form.Store.Current(); }
};

TEST_F(ShowSetTest, CleanSetIsShownAsItStandsAndChangesNothing) {
    Show({CleanSet()});
    EXPECT_TRUE(form.EditedGridSet() == CleanSet());
    EXPECT_FALSE(form.Store.GridSetsChanged());
    EXPECT_TRUE(form.Layout.Metric);
    EXPECT_DOUBLE_EQ(form.Layout.YMin, 1000.0);
    EXPECT_DOUBLE_EQ(form.Layout.XScale, 2000.0);
    EXPECT_TRUE(platform.Errors.empty());
    // The handlers that ran on the way switched the buttons on.
    EXPECT_TRUE(form.DetermineLimitsButton.Enabled());

    // Showing it again writes no text that differs, so no handler runs.
    form.DetermineLimitsButton.SetEnabled(false);
    Show({CleanSet()});
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
}

TEST_F(ShowSetTest, CorrectedTextIsStoredBackAndShown) {
    const struct {
        std::string G::*field;
        const char* stored;
        std::string G::*checked;  // the field corrected, when another
        const char* corrected;
    } cases[] = {
        {&G::YMin, "3000", &G::HtStart, "2010.0"},  // limits the wrong way round keep their ticks
        {&G::ImpMet, "i", nullptr, "M"},
        {&G::YMin, "abc", nullptr, ""},
        {&G::XMax, "Fill in!", nullptr, ""},
        {&G::YScale, "-2500", nullptr, "2500.0"},
        {&G::XScale, "2500", nullptr, "2500"},
        {&G::YAdd, "7", nullptr, "0"},
        {&G::YConst, "none", nullptr, "0.0"},
        {&G::VtPosition, "3 below", nullptr, "3"},
        {&G::HtPosition, "7", &G::HtStart, ""},  // that side off and emptied
        {&G::HtLengthLeft, "-0.3", nullptr, "0.300"},
        {&G::HtStart, "5000", nullptr, "1010.0"},
        {&G::HtEnd, "-3", nullptr, "1990.0"},
        {&G::HtSpacing, "-10", nullptr, "10.0"},
        {&G::HtSpacing, "600", &G::HtPosition, "0"},  // no room between the limits
        {&G::BorderSize, "-1", nullptr, "1.000"},
        {&G::CutLeft, "0.25", nullptr, "0.250"},
        {&G::CutRight, "wide", nullptr, "0.500"},
        {&G::NorthArrowSize, "x", nullptr, "0.500"},
        {&G::NorthArrowDistance, "-2", nullptr, "2.0"},
        {&G::NorthArrowCorner, " lr x", nullptr, "LR"},
        {&G::NorthArrowCorner, "", nullptr, "UR"},
        {&G::NorthArrowCorner, "xx", nullptr, "xx"},  // the buttons as they were
        {&G::TitleBlockFlag, "yes", nullptr, "N"},
        {&G::TitleBlockType, "c", nullptr, "A"},
    };
    for (const auto& c : cases) {
        GridSet set = CleanSet();
        set.*c.field = c.stored;
        Show({set});
        const auto checked = c.checked != nullptr ? c.checked : c.field;
        EXPECT_EQ(Shown().*checked, c.corrected) << c.stored;
        if (set.NorthArrowCorner != "xx") {
            EXPECT_EQ(form.EditedGridSet().*checked, c.corrected) << c.stored;
        }
    }
    EXPECT_TRUE(platform.Errors.empty()) << platform.Errors.front();
}

TEST_F(ShowSetTest, ChangedSpacingRunsTheTickSpacingBeforeTheRangeIsChecked) {
    GridSet set = CleanSet();
    set.HtStart = "1500";  // inside the limits, yet replaced
    Show({set});
    EXPECT_EQ(Shown().HtStart, "1010.0");
    // Over a set that showed the same spacing, the start inside stays.
    Show({CleanSet(), set}, 1);
    EXPECT_EQ(Shown().HtStart, "1500");
}

TEST_F(ShowSetTest, EmptyGridSpacingIsFilledFromTheLimitsShownBeforeIt) {
    GridSet set = CleanSet();
    set.YGrid = "wide";
    set.YMin = "100";
    set.YMax = "600";
    Show({CleanSet()});
    Show({CleanSet(), set}, 1);  // the edit showed a spacing, so clearing it is a change
    EXPECT_EQ(Shown().YGrid, "50.0");
    EXPECT_DOUBLE_EQ(form.Layout.YGrid, 50.0);
}

TEST_F(ShowSetTest, NumberTheConversionRefusesIsReportedAndTheShowGoesOn) {
    GridSet set = CleanSet();
    set.XMin = "12abc";
    Show({set});
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("12abc"), std::string::npos);
    EXPECT_EQ(Shown().XMin, "12abc");
    // Every field after it was still shown.
    EXPECT_TRUE(form.EditedGridSet() == Shown());
    EXPECT_EQ(form.EditTitleBlockType.Text(), "B");
}

TEST_F(ShowSetTest, SetToBePlottedKeepsItsOwnTypeAfterASetThatWasNot) {
    GridSet first = CleanSet();
    GridSet second = CleanSet();
    second.TitleBlockFlag = "Y";
    second.TitleBlockType = "A";
    Show({first, second});
    form.BitBtnUp.Click();
    EXPECT_EQ(form.RGTitleBlock.ItemIndex(), TitleBlockPlotItem);
    EXPECT_EQ(form.Store.GridSets[1].TitleBlockType, "A");
    EXPECT_EQ(form.Store.GridSets[0].TitleBlockType, "B");
}

}  // namespace
}  // namespace quadrel
