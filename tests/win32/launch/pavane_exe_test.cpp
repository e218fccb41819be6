// Pavane.exe started as a user starts it: it finds its directory in the
// registry, reads ZSNES.CFG, runs the stand-in from its menu, watches it until
// it ends, and stores its state when it is closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "base/text_rules.h"
#include "settings/file_io.h"
#include "tests/win32/launch/launch_test_support.h"
#include "tests/win32/user_input.h"
#include "win32/ansi_path.h"
#include "win32/handles.h"
#include "win32/registry.h"

namespace pavane {
namespace {

using namespace std::chrono_literals;
using testing::WaitForWindow;

constexpr const char* kProgramKey = "Software\\Pavane";

bool HasChildText(HWND window, const char* text) { return FindWindowExA(window, nullptr, nullptr, text) != nullptr; }

BOOL CALLBACK AddCaption(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<std::pair<DWORD, std::string>*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  if (owner == search.first && IsWindowVisible(window)) search.second += std::string("[") + text + "] ";
  return TRUE;
}

// What the program shows, for a failure message.
std::string TopLevelCaptions(DWORD processId) {
  std::pair<DWORD, std::string> search{processId, {}};
  EnumWindows(&AddCaption, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

class PavaneExeTest : public ::testing::Test {
 protected:
  PavaneExeTest() : record("PAVANE_STANDIN_RECORD", emulator.RecordPath()), runFor("PAVANE_STANDIN_RUN_MS", "1500") {
    win::DeleteRegistryTree(kProgramKey);
    emulator.Temp().Write("emulator\\ZSNES.CFG", "; user's file\r\nGameDirectory = " + Games() + "\r\n");
    win::RegistryKey stored = win::RegistryKey::OpenOrCreate(kProgramKey);
    stored.WriteString("ZSnesDir", emulator.Directory());
    stored.WriteString("ZSnesCmdLine", "-c -g 2");
    stored.WriteString("SaveSettingsBeforeLaunch", "0");  // no question: nobody is there to answer it
  }
  ~PavaneExeTest() override { win::DeleteRegistryTree(kProgramKey); }

  std::string Games() const { return emulator.Temp().Path().string(); }

  // Starts Pavane.exe as the shell does, with `arguments` after its quoted
  // path, in full (the shell hands over names the code page cannot hold).
  void Start(const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + win::WidePath(ExecutableDirectory()) + L"Pavane.exe\"" + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
    process.Reset(started.hProcess);
    thread.Reset(started.hThread);
  }

  testing::StandInFolder emulator;
  testing::ScopedEnvironment record;
  testing::ScopedEnvironment runFor;
  PROCESS_INFORMATION started{};
  win::UniqueKernelHandle process;
  win::UniqueKernelHandle thread;
};

TEST_F(PavaneExeTest, RunsTheEmulatorFromItsMenuAndStoresItsStateOnClose) {
  ASSERT_NO_FATAL_FAILURE(Start(L""));

  const HWND main = WaitForWindow([] { return FindWindowA(nullptr, "Pavane"); });
  ASSERT_NE(main, nullptr) << "the main window did not open";
  WaitForInputIdle(process.Get(), 5000);

  PostMessageA(main, WM_KEYDOWN, VK_F9, 1);  // the shortcut of File, Run...
  const HWND run = WaitForWindow([] { return FindWindowA(nullptr, "RunDialog"); });
  ASSERT_NE(run, nullptr) << "the run dialog did not open; windows: " << TopLevelCaptions(started.dwProcessId);
  EXPECT_NE(WaitForWindow([run] { return HasChildText(run, "ZSNES is running") ? run : nullptr; }), nullptr);
  EXPECT_FALSE(IsWindowEnabled(main));

  const auto launched = emulator.Record();
  EXPECT_EQ(launched.at("CommandLine"), emulator.Directory() + "ZSNES.EXE -c -g 2");
  EXPECT_EQ(launched.at("WorkingDirectory"), UpperAscii(Games()));  // as read from ZSNES.CFG

  // The stand-in ends after its time; the dialog goes with it.
  EXPECT_NE(WaitForWindow([run] { return IsWindow(run) ? nullptr : run; }), nullptr) << "the dialog stayed open";
  EXPECT_TRUE(IsWindowEnabled(main));

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(testing::WaitForExit(process.Get()));
  DWORD exitCode = 1;
  GetExitCodeProcess(process.Get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);
  const win::RegistryKey stored = win::RegistryKey::OpenOrCreate(kProgramKey);
  EXPECT_EQ(stored.ReadString("ZSnesDir"), emulator.Directory());
  EXPECT_EQ(stored.ReadString("ZSnesCmdLine"), "-c -g 2");
  EXPECT_EQ(stored.ReadString("SaveSettingsBeforeLaunch"), "0");
  EXPECT_EQ(testing::TempDir::Read(emulator.Directory() + "ZSNES.CFG"),
            "; user's file\r\nGameDirectory = " + Games() + "\r\n");  // never saved
}

// "Open with" passes the ROM quoted; its name holds the letters of -U, which
// must not bring up the question that deletes the stored state.
TEST_F(PavaneExeTest, AQuotedRomOnTheCommandLineIsChosenAfterZsnesCfgIsRead) {
  std::filesystem::create_directory(emulator.Temp().Path() / "My Roms");
  const std::string rom = emulator.Temp().Write("My Roms\\SUPER-UFO.SMC", testing::RomImage("SUPER UFO"));
  emulator.Temp().Write("My Roms\\SUPER-UFO.pvt", std::string());
  ASSERT_NO_FATAL_FAILURE(Start(L" \"" + win::WidePath(rom) + L"\""));

  // The per-ROM question, asked over the main window once it shows the ROM.
  const HWND question = WaitForWindow([] { return FindWindowA("#32770", "Pavane"); });
  ASSERT_NE(question, nullptr) << "no question; windows: " << TopLevelCaptions(started.dwProcessId);
  const std::string settingsFile = rom.substr(0, rom.size() - 4) + ".pvt";
  EXPECT_TRUE(
      HasChildText(question, ("A '" + settingsFile + "' file has been detected.\n\nDo you want to load it?").c_str()))
      << "not the per-ROM question";
  const HWND main = FindWindowA("TMainForm", nullptr);
  ASSERT_NE(main, nullptr);
  char caption[512] = {};
  SendMessageA(main, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption));
  EXPECT_EQ(std::string(caption), rom + " - Pavane");
  PostMessageA(question, WM_COMMAND, IDNO, 0);
  ASSERT_NE(WaitForWindow([question] { return IsWindow(question) ? nullptr : question; }), nullptr);

  // The ROM is the current one: Run starts the emulator on it.
  PostMessageA(main, WM_KEYDOWN, VK_F9, 1);
  const auto launched = emulator.Record();
  char shortRom[MAX_PATH] = {};
  GetShortPathNameA(rom.c_str(), shortRom, sizeof shortRom);
  ASSERT_TRUE(launched.contains("CommandLine")) << "the emulator did not start";
  EXPECT_EQ(launched.at("CommandLine"), emulator.Directory() + "ZSNES.EXE -c -g 2 " + shortRom);
  EXPECT_NE(WaitForWindow([] { return FindWindowA(nullptr, "RunDialog") ? nullptr : GetDesktopWindow(); }), nullptr);
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(testing::WaitForExit(process.Get()));
}

// "Open with" hands over a ROM whose name the code page cannot hold: it is
// chosen by its short name, never by a name with "?" in place of letters.
TEST_F(PavaneExeTest, ARomNamedOutsideTheCodePageIsChosenByItsShortName) {
  const std::wstring rom = emulator.Temp().Path().wstring() + L"\\\u03a9\u03bc\u03ad\u03b3\u03b1.smc";
  ASSERT_TRUE(win::UniqueFile(CreateFileW(rom.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
  ASSERT_NO_FATAL_FAILURE(Start(L" \"" + rom + L"\""));

  const HWND main = WaitForWindow([] {
    const HWND window = FindWindowA("TMainForm", nullptr);
    char caption[512] = {};
    if (window) GetWindowTextA(window, caption, sizeof caption);
    return std::string(caption).ends_with(".smc - Pavane") || std::string(caption).ends_with(".SMC - Pavane") ? window
                                                                                                              : nullptr;
  });
  ASSERT_NE(main, nullptr) << "no ROM chosen; windows: " << TopLevelCaptions(started.dwProcessId);
  char caption[512] = {};
  GetWindowTextA(main, caption, sizeof caption);
  const std::string chosen = std::string(caption).substr(0, std::string(caption).size() - 9);
  EXPECT_EQ(chosen.find('?'), std::string::npos) << chosen;
  EXPECT_NE(GetFileAttributesA(chosen.c_str()), INVALID_FILE_ATTRIBUTES) << chosen;
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(testing::WaitForExit(process.Get()));
}

BOOL CALLBACK FindText(HWND child, LPARAM found) {
  auto& [wanted, window] = *reinterpret_cast<std::pair<std::string, HWND>*>(found);
  char text[512] = {};
  SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  if (wanted != text) return TRUE;
  window = child;
  return FALSE;
}

// The child window of `parent` whose text is `text`, searched below it.
HWND ChildWithText(HWND parent, const std::string& text) {
  std::pair<std::string, HWND> search{text, nullptr};
  EnumChildWindows(parent, FindText, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// A start with a ROM shows the General page's values on the screen at once:
// setting the caption throws away none of the paint its controls still owe.
TEST_F(PavaneExeTest, AStartWithARomShowsTheGeneralPagesValues) {
  const std::string rom = emulator.Temp().Write("GAME.SMC", testing::RomImage("GAME"));
  ASSERT_NO_FATAL_FAILURE(Start(L" \"" + win::WidePath(rom) + L"\""));
  const std::string caption = rom + " - Pavane";
  const HWND main = WaitForWindow([&caption] {
    const HWND window = FindWindowA("TMainForm", nullptr);
    char text[512] = {};
    if (window) SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return caption == text ? window : nullptr;
  });
  ASSERT_NE(main, nullptr) << "windows: " << TopLevelCaptions(started.dwProcessId);
  WaitForInputIdle(process.Get(), 5000);
  testing::user::Settle(500);
  const HWND directory = ChildWithText(main, emulator.Directory());
  ASSERT_NE(directory, nullptr);
  RECT inside{};
  GetWindowRect(directory, &inside);
  InflateRect(&inside, -3, -3);
  EXPECT_TRUE(testing::user::ScreenArea(inside).Holds(GetSysColor(COLOR_WINDOWTEXT))) << "the directory is not shown";
  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(testing::WaitForExit(process.Get()));
}

// Sixty thousand stored favourites: the program starts without an error,
// and closing it leaves the list stored as it was.
TEST_F(PavaneExeTest, SixtyThousandFavoritesStartWithoutAnErrorAndStayStored) {
  constexpr int kCount = 60000;
  {
    win::RegistryKey favorites = win::RegistryKey::OpenOrCreate(kProgramKey).OpenOrCreateSubkey("Favorites");
    favorites.WriteString("Count", std::to_string(kCount));
    for (int i = 0; i < kCount; ++i) favorites.WriteString(std::to_string(i), "C:\\GAME" + std::to_string(i) + ".SMC");
  }
  ASSERT_NO_FATAL_FAILURE(Start(L""));
  const HWND main = WaitForWindow([] { return FindWindowA("TMainForm", nullptr); }, 60s);
  ASSERT_NE(main, nullptr) << "the main window did not open";
  WaitForInputIdle(process.Get(), 10000);
  EXPECT_EQ(FindWindowA("#32770", "Pavane"), nullptr) << "windows: " << TopLevelCaptions(started.dwProcessId);

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(testing::WaitForExit(process.Get()));
  const win::RegistryKey favorites = win::RegistryKey::OpenOrCreate(kProgramKey).OpenOrCreateSubkey("Favorites");
  EXPECT_EQ(favorites.ReadString("Count"), std::to_string(kCount));
  EXPECT_EQ(favorites.StringValues()->size(), kCount + 1u);
  EXPECT_EQ(favorites.ReadString("59999"), "C:\\GAME59999.SMC");
}

}  // namespace
}  // namespace pavane
