#include "derivation/derive.h"

#include <memory>

#include "app/lsystem.h"
#include "common/output.h"
#include "derivation/evaluator.h"
#include "derivation/rule_matching.h"

namespace lsys {

void Derive(LSystem& lsystem) {
  Output& console = lsystem.console();
  Evaluator evaluator(console);
  console.text("Parsing:\n");
  for (std::int32_t step = 1; step <= lsystem.steps; ++step) {
    console.text("step ");
    console.integer(step);
    console.text(" >>");
    rewritePass(lsystem, evaluator);
    lsystem.current->print(console);
    // A step of step count INT32_MAX must not overflow the counter.
    if (step == lsystem.steps) break;
  }
}

void rewritePass(LSystem& lsystem, Evaluator& evaluator) {
  const int source = lsystem.activeIndex;
  const int target = 1 - source;
  // The context searches look up brackets in the current generation: the source of the pass.
  ModuleString& from = *lsystem.strings[source];
  lsystem.current = &from;
  auto next = std::make_unique<ModuleString>();
  {
    ModuleRewriter rewriter(lsystem, from, evaluator);
    const ModuleRewriter::TargetBound bound = rewriter.targetBound();
    next->reserve(bound.modules, bound.values);
    rewriter.rewriteAll(*next);
    if (lsystem.dialect.enabled) {
      ++lsystem.dialect.passesDone;
      for (DialectWarning& warning : rewriter.takeWarnings()) {
        lsystem.dialect.warnings.push_back(std::move(warning));
      }
    }
  }
  lsystem.strings[target] = std::move(next);
  // The source goes as a whole: a few flat arrays.
  lsystem.strings[source] = std::make_unique<ModuleString>();
  lsystem.current = lsystem.strings[target].get();
  lsystem.activeIndex = static_cast<std::uint8_t>(target);
}

void rewritePass(LSystem& lsystem) {
  Evaluator evaluator(lsystem.console());
  rewritePass(lsystem, evaluator);
}

}  // namespace lsys
