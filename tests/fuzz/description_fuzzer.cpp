// libFuzzer target over the whole run: the input bytes are a description file, which is loaded,
// derived, walked by the turtle and written as a scene, all reporting to a discarding console.
// Descriptions whose words grow exponentially are specified behaviour, not faults, so the
// derivation stops early once the next word could pass a fixed bound.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "common/output.h"
#include "derivation/derive.h"
#include "derivation/evaluator.h"
#include "derivation/expression_stack.h"
#include "description/load_description.h"
#include "scene/write_pov_file.h"
#include "turtle/make_poly_liste.h"

namespace {

// Bounds that keep one input within milliseconds and megabytes.
constexpr std::int32_t kMaxSteps = 12;
constexpr std::size_t kMaxModules = 1 << 14;

// The description goes to an in-memory file that the loader opens by path.
const std::string& descriptionPath() {
  static const std::string path = [] {
    const int descriptor = memfd_create("description", 0);
    if (descriptor < 0) {
      std::perror("memfd_create");
      std::abort();
    }
    return "/proc/self/fd/" + std::to_string(descriptor);
  }();
  return path;
}

void writeDescription(const std::uint8_t* data, std::size_t size) {
  const int descriptor = std::stoi(descriptionPath().substr(descriptionPath().rfind('/') + 1));
  if (ftruncate(descriptor, 0) != 0) std::abort();
  std::size_t written = 0;
  while (written < size) {
    const ssize_t count =
        pwrite(descriptor, data + written, size - written, static_cast<off_t>(written));
    if (count <= 0) std::abort();
    written += static_cast<std::size_t>(count);
  }
}

// The most modules one module can be rewritten into.
std::size_t longestSuccessor(const lsys::LSystem& lsystem) {
  std::size_t longest = 1;
  for (const auto& rule : lsystem.rules()) {
    longest = std::max(longest, rule->successor.symbols().size());
  }
  return longest;
}

// The derivation step by step, stopping before a pass whose word could pass the bound.
void deriveBounded(lsys::LSystem& lsystem) {
  const std::size_t growth = longestSuccessor(lsystem);
  lsys::Evaluator evaluator(lsystem.console());
  const std::int32_t steps = std::min(lsystem.steps, kMaxSteps);
  for (std::int32_t step = 1; step <= steps; ++step) {
    if (lsystem.current->size() > kMaxModules / growth) break;
    lsys::rewritePass(lsystem, evaluator);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  writeDescription(data, size);
  lsys::Output console = lsys::Output::Discarding();
  auto lsystem = std::make_unique<lsys::LSystem>();
  lsystem->setConsole(console);
  if (!lsys::LoadDescription(*lsystem, descriptionPath())) return 0;
  // As in a run: the passes go on the stack sized for the deepest expression, or not at all.
  if (!lsys::RunWithExpressionStack(*lsystem, [&] { deriveBounded(*lsystem); })) return 0;
  lsys::MakePolyListe(*lsystem);
  lsys::WritePovFile(*lsystem, "/dev/null");
  return 0;
}
