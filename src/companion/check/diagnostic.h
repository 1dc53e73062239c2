// Diagnostics about a description file, printed in the compiler form that editors and
// terminals recognise: "FILE:LINE:COLUMN: error: message", the source line and a caret.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lsys {

class Output;

// A note tells something worth knowing that is not a fault.
enum class Severity { kWarning, kError, kNote };

struct Diagnostic {
  Severity severity;
  std::size_t line;    // index of the line in the file, counted from 0
  std::size_t column;  // column in that line, counted from 0
  std::string message;
};

// Writes "PATH:LINE:COLUMN: error|warning|note: MESSAGE\n" with the line and column counted from 1,
// then, when the line exists, the source line without its line feed and a caret under the
// column (tabs of the line are kept in the caret line, so the caret stands under the column
// in a terminal as well).
void PrintDiagnostic(Output& out, const std::string& path, const std::vector<std::string>& lines,
                     const Diagnostic& diagnostic);

}  // namespace lsys
