// Adding, deleting and stepping between grid sets on the main form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "forms/reallydeletesetform.h"

namespace quadrel {
namespace {

using testing::AppFixture;

// A set whose texts showing leaves as they are, told apart by its description.
GridSet SetNamed(const std::string& description) {
    GridSet set = NewGridSet();
    set.Description = description;
    set.NorthArrowSize = "0.500";
    set.HtLengthLeft = set.HtLengthRight = set.VtLengthTop = set.VtLengthBottom = "0.250";
    return set;
}

class MGridNavigationTest : public AppFixture {
protected:
    // `count` sets as read from a grid data file, the last one current and
    // shown, as reading leaves them.
    void ReadSets(int count) {
        form.Store.GridFileLoaded = true;
        for (int i = 0; i < count; ++i) {
            const auto index = static_cast<std::size_t>(i);
            form.Store.GridSets[index] = SetNamed("Set " + std::to_string(i + 1));
            form.Store.AsReadGridSets[index] = form.Store.GridSets[index];
        }
        form.Store.GridSetCount = count;
        form.Store.GridLinesRead = form.Store.GridLineCount = 16 * count;
        form.Store.CurrentGridSet = count - 1;
        form.ShowGridSet();
    }

    // The person answers the confirmation with OK.
    void ConfirmDeletion() {
        platform.ModalAnswers.push_back([](Form& dialog) {
            auto& confirmation = static_cast<TFormReallyDeleteSet&>(dialog);
            confirmation.BitBtnDS_Ok.Click();
            return confirmation.ModalResult;
        });
    }

    void DeleteCurrentSet() {
        ConfirmDeletion();
        form.ButtonDeleteSet.Click();
    }

    std::string Description(int index) {
        return form.Store.GridSets[static_cast<std::size_t>(index)].Description;
    }
};

// ---- Add Set ----

TEST_F(MGridNavigationTest, AddBeforeAnyFileDoesNothing) {
    form.EditDescription.Type("typed");
    form.ButtonAddSet.Click();
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridLineCount, 16);
    EXPECT_EQ(form.EditDescription.Text(), "typed");
}

TEST_F(MGridNavigationTest, AddAppendsANewSetAndShowsIt) {
    ReadSets(3);
    form.ButtonAddSet.Click();
    EXPECT_EQ(form.Store.GridSetCount, 4);
    EXPECT_EQ(form.Store.CurrentGridSet, 3);
    EXPECT_EQ(form.Store.GridLineCount, 64);
    EXPECT_EQ(form.EditDescription.Text(), "Enter a description for this set.");
    EXPECT_EQ(form.EditYMax.Text(), "1000.0");
    // Shown through the display checks.
    EXPECT_EQ(form.Store.GridSets[3].NorthArrowSize, "0.500");
    EXPECT_EQ(form.EditSize.Text(), "0.500");
    EXPECT_EQ(Description(2), "Set 3");
    EXPECT_TRUE(form.Store.GridSetsChanged());
}

TEST_F(MGridNavigationTest, AddWithFiftySetsDoesNothing) {
    ReadSets(MaxGridSets);
    form.Store.CurrentGridSet = 10;
    form.ButtonAddSet.Click();
    EXPECT_EQ(form.Store.GridSetCount, MaxGridSets);
    EXPECT_EQ(form.Store.CurrentGridSet, 10);
    EXPECT_EQ(form.Store.GridLineCount, 16 * MaxGridSets);
    EXPECT_EQ(Description(MaxGridSets - 1), "Set 50");
}

// ---- Delete Set ----

TEST_F(MGridNavigationTest, DeleteWithoutASetAsksNothing) {
    form.ButtonDeleteSet.Click();
    EXPECT_TRUE(platform.ModalForms.empty());
    EXPECT_EQ(form.Store.GridSetCount, 0);
}

TEST_F(MGridNavigationTest, CancelledDeletionChangesNothingNotEvenTheMessage) {
    ReadSets(3);
    form.ShowMessageCode(Messages::GridSetCapacity, "Read grid data");
    form.Store.CurrentGridSet = 1;
    form.ButtonDeleteSet.Click();  // no answer scripted: the dialog is cancelled
    EXPECT_EQ(platform.ModalForms, (std::vector<std::string>{"TFormReallyDeleteSet"}));
    EXPECT_EQ(form.Store.GridSetCount, 3);
    EXPECT_EQ(form.Store.GridLineCount, 48);
    EXPECT_EQ(Description(1), "Set 2");
    EXPECT_EQ(form.MessageArea.Caption(),
              " - 0100: Maximum number of grid sets have been read. Read grid data");
}

TEST_F(MGridNavigationTest, DeletingTheMiddleSetMovesTheLaterOnesDownAndShowsTheOneBefore) {
    ReadSets(3);
    form.ShowMessageCode(Messages::GridSetCapacity, "Read grid data");
    form.Store.CurrentGridSet = 1;
    DeleteCurrentSet();
    EXPECT_EQ(form.Store.GridSetCount, 2);
    EXPECT_EQ(Description(0), "Set 1");
    EXPECT_EQ(Description(1), "Set 3");
    EXPECT_EQ(form.Store.CurrentGridSet, 0);
    EXPECT_EQ(form.EditDescription.Text(), "Set 1");
    EXPECT_EQ(form.Store.GridLineCount, 32);
    EXPECT_EQ(form.MessageArea.Caption(), " ");
    // The copies as read stay where they were.
    EXPECT_EQ(form.Store.AsReadGridSets[1].Description, "Set 2");
    EXPECT_TRUE(form.Store.GridSetsChanged());
}

TEST_F(MGridNavigationTest, DeletingTheFirstSetShowsTheNewFirst) {
    ReadSets(3);
    form.Store.CurrentGridSet = 0;
    DeleteCurrentSet();
    EXPECT_EQ(form.Store.GridSetCount, 2);
    EXPECT_EQ(form.Store.CurrentGridSet, 0);
    EXPECT_EQ(form.EditDescription.Text(), "Set 2");
    EXPECT_EQ(Description(1), "Set 3");
}

TEST_F(MGridNavigationTest, DeletingTheLastSetShowsTheOneBefore) {
    ReadSets(3);
    DeleteCurrentSet();
    EXPECT_EQ(form.Store.GridSetCount, 2);
    EXPECT_EQ(form.Store.CurrentGridSet, 1);
    EXPECT_EQ(form.EditDescription.Text(), "Set 2");
}

TEST_F(MGridNavigationTest, DeletingTheOnlySetLeavesOneBlankSetWithTheActionsOff) {
    ReadSets(1);
    DeleteCurrentSet();
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.CurrentGridSet, 0);
    EXPECT_EQ(form.Store.GridLineCount, 0);
    EXPECT_EQ(form.EditDescription.Text(), "");
    EXPECT_EQ(form.Store.GridSets[0].Description, "");
    EXPECT_EQ(form.Store.GridSets[0].XScale, "");
    EXPECT_EQ(form.EditYMin.Text(), "");
    // Nothing is left to determine or draw, although showing the blank set
    // ran handlers that switch the buttons on.
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
}

TEST_F(MGridNavigationTest, DeletingTheOnlyTypedSetAlsoLeavesOneBlankSet) {
    form.EditDescription.Type("typed");
    form.EditXMin.Type("5");
    DeleteCurrentSet();
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.GridLineCount, 0);
    EXPECT_EQ(form.EditDescription.Text(), "");
    EXPECT_FALSE(form.Store.GridSetsChanged());
}

TEST_F(MGridNavigationTest, AddingAndDeletingTheAddedSetLeavesNothingToSave) {
    ReadSets(3);
    form.ButtonAddSet.Click();
    DeleteCurrentSet();
    EXPECT_EQ(form.Store.GridSetCount, 3);
    EXPECT_EQ(form.Store.GridLineCount, form.Store.GridLinesRead);
    EXPECT_FALSE(form.Store.GridSetsChanged());
}

TEST_F(MGridNavigationTest, AddingAndDeletingFromTheMiddleLeavesMovedSetsToSave) {
    ReadSets(3);
    form.ButtonAddSet.Click();
    form.Store.CurrentGridSet = 1;
    DeleteCurrentSet();
    EXPECT_EQ(form.Store.GridLineCount, form.Store.GridLinesRead);
    EXPECT_TRUE(form.Store.GridSetsChanged());
}

// ---- Arrows ----

TEST_F(MGridNavigationTest, UpStepsToTheNextSetAndStopsAtTheLast) {
    ReadSets(3);
    form.Store.CurrentGridSet = 0;
    form.BitBtnUp.Click();
    EXPECT_EQ(form.Store.CurrentGridSet, 1);
    EXPECT_EQ(form.EditDescription.Text(), "Set 2");
    form.BitBtnUp.Click();
    form.DetermineLimitsButton.SetEnabled(false);
    form.BitBtnCreateOutput.SetEnabled(false);
    form.BitBtnUp.Click();
    EXPECT_EQ(form.Store.CurrentGridSet, 2);
    EXPECT_EQ(form.EditDescription.Text(), "Set 3");
    EXPECT_TRUE(form.DetermineLimitsButton.Enabled());
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
}

TEST_F(MGridNavigationTest, DownStepsToThePreviousSetAndStopsAtTheFirst) {
    ReadSets(2);
    form.BitBtnDown.Click();
    EXPECT_EQ(form.Store.CurrentGridSet, 0);
    EXPECT_EQ(form.EditDescription.Text(), "Set 1");
    form.DetermineLimitsButton.SetEnabled(false);
    form.BitBtnCreateOutput.SetEnabled(false);
    form.BitBtnDown.Click();
    EXPECT_EQ(form.Store.CurrentGridSet, 0);
    EXPECT_TRUE(form.DetermineLimitsButton.Enabled());
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
}

TEST_F(MGridNavigationTest, ArrowsWithoutASetDoNothing) {
    form.BitBtnUp.Click();
    form.BitBtnDown.Click();
    EXPECT_EQ(form.Store.CurrentGridSet, 0);
    EXPECT_EQ(form.Store.GridSetCount, 0);
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
    EXPECT_EQ(form.EditBorderSize.Text(), "0.0");
}

TEST_F(MGridNavigationTest, EditsAfterSteppingStoreIntoTheSetShown) {
    ReadSets(3);
    form.BitBtnDown.Click();
    form.EditDescription.Type("renamed");
    EXPECT_EQ(Description(1), "renamed");
    EXPECT_EQ(Description(2), "Set 3");
}

// ---- Counts that should never occur ----

TEST_F(MGridNavigationTest, CountBeyondTheTableIsTreatedAsAFullTable) {
    ReadSets(MaxGridSets);
    form.Store.GridSetCount = MaxGridSets + 20;
    form.Store.CurrentGridSet = MaxGridSets + 10;
    form.BitBtnUp.Click();
    EXPECT_EQ(form.Store.CurrentGridSet, MaxGridSets - 1);
    EXPECT_EQ(form.EditDescription.Text(), "Set 50");

    form.ButtonAddSet.Click();
    EXPECT_EQ(form.Store.GridLineCount, 16 * MaxGridSets);

    DeleteCurrentSet();
    EXPECT_EQ(form.Store.GridSetCount, MaxGridSets - 1);
    EXPECT_EQ(form.Store.CurrentGridSet, MaxGridSets - 2);
    EXPECT_EQ(form.EditDescription.Text(), "Set 49");
}

TEST_F(MGridNavigationTest, CurrentSetOutsideTheSetsInUseIsPulledBack) {
    ReadSets(3);
    form.Store.CurrentGridSet = -4;
    form.BitBtnDown.Click();
    EXPECT_EQ(form.Store.CurrentGridSet, 0);

    form.Store.CurrentGridSet = 99;
    form.EditDescription.Type("typed");
    EXPECT_EQ(form.Store.CurrentGridSet, 2);
    EXPECT_EQ(Description(2), "typed");
}

TEST_F(MGridNavigationTest, NegativeCountHoldsNoSet) {
    form.Store.GridFileLoaded = true;
    form.Store.GridSetCount = -3;
    form.BitBtnUp.Click();
    form.ButtonDeleteSet.Click();
    EXPECT_TRUE(platform.ModalForms.empty());
    form.ButtonAddSet.Click();
    EXPECT_EQ(form.Store.GridSetCount, 1);
    EXPECT_EQ(form.Store.CurrentGridSet, 0);
    EXPECT_EQ(form.EditDescription.Text(), "Enter a description for this set.");
}

}  // namespace
}  // namespace quadrel
