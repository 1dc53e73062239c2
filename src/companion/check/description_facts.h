// What the loader recognised in one description file, kept for the checker: the load events
// gathered in file order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "description/load_events.h"

namespace lsys {

struct DescriptionFacts : LoadListener {
  struct Key {
    std::size_t line;
    LineKey key;
    std::size_t column;
  };
  struct RuleLine {
    std::size_t line;
    RuleText text;
    const Rule* rule;  // owned by the L-system that was loaded
  };
  struct AxiomLine {
    std::size_t line;
    AxiomLayout layout;
    std::string symbols;  // the axiom's module symbols, in order
  };
  struct NumberLine {
    std::size_t line;
    LineKey key;
    bool found;
  };

  void openFailed(const std::string&) override { readable = false; }
  void started(const std::string&, const std::vector<std::string>& fileLines) override;
  void definitionsCollected(const std::vector<Definition>& collected) override {
    definitions = collected;
  }
  void keyFound(std::size_t line, LineKey key, std::size_t column) override {
    keys.push_back({line, key, column});
  }
  void ruleRead(std::size_t line, const RuleText& text, const Rule& rule) override {
    rules.push_back({line, text, &rule});
  }
  void axiomRead(std::size_t line, const ModuleString& axiom, const AxiomLayout& layout) override;
  void gammaRead(std::size_t line, bool found, float) override {
    numbers.push_back({line, LineKey::kGamma, found});
  }
  void stepsRead(std::size_t line, bool found, std::int32_t) override {
    numbers.push_back({line, LineKey::kSteps, found});
  }

  bool readable = false;
  std::vector<std::string> lines;
  // Whether a line "#lsys dialect=1" switches lsys's own dialect on; lsys2pov reads such a
  // line as a comment.
  bool dialectMarked = false;
  std::vector<Definition> definitions;
  std::vector<Key> keys;
  std::vector<RuleLine> rules;
  std::vector<AxiomLine> axioms;
  std::vector<NumberLine> numbers;
};

}  // namespace lsys
