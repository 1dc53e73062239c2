#include "companion/check/check_description.h"

#include <algorithm>
#include <new>

#include "app/lsystem.h"
#include "common/output.h"
#include "companion/check/axiom_checks.h"
#include "companion/check/description_facts.h"
#include "companion/check/dialect_checks.h"
#include "companion/check/dry_run.h"
#include "companion/check/expression_checks.h"
#include "companion/check/foreign_syntax.h"
#include "companion/check/reachability.h"
#include "companion/check/rule_shape.h"
#include "companion/check/static_checks.h"
#include "companion/check/structure_checks.h"
#include "derivation/expression_stack.h"
#include "description/load_dialect.h"

namespace lsys {

CheckResult CheckDescription(const std::string& path, const CheckLimits& limits,
                             const DialectChoice& dialect) {
  CheckResult result;
  Output quiet = Output::Discarding();
  LSystem lsystem;
  lsystem.setConsole(quiet);
  DescriptionFacts facts;
  result.readable = LoadDescription(lsystem, path, facts, dialect.mode);
  if (!result.readable) return result;
  if (dialect.seed && lsystem.dialect.enabled) lsystem.dialect.seed = *dialect.seed;

  CheckLines(facts, result.diagnostics);
  CheckRuleShapes(facts, result.diagnostics);
  CheckAxiomValues(facts, result.diagnostics);
  CheckStructure(facts, result.diagnostics);
  CheckForeignSyntax(facts, result.diagnostics);
  CheckReachability(facts, lsystem.steps, result.diagnostics);
  CheckDialect(lsystem, facts, result.diagnostics);
  // Expressions are parsed on a thread whose stack holds the deepest of them. An exception
  // must not leave that thread: running out of memory there is handed back to this one.
  bool outOfMemory = false;
  const bool parsed = RunWithExpressionStack(lsystem, [&] {
    try {
      CheckExpressions(facts, result.diagnostics);
      // A file with errors is not grown: what it grows into is not what its author meant, and
      // expressions that fail to parse would only repeat their errors.
      const bool expressionErrors =
          std::any_of(result.diagnostics.begin(), result.diagnostics.end(),
                      [](const Diagnostic& d) { return d.severity == Severity::kError; });
      if (!expressionErrors) DryRun(lsystem, facts, limits, result.diagnostics);
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    }
  });
  if (outOfMemory || !parsed) throw std::bad_alloc();  // !parsed: not even the stack for them

  std::stable_sort(result.diagnostics.begin(), result.diagnostics.end(),
                   [](const Diagnostic& a, const Diagnostic& b) {
                     return a.line != b.line ? a.line < b.line : a.column < b.column;
                   });
  result.lines = std::move(facts.lines);
  return result;
}

}  // namespace lsys
