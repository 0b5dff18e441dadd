// The four forms on a scripted platform, as a test drives them.
#pragma once

#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/scripted_platform.h"

namespace quadrel::testing {

class AppFixture : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    QuadrelApplication app{platform};
    TMGridInfo& form = app.MGridInfo;
    TTitleBlockForm& titleForm = app.TitleBlockForm;
};

}  // namespace quadrel::testing
