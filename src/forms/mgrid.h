// The main data entry form: shows the current grid set one edit per field,
// normalises what is typed, and starts every command.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "drawing/drawing.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "layout/limits_report.h"
#include "layout/map_layout.h"
#include "model/grid_shape.h"
#include "model/messages.h"
#include "model/set_store.h"

namespace quadrel {

class TTitleBlockForm;
struct AxisWorking;
class TFormReallyDeleteSet;
class TFormWriteGridTitleFiles;

inline constexpr std::string_view HelpFileName = "QDL32BC3.hlp";
inline constexpr int HelpContentsCommand = 3;
// "Plot" in RGTitleBlock; the other item is "Do NOT plot".
inline constexpr int TitleBlockPlotItem = 0;
// The process's exit status after a confirmed Create output run.
inline constexpr int ExitStatusAfterOutput = 1;

class TMGridInfo : public Form {
public:
    explicit TMGridInfo(Platform& platform);

    // The other forms, created after this one at start-up.
    void Connect(TTitleBlockForm& titleBlockForm, TFormReallyDeleteSet& reallyDeleteSet,
                 TFormWriteGridTitleFiles& writeGridTitleFiles);

    // Where the open and save dialogs start, and where the sample files go.
    std::filesystem::path DataDirectory = ".";
    std::filesystem::path WorkingDirectory = ".";
    // The folder the grid data file was read from, once one was.
    std::optional<std::filesystem::path> GridFileDirectory;

    // State owned by the form.
    GridSetStore Store;
    MapLayout Layout;
    // The numbered message of the last Determine Limits or data file read
    // that failed, 0 when it succeeded: Create output draws nothing then.
    MessageCode LimitsError = 0;
    // The limits report of the last successful determination; empty when
    // the last determination failed or none has run, and taken away when a
    // field changes or another set is shown.
    std::optional<LimitsReport> LimitsReportShown;
    // The drawing the last Create output wrote; nothing when it wrote none.
    std::optional<std::filesystem::path> DrawingWritten;
    // Told whenever the report is painted or taken away.
    std::function<void()> OnLimitsReportChanged;

    // ---- Controls ----
    Button BitBtnCreateSampleFiles{"BitBtnCreateSampleFiles"};
    Button ButtonGetFileName{"ButtonGetFileName"};
    Button ButtonGetTitleData{"ButtonGetTitleData"};
    Button BitBtnHelp{"BitBtnHelp"};

    Button BitBtnUp{"BitBtnUp"};
    Button BitBtnDown{"BitBtnDown"};
    Label LabelDescription{"LabelDescription"};
    Edit EditDescription{"EditDescription"};
    Label LabelImpMet{"LabelImpMet"};
    Edit EditImpMet{"EditImpMet"};
    Button ButtonAddSet{"ButtonAddSet"};
    Button ButtonDeleteSet{"ButtonDeleteSet"};

    Label LabelAxisTitles{"LabelAxisTitles"};
    Label LabelMinimum{"LabelMinimum"};
    Label LabelMaximum{"LabelMaximum"};
    Label LabelGridSpacing{"LabelGridSpacing"};
    Label LabelScale{"LabelScale"};
    Label LabelAdd{"LabelAdd"};
    Label LabelConstantToAdd{"LabelConstantToAdd"};

    Label LabelYAxisTitle{"LabelYAxisTitle"};
    Edit EditYAxisTitle{"EditYAxisTitle"};
    Edit EditYMin{"EditYMin"};
    Edit EditYMax{"EditYMax"};
    Edit EditYGrid{"EditYGrid"};
    Edit EditYScale{"EditYScale"};
    Edit EditYAdd{"EditYAdd"};
    Edit EditYConst{"EditYConst"};

    Label LabelXAxisTitle{"LabelXAxisTitle"};
    Edit EditXAxisTitle{"EditXAxisTitle"};
    Edit EditXMin{"EditXMin"};
    Edit EditXMax{"EditXMax"};
    Edit EditXGrid{"EditXGrid"};
    Edit EditXScale{"EditXScale"};
    Edit EditXAdd{"EditXAdd"};
    Edit EditXConst{"EditXConst"};

    Edit EditTicLRType{"EditTicLRType"};
    Edit EditTicLRSpacing{"EditTicLRSpacing"};
    Edit EditTicLRMinimum{"EditTicLRMinimum"};
    Edit EditTicLRMaximum{"EditTicLRMaximum"};
    Edit EditTicLeft{"EditTicLeft"};
    Edit EditTicRight{"EditTicRight"};
    Edit EditTicTBType{"EditTicTBType"};
    Edit EditTicTBSpacing{"EditTicTBSpacing"};
    Edit EditTicTBMinimum{"EditTicTBMinimum"};
    Edit EditTicTBMaximum{"EditTicTBMaximum"};
    Edit EditTicTop{"EditTicTop"};
    Edit EditTicBottom{"EditTicBottom"};

    Edit EditCutLeft{"EditCutLeft"};
    Edit EditCutRight{"EditCutRight"};
    Edit EditCutTop{"EditCutTop"};
    Edit EditCutBottom{"EditCutBottom"};
    Label LabelBorderSize{"LabelBorderSize"};
    Edit EditBorderSize{"EditBorderSize"};

    Button ButtonTitleBlockData{"ButtonTitleBlockData"};
    RadioGroup RGTitleBlock{"RGTitleBlock"};
    Label LabelTitleBlockType{"LabelTitleBlockType"};
    Edit EditTitleBlockType{"EditTitleBlockType"};

    Control BevelLegend{"BevelLegend"};
    Label LabelLegend{"LabelLegend"};
    RadioGroup RGLegend{"RGLegend"};

    RadioButton RBUpperLeft{"RBUpperLeft"};
    RadioButton RBUpperRight{"RBUpperRight"};
    RadioButton RBLowerLeft{"RBLowerLeft"};
    RadioButton RBLowerRight{"RBLowerRight"};
    Label LabelSize{"LabelSize"};
    Edit EditSize{"EditSize"};
    Label LabelDistMapEdge{"LabelDistMapEdge"};
    Edit EditDistMapEdge{"EditDistMapEdge"};

    Button DetermineLimitsButton{"DetermineLimitsButton"};
    Button BitBtnCreateOutput{"BitBtnCreateOutput"};
    Panel PanelMapInfo{"PanelMapInfo"};
    Panel MessageArea{"MessageArea"};

    // ---- Shared operations ----
    void ShowMessageCode(MessageCode code, std::string_view context);
    // Before a file is read, the first typed field creates set 0.
    void FirstSetRule();
    void ShowGridSet();

    // ---- Change handlers of the set fields ----
    void EditDescriptionChange();
    void EditImpMetChange();
    void EditYAxisTitleChange();
    void EditXAxisTitleChange();
    void EditYMinChange();
    void EditXMinChange();
    void EditYMaxChange();
    void EditXMaxChange();
    void EditYGridChange();
    void EditXGridChange();
    void EditYScaleChange();
    void EditXScaleChange();
    void EditYAddChange();
    void EditXAddChange();
    void EditYConstChange();
    void EditXConstChange();
    void EditTicLRTypeChange();
    void EditTicTBTypeChange();
    void EditTicLRSpacingChange();
    void EditTicTBSpacingChange();
    void EditTicLRMinimumChange();
    void EditTicLRMaximumChange();
    void EditTicLeftChange();
    void EditTicRightChange();
    void EditTicTBMinimumChange();
    void EditTicTBMaximumChange();
    void EditTicTopChange();
    void EditTicBottomChange();
    void EditBorderSizeChange();
    void EditSizeChange();
    void EditDistMapEdgeChange();
    void EditCutLeftChange();
    void EditCutRightChange();
    void EditCutTopChange();
    void EditCutBottomChange();
    void EditTitleBlockTypeChange();

    // ---- Click handlers ----
    void RBUpperLeftClick();
    void RBUpperRightClick();
    void RBLowerLeftClick();
    void RBLowerRightClick();
    void RGTitleBlockClick();
    void EditImpMetClick();
    void EditYAddClick();
    void EditXAddClick();
    void EditTitleBlockTypeClick();

    // ---- Commands ----
    void ButtonGetFileNameClick();
    void ButtonGetTitleDataClick();
    void BitBtnCreateSampleFilesClick();
    void BitBtnHelpClick();
    void DetermineLimitsButtonClick();
    void BitBtnCreateOutputClick();
    void ButtonAddSetClick();
    void ButtonDeleteSetClick();
    void BitBtnUpClick();
    void BitBtnDownClick();
    void ButtonTitleBlockDataClick();

    // ---- Leaving the program ----
    // The close box: the exit question and the save offer; the program ends
    // (status 0) when the user confirms and the chosen files are written.
    void Close();
    // The close-query handler. Asks "Exit program now?"; on OK offers the
    // changed data files and writes those chosen. `canClose` comes back true
    // when the user confirmed and no chosen file failed to be written.
    void FormCloseQuery(bool& canClose);

    // The controls the drawing is made from: every edit, the corner buttons
    // and the title block choice. A view that shows the sheet listens to them.
    std::vector<Control*> DrawnControls();

    // The edit that shows `field` (every field but the corner and the title
    // block flag, which buttons show).
    Edit& FieldEdit(GridFieldPointer field);

    // The current grid set as the edits, corner buttons and title block
    // choice show it: what the drawing is made from.
    GridSet EditedGridSet() const;

    // The drawing of what the forms show now, as Create output would draw it
    // after Determine Limits, worked out on copies: no edit, set, button,
    // message or layout of the form changes, and nothing is shown or heard.
    // Either the input or the reason why no sheet can be drawn (a missing
    // field as its numbered message says it, a text that is no number, a
    // title block type that is neither A nor B).
    struct SheetPreview {
        std::optional<DrawingInput> Input;
        std::string Reason;
    };
    SheetPreview PreviewDrawingInput(std::string fileName);

    // Writes the grid data file after asking for its name (the exit flow's
    // writer). True when written or when there was nothing to write; false
    // when the user cancelled or the file could not be written (reported).
    bool WriteGridDataFile();

private:
    // One pair of tick edges: the horizontal ticks (left and right, along
    // Y) or the vertical ticks (top and bottom, along X).
    struct TickSide {
        const TickSideFields& Fields;
        // The axis whose values the ticks mark.
        const AxisWorking& Along;
        // The vertical side clears its minimum and maximum before the spacing.
        bool ClearSpacingLast;
    };

    void SetUpControls();
    void SetUpSetLine();
    void SetUpGridRows();
    void SetUpMarksAndTitleBlock();
    void SetUpNorthArrowAndActions();
    void BindHandlers();
    // The title block Create output draws for the type `type`; nothing when
    // a title block is to be plotted and the type is neither A nor B.
    std::optional<TitleBlockChoice> ChosenTitleBlock(const std::string& type) const;
    // What Create output hands to the drawing: the title set the title block
    // form shows, the platform's date and decimal separator.
    DrawingInput OutputInput(GridSet grid, const MapLayout& layout, TitleBlockChoice titleBlock,
                             std::string fileName) const;
    void SetLimitsReport(std::optional<LimitsReport> report);
    // Once the form shows another sheet than the report describes.
    void TakeAwayLimitsReport();
    // A field's change or click handler, inside the guard.
    EventHandler FieldEvent(void (TMGridInfo::*handler)());
    void EnableBothActions();
    void EnableOutput();
    void DisableOutput();

    // A text to a number by the user's number settings; throws ConversionError.
    double ToNumber(std::string_view text) const;

    // Handling shared by the X and Y rows and by both tick sides.
    void StoreText(const Edit& edit, GridFieldPointer field);
    void LimitMinimumChange(Edit& edit, GridFieldPointer field, double MapLayout::*working);
    void LimitMaximumChange(Edit& edit, GridFieldPointer field, double MapLayout::*working,
                            double MapLayout::*minimum);
    void GridSpacingChange(Edit& edit, GridFieldPointer field, double MapLayout::*working,
                           double MapLayout::*minimum, double MapLayout::*maximum);
    void AddFlagChange(Edit& edit, GridFieldPointer field);
    void AddFlagClick(Edit& edit, GridFieldPointer field);
    void LabelConstantChange(Edit& edit, GridFieldPointer field);
    void TickTypeChange(Edit& edit, GridFieldPointer field);
    static TickSide HorizontalTicks();
    static TickSide VerticalTicks();
    void TickSpacingChange(const TickSide& side);
    // The first and last tick one spacing inside the limits, or no ticks
    // when the spacing leaves no room.
    void PlaceTickRange(const TickSide& side);
    // The lower and the higher of the side's two grid limits: they may be
    // typed either way round until Determine Limits puts them in order.
    std::pair<double, double> TickLimits(const TickSide& side) const;
    // The tick spacing used while the spacing edit is left empty.
    static double DefaultTickSpacing(double gridSpacing);

    // Parts of showing a set.
    void ShowLimit(Edit& edit, GridFieldPointer field, double MapLayout::*working);
    void ShowScale(Edit& edit, GridFieldPointer field, double MapLayout::*working);
    void ShowTickLength(Edit& edit, GridFieldPointer field);
    void ShowTickRange(const TickSide& side);
    void ShowAxis(const AxisFields& fields, const AxisWorking& working);
    void ShowTickSide(const TickSide& side);
    void ShowBorderAndCuts();
    void ShowNorthArrow();
    void ShowTitleBlockChoice();
    void ShowNorthArrowCorner();
    // A corner button was checked: store its code ("UL", "UR", "LL", "LR").
    void NorthArrowCornerClick(std::string_view corner);

    TTitleBlockForm* titleBlockForm_ = nullptr;
    TFormReallyDeleteSet* reallyDeleteSet_ = nullptr;
    TFormWriteGridTitleFiles* writeGridTitleFiles_ = nullptr;
};

}  // namespace quadrel
