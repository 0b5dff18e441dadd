// The four forms on a scripted platform, as a test drives them, with a
// folder of their own for the data files and drawings.
#pragma once

#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/scripted_platform.h"
#include "support/temp_dir.h"

namespace quadrel::testing {

struct ScriptedForms {
    ScriptedForms() { form.DataDirectory = form.WorkingDirectory = dir.Path(); }

    TempDir dir;
    ScriptedPlatform platform;
    QuadrelApplication app{platform};
    TMGridInfo& form = app.MGridInfo;
    TTitleBlockForm& titleForm = app.TitleBlockForm;

    // Types an imperial sheet at 100 feet per inch: X 0..1000 by 250, Y
    // 0..500 by 100, no border, no cuts, no title block. Without spacings
    // the two grid spacing edits are left as they came up, empty.
    void EnterValidSheet(bool withSpacings = true) {
        form.EditImpMet.Type("I");
        form.EditYMin.Type("0");
        form.EditYMax.Type("500");
        if (withSpacings) form.EditYGrid.Type("100");
        form.EditYScale.Type("100");
        form.EditXMin.Type("0");
        form.EditXMax.Type("1000");
        if (withSpacings) form.EditXGrid.Type("250");
        form.EditXScale.Type("100");
        form.EditBorderSize.Type("0.0");
        for (Edit* cut :
             {&form.EditCutLeft, &form.EditCutRight, &form.EditCutTop, &form.EditCutBottom}) {
            cut->Type("0.000");
        }
        form.RGTitleBlock.SetItemIndex(1);
    }

    void PressCreateOutput() {
        form.BitBtnCreateOutput.SetEnabled(true);
        form.BitBtnCreateOutput.Click();
    }
};

class AppFixture : public ::testing::Test, public ScriptedForms {};

}  // namespace quadrel::testing
