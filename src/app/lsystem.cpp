#include "app/lsystem.h"

namespace lsys {

LSystem::LSystem() {
  strings[0] = std::make_unique<ModuleString>();
  strings[1] = std::make_unique<ModuleString>();
  current = strings[0].get();
}

void LSystem::setConsiderMode(bool consider) { considerMode = consider; }

void LSystem::setAxiom(std::unique_ptr<ModuleString> axiom) {
  strings[0] = std::move(axiom);
  current = strings[0].get();
}

void LSystem::addRule(std::unique_ptr<Rule> rule) {
  rulesBySymbol_[static_cast<unsigned char>(rule->predecessor)].push_back(rule.get());
  rules_.push_back(std::move(rule));
}

void LSystem::addContextSymbol(char symbol) {
  contextSymbols_.push_back(symbol);
  listed_[static_cast<unsigned char>(symbol)] = true;
}

}  // namespace lsys
