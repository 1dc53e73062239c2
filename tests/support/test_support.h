// Small helpers shared by the unit tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "derivation/module_string.h"

namespace lsys::testing_support {

// Runs the action and returns everything it printed to standard output.
template <typename Action>
std::string CaptureOutput(Action&& action) {
  ::testing::internal::CaptureStdout();
  std::forward<Action>(action)();
  std::fflush(stdout);
  return ::testing::internal::GetCapturedStdout();
}

// A module string written as on an axiom line, e.g. "F(1,2.5)+[F]" (parsed like "axiom=...").
inline std::unique_ptr<ModuleString> MakeModules(const std::string& text) {
  auto modules = std::make_unique<ModuleString>();
  modules->parseModules("axiom=" + text + "\n");
  return modules;
}

}  // namespace lsys::testing_support
