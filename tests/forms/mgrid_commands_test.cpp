// The main form's commands: the data file dialogs, the sample files, help,
// and the exit flow's grid writer.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/atomic_file.h"
#include "datafiles/grid_file.h"
#include "support/app_fixture.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;

// The 16 lines of one grid set: metric, limits 0..1000, scale 1000.
std::string GridSetText(const std::string& description) {
    return description + "\n" +
           "M\n"
           "East\n"
           "North\n"
           "0 1000 100 1000 0 0.0 / XMin, XMax, XGrid, XScale, XAdd, XConst\n"
           "0 1000 100 1000 0 0.0 / YMin, YMax, YGrid, YScale, YAdd, YConst\n"
           "0 0.25 0.25\n"
           "\n"
           "0 0.25 0.25\n"
           "\n"
           "0.0\n"
           "0.000 0.000 0.000 0.000\n"
           "UR 0.5 0.0\n"
           "N\n"
           "A\n"
           " \n";
}

std::string GridFileWithSets(int count) {
    std::string text;
    for (int s = 1; s <= count; ++s) text += GridSetText("Set " + std::to_string(s));
    return text;
}

std::string TitleSetText(const std::string& company) {
    std::string text = company + "\n";
    for (int line = 2; line <= 13; ++line) text += "Line " + std::to_string(line) + "\n";
    return text + " \n";
}

std::string TitleFileWithSets(int count) {
    std::string text;
    for (int s = 1; s <= count; ++s) text += TitleSetText("Company " + std::to_string(s));
    return text;
}

class CommandsTest : public testing::AppFixture {
protected:
    void SetUp() override {
        form.DataDirectory = dir.Path();
        form.WorkingDirectory = dir.Path();
    }

    testing::TempDir dir;
};

// ---- Open grid data file ----

TEST_F(CommandsTest, GridOpenDialogIsSetUpForDataFiles) {
    form.ButtonGetFileName.Click();
    ASSERT_EQ(platform.OpenDialogs.size(), 1U);
    const auto& dialog = platform.OpenDialogs[0];
    EXPECT_EQ(dialog.Title, "Find the grid data file you want...");
    EXPECT_EQ(dialog.InitialDirectory, dir.Path());
    EXPECT_EQ(dialog.FileName, "*.dat");
    EXPECT_EQ(dialog.DefaultExtension, "DAT");
}

TEST_F(CommandsTest, CancelledGridDialogChangesNothing) {
    form.ButtonGetFileName.Click();
    EXPECT_EQ(form.Store.GridSetCount, 0);
    EXPECT_FALSE(form.Store.GridFileLoaded);
    EXPECT_TRUE(form.ButtonGetFileName.Enabled());
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_FALSE(form.LimitsReportShown.has_value());
}

TEST_F(CommandsTest, UnreadableGridFileIsReportedAndChangesNothing) {
    platform.OpenAnswers.emplace_back(dir / "missing.dat");
    form.ButtonGetFileName.Click();
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("missing.dat"), std::string::npos) << platform.Errors[0];
    EXPECT_EQ(form.Store.GridSetCount, 0);
    EXPECT_FALSE(form.Store.GridFileLoaded);
    EXPECT_TRUE(form.ButtonGetFileName.Enabled());
    EXPECT_EQ(form.Layout.LimitsError, 0);
    EXPECT_FALSE(form.LimitsReportShown.has_value());
}

TEST_F(CommandsTest, ReadingGridFileShowsLastSetAndDeterminesItsLimits) {
    platform.OpenAnswers.emplace_back(dir.Write("two.dat", GridFileWithSets(2)));
    form.ButtonGetFileName.Click();
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_TRUE(form.Store.GridFileLoaded);
    EXPECT_EQ(form.Store.GridSetCount, 2);
    EXPECT_EQ(form.Store.CurrentGridSet, 1);
    EXPECT_EQ(form.EditDescription.Text(), "Set 2");
    EXPECT_FALSE(form.ButtonGetFileName.Enabled());
    EXPECT_FALSE(form.DetermineLimitsButton.Enabled());
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
    ASSERT_TRUE(form.LimitsReportShown);
    EXPECT_EQ((*form.LimitsReportShown)[6],
              "X-Axis:          0.0       1000.0    1000.00   39.37   100.0");
}

TEST_F(CommandsTest, GridFileBeyondCapacityShowsMessage100AndDoesNotLoad) {
    platform.OpenAnswers.emplace_back(dir.Write("many.dat", GridFileWithSets(51)));
    form.ButtonGetFileName.Click();
    EXPECT_EQ(form.Layout.LimitsError, 100);
    EXPECT_EQ(form.MessageArea.Caption(),
              " - 0100: Maximum number of grid sets have been read. Read grid data");
    EXPECT_EQ(form.Store.GridSetCount, 50);
    EXPECT_FALSE(form.Store.GridFileLoaded);
    EXPECT_TRUE(form.ButtonGetFileName.Enabled());
    EXPECT_FALSE(form.LimitsReportShown.has_value());
    EXPECT_EQ(platform.Beeps, 1);
}

// ---- Open title block data file ----

TEST_F(CommandsTest, TitleDialogCancelledShowsNoForm) {
    form.ButtonGetTitleData.Click();
    ASSERT_EQ(platform.OpenDialogs.size(), 1U);
    EXPECT_EQ(platform.OpenDialogs[0].Title, "Find the title data file you want...");
    EXPECT_EQ(platform.OpenDialogs[0].FileName, "*.dat");
    EXPECT_EQ(platform.OpenDialogs[0].DefaultExtension, "DAT");
    EXPECT_EQ(platform.OpenDialogs[0].InitialDirectory, dir.Path());
    EXPECT_TRUE(platform.ModalForms.empty());
    EXPECT_TRUE(form.ButtonGetTitleData.Enabled());
}

TEST_F(CommandsTest, UnreadableTitleFileDisablesOutputAndIsReported) {
    form.BitBtnCreateOutput.SetEnabled(true);
    platform.OpenAnswers.emplace_back(dir / "nope.dat");
    form.ButtonGetTitleData.Click();
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("nope.dat"), std::string::npos);
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
    EXPECT_EQ(titleForm.Store.TitleSetCount, 0);
    EXPECT_FALSE(titleForm.Store.TitleFileLoaded);
    EXPECT_TRUE(platform.ModalForms.empty());
}

TEST_F(CommandsTest, ReadingTitleFileOpensTheFormOnTheCurrentSet) {
    platform.OpenAnswers.emplace_back(dir.Write("titles.dat", TitleFileWithSets(2)));
    std::string shownWhileOpen;
    bool outputEnabledWhileOpen = true;
    platform.ModalAnswers.emplace_back([&](Form&) {
        shownWhileOpen = titleForm.EditCompany1.Text();
        outputEnabledWhileOpen = form.BitBtnCreateOutput.Enabled();
        return ModalResultOk;
    });
    form.ButtonGetTitleData.Click();
    EXPECT_EQ(platform.ModalForms, std::vector<std::string>{"TTitleBlockForm"});
    EXPECT_EQ(shownWhileOpen, "Company 1");
    EXPECT_FALSE(outputEnabledWhileOpen);
    EXPECT_TRUE(titleForm.Store.TitleFileLoaded);
    EXPECT_EQ(titleForm.Store.TitleSetCount, 2);
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
    EXPECT_FALSE(form.ButtonGetTitleData.Enabled());
}

TEST_F(CommandsTest, TitleFileBeyondCapacityShowsMessage101) {
    platform.OpenAnswers.emplace_back(dir.Write("many.dat", TitleFileWithSets(51)));
    form.ButtonGetTitleData.Click();
    EXPECT_EQ(form.Layout.LimitsError, 101);
    EXPECT_EQ(form.MessageArea.Caption(),
              " - 0101: Maximum number of title sets have been read. Read title data");
    EXPECT_EQ(titleForm.Store.TitleSetCount, 50);
    EXPECT_FALSE(titleForm.Store.TitleFileLoaded);
    EXPECT_TRUE(platform.ModalForms.empty());
    EXPECT_TRUE(form.ButtonGetTitleData.Enabled());
}

// ---- Sample files ----

TEST_F(CommandsTest, SampleFilesAreWrittenThenAnnounced) {
    form.BitBtnCreateOutput.SetEnabled(true);
    form.BitBtnCreateSampleFiles.Click();
    EXPECT_TRUE(fs::is_regular_file(dir / "QDLGrid.SAM"));
    EXPECT_TRUE(fs::is_regular_file(dir / "QDLTitle.SAM"));
    EXPECT_EQ(form.MessageArea.Caption(),
              " - 1000: 2 sample files called QDLGrid.SAM and QDLTitle.SAM have been created "
              "for you.");
    EXPECT_FALSE(form.BitBtnCreateSampleFiles.Enabled());
    EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
    EXPECT_EQ(platform.Beeps, 1);
    EXPECT_TRUE(platform.Errors.empty());
}

TEST_F(CommandsTest, SampleFileThatCannotBeWrittenIsReportedInsteadOfTheMessage) {
    // The grid file can be written, the title file cannot.
    fs::create_directory(dir / "QDLTitle.SAM");
    form.BitBtnCreateSampleFiles.Click();
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("QDLTitle.SAM"), std::string::npos) << platform.Errors[0];
    EXPECT_EQ(form.MessageArea.Caption(), "");
    EXPECT_EQ(platform.Beeps, 0);
    EXPECT_FALSE(form.BitBtnCreateSampleFiles.Enabled());
}

TEST_F(CommandsTest, SampleFilesIntoAMissingFolderAreReported) {
    form.WorkingDirectory = dir / "no" / "such" / "folder";
    form.BitBtnCreateSampleFiles.Click();
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("QDLGrid.SAM"), std::string::npos) << platform.Errors[0];
    EXPECT_EQ(form.MessageArea.Caption(), "");
}

// ---- Help and the title block form ----

TEST_F(CommandsTest, HelpAsksForTheContentsOfTheHelpFile) {
    form.BitBtnHelp.Click();
    EXPECT_EQ(platform.HelpRequests, std::vector<std::string>{"QDL32BC3.hlp 3 0"});
}

TEST_F(CommandsTest, ShowTitleBlockDataOpensTheTitleFormModally) {
    form.ButtonTitleBlockData.Click();
    EXPECT_EQ(platform.ModalForms, std::vector<std::string>{"TTitleBlockForm"});
}

// ---- The exit flow's grid writer ----

TEST_F(CommandsTest, GridWriterWithNothingToWriteAsksNothing) {
    EXPECT_TRUE(form.WriteGridDataFile());
    EXPECT_TRUE(platform.SaveDialogs.empty());
}

TEST_F(CommandsTest, GridWriterCancelledWritesNothing) {
    form.Store.GridLineCount = 16;
    form.Store.GridSetCount = 1;
    EXPECT_TRUE(form.WriteGridDataFile());
    ASSERT_EQ(platform.SaveDialogs.size(), 1U);
    EXPECT_EQ(platform.SaveDialogs[0].Title, "Find or create the grid data file you want...");
    EXPECT_EQ(platform.SaveDialogs[0].FileName, "*.dat");
    EXPECT_EQ(platform.SaveDialogs[0].DefaultExtension, "DAT");
    EXPECT_EQ(platform.SaveDialogs[0].InitialDirectory, dir.Path());
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST_F(CommandsTest, GridWriterWritesTheSetsInUse) {
    platform.OpenAnswers.emplace_back(dir.Write("in.dat", GridFileWithSets(3)));
    form.ButtonGetFileName.Click();
    platform.SaveAnswers.emplace_back(dir / "out.dat");
    EXPECT_TRUE(form.WriteGridDataFile());
    GridSetStore readBack;
    ReadGridFile(dir / "out.dat", readBack);
    EXPECT_EQ(readBack.GridSetCount, 3);
    EXPECT_EQ(readBack.GridSets[2].Description, "Set 3");
}

TEST_F(CommandsTest, GridWriterFailureIsReportedAndAnswered) {
    form.Store.GridLineCount = 16;
    form.Store.GridSetCount = 1;
    platform.SaveAnswers.emplace_back(dir / "missing" / "out.dat");
    EXPECT_FALSE(form.WriteGridDataFile());
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("out.dat"), std::string::npos);
}

}  // namespace
}  // namespace quadrel
