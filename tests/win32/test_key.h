#pragma once

#include <gtest/gtest.h>

#include <string>

#include "win32/registry.h"

namespace pavane::testing {

// A registry key of the running test's own, gone before and after it.
class TestKey {
 public:
  TestKey() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::string("Software\\PavaneTest\\") + info->test_suite_name() + "." + info->name();
    win::DeleteRegistryTree(path_);
  }
  ~TestKey() { win::DeleteRegistryTree(path_); }
  TestKey(const TestKey&) = delete;
  TestKey& operator=(const TestKey&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace pavane::testing
