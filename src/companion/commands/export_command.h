// `lsys export`: grows a description quietly and writes it as a glTF (GLB) or OBJ mesh or
// an SVG drawing.
#pragma once

#include <optional>
#include <string>

#include "companion/commands/command_support.h"
#include "companion/picture/line_width.h"
#include "companion/picture/palette.h"
#include "companion/picture/view.h"

namespace CLI {
class App;
}

namespace lsys {

struct ExportRequest {
  std::string description;
  std::string output;  // ends in .glb, .obj or .svg
  ImageSize size;      // of the SVG picture
  std::optional<View> view;
  std::optional<int> steps;
  LineWidth lineWidth;
  Palette palette = Palette::Natural();
  bool quiet = false;
};

// Grows the description quietly and writes the file the output's extension names. Returns the
// exit code: 0 on success, 1 after a message on standard error.
int ExportDescription(const ExportRequest& request);

// Adds `export` to the command line; its callback stores the exit code in exitCode, which
// must outlive the parsing.
void AddExportCommand(CLI::App& app, int& exitCode);

}  // namespace lsys
