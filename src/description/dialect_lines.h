// Reading the grower's dialect from the lines of a description file: the marker, the keys
// seed=, tropism= and elasticity=, and the "=>" rules. The lines that carry the dialect are
// comments to the specified format, which the loader has read already.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "description/definitions.h"
#include "description/dialect_options.h"

namespace lsys {

class LSystem;

// The marker line "#lsys dialect=1" (blanks around it allowed).
inline constexpr const char* kDialectMarker = "#lsys dialect=1";

// Where a file marks the dialect: the first marker line, if any. A line "#lsys dialect=N" of
// another version is not a marker; it is reported in *unknown when given.
std::optional<std::size_t> FindDialectMarker(const std::vector<std::string>& lines,
                                             std::vector<DialectIssue>* unknown = nullptr);

// Whether the line is a line of the dialect: the marker, a key line (the key first on the line
// after blanks) or a rule line (it holds "=>").
bool IsDialectLine(const std::string& line);

// Switches the dialect on in the L-system and reads its lines: the last seed=, tropism= and
// elasticity= line wins; every "=>" line becomes a dialect rule, with the definitions
// substituted as into "->" rules. What is malformed is recorded in lsystem.dialect.issues, in
// file order, and left at its default.
void LoadDialect(LSystem& lsystem, std::size_t markerLine, const std::vector<std::string>& lines,
                 const std::vector<Definition>& definitions);

}  // namespace lsys
