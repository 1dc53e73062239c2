// The parser of a module list with numeric parameters, as written on an "axiom=" line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "description/load_events.h"

namespace lsys {

class ModuleString;

// Appends the modules written in the line from the column on (6 for an "axiom=" line) to the
// target. A '(' or ',' starts a further parameter of the last module, read with ReadNumber;
// every character but the line end, ',' and ')' becomes a module. Where each value and module
// stood goes to *layout when given (a value with found false, where no number stood, is 0).
// Values written before the first module have no module to go to and are dropped.
void ParseModules(const std::string& line, std::size_t column, ModuleString& target,
                  AxiomLayout* layout = nullptr);

}  // namespace lsys
