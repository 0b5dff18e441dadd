// The controls of the main form as it comes up: captions, hints, default
// texts, input rules and which controls can be used at first.
#include "forms/mgrid.h"
#include "forms/mgrid_shape.h"

namespace quadrel {

void TMGridInfo::SetUpControls() {
    SetUpSetLine();
    SetUpGridRows();
    SetUpMarksAndTitleBlock();
    SetUpNorthArrowAndActions();
}

void TMGridInfo::SetUpSetLine() {
    // Top row.
    BitBtnCreateSampleFiles.SetCaption("Create sample files...");
    ButtonGetFileName.SetCaption("Open grid data file...");
    ButtonGetTitleData.SetCaption("Open title block data file...");
    BitBtnHelp.SetCaption("Help");

    // Set line. The arrows carry glyphs, no caption; their hints say where
    // they go.
    BitBtnUp.SetHint("Next set");
    BitBtnDown.SetHint("Previous set");
    LabelDescription.SetCaption("Description");
    EditDescription.MaxLength = 60;
    StoredInDataFile(EditDescription);
    LabelImpMet.SetCaption("Imperial or Metric (I/M)");
    EditImpMet.UpperCaseInput = true;
    ButtonAddSet.SetCaption("Add Set");
    ButtonDeleteSet.SetCaption("Delete Set");
}

void TMGridInfo::SetUpGridRows() {
    // Grid column heads.
    LabelAxisTitles.SetCaption("Axis Titles");
    LabelMinimum.SetCaption("Minimum");
    LabelMaximum.SetCaption("Maximum");
    LabelGridSpacing.SetCaption("Grid Spacing");
    LabelScale.SetCaption("Scale");
    LabelAdd.SetCaption("Add");
    LabelAdd.SetHint(
        "(1/0) Indicates if you wish to add the grid spacing directly to the minimum Northing or "
        "Easting Coordinates for grid lines.");
    LabelConstantToAdd.SetCaption("Constant to add");
    LabelConstantToAdd.SetHint("Add a constant to the Northings or Eastings on the plot.");
    LabelConstantToAdd.HintShown = false;

    // Grid rows.
    LabelYAxisTitle.SetCaption("Y-Axis");
    EditYAxisTitle.MaxLength = 30;
    StoredInDataFile(EditYAxisTitle);
    EditYAdd.SetText("0");
    EditYAdd.SetHint("1=Add grid spacing directly to the minimum Y-Axis.");
    EditYConst.SetText("0.0");
    EditYConst.SetHint("Add a constant to the Y-Axis on the plot.");

    LabelXAxisTitle.SetCaption("X-Axis");
    EditXAxisTitle.MaxLength = 30;
    StoredInDataFile(EditXAxisTitle);
    EditXAdd.SetText("0");
    EditXAdd.SetHint("1=Add grid spacing directly to the minimum X-Axis.");
    EditXConst.SetText("0.0");
    EditXConst.SetHint("Add a constant to the X-Axis on the plot.");
}

void TMGridInfo::SetUpMarksAndTitleBlock() {
    // Tick marks. The two hints differ by one blank, as they always have.
    EditTicLRType.MaxLength = 2;
    EditTicLRType.SetText("0");
    EditTicLRType.SetHint("0=none, 1=above, 2=beside, 3=below,  4=no numbers, ticks only");
    EditTicTBType.MaxLength = 2;
    EditTicTBType.SetText("0");
    EditTicTBType.SetHint("0=none, 1=above, 2=beside, 3=below, 4=no numbers, ticks only");

    // Cutting marks and border.
    for (const GridFieldPointer cut : CutFields) FieldEdit(cut).SetText("0.000");
    LabelBorderSize.SetCaption("Border size around grid");
    EditBorderSize.SetText("0.0");

    // Title block.
    ButtonTitleBlockData.SetCaption("Show Title Block Data");
    RGTitleBlock.Items = {"Plot", "Do NOT plot"};
    RGTitleBlock.SetItemIndex(1);
    LabelTitleBlockType.SetCaption("Type");
    EditTitleBlockType.UpperCaseInput = true;
    EditTitleBlockType.SetHint("Type can be A or B (no approvals box)");

    // The legend is laid out but not programmed: hidden, and its choice
    // cannot be made.
    BevelLegend.SetVisible(false);
    LabelLegend.SetCaption("Legend");
    LabelLegend.SetVisible(false);
    RGLegend.Items = {"Plot", "Do NOT plot"};
    RGLegend.SetItemIndex(1);
    RGLegend.SetHint("Legend is NOT programmed as yet.");
    RGLegend.SetVisible(false);
    RGLegend.SetEnabled(false);
}

void TMGridInfo::SetUpNorthArrowAndActions() {
    // North arrow.
    RBUpperLeft.SetCaption("Upper Left");
    RBUpperRight.SetCaption("Upper Right");
    RBLowerLeft.SetCaption("Lower Left");
    RBLowerRight.SetCaption("Lower Right");
    RadioButtonGroup::Bind({&RBUpperLeft, &RBUpperRight, &RBLowerLeft, &RBLowerRight});
    RBUpperRight.SetChecked(true);
    LabelSize.SetCaption("Size");
    EditSize.SetText("0.5");
    EditSize.SetHint("Default length = 2.30\", therefore length = 1.15\" if size = 0.5");
    LabelDistMapEdge.SetCaption("Distance from map edge");
    EditDistMapEdge.SetText("0.0");
    EditDistMapEdge.SetHint(
        "If = 0.0, then it takes 0.5 x the North Arrow length in project units.");

    // Actions: nothing to determine or draw until a set has been entered.
    DetermineLimitsButton.SetCaption("Determine Limits");
    DetermineLimitsButton.SetEnabled(false);
    BitBtnCreateOutput.SetCaption("Create output");
    BitBtnCreateOutput.SetEnabled(false);

    // Report and messages.
    PanelMapInfo.SetVisible(false);
    MessageArea.SetCaption("");
}

}  // namespace quadrel
