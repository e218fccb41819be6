#pragma once

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "tests/support/fake_launcher.h"
#include "tests/support/memory_form.h"
#include "tests/support/memory_store.h"
#include "tests/support/scripted_prompter.h"

namespace pavane::testing {

// The main window with everything it asks the system for in memory.
struct MemoryProgram {
  ~MemoryProgram() {
    EXPECT_TRUE(prompter.ScriptUsedUp()) << "questions left unasked";
    EXPECT_TRUE(host.ScriptUsedUp()) << "dialogs left unopened";
  }
  MemoryForm& Window() { return static_cast<MemoryForm&>(main.Window()); }

  AppState state;
  ScriptedPrompter prompter;
  MemoryHost host;
  MemoryStore registry;
  FakeLauncher launcher;
  TMainForm main{state, {host, prompter, registry, launcher}};
};

}  // namespace pavane::testing
