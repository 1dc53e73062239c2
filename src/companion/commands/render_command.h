// `lsys render`: grows a description quietly and has POV-Ray render the companion's own
// scene of it to a PNG, framed to fit.
#pragma once

#include "companion/growth/grow.h"

#include <optional>
#include <string>

#include "companion/commands/command_support.h"
#include "companion/commands/picture_options.h"
#include "companion/growth/grow.h"
#include "companion/picture/line_width.h"
#include "companion/picture/render_scene.h"
#include "companion/picture/view.h"

namespace CLI {
class App;
}

namespace lsys {

struct RenderRequest : PictureRequest {
  std::string image;  // empty: the description's name with .png, in the current folder
  std::string scene;  // empty: a temporary scene, removed after the render
};

// Grows the description quietly, writes its own scene and has POV-Ray render it to the PNG.
// POV-Ray's warnings and errors always reach standard error, and so does a warning when the
// render is estimated to take more than a minute or 4 GB. Returns the exit code: 0 on
// success, 1 after a message on standard error.
int RenderDescription(const RenderRequest& request);

// Adds `render` to the command line; its callback stores the exit code in exitCode, which
// must outlive the parsing.
void AddRenderCommand(CLI::App& app, int& exitCode);

}  // namespace lsys
