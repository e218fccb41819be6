#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>

#include "app/about_layout.h"
#include "app/preferences_layout.h"
#include "base/resource_ids.h"
#include "base/version.h"
#include "locate/zsnes_dir_dialog_layout.h"

namespace pavane {
namespace {

using forms::Control;
using forms::Form;
using forms::Kind;

const Control* Find(const Form& form, std::string_view name) {
  for (const Control& control : form.controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

// A dialog's accelerator letters do not clash (the form check holds every
// form to the rest: names, places, tab orders, default and cancel buttons).
void ExpectWellFormed(const Form& form) {
  SCOPED_TRACE(std::string(form.className));
  std::map<char, std::string_view> accelerators;
  for (const Control& control : form.controls) {
    const std::size_t amp = control.caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= control.caption.size()) continue;
    const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(control.caption[amp + 1])));
    const auto [it, fresh] = accelerators.emplace(key, control.name);
    EXPECT_TRUE(fresh) << "Alt+" << key << " on " << control.name << " and on " << it->second;
  }
}

std::set<std::string_view> HandlerNames(const Form& form) {
  std::set<std::string_view> handlers;
  for (const Control& control : form.controls) {
    if (!control.onClick.empty()) handlers.insert(control.onClick);
    if (!control.onChanging.empty()) handlers.insert(control.onChanging);
  }
  return handlers;
}

struct Row {
  std::string_view name;
  Kind kind;
  forms::Bounds bounds;
  std::string_view caption;
  int tabOrder;
};

void ExpectRows(const Form& form, std::initializer_list<Row> rows) {
  EXPECT_EQ(form.controls.size(), rows.size());
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name));
    const Control* control = Find(form, row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->kind, row.kind);
    EXPECT_EQ(control->bounds.left, row.bounds.left);
    EXPECT_EQ(control->bounds.top, row.bounds.top);
    // Labels sized to their text leave width and height open.
    if (row.bounds.width) {
      EXPECT_EQ(control->bounds.width, row.bounds.width);
    }
    if (row.bounds.height) {
      EXPECT_EQ(control->bounds.height, row.bounds.height);
    }
    EXPECT_EQ(control->caption, row.caption);
    EXPECT_EQ(control->tabOrder, row.tabOrder);
    EXPECT_TRUE(control->parent.empty());
  }
}

void ExpectClosingButton(const Form& form, std::string_view name, int modalResult, bool isDefault, bool isCancel) {
  SCOPED_TRACE(std::string(name));
  const Control* button = Find(form, name);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->kind, Kind::Button);
  EXPECT_EQ(button->modalResult, modalResult);
  EXPECT_EQ(button->isDefault, isDefault);
  EXPECT_EQ(button->isCancel, isCancel);
}

TEST(PreferencesLayout, FormAndButtons) {
  const Form& form = PreferencesDialogForm();
  ExpectWellFormed(form);
  EXPECT_EQ(form.className, "TPreferencesDialog");
  EXPECT_EQ(form.caption, "Preferences");
  EXPECT_EQ(form.clientWidth, 339);
  EXPECT_EQ(form.clientHeight, 326);
  EXPECT_EQ(form.frame, forms::Frame::Dialog);
  EXPECT_TRUE(HandlerNames(form).empty());
  ExpectClosingButton(form, "OKBtn", 1, true, false);
  ExpectClosingButton(form, "CancelBtn", 2, false, true);
  EXPECT_EQ(Find(form, "OKBtn")->caption, "OK");
  EXPECT_EQ(Find(form, "CancelBtn")->caption, "Cancel");

  // Bottom right, 8 pixels from the edges and from each other.
  const forms::Bounds cancel = Find(form, "CancelBtn")->bounds;
  const forms::Bounds ok = Find(form, "OKBtn")->bounds;
  EXPECT_EQ(cancel.left + cancel.width, form.clientWidth - 8);
  EXPECT_EQ(cancel.top + cancel.height, form.clientHeight - 8);
  EXPECT_EQ(ok.top, cancel.top);
  EXPECT_EQ(ok.left + ok.width + 8, cancel.left);
}

TEST(PreferencesLayout, OnePageWithTheGroupsAndBoxes) {
  const Form& form = PreferencesDialogForm();
  std::vector<const Control*> pages;
  for (const Control& control : form.controls) {
    if (control.kind == Kind::Page) pages.push_back(&control);
  }
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0]->caption, "&General");
  EXPECT_EQ(Find(form, pages[0]->parent)->kind, Kind::PageControl);

  struct Box {
    std::string_view name, caption, group;
  };
  const Box boxes[] = {
      {"LoadROMSettingsCheck", "&Load specific ROM settings", "Specific ROM settings"},
      {"PromptBeforeLoadingCheck", "&Prompt before loading", "Specific ROM settings"},
      {"SaveSettingsCheck", "&Save Settings before launching ZSNES", "Launch settings"},
      {"SaveWithoutPromptingCheck", "Save &without prompting", "Launch settings"},
      {"OverwritePromptCheck", "&ZSNES.CFG overwrite prompt", ""},
  };
  for (const Box& box : boxes) {
    SCOPED_TRACE(std::string(box.name));
    const Control* check = Find(form, box.name);
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->kind, Kind::CheckBox);
    EXPECT_EQ(check->caption, box.caption);
    const Control* parent = Find(form, check->parent);
    ASSERT_NE(parent, nullptr);
    if (box.group.empty()) {
      EXPECT_EQ(parent, pages[0]);
    } else {
      EXPECT_EQ(parent->kind, Kind::GroupBox);
      EXPECT_EQ(parent->caption, box.group);
      EXPECT_EQ(parent->parent, pages[0]->name);
    }
  }
}

TEST(PreferencesLayout, EveryFlagHasItsOwnBox) {
  const Form& form = PreferencesDialogForm();
  std::set<std::string_view> boxes;
  Preferences flipped;
  for (const PreferenceBox& box : kPreferenceBoxes) {
    const Control* check = Find(form, box.checkBox);
    ASSERT_NE(check, nullptr) << box.checkBox;
    EXPECT_EQ(check->kind, Kind::CheckBox);
    EXPECT_TRUE(boxes.insert(box.checkBox).second) << box.checkBox;
    flipped.*box.field = !(flipped.*box.field);
  }
  // A field bound twice would have flipped back; one left out would not have moved.
  EXPECT_EQ(flipped, (Preferences{false, false, false, true, false}));
}

TEST(AboutLayout, MatchesTheBoxTable) {
  const Form& form = AboutBoxForm();
  ExpectWellFormed(form);
  EXPECT_EQ(form.className, "TAboutBox");
  EXPECT_EQ(form.caption, "About");
  EXPECT_EQ(form.clientWidth, 368);
  EXPECT_EQ(form.clientHeight, 268);
  EXPECT_EQ(form.frame, forms::Frame::Dialog);
  EXPECT_TRUE(HandlerNames(form).empty());
  ExpectRows(form, {
                       {"Image1", Kind::Picture, {8, 8, 350, 92}, "", -1},
                       {"Label1", Kind::Label, {24, 112, 81, 13}, "Pavane v" PAVANE_VERSION, -1},
                       {"Label2", Kind::Label, {24, 128, 233, 13}, "A Windows 95 based frontend for ZSNES v0.400", -1},
                       {"Label3", Kind::Label, {24, 152, 126, 13}, Find(form, "Label3")->caption, -1},
                       {"Label4", Kind::Label, {24, 176, 138, 13}, Find(form, "Label4")->caption, -1},
                       {"Bevel1", Kind::Bevel, {24, 200, 337, 2}, "", -1},
                       {"Label5", Kind::Label, {24, 208, 136, 13}, "Visit the Pavane homepage at", -1},
                       {"PavaneLink", Kind::ReadOnlyEdit, {24, 224, 225, 16}, kHomepageAddress, 1},
                       {"OKBtn", Kind::Button, {272, 212, 90, 37}, "&Kupo!", 0},
                   });
  EXPECT_EQ(Find(form, "Image1")->resource, IDB_ABOUT_BANNER);
  EXPECT_EQ(Find(form, "OKBtn")->resource, IDB_ABOUT_GLYPH);
  EXPECT_TRUE(Find(form, "Label1")->bold);
  EXPECT_FALSE(Find(form, "Label2")->bold);
  // One button does both Enter and Esc, and both close with OK.
  ExpectClosingButton(form, "OKBtn", 1, true, true);
  EXPECT_FALSE(Find(form, "Label3")->caption.empty());
  EXPECT_FALSE(Find(form, "Label4")->caption.empty());
  EXPECT_NE(Find(form, "Label3")->caption, Find(form, "Label4")->caption);
}

TEST(ZSnesDirLayout, MatchesTheLocationTable) {
  const Form& form = ZSnesDirDialogForm();
  ExpectWellFormed(form);
  EXPECT_EQ(form.className, "TZSnesDirDialog");
  EXPECT_EQ(form.caption, "ZSNES Location");
  EXPECT_EQ(form.clientWidth, 348);
  EXPECT_EQ(form.clientHeight, 144);
  EXPECT_EQ(form.frame, forms::Frame::Dialog);
  ExpectRows(form, {
                       {"Image1", Kind::Picture, {8, 16, 32, 32}, "", -1},
                       {"Label2", Kind::Label, {56, 16, 265, 33}, "Please specify the folder containing ZSNES.", -1},
                       {"Label1", Kind::Label, {24, 66, 0, 0}, "&Path:", -1},
                       {"ZSnesDirEdit", Kind::Edit, {56, 64, 217, 21}, "", 0},
                       {"BrowseButton", Kind::Button, {280, 64, 57, 20}, "&Browse...", 1},
                       {"OKButton", Kind::Button, {56, 108, 80, 24}, "OK", 2},
                       {"ExitButton", Kind::Button, {144, 108, 80, 24}, "Cancel", 3},
                       {"AutoSearchButton", Kind::Button, {232, 108, 104, 24}, "Automatic &Search...", 4},
                   });
  EXPECT_EQ(Find(form, "Image1")->resource, IDI_LOCATION);
  EXPECT_EQ(Find(form, "Label1")->focuses, "ZSnesDirEdit");
  ExpectClosingButton(form, "OKButton", 1, true, false);
  ExpectClosingButton(form, "ExitButton", 2, false, true);
  EXPECT_EQ(Find(form, "BrowseButton")->onClick, "BrowseButtonClick");
  EXPECT_EQ(Find(form, "AutoSearchButton")->onClick, "AutoSearchButtonClick");
  EXPECT_EQ(HandlerNames(form), (std::set<std::string_view>{"BrowseButtonClick", "AutoSearchButtonClick"}));
}

}  // namespace
}  // namespace pavane
