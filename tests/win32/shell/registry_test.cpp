#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../test_key.h"
#include "win32/registry.h"

namespace pavane::win {
namespace {

using testing::TestKey;

void SetRaw(const RegistryKey& key, const char* name, DWORD type, const void* data, DWORD size) {
  ASSERT_EQ(RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
}

TEST(RegistryKey, CreatesMissingKeysOnTheWayAndReadsBackStrings) {
  TestKey test;
  const std::string path = test.path() + "\\deeper\\still";
  EXPECT_FALSE(RegistryKeyExists(path));
  RegistryKey key = RegistryKey::OpenOrCreate(path);
  ASSERT_TRUE(key);
  EXPECT_TRUE(RegistryKeyExists(path));

  EXPECT_TRUE(key.WriteString("Plain", "C:\\ZSNES\\"));
  EXPECT_TRUE(key.WriteString("Empty", ""));
  const std::string longText(5000, 'x');
  EXPECT_TRUE(key.WriteString("Long", longText));
  EXPECT_EQ(key.ReadString("Plain"), "C:\\ZSNES\\");
  EXPECT_EQ(key.ReadString("Empty"), "");
  EXPECT_EQ(key.ReadString("Long"), longText);
  EXPECT_EQ(key.ReadString("Missing"), std::nullopt);

  // Written values are REG_SZ with their terminating NUL.
  DWORD type = 0;
  DWORD size = 0;
  ASSERT_EQ(RegQueryValueExA(key.Get(), "Plain", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 10u);
}

TEST(RegistryKey, OtherTypesCountAsMissing) {
  TestKey test;
  RegistryKey key = RegistryKey::OpenOrCreate(test.path());
  const DWORD number = 1;
  SetRaw(key, "Dword", REG_DWORD, &number, sizeof number);
  SetRaw(key, "Binary", REG_BINARY, "1\0", 2);
  SetRaw(key, "Multi", REG_MULTI_SZ, "a\0b\0\0", 5);
  SetRaw(key, "None", REG_NONE, nullptr, 0);
  for (const char* name : {"Dword", "Binary", "Multi", "None"}) EXPECT_EQ(key.ReadString(name), std::nullopt) << name;
}

TEST(RegistryKey, StringsWithoutOrWithEarlyNulAndExpandableOnes) {
  TestKey test;
  RegistryKey key = RegistryKey::OpenOrCreate(test.path());
  SetRaw(key, "NoNul", REG_SZ, "abc", 3);
  SetRaw(key, "EarlyNul", REG_SZ, "ab\0cd", 6);
  SetRaw(key, "ZeroBytes", REG_SZ, "", 0);
  SetRaw(key, "Expand", REG_EXPAND_SZ, "%WINDIR%\\x", 11);
  EXPECT_EQ(key.ReadString("NoNul"), "abc");
  EXPECT_EQ(key.ReadString("EarlyNul"), "ab");
  EXPECT_EQ(key.ReadString("ZeroBytes"), "");
  EXPECT_EQ(key.ReadString("Expand"), "%WINDIR%\\x");  // as stored, not expanded
}

// One pass gives every string value as ReadString reads it, long names and
// values included; other types are left out, and a deleted value is gone.
TEST(RegistryKey, ListsStringValuesInOnePass) {
  TestKey test;
  RegistryKey key = RegistryKey::OpenOrCreate(test.path());
  EXPECT_EQ(key.StringValues(), (std::vector<std::pair<std::string, std::string>>{}));
  const std::string longName(300, 'n');
  const std::string longText(5000, 't');
  key.WriteString("0", "a");
  key.WriteString(longName, longText);
  key.WriteString("gone", "x");
  SetRaw(key, "EarlyNul", REG_SZ, "ab\0cd", 6);
  SetRaw(key, "Dword", REG_DWORD, "\1\0\0\0", 4);
  EXPECT_TRUE(key.DeleteValue("gone"));
  EXPECT_TRUE(key.DeleteValue("never there"));
  auto values = key.StringValues();
  ASSERT_TRUE(values);
  std::sort(values->begin(), values->end());
  EXPECT_EQ(*values,
            (std::vector<std::pair<std::string, std::string>>{{"0", "a"}, {"EarlyNul", "ab"}, {longName, longText}}));
}

TEST(DeleteRegistryTree, RemovesNestedKeysWithTheirValues) {
  TestKey test;
  {
    RegistryKey root = RegistryKey::OpenOrCreate(test.path());
    root.WriteString("ZSnesDir", "C:\\");
    RegistryKey child = root.OpenOrCreateSubkey("Favorites");
    child.WriteString("0", "C:\\a.smc");
    for (const char* name : {"a", "b", "c"}) {
      RegistryKey grandchild = child.OpenOrCreateSubkey(name);
      grandchild.OpenOrCreateSubkey("leaf").WriteString("v", "w");
    }
  }
  const KeyDeletion deletion = DeleteRegistryTree(test.path());
  EXPECT_TRUE(deletion.deleted);
  EXPECT_TRUE(deletion.failedPath.empty());
  EXPECT_FALSE(RegistryKeyExists(test.path()));
  EXPECT_TRUE(RegistryKeyExists("Software\\PavaneTest"));  // only the named key goes
}

TEST(DeleteRegistryTree, AMissingKeyIsNoFailure) {
  TestKey test;
  EXPECT_TRUE(DeleteRegistryTree(test.path()).deleted);
}

}  // namespace
}  // namespace pavane::win
