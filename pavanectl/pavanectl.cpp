// pavanectl: the settings core on the command line, for scripted set-ups.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "base/version.h"
#include "launch/rom_title.h"
#include "locate/drive_search.h"
#include "settings/config_file.h"
#include "settings/template_file.h"
#include "settings/template_io.h"

namespace pavane {
namespace {

constexpr const char* kUsage =
    "usage: pavanectl show FILE\n"
    "       pavanectl apply TEMPLATE CFG\n"
    "       pavanectl export CFG OUT [--cmdline TEXT]\n"
    "       pavanectl title ROM...\n"
    "       pavanectl find DIR\n"
    "       pavanectl --version\n"
    "\n"
    "  show       print the settings a template or ZSNES.CFG holds\n"
    "  apply      load TEMPLATE over CFG and save CFG\n"
    "  export     save the settings of CFG as a template (binary for .pvt)\n"
    "  title      print the game title stored in each ROM image\n"
    "  find       search DIR and below for ZSNES.EXE as the drive search does\n"
    "  --version  print the version of this program\n";

// Messages are ANSI text; a Linux terminal wants UTF-8.
std::string ForConsole(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  std::string out;
  for (unsigned char c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
#endif
}

int Fail(const std::string& message) {
  std::cerr << "pavanectl: " << ForConsole(message) << '\n';
  return 1;
}

// Newer templates are read anyway, with a warning: there is nobody to ask.
bool WarnNewer(std::int32_t version) {
  std::cerr << "pavanectl: warning: file version " << version / 1000 << '.' << version % 1000
            << " is newer than this program's\n";
  return true;
}

// Loads FILE as Load Template does into `settings` and `lines`.
int Load(const std::string& path, Settings& settings, ConfigLines& lines) {
  FileError error;
  switch (LoadTemplate(path, settings, lines, WarnNewer, error)) {
    case TemplateRead::Loaded:
    case TemplateRead::Declined:
      return 0;
    case TemplateRead::Damaged:
      return Fail(path + ": damaged template file");
    case TemplateRead::CannotOpen:
      return Fail(error.message);
  }
  return 1;
}

int Show(const std::string& path) {
  Settings settings;
  ConfigLines lines;
  if (const int status = Load(path, settings, lines)) return status;
  for (const NamedOption& option : kOptionFields)
    std::cout << option.name << " = " << static_cast<unsigned>(settings.*option.field) << '\n';
  for (const NamedText& text : kTextFields) std::cout << text.name << " = " << settings.*text.field << '\n';
  return 0;
}

// Reads CFG as "Read ZSNES.CFG" does; `missingIsEmpty` lets a missing file count as empty.
int ReadConfig(const std::string& path, bool missingIsEmpty, Settings& settings, ConfigLines& lines) {
  FileError error;
  if (!(missingIsEmpty && !FileExists(path)) && !ReadConfigFile(path, lines, error)) return Fail(error.message);
  ReadSettingsFromConfig(lines, settings);
  return 0;
}

int Apply(const std::string& templatePath, const std::string& configPath) {
  Settings settings;
  ConfigLines lines;
  if (const int status = ReadConfig(configPath, true, settings, lines)) return status;
  if (const int status = Load(templatePath, settings, lines)) return status;
  WriteSettingsToConfig(settings, lines);
  FileError error;
  if (!WriteConfigFile(configPath, lines, error)) return Fail(error.message);
  return 0;
}

int Export(const std::string& configPath, const std::string& outPath, const std::string* commandLine) {
  Settings settings;
  ConfigLines lines;
  if (const int status = ReadConfig(configPath, false, settings, lines)) return status;
  if (commandLine) settings.ZSnesCmdLine = *commandLine;
  FileError error;
  if (!SaveTemplate(outPath, settings, lines, error)) return Fail(error.message);
  return 0;
}

int Title(const std::vector<std::string>& roms) {
  for (const std::string& rom : roms) std::cout << GetRomTitle(rom) << '\n';
  return 0;
}

// The found list's lines as they come, then the search dialog's result text.
class PrintedSearch : public SearchProgress {
 public:
  void Entering(const std::string&) override {}
  void Found(const std::string& path) override {
    std::cout << ForConsole(path) << '\n';
    ++found_;
  }
  void DirectoryDone() override {}
  int FoundCount() const { return found_; }

 private:
  int found_ = 0;
};

int Find(std::string directory) {
  DirectoryLister& lister = SystemDirectoryLister();
  if (!DirectoryExists(directory)) return Fail(directory + ": no such directory");
  if (!directory.ends_with(lister.Separator()) && !directory.ends_with('/')) directory += lister.Separator();
  PrintedSearch search;
  SearchDir(lister, directory, "ZSNES.EXE", search);
  std::cout << SearchResultText(search.FoundCount()) << '\n';
  return 0;
}

int Usage(std::ostream& out, int status) {
  out << kUsage;
  return status;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage(std::cerr, 2);
  const std::string& command = args[0];
  if (command == "-h" || command == "--help") return Usage(std::cout, 0);
  if (command == "--version" && args.size() == 1) {
    std::cout << "pavanectl " PAVANE_VERSION "\n";
    return 0;
  }
  if (command == "show" && args.size() == 2) return Show(args[1]);
  if (command == "apply" && args.size() == 3) return Apply(args[1], args[2]);
  if (command == "export" && args.size() == 3) return Export(args[1], args[2], nullptr);
  if (command == "export" && args.size() == 5 && args[3] == "--cmdline") return Export(args[1], args[2], &args[4]);
  if (command == "title" && args.size() >= 2) return Title({args.begin() + 1, args.end()});
  if (command == "find" && args.size() == 2) return Find(args[1]);
  return Usage(std::cerr, 2);
}

}  // namespace
}  // namespace pavane

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return pavane::Run(std::vector<std::string>(argv + 1, argv + argc));
}
