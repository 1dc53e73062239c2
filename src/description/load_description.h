// The two-pass loader of description files.
#pragma once

#include <string>
#include <vector>

namespace lsys {

class LSystem;

// Loads the description file at the path into the L-system and prints the load report. The
// first pass collects "define " lines; the second handles rule, axiom, gamma, steps, ignore and
// consider lines in file order. Returns false, after printing "Can't open LSystemfile: %s\n"
// and "\n%s loadet\n", when the file cannot be opened or read; nothing is loaded then.
bool LoadDescription(LSystem& lsystem, const std::string& path);

// One text definition: every whole-word occurrence of name in a rule line becomes value.
struct Definition {
  std::string name;
  std::string value;
};

// The definitions of the lines in file order. A line without '=' after column 7, or with an
// empty name, defines nothing.
std::vector<Definition> CollectDefinitions(const std::vector<std::string>& lines);

// The rule text of a rule line: the line up to its line feed with the definitions substituted
// at word boundaries, in table order, without scanning inserted values again.
std::string SubstituteDefinitions(const std::string& line,
                                  const std::vector<Definition>& definitions);

// Splits file contents into lines that keep their line feed; a carriage return right before a
// line feed is dropped, and a line ends at its first NUL byte as a C string does.
std::vector<std::string> SplitLines(const std::string& contents);

}  // namespace lsys
