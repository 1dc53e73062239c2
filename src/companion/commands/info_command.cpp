#include "companion/commands/info_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "companion/commands/command_support.h"
#include "companion/commands/dialect_flags.h"
#include "companion/commands/picture_options.h"
#include "companion/commands/progress.h"
#include "companion/growth/dialect_report.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/render_cost.h"
#include "companion/picture/scene_plan.h"
#include "companion/text/visible_text.h"
#include "scene/write_pov_file.h"

namespace lsys {
namespace {

void range(Output& out, const char* axis, double low, double high) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%s %.3f to %.3f", axis, low, high);
  out.text(std::string_view(buffer));
}

}  // namespace

int PrintInfo(const InfoRequest& request, Output& out) {
  LSystem lsystem;
  Output quiet = Output::Discarding();
  out.text(VisibleText(request.description));
  out.text("\n");
  OnEachStep observer([&](const StepReport& report) {
    out.text(StepLine(report));
    out.text("\n");
  });
  const GrowthRequest growth{request.description, request.steps, request.maxModules,
                             request.dialect};
  const GrowthResult result = GrowQuietly(lsystem, growth, quiet, observer);
  if (result.growth != Growth::kGrown) {
    out.flush();
    ReportGrowthFailure(result, growth);
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
  // The size of the scene lsys2pov writes, counted as it is assembled, never written.
  // lsys2pov grows a dialect file by its plain rules: for one, this is the size of the
  // dialect's plant written in lsys2pov's form.
  Output counter = Output::Counting();
  WritePovScene(lsystem, counter);
  out.text(lsystem.dialect.enabled ? "scene in lsys2pov's form: " : "lsys2pov scene: ");
  out.integer(static_cast<std::int64_t>(counter.counted()));
  out.text(" bytes\n");
  // The scene of a plain `lsys render` at 640x480: which segments are thin strips depends
  // on the fitted picture and its line widths (the record is moved and its radii set for it
  // here, after everything else is printed).
  const ImageSize size640;
  const auto picture =
      box.empty ? std::nullopt : FitPicture(lsystem, std::nullopt, size640, LineWidth{});
  if (picture) {
    const Drawing drawing = DrawingOf(lsystem);  // the plan points into it
    const ScenePlan plan = PlanScene(drawing, Palette::Natural(), ScaleOf(*picture, size640));
    const RenderCost cost = EstimateRenderCost(plan, size640.width, size640.height, true);
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "POV-Ray for lsys render at %dx%d: about %.1f s to parse, %.1f s to trace on "
                  "one core, %.0f MB\n",
                  size640.width, size640.height, cost.parseSeconds, cost.traceSeconds,
                  cost.bytes / 1e6);
    out.text(std::string_view(buffer));
  }
  if (!out.flush()) {
    ReportError("cannot write to standard output");
    return 1;
  }
  return 0;
}

void AddInfoCommand(CLI::App& app, int& exitCode) {
  auto request = std::make_shared<InfoRequest>();
  CLI::App* command = app.add_subcommand(
      "info", "grow DESCRIPTION and summarise it: modules and time per step, counts, box");
  command->add_option("DESCRIPTION", request->description, "the description file")->required();
  command->add_option("--steps", request->steps, "derivation steps instead of the description's")
      ->check(CLI::Range(0, 1000000));
  AddMaxModulesOption(*command, request->maxModules);
  auto dialect = std::make_shared<DialectFlags>();
  dialect->addTo(*command);
  command->callback([request, dialect, &exitCode] {
    request->dialect = dialect->choice();
    Output out = Output::ToDescriptor(1);
    exitCode = PrintInfo(*request, out);
  });
}

}  // namespace lsys
