// Choosing the rule that rewrites one module: predecessor, bracket-aware contexts, condition.
#pragma once

#include "derivation/module_string.h"

namespace lsys {

class LSystem;

// Rewrites one module of the current generation into the target: the first rule (in file
// order) whose predecessor equals the symbol, whose contexts are found and whose condition
// holds appends its successor; a module that no rule rewrites is copied.
void rewriteModule(LSystem& lsystem, const Module& module, ModuleString& target);

// Whether the symbol is the left context of the module (a module of the current generation).
// Climbs out of enclosing branches and steps over whole branches to the left; brackets are not
// counted, so a ']' leads back to the nearest '['. Sets leftMatch to where the search stopped.
bool findLeftContext(LSystem& lsystem, const Module& module, char symbol);

// Whether the symbol is the right context of the module: looks into each branch first, then
// behind it (after the nearest ']'); a ']' ends the branch being searched. Sets rightMatch to
// where the search stopped. Runs in time linear in the string and in constant call-stack depth.
bool findRightContext(LSystem& lsystem, const Module& module, char symbol);

}  // namespace lsys
