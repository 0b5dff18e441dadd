// The title block data form: one title set at a time in thirteen edits.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>

#include "forms/controls.h"
#include "forms/form.h"
#include "model/set_store.h"

namespace quadrel {

class TFormReallyDeleteSet;

class TTitleBlockForm : public Form {
public:
    explicit TTitleBlockForm(Platform& platform);

    void Connect(TFormReallyDeleteSet& reallyDeleteSet);

    // The title side of the set store, owned by this form.
    TitleSetStore Store;

    Edit EditCompany1{"EditCompany1"};
    Edit EditCompany2{"EditCompany2"};
    Edit EditMainTitle1{"EditMainTitle1"};
    Edit EditMainTitle2{"EditMainTitle2"};
    Edit EditMainTitle3{"EditMainTitle3"};
    Edit EditOffice{"EditOffice"};
    Edit EditDepartment{"EditDepartment"};
    Edit EditMapIndex{"EditMapIndex"};
    Edit EditDrawingNumber{"EditDrawingNumber"};
    Edit EditDrawnBy{"EditDrawnBy"};
    Edit EditCheckedBy{"EditCheckedBy"};
    Edit EditApprovedBy{"EditApprovedBy"};
    Edit EditPreparedBy{"EditPreparedBy"};

    Label LabelCompany1{"LabelCompany1"};
    Label LabelCompany2{"LabelCompany2"};
    Label LabelMainTitle1{"LabelMainTitle1"};
    Label LabelMainTitle2{"LabelMainTitle2"};
    Label LabelMainTitle3{"LabelMainTitle3"};
    Label LabelOffice{"LabelOffice"};
    Label LabelDepartment{"LabelDepartment"};
    Label LabelMapIndex{"LabelMapIndex"};
    Label LabelDrawingNumber{"LabelDrawingNumber"};
    Label LabelDrawnBy{"LabelDrawnBy"};
    Label LabelCheckedBy{"LabelCheckedBy"};
    Label LabelApprovedBy{"LabelApprovedBy"};
    Label LabelPreparedBy{"LabelPreparedBy"};

    Button BitBtnOk{"BitBtnOk"};
    Button ButtonAddSet{"ButtonAddSet"};
    Button ButtonDeleteSet{"ButtonDeleteSet"};
    Button BitBtnUp{"BitBtnUp"};
    Button BitBtnDown{"BitBtnDown"};

    // The thirteen edits in field order (Company1 .. PreparedBy), and their
    // labels.
    std::array<Edit*, TitleFieldCount> FieldEdits();
    std::array<Label*, TitleFieldCount> FieldLabels();
    // The title set as the edits show it: what the title blocks print.
    TitleSet ShownTitleSet();

    void ShowTitleSet();

    void EditCompany1Change();
    void EditCompany2Change();
    void EditMainTitle1Change();
    void EditMainTitle2Change();
    void EditMainTitle3Change();
    void EditOfficeChange();
    void EditDepartmentChange();
    void EditMapIndexChange();
    void EditDrawingNumberChange();
    void EditDrawnByChange();
    void EditCheckedByChange();
    void EditApprovedByChange();
    void EditPreparedByChange();

    void BitBtnOkClick();
    void ButtonAddSetClick();
    void ButtonDeleteSetClick();
    void BitBtnUpClick();
    void BitBtnDownClick();

    // Writes the title block data file after asking for its name (the exit
    // flow's writer). True when written or nothing to write; false when the
    // user cancelled or the file could not be written (reported).
    bool WriteTitleDataFile();

    // Where the save dialog starts; the main form keeps it equal to its own.
    std::filesystem::path DataDirectory = ".";
    // The folder the title block data file was read from, once one was.
    std::optional<std::filesystem::path> TitleFileDirectory;

private:
    // Stores the text of field k's edit into the current title set.
    void StoreField(int k);
    void SetUpControls();
    void BindHandlers();

    TFormReallyDeleteSet* reallyDeleteSet_ = nullptr;
    // Set while the edits are emptied after the only set was deleted, so
    // that emptying them stores nothing and creates no set.
    bool clearingEdits_ = false;
};

}  // namespace quadrel
