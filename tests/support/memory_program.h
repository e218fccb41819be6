#pragma once

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "tests/support/fake_launcher.h"
#include "tests/support/fixed_menu_metrics.h"
#include "tests/support/memory_form.h"
#include "tests/support/memory_search_system.h"
#include "tests/support/memory_store.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/us_keyboard.h"

namespace pavane::testing {

// The main window with everything it asks the system for in memory, on a
// 600-pixel screen with 19-pixel menu items and a US keyboard. Copies of the
// program that run at the same time share one registry.
struct MemoryProgram {
  MemoryProgram() : MemoryProgram(ownRegistry) {}
  explicit MemoryProgram(MemoryStore& sharedRegistry) : registry(sharedRegistry) {}
  ~MemoryProgram() {
    EXPECT_TRUE(prompter.ScriptUsedUp()) << "questions left unasked";
    EXPECT_TRUE(host.ScriptUsedUp()) << "dialogs left unopened";
  }
  MemoryForm& Window() { return static_cast<MemoryForm&>(main.Window()); }

  AppState state;
  ScriptedPrompter prompter;
  MemoryHost host;
  MemoryStore ownRegistry;
  MemoryStore& registry;
  FakeLauncher launcher;
  FixedMenuMetrics menuMetrics;
  UsKeyboard keys;
  MemorySearchSystem driveSearch;
  TMainForm main{state, {host, prompter, registry, launcher, menuMetrics, keys, driveSearch}};
};

}  // namespace pavane::testing
