#include "forms/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/numbers.h"
#include "forms/form.h"
#include "forms/scripted_platform.h"

namespace quadrel {
namespace {

TEST(Edit, RaisesChangeOnlyWhenTheTextDiffers) {
    Edit edit("EditX");
    int changes = 0;
    edit.OnChange = [&] { ++changes; };
    edit.SetText("a");
    edit.SetText("a");
    edit.SetText("");
    EXPECT_EQ(changes, 2);
}

TEST(Edit, TellsObserversBeforeTheChangeHandlerRuns) {
    Edit edit("EditX");
    std::vector<std::string> events;
    edit.Observe([&](const Control&) { events.push_back("observed " + edit.Text()); });
    edit.OnChange = [&] { events.push_back("changed " + edit.Text()); };
    edit.SetText("b");
    EXPECT_EQ(events, (std::vector<std::string>{"observed b", "changed b"}));
}

TEST(Edit, MaximumLengthAndUpperCaseLimitTypingOnly) {
    Edit edit("EditX");
    edit.MaxLength = 3;
    edit.UpperCaseInput = true;
    edit.Type("abcdef");
    EXPECT_EQ(edit.Text(), "ABC");
    edit.SetText("a long text from a file");
    EXPECT_EQ(edit.Text(), "a long text from a file");
    edit.Type("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");  // never cut inside a character
    EXPECT_EQ(edit.Text(), "\xC3\xA9\xC3\xA9\xC3\xA9");
}

TEST(Edit, HandlerWritingItsOwnEditNestsAndSettles) {
    // A handler that trims its own text runs again on the write-back, then
    // the outer run goes on: each normalised text normalises to itself.
    Edit edit("EditX");
    std::vector<std::string> seen;
    edit.OnChange = [&] {
        seen.push_back(edit.Text());
        if (!edit.Text().empty() && edit.Text().front() == ' ') edit.SetText(edit.Text().substr(1));
    };
    edit.SetText("  x");
    EXPECT_EQ(edit.Text(), "x");
    EXPECT_EQ(seen, (std::vector<std::string>{"  x", " x", "x"}));
}

TEST(Button, APersonCannotPressADisabledOrHiddenButton) {
    Button button("ButtonX");
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    button.Click();
    button.SetEnabled(false);
    button.Click();
    button.SetEnabled(true);
    button.SetVisible(false);
    button.Click();
    EXPECT_EQ(clicks, 1);
}

TEST(RadioButton, CheckingOneUnchecksTheOthersAndClicksOnce) {
    RadioButton a("A"), b("B"), c("C");
    RadioButtonGroup::Bind({&a, &b, &c});
    std::string clicked;
    a.OnClick = [&] { clicked += "a"; };
    b.OnClick = [&] { clicked += "b"; };
    c.OnClick = [&] { clicked += "c"; };
    a.SetChecked(true);
    b.Click();
    b.Click();  // already checked: nothing new
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_FALSE(c.Checked());
    EXPECT_EQ(clicked, "ab");
}

TEST(RadioGroup, ClicksOnEveryChangeOfSelection) {
    RadioGroup group("RG");
    group.Items = {"Plot", "Do NOT plot"};
    int clicks = 0;
    group.OnClick = [&] { ++clicks; };
    group.SetItemIndex(1);
    group.SetItemIndex(1);
    group.SetItemIndex(0);
    group.SetItemIndex(7);  // no such item: nothing selected
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_EQ(clicks, 3);
}

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
        Steps.push_back("outer before");
        Inner.SetText(Outer.Text());
        Steps.push_back("outer after");
        ToDouble(Outer.Text());
        Steps.push_back("outer converted");
    }
    void InnerChange() {
        ToDouble(Inner.Text());
        Steps.push_back("inner converted");
    }
};

TEST(FormGuard, AConversionErrorStopsOnlyTheHandlerThatMetIt) {
    ScriptedPlatform platform;
    GuardedForm form(platform);
    form.Outer.Type("abc");
    EXPECT_EQ(form.Steps, (std::vector<std::string>{"outer before", "outer after"}));
    ASSERT_EQ(platform.Errors.size(), 2U);
    EXPECT_EQ(platform.Errors[0], "'abc' is not a valid floating point value");

    form.Steps.clear();
    form.Outer.Type("12");
    EXPECT_EQ(form.Steps, (std::vector<std::string>{"outer before", "inner converted",
                                                    "outer after", "outer converted"}));
}

}  // namespace
}  // namespace quadrel
