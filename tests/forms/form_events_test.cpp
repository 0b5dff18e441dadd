// How events run: handlers nest and settle, and a conversion error stops
// only the handler that met it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "base/text.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/scripted_platform.h"

namespace quadrel {
namespace {

class GuardedForm : public Form {
public:
    explicit GuardedForm(Platform& platform) : Form(platform, "GuardedForm", "Guarded") {
        Outer.OnChange = Guarded(*this, &GuardedForm::OuterChange);
        Inner.OnChange = Guarded(*this, &GuardedForm::InnerChange);
    }
    Edit Outer{"Outer"};
    Edit Inner{"Inner"};
    std::vector<std::string> Steps;

    void OuterChange() {
        Steps.push_back("outer wrote");
        Inner.SetText(" " + Outer.Text());
        Steps.push_back("outer goes on");
        ToDouble(Outer.Text());
        Steps.push_back("outer converted");
    }
    // Trims its own text: the write-back runs it again, on a text that
    // trims to itself, so it settles.
    void InnerChange() {
        Steps.push_back("inner '" + Inner.Text() + "'");
        Inner.SetText(Trim(Inner.Text()));
        ToDouble(Inner.Text());
        Steps.push_back("inner converted");
    }
};

TEST(FormEvents, HandlersNestAndSettleAndAConversionErrorStopsOnlyTheHandlerThatMetIt) {
    ScriptedPlatform platform;
    GuardedForm form(platform);
    form.Outer.Type("abc");
    // The inner handler stops, the writer goes on until its own conversion.
    EXPECT_EQ(form.Steps, (std::vector<std::string>{"outer wrote", "inner ' abc'", "inner 'abc'",
                                                    "outer goes on"}));
    ASSERT_EQ(platform.Errors.size(), 3U);
    EXPECT_NE(platform.Errors[0].find("'abc'"), std::string::npos) << platform.Errors[0];

    form.Steps.clear();
    form.Outer.Type("12");
    EXPECT_EQ(form.Steps, (std::vector<std::string>{"outer wrote", "inner ' 12'", "inner '12'",
                                                    "inner converted", "inner converted",
                                                    "outer goes on", "outer converted"}));
}

// A view repaints on every notification: a write that changes nothing must
// not flicker, and a view that has gone must hear nothing more.
TEST(FormEvents, ObserversHearRealChangesOnlyUntilTheyStopListening) {
    Edit edit{"Edit"};
    edit.SetHint("hint");
    edit.SetText("text");
    int heard = 0;
    const auto id = edit.Observe([&heard](const Control&) { ++heard; });
    const struct {
        std::function<void()> write;
        int heardAfter;
    } steps[] = {
        {[&] { edit.SetHint("hint"); }, 0},   {[&] { edit.SetText("text"); }, 0},
        {[&] { edit.SetEnabled(true); }, 0},  {[&] { edit.SetVisible(true); }, 0},
        {[&] { edit.SetHint("other"); }, 1},  {[&] { edit.SetText("other"); }, 2},
        {[&] { edit.SetEnabled(false); }, 3}, {[&] { edit.Unobserve(id); }, 3},
        {[&] { edit.SetText("gone"); }, 3},
    };
    for (const auto& step : steps) {
        step.write();
        EXPECT_EQ(heard, step.heardAfter);
    }

    // A view that goes while another is told must not be told afterwards.
    bool secondTold = false;
    Control::ObserverId second = 0;
    edit.Observe([&](const Control&) { edit.Unobserve(second); });
    second = edit.Observe([&](const Control&) { secondTold = true; });
    edit.SetText("last");
    EXPECT_FALSE(secondTold);
}

}  // namespace
}  // namespace quadrel
