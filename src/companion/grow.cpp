#include "companion/grow.h"

#include "derivation/derive.h"
#include "description/load_description.h"
#include "turtle/make_poly_liste.h"

namespace lsys {

bool GrowQuietly(LSystem& lsystem, const std::string& path, std::optional<int> steps, Output& quiet,
                 const std::function<void(const StepReport&)>& onStep) {
  lsystem.setConsole(quiet);
  lsystem.setConsiderMode(false);
  if (!LoadDescription(lsystem, path)) return false;
  if (steps) lsystem.steps = *steps;
  for (int step = 1; step <= lsystem.steps; ++step) {
    const auto started = std::chrono::steady_clock::now();
    rewritePass(lsystem);
    onStep({step, lsystem.current->size(), std::chrono::steady_clock::now() - started});
    if (step == lsystem.steps) break;  // a step count of INT32_MAX must not overflow
  }
  MakePolyListe(lsystem);
  return true;
}

}  // namespace lsys
