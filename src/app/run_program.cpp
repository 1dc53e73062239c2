#include "app/run_program.h"

#include <memory>
#include <new>
#include <string>

#include "app/help_text.h"
#include "app/lsystem.h"
#include "common/output.h"
#include "derivation/derive.h"
#include "derivation/expression_stack.h"
#include "description/load_description.h"
#include "scene/scene_file.h"
#include "scene/write_pov_file.h"
#include "turtle/make_poly_liste.h"

namespace lsys {
namespace {

// The four stages on one run record; false when the scene was not written.
bool runStages(const std::string& descriptionPath, const std::string& scenePath) {
  auto lsystem = std::make_unique<LSystem>();
  lsystem->setConsiderMode(false);
  if (!LoadDescription(*lsystem, descriptionPath)) return false;
  // The derivation runs on a thread of its own; running out of memory there is handed back to
  // this thread.
  bool outOfMemory = false;
  const bool derived = RunWithExpressionStack(*lsystem, [&] {
    try {
      Derive(*lsystem);
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    }
  });
  if (outOfMemory) throw std::bad_alloc();
  if (!derived) return false;
  MakePolyListe(*lsystem);
  // Writing the scene over the description would destroy it.
  if (IsSameFile(descriptionPath, scenePath)) {
    Output& console = lsystem->console();
    console.text("Can't open file ");
    console.text(scenePath);
    console.character('\n');
    return false;
  }
  return WritePovFile(*lsystem, scenePath);
}

}  // namespace

int RunProgram(int argc, const char* const argv[]) {
  if (IsHelpOrVersionRequest(argc, argv)) {
    WriteHelpOrVersion(argv[1], StandardOutput());
    return StandardOutput().flush() ? 0 : 1;
  }
  Output& console = StandardOutput();
  if (argc < 2) {
    console.text("Error: to few arguments\n");
    console.flush();
    return 1;
  }
  const std::string descriptionPath = argv[1];
  const std::string scenePath = argc == 3 ? argv[2] : "quarbel.pov";

  bool written = false;
  try {
    written = runStages(descriptionPath, scenePath);
  } catch (const std::bad_alloc&) {
    // The run record is released by now; the console's buffer was allocated at its start.
    console.text("Out of memory\n");
  }
  // A report with a hole (a full disk, a closed pipe) must not pass for success.
  const bool reported = console.flush();
  return written && reported ? 0 : 1;
}

}  // namespace lsys
