// Create output and leaving the program: the drawing written from the form,
// the exit question, and the offer to save the changed data files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "forms/data_file_text.h"
#include "support/app_fixture.h"
#include "support/dxf_reader.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;

constexpr int Yes = 0;
constexpr int No = 1;
constexpr int None = -1;

class CreateOutputTest : public testing::AppFixture {
protected:
    void SetUp() override { form.DataDirectory = form.WorkingDirectory = dir.Path(); }

    // Answers the exit question with OK and the write-files dialog, noting
    // which groups it offered. None leaves a group as it is; a choice in a
    // hidden group stands for one left over from an earlier exit.
    void ConfirmExitChoosing(int gridItem, int titleItem) {
        platform.OkCancelAnswers.push_back(true);
        platform.ModalAnswers.emplace_back([this, gridItem, titleItem](Form& shown) {
            auto& dialog = static_cast<TFormWriteGridTitleFiles&>(shown);
            offered = std::string(dialog.RG_AddGrid.Visible() ? "grid" : "") +
                      (dialog.RG_AddTitle.Visible() ? "title" : "");
            if (gridItem != None) dialog.RG_AddGrid.SetItemIndex(gridItem);
            if (titleItem != None) dialog.RG_AddTitle.SetItemIndex(titleItem);
            return ModalResultCancel;  // closed with the close box
        });
    }

    testing::DxfFile Drawing(const char* name) {
        return testing::ReadDxfFile((dir / name).string());
    }

    testing::TempDir dir;
    std::string offered;
};

TEST_F(CreateOutputTest, DeterminesTheLimitsFirstAndAsksForAFileOnlyWhenTheyHold) {
    EnterValidSheet();
    form.EditYMin.SetText("");
    PressCreateOutput();
    EXPECT_EQ(form.Layout.LimitsError, 4);
    EXPECT_TRUE(platform.SaveDialogs.empty());

    form.EditYMin.Type("0");
    PressCreateOutput();  // the dialog is cancelled
    ASSERT_EQ(platform.SaveDialogs.size(), 1U);
    EXPECT_EQ(platform.SaveDialogs[0].InitialDirectory, dir.Path());
    EXPECT_EQ(dir.FileCount(), 0U);
    EXPECT_TRUE(platform.Questions.empty());
}

TEST_F(CreateOutputTest, PlottedTitleBlockIsTypeAOrBOrRefusedBeforeAnythingIsWritten) {
    const struct {
        int item;
        const char* type;
        const char* layer;  // drawn, or nullptr when refused
    } cases[] = {{TitleBlockPlotItem, "A", "Title_Block_A"},
                 {TitleBlockPlotItem, "B", "Title_Block_B"},
                 {TitleBlockPlotItem, "a", nullptr},
                 {TitleBlockPlotItem, "", nullptr},
                 {1, "C", ""}};
    EnterValidSheet();
    titleForm.EditCompany1.Type("Acme Mining");
    for (const auto& c : cases) {
        fs::remove(dir / "out.dxf");
        form.RGTitleBlock.SetItemIndex(c.item);
        form.EditTitleBlockType.OnChange = nullptr;  // as a data file can leave it
        form.EditTitleBlockType.SetText(c.type);
        platform.SaveAnswers.emplace_back(dir / "out.dxf");
        PressCreateOutput();
        ASSERT_EQ(fs::exists(dir / "out.dxf"), c.layer != nullptr) << c.type;
        if (c.layer == nullptr) {
            EXPECT_EQ(form.MessageArea.Caption(),
                      " - 0034: Title Block Type is invalid! Title Block Type");
            continue;
        }
        const auto file = Drawing("out.dxf");
        EXPECT_EQ(file.OnLayer("Title_Block_A").empty(), std::string(c.layer) != "Title_Block_A");
        EXPECT_EQ(file.OnLayer("Title_Block_B").empty(), std::string(c.layer) != "Title_Block_B");
        if (*c.layer == 0) continue;
        const auto texts = file.Texts(c.layer);
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Acme Mining"), texts.end());
    }
    EXPECT_EQ(platform.Questions.size(), 3U);
}

// A text typed into an edit that only the drawing reads. (A folder that does
// not exist and a drawing too dense are refused the same way through the
// command line; the old file kept, by the drawing file tests.)
TEST_F(CreateOutputTest, DrawingThatFailsIsReportedAndAsksNothing) {
    EnterValidSheet();
    form.EditSize.SetText("big");
    platform.SaveAnswers.emplace_back(dir / "sheet.dxf");
    PressCreateOutput();
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("NorthArrowSize"), std::string::npos) << platform.Errors[0];
    EXPECT_EQ(dir.FileCount(), 0U);
    EXPECT_TRUE(platform.Questions.empty());
}

// ---- Leaving the program ----

TEST_F(CreateOutputTest, FailedSaveAfterOutputKeepsTheProgramRunningUntilASaveSucceeds) {
    EnterValidSheet();
    for (const fs::path& target : {dir / "missing" / "grid.dat", dir / "grid.dat"}) {
        platform.SaveAnswers.emplace_back(dir / "sheet.dxf");
        ConfirmExitChoosing(Yes, None);
        platform.SaveAnswers.emplace_back(target);
        PressCreateOutput();
        EXPECT_EQ(offered, "grid");
        EXPECT_EQ(platform.ExitStatus.has_value(), fs::exists(target)) << target;
    }
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find((dir / "missing" / "grid.dat").string()), std::string::npos);
    EXPECT_EQ(platform.ExitStatus, 1);
}

// (The close box asking first, and closing with nothing changed, the window
// tests prove.)
TEST_F(CreateOutputTest, CloseOffersOnlyWhatChanged) {
    form.EditDescription.Type("x");
    ConfirmExitChoosing(None, None);
    bool canClose = false;
    form.FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(offered, "grid");
    EXPECT_TRUE(platform.SaveDialogs.empty());  // no choice: nothing written
}

TEST_F(CreateOutputTest, NoForGridAndYesForTitleWritesOnlyTheTitleFile) {
    form.EditDescription.Type("x");
    titleForm.EditCompany1.Type("Acme");
    ConfirmExitChoosing(No, Yes);
    platform.SaveAnswers.emplace_back(dir / "titles.dat");
    form.Close();
    EXPECT_EQ(offered, "gridtitle");
    EXPECT_EQ(platform.SaveDialogs.size(), 1U);
    EXPECT_TRUE(fs::exists(dir / "titles.dat"));
    EXPECT_EQ(platform.ExitStatus, 0);
}

TEST_F(CreateOutputTest, ChoicesOfAnEarlierExitAndOfHiddenGroupsWriteNothing) {
    platform.OpenAnswers = {dir.Write("grid.dat", testing::GridFileText(1)),
                            dir.Write("titles.dat", testing::TitleFileText(1))};
    form.ButtonGetFileName.Click();
    form.ButtonGetTitleData.Click();
    titleForm.EditOffice.Type("changed");
    ConfirmExitChoosing(Yes, Yes);  // the grid is as read: its group hidden
    platform.SaveAnswers.emplace_back(dir / "missing" / "titles.dat");
    form.Close();                     // the save fails: the program stays
    ConfirmExitChoosing(None, None);  // offered again, and nothing chosen this time
    form.Close();
    EXPECT_EQ(platform.SaveDialogs.size(), 1U);
    EXPECT_EQ(platform.ExitStatus, 0);
}

// The save dialogs start where the files came from, the drawing's named
// after its set; a written drawing is said before the exit question.
TEST_F(CreateOutputTest, SaveDialogsProposeTheFilesFolderAndTheSetsName) {
    const fs::path maps = dir / "maps";
    fs::create_directory(maps);
    platform.OpenAnswers = {dir.Write("maps/grid.dat", testing::GridSetText("Pit: North?")),
                            dir.Write("maps/titles.dat", testing::TitleFileText(1))};
    form.ButtonGetFileName.Click();
    form.ButtonGetTitleData.Click();
    PressCreateOutput();  // cancelled
    form.WriteGridDataFile();
    titleForm.WriteTitleDataFile();
    const struct {
        const char* fileName;
        const char* extension;
        const char* firstFilter;
    } expected[] = {{"Pit North.dxf", "dxf", "AutoCAD drawings (*.dxf)"},
                    {"*.dat", "dat", "Quadrel data files (*.dat *.sam)"},
                    {"*.dat", "dat", "Quadrel data files (*.dat *.sam)"}};
    ASSERT_EQ(platform.SaveDialogs.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        const FileDialogOptions& shown = platform.SaveDialogs[i];
        EXPECT_EQ(shown.InitialDirectory, maps) << i;
        EXPECT_EQ(shown.FileName, expected[i].fileName) << i;
        EXPECT_EQ(shown.DefaultExtension, expected[i].extension) << i;
        EXPECT_EQ(shown.Filters.at(0), expected[i].firstFilter) << i;
    }
    EXPECT_EQ(platform.OpenDialogs.at(0).Filters.at(0), "Quadrel data files (*.dat *.sam)");

    platform.SaveAnswers.emplace_back(maps / "sheet.dxf");
    platform.OkCancelAnswers.push_back(false);
    PressCreateOutput();
    EXPECT_EQ(form.MessageArea.Caption(), "Drawing written: " + (maps / "sheet.dxf").string());
}

// Showing a set corrects "0.5" to "0.500" every time: no person's change.
TEST_F(CreateOutputTest, WhatShowingCorrectsIsNoChangeButTypingStillIs) {
    std::string grid = testing::GridFileText(2);
    for (auto at = grid.find("UR 0.500"); at != std::string::npos; at = grid.find("UR 0.500")) {
        grid.replace(at, 8, "UR 0.5");
    }
    platform.OpenAnswers.emplace_back(dir.Write("grid.dat", grid));
    form.ButtonGetFileName.Click();
    form.BitBtnDown.Click();  // set 1 shown too
    ASSERT_EQ(form.EditSize.Text(), "0.500");
    const struct {
        const char* typed;
        bool changed;
    } cases[] = {{"0.500", false}, {"0.7", true}, {"0.5", false}, {"0.500", false}};
    for (const auto& c : cases) {
        form.EditSize.Type(c.typed);
        EXPECT_EQ(form.Store.GridSetsChanged(), c.changed) << c.typed;
    }
    form.ButtonAddSet.Click();
    EXPECT_TRUE(form.Store.GridSetsChanged());
}

}  // namespace
}  // namespace quadrel
