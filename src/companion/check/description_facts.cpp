#include "companion/check/description_facts.h"

namespace lsys {

void DescriptionFacts::axiomRead(std::size_t line, const ModuleString&, const AxiomLayout& layout) {
  std::string symbols;
  for (std::size_t column : layout.moduleColumns) symbols.push_back(lines[line][column]);
  axioms.push_back({line, layout, std::move(symbols)});
}

}  // namespace lsys
