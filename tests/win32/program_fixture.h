#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "app/program_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/win32/test_key.h"
#include "win32/form_window.h"
#include "win32/registry.h"

namespace pavane::testing {

// The real program in the test's process: its main window and real windows,
// the real registry under a key of the test's own, a ZSNES directory of its
// own and a scripted prompter that fails on any question it did not expect.
// The window is made when the fixture is; Start and Stop run the program's
// start and end on a fresh one, as a user's run does.
class ProgramFixture : public ::testing::Test {
 protected:
  ProgramFixture() { Make(); }
  ~ProgramFixture() override { EXPECT_TRUE(prompter.ScriptUsedUp()) << "questions left unasked"; }

  // A new run's state and main window, over the same registry key.
  void Make() {
    program.reset();
    state.emplace();
    program.emplace(*state, prompter, key.path());
  }
  // The program's start on a new window: whether it went on past the location dialog.
  bool Start() {
    Make();
    return Main().FormCreate();
  }
  // The program's end, as Exit ends it: the window closed and the state stored.
  void Stop() {
    Main().ExitClick();
    win::PumpMessages();
    program.reset();
  }

  TMainForm& Main() { return program->Main(); }
  win::FormWindow& Window() { return program->Window(); }
  AppState& State() { return *state; }
  win::RegistryKey Stored() const { return win::RegistryKey::OpenOrCreate(key.path()); }
  std::string ZsnesDir() const { return dir.Path().string(); }
  // The ZSNES directory, holding a ZSNES.CFG of `config`, stored as the program's.
  void StoreZsnesDir(std::string_view config) {
    dir.Write("ZSNES.CFG", config);
    Stored().WriteString("ZSnesDir", ZsnesDir());
  }

  TempDir dir;
  const TestKey key;
  ScriptedPrompter prompter;
  std::optional<AppState> state;
  std::optional<Win32Program> program;
};

}  // namespace pavane::testing
