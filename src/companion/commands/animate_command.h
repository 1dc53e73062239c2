// `lsys animate`: the growth of a plant as an animation, one frame per generation from 0 to N,
// all under one camera fitted to the last generation, so the plant grows inside a fixed frame.
// The frames are rendered by POV-Ray processes in parallel (one per core, each on one thread)
// and joined by ffmpeg into a GIF, MP4 or WebP.
#pragma once

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

// Its view, when empty, is the DefaultView of the last generation, and its steps give the last
// generation.
struct AnimateRequest : PictureRequest {
  std::string output;  // ends in .gif, .mp4 or .webp
  int fps = 2;
};

// Grows every generation, renders its frame and encodes the animation into a temporary file
// beside the output, which replaces the output only when it is complete. A SIGINT or SIGTERM
// is passed on to POV-Ray and ffmpeg, and ends the command with 130 or 143 after the frames
// and the partial animation are removed. Progress goes to
// standard error on a terminal unless quiet. Returns the exit code: 0 on success, 1 after a
// message on standard error (POV-Ray's or ffmpeg's own words included when one of them fails).
int AnimateDescription(const AnimateRequest& request);

// Adds `animate` to the command line; its callback stores the exit code in exitCode, which
// must outlive the parsing.
void AddAnimateCommand(CLI::App& app, int& exitCode);

}  // namespace lsys
