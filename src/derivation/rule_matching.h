// Choosing the rule that rewrites one module: predecessor, bracket-aware contexts, condition.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "derivation/context_search.h"
#include "derivation/module_string.h"
#include "description/dialect_options.h"

namespace lsys {

class Evaluator;
class LSystem;
class Rule;

// Rewrites the modules of one source word, each as if all were rewritten at once. Lives for
// one pass; the L-system, the source and the evaluator must outlive it.
class ModuleRewriter {
 public:
  ModuleRewriter(const LSystem& lsystem, const ModuleString& source, Evaluator& evaluator);
  ~ModuleRewriter();
  ModuleRewriter(const ModuleRewriter&) = delete;
  ModuleRewriter& operator=(const ModuleRewriter&) = delete;

  // Rewrites the module at the position into the target: the first rule (in file order) whose
  // predecessor equals the symbol, whose contexts are found and whose condition holds appends
  // its successor; a module that no rule rewrites is copied. The offset is where the module's
  // values start in the source. Under the dialect a symbol with "=>" rules is rewritten by
  // those alone (rewriteByDialect), and a '%' appends nothing.
  void rewriteModule(std::size_t position, std::size_t offset, ModuleString& target);
  void rewriteModule(std::size_t position, ModuleString& target) {
    rewriteModule(position, source_.parameterOffset(position), target);
  }

  // Rewrites every module of the source, in order, into the target. Under the dialect a '%'
  // and the rest of its branch, up to the matching ']' (which is rewritten) or the end of the
  // word, append nothing.
  void rewriteAll(ModuleString& target);

  // The dialect's warnings made during the pass, once per rule; they are handed over and
  // cleared.
  std::vector<DialectWarning> takeWarnings();

  // The most modules and values that rewriting every module of the source can append.
  struct TargetBound {
    std::size_t modules;
    std::size_t values;
  };
  TargetBound targetBound() const;

 private:
  // What rewriting a module with a given symbol takes.
  enum class Plan : std::uint8_t {
    kCopy,     // no rule has the symbol as predecessor
    kFixed,    // the first rule always applies and has nothing to evaluate
    kTry,      // rules are tried in order
    kDialect,  // the dialect's "=>" rules, with their lotteries
    kCut,      // the dialect's '%'
  };

  // The dialect's part of a pass, made only when the dialect is on (rule_lottery.cpp).
  struct DialectPass;
  struct DialectPassDeleter {
    void operator()(DialectPass* pass) const;
  };

  bool tryRule(const Rule& rule, std::size_t position, std::size_t offset, ModuleString& target) {
    if (!applies(rule, position, offset, evaluator_)) return false;
    appendSuccessor(rule, target, evaluator_);
    return true;
  }
  // Whether the rule's contexts are found and its condition holds; the gathered values are left
  // in values_.
  bool applies(const Rule& rule, std::size_t position, std::size_t offset, Evaluator& evaluator);
  // Appends the rule's successor for the values in values_.
  void appendSuccessor(const Rule& rule, ModuleString& target, Evaluator& evaluator);
  void copyModule(std::size_t position, std::size_t offset, ModuleString& target);
  // The rules of the module's symbol in file order; the module is copied when none applies.
  void tryRules(std::size_t position, std::size_t offset, ModuleString& target);
  // rewriteAll under the dialect.
  void rewriteAllWithDialect(ModuleString& target);
  // The dialect's rewriting of one module with "=>" rules.
  void rewriteByDialect(std::size_t position, std::size_t offset, ModuleString& target);
  // The position of the module that ends the branch cut at the position: the matching ']', or
  // the end of the word.
  std::size_t cutEnd(std::size_t position) const;
  void setUpDialect();
  void appendValues(std::size_t position);
  void appendValues(std::size_t offset, std::size_t count);

  const LSystem& lsystem_;
  const ModuleString& source_;
  Evaluator& evaluator_;
  ContextSearch search_;
  std::array<Plan, 256> plans_{};
  std::array<std::string_view, 256> fixedSuccessors_{};       // the successor of each kFixed symbol
  std::array<const std::vector<const Rule*>*, 256> rules_{};  // each symbol's rules, file order
  std::vector<double> values_;    // the gathered values of one rule application
  std::vector<float> arguments_;  // the evaluated successor arguments of one application
  std::unique_ptr<DialectPass, DialectPassDeleter> dialect_;  // none while the dialect is off
};

}  // namespace lsys
