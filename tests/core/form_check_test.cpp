// The checks every form goes through before anything is made of it, and the
// order its controls are made in.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "app/main_form_layout.h"
#include "app/program_forms.h"
#include "forms/form_tree.h"
#include "launch/run_dialog_layout.h"
#include "tests/support/memory_form.h"

namespace pavane {
namespace {

using forms::Control;
using forms::Kind;

// Fails the test unless checking `form` with `handlers` names `expected`.
void ExpectRejected(const forms::Form& form, const forms::HandlerTable& handlers, const std::string& expected) {
  try {
    forms::CheckForm(form, handlers);
    ADD_FAILURE() << "accepted; expected a complaint about " << expected;
  } catch (const std::logic_error& error) {
    EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
  }
}

forms::Form FormOf(std::span<const Control> controls) {
  return {.className = "TBroken",
          .name = "Broken",
          .clientWidth = 50,
          .clientHeight = 50,
          .frame = forms::Frame::Dialog,
          .controls = controls};
}

TEST(FormCheck, EveryHandlerNameAFormUsesMustBeBound) {
  static constexpr auto kControls = std::to_array<Control>({
      {.kind = Kind::Edit, .name = "Field", .bounds = {0, 0, 10, 10}, .onKeyDown = "FieldKeyDown"},
  });
  const forms::Form form = FormOf(kControls);
  ExpectRejected(form, {}, "FieldKeyDown");
  forms::HandlerTable handlers;
  handlers.Bind("FieldKeyDown", [](const forms::Event&) {});
  EXPECT_NO_THROW(forms::CheckForm(form, handlers));
  EXPECT_THROW(testing::MemoryForm(form, {}, nullptr), std::logic_error);
}

TEST(FormCheck, BrokenTablesAreNamedBeforeAnythingIsMade) {
  static constexpr auto kTwice = std::to_array<Control>({
      {.kind = Kind::Edit, .name = "Twice", .bounds = {0, 0, 10, 10}},
      {.kind = Kind::Label, .name = "Twice", .bounds = {0, 0, 10, 10}},
  });
  ExpectRejected(FormOf(kTwice), {}, "\"Twice\"");
  static constexpr auto kBuddy = std::to_array<Control>({
      {.kind = Kind::UpDown, .name = "Spin", .bounds = {10, 0, 10, 10}, .buddy = "Nobody"},
  });
  ExpectRejected(FormOf(kBuddy), {}, "buddy");
  static constexpr auto kPainted = std::to_array<Control>({
      {.kind = Kind::Painted, .name = "Spot", .bounds = {0, 0, 10, 10}},
  });
  ExpectRejected(FormOf(kPainted), {}, "widget");
  static constexpr auto kParent = std::to_array<Control>({
      {.kind = Kind::Edit, .name = "Field", .parent = "Box", .bounds = {0, 0, 10, 10}},
  });
  ExpectRejected(FormOf(kParent), {}, "unknown parent");
  static constexpr auto kOutside = std::to_array<Control>({
      {.kind = Kind::GroupBox, .name = "Box", .bounds = {0, 0, 30, 30}},
      {.kind = Kind::Edit, .name = "Field", .parent = "Box", .bounds = {10, 10, 25, 10}},
  });
  ExpectRejected(FormOf(kOutside), {}, "\"Field\" reaches out of \"Box\"");
  static constexpr auto kGap = std::to_array<Control>({
      {.kind = Kind::Edit, .name = "First", .bounds = {0, 0, 10, 10}, .tabOrder = 0},
      {.kind = Kind::Edit, .name = "Third", .bounds = {0, 20, 10, 10}, .tabOrder = 2},
  });
  ExpectRejected(FormOf(kGap), {}, "misses or repeats 1");
  static constexpr auto kTwoDefaults = std::to_array<Control>({
      {.kind = Kind::Button, .name = "Yes", .bounds = {0, 0, 10, 10}, .isDefault = true},
      {.kind = Kind::Button, .name = "Sure", .bounds = {0, 20, 10, 10}, .isDefault = true},
  });
  ExpectRejected(FormOf(kTwoDefaults), {}, "more than one default button");
  static constexpr auto kLabelCancels = std::to_array<Control>({
      {.kind = Kind::Label, .name = "Note", .bounds = {0, 0, 10, 10}, .isCancel = true},
  });
  ExpectRejected(FormOf(kLabelCancels), {}, "\"Note\" is no push button");
}

// Every form of the program, with every handler its commands bind, passes;
// the tables use the same names the commands look their controls up by.
TEST(FormCheck, TheProgramsFormsAreWhole) {
  for (const forms::Form* form : ProgramForms()) {
    SCOPED_TRACE(std::string(form->name));
    forms::HandlerTable everything;
    for (const auto& control : form->controls) {
      for (const auto name : forms::HandlerNamesOf(control)) everything.Bind(name, [](const forms::Event&) {});
    }
    for (const auto menu : {form->menu, form->popupMenu}) {
      for (const auto& item : menu) everything.Bind(item.handler, [](const forms::Event&) {});
    }
    for (const auto handler : {form->onDestroy, form->onDropFiles, form->onPopupMenuOpen}) {
      everything.Bind(handler, [](const forms::Event&) {});
    }
    EXPECT_NO_THROW(forms::CheckForm(*form, everything));
  }
  for (int number = 1; number <= 12; ++number) {
    EXPECT_TRUE(forms::FindControl(MainFormLayout(), main_form::SwitchCheck(number))) << number;
  }
}

TEST(FormCheck, AMisspeltNameInACommandFailsAtItsFirstUse) {
  testing::MemoryForm form(RunDialogLayout(), {}, nullptr);
  EXPECT_THROW(form.SetText("StatusLabl", "x"), std::logic_error);
  EXPECT_THROW(form.Checked("StatusLabel"), std::logic_error);  // a label has no check state
  EXPECT_NO_THROW(form.SetText(run_dialog::StatusLabel, "x"));
}

TEST(FormOrder, LabelsComeRightBeforeWhatTheyFocusAndLooseControlsFirst) {
  static constexpr auto kControls = std::to_array<Control>({
      {.kind = Kind::Edit, .name = "Second", .bounds = {0, 0, 10, 10}, .tabOrder = 1},
      {.kind = Kind::Label, .name = "SecondLabel", .bounds = {0, 0, 10, 10}, .focuses = "Second"},
      {.kind = Kind::Edit, .name = "First", .bounds = {0, 0, 10, 10}, .tabOrder = 0},
      {.kind = Kind::Bevel, .name = "Line", .bounds = {0, 0, 10, 2}},
  });
  const forms::Form form = FormOf(kControls);
  std::vector<std::string_view> order;
  for (const auto index : forms::OrderedChildren(form, {})) order.push_back(form.controls[index].name);
  EXPECT_EQ(order, (std::vector<std::string_view>{"Line", "First", "SecondLabel", "Second"}));
}

// The engine makes a hidden page's controls when they are first needed, so it
// must know for every control which page holds it, through group boxes too.
TEST(FormOrder, EveryControlKnowsItsPage) {
  static constexpr auto kControls = std::to_array<Control>({
      {.kind = Kind::PageControl, .name = "Pages", .bounds = {0, 0, 50, 50}, .tabOrder = 0},
      {.kind = Kind::Page, .name = "One", .parent = "Pages", .tabOrder = 0},
      {.kind = Kind::Page, .name = "Two", .parent = "Pages", .tabOrder = 1},
      {.kind = Kind::GroupBox, .name = "Group", .parent = "Two", .bounds = {0, 0, 40, 40}},
      {.kind = Kind::Edit, .name = "Inner", .parent = "Group", .bounds = {0, 0, 10, 10}, .tabOrder = 0},
      {.kind = Kind::Edit, .name = "Direct", .parent = "One", .bounds = {0, 0, 10, 10}, .tabOrder = 0},
      {.kind = Kind::Button, .name = "Outside", .bounds = {0, 0, 10, 10}, .tabOrder = 1},
  });
  const forms::Form form = FormOf(kControls);
  auto pageOf = [&form](std::string_view name) -> std::string_view {
    const auto page = forms::PageOf(form, forms::ControlIndex(form, name));
    return page ? form.controls[*page].name : "none";
  };
  EXPECT_EQ(pageOf("Inner"), "Two");
  EXPECT_EQ(pageOf("Group"), "Two");
  EXPECT_EQ(pageOf("Direct"), "One");
  EXPECT_EQ(pageOf("Outside"), "none");
  EXPECT_EQ(pageOf("Two"), "none");
  EXPECT_EQ(pageOf("Pages"), "none");
}

// Labels and lines that lie over nothing are painted by their window; one that
// lies over another control in the same window must stay a window of its own.
TEST(FormOrder, OverlapsCountOnlyWithinOneWindow) {
  static constexpr auto kControls = std::to_array<Control>({
      {.kind = Kind::Label, .name = "Free", .bounds = {10, 10, 40, 13}},
      {.kind = Kind::Edit, .name = "Beside", .bounds = {50, 10, 40, 21}, .tabOrder = 0},  // touches Free's edge
      {.kind = Kind::GroupBox, .name = "Group", .bounds = {0, 40, 100, 60}},
      {.kind = Kind::Label, .name = "InGroup", .parent = "Group", .bounds = {10, 20, 40, 13}},
      {.kind = Kind::Picture, .name = "Picture", .bounds = {120, 0, 50, 50}},
      {.kind = Kind::Label, .name = "OnPicture", .bounds = {130, 10, 20, 13}},
      {.kind = Kind::PageControl, .name = "Pages", .bounds = {0, 110, 200, 100}, .tabOrder = 1},
      {.kind = Kind::Page, .name = "One", .parent = "Pages", .bounds = {4, 24, 190, 70}, .tabOrder = 0},
      {.kind = Kind::Page, .name = "Two", .parent = "Pages", .bounds = {4, 24, 190, 70}, .tabOrder = 1},
      {.kind = Kind::Label, .name = "OnOne", .parent = "One", .bounds = {10, 10, 40, 13}},
      {.kind = Kind::Label, .name = "OnTwo", .parent = "Two", .bounds = {10, 10, 40, 13}},
      {.kind = Kind::Panel, .name = "Panel", .bounds = {0, 220, 100, 40}},
      {.kind = Kind::Bevel, .name = "InPanel", .parent = "Panel", .bounds = {0, 0, 100, 2}},
      {.kind = Kind::Bevel, .name = "BelowPanel", .bounds = {0, 260, 100, 2}},
  });
  const forms::Form form = FormOf(kControls);
  auto overlaps = [&form](std::string_view name) {
    return forms::OverlapsAnother(form, forms::ControlIndex(form, name));
  };
  EXPECT_FALSE(overlaps("Free"));
  EXPECT_TRUE(overlaps("InGroup"));  // the group box around it
  EXPECT_TRUE(overlaps("OnPicture"));
  EXPECT_TRUE(overlaps("Picture"));
  // The same place on two pages, or in a panel and around it, is in two windows.
  EXPECT_FALSE(overlaps("OnOne"));
  EXPECT_FALSE(overlaps("OnTwo"));
  EXPECT_FALSE(overlaps("InPanel"));
  EXPECT_FALSE(overlaps("BelowPanel"));
}

}  // namespace
}  // namespace pavane
