#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "launch/emulator_process_win.h"
#include "launch/run_command.h"
#include "launch/short_path_win.h"
#include "settings/file_io.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/launch/launch_test_support.h"
#include "win32/form_window.h"

namespace pavane::win {
namespace {

using testing::RomImage;
using testing::ScopedEnvironment;
using testing::StandInFolder;

// Also notes whether the run dialog was on screen while a message was shown.
class LaunchPrompter : public testing::ScriptedPrompter {
 public:
  forms::Answer Show(const forms::MessageRequest& request) override {
    const HWND dialog = FindWindowA(nullptr, "RunDialog");
    runDialogVisible |= dialog && IsWindowVisible(dialog);
    return ScriptedPrompter::Show(request);
  }

  bool runDialogVisible = false;
};

class LaunchEmulatorTest : public ::testing::Test {
 protected:
  StandInFolder standIn_;
  ScopedEnvironment record_{"PAVANE_STANDIN_RECORD", standIn_.RecordPath()};
  // Without a script every message fails the test.
  LaunchPrompter prompts_;
  Settings settings_;
  Win32FormHost host_;
  Win32Launcher launcher_;
  const std::string title_ = "Pavane";
  const LaunchContext context_{host_, nullptr, prompts_, launcher_, title_};
};

TEST_F(LaunchEmulatorTest, MissingEmulatorIsReportedWithErrorCodeTwo) {
  const std::string empty = standIn_.Temp().File("empty");
  std::filesystem::create_directory(empty);
  prompts_.Answer(forms::Answer::Ok);
  LaunchEmulator(context_, empty, settings_, "");
  ASSERT_EQ(prompts_.Requests().size(), 1u);
  const forms::MessageRequest& message = prompts_.Requests().front().message;
  EXPECT_EQ(message.text, "ZSNES Launch failed!\n\nError code: 2");
  EXPECT_EQ(message.caption, "Pavane");
  EXPECT_EQ(message.buttons, forms::Buttons::Ok);
  EXPECT_EQ(message.icon, forms::Icon::Error);
  EXPECT_FALSE(prompts_.runDialogVisible);
  EXPECT_EQ(FindWindowA(nullptr, "RunDialog"), nullptr) << "the run dialog is destroyed";
}

TEST_F(LaunchEmulatorTest, MissingGameDirectoryIsReported) {
  settings_.GameDirectory = standIn_.Temp().File("no games here");
  prompts_.Answer(forms::Answer::Ok);
  LaunchEmulator(context_, standIn_.Directory(), settings_, "");
  ASSERT_EQ(prompts_.MessageTexts().size(), 1u);
  const std::string text = prompts_.MessageTexts().front();
  EXPECT_TRUE(text.starts_with("ZSNES Launch failed!\n\nError code: ")) << text;
  EXPECT_NE(text, "ZSNES Launch failed!\n\nError code: 0");
}

TEST_F(LaunchEmulatorTest, StartsWithSwitchesAndShortRomPathInTheGameDirectory) {
  ScopedEnvironment runFor("PAVANE_STANDIN_RUN_MS", "700");
  StandInFolder blanks("ZSNES with blanks");
  ScopedEnvironment record("PAVANE_STANDIN_RECORD", blanks.RecordPath());
  const std::string games = standIn_.Temp().File("My Games");
  std::filesystem::create_directory(games);
  const std::string rom = standIn_.Temp().Write("My Games\\Super Game.smc", RomImage("SUPER GAME"));
  settings_.ZSnesCmdLine = "-c -g 2";
  settings_.GameDirectory = games;

  LaunchEmulator(context_, blanks.Directory(), settings_, rom);

  const auto received = blanks.Record();
  const std::optional<std::string> shortRom = ShortPathName(rom);
  ASSERT_TRUE(shortRom);
  EXPECT_EQ(received.at("CommandLine"), "\"" + blanks.Directory() + "ZSNES.EXE\" -c -g 2 " + *shortRom);
  EXPECT_EQ(received.at("WorkingDirectory"), games);
}

TEST_F(LaunchEmulatorTest, EmptyDirectoriesMeanOurOwn) {
  ScopedEnvironment runFor("PAVANE_STANDIN_RUN_MS", "0");
  LaunchEmulator(context_, "", settings_, "");
  const auto received = standIn_.Record();
  EXPECT_EQ(received.at("CommandLine"), ExecutableDirectory() + "ZSNES.EXE");
  EXPECT_EQ(received.at("WorkingDirectory"), testing::CurrentDirectory());
}

}  // namespace
}  // namespace pavane::win
