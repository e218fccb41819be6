#include <gtest/gtest.h>

#include <aclapi.h>

#include <string>
#include <vector>

#include "../test_key.h"
#include "app/uninstall_win.h"
#include "settings/file_io.h"
#include "tests/support/scripted_prompter.h"
#include "win32/registry.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::ScriptedPrompter;
using testing::TestKey;

constexpr const char* kQuestion = "Delete Pavane Registry keys?";

void FillKey(const std::string& path) {
  win::RegistryKey key = win::RegistryKey::OpenOrCreate(path);
  ASSERT_TRUE(key.WriteString("ZSnesDir", "C:\\ZSNES\\"));
  ASSERT_TRUE(key.OpenOrCreateSubkey("Favorites").WriteString("Count", "0"));
}

// Without the switch as an argument of its own nothing is asked: not for a
// folder of the program's path, nor for a word of a ROM path.
TEST(UninstallSwitch, WithoutTheSwitchNothingIsAsked) {
  TestKey test;
  FillKey(test.path());
  ScriptedPrompter prompter;
  EXPECT_FALSE(
      RunUninstallSwitch("\"C:\\Pavane\\Pavane.exe\"", FileExists, "Pavane", kQuestion, test.path(), prompter));
  EXPECT_FALSE(
      RunUninstallSwitch("C:\\SNES-Utils\\Pavane.exe", FileExists, "Pavane", kQuestion, test.path(), prompter));
  EXPECT_FALSE(
      RunUninstallSwitch("Pavane.exe C:\\ROMS\\SUPER-UFO.SMC", FileExists, "Pavane", kQuestion, test.path(), prompter));
  EXPECT_TRUE(prompter.Requests().empty());
  EXPECT_TRUE(win::RegistryKeyExists(test.path()));
}

TEST(UninstallSwitch, AnsweredNoGoesOnWithTheKeyKept) {
  TestKey test;
  FillKey(test.path());
  ScriptedPrompter prompter;
  prompter.Answer(Answer::No);
  EXPECT_FALSE(RunUninstallSwitch("C:\\Pavane\\Pavane.exe -u", FileExists, "Pavane", kQuestion, test.path(), prompter));
  ASSERT_EQ(prompter.Requests().size(), 1u);
  EXPECT_EQ(prompter.Requests()[0].message.text, kQuestion);
  EXPECT_EQ(prompter.Requests()[0].message.caption, "Pavane");
  EXPECT_EQ(prompter.Requests()[0].message.buttons, forms::Buttons::YesNo);
  EXPECT_EQ(prompter.Requests()[0].message.icon, forms::Icon::None);
  EXPECT_TRUE(win::RegistryKeyExists(test.path() + "\\Favorites"));
}

TEST(UninstallSwitch, AnsweredYesRemovesTheKeyAndEnds) {
  TestKey test;
  FillKey(test.path());
  ScriptedPrompter prompter;
  prompter.Answer(Answer::Yes);
  EXPECT_TRUE(
      RunUninstallSwitch("\"C:\\my-utils\\Pavane.exe\" -u", FileExists, "Pavane", kQuestion, test.path(), prompter));
  EXPECT_EQ(prompter.Requests().size(), 1u);
  EXPECT_FALSE(win::RegistryKeyExists(test.path() + "\\Favorites"));
  EXPECT_FALSE(win::RegistryKeyExists(test.path()));
}

TEST(UninstallSwitch, AnsweredYesWithoutAKeyEndsSilently) {
  TestKey test;
  ScriptedPrompter prompter;
  prompter.Answer(Answer::Yes);
  EXPECT_TRUE(RunUninstallSwitch("Pavane.exe -U", FileExists, "Pavane", kQuestion, test.path(), prompter));
  EXPECT_EQ(prompter.Requests().size(), 1u);
  EXPECT_FALSE(win::RegistryKeyExists(test.path()));
}

// Denies or allows everyone the right to delete `path`.
bool SetDeleteDenied(const std::string& path, bool denied) {
  win::UniqueRegKey key;
  HKEY raw = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, READ_CONTROL | WRITE_DAC, &raw) != ERROR_SUCCESS) return false;
  key.Reset(raw);
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) return false;
  std::vector<BYTE> aclBuffer(256);
  auto* acl = reinterpret_cast<PACL>(aclBuffer.data());
  bool built = InitializeAcl(acl, static_cast<DWORD>(aclBuffer.size()), ACL_REVISION) &&
               (!denied || AddAccessDeniedAce(acl, ACL_REVISION, DELETE, everyone)) &&
               AddAccessAllowedAce(acl, ACL_REVISION, denied ? (KEY_ALL_ACCESS & ~DELETE) : KEY_ALL_ACCESS, everyone);
  SECURITY_DESCRIPTOR descriptor;
  built = built && InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
          SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
          RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
  FreeSid(everyone);
  return built;
}

TEST(UninstallSwitch, AKeyThatCannotBeDeletedIsNamed) {
  TestKey test;
  FillKey(test.path());
  const std::string favorites = test.path() + "\\Favorites";
  ASSERT_TRUE(SetDeleteDenied(favorites, true));
  if (RegDeleteKeyA(HKEY_CURRENT_USER, favorites.c_str()) == ERROR_SUCCESS) {
    GTEST_SKIP() << "this system ignores the denied delete right; the text is checked natively";
  }
  ScriptedPrompter prompter;
  prompter.Answer(Answer::Yes).Answer(Answer::Ok);
  EXPECT_TRUE(RunUninstallSwitch("Pavane.exe -U", FileExists, "Pavane", kQuestion, test.path(), prompter));
  ASSERT_EQ(prompter.Requests().size(), 2u);
  const forms::MessageRequest& told = prompter.Requests()[1].message;
  EXPECT_NE(told.text.find("HKEY_CURRENT_USER\\" + favorites), std::string::npos) << told.text;
  EXPECT_EQ(told.caption, "Pavane");
  EXPECT_EQ(told.buttons, forms::Buttons::Ok);
  EXPECT_EQ(told.icon, forms::Icon::Error);
  EXPECT_TRUE(win::RegistryKeyExists(test.path()));

  ASSERT_TRUE(SetDeleteDenied(favorites, false));
}

}  // namespace
}  // namespace pavane
