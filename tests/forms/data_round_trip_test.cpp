// What a user reads, sees and saves: a value longer than the form lets anyone
// type is shown and written back whole, and the sample files survive a trip
// through the forms and the writers.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/text.h"
#include "datafiles/sample_files.h"
#include "support/app_fixture.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class DataRoundTripTest : public testing::AppFixture {
protected:
    testing::TempDir dir;
};

TEST_F(DataRoundTripTest, LongDescriptionFromAFileIsShownAndSavedWhole) {
    const std::string longDescription(65, 'D');
    std::string grid(SampleGridFileText());
    grid.replace(grid.find("Description 2"), 60, longDescription);  // the 60 columns before "/"
    platform.OpenAnswers.emplace_back(dir.Write("long.dat", grid));

    form.ButtonGetFileName.Click();

    ASSERT_EQ(form.Store.GridSetCount, 2);
    EXPECT_EQ(form.EditDescription.Text(), longDescription);
    EXPECT_EQ(form.Store.Current().Description, longDescription);

    platform.SaveAnswers.emplace_back(dir / "saved.dat");
    ASSERT_TRUE(form.WriteGridDataFile());
    const auto saved = Lines(testing::TempDir::Read(dir / "saved.dat"));
    ASSERT_EQ(saved.size(), 32U);
    EXPECT_EQ(saved[16], longDescription + "/ Description (60 chars. Max.)");

    // A person typing is held to the edit's 60 characters.
    form.EditDescription.Type(longDescription);
    EXPECT_EQ(form.Store.Current().Description, std::string(60, 'D'));
}

TEST_F(DataRoundTripTest, TitleSamplesReadThroughTheFormAndWrittenBackKeepEveryValue) {
    platform.OpenAnswers.emplace_back(dir.Write("title.dat", SampleTitleFileText()));
    form.ButtonGetTitleData.Click();
    ASSERT_EQ(titleForm.Store.TitleSetCount, 2);
    EXPECT_EQ(titleForm.EditCompany2.Text(), "Wishful Thinking Mine");
    EXPECT_FALSE(titleForm.Store.TitleSetsChanged());

    platform.SaveAnswers.emplace_back(dir / "saved.dat");
    ASSERT_TRUE(titleForm.WriteTitleDataFile());
    const auto sample = Lines(std::string(SampleTitleFileText()));
    const auto saved = Lines(testing::TempDir::Read(dir / "saved.dat"));
    ASSERT_EQ(saved.size(), sample.size());
    for (std::size_t i = 0; i < sample.size(); ++i) {
        // The same value before the "/" on every line; the approvals'
        // comments are the writer's own.
        EXPECT_EQ(Trim(saved[i].substr(0, 30)), Trim(sample[i].substr(0, 30))) << "line " << i + 1;
    }
}

TEST_F(DataRoundTripTest, AFileThatCannotBeSavedIsReportedByNameAndKeepsTheProgramOpen) {
    platform.OpenAnswers.emplace_back(dir.Write("grid.dat", SampleGridFileText()));
    form.ButtonGetFileName.Click();
    const auto target = dir / "no such folder" / "grid.dat";

    platform.SaveAnswers.emplace_back(target);
    EXPECT_FALSE(form.WriteGridDataFile());
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find(target.string()), std::string::npos) << platform.Errors[0];
    EXPECT_EQ(form.Store.GridSetCount, 2);
}

}  // namespace
}  // namespace quadrel
