// Small helpers shared by the unit tests.
#pragma once

#include <gtest/gtest.h>
#include "description/parse_modules.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/lsystem.h"
#include "common/output.h"
#include "derivation/context_search.h"
#include "derivation/module_string.h"
#include "description/rule.h"

namespace lsys::testing_support {

// Runs the action and returns everything it printed to standard output.
template <typename Action>
std::string CaptureOutput(Action&& action) {
  ::testing::internal::CaptureStdout();
  std::forward<Action>(action)();
  StandardOutput().flush();
  std::fflush(stdout);
  return ::testing::internal::GetCapturedStdout();
}

// A module string written as on an axiom line, e.g. "F(1,2.5)+[F]" (parsed like "axiom=...").
inline std::unique_ptr<ModuleString> MakeModules(const std::string& text) {
  auto modules = std::make_unique<ModuleString>();
  ParseModules("axiom=" + text + "\n", 6, *modules);
  return modules;
}

// The values of the module at the position, as a vector for comparisons.
inline std::vector<float> ParametersAt(const ModuleString& modules, std::size_t position) {
  const Module module = modules.at(position);
  return {module.parameters.begin(), module.parameters.end()};
}

// An L-system whose current generation is the axiom, with the rules (parsed without showing
// their report), the context symbols and the mode.
inline std::unique_ptr<LSystem> MakeSystem(const std::string& axiom,
                                           const std::vector<std::string>& rules = {},
                                           const std::string& symbols = "", bool consider = false) {
  auto lsystem = std::make_unique<LSystem>();
  lsystem->setAxiom(MakeModules(axiom));
  CaptureOutput([&] {
    for (const std::string& text : rules) {
      auto rule = std::make_unique<Rule>();
      rule->read(text);
      lsystem->addRule(std::move(rule));
    }
  });
  for (char symbol : symbols) lsystem->addContextSymbol(symbol);
  lsystem->setConsiderMode(consider);
  return lsystem;
}

// One context search on the current generation with a search built for it alone: the left or
// right context `symbol` of the module at the position, or none.
inline std::optional<std::size_t> LeftContextOf(const LSystem& lsystem, std::size_t position,
                                                char symbol) {
  ContextSearch search(*lsystem.current, lsystem);
  return search.left(position, symbol);
}
inline std::optional<std::size_t> RightContextOf(const LSystem& lsystem, std::size_t position,
                                                 char symbol) {
  ContextSearch search(*lsystem.current, lsystem);
  return search.right(position, symbol);
}

}  // namespace lsys::testing_support
