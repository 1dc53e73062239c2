#include "companion/commands/info_command.h"

#include <sys/stat.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "companion/commands/command_support.h"
#include "companion/commands/dialect_flags.h"
#include "companion/commands/progress.h"
#include "companion/files/temporary_file.h"
#include "companion/growth/dialect_report.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/render_cost.h"
#include "companion/picture/scene_plan.h"
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
  const auto file = TemporaryFile::InTemporaryFolder("lsys-info-", ".pov");
  if (!file) return {};
  struct stat status {};
  if (!WritePovFile(lsystem, file->path()) || ::stat(file->path().c_str(), &status) != 0) return {};
  return status.st_size;
}

}  // namespace

int PrintInfo(const InfoRequest& request, Output& out) {
  LSystem lsystem;
  Output quiet = Output::Discarding();
  out.text(request.description);
  out.text("\n");
  OnEachStep observer([&](const StepReport& report) {
    out.text(StepLine(report));
    out.text("\n");
  });
  if (GrowQuietly(lsystem, request.description, request.steps, quiet, observer, request.dialect) !=
      Growth::kGrown) {
    ReportError("cannot read " + request.description);
    return 1;
  }
  ReportDialectProblems(lsystem, request.description);
  if (lsystem.dialect.enabled) {
    out.text("dialect: 1, seed ");
    out.text(std::to_string(lsystem.dialect.seed));
    out.text("\n");
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
  // lsys2pov grows a dialect file by its plain rules: this is the size of the dialect's plant
  // written in lsys2pov's form.
  out.text(lsystem.dialect.enabled ? "scene in lsys2pov's form: " : "lsys2pov scene: ");
  out.integer(*size);
  out.text(" bytes\n");
  if (!box.empty) {
    // The primitives' counts do not depend on the picture's widths or colours enough to
    // matter for a forecast: the record as grown for lsys2pov serves.
    const ImageSize size640;
    const RenderCost cost = EstimateRenderCost(PlanScene(DrawingOf(lsystem), Palette::Natural()),
                                               size640.width, size640.height, true);
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "POV-Ray for lsys render at %dx%d: about %.1f s to parse, %.1f s to trace on "
                  "one core, %.0f MB\n",
                  size640.width, size640.height, cost.parseSeconds, cost.traceSeconds,
                  cost.bytes / 1e6);
    out.text(std::string_view(buffer));
  }
  return out.flush() ? 0 : 1;
}

void AddInfoCommand(CLI::App& app, int& exitCode) {
  auto request = std::make_shared<InfoRequest>();
  CLI::App* command = app.add_subcommand(
      "info", "grow DESCRIPTION and summarise it: modules and time per step, counts, box");
  command->add_option("DESCRIPTION", request->description, "the description file")->required();
  command->add_option("--steps", request->steps, "derivation steps instead of the description's")
      ->check(CLI::Range(0, 1000000));
  auto dialect = std::make_shared<DialectFlags>();
  dialect->addTo(*command);
  command->callback([request, dialect, &exitCode] {
    request->dialect = dialect->choice();
    Output out = Output::ToDescriptor(1);
    exitCode = PrintInfo(*request, out);
  });
}

}  // namespace lsys
