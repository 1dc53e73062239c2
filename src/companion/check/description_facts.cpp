#include "companion/check/description_facts.h"

#include <string_view>

namespace lsys {

void DescriptionFacts::started(const std::string&, const std::vector<std::string>& fileLines) {
  readable = true;
  lines = fileLines;
  for (const std::string& line : lines) {
    std::string_view text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\t')) {
      text.remove_suffix(1);
    }
    if (text == "#lsys dialect=1") dialectMarked = true;
  }
}

void DescriptionFacts::axiomRead(std::size_t line, const ModuleString&, const AxiomLayout& layout) {
  std::string symbols;
  for (std::size_t column : layout.moduleColumns) symbols.push_back(lines[line][column]);
  axioms.push_back({line, layout, std::move(symbols)});
}

}  // namespace lsys
