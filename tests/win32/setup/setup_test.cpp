// The setup program as an administrator runs it without a question (/S), on
// a Wine prefix that is made anew for each run: what it installs and
// registers, Pavane started by its "Open with" entry, and what the
// uninstaller leaves: nothing of the setup's, and the user's settings.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/version.h"
#include "settings/file_io.h"
#include "tests/support/temp_dir.h"
#include "tests/win32/launch/launch_test_support.h"
#include "win32/handles.h"
#include "win32/registry.h"

namespace pavane {
namespace {

using testing::TempDir;

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pavane";
constexpr const char* kOpenWithKey = "Software\\Classes\\Applications\\Pavane.exe";
constexpr const char* kSettingsKey = "Software\\Pavane";
constexpr DWORD kExitRunning = 32;

std::optional<std::string> ReadString(HKEY root, const std::string& path, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
  const win::UniqueRegKey key(opened);
  char text[1024] = {};
  DWORD size = sizeof text - 1;
  DWORD type = 0;
  if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  return std::string(text);
}

std::optional<DWORD> ReadNumber(HKEY root, const std::string& path, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::nullopt;
  const win::UniqueRegKey key(opened);
  DWORD number = 0;
  DWORD size = sizeof number;
  DWORD type = 0;
  if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return number;
}

bool KeyExists(HKEY root, const std::string& path) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &opened);
  const win::UniqueRegKey key(result == ERROR_SUCCESS ? opened : nullptr);
  return result == ERROR_SUCCESS;
}

std::string Folder(int csidl) {
  char path[MAX_PATH] = {};
  EXPECT_EQ(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path), S_OK) << csidl;
  return path;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The names in `folder`, sorted; none when it is gone.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The program a shortcut starts.
std::string ShortcutTarget(const std::string& link) {
  struct Com {
    Com() { CoInitialize(nullptr); }
    ~Com() { CoUninitialize(); }
  } com;
  IShellLinkA* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shellLink))))
    return "(no shell link object)";
  IPersistFile* file = nullptr;
  char target[MAX_PATH] = {};
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    if (SUCCEEDED(file->Load(std::filesystem::path(link).wstring().c_str(), STGM_READ)))
      shellLink->GetPath(target, sizeof target, nullptr, 0);
    file->Release();
  }
  shellLink->Release();
  return target;
}

// Runs `commandLine` and waits until it and every process it started have
// ended: the uninstaller hands its work to a copy of itself in the temporary
// folder and ends at once. The program's own exit code.
DWORD RunToEnd(std::string commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    ADD_FAILURE() << "could not start " << commandLine;
    return ~DWORD{0};
  }
  const win::UniqueKernelHandle process(started.hProcess);
  const win::UniqueKernelHandle thread(started.hThread);
  EXPECT_TRUE(testing::WaitForExit(process.Get(), std::chrono::seconds(60))) << commandLine;
  DWORD code = ~DWORD{0};
  GetExitCodeProcess(process.Get(), &code);

  const win::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
    if (entry.th32ParentProcessID != started.dwProcessId) continue;
    const win::UniqueKernelHandle child(OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID));
    if (!child) continue;  // it has ended already
    EXPECT_TRUE(testing::WaitForExit(child.Get(), std::chrono::seconds(60))) << commandLine << ": " << entry.szExeFile;
  }
  return code;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class SetupTest : public ::testing::Test {
 protected:
  // Settings of an earlier Pavane, which every install and uninstall keeps;
  // and a file type that belongs to another program, which neither touches.
  SetupTest() {
    settingsFolder.Write("ZSNES.CFG", "GameDirectory = C:\\\r\n");
    win::RegistryKey settings = win::RegistryKey::OpenOrCreate(kSettingsKey);
    settings.WriteString("ZSnesDir", settingsFolder.Path().string() + "\\");
    settings.OpenOrCreateSubkey("Favorites").WriteString("Count", "0");
    win::RegistryKey::OpenOrCreate("Software\\Classes\\.smc").WriteString("", "OtherEmulator.Rom");
  }
  ~SetupTest() override {
    win::DeleteRegistryTree(kSettingsKey);
    win::DeleteRegistryTree("Software\\Classes\\.smc");
  }

  static std::string SetupProgram() { return Quoted(ExecutableDirectory() + PAVANE_SETUP_NAME); }

  void ExpectSettingsKept() {
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kSettingsKey, "ZSnesDir"), settingsFolder.Path().string() + "\\");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\Favorites", "Count"), "0");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, "Software\\Classes\\.smc", ""), "OtherEmulator.Rom");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Classes\\.smc")) << "a file type was taken over";
  }

  // The programs as the build made them, in `folder`, and the uninstaller beside them.
  static void ExpectProgramsIn(const std::string& folder) {
    for (const char* program : {"Pavane.exe", "pavanectl.exe"}) {
      const std::string installed = TempDir::Read(folder + "\\" + program);
      EXPECT_TRUE(installed == TempDir::Read(ExecutableDirectory() + program))
          << folder << "\\" << program << " is not the build's (" << installed.size() << " bytes)";
    }
    EXPECT_TRUE(Exists(folder + "\\uninstall.exe"));
  }

  TempDir settingsFolder;
};

TEST_F(SetupTest, InstallsForAllUsersOpensARomThroughOpenWithAndUninstallsKeepingTheSettings) {
  ASSERT_EQ(RunToEnd(SetupProgram() + " /S"), 0u);

  const std::string folder = Folder(CSIDL_PROGRAM_FILES) + "\\Pavane";
  const std::string program = folder + "\\Pavane.exe";
  ExpectProgramsIn(folder);
  const std::string shortcut = Folder(CSIDL_COMMON_PROGRAMS) + "\\Pavane.lnk";
  EXPECT_EQ(ShortcutTarget(shortcut), program);

  const std::string command = Quoted(program) + " \"%1\"";
  EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, std::string(kOpenWithKey) + "\\shell\\open\\command", ""), command);
  for (const char* type : {".smc", ".sfc", ".swc", ".fig"})
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, std::string(kOpenWithKey) + "\\SupportedTypes", type), "") << type;
  const auto entry = [](const char* name) { return ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, name); };
  EXPECT_EQ(entry("DisplayName"), "Pavane");
  EXPECT_EQ(entry("DisplayVersion"), PAVANE_VERSION);
  EXPECT_EQ(entry("Publisher"), "the Pavane project");
  EXPECT_EQ(entry("DisplayIcon"), program + ",0");
  EXPECT_EQ(entry("InstallLocation"), folder);
  const std::string uninstaller = Quoted(folder + "\\uninstall.exe");
  EXPECT_EQ(entry("UninstallString"), uninstaller);
  EXPECT_EQ(entry("QuietUninstallString"), uninstaller + " /S");
  std::uintmax_t bytes = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder)) bytes += file.file_size();
  EXPECT_NEAR(ReadNumber(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize").value_or(0), bytes / 1024.0, 3);
  EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify"), 1u);
  EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair"), 1u);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey));
  ExpectSettingsKept();

  // "Open with" on a ROM whose path has blanks, as the shell runs it.
  TempDir games;
  std::filesystem::create_directory(games.Path() / "My Games");
  const std::string rom = games.Write("My Games\\Super Game.smc", testing::RomImage("SUPER GAME"));
  SHELLEXECUTEINFOA openWith{};
  openWith.cbSize = sizeof openWith;
  openWith.fMask = SEE_MASK_CLASSNAME | SEE_MASK_NOCLOSEPROCESS;
  openWith.lpClass = "Applications\\Pavane.exe";
  openWith.lpFile = rom.c_str();
  openWith.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExA(&openWith)) << GetLastError();
  ASSERT_NE(openWith.hProcess, nullptr);
  const win::UniqueKernelHandle pavane(openWith.hProcess);
  const HWND main = testing::WaitForWindow([&] {
    const HWND window = FindWindowA("TMainForm", nullptr);
    char caption[512] = {};
    if (window) GetWindowTextA(window, caption, sizeof caption);
    return caption == rom + " - Pavane" ? window : nullptr;
  });
  EXPECT_NE(main, nullptr) << "Pavane did not open " << rom;

  // While it runs, neither a silent setup nor a silent uninstall changes anything.
  EXPECT_EQ(RunToEnd(SetupProgram() + " /S"), kExitRunning);
  RunToEnd(uninstaller + " /S");
  ExpectProgramsIn(folder);
  EXPECT_EQ(entry("InstallLocation"), folder);
  PostMessageA(FindWindowA("TMainForm", nullptr), WM_CLOSE, 0, 0);
  ASSERT_TRUE(testing::WaitForExit(pavane.Get()));

  // A setup that cannot write all its files leaves the install as it was
  // (here an older Pavane.exe); the next one replaces it in place.
  std::ofstream(program, std::ios::binary | std::ios::app) << "older";
  const std::string blocked = folder + "\\pavanectl.exe.new";
  std::filesystem::create_directory(blocked);
  EXPECT_EQ(RunToEnd(SetupProgram() + " /S"), 2u);
  EXPECT_TRUE(TempDir::Read(program).ends_with("older"));
  std::filesystem::remove(blocked);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"Pavane.exe", "pavanectl.exe", "uninstall.exe"}));
  ASSERT_EQ(RunToEnd(SetupProgram() + " /S"), 0u);
  ExpectProgramsIn(folder);
  EXPECT_EQ(entry("InstallLocation"), folder);
  RunToEnd(entry("QuietUninstallString").value_or("(no QuietUninstallString)"));
  EXPECT_FALSE(Exists(folder));
  EXPECT_FALSE(Exists(shortcut));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kOpenWithKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  ExpectSettingsKept();
}

// /D= names the folder; running the setup again finds that install, its
// folder and its users. Files the user put there stay.
TEST_F(SetupTest, APerUserInstallInAFolderOfOnesOwnIsUpgradedInPlaceAndRemovedAlone) {
  const std::string folder = "C:\\Games\\My Pavane";
  ASSERT_EQ(RunToEnd(SetupProgram() + " /S /CurrentUser /D=" + folder), 0u);
  ExpectProgramsIn(folder);
  const std::string shortcut = Folder(CSIDL_PROGRAMS) + "\\Pavane.lnk";
  EXPECT_EQ(ShortcutTarget(shortcut), folder + "\\Pavane.exe");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, "InstallLocation"), folder);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, std::string(kOpenWithKey) + "\\shell\\open\\command", ""),
            Quoted(folder + "\\Pavane.exe") + " \"%1\"");
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kOpenWithKey));
  EXPECT_FALSE(Exists(Folder(CSIDL_COMMON_PROGRAMS) + "\\Pavane.lnk"));

  const std::string notes = folder + "\\notes.txt";
  std::ofstream(notes) << "mine";
  ASSERT_EQ(RunToEnd(SetupProgram() + " /S"), 0u);
  ExpectProgramsIn(folder);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kUninstallKey, "InstallLocation"), folder);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  EXPECT_FALSE(Exists(Folder(CSIDL_PROGRAM_FILES) + "\\Pavane"));

  RunToEnd(ReadString(HKEY_CURRENT_USER, kUninstallKey, "QuietUninstallString").value_or("(none)"));
  EXPECT_EQ(Names(folder), std::vector<std::string>{"notes.txt"});
  EXPECT_FALSE(Exists(shortcut));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kOpenWithKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallKey));
  ExpectSettingsKept();
  std::filesystem::remove_all("C:\\Games");
}

}  // namespace
}  // namespace pavane
