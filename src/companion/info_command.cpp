#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "app/lsystem.h"
#include "companion/drawing.h"
#include "companion/grow.h"
#include "companion/progress.h"
#include "companion/render_command.h"
#include "scene/write_pov_file.h"

namespace lsys {
namespace {

void range(Output& out, const char* axis, double low, double high) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%s %.3f to %.3f", axis, low, high);
  out.text(std::string_view(buffer));
}

// The size of the scene lsys2pov writes: it is written to a temporary file and measured.
std::optional<long long> lsys2povSceneSize(const LSystem& lsystem) {
  const char* folder = std::getenv("TMPDIR");
  std::string path =
      std::string(folder != nullptr && *folder ? folder : "/tmp") + "/lsys-info-XXXXXX.pov";
  const int descriptor = ::mkstemps(path.data(), 4);
  if (descriptor < 0) return {};
  ::close(descriptor);
  std::optional<long long> size;
  struct stat status {};
  if (WritePovFile(lsystem, path) && ::stat(path.c_str(), &status) == 0) size = status.st_size;
  ::unlink(path.c_str());
  return size;
}

}  // namespace

int PrintInfo(const InfoRequest& request, Output& out) {
  LSystem lsystem;
  Output quiet = Output::Discarding();
  out.text(request.description);
  out.text("\n");
  if (!GrowQuietly(lsystem, request.description, request.steps, quiet,
                   [&](const StepReport& report) {
                     out.text(StepLine(report));
                     out.text("\n");
                   })) {
    ReportError("cannot read " + request.description);
    return 1;
  }
  out.text("segments: ");
  out.integer(static_cast<std::int64_t>(lsystem.segments.size()));
  out.text("\npolygons: ");
  out.integer(static_cast<std::int64_t>(lsystem.polygons.size()));
  out.text("\n");
  const Box box = BoundingBox(DrawingOf(lsystem));
  if (box.empty) {
    out.text("box: nothing drawn\n");
  } else {
    // The scene frame's (x, y, z) is the turtle's (y, z, -x).
    out.text("box (turtle coordinates, radii included): ");
    range(out, "x", -box.max.z, -box.min.z);
    out.text(", ");
    range(out, "y", box.min.x, box.max.x);
    out.text(", ");
    range(out, "z", box.min.y, box.max.y);
    out.text("\n");
  }
  const auto size = lsys2povSceneSize(lsystem);
  if (!size) {
    ReportError("cannot measure the lsys2pov scene in the temporary folder");
    return 1;
  }
  out.text("lsys2pov scene: ");
  out.integer(*size);
  out.text(" bytes\n");
  return out.flush() ? 0 : 1;
}

}  // namespace lsys
