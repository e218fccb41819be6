#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/form_view.h"

namespace pavane::testing {

// The host whose forms a test binary holds to the contract.
using MakeHost = forms::FormHost& (*)();

// The cases every FormView must pass, run on each implementation: a test
// binary instantiates this suite with the host that makes its forms, so the
// forms in memory and the real windows cannot drift apart.
class FormViewContract : public ::testing::TestWithParam<MakeHost> {
 protected:
  FormViewContract();

  std::vector<std::string> raised;  // the handlers run, in order
  std::unique_ptr<forms::FormView> form;
};

}  // namespace pavane::testing
