// The derivation driver: rewrites the axiom for the configured number of steps.
#pragma once

namespace lsys {

class LSystem;

// Prints "Parsing:\n", then for each step "step %i >>" and the new generation in its value
// form. With steps 0 or less the axiom stays the current generation.
void Derive(LSystem& lsystem);

// One pass: every module of the active slot is rewritten, as if simultaneously, into a new
// string in the other slot, which becomes current; the source generation is released.
void rewritePass(LSystem& lsystem);

}  // namespace lsys
