#include "description/definitions.h"

#include <algorithm>

namespace lsys {
namespace {

bool isAsciiAlnum(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::size_t kNameColumn = 7;  // right after "define " at the start of a line

}  // namespace

std::vector<Definition> CollectDefinitions(const std::vector<std::string>& lines) {
  std::vector<Definition> definitions;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::string& line = lines[index];
    if (line.find("define ") == std::string::npos) continue;
    const std::size_t equals = line.find('=', kNameColumn);
    if (equals == std::string::npos || equals == kNameColumn) continue;
    std::size_t valueEnd = line.find('\n', equals + 1);
    if (valueEnd == std::string::npos) valueEnd = line.size();
    definitions.push_back({line.substr(kNameColumn, equals - kNameColumn),
                           line.substr(equals + 1, valueEnd - equals - 1), index, equals});
  }
  return definitions;
}

DefinitionTable::DefinitionTable(const std::vector<Definition>& definitions)
    : definitions_(definitions) {
  for (std::size_t index = 0; index < definitions.size(); ++index) {
    const std::string& name = definitions[index].name;
    if (name.empty()) continue;
    auto& names = byLength_[name.size()];
    // A repeated name keeps its first definition.
    if (names.emplace(name, index).second) {
      std::vector<std::size_t>& lengths = lengthsByFirst_[static_cast<unsigned char>(name[0])];
      if (std::find(lengths.begin(), lengths.end(), name.size()) == lengths.end()) {
        lengths.push_back(name.size());
      }
    }
  }
}

std::size_t DefinitionTable::matchAt(const std::string& line, std::size_t column) const {
  if (column >= line.size()) return kNone;
  std::size_t best = kNone;
  for (std::size_t length : lengthsByFirst_[static_cast<unsigned char>(line[column])]) {
    if (length > line.size() - column) continue;
    const std::size_t after = column + length;
    if (after < line.size() && isAsciiAlnum(line[after])) continue;
    const auto& names = byLength_.at(length);
    const auto found = names.find(std::string_view(line).substr(column, length));
    if (found != names.end()) best = std::min(best, found->second);
  }
  return best;
}

std::string SubstituteDefinitions(const std::string& line, const DefinitionTable& table,
                                  std::vector<Substitution>* made) {
  std::size_t end = line.find('\n');
  if (end == std::string::npos) end = line.size();
  std::string text;
  std::size_t column = 0;
  while (column < end) {
    // No substitution starts inside a word.
    if (column == 0 || !isAsciiAlnum(line[column - 1])) {
      const std::size_t match = table.matchAt(line, column);
      if (match != kNone) {
        const Definition& definition = table.definitions()[match];
        if (made != nullptr) {
          made->push_back(
              {column, definition.name.size(), text.size(), definition.value.size(), match});
        }
        text += definition.value;
        column += definition.name.size();
        continue;
      }
    }
    text.push_back(line[column]);
    ++column;
  }
  return text;
}

std::string SubstituteDefinitions(const std::string& line,
                                  const std::vector<Definition>& definitions) {
  const DefinitionTable table(definitions);
  return SubstituteDefinitions(line, table);
}

std::size_t LineColumnOf(std::size_t textColumn, const std::vector<Substitution>& substitutions) {
  // Before, between and after the substitutions the columns are shifted by the lengths
  // inserted and removed so far.
  std::ptrdiff_t shift = 0;
  for (const Substitution& s : substitutions) {
    if (textColumn < s.textColumn) break;
    if (textColumn < s.textColumn + s.valueLength) return s.lineColumn;
    shift += static_cast<std::ptrdiff_t>(s.nameLength) - static_cast<std::ptrdiff_t>(s.valueLength);
  }
  return static_cast<std::size_t>(static_cast<std::ptrdiff_t>(textColumn) + shift);
}

}  // namespace lsys
