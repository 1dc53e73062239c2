#include "app/lsystem.h"
#include "companion/drawing.h"
#include "companion/grow.h"
#include "companion/obj_writer.h"
#include "companion/progress.h"
#include "companion/render_command.h"
#include "companion/svg_writer.h"

namespace lsys {

int ExportDescription(const ExportRequest& request) {
  const bool obj = HasExtension(request.output, ".obj");
  if (!obj && !HasExtension(request.output, ".svg")) {
    ReportError("the exported file must end in .obj or .svg: " + request.output);
    return 1;
  }
  const Progress progress(request.quiet);
  LSystem lsystem;
  Output quiet = Output::Discarding();
  if (!GrowWithProgress(lsystem, request.description, request.steps, quiet, progress)) return 1;
  const Drawing drawing = DrawingOf(lsystem);
  const std::string title = DescriptionStem(request.description);
  if (!obj && BoundingBox(drawing).empty) {
    ReportError(request.description + " draws nothing to export");
    return 1;
  }
  const bool written = WriteFileWith(request.output, [&](Output& out) {
    if (obj) {
      WriteObj(drawing, title, out);
    } else {
      WriteSvg(drawing, request.view.value_or(DefaultView(drawing)), request.size.width,
               request.size.height, title, out);
    }
  });
  if (!written) return 1;
  progress.line("wrote " + std::to_string(lsystem.segments.size()) + " segments and " +
                std::to_string(lsystem.polygons.size()) + " polygons to " + request.output);
  return 0;
}

}  // namespace lsys
