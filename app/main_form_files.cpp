// The main window's file commands: templates, per-ROM settings and the ROM choice.
#include <string>

#include "app/main_form.h"
#include "base/message_texts.h"
#include "base/text_rules.h"
#include "launch/rom_choice.h"
#include "settings/file_io.h"
#include "settings/template_file.h"
#include "settings/template_io.h"

namespace pavane {

namespace {

constexpr const char* kTemplateFilter =
    "Pavane templates (*.pvt)|*.pvt|Configuration files (*.cfg)|*.cfg|All files (*.*)|*.*";

}  // namespace

bool TMainForm::ConsentToNewerVersion(std::int32_t version) {
  forms::MessageRequest question{NewerVersionQuestion(version), State().AppTitle, forms::Buttons::YesNo,
                                 forms::Icon::Question};
  question.defaultNo = true;
  return services_.prompter.Show(question) == forms::Answer::Yes;
}

NewerVersionConsent TMainForm::NewerVersionQuestioner() {
  return [this](std::int32_t version) { return ConsentToNewerVersion(version); };
}

void TMainForm::SaveSettingsMenuClick() {
  forms::FileDialogRequest request;
  request.title = "Save Template";
  request.filter = kTemplateFilter;
  request.defaultExtension = "PVT";
  request.promptOverwrite = true;
  const auto path = services_.prompter.SaveFile(request);
  if (!path) return;
  GatherSettings();
  FileError error;
  if (!SaveTemplate(*path, State().settings, State().configLines, error)) ShowError(error.message);
}

void TMainForm::LoadSettingsMenuClick() {
  forms::FileDialogRequest request;
  request.title = "Load Template";
  request.filter = std::string("All settings files (*.pvt;*.cfg)|*.pvt;*.cfg|") + kTemplateFilter;
  request.defaultExtension = "PVT";
  request.mustExist = true;
  if (const auto path = services_.prompter.OpenFile(request)) LoadTemplateFile(*path);
}

void TMainForm::LoadTemplateFile(const std::string& path) {
  FileError error;
  if (LoadTemplate(path, State().settings, State().configLines, NewerVersionQuestioner(), error) ==
      TemplateRead::CannotOpen) {
    ShowError(error.message);
    return;
  }
  ShowSettings();
}

// One file: a template (.pvt or .cfg) is loaded, anything else is taken as a
// ROM. Several files at once, or a folder, mean nothing here.
void TMainForm::FormDropFiles(const forms::Event& event) {
  if (event.files.size() != 1) return;
  const std::string& path = event.files.front();
  if (!FileExists(path)) return;
  const std::string extension = UpperAscii(FileExtension(path));
  if (extension == ".PVT" || extension == ".CFG") {
    LoadTemplateFile(path);
  } else {
    ChooseRom(path);
  }
}

void TMainForm::SaveROMSettingsMenuClick() {
  const std::string& rom = State().CurrentRom;
  if (rom.empty() || !FileExists(rom)) return;
  GatherSettings();
  FileError error;
  if (!WriteTemplateFile(ROMSettingsFileName(rom), State().settings, error)) ShowError(error.message);
}

void TMainForm::OfferROMSettings(const std::string& romPath) {
  const Preferences& preferences = State().preferences;
  if (!preferences.LoadROMSettings) return;
  const std::string settingsFile = ROMSettingsFileName(romPath);
  if (!FileExists(settingsFile)) return;
  if (preferences.PromptBeforeLoading && Ask(FormatText(TEXT_LOAD_ROM_SETTINGS, settingsFile)) != forms::Answer::Yes)
    return;
  FileError error;
  if (ReadTemplateFile(settingsFile, State().settings, NewerVersionQuestioner(), error) == TemplateRead::CannotOpen) {
    ShowError(error.message);
    return;
  }
  ShowSettings();
}

void TMainForm::ChooseRom(const std::string& romPath) {
  State().CurrentRom = romPath;
  Window().SetCaption(romPath + " - " + State().AppTitle);
  OfferROMSettings(romPath);
}

void TMainForm::OpenClick() {
  // The open dialog also serves Load Template, so everything is set afresh.
  if (const auto path = services_.prompter.OpenFile(RomOpenRequest(State().settings.GameDirectory, State().CurrentRom)))
    ChooseRom(*path);
}

}  // namespace pavane
