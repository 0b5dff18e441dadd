// Create output and leaving the program: the drawing written from the form,
// the exit question, and the offer to save the changed data files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/data_file_text.h"
#include "support/app_fixture.h"
#include "support/dxf_reader.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;

constexpr int Yes = 0;
constexpr int No = 1;
constexpr int None = -1;

// Answers the write-files dialog, noting in `offered` (when given) which
// groups it showed. None leaves a group as it is; a choice in a hidden group
// stands for one left over from an earlier exit.
void AnswerWriteFiles(ScriptedPlatform& platform, int gridItem, int titleItem,
                      std::string* offered = nullptr) {
    platform.ModalAnswers.emplace_back([=](Form& shown) {
        auto& dialog = static_cast<TFormWriteGridTitleFiles&>(shown);
        if (offered != nullptr) {
            *offered = std::string(dialog.RG_AddGrid.Visible() ? "grid" : "") +
                       (dialog.RG_AddTitle.Visible() ? "title" : "");
        }
        if (gridItem != None) dialog.RG_AddGrid.SetItemIndex(gridItem);
        if (titleItem != None) dialog.RG_AddTitle.SetItemIndex(titleItem);
        return ModalResultCancel;  // closed with the close box
    });
}

class CreateOutputTest : public testing::AppFixture {
protected:
    // Answers the exit question with OK, then the write-files dialog.
    void ConfirmExitChoosing(int gridItem, int titleItem) {
        platform.OkCancelAnswers.push_back(true);
        AnswerWriteFiles(platform, gridItem, titleItem, &offered);
    }

    std::string offered;
};

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
        const auto file = testing::ReadDxfFile((dir / "out.dxf").string());
        EXPECT_EQ(file.OnLayer("Title_Block_A").empty(), std::string(c.layer) != "Title_Block_A");
        EXPECT_EQ(file.OnLayer("Title_Block_B").empty(), std::string(c.layer) != "Title_Block_B");
        if (*c.layer == 0) continue;
        const auto texts = file.Texts(c.layer);
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Acme Mining"), texts.end());
    }
    EXPECT_EQ(platform.Questions.size(), 3U);
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

TEST_F(CreateOutputTest, ChoicesOfAnEarlierExitAndOfHiddenGroupsWriteNothing) {
    platform.OpenAnswers = {dir.Write("grid.dat", testing::GridFileText(1)),
                            dir.Write("titles.dat", testing::TitleFileText(1))};
    form.ButtonGetFileName.Click();
    form.ButtonGetTitleData.Click();
    titleForm.EditOffice.Type("changed");
    ConfirmExitChoosing(Yes, Yes);  // the grid is as read: its group hidden
    platform.SaveAnswers.emplace_back(dir / "missing" / "titles.dat");
    form.Close();                              // the save fails: the program stays
    ConfirmExitChoosing(None, None);           // offered again, and nothing chosen this time
    platform.OkCancelAnswers.push_back(true);  // quit without saving them
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

// ---- The exit flow, case by case ----

const std::string ExitQuestion = "question: Exit program notice...: Exit program now?";
const std::string WriteDialog = "modal: TFormWriteGridTitleFiles";
const std::string SaveDrawing = "save: Select the AutoCAD .dxf to create...";
const std::string SaveGrid = "save: Find or create the grid data file you want...";
const std::string SaveTitle = "save: Find or create the title block data file you want...";

std::string Unanswered(const std::string& kinds) {
    return "question: Write Grid and/or Title Block files...: You chose neither Yes nor No for "
           "the changed " +
           kinds + ".\nQuit without saving them? (Cancel goes back to the choice.)";
}

struct ExitCase {
    const char* name;
    std::function<void(testing::ScriptedForms&)> act;
    std::vector<bool> okCancel;
    std::vector<std::pair<int, int>> choices;  // grid and title item, each showing of the dialog
    std::vector<const char*> saveAs;           // names in the folder; nullptr cancels
    std::vector<std::string> shown;
    std::optional<int> exitStatus;
    std::vector<std::string> files;  // in the folder afterwards
};

void CloseChangingGrid(testing::ScriptedForms& f) {
    f.form.EditDescription.Type("x");
    f.form.Close();
}

void CloseChangingBoth(testing::ScriptedForms& f) {
    f.titleForm.EditCompany1.Type("Acme");
    CloseChangingGrid(f);
}

void CreateOutput(testing::ScriptedForms& f) {
    f.EnterValidSheet();
    f.PressCreateOutput();
}

// Each case: what is done, the answers (OK or Cancel to the questions, the
// dialog's choices each time it shows, the names given to the save dialogs),
// then what was shown, the exit status and the files made.
// clang-format off
const ExitCase ExitCases[] = {
    {"a cancelled save dialog keeps the program open", CloseChangingGrid,
     {true}, {{Yes, None}}, {nullptr},
     {ExitQuestion, WriteDialog, SaveGrid}, {}, {}},
    {"and after Create output no exit either", CreateOutput,
     {true}, {{Yes, None}}, {"sheet.dxf", nullptr},
     {SaveDrawing, ExitQuestion, WriteDialog, SaveGrid}, {}, {"sheet.dxf"}},
    {"a changed kind left unanswered is asked about; OK quits without it", CloseChangingGrid,
     {true, true}, {{None, None}}, {},
     {ExitQuestion, WriteDialog, Unanswered("grid sets"), "exit: 0"}, 0, {}},
    {"both unanswered: one question; Cancel goes back to the dialog", CloseChangingBoth,
     {true, false}, {{None, None}, {No, Yes}}, {"titles.dat"},
     {ExitQuestion, WriteDialog, Unanswered("grid sets and title sets"), WriteDialog, SaveTitle,
      "exit: 0"}, 0, {"titles.dat"}},
    {"an explicit No is not asked again", CloseChangingBoth,
     {true, true}, {{No, None}}, {},
     {ExitQuestion, WriteDialog, Unanswered("title sets"), "exit: 0"}, 0, {}},
    {"nothing changed: nothing offered", [](auto& f) { f.form.Close(); },
     {true}, {}, {},
     {ExitQuestion, "exit: 0"}, 0, {}},
    {"a grid spacing never typed is filled before the drawing", [](auto& f) {
         f.EnterValidSheet(false);
         f.PressCreateOutput();
         EXPECT_EQ(f.form.EditXGrid.Text(), "100.0");
         EXPECT_EQ(f.form.Store.Current().YGrid, "50.0");
     },
     {false}, {}, {"sheet.dxf"},
     {SaveDrawing, ExitQuestion}, {}, {"sheet.dxf"}},
    {"a sheet that cannot be drawn is refused before the dialog, by the field's label",
     [](auto& f) {
         f.form.EditSize.Type("big");
         CreateOutput(f);
     },
     {}, {}, {"sheet.dxf"},
     {"error: 'big' is not a valid floating point value (North Arrow Size)"}, {}, {}},
    {"a missing field: no dialog", [](auto& f) {
         f.EnterValidSheet();
         f.form.EditYMin.Type("");
         f.PressCreateOutput();
     },
     {}, {}, {"sheet.dxf"},
     {}, {}, {}},
    {"a cancelled drawing dialog: no file, no question", CreateOutput,
     {}, {}, {nullptr},
     {SaveDrawing}, {}, {}},
};
// clang-format on

TEST(ExitFlow, NothingTypedIsLostWithoutAskingAndNothingIsAskedInVain) {
    for (const ExitCase& c : ExitCases) {
        SCOPED_TRACE(c.name);
        testing::ScriptedForms f;
        f.platform.OkCancelAnswers.assign(c.okCancel.begin(), c.okCancel.end());
        for (const auto& [grid, title] : c.choices) AnswerWriteFiles(f.platform, grid, title);
        for (const char* name : c.saveAs) {
            f.platform.SaveAnswers.emplace_back(name ? std::optional(f.dir / name) : std::nullopt);
        }
        c.act(f);
        EXPECT_EQ(f.platform.Shown, c.shown);
        EXPECT_EQ(f.platform.ExitStatus, c.exitStatus);
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(f.dir.Path())) {
            files.push_back(entry.path().filename().string());
        }
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, c.files);
    }
}

// The exit flow asks until it is answered: a script spent in the middle of
// it stops the run, where it would otherwise loop for ever.
TEST(ExitFlow, AScriptSpentInTheMiddleStopsTheRunInsteadOfLooping) {
    testing::ScriptedForms f;
    f.platform.OkCancelAnswers.push_back(true);
    EXPECT_THROW(CloseChangingGrid(f), std::logic_error);
    EXPECT_FALSE(f.platform.ExitStatus);
}

}  // namespace
}  // namespace quadrel
