// Evaluation of a rule's conditions and successor arguments for one application, with the
// rule's formal parameter names bound by position to the gathered actual values, reporting on
// standard output. These free functions serve callers that hold no evaluator of their own: they
// share one process-wide Evaluator (whose kept parses are bounded), and give the values and
// messages that Evaluator gives.
#pragma once

#include <vector>

#include "derivation/module_string.h"

namespace lsys {

class Evaluator;
class Rule;

// The evaluator the free functions below share, reporting on StandardOutput().
Evaluator& SharedEvaluator();

// Whether every condition of the rule evaluates to a non-zero value (true without conditions).
// Every condition is parsed and evaluated, also after one failed; each parse error prints the
// expression library's message and a line feed, and such a condition has the value 0.
bool conditionHolds(const Rule& rule, const std::vector<double>& values);

// Builds the rule's successor with every argument expression evaluated and rounded to float,
// keeps it as the rule's production and returns it. Parse errors print as for conditions; a
// faulty argument has the value 0.
const ModuleString& produceSuccessor(Rule& rule, const std::vector<double>& values);

// The same production, appended straight to the target string.
void appendSuccessor(const Rule& rule, const std::vector<double>& values, ModuleString& target);

// Appends the successor's modules with the evaluated argument values, in successor order.
void AppendProduction(const Rule& rule, const std::vector<float>& arguments, ModuleString& target);

}  // namespace lsys
