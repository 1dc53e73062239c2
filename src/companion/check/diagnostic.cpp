#include "companion/check/diagnostic.h"

#include "common/output.h"
#include "companion/text/visible_text.h"

namespace lsys {

void PrintDiagnostic(Output& out, const std::string& path, const std::vector<std::string>& lines,
                     const Diagnostic& diagnostic) {
  // The file's own bytes are shown, never obeyed: its control characters in caret notation.
  out.text(VisibleText(path));
  out.character(':');
  out.integer(static_cast<std::int64_t>(diagnostic.line + 1));
  out.character(':');
  out.integer(static_cast<std::int64_t>(diagnostic.column + 1));
  out.text(diagnostic.severity == Severity::kError     ? ": error: "
           : diagnostic.severity == Severity::kWarning ? ": warning: "
                                                       : ": note: ");
  out.text(VisibleText(diagnostic.message));
  out.character('\n');
  if (diagnostic.line >= lines.size()) return;
  std::string source = lines[diagnostic.line];
  if (!source.empty() && source.back() == '\n') source.pop_back();
  if (!source.empty() && source.back() == '\r') source.pop_back();
  out.text(VisibleText(source, true));
  out.character('\n');
  for (std::size_t i = 0; i < diagnostic.column && i < source.size(); ++i) {
    if (source[i] == '\t') {
      out.character('\t');
    } else {
      out.text(IsControlByte(source[i]) ? "  " : " ");  // "^X" takes two columns
    }
  }
  for (std::size_t i = source.size(); i < diagnostic.column; ++i) out.character(' ');
  out.text("^\n");
}

}  // namespace lsys
