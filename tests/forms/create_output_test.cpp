// Create output and leaving the program: the drawing written from the
// form, the exit question, and the offer to save the changed data files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "support/dxf_reader.h"
#include "support/temp_dir.h"
#include "forms/writegridtitlefilesform.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;

const std::string ExitQuestion = "Exit program notice...: Exit program now?";
const std::string TitleTypeMessage = " - 0034: Title Block Type is invalid! Title Block Type";

class CreateOutputTest : public testing::AppFixture {
protected:
    void SetUp() override {
        form.DataDirectory = dir.Path();
        form.WorkingDirectory = dir.Path();
    }

    // Answers the write-files dialog as a person would.
    void AnswerWriteFiles(int gridItem, int titleItem) {
        platform.ModalAnswers.emplace_back([this, gridItem, titleItem](Form& shown) {
            auto& dialog = static_cast<TFormWriteGridTitleFiles&>(shown);
            gridGroupVisible = dialog.RG_AddGrid.Visible();
            titleGroupVisible = dialog.RG_AddTitle.Visible();
            dialog.RG_AddGrid.SetItemIndex(gridItem);
            dialog.RG_AddTitle.SetItemIndex(titleItem);
            return ModalResultCancel;  // closed with the close box
        });
    }

    testing::TempDir dir;
    bool gridGroupVisible = false;
    bool titleGroupVisible = false;
};

// ---- Create output ----

TEST_F(CreateOutputTest, FailedDeterminationAsksForNoFile) {
    EnterValidSheet();
    form.EditYMin.SetText("");
    PressCreateOutput();
    EXPECT_EQ(form.Layout.LimitsError, 4);
    EXPECT_TRUE(platform.SaveDialogs.empty());
    EXPECT_TRUE(platform.Questions.empty());
}

TEST_F(CreateOutputTest, CancelledDialogDrawsNothingButTheLimitsWereDetermined) {
    EnterValidSheet();
    form.EditXMin.SetText("2000");
    PressCreateOutput();
    ASSERT_EQ(platform.SaveDialogs.size(), 1U);
    const auto& dialog = platform.SaveDialogs[0];
    EXPECT_EQ(dialog.Title, "Select the AutoCAD .dxf to create...");
    EXPECT_EQ(dialog.FileName, "*.dxf");
    EXPECT_EQ(dialog.DefaultExtension, "DXF");
    EXPECT_EQ(dialog.InitialDirectory, dir.Path());
    EXPECT_TRUE(form.LimitsReportShown.has_value());
    EXPECT_EQ(form.EditXMin.Text(), "1000.0");
    EXPECT_EQ(dir.FileCount(), 0U);
    EXPECT_TRUE(platform.Questions.empty());
}

TEST_F(CreateOutputTest, WritesTheDrawingThenAsksToExit) {
    EnterValidSheet();
    platform.SaveAnswers.emplace_back(dir / "sheet.dxf");
    PressCreateOutput();
    const auto file = testing::ReadDxfFile((dir / "sheet.dxf").string());
    EXPECT_EQ(file.Sections, (std::vector<std::string>{"HEADER", "TABLES", "ENTITIES"}));
    EXPECT_FALSE(file.OfType("POLYLINE", "North_Arrow").empty());  // the default size 0.5
    EXPECT_EQ(platform.Questions, std::vector<std::string>{ExitQuestion});
    EXPECT_FALSE(platform.ExitStatus.has_value());  // Cancel: back on the form
    EXPECT_EQ(platform.Errors, std::vector<std::string>{});
}

TEST_F(CreateOutputTest, NorthArrowStandsInTheCheckedCorner) {
    const struct {
        RadioButton TMGridInfo::*button;
        const char* x;
        const char* y;
    } cases[] = {
        // Size 0.5 at 100 feet per inch: 115 long, 57.5 from the edges.
        {&TMGridInfo::RBLowerLeft, "57.500", "57.500"},
        {&TMGridInfo::RBUpperLeft, "57.500", "327.500"},
        {&TMGridInfo::RBLowerRight, "942.500", "57.500"},
        {&TMGridInfo::RBUpperRight, "942.500", "327.500"},
    };
    EnterValidSheet();
    for (const auto& c : cases) {
        (form.*c.button).SetChecked(true);
        platform.SaveAnswers.emplace_back(dir / "arrow.dxf");
        PressCreateOutput();
        const auto arrow = testing::ReadDxfFile((dir / "arrow.dxf").string())
                               .OfType("POLYLINE", "North_Arrow");
        ASSERT_EQ(arrow.size(), 4U);
        EXPECT_EQ(arrow[0].Vertices[0].Value(10), c.x);
        EXPECT_EQ(arrow[0].Vertices[0].Value(20), c.y);
    }
}

TEST_F(CreateOutputTest, TwoOutputsInOneRunAreBothComplete) {
    EnterValidSheet();
    platform.SaveAnswers.emplace_back(dir / "first.dxf");
    PressCreateOutput();
    form.EditXMax.Type("800");
    platform.SaveAnswers.emplace_back(dir / "second.dxf");
    PressCreateOutput();
    const auto first = testing::ReadDxfFile((dir / "first.dxf").string());
    const auto second = testing::ReadDxfFile((dir / "second.dxf").string());
    EXPECT_EQ(first.HeaderValues("$EXTMAX")[0], "1000.000");
    EXPECT_EQ(second.HeaderValues("$EXTMAX")[0], "800.000");
    EXPECT_EQ(platform.Questions.size(), 2U);
}

struct TitleTypeCase {
    const char* name;
    int item;
    const char* type;
    const char* layer;  // the title block drawn, or nullptr for none
    bool drawn;
};

void PrintTo(const TitleTypeCase& c, std::ostream* os) { *os << c.name; }

class CreateOutputTitleTypeTest : public CreateOutputTest,
                                  public ::testing::WithParamInterface<TitleTypeCase> {};

TEST_P(CreateOutputTitleTypeTest, PlottedBlockNeedsTypeAOrB) {
    const TitleTypeCase& c = GetParam();
    EnterValidSheet();
    form.RGTitleBlock.SetItemIndex(c.item);
    // Past the edit's own normalisation, as a data file can leave it.
    form.EditTitleBlockType.OnChange = nullptr;
    form.EditTitleBlockType.SetText(c.type);
    platform.SaveAnswers.emplace_back(dir / "out.dxf");
    PressCreateOutput();
    if (!c.drawn) {
        EXPECT_EQ(form.MessageArea.Caption(), TitleTypeMessage);
        EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
        EXPECT_FALSE(fs::exists(dir / "out.dxf"));
        EXPECT_TRUE(platform.Questions.empty());
        return;
    }
    const auto file = testing::ReadDxfFile((dir / "out.dxf").string());
    for (const char* layer : {"Title_Block_A", "Title_Block_B"}) {
        const bool expected = c.layer != nullptr && std::string(c.layer) == layer;
        EXPECT_EQ(!file.OnLayer(layer).empty(), expected) << layer;
    }
    EXPECT_EQ(platform.Questions.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Types, CreateOutputTitleTypeTest,
                         ::testing::Values(TitleTypeCase{"PlotA", 0, "A", "Title_Block_A", true},
                                           TitleTypeCase{"PlotB", 0, "B", "Title_Block_B", true},
                                           TitleTypeCase{"PlotC", 0, "C", nullptr, false},
                                           TitleTypeCase{"PlotLowerA", 0, "a", nullptr, false},
                                           TitleTypeCase{"PlotEmpty", 0, "", nullptr, false},
                                           TitleTypeCase{"NoPlotEmpty", 1, "", nullptr, true},
                                           TitleTypeCase{"NoPlotC", 1, "C", nullptr, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CreateOutputTest, TitleBlockPrintsWhatTheTitleFormShowsAndTheDate) {
    EnterValidSheet();
    form.RGTitleBlock.SetItemIndex(0);
    form.EditTitleBlockType.Type("B");
    titleForm.EditCompany1.Type("Acme Mining");
    platform.Date = "06/12/2026";
    platform.SaveAnswers.emplace_back(dir / "titled.dxf");
    PressCreateOutput();
    const auto texts = testing::ReadDxfFile((dir / "titled.dxf").string()).Texts("Title_Block_B");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Acme Mining"), 3);  // printed bold
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "06/12/2026"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), (dir / "titled.dxf").string()), 1);
}

TEST_F(CreateOutputTest, DrawingThatCannotBeWrittenIsReportedAndNoExitIsOffered) {
    EnterValidSheet();
    platform.SaveAnswers.emplace_back(dir / "missing" / "sheet.dxf");
    PressCreateOutput();
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("sheet.dxf"), std::string::npos) << platform.Errors[0];
    EXPECT_TRUE(platform.Questions.empty());
}

TEST_F(CreateOutputTest, FailuresWhileDrawingLeaveNoFileAndAskNothing) {
    const struct {
        const char* name;
        Edit TMGridInfo::*edit;
        const char* text;
        const char* reported;  // part of the error report
    } cases[] = {
        {"north arrow size", &TMGridInfo::EditSize, "big", "NorthArrowSize"},
        {"too many grid lines", &TMGridInfo::EditXGrid, "0.0005", "1,000,000"},
    };
    for (const auto& c : cases) {
        platform.Errors.clear();
        EnterValidSheet();
        (form.*c.edit).SetText(c.text);
        const fs::path path = dir.Write("kept.dxf", "old drawing");
        platform.SaveAnswers.emplace_back(path);
        PressCreateOutput();
        ASSERT_EQ(platform.Errors.size(), 1U) << c.name;
        EXPECT_NE(platform.Errors[0].find(c.reported), std::string::npos) << platform.Errors[0];
        EXPECT_EQ(testing::TempDir::Read(path), "old drawing") << c.name;
        EXPECT_EQ(dir.FileCount(), 1U) << c.name;
        EXPECT_TRUE(platform.Questions.empty()) << c.name;
    }
}

TEST_F(CreateOutputTest, ConfirmedExitWritesTheChosenFilesThenEndsWithStatusOne) {
    EnterValidSheet();
    platform.SaveAnswers.emplace_back(dir / "sheet.dxf");
    platform.OkCancelAnswers.push_back(true);
    AnswerWriteFiles(0, -1);
    platform.SaveAnswers.emplace_back(dir / "grid.dat");
    PressCreateOutput();
    EXPECT_TRUE(fs::exists(dir / "sheet.dxf"));
    EXPECT_TRUE(fs::exists(dir / "grid.dat"));
    EXPECT_EQ(platform.ExitStatus, 1);
}

TEST_F(CreateOutputTest, FailedSaveAfterOutputKeepsTheProgramRunning) {
    EnterValidSheet();
    platform.SaveAnswers.emplace_back(dir / "sheet.dxf");
    platform.OkCancelAnswers.push_back(true);
    AnswerWriteFiles(0, -1);
    platform.SaveAnswers.emplace_back(dir / "missing" / "grid.dat");
    PressCreateOutput();
    EXPECT_TRUE(fs::exists(dir / "sheet.dxf"));
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("grid.dat"), std::string::npos);
    EXPECT_FALSE(platform.ExitStatus.has_value());
}

// ---- Leaving by the close box ----

TEST_F(CreateOutputTest, CancelKeepsTheProgramOpen) {
    EnterValidSheet();
    bool canClose = true;
    form.FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_EQ(platform.Questions, std::vector<std::string>{ExitQuestion});
    EXPECT_TRUE(platform.ModalForms.empty());
    form.Close();
    EXPECT_FALSE(platform.ExitStatus.has_value());
}

TEST_F(CreateOutputTest, NothingChangedClosesWithoutTheDialog) {
    platform.OkCancelAnswers.push_back(true);
    form.Close();
    EXPECT_TRUE(platform.ModalForms.empty());
    EXPECT_TRUE(platform.SaveDialogs.empty());
    EXPECT_EQ(platform.ExitStatus, 0);
}

TEST_F(CreateOutputTest, OnlyTheChangedKindIsOffered) {
    form.EditDescription.Type("x");
    platform.OkCancelAnswers.push_back(true);
    AnswerWriteFiles(-1, -1);
    bool canClose = false;
    form.FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(platform.ModalForms, std::vector<std::string>{"TFormWriteGridTitleFiles"});
    EXPECT_TRUE(gridGroupVisible);
    EXPECT_FALSE(titleGroupVisible);
    EXPECT_TRUE(platform.SaveDialogs.empty());  // no selection: nothing written
}

TEST_F(CreateOutputTest, NoForGridAndYesForTitleWritesOnlyTheTitleFile) {
    form.EditDescription.Type("x");
    titleForm.EditCompany1.Type("Acme");
    platform.OkCancelAnswers.push_back(true);
    AnswerWriteFiles(1, 0);
    platform.SaveAnswers.emplace_back(dir / "titles.dat");
    form.Close();
    EXPECT_TRUE(gridGroupVisible);
    EXPECT_TRUE(titleGroupVisible);
    EXPECT_EQ(platform.SaveDialogs.size(), 1U);
    EXPECT_TRUE(fs::exists(dir / "titles.dat"));
    EXPECT_EQ(dir.FileCount(), 1U);
    EXPECT_EQ(platform.ExitStatus, 0);
}

TEST_F(CreateOutputTest, FileThatCannotBeWrittenKeepsTheProgramOpen) {
    form.EditDescription.Type("x");
    platform.OkCancelAnswers.push_back(true);
    AnswerWriteFiles(0, -1);
    platform.SaveAnswers.emplace_back(dir / "missing" / "grid.dat");
    form.Close();
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_FALSE(platform.ExitStatus.has_value());
    EXPECT_EQ(form.Store.GridSetCount, 1);  // the set is still there to save
}

}  // namespace
}  // namespace quadrel
