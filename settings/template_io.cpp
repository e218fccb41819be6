#include "settings/template_io.h"

#include "settings/config_file.h"
#include "settings/template_file.h"

namespace pavane {

bool WriteTemplateFile(const std::string& path, const Settings& settings, FileError& error) {
  return WriteWholeFile(path, EncodeTemplate(settings), error);
}

TemplateRead ReadTemplateFile(const std::string& path, Settings& settings, const NewerVersionConsent& consent,
                              FileError& error) {
  const auto bytes = ReadWholeFile(path, error);
  if (!bytes) return TemplateRead::CannotOpen;
  auto decoded = DecodeTemplate(*bytes);
  if (!decoded) return TemplateRead::Damaged;
  if (decoded->version > kTemplateVersion && !consent(decoded->version)) return TemplateRead::Declined;
  settings = std::move(decoded->settings);
  return TemplateRead::Loaded;
}

bool SaveTemplate(const std::string& path, const Settings& settings, ConfigLines& lines, FileError& error) {
  if (IsBinaryTemplateName(path)) return WriteTemplateFile(path, settings, error);
  WriteSettingsToConfig(settings, lines);
  return WriteConfigFile(path, lines, error);
}

TemplateRead LoadTemplate(const std::string& path, Settings& settings, ConfigLines& lines,
                          const NewerVersionConsent& consent, FileError& error) {
  if (IsBinaryTemplateName(path)) return ReadTemplateFile(path, settings, consent, error);
  if (!ReadConfigFile(path, lines, error)) return TemplateRead::CannotOpen;
  ReadSettingsFromConfig(lines, settings);
  return TemplateRead::Loaded;
}

}  // namespace pavane
