// `lsys export`: grows a description quietly and writes it as a glTF (GLB) or OBJ mesh or
// an SVG drawing.
#pragma once

#include <optional>
#include <string>

#include "companion/commands/command_support.h"
#include "companion/commands/picture_options.h"
#include "companion/growth/grow.h"
#include "companion/picture/line_width.h"
#include "companion/picture/palette.h"
#include "companion/picture/view.h"

namespace CLI {
class App;
}

namespace lsys {

// Its size is that of the SVG picture, and the aspect of the POV-Ray scene; of its look only
// the palette is used.
struct ExportRequest : PictureRequest {
  std::string output;  // ends in .glb, .obj, .svg, .txt or .pov
};

// Grows the description quietly and writes the file the output's extension names: an OBJ mesh,
// an SVG drawing, the final generation in the value form of the lsys2pov report (.txt, with
// its line feed), or the POV-Ray scene that `lsys render` renders (.pov). Returns the exit
// code: 0 on success, 1 after a message on standard error.
int ExportDescription(const ExportRequest& request);

// Adds `export` to the command line; its callback stores the exit code in exitCode, which
// must outlive the parsing.
void AddExportCommand(CLI::App& app, int& exitCode);

}  // namespace lsys
