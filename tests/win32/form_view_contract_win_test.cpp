// The real windows, held to the contract of every form.
#include "tests/contract/form_view_contract.h"
#include "win32/form_window.h"

namespace pavane::testing {
namespace {

forms::FormHost& Windows() {
  static win::Win32FormHost host;
  return host;
}

INSTANTIATE_TEST_SUITE_P(Win32, FormViewContract, ::testing::Values(&Windows));

}  // namespace
}  // namespace pavane::testing
