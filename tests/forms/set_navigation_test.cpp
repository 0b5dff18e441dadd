// Adding, deleting and stepping between sets, one table run over both
// forms: the grid sets of the main form and the title sets of the title
// block form; then what typing into the title block form stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>

#include "forms/data_file_text.h"
#include "support/app_fixture.h"

namespace quadrel {
namespace {

enum class Sets { Grid, Title };

struct NavigationCase {
    const char* name;
    int read;             // sets read from a file; 0: one set typed, -1: none
    int start;            // the set stepped to first, from 1
    const char* presses;  // Up, Down, Add, X delete confirmed, C delete cancelled, Type
    const char* order;    // the sets afterwards: "Set k" as k, a new set as "new"; nullptr: any
    const char* shown;
    bool changed;  // anything to save
    int confirmations;
};

class SetNavigationTest : public testing::AppFixture,
                          public ::testing::WithParamInterface<std::tuple<Sets, NavigationCase>> {
protected:
    bool grid() const { return std::get<0>(GetParam()) == Sets::Grid; }
    Button& Press(Button& onGrid, Button& onTitle) { return grid() ? onGrid : onTitle; }
    Edit& FirstEdit() { return grid() ? form.EditDescription : titleForm.EditCompany1; }

    void Read(int count) {
        platform.OpenAnswers.emplace_back(dir.Write(
            "sets.dat", grid() ? testing::GridFileText(count) : testing::TitleFileText(count)));
        (grid() ? form.ButtonGetFileName : form.ButtonGetTitleData).Click();
        platform.ModalForms.clear();
    }

    static std::string Name(const std::string& text) {
        if (text == "Enter a description for this set." || text == "New set") return "new";
        return text.rfind("Set ", 0) == 0 ? text.substr(4) : text;
    }

    std::string Order() {
        std::string order;
        const int count = grid() ? form.Store.GridLineCount / GridLinesPerSet
                                 : titleForm.Store.TitleLineCount / TitleLinesPerSet;
        for (int s = 0; s < count; ++s) {
            const auto i = static_cast<std::size_t>(s);
            order += (s > 0 ? " " : "") +
                     Name(grid() ? form.Store.GridSets[i].Description
                                 : titleForm.Store.TitleLines[i * TitleLinesPerSet]);
        }
        return order;
    }
};

TEST_P(SetNavigationTest, PressesLeaveTheSetsInOrderAndShowOne) {
    const NavigationCase& c = std::get<1>(GetParam());
    if (c.read > 0) Read(c.read);
    if (c.read == 0) FirstEdit().Type("Set 1");
    for (int s = 0; s < c.read; ++s) Press(form.BitBtnDown, titleForm.BitBtnDown).Click();
    for (int s = 1; s < c.start; ++s) Press(form.BitBtnUp, titleForm.BitBtnUp).Click();

    for (const char* p = c.presses; *p != 0; ++p) {
        if (*p == 'X' || *p == 'C') {
            const bool ok = *p == 'X';
            platform.ModalAnswers.emplace_back([ok](Form& dialog) {
                auto& confirm = static_cast<TFormReallyDeleteSet&>(dialog);
                (ok ? confirm.BitBtnDS_Ok : confirm.BitBtnDS_Cancel).Click();
                return confirm.ModalResult;
            });
        }
        Button* const buttons[] = {&Press(form.BitBtnUp, titleForm.BitBtnUp),
                                   &Press(form.BitBtnDown, titleForm.BitBtnDown),
                                   &Press(form.ButtonAddSet, titleForm.ButtonAddSet),
                                   &Press(form.ButtonDeleteSet, titleForm.ButtonDeleteSet)};
        if (*p == 'T') {
            FirstEdit().Type("typed");
        } else {
            buttons[std::min(std::string_view("UDA").find(*p), std::size_t{3})]->Click();
        }
    }
    if (c.order != nullptr) {
        EXPECT_EQ(Order(), c.order);
    }
    EXPECT_EQ(Name(FirstEdit().Text()), c.shown);
    EXPECT_EQ(grid() ? form.Store.GridSetsChanged() : titleForm.Store.TitleSetsChanged(),
              c.changed);
    EXPECT_EQ(platform.ModalForms.size(), static_cast<std::size_t>(c.confirmations));
    EXPECT_TRUE(platform.Errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    BothForms, SetNavigationTest,
    ::testing::Combine(
        ::testing::Values(Sets::Grid, Sets::Title),
        ::testing::Values(
            NavigationCase{"UpStopsAtTheLast", 3, 2, "UU", "1 2 3", "3", false, 0},
            NavigationCase{"DownStopsAtTheFirst", 3, 2, "DD", "1 2 3", "1", false, 0},
            NavigationCase{"TypingStoresIntoTheSetShown", 3, 2, "T", "1 typed 3", "typed", true, 0},
            NavigationCase{"AddAppendsAndShowsANewSet", 3, 1, "A", "1 2 3 new", "new", true, 0},
            NavigationCase{"AddingAndDeletingIt", 3, 1, "AX", "1 2 3", "3", false, 1},
            NavigationCase{"AddingAndDeletingAnother", 3, 1, "ADDX", "1 3 new", "1", true, 1},
            NavigationCase{"DeleteFirst", 3, 1, "X", "2 3", "2", true, 1},
            NavigationCase{"DeleteMiddle", 3, 2, "X", "1 3", "1", true, 1},
            NavigationCase{"DeleteLast", 3, 3, "X", "1 2", "2", true, 1},
            NavigationCase{"CancelledDelete", 3, 2, "C", "1 2 3", "2", false, 1},
            NavigationCase{"DeleteTheOnlySet", 1, 1, "X", "", "", false, 1},
            NavigationCase{"AddAtCapacity", 50, 7, "A", nullptr, "7", false, 0},
            NavigationCase{"AddBeforeAnyFile", 0, 1, "A", "1", "1", true, 0},
            NavigationCase{"DeleteTheTypedSet", 0, 1, "X", "", "", false, 1},
            NavigationCase{"NoSetToStepOrDelete", -1, 1, "UDX", "", "", false, 0})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) == Sets::Grid ? "Grid" : "Title") +
               std::get<1>(info.param).name;
    });

// ---- The title block form beyond navigation ----

using TitleBlockFormTest = testing::AppFixture;

TEST_F(TitleBlockFormTest, FirstKeystrokeMakesSetOneAndTextsAreStoredAsTypedUpToTheLimit) {
    titleForm.EditOffice.Type("  A ");
    titleForm.EditMapIndex.Type("ABCDEFGHIJKLMNOP");
    const auto& store = titleForm.Store;
    EXPECT_EQ(store.TitleSetCount, 1);
    EXPECT_EQ(store.TitleLineCount, 14);
    EXPECT_EQ(store.TitleLines[5], "  A ");
    EXPECT_EQ(store.TitleLines[7], "ABCDEFGHIJKL");
    EXPECT_EQ(store.TitleLines[0], " ");  // the other fields as start-up left them
}

TEST_F(TitleBlockFormTest, DeletingAnIncompleteSetNeverMakesTheLineCountNegative) {
    auto& store = titleForm.Store;
    store.TitleLines[0] = "Half";
    store.TitleSetCount = 1;
    store.TitleLineCount = store.TitleLinesRead = 5;  // the file ended inside its only set
    store.TitleFileLoaded = true;
    platform.ModalAnswers.emplace_back([](Form&) { return ModalResultOk; });
    titleForm.ButtonDeleteSet.Click();
    titleForm.ButtonDeleteSet.Click();  // finds no set
    EXPECT_EQ(store.TitleLineCount, 0);
    EXPECT_EQ(store.TitleSetCount, 0);
    EXPECT_EQ(platform.ModalForms.size(), 1U);
}

}  // namespace
}  // namespace quadrel
