#include "app/run_program.h"

#include <cstdio>
#include <memory>
#include <string>

#include "app/help_text.h"
#include "app/lsystem.h"
#include "derivation/derive.h"
#include "derivation/expression_stack.h"
#include "description/load_description.h"
#include "scene/write_pov_file.h"
#include "turtle/make_poly_liste.h"

namespace lsys {

int RunProgram(int argc, const char* const argv[]) {
  if (IsHelpOrVersionRequest(argc, argv)) {
    WriteHelpOrVersion(argv[1], StandardOutput());
    return StandardOutput().flush() ? 0 : 1;
  }
  if (argc < 2) {
    std::printf("Error: to few arguments\n");
    return 1;
  }
  const std::string descriptionPath = argv[1];
  const std::string scenePath = argc == 3 ? argv[2] : "quarbel.pov";

  auto lsystem = std::make_unique<LSystem>();
  lsystem->setConsiderMode(false);
  if (!LoadDescription(*lsystem, descriptionPath)) return 1;
  if (!RunWithExpressionStack(*lsystem, [&] { Derive(*lsystem); })) return 1;
  MakePolyListe(*lsystem);
  if (!WritePovFile(*lsystem, scenePath)) return 1;
  return 0;
}

}  // namespace lsys
