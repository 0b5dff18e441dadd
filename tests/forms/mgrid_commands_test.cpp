// The main form's commands: opening the data files and writing them back,
// Determine Limits, the sample files and help.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/text.h"
#include "datafiles/sample_files.h"
#include "datafiles/title_file.h"
#include "forms/data_file_text.h"
#include "support/app_fixture.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

namespace fs = std::filesystem;

class CommandsTest : public testing::AppFixture {
protected:
    void PressDetermineLimits() {
        form.DetermineLimitsButton.SetEnabled(true);
        form.DetermineLimitsButton.Click();
    }
};

TEST_F(CommandsTest, DataFileThatCannotBeReadOrHoldsTooManySetsLoadsNothing) {
    const struct {
        bool grid;
        fs::path file;
        const char* reported;  // part of the error report, or the message area
    } cases[] = {
        {true, dir / "missing.dat", "missing.dat"},
        {true, dir.Write("many.dat", testing::GridFileText(51)), " - 0100: Maximum number of grid"},
        {false, dir / "nope.dat", "nope.dat"},
        {false, dir.Write("titles.dat", testing::TitleFileText(51)), " - 0101: Maximum number"},
    };
    for (const auto& c : cases) {
        platform.OpenAnswers.emplace_back(c.file);
        (c.grid ? form.ButtonGetFileName : form.ButtonGetTitleData).Click();
        const std::string shown =
            platform.Errors.empty() ? form.MessageArea.Caption() : platform.Errors.back();
        EXPECT_NE(shown.find(c.reported), std::string::npos) << shown;
        EXPECT_FALSE(form.Store.GridFileLoaded || titleForm.Store.TitleFileLoaded) << c.reported;
        EXPECT_TRUE(form.ButtonGetFileName.Enabled() && form.ButtonGetTitleData.Enabled());
        EXPECT_FALSE(form.LimitsReportShown.has_value());
        platform.Errors.clear();
    }
    EXPECT_TRUE(platform.ModalForms.empty());
}

TEST_F(CommandsTest, SampleFilesAreAnnouncedOnlyWhenBothWereWritten) {
    fs::create_directory(dir / "QDLTitle.SAM");  // the grid sample can be written, this cannot
    form.BitBtnCreateSampleFiles.Click();
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("QDLTitle.SAM"), std::string::npos) << platform.Errors[0];
    EXPECT_EQ(form.MessageArea.Caption(), "");
}

// ---- Determine Limits ----

TEST_F(CommandsTest, WritesBackOrderedLimitsPositiveScalesAndCutsButKeepsFullPrecision) {
    EnterValidSheet();
    form.EditXMin.Type("500.75");
    form.EditXMax.Type("100");
    form.EditYScale.Type("-250.55");
    form.EditCutLeft.Type("-0.5");
    form.EditCutRight.Type("");
    PressDetermineLimits();
    EXPECT_EQ(form.EditedGridSet().XMin, "100.0");
    EXPECT_EQ(form.EditedGridSet().XMax, "500.8");
    EXPECT_EQ(form.EditedGridSet().YScale, "250.6");
    EXPECT_EQ(form.EditedGridSet().CutLeft, "0.500");
    EXPECT_EQ(form.EditedGridSet().CutRight, "0.000");
    EXPECT_EQ(form.Store.Current().XMax, "500.8");
    EXPECT_DOUBLE_EQ(form.Layout.XMax, 500.75);
    EXPECT_DOUBLE_EQ(form.Layout.YScale, 250.55);
    ASSERT_TRUE(form.LimitsReportShown);
    EXPECT_EQ(form.MessageArea.Caption(), " ");
    EXPECT_TRUE(form.BitBtnCreateOutput.Enabled());
}

TEST_F(CommandsTest, FirstMissingFieldIsMarkedAndReportedAndNoReportIsLeft) {
    const struct {
        Edit TMGridInfo::*edit;
        const char* text;
        MessageCode code;
    } cases[] = {
        {&TMGridInfo::EditYMin, "  ", 4},          {&TMGridInfo::EditYMax, "", 5},
        {&TMGridInfo::EditYScale, "-0.00", 7},     {&TMGridInfo::EditXMin, "Fill in!", 10},
        {&TMGridInfo::EditXMax, " Fill in! ", 11}, {&TMGridInfo::EditXScale, "1e-999", 13}};
    for (const auto& c : cases) {
        EnterValidSheet();
        PressDetermineLimits();
        ASSERT_TRUE(form.LimitsReportShown);
        form.EditXScale.Type("0");  // missing too, but checked last
        (form.*c.edit).Type(c.text);
        const int beeps = platform.Beeps;
        PressDetermineLimits();
        EXPECT_EQ(Trim((form.*c.edit).Text()), "Fill in!") << c.code;
        if (c.code != 13) {
            EXPECT_EQ(form.EditXScale.Text(), "0");
        }
        EXPECT_EQ(form.LimitsError, c.code);
        EXPECT_FALSE(form.LimitsReportShown.has_value());
        EXPECT_FALSE(form.BitBtnCreateOutput.Enabled());
        EXPECT_EQ(platform.Beeps, beeps + 1);
    }
    EXPECT_EQ(form.MessageArea.Caption(), " - 0013: X-Scale MUST be filled in! XScale");
    EXPECT_TRUE(platform.Errors.empty()) << platform.Errors.front();
}

// The report describes the sheet it was determined for, never another one.
TEST_F(CommandsTest, TheLimitsReportGoesWhenTheFormShowsAnotherSheet) {
    platform.OpenAnswers.emplace_back(dir.Write("grid.dat", testing::GridFileText(3)));
    form.ButtonGetFileName.Click();
    int told = 0;
    form.OnLimitsReportChanged = [&told] { ++told; };
    const auto confirm = [this] {
        platform.ModalAnswers.emplace_back([](Form&) { return ModalResultOk; });
    };
    const struct {
        const char* what;
        std::function<void()> act;
        bool kept;
    } steps[] = {
        {"an arrow", [&] { form.BitBtnDown.Click(); }, false},
        {"Add Set", [&] { form.ButtonAddSet.Click(); }, false},
        {"Delete Set", [&] { confirm(), form.ButtonDeleteSet.Click(); }, false},
        {"a typed field", [&] { form.EditBorderSize.Type("0.5"); }, false},
        {"a text that is no number", [&] { form.EditXMin.Type("x"); }, false},
        {"a click into I/M", [&] { form.EditImpMet.Click(); }, false},
        {"a corner", [&] { form.RBLowerLeft.Click(); }, false},
        {"the title block choice", [&] { form.RGTitleBlock.SetItemIndex(0); }, false},
        {"a title text", [&] { titleForm.EditOffice.Type("x"); }, true},
        {"Delete Set cancelled", [&] { form.ButtonDeleteSet.Click(); }, true},
    };
    for (const auto& step : steps) {
        form.EditXMin.Type("0");
        PressDetermineLimits();
        ASSERT_TRUE(form.LimitsReportShown) << step.what;
        told = 0;
        step.act();
        EXPECT_EQ(form.LimitsReportShown.has_value(), step.kept) << step.what;
        EXPECT_EQ(told, step.kept ? 0 : 1) << step.what;
    }
}

// ---- The data files read and written back whole ----

TEST_F(CommandsTest, LongDescriptionFromAFileIsKeptWholeButTypingIsHeldToSixty) {
    const std::string longDescription(65, 'D');
    std::string grid(SampleGridFileText());
    grid.replace(grid.find("Description 2"), 60, longDescription);  // the 60 columns before "/"
    platform.OpenAnswers.emplace_back(dir.Write("long.dat", grid));
    form.ButtonGetFileName.Click();
    EXPECT_EQ(platform.OpenDialogs.at(0).InitialDirectory, dir.Path());
    EXPECT_EQ(form.Store.Current().Description, longDescription);
    form.EditDescription.Type(longDescription);
    EXPECT_EQ(form.Store.Current().Description, std::string(60, 'D'));
}

TEST_F(CommandsTest, TitleFileOpensTheFormOnItsFirstSetAndIsSavedAsStored) {
    platform.OpenAnswers.emplace_back(dir.Write("title.dat", SampleTitleFileText()));
    form.ButtonGetTitleData.Click();
    // The form opened on the first set; the file cannot be opened again.
    EXPECT_EQ(platform.ModalForms, std::vector<std::string>{"TTitleBlockForm"});
    EXPECT_FALSE(form.ButtonGetTitleData.Enabled());
    ASSERT_EQ(titleForm.Store.TitleSetCount, 2);
    EXPECT_EQ(titleForm.EditCompany2.Text(), "Wishful Thinking Mine");
    EXPECT_FALSE(titleForm.Store.TitleSetsChanged());
    platform.SaveAnswers.emplace_back(dir / "saved.dat");
    ASSERT_TRUE(titleForm.WriteTitleDataFile());
    EXPECT_EQ(testing::TempDir::Read(dir / "saved.dat"), TitleFileText(titleForm.Store));
}

}  // namespace
}  // namespace quadrel
