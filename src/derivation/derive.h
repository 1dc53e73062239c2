// The derivation driver: rewrites the axiom for the configured number of steps.
#pragma once

namespace lsys {

class Evaluator;
class LSystem;

// Prints "Parsing:\n", then for each step "step %i >>" and the new generation in its value
// form, on the L-system's console. With steps 0 or less the axiom stays the current
// generation. One evaluator serves the whole run.
void Derive(LSystem& lsystem);

// One pass: every module of the active slot is rewritten, as if simultaneously, into a new
// string in the other slot, which becomes current; the source generation is released as a
// whole. Expressions are evaluated by the evaluator, which must report on the L-system's
// console.
void rewritePass(LSystem& lsystem, Evaluator& evaluator);

// The same pass with an evaluator of its own, for callers that run passes one at a time.
void rewritePass(LSystem& lsystem);

}  // namespace lsys
