// Text definitions of a description file ("define NAME=VALUE" lines) and their substitution
// into rule lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lsys {

// One text definition: every whole-word occurrence of name in a rule line becomes value.
struct Definition {
  std::string name;
  std::string value;
  std::size_t line = 0;          // index of its line in the file
  std::size_t equalsColumn = 0;  // column of the '=' that ends the name
};

// The definitions of the lines in file order: every line that contains "define " anywhere
// gives one, named from column 7 up to the first '=' from there on, valued up to the line feed.
// A line without '=' after column 7, or with an empty name, defines nothing.
std::vector<Definition> CollectDefinitions(const std::vector<std::string>& lines);

// One substituted name in a rule line: the line's columns [lineColumn, lineColumn + nameLength)
// became the rule text's columns [textColumn, textColumn + valueLength).
struct Substitution {
  std::size_t lineColumn;
  std::size_t nameLength;
  std::size_t textColumn;
  std::size_t valueLength;
  std::size_t definition;  // index in the definition table
};

// The definitions arranged for look-up: at each column only the names that begin with the
// character there are tried, one hash look-up per distinct name length, so a line costs time
// in proportion to its length and not to the size of the table.
class DefinitionTable {
 public:
  // The table keeps a reference to the definitions, which must outlive it and not change.
  explicit DefinitionTable(const std::vector<Definition>& definitions);
  DefinitionTable(const DefinitionTable&) = delete;
  DefinitionTable& operator=(const DefinitionTable&) = delete;

  // The index of the first definition in table order whose name stands in the line at the
  // column and is not followed by an ASCII letter or digit; npos when none.
  std::size_t matchAt(const std::string& line, std::size_t column) const;

  const std::vector<Definition>& definitions() const { return definitions_; }

 private:
  const std::vector<Definition>& definitions_;
  // For each length, each name of that length and the first definition that has it.
  std::unordered_map<std::size_t, std::unordered_map<std::string_view, std::size_t>> byLength_;
  // For each first character, the distinct lengths of the names that begin with it.
  std::vector<std::size_t> lengthsByFirst_[256];
};

// The rule text of a rule line: the line up to its line feed with the definitions substituted
// at word boundaries, the first matching definition in table order winning, without scanning
// inserted values again. Each substitution made is appended to *made when given.
std::string SubstituteDefinitions(const std::string& line, const DefinitionTable& table,
                                  std::vector<Substitution>* made = nullptr);
// The same with a table built for this one line.
std::string SubstituteDefinitions(const std::string& line,
                                  const std::vector<Definition>& definitions);

// The line column that produced the rule text's column: inside an inserted value, the column
// where the substituted name begins.
std::size_t LineColumnOf(std::size_t textColumn, const std::vector<Substitution>& substitutions);

}  // namespace lsys
