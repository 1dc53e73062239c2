#include "app/help_text.h"

#ifndef LSYS_VERSION
#error "LSYS_VERSION is set by the build from the project's version"
#endif

namespace lsys {

bool IsHelpOrVersionRequest(int argc, const char* const argv[]) {
  if (argc != 2) return false;
  const std::string_view option = argv[1];
  return option == "--help" || option == "--version";
}

void WriteHelpOrVersion(std::string_view option, Output& out) {
  if (option == "--version") {
    out.text("lsys2pov " LSYS_VERSION "\n");
    return;
  }
  out.text(
      "Usage: lsys2pov DESCRIPTION [SCENE]\n"
      "Grow the L-system of the description file DESCRIPTION and write it as a POV-Ray\n"
      "scene.\n"
      "\n"
      "The scene goes to SCENE when exactly two arguments are given, otherwise to\n"
      "quarbel.pov in the current folder. Everything the program reports goes to\n"
      "standard output: what it loaded, every generation, and where the scene was saved.\n"
      "\n"
      "      --help     print this text and exit (only as the one argument)\n"
      "      --version  print the version and exit (only as the one argument)\n"
      "\n"
      "Any other command line is taken as DESCRIPTION [SCENE]; with three arguments or\n"
      "more, all after DESCRIPTION are ignored and the scene goes to quarbel.pov.\n"
      "\n"
      "Exit status: 1 when no argument is given, when the description cannot be read, or\n"
      "when the scene cannot be written; otherwise 0.\n"
      "\n"
      "For a picture framed to the drawing, an OBJ mesh, an SVG preview or a short\n"
      "summary, use lsys render, lsys export and lsys info (see lsys(1)).\n");
}

}  // namespace lsys
