// The stack that parsing expressions needs. The library parses by recursive descent, and a
// text nested deeply enough (parentheses, prefix operators, chains of powers) takes more stack
// than any default thread has. Once loading has finished every expression text of the run is
// known, so the stages that parse run on one thread whose stack is sized for the deepest text.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace lsys {

class LSystem;

// An upper bound on the stack one parse of the text takes, beyond a fixed reserve. The
// library recurses once per '(' (measured: at most 624 bytes, in a call of a function with
// arguments) and once per '-', '!' or '^' (64 bytes); the weights here are about twice that.
// Other characters are parsed in loops.
std::size_t ExpressionStackNeed(std::string_view text);

// Whether the stack left below the caller's frame on this thread holds the given number of
// bytes plus a fixed reserve for the library's shallow frames and the sanitizers.
bool StackHolds(std::size_t bytes);

// Runs the action on a new thread whose stack holds the given bytes plus a base for the
// caller's own frames, and waits for it. False, without running the action, when no such thread
// can be had.
bool RunWithStack(std::size_t bytes, const std::function<void()>& action);

// Runs the action (the stages that evaluate expressions) on one thread whose stack holds the
// deepest expression text of the rules. When that stack cannot be had, prints "Error: not
// enough memory for a stack of %zu bytes to parse the expressions\n" on the console and returns
// false without running the action.
bool RunWithExpressionStack(const LSystem& lsystem, const std::function<void()>& action);

}  // namespace lsys
