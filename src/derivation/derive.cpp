#include "derivation/derive.h"

#include <cstdio>
#include <memory>

#include "app/lsystem.h"
#include "derivation/rule_matching.h"

namespace lsys {

void Derive(LSystem& lsystem) {
  std::printf("Parsing:\n");
  for (std::int32_t step = 1; step <= lsystem.steps; ++step) {
    std::printf("step %i >>", step);
    rewritePass(lsystem);
    lsystem.current->print();
    // A step of step count INT32_MAX must not overflow the counter.
    if (step == lsystem.steps) break;
  }
}

void rewritePass(LSystem& lsystem) {
  const int source = lsystem.activeIndex;
  const int target = 1 - source;
  // The context searches look up brackets in the current generation: the source of the pass.
  lsystem.current = lsystem.strings[source].get();
  lsystem.strings[target] = std::make_unique<ModuleString>();
  ModuleString& next = *lsystem.strings[target];
  for (const Module* module = lsystem.strings[source]->first(); module != nullptr;
       module = module->next) {
    rewriteModule(lsystem, *module, next);
  }
  lsystem.strings[source] = std::make_unique<ModuleString>();
  lsystem.current = &next;
  lsystem.activeIndex = static_cast<std::uint8_t>(target);
}

}  // namespace lsys
