// What the loader recognised in a description file, reported line by line as it loads. The
// console report is one listener; tools that explain a description to its author are another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "description/definitions.h"

namespace lsys {

class ModuleString;
class Rule;

// The keys of the second pass, each found as a substring anywhere in its line.
enum class LineKey { kRule, kAxiom, kGamma, kSteps, kIgnore, kConsider };

// The key's text ("->", "axiom=", ...).
const char* KeyText(LineKey key);
// The fixed column its value is read from (0 for a rule, which is the whole line).
std::size_t ValueColumn(LineKey key);

// A rule line after substitution: the rule text and where the definitions went.
struct RuleText {
  std::string text;
  std::vector<Substitution> substitutions;
};

// One parameter value of the axiom line: the column it was read at, whether a number stood
// there, the value read (0 without a number) and the column where reading went on (the
// column itself when no number begins there, as before a sign or a leading point).
struct AxiomValue {
  std::size_t column;
  bool found;
  float value = 0.0f;
  std::size_t end = 0;
};

// Where the axiom line's parts stand: each parameter value read, in order, and the column of
// each module's symbol.
struct AxiomLayout {
  std::vector<AxiomValue> values;
  std::vector<std::size_t> moduleColumns;
};

// Every call names the line by its index in the file's lines, counted from 0. The calls come
// in file order, the keys of one line in the order the loader handles them. References are
// valid only during the call, except the lines of started, which live until finished.
class LoadListener {
 public:
  virtual ~LoadListener() = default;

  // The file could not be opened or read: no other call but finished follows.
  virtual void openFailed(const std::string& /*path*/) {}
  // The file was read and split into lines (each with its line feed, if it had one).
  virtual void started(const std::string& /*path*/, const std::vector<std::string>& /*lines*/) {}
  // The first pass collected these definitions.
  virtual void definitionsCollected(const std::vector<Definition>& /*definitions*/) {}
  // A key stands in the line at keyColumn; its own call below follows.
  virtual void keyFound(std::size_t /*line*/, LineKey /*key*/, std::size_t /*keyColumn*/) {}
  // A rule line was substituted and parsed into the rule.
  virtual void ruleRead(std::size_t /*line*/, const RuleText& /*text*/, const Rule& /*rule*/) {}
  // An axiom line was parsed into the axiom.
  virtual void axiomRead(std::size_t /*line*/, const ModuleString& /*axiom*/,
                         const AxiomLayout& /*layout*/) {}
  // A gamma or steps line was read at the value column; found tells whether a number stood
  // there (without one the value is 0).
  virtual void gammaRead(std::size_t /*line*/, bool /*found*/, float /*gamma*/) {}
  virtual void stepsRead(std::size_t /*line*/, bool /*found*/, std::int32_t /*steps*/) {}
  // An ignore or consider line appended these symbols, its line feed included.
  virtual void contextSymbolsRead(std::size_t /*line*/, LineKey /*key*/,
                                  const std::string& /*symbols*/) {}
  // The load ended, successfully or not.
  virtual void finished(const std::string& /*path*/) {}
};

}  // namespace lsys
