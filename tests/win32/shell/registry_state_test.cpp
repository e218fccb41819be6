#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/app_title_win.h"
#include "app/registry_state.h"
#include "app/registry_store_win.h"
#include "tests/win32/test_key.h"
#include "win32/registry.h"

namespace pavane {
namespace {

using testing::TestKey;

// The state rules over the real registry: a run that read `loaded` ends with `state`.
RegistryState Load(const std::string& path) {
  const LoadedState loaded = LoadRegistryState(RegistryStore(path), 100);
  EXPECT_TRUE(loaded.complete);
  return loaded.state;
}
bool Save(const std::string& path, const RegistryState& state, const RegistryState& loaded = {}) {
  RegistryStore store(path);
  return SaveRegistryState(store, loaded, state);
}

std::optional<std::string> Stored(const std::string& path, const char* name) {
  return win::RegistryKey::OpenOrCreate(path).ReadString(name);
}

void Store(const std::string& path, const char* name, const std::string& value) {
  ASSERT_TRUE(win::RegistryKey::OpenOrCreate(path).WriteString(name, value));
}

TEST(RegistryState, ProgramKeyIsUnderSoftware) { EXPECT_EQ(ProgramKeyPath("Pavane"), "Software\\Pavane"); }

// The test program has no string table: without entry 100 the title, and so
// the key that -U deletes, stays the program's own.
TEST(RegistryState, AMissingTitleStringStillNamesTheProgramsKey) {
  EXPECT_EQ(ProgramKeyPath(LoadAppTitle()), "Software\\Pavane");
}

TEST(RegistryState, FirstStartReadsDefaultsAndCreatesTheKey) {
  TestKey test;
  const RegistryState state = Load(test.path());
  EXPECT_TRUE(win::RegistryKeyExists(test.path()));
  EXPECT_EQ(state.ZSnesDir, "");
  EXPECT_EQ(state.ZSnesCmdLine, "");
  EXPECT_EQ(state.preferences, Preferences{});
  EXPECT_TRUE(state.FavoriteList.empty());
}

TEST(RegistryState, SavingDefaultsWritesEveryValueAsText) {
  TestKey test;
  ASSERT_TRUE(Save(test.path(), RegistryState{}));
  EXPECT_EQ(Stored(test.path(), "ZSnesDir"), "");
  EXPECT_EQ(Stored(test.path(), "ZSnesCmdLine"), "");
  EXPECT_EQ(Stored(test.path(), "LoadROMSettings"), "1");
  EXPECT_EQ(Stored(test.path(), "PromptBeforeLoading"), "1");
  EXPECT_EQ(Stored(test.path(), "SaveSettingsBeforeLaunch"), "1");
  EXPECT_EQ(Stored(test.path(), "SaveWithoutPrompting"), "0");
  EXPECT_EQ(Stored(test.path(), "CfgOverwritePrompt"), "1");
  EXPECT_EQ(Stored(test.path() + "\\Favorites", "Count"), "0");
}

TEST(RegistryState, RoundTripKeepsEverything) {
  TestKey test;
  RegistryState saved;
  saved.ZSnesDir = "C:\\Emu\\ZSNES\\";
  saved.ZSnesCmdLine = "-m -r 2";
  saved.preferences = {.LoadROMSettings = false,
                       .PromptBeforeLoading = true,
                       .SaveSettingsBeforeLaunch = false,
                       .SaveWithoutPrompting = true,
                       .CfgOverwritePrompt = false};
  saved.FavoriteList = {"C:\\Roms\\a.smc", "C:\\Roms\\a.smc", "D:\\b & c.sfc"};
  ASSERT_TRUE(Save(test.path(), saved));

  const RegistryState loaded = Load(test.path());
  EXPECT_EQ(loaded.ZSnesDir, saved.ZSnesDir);
  EXPECT_EQ(loaded.ZSnesCmdLine, saved.ZSnesCmdLine);
  EXPECT_EQ(loaded.preferences, saved.preferences);
  EXPECT_EQ(loaded.FavoriteList, saved.FavoriteList);
  EXPECT_EQ(Stored(test.path() + "\\Favorites", "Count"), "3");
  EXPECT_EQ(Stored(test.path() + "\\Favorites", "2"), "D:\\b & c.sfc");
}

TEST(RegistryState, EachFlagIsReadUnderItsOwnName) {
  const char* names[] = {"LoadROMSettings", "PromptBeforeLoading", "SaveSettingsBeforeLaunch", "SaveWithoutPrompting",
                         "CfgOverwritePrompt"};
  bool Preferences::*fields[] = {&Preferences::LoadROMSettings, &Preferences::PromptBeforeLoading,
                                 &Preferences::SaveSettingsBeforeLaunch, &Preferences::SaveWithoutPrompting,
                                 &Preferences::CfgOverwritePrompt};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(names[i]);
    TestKey test;
    Preferences expected;
    expected.*fields[i] = !(expected.*fields[i]);
    Store(test.path(), names[i], expected.*fields[i] ? "1" : "0");
    EXPECT_EQ(Load(test.path()).preferences, expected);
  }
}

TEST(RegistryState, FlagTextsFollowTheNumberRule) {
  TestKey test;
  Store(test.path(), "LoadROMSettings", "0x0");      // hexadecimal zero: off although the default is on
  Store(test.path(), "SaveWithoutPrompting", "2");   // any other number: on
  Store(test.path(), "PromptBeforeLoading", "yes");  // no number: default (on)
  Store(test.path(), "CfgOverwritePrompt", "0x");    // too short for hex, no decimal: default (on)
  Store(test.path(), "SaveSettingsBeforeLaunch", "-1");
  const Preferences read = Load(test.path()).preferences;
  EXPECT_FALSE(read.LoadROMSettings);
  EXPECT_TRUE(read.SaveWithoutPrompting);
  EXPECT_TRUE(read.PromptBeforeLoading);
  EXPECT_TRUE(read.CfgOverwritePrompt);
  EXPECT_TRUE(read.SaveSettingsBeforeLaunch);
}

TEST(RegistryState, ValuesOfOtherTypesTakeTheirDefaults) {
  TestKey test;
  {
    const win::RegistryKey key = win::RegistryKey::OpenOrCreate(test.path());
    const DWORD zero = 0;
    RegSetValueExA(key.Get(), "ZSnesDir", 0, REG_BINARY, reinterpret_cast<const BYTE*>("C:\\"), 4);
    RegSetValueExA(key.Get(), "ZSnesCmdLine", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>("-m\0\0"), 4);
    RegSetValueExA(key.Get(), "LoadROMSettings", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
    const DWORD one = 1;
    RegSetValueExA(key.Get(), "SaveWithoutPrompting", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
    const win::RegistryKey favorites = key.OpenOrCreateSubkey("Favorites");
    const DWORD two = 2;
    RegSetValueExA(favorites.Get(), "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&two), sizeof two);
    RegSetValueExA(favorites.Get(), "0", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\a.smc"), 9);
  }
  const RegistryState state = Load(test.path());
  EXPECT_EQ(state.ZSnesDir, "");
  EXPECT_EQ(state.ZSnesCmdLine, "");
  EXPECT_EQ(state.preferences, Preferences{});
  EXPECT_TRUE(state.FavoriteList.empty());  // a Count that is no text counts as 0
}

TEST(RegistryState, FavoritesSkipEmptyAndMissingEntriesAndRenumber) {
  TestKey test;
  const std::string favorites = test.path() + "\\Favorites";
  Store(favorites, "Count", "3");
  Store(favorites, "0", "C:\\a.smc");
  Store(favorites, "2", "C:\\c.smc");
  RegistryState state = Load(test.path());
  EXPECT_EQ(state.FavoriteList, (std::vector<std::string>{"C:\\a.smc", "C:\\c.smc"}));

  // Untouched, the list is not written; changed, it is written whole and
  // what the longer stored list had beyond it goes.
  ASSERT_TRUE(Save(test.path(), state, state));
  EXPECT_EQ(Stored(favorites, "Count"), "3");
  state.FavoriteList.push_back("C:\\d.smc");
  state.FavoriteList.erase(state.FavoriteList.begin());
  ASSERT_TRUE(Save(test.path(), state, Load(test.path())));
  EXPECT_EQ(Stored(favorites, "Count"), "2");
  EXPECT_EQ(Stored(favorites, "0"), "C:\\c.smc");
  EXPECT_EQ(Stored(favorites, "1"), "C:\\d.smc");
  EXPECT_EQ(Stored(favorites, "2"), std::nullopt);
}

TEST(RegistryState, FavoritesReadOnlyPlainIndicesBelowCount) {
  TestKey test;
  const std::string favorites = test.path() + "\\Favorites";
  Store(favorites, "Count", "3");
  Store(favorites, "0", "");
  Store(favorites, "01", "C:\\leading-zero.smc");
  Store(favorites, "2", "C:\\two.smc");
  Store(favorites, "1", "C:\\one.smc");
  Store(favorites, "3", "C:\\beyond.smc");
  Store(favorites, "-1", "C:\\negative.smc");
  EXPECT_EQ(Load(test.path()).FavoriteList, (std::vector<std::string>{"C:\\one.smc", "C:\\two.smc"}));
}

TEST(RegistryState, AHugeCountDoesNotStallTheStart) {
  TestKey test;
  const std::string favorites = test.path() + "\\Favorites";
  Store(favorites, "Count", "2147483647");
  Store(favorites, "0", "C:\\a.smc");
  Store(favorites, "stray", "C:\\b.smc");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Load(test.path()).FavoriteList, (std::vector<std::string>{"C:\\a.smc"}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(RegistryState, UnreadableCountIsZero) {
  TestKey test;
  const std::string favorites = test.path() + "\\Favorites";
  Store(favorites, "Count", "three");
  Store(favorites, "0", "C:\\a.smc");
  EXPECT_TRUE(Load(test.path()).FavoriteList.empty());
}

}  // namespace
}  // namespace pavane
