#include "companion/growth/grow.h"

#include <new>

#include "derivation/derive.h"
#include "derivation/evaluator.h"
#include "derivation/expression_stack.h"
#include "description/load_description.h"
#include "turtle/make_poly_liste.h"

namespace lsys {

bool GrowQuietly(LSystem& lsystem, const std::string& path, std::optional<int> steps, Output& quiet,
                 const std::function<void(const StepReport&)>& onStep) {
  lsystem.setConsole(quiet);
  lsystem.setConsiderMode(false);
  if (!LoadDescription(lsystem, path)) return false;
  if (steps) lsystem.steps = *steps;
  // The passes run on a thread whose stack holds the deepest expression, with one evaluator
  // for all of them; running out of memory there is handed back to this thread.
  bool outOfMemory = false;
  const bool derived = RunWithExpressionStack(lsystem, [&] {
    try {
      Evaluator evaluator(lsystem.console());
      for (int step = 1; step <= lsystem.steps; ++step) {
        const auto started = std::chrono::steady_clock::now();
        rewritePass(lsystem, evaluator);
        onStep({step, lsystem.current->size(), std::chrono::steady_clock::now() - started});
        if (step == lsystem.steps) break;  // a step count of INT32_MAX must not overflow
      }
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    }
  });
  if (outOfMemory) throw std::bad_alloc();
  if (!derived) throw std::bad_alloc();  // not even the stack for the expressions
  MakePolyListe(lsystem);
  return true;
}

}  // namespace lsys
