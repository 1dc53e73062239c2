// libFuzzer target over the companion's checker: the input bytes are a description file, which
// `lsys check` reads, checks line by line, parses and grows in its bounded dry run. Every input
// must end in diagnostics, never in a crash, a leak, a hang or unbounded memory. The dry run is
// bounded by work, with smaller bounds here so that one input takes milliseconds.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "common/output.h"
#include "companion/check/check_description.h"
#include "companion/text/visible_text.h"

namespace {

// The description goes to an in-memory file that the checker opens by path.
int descriptionFile() {
  static const int descriptor = [] {
    const int made = memfd_create("description", 0);
    if (made < 0) {
      std::perror("memfd_create");
      std::abort();
    }
    return made;
  }();
  return descriptor;
}

void writeDescription(const std::uint8_t* data, std::size_t size) {
  if (ftruncate(descriptionFile(), 0) != 0) std::abort();
  std::size_t written = 0;
  while (written < size) {
    const ssize_t count =
        pwrite(descriptionFile(), data + written, size - written, static_cast<off_t>(written));
    if (count <= 0) std::abort();
    written += static_cast<std::size_t>(count);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  writeDescription(data, size);
  lsys::CheckLimits limits;
  limits.maxModules = 1 << 14;
  limits.maxWork = 1 << 16;
  const std::string path = "/proc/self/fd/" + std::to_string(descriptionFile());
  const lsys::CheckResult result = lsys::CheckDescription(path, limits);
  // Every diagnostic points into the file (or just past it), and printing it shows no control
  // character but the line feeds that end its lines and the tabs of the caret line.
  std::string printed;
  lsys::Output out = lsys::Output::ToString(printed);
  for (const lsys::Diagnostic& diagnostic : result.diagnostics) {
    if (diagnostic.line > result.lines.size()) std::abort();
    lsys::PrintDiagnostic(out, "description", result.lines, diagnostic);
  }
  out.flush();
  for (char c : printed) {
    if (lsys::IsControlByte(c) && c != '\n' && c != '\t') std::abort();
  }
  return 0;
}
