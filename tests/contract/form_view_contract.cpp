// What the commands may rely on of any form: the same table, the same calls,
// the same results and events, whether the form is a real window or one in
// memory.
#include "tests/contract/form_view_contract.h"

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace pavane::testing {
namespace {

using forms::Control;
using forms::Kind;

constexpr std::array<std::string_view, 3> kRates{"Low", "Middle", "High"};

constexpr auto kControls = std::to_array<Control>({
    {.kind = Kind::Edit, .name = "NameEdit", .bounds = {8, 8, 100, 21}, .tabOrder = 0, .onEnter = "NameEnter"},
    {.kind = Kind::CheckBox,
     .name = "LoudCheck",
     .caption = "&Loud",
     .bounds = {8, 36, 100, 17},
     .tabOrder = 1,
     .onClick = "LoudClick"},
    {.kind = Kind::ListBox,
     .name = "Games",
     .bounds = {8, 60, 100, 60},
     .tabOrder = 2,
     .onClick = "GamesClick",
     .multiSelect = true},
    {.kind = Kind::DropDownList, .name = "Devices", .bounds = {120, 8, 100, 21}, .tabOrder = 3, .items = kRates},
    {.kind = Kind::RadioGroup,
     .name = "RateGrp",
     .caption = "Rate",
     .bounds = {120, 36, 100, 80},
     .tabOrder = 4,
     .items = kRates,
     .selected = 1},
    {.kind = Kind::Edit, .name = "CountEdit", .bounds = {8, 130, 40, 21}, .tabOrder = 5},
    {.kind = Kind::UpDown,
     .name = "CountSpin",
     .bounds = {48, 130, 15, 21},
     .rangeMin = 0,
     .rangeMax = 10,
     .position = 3,
     .buddy = "CountEdit"},
    {.kind = Kind::Button,
     .name = "OkBtn",
     .caption = "OK",
     .bounds = {150, 130, 70, 24},
     .tabOrder = 6,
     .modalResult = forms::kModalOk,
     .isDefault = true},
});

constexpr forms::Form kForm{.className = "TContract",
                            .name = "Contract",
                            .caption = "Contract",
                            .clientWidth = 240,
                            .clientHeight = 170,
                            .frame = forms::Frame::Dialog,
                            .controls = kControls,
                            .onDestroy = "FormGone"};

}  // namespace

FormViewContract::FormViewContract() {
  forms::HandlerTable handlers;
  for (const char* name : {"NameEnter", "LoudClick", "GamesClick", "FormGone"}) {
    handlers.Bind(name, [this, name](const forms::Event&) { raised.push_back(name); });
  }
  form = GetParam()().CreateForm(kForm, std::move(handlers), nullptr);
  form->Show();
  raised.clear();  // what showing raised (the first control's focus) is no case's business
}

namespace {

TEST_P(FormViewContract, TextsAndCheckStatesAsTheCommandsSetThem) {
  form->SetText("NameEdit", "Mario & Zelda");
  EXPECT_EQ(form->Text("NameEdit"), "Mario & Zelda");
  EXPECT_EQ(form->Text("OkBtn"), "OK");
  form->SetChecked("LoudCheck", true);
  form->SetChecked("LoudCheck", true);  // no change: no click
  EXPECT_TRUE(form->Checked("LoudCheck"));
  EXPECT_EQ(raised, std::vector<std::string>{"LoudClick"});
  EXPECT_THROW(form->Text("Games"), std::logic_error);  // a list has entries, not a text
  EXPECT_THROW(form->Checked("NameEdit"), std::logic_error);
  EXPECT_THROW(form->Text("NoSuchControl"), std::logic_error);
}

TEST_P(FormViewContract, ListsAndRadioGroupsHoldTheirIndexByTheirRules) {
  EXPECT_EQ(form->ItemIndex("RateGrp"), 1);
  form->SetItemIndex("RateGrp", 7);  // past the last: the last
  EXPECT_EQ(form->ItemIndex("RateGrp"), 2);
  EXPECT_EQ(form->ItemCount("Devices"), 3);
  form->SetItemIndex("Devices", 9);  // outside the items: no selection
  EXPECT_EQ(form->ItemIndex("Devices"), -1);
  form->SetItemIndex("Devices", 2);
  EXPECT_EQ(form->ItemText("Devices", form->ItemIndex("Devices")), "High");
}

TEST_P(FormViewContract, EntriesMoveWithTheirSelectionAndTheFocusedEntry) {
  for (const char* game : {"A", "B", "C", "D"}) form->AddItem("Games", game);
  EXPECT_EQ(form->FocusedItem("Games"), 0);  // a list with entries always has a focused one
  form->SetItemSelected("Games", 1, true);
  form->MoveItem("Games", 1, 3);
  EXPECT_EQ(form->ItemText("Games", 3), "B");
  EXPECT_TRUE(form->ItemSelected("Games", 3));
  EXPECT_FALSE(form->ItemSelected("Games", 1));
  form->RemoveItem("Games", 0);
  EXPECT_EQ(form->ItemCount("Games"), 3);
  EXPECT_EQ(form->ItemText("Games", 0), "C");
  form->SetFocusedItem("Games", 2);
  EXPECT_EQ(form->FocusedItem("Games"), 2);
  form->ClearItems("Games");
  EXPECT_EQ(form->FocusedItem("Games"), -1);
}

TEST_P(FormViewContract, AnUpDownsPositionIsHeldToItsRangeAlsoWhenTyped) {
  EXPECT_EQ(form->Position("CountSpin"), 3);
  form->SetPosition("CountSpin", 7);
  EXPECT_EQ(form->Text("CountEdit"), "7");
  form->SetText("CountEdit", "25");
  EXPECT_EQ(form->Position("CountSpin"), 10);
}

TEST_P(FormViewContract, TheFocusAndWhatIsEnabled) {
  form->Focus("OkBtn");
  raised.clear();
  form->Focus("NameEdit");
  EXPECT_EQ(form->FocusedControl(), "NameEdit");
  EXPECT_EQ(raised, std::vector<std::string>{"NameEnter"});
  form->SetEnabled("NameEdit", false);
  EXPECT_FALSE(form->Enabled("NameEdit"));
  EXPECT_EQ(form->FocusedControl(), "");  // a control disabled loses the focus
  EXPECT_THROW(form->SetDefaultButton("NameEdit"), std::logic_error);
}

// A form's end raises its handler however the form goes.
TEST_P(FormViewContract, AMenuItsTableLacksAndTheFormsEnd) {
  EXPECT_THROW(form->AddMenuItem("NoMenu", {.name = "Item", .caption = "Item"}), std::logic_error);
  form.reset();
  EXPECT_EQ(raised, std::vector<std::string>{"FormGone"});
}

}  // namespace
}  // namespace pavane::testing
