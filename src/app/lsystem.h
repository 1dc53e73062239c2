// The record of one run: what the loader read, the generations of the derivation, and the
// primitives and camera framing that the turtle leaves for the scene writer.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "common/output.h"
#include "derivation/module_string.h"
#include "description/dialect_options.h"
#include "description/rule.h"
#include "turtle/picture_reading.h"
#include "turtle/primitives.h"

namespace lsys {

class LSystem {
 public:
  LSystem();
  LSystem(const LSystem&) = delete;
  LSystem& operator=(const LSystem&) = delete;

  void setConsiderMode(bool consider);
  // The string becomes slot 0 of the generations and the current one; the string held there
  // before is released.
  void setAxiom(std::unique_ptr<ModuleString> axiom);
  // Rules and context symbols are added only through these, so that the per-symbol rule lists
  // and the context look-up table always agree with them.
  void addRule(std::unique_ptr<Rule> rule);
  void addContextSymbol(char symbol);
  // Every rule in file order; valid until the next addRule.
  const std::vector<std::unique_ptr<Rule>>& rules() const { return rules_; }
  // The rules whose predecessor is the symbol, in file order; valid until the next addRule.
  const std::vector<const Rule*>& rulesFor(char symbol) const {
    return rulesBySymbol_[static_cast<unsigned char>(symbol)];
  }
  // The context symbols in the order they were read, repeats included.
  const std::vector<char>& contextSymbols() const { return contextSymbols_; }

  // Where every stage of the run reports: standard output unless a caller that wants a quiet
  // run sets another output, which must outlive the run.
  Output& console() const { return *console_; }
  void setConsole(Output& console) { console_ = &console; }

  // Whether the symbol stands in contextSymbols().
  bool isContextSymbol(char symbol) const { return listed_[static_cast<unsigned char>(symbol)]; }

  // Two generation slots: each rewrite pass reads one and builds the other.
  std::array<std::unique_ptr<ModuleString>, 2> strings;
  ModuleString* current = nullptr;  // the latest generation, always one of the two slots
  std::uint8_t activeIndex = 0;     // slot that is the source of the next pass
  bool considerMode = false;        // false: contextSymbols are ignored; true: only they count
  float gamma = 45.0f;              // default turning angle in degrees
  std::int32_t steps = 5;
  PictureReading pictureReading;  // all off unless the companion draws a picture
  // The turtle's results, in drawing order. segmentColours[i] is the colour index in force when
  // segments[i] was drawn (the scene writer does not use it). A polygon closed twice by a
  // repeated '}' stands twice in polygons, as one shared record.
  std::vector<Segment> segments;
  std::vector<std::uint8_t> segmentColours;
  std::vector<std::shared_ptr<const Polygon>> polygons;
  float viewDistance = 0.0f;
  float viewHeight = 0.0f;
  // The grower's dialect: off unless the companion loads a marked file.
  DialectOptions dialect;

 private:
  Output* console_ = &StandardOutput();
  std::vector<std::unique_ptr<Rule>> rules_;
  std::array<std::vector<const Rule*>, 256> rulesBySymbol_;  // rules_ grouped by predecessor
  std::vector<char> contextSymbols_;
  std::array<bool, 256> listed_{};  // contextSymbols_ as a look-up table
};

}  // namespace lsys
