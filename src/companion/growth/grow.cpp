#include "companion/growth/grow.h"

#include <new>

#include "derivation/derive.h"
#include "derivation/evaluator.h"
#include "derivation/expression_stack.h"
#include "description/load_dialect.h"
#include "turtle/make_poly_liste.h"

namespace lsys {

bool GrowthObserver::beforeStep(int, const LSystem&) { return true; }

void GrowthObserver::afterStep(const StepReport&) {}

bool DeriveObserved(LSystem& lsystem, GrowthObserver& observer) {
  Evaluator evaluator(lsystem.console());
  for (int step = 1; step <= lsystem.steps; ++step) {
    if (!observer.beforeStep(step, lsystem)) return false;
    const auto started = std::chrono::steady_clock::now();
    rewritePass(lsystem, evaluator);
    observer.afterStep({step, lsystem.current->size(), std::chrono::steady_clock::now() - started});
    if (step == lsystem.steps) break;  // a step count of INT32_MAX must not overflow
  }
  return true;
}

Growth GrowQuietly(LSystem& lsystem, const std::string& path, std::optional<int> steps,
                   Output& quiet, GrowthObserver& observer, const DialectChoice& dialect) {
  lsystem.setConsole(quiet);
  lsystem.setConsiderMode(false);
  LoadListener listener;  // the load report is not shown
  if (!LoadDescription(lsystem, path, listener, dialect.mode)) return Growth::kUnreadable;
  if (dialect.seed && lsystem.dialect.enabled) lsystem.dialect.seed = *dialect.seed;
  if (steps) lsystem.steps = *steps;
  // An exception must not leave the expression thread: running out of memory there is handed
  // back to this thread.
  bool outOfMemory = false;
  bool complete = false;
  const bool ran = RunWithExpressionStack(lsystem, [&] {
    try {
      complete = DeriveObserved(lsystem, observer);
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    }
  });
  if (outOfMemory || !ran) throw std::bad_alloc();  // !ran: not even the stack for expressions
  if (!complete) return Growth::kStopped;
  MakePolyListe(lsystem);
  return Growth::kGrown;
}

}  // namespace lsys
