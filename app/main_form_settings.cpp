// The main window's settings commands: showing and gathering the record,
// "Read ZSNES.CFG", "Save", and the switch line of the Switches page.
#include <algorithm>
#include <string>

#include "app/main_form.h"
#include "app/main_form_layout.h"
#include "base/message_texts.h"
#include "forms/form_tree.h"
#include "launch/switch_line.h"
#include "settings/config_file.h"

namespace pavane {

namespace {

namespace ui = main_form;

// The flags are "on" only when they hold exactly 1.
bool IsOn(std::uint8_t flag) { return flag == 1; }
std::uint8_t FlagOf(bool checked) { return checked ? 1 : 0; }

// No selection (-1) is stored as 255, as any wider number keeps its low byte.
std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFu); }

struct FlagBinding {
  OptionField field;
  std::string_view control;
};

constexpr FlagBinding kFlagBindings[] = {
    {&Settings::AutoFrameSkip, ui::AutoFrameSkipCheck},
    {&Settings::Sound, ui::SoundCheck},
    {&Settings::Stereo, ui::StereoCheck},
    {&Settings::GUIDisable, ui::DisableGUICheck},
    {&Settings::Scanlines, ui::ScanlinesCheck},
    {&Settings::Interpolation, ui::InterpolationCheck},
    {&Settings::EnterSkip, ui::EnterSkipCheck},
    {&Settings::Force8bit, ui::Force8bitCheck},
    {&Settings::NewGfx, ui::NewGfxCheck},
};

}  // namespace

// A spin box shows only what it can reach: values outside its range show clamped.
void TMainForm::ShowSpin(std::string_view spin, std::uint8_t value) {
  const forms::Control& spec = MainFormLayout().controls[forms::ControlIndex(MainFormLayout(), spin)];
  Window().SetPosition(spin, std::clamp<int>(value, spec.rangeMin, spec.rangeMax));
}

// An index past the last item selects the last one.
void TMainForm::ShowRadioGroup(std::string_view group, std::uint8_t index) {
  const int last =
      static_cast<int>(MainFormLayout().controls[forms::ControlIndex(MainFormLayout(), group)].items.size()) - 1;
  Window().SetItemIndex(group, std::min<int>(index, last));
}

void TMainForm::ShowSettings() {
  forms::FormView& window = Window();
  const Settings& settings = State().settings;
  ShowSpin(ui::FrameSkipSpin, settings.FrameSkip);
  window.SetItemIndex(ui::Player1DeviceCombo, settings.Player1Device);
  window.SetItemIndex(ui::Player2DeviceCombo, settings.Player2Device);
  ShowSpin(ui::ExecuteSpin, settings.Execute);
  ShowRadioGroup(ui::VideoModeGrp, settings.VideoMode);
  ShowRadioGroup(ui::SoundRateGrp, settings.SoundRate);
  for (const FlagBinding& flag : kFlagBindings) window.SetChecked(flag.control, IsOn(settings.*flag.field));
  window.SetText(ui::SaveDirEdit, settings.SaveDirectory);
  window.SetText(ui::GameDirEdit, settings.GameDirectory);
  window.SetItemIndex(ui::CopyMethodCombo, settings.CopyMethod);
  ShowCommandLine();
}

// The switch boxes follow the command line. A box that changes runs its click
// handling, which finds nothing to add or remove, so the line stays as it is.
void TMainForm::ShowCommandLine() {
  forms::FormView& window = Window();
  window.SetText(ui::ZSNESCmdLineEdit, State().settings.ZSnesCmdLine);
  for (int number = 1; number < static_cast<int>(kSwitchTable.size()); ++number) {
    const bool present = SwitchPresent(window.Text(ui::ZSNESCmdLineEdit), SwitchOf(number));
    window.SetChecked(ui::SwitchCheck(number), present);
  }
}

void TMainForm::GatherSettings() {
  const forms::FormView& window = Window();
  Settings& settings = State().settings;
  settings.FrameSkip = LowByte(window.Position(ui::FrameSkipSpin));
  settings.Execute = LowByte(window.Position(ui::ExecuteSpin));
  settings.Player1Device = LowByte(window.ItemIndex(ui::Player1DeviceCombo));
  settings.Player2Device = LowByte(window.ItemIndex(ui::Player2DeviceCombo));
  settings.CopyMethod = LowByte(window.ItemIndex(ui::CopyMethodCombo));
  settings.VideoMode = LowByte(window.ItemIndex(ui::VideoModeGrp));
  settings.SoundRate = LowByte(window.ItemIndex(ui::SoundRateGrp));
  for (const FlagBinding& flag : kFlagBindings) settings.*flag.field = FlagOf(window.Checked(flag.control));
  settings.SaveDirectory = window.Text(ui::SaveDirEdit);
  settings.GameDirectory = window.Text(ui::GameDirEdit);
  settings.ZSnesCmdLine = window.Text(ui::ZSNESCmdLineEdit);
}

forms::Answer TMainForm::Ask(const std::string& question) {
  return services_.prompter.Show({question, State().AppTitle, forms::Buttons::YesNo, forms::Icon::Question});
}

void TMainForm::ShowError(const std::string& message) {
  services_.prompter.Show({message, State().AppTitle, forms::Buttons::Ok, forms::Icon::Error});
}

ConfigLocation TMainForm::ConfigFileLocation() const {
  return LocateConfigFile(Window().Text(ui::ZSnesDirEdit), ExecutableDirectory());
}

void TMainForm::ReadConfigButtonClick() {
  const ConfigLocation location = ConfigFileLocation();
  // Too long a path is not missing: it could be neither made nor saved.
  if (!CanSave(location.path)) {
    ShowError(PathTooLongError(location.path).message);
    return;
  }
  if (!DirectoryExists(location.directory)) {
    if (Ask(FormatText(TEXT_CREATE_DIRECTORY, location.directory)) != forms::Answer::Yes) return;
    if (!CreateDirectoryOneLevel(location.directory)) {
      ShowError(FormatText(TEXT_DIRECTORY_NOT_CREATED, location.directory));
      return;
    }
  }
  FileError error;
  if (!FileExists(location.path)) {
    if (Ask(FormatText(TEXT_CREATE_FILE, location.path)) != forms::Answer::Yes) return;
    if (!WriteConfigFile(location.path, {}, error)) {
      ShowError(error.message);
      return;
    }
  }
  if (!ReadConfigFile(location.path, State().configLines, error)) {
    ShowError(error.message);
    return;
  }
  ReadSettingsFromConfig(State().configLines, State().settings);
  ShowSettings();
}

void TMainForm::ApplyButtonClick() { SaveToConfigFile(); }

TMainForm::SaveOutcome TMainForm::SaveToConfigFile() {
  const ConfigLocation location = ConfigFileLocation();
  if (FileExists(location.path) && State().preferences.CfgOverwritePrompt &&
      Ask(FormatText(TEXT_OVERWRITE_FILE, location.path)) != forms::Answer::Yes)
    return SaveOutcome::Declined;
  GatherSettings();
  WriteSettingsToConfig(State().settings, State().configLines);
  FileError error;
  if (!WriteConfigFile(location.path, State().configLines, error)) {
    ShowError(error.message);
    return SaveOutcome::Failed;
  }
  return SaveOutcome::Written;
}

void TMainForm::SwitchCheckClick(const forms::Event& event) {
  forms::FormView& window = Window();
  const std::string line = window.Text(ui::ZSNESCmdLineEdit);
  const std::string switchText = SwitchOf(event.sender.tag);
  window.SetText(ui::ZSNESCmdLineEdit,
                 window.Checked(event.sender.name) ? AddSwitch(line, switchText) : RemoveSwitch(line, switchText));
}

void TMainForm::GammaSpinChanging(const forms::Event& event) {
  forms::FormView& window = Window();
  window.SetText(ui::ZSNESCmdLineEdit,
                 RemoveSwitch(window.Text(ui::ZSNESCmdLineEdit), GammaSwitch(window.Position(event.sender.name))));
}

void TMainForm::GammaSpinClick(const forms::Event& event) {
  forms::FormView& window = Window();
  window.SetText(ui::ZSNESCmdLineEdit,
                 AddSwitch(window.Text(ui::ZSNESCmdLineEdit), GammaSwitch(window.Position(event.sender.name))));
}

}  // namespace pavane
