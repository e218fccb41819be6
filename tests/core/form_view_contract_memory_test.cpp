// The forms in memory, held to the contract of every form.
#include "tests/contract/form_view_contract.h"
#include "tests/support/memory_form.h"

namespace pavane::testing {
namespace {

forms::FormHost& Memory() {
  static MemoryHost host;
  return host;
}

INSTANTIATE_TEST_SUITE_P(Memory, FormViewContract, ::testing::Values(&Memory));

}  // namespace
}  // namespace pavane::testing
