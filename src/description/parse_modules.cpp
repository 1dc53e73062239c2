#include "description/parse_modules.h"

#include "derivation/module_string.h"
#include "description/scan_number.h"

namespace lsys {

void ParseModules(const std::string& line, std::size_t column, ModuleString& target,
                  AxiomLayout* layout) {
  const char* text = line.c_str();
  std::size_t i = column;
  if (i > line.size()) return;
  while (text[i] != '\n' && text[i] != '\0') {
    // A ',' or '(' starts a further parameter of the last module; a '(' right after a ')'
    // continues the list of the same module.
    while (text[i] == ',' || text[i] == '(') {
      ++i;
      const ScannedNumber number = ReadNumber(text, i);
      if (!target.empty()) target.appendParameter(number.value);
      const std::size_t end = SkipNumber(text, i);
      if (layout != nullptr) {
        layout->values.push_back({i, number.found, number.value, end != 0 ? end : i});
      }
      if (end != 0) i = end;
    }
    if (text[i] == '\n' || text[i] == '\0') return;
    if (text[i] != ',' && text[i] != ')') {
      target.appendModule(text[i]);
      if (layout != nullptr) layout->moduleColumns.push_back(i);
    }
    ++i;
  }
}

}  // namespace lsys
