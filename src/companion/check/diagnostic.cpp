#include "companion/check/diagnostic.h"

#include "common/output.h"

namespace lsys {

void PrintDiagnostic(Output& out, const std::string& path, const std::vector<std::string>& lines,
                     const Diagnostic& diagnostic) {
  out.text(path);
  out.character(':');
  out.integer(static_cast<std::int64_t>(diagnostic.line + 1));
  out.character(':');
  out.integer(static_cast<std::int64_t>(diagnostic.column + 1));
  out.text(diagnostic.severity == Severity::kError     ? ": error: "
           : diagnostic.severity == Severity::kWarning ? ": warning: "
                                                       : ": note: ");
  out.text(diagnostic.message);
  out.character('\n');
  if (diagnostic.line >= lines.size()) return;
  std::string source = lines[diagnostic.line];
  if (!source.empty() && source.back() == '\n') source.pop_back();
  out.text(source);
  out.character('\n');
  for (std::size_t i = 0; i < diagnostic.column && i < source.size(); ++i) {
    out.character(source[i] == '\t' ? '\t' : ' ');
  }
  for (std::size_t i = source.size(); i < diagnostic.column; ++i) out.character(' ');
  out.text("^\n");
}

}  // namespace lsys
