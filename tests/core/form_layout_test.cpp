// The main window's declared layout, walked as data: names, numbered
// families, tab order, nesting, label targets, radio geometry, menus.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_form_layout.h"
#include "forms/dpi_scale.h"
#include "forms/form_keys.h"
#include "forms/radio_layout.h"

namespace pavane::forms {
// Found by argument lookup, for the comparisons below.
bool operator==(const Bounds& a, const Bounds& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
void PrintTo(const Bounds& b, std::ostream* out) {
  *out << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}
}  // namespace pavane::forms

namespace pavane {
namespace {

using forms::Bounds;
using forms::Kind;

const forms::Control* Find(std::string_view name) {
  for (const auto& control : MainFormLayout().controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

// The size of the area a parent gives its children.
Bounds AreaOf(std::string_view parent) {
  const auto& form = MainFormLayout();
  if (parent.empty()) return {0, 0, form.clientWidth, form.clientHeight};
  return Find(parent)->bounds;
}

TEST(MainFormLayout, NamesAreUniqueAcrossControlsAndMenus) {
  std::set<std::string_view> names;
  const auto& form = MainFormLayout();
  for (const auto& control : form.controls) EXPECT_TRUE(names.insert(control.name).second) << control.name;
  for (const auto menu : {form.menu, form.popupMenu}) {
    for (const auto& item : menu) EXPECT_TRUE(names.insert(item.name).second) << item.name;
  }
  EXPECT_EQ(form.clientWidth, 400);
  EXPECT_EQ(form.clientHeight, 393);
  EXPECT_EQ(form.initialFocus, "ZSnesDirEdit");
}

TEST(MainFormLayout, SwitchChecksFormACompleteFamilyTaggedByNumber) {
  int count = 0;
  for (const auto& control : MainFormLayout().controls) {
    if (control.name.starts_with("SwitchCheck")) ++count;
  }
  EXPECT_EQ(count, 12);
  for (int n = 1; n <= 12; ++n) {
    const auto* box = Find("SwitchCheck" + std::to_string(n));
    ASSERT_NE(box, nullptr) << n;
    EXPECT_EQ(box->kind, Kind::CheckBox);
    EXPECT_EQ(box->tag, n);
    EXPECT_EQ(box->tabOrder, n);
    EXPECT_EQ(box->onClick, "SwitchCheckClick");
    EXPECT_EQ(box->parent, "SwitchesTab");
    EXPECT_EQ(box->bounds.height, 17);
    EXPECT_FALSE(box->checked);
  }
}

TEST(MainFormLayout, LabelsFocusAControlBesideThem) {
  int labels = 0;
  for (const auto& control : MainFormLayout().controls) {
    if (control.kind != Kind::Label) continue;
    ++labels;
    SCOPED_TRACE(std::string(control.name));
    const auto* target = Find(control.focuses);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->parent, control.parent);
    EXPECT_GE(target->tabOrder, 0);
    EXPECT_NE(forms::MnemonicOf(control.caption), 0);
  }
  EXPECT_EQ(labels, 10);
  EXPECT_EQ(Find("Label8")->focuses, "ZSNESCmdLineEdit");
  EXPECT_EQ(Find("Label9")->focuses, "GammaEdit");
}

TEST(MainFormLayout, UpDownsNameAnEditBuddyAndARangeHoldingTheirStart) {
  for (const auto& control : MainFormLayout().controls) {
    if (control.kind != Kind::UpDown) continue;
    SCOPED_TRACE(std::string(control.name));
    const auto* buddy = Find(control.buddy);
    ASSERT_NE(buddy, nullptr);
    EXPECT_EQ(buddy->kind, Kind::Edit);
    EXPECT_EQ(buddy->caption, std::to_string(control.position));
    EXPECT_LE(control.rangeMin, control.position);
    EXPECT_LE(control.position, control.rangeMax);
    // Right beside the edit, as tall as it.
    EXPECT_EQ(control.bounds.left, buddy->bounds.left + buddy->bounds.width);
    EXPECT_EQ(control.bounds.top, buddy->bounds.top);
    EXPECT_EQ(control.bounds.height, buddy->bounds.height);
  }
  EXPECT_EQ(Find("ExecuteSpin")->rangeMax, 150);
  EXPECT_EQ(Find("GammaSpin")->onChanging, "GammaSpinChanging");
  EXPECT_EQ(Find("GammaSpin")->onClick, "GammaSpinClick");
}

TEST(MainFormLayout, RadioGroupsPlaceTheirItemsColumnByColumn) {
  const auto& video = *Find("VideoModeGrp");
  ASSERT_EQ(video.items.size(), 8u);
  auto item = [&](const forms::Control& group, int index) {
    return forms::RadioItemBounds(group.bounds, static_cast<int>(group.items.size()), group.columns, 11, index);
  };
  EXPECT_EQ(video.items[0], "320x240x256");
  EXPECT_EQ(item(video, 0), (Bounds{8, 12, 167, 24}));
  EXPECT_EQ(item(video, 3), (Bounds{8, 84, 167, 24}));
  EXPECT_EQ(video.items[4], "640x480x256 VESA2");
  EXPECT_EQ(item(video, 4), (Bounds{175, 12, 167, 24}));  // top of the right column
  EXPECT_EQ(item(video, 7), (Bounds{175, 84, 167, 24}));
  const auto& rates = *Find("SoundRateGrp");
  EXPECT_EQ(rates.selected, 2);
  EXPECT_EQ(item(rates, 0), (Bounds{8, 12, 135, 30}));
  EXPECT_EQ(item(rates, 3), (Bounds{8, 102, 135, 30}));
}

TEST(RadioLayout, SplitsLeftoverPixelsAndFillsColumnsFirst) {
  // Three items in two columns: two rows, the third item starts the second column.
  const Bounds group{0, 0, 110, 60};
  EXPECT_EQ(forms::RadioItemBounds(group, 3, 2, 11, 2), (Bounds{58, 12, 50, 22}));
  // 60 - 11 - 5 = 44 over 3 rows: 14 each, 2 left over, 1 goes above the first row.
  EXPECT_EQ(forms::RadioItemBounds(group, 3, 1, 11, 0), (Bounds{8, 13, 100, 14}));
  EXPECT_EQ(forms::RadioItemBounds(group, 3, 1, 11, 2), (Bounds{8, 41, 100, 14}));
  // No columns counts as one; no items still gives a place.
  EXPECT_EQ(forms::RadioItemBounds(group, 1, 0, 11, 0), (Bounds{8, 12, 100, 44}));
  EXPECT_EQ(forms::RadioItemBounds(group, 0, 1, 11, 0).left, 8);
}

TEST(DpiScale, NothingMovesAt96AndOtherDensitiesRoundToTheNearestPixel) {
  const forms::DpiScale design;
  for (const auto& control : MainFormLayout().controls) {
    const forms::Bounds scaled = design(control.bounds);
    EXPECT_EQ(std::tie(scaled.left, scaled.top, scaled.width, scaled.height),
              std::tie(control.bounds.left, control.bounds.top, control.bounds.width, control.bounds.height));
  }
  const forms::DpiScale large{.dpi = 120};
  const forms::DpiScale larger{.dpi = 144};
  EXPECT_EQ(large(400), 500);
  EXPECT_EQ(large(393), 491);   // 491.25
  EXPECT_EQ(larger(393), 590);  // 589.5: halves go up
  EXPECT_EQ(larger(11), 17);
  EXPECT_EQ(larger(-11), -17);  // and away from zero below it
  EXPECT_EQ(large(0), 0);
}

TEST(DpiScale, ControlsThatTouchAt96StillTouch) {
  // GammaEdit ends where GammaSpin begins; sizes scaled alone would leave a gap or overlap.
  const forms::DpiScale scale{.dpi = 120};
  const forms::Bounds edit = scale(forms::Bounds{224, 111, 41, 21});
  const forms::Bounds spin = scale(forms::Bounds{265, 111, 15, 21});
  EXPECT_EQ(edit.left + edit.width, spin.left);
  EXPECT_EQ(edit.height, spin.height);
  EXPECT_EQ(edit.left, 280);
  EXPECT_EQ(edit.width, 51);  // 331.25 - 280
}

TEST(MainFormLayout, MenusCarryTheirCommandsAndShortcuts) {
  std::map<std::string_view, std::pair<std::string_view, std::string_view>> items;
  for (const auto& item : MainFormLayout().menu) items[item.name] = {item.shortcut, item.handler};
  using Entry = std::pair<std::string_view, std::string_view>;
  EXPECT_EQ(items["OpenROMMenu"], (Entry{"Ctrl+O", "OpenClick"}));
  EXPECT_EQ(items["RunMenu"], (Entry{"F9", "RunClick"}));
  EXPECT_EQ(items["SaveMenu"], (Entry{"Ctrl+S", "ApplyButtonClick"}));
  EXPECT_EQ(items["AddMenu"], (Entry{"Ctrl+A", "AddToFaveClick"}));
  EXPECT_EQ(items["LoadSettingsMenu"], (Entry{"F4", "LoadSettingsMenuClick"}));
  EXPECT_EQ(items["SaveSettingsMenu"], (Entry{"F2", "SaveSettingsMenuClick"}));
  EXPECT_EQ(items["ExitMenu"], (Entry{"", "ExitClick"}));
  // Every command item has a handler and a readable shortcut; separators
  // have none. Of the menu bar's own entries only Favorites has one: it fills
  // itself when it opens.
  const auto& form = MainFormLayout();
  for (const auto menu : {form.menu, form.popupMenu}) {
    for (const auto& item : menu) {
      const bool command = item.caption != "-" && (item.level > 0 || menu.data() == form.popupMenu.data());
      EXPECT_EQ(item.handler.empty(), !command && item.name != "FavoritesMenu") << item.name;
      if (!item.shortcut.empty()) {
        EXPECT_TRUE(forms::ParseShortcut(item.shortcut)) << item.name;
      }
    }
  }
  const auto popup = MainFormLayout().popupMenu;
  ASSERT_EQ(popup.size(), 3u);
  EXPECT_EQ(popup[0].handler, "AddToFaveClick");
  EXPECT_EQ(popup[1].handler, "ConfigPopupMenuClick");
  EXPECT_EQ(Find("FavoritesButton")->dropDownMenu, MainFormLayout().popupMenuName);
}

TEST(FormKeys, ShortcutsParseIntoVirtualKeys) {
  EXPECT_EQ(forms::ParseShortcut("Ctrl+O"), (forms::Shortcut{.ctrl = true, .key = 'O'}));
  EXPECT_EQ(forms::ParseShortcut("F9"), (forms::Shortcut{.key = 0x78}));
  EXPECT_EQ(forms::ParseShortcut("F1"), (forms::Shortcut{.key = 0x70}));
  EXPECT_EQ(forms::ParseShortcut("shift+ctrl+del"), (forms::Shortcut{.ctrl = true, .shift = true, .key = 0x2E}));
  EXPECT_EQ(forms::ParseShortcut("Alt+1"), (forms::Shortcut{.alt = true, .key = '1'}));
  for (const auto bad : {"", "Ctrl+", "Hyper+X", "F0", "F25", "Ctrl+OO", "F9x", "+"}) {
    EXPECT_FALSE(forms::ParseShortcut(bad)) << bad;
  }
}

TEST(FormKeys, TheMnemonicIsTheLetterAfterASingleAmpersand) {
  EXPECT_EQ(forms::MnemonicOf("&Save"), 'S');
  EXPECT_EQ(forms::MnemonicOf("S&witches"), 'W');
  EXPECT_EQ(forms::MnemonicOf("No image scale && center image"), 0);
  EXPECT_EQ(forms::MnemonicOf("Fish && &chips"), 'C');
  EXPECT_EQ(forms::MnemonicOf("&&&x"), 'X');
  EXPECT_EQ(forms::MnemonicOf("trailing&"), 0);
  EXPECT_EQ(forms::MnemonicOf("&8000 Hz"), '8');
  EXPECT_TRUE(forms::MatchesMnemonic("&General", 'g'));
  EXPECT_FALSE(forms::MatchesMnemonic("General", 'g'));
}

}  // namespace
}  // namespace pavane
