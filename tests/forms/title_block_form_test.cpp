// The title block data form, the delete confirmation and the write-files
// dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datafiles/title_file.h"
#include "support/app_fixture.h"
#include "support/temp_dir.h"

namespace quadrel {
namespace {

class TitleBlockFormTest : public testing::AppFixture {
protected:
    // As if a title block data file with `count` complete sets had been
    // read: field k of set s holds "s.k".
    void Load(int count) {
        auto& store = titleForm.Store;
        for (int s = 0; s < count; ++s) {
            for (int line = 0; line < TitleLinesPerSet; ++line) {
                const auto index = static_cast<std::size_t>(s * TitleLinesPerSet + line);
                store.TitleLines[index] = line < TitleFieldCount
                                              ? std::to_string(s + 1) + "." + std::to_string(line)
                                              : " ";
                store.AsReadTitleLines[index] = store.TitleLines[index];
            }
        }
        store.TitleSetCount = count;
        store.TitleLineCount = store.TitleLinesRead = count * TitleLinesPerSet;
        store.TitleFileLoaded = true;
        titleForm.ShowTitleSet();
    }

    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (Edit* edit : titleForm.FieldEdits()) texts.push_back(edit->Text());
        return texts;
    }

    // Field k of set s (from 1) as Load put it there.
    static std::string Loaded(int set, int k) {
        return std::to_string(set) + "." + std::to_string(k);
    }

    void ConfirmNextDelete(bool ok) {
        platform.ModalAnswers.emplace_back([ok](Form& dialog) {
            auto& confirm = dynamic_cast<TFormReallyDeleteSet&>(dialog);
            (ok ? confirm.BitBtnDS_Ok : confirm.BitBtnDS_Cancel).Click();
            return confirm.ModalResult;
        });
    }
};

TEST_F(TitleBlockFormTest, ControlsCarryTheirCaptionsAndLimits) {
    EXPECT_EQ(titleForm.Caption(), "Title Block - Data Entry Form ");
    const std::vector<std::size_t> limits{30, 30, 30, 30, 30, 24, 24, 12, 12, 25, 25, 25, 30};
    const auto edits = titleForm.FieldEdits();
    for (std::size_t k = 0; k < edits.size(); ++k) {
        EXPECT_EQ(edits[k]->MaxLength, limits[k]) << edits[k]->Name();
    }
    EXPECT_EQ(titleForm.LabelCompany1.Caption(), "Company Designation 1");
    EXPECT_EQ(titleForm.LabelMainTitle3.Caption(), "Main title 3");
    EXPECT_EQ(titleForm.LabelMapIndex.Caption(), "Map Index or Plate Number");
    EXPECT_EQ(titleForm.LabelDrawingNumber.Caption(), "Drawing Number");
    EXPECT_EQ(titleForm.LabelPreparedBy.Caption(), "Prepared by");
    EXPECT_EQ(titleForm.ButtonAddSet.Caption(), "Add Set");
    EXPECT_EQ(titleForm.ButtonDeleteSet.Caption(), "Delete Set");
}

TEST_F(TitleBlockFormTest, TypingLongerThanTheLimitKeepsTheLimit) {
    titleForm.EditMapIndex.Type("ABCDEFGHIJKLMNOP");
    EXPECT_EQ(titleForm.EditMapIndex.Text(), "ABCDEFGHIJKL");
    EXPECT_EQ(titleForm.Store.TitleLines[7], "ABCDEFGHIJKL");
}

TEST_F(TitleBlockFormTest, FirstKeystrokeBeforeAFileCreatesTitleSetOne) {
    titleForm.EditOffice.Type("A");
    const auto& store = titleForm.Store;
    EXPECT_EQ(store.TitleSetCount, 1);
    EXPECT_EQ(store.TitleLineCount, 14);
    EXPECT_EQ(store.TitleLines[5], "A");
    for (int k = 0; k < TitleFieldCount; ++k) {
        if (k != 5) {
            EXPECT_EQ(store.TitleLines[static_cast<std::size_t>(k)], " ") << k;
        }
    }
    titleForm.EditDrawnBy.Type("T. Fenn");
    EXPECT_EQ(store.TitleSetCount, 1);
    EXPECT_EQ(store.TitleLineCount, 14);
}

TEST_F(TitleBlockFormTest, TextsAreStoredExactlyAsTyped) {
    Load(2);
    titleForm.BitBtnUp.Click();
    titleForm.EditCompany2.Type("  Bag o' Dirt  ");
    EXPECT_EQ(titleForm.Store.TitleLines[14 + 1], "  Bag o' Dirt  ");
    EXPECT_EQ(titleForm.Store.TitleSetCount, 2);
}

TEST_F(TitleBlockFormTest, AddSetBeforeAFileDoesNothing) {
    titleForm.EditCompany1.Type("Typed");
    titleForm.ButtonAddSet.Click();
    EXPECT_EQ(titleForm.Store.TitleSetCount, 1);
    EXPECT_EQ(titleForm.Store.TitleLineCount, 14);
    EXPECT_EQ(titleForm.Store.CurrentTitleSet, 1);
    EXPECT_EQ(titleForm.EditCompany1.Text(), "Typed");
}

TEST_F(TitleBlockFormTest, AddSetAppendsANewSetAndShowsIt) {
    Load(2);
    titleForm.ButtonAddSet.Click();
    const auto& store = titleForm.Store;
    EXPECT_EQ(store.TitleSetCount, 3);
    EXPECT_EQ(store.CurrentTitleSet, 3);
    EXPECT_EQ(store.TitleLineCount, 42);
    std::vector<std::string> expected(13, "");
    expected[0] = "New set";
    EXPECT_EQ(Shown(), expected);
    EXPECT_EQ(store.TitleLines[28], "New set");
}

TEST_F(TitleBlockFormTest, AddSetAtCapacityDoesNothing) {
    Load(50);
    titleForm.BitBtnDown.Click();
    titleForm.ButtonAddSet.Click();
    EXPECT_EQ(titleForm.Store.TitleSetCount, 50);
    EXPECT_EQ(titleForm.Store.TitleLineCount, 700);
    EXPECT_EQ(titleForm.Store.CurrentTitleSet, 1);
}

TEST_F(TitleBlockFormTest, DeletingAMiddleSetMovesTheLaterOnesUp) {
    Load(3);
    titleForm.BitBtnUp.Click();  // set 2
    ConfirmNextDelete(true);
    titleForm.ButtonDeleteSet.Click();
    const auto& store = titleForm.Store;
    EXPECT_EQ(platform.ModalForms, std::vector<std::string>{"TFormReallyDeleteSet"});
    EXPECT_EQ(store.TitleSetCount, 2);
    EXPECT_EQ(store.TitleLineCount, 28);
    EXPECT_EQ(store.CurrentTitleSet, 1);
    EXPECT_EQ(store.TitleLines[14], Loaded(3, 0));
    EXPECT_EQ(store.TitleLines[26], Loaded(3, 12));
    // The copies as read stay where the file put them.
    EXPECT_EQ(store.AsReadTitleLines[14], Loaded(2, 0));
    EXPECT_EQ(Shown()[0], Loaded(1, 0));
}

TEST_F(TitleBlockFormTest, DeletingTheLastSetShowsTheOneBefore) {
    Load(3);
    titleForm.BitBtnUp.Click();
    titleForm.BitBtnUp.Click();
    ConfirmNextDelete(true);
    titleForm.ButtonDeleteSet.Click();
    EXPECT_EQ(titleForm.Store.TitleSetCount, 2);
    EXPECT_EQ(titleForm.Store.CurrentTitleSet, 2);
    EXPECT_EQ(Shown()[12], Loaded(2, 12));
}

TEST_F(TitleBlockFormTest, CancelledDeleteChangesNothing) {
    Load(3);
    titleForm.BitBtnUp.Click();
    const auto before = titleForm.Store.TitleLines;
    ConfirmNextDelete(false);
    titleForm.ButtonDeleteSet.Click();
    EXPECT_EQ(titleForm.Store.TitleSetCount, 3);
    EXPECT_EQ(titleForm.Store.TitleLineCount, 42);
    EXPECT_EQ(titleForm.Store.CurrentTitleSet, 2);
    EXPECT_EQ(titleForm.Store.TitleLines, before);
}

TEST_F(TitleBlockFormTest, DeleteWithNoSetAsksNothing) {
    titleForm.ButtonDeleteSet.Click();
    EXPECT_TRUE(platform.ModalForms.empty());
    EXPECT_EQ(titleForm.Store.TitleLineCount, 0);
}

TEST_F(TitleBlockFormTest, DeletingTheOnlyTypedSetLeavesNoneAndEmptyEdits) {
    titleForm.EditCompany1.Type("Typed");
    ConfirmNextDelete(true);
    titleForm.ButtonDeleteSet.Click();
    const auto& store = titleForm.Store;
    EXPECT_EQ(store.TitleSetCount, 0);
    EXPECT_EQ(store.TitleLineCount, 0);
    EXPECT_EQ(store.CurrentTitleSet, 1);
    for (std::size_t line = 0; line < 14; ++line) EXPECT_EQ(store.TitleLines[line], "");
    // Emptying the edits neither stores nor creates a set again.
    EXPECT_EQ(Shown(), std::vector<std::string>(13, ""));
    EXPECT_FALSE(store.TitleSetsChanged());
}

TEST_F(TitleBlockFormTest, DeletingAnIncompleteSetNeverMakesTheLineCountNegative) {
    // A file that ended five lines into its only set.
    auto& store = titleForm.Store;
    store.TitleLines[0] = "Half";
    store.TitleSetCount = 1;
    store.TitleLineCount = store.TitleLinesRead = 5;
    store.TitleFileLoaded = true;
    ConfirmNextDelete(true);
    titleForm.ButtonDeleteSet.Click();
    EXPECT_EQ(store.TitleLineCount, 0);
    EXPECT_EQ(store.TitleSetCount, 0);
    // Deleting again finds no set.
    titleForm.ButtonDeleteSet.Click();
    EXPECT_EQ(store.TitleLineCount, 0);
    EXPECT_EQ(platform.ModalForms.size(), 1U);
}

TEST_F(TitleBlockFormTest, ArrowsStopAtEitherEnd) {
    Load(2);
    titleForm.BitBtnDown.Click();
    EXPECT_EQ(titleForm.Store.CurrentTitleSet, 1);
    EXPECT_EQ(Shown()[0], Loaded(1, 0));
    titleForm.BitBtnUp.Click();
    titleForm.BitBtnUp.Click();
    EXPECT_EQ(titleForm.Store.CurrentTitleSet, 2);
    EXPECT_EQ(Shown()[0], Loaded(2, 0));
    EXPECT_EQ(Shown()[12], Loaded(2, 12));
}

TEST_F(TitleBlockFormTest, UpWithNoSetStaysOnSetOne) {
    titleForm.BitBtnUp.Click();
    EXPECT_EQ(titleForm.Store.CurrentTitleSet, 1);
    EXPECT_EQ(Shown(), std::vector<std::string>(13, ""));
}

TEST_F(TitleBlockFormTest, ShowingASetNumberBeyondTheTableTouchesNothing) {
    Load(1);
    const auto before = titleForm.Store.TitleLines;
    for (int bad : {0, 51, -3}) {
        titleForm.Store.CurrentTitleSet = bad;
        titleForm.ShowTitleSet();
        EXPECT_EQ(Shown()[1], Loaded(1, 1)) << bad;
        // Typing has no place to store into.
        titleForm.EditCompany1.Type("x" + std::to_string(bad));
    }
    EXPECT_EQ(titleForm.Store.TitleLines, before);
}

TEST_F(TitleBlockFormTest, OkClosesWithModalResultOne) {
    platform.ModalAnswers.emplace_back([](Form& dialog) {
        auto& form = dynamic_cast<TTitleBlockForm&>(dialog);
        form.BitBtnOk.Click();
        return form.ModalResult;
    });
    EXPECT_EQ(platform.ShowModal(titleForm), ModalResultOk);
}

TEST_F(TitleBlockFormTest, WriterWithNoLinesAsksNothing) {
    EXPECT_TRUE(titleForm.WriteTitleDataFile());
    EXPECT_TRUE(platform.SaveDialogs.empty());
}

TEST_F(TitleBlockFormTest, WriterWritesTheLinesInUse) {
    testing::TempDir dir;
    Load(2);
    platform.SaveAnswers.emplace_back(dir / "titles.dat");
    EXPECT_TRUE(titleForm.WriteTitleDataFile());
    ASSERT_EQ(platform.SaveDialogs.size(), 1U);
    EXPECT_EQ(platform.SaveDialogs[0].Title,
              "Find or create the title block data file you want...");
    EXPECT_EQ(platform.SaveDialogs[0].FileName, "*.dat");
    EXPECT_EQ(platform.SaveDialogs[0].DefaultExtension, "DAT");
    TitleSetStore readBack;
    ReadTitleFile(dir / "titles.dat", readBack);
    EXPECT_EQ(readBack.TitleLineCount, 28);
    EXPECT_EQ(readBack.TitleLines[14], Loaded(2, 0));
}

TEST_F(TitleBlockFormTest, WriterCancelledWritesNothing) {
    Load(1);
    EXPECT_TRUE(titleForm.WriteTitleDataFile());
    EXPECT_EQ(platform.SaveDialogs.size(), 1U);
}

TEST_F(TitleBlockFormTest, WriterFailureIsReported) {
    testing::TempDir dir;
    Load(1);
    platform.SaveAnswers.emplace_back(dir / "missing" / "titles.dat");
    EXPECT_FALSE(titleForm.WriteTitleDataFile());
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_NE(platform.Errors[0].find("titles.dat"), std::string::npos);
}

TEST_F(TitleBlockFormTest, WriterStartsWhereTheMainFormsDialogsStart) {
    testing::TempDir dir;
    form.DataDirectory = dir.Path();
    form.ButtonTitleBlockData.Click();
    titleForm.EditCompany1.Type("x");
    titleForm.WriteTitleDataFile();
    ASSERT_EQ(platform.SaveDialogs.size(), 1U);
    EXPECT_EQ(platform.SaveDialogs[0].InitialDirectory, dir.Path());
}

// ---- The delete confirmation and the write-files dialog ----

TEST_F(TitleBlockFormTest, DeleteConfirmationAnswersOkOrCancel) {
    auto& confirm = app.FormReallyDeleteSet;
    EXPECT_EQ(confirm.Caption(), "Really delete set?");
    EXPECT_EQ(confirm.LabelReallyDeleteSet.Caption(), "Do you really want to delete this set?");
    confirm.BitBtnDS_Ok.Click();
    EXPECT_EQ(confirm.ModalResult, ModalResultOk);
    confirm.BitBtnDS_Cancel.Click();
    EXPECT_EQ(confirm.ModalResult, ModalResultCancel);
}

TEST_F(TitleBlockFormTest, WriteFilesDialogStartsWithNothingChosen) {
    auto& dialog = app.FormWriteGridTitleFiles;
    EXPECT_EQ(dialog.Caption(), "Write Grid and/or Title Block files...");
    EXPECT_EQ(dialog.RG_AddGrid.Caption(), "Do you wish to add the Grid set to the file? ");
    EXPECT_EQ(dialog.RG_AddTitle.Caption(), "Do you wish to add the Title set to the file? ");
    const std::vector<std::string> items{"Yes", "No"};
    EXPECT_EQ(dialog.RG_AddGrid.Items, items);
    EXPECT_EQ(dialog.RG_AddTitle.Items, items);
    EXPECT_EQ(dialog.RG_AddGrid.ItemIndex(), -1);
    EXPECT_EQ(dialog.RG_AddTitle.ItemIndex(), -1);
}

}  // namespace
}  // namespace quadrel
