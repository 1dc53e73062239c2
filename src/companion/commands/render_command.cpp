#include "companion/commands/render_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "companion/commands/dialect_flags.h"
#include "companion/commands/picture_options.h"
#include "companion/commands/progress.h"
#include "companion/files/temporary_file.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/povray_runner.h"
#include "companion/picture/render_cost.h"
#include "companion/picture/render_scene.h"

namespace lsys {
int RenderDescription(const RenderRequest& request) {
  const Progress progress(request.quiet);
  LSystem lsystem;
  lsystem.pictureReading = PictureReading::ForPictures();
  Output quiet = Output::Discarding();
  if (!GrowWithProgress(lsystem, request.description, request.steps, quiet, progress,
                        request.dialect)) {
    return 1;
  }
  if (BoundingBox(DrawingOf(lsystem)).empty) {
    ReportError(request.description + " draws nothing to render");
    return 1;
  }
  const FittedPicture picture = FitPicture(lsystem, request.view, request.size, request.lineWidth);
  const Drawing drawing = DrawingOf(lsystem);
  const ScenePlan plan = PlanScene(drawing, request.look.palette);
  const RenderCost cost =
      EstimateRenderCost(plan, request.size.width, request.size.height, request.antialias);
  if (cost.seconds() > kSlowRenderSeconds || cost.bytes > kLargeRenderBytes) {
    // Said even when quiet: the person may want to stop it, or lower --steps or --size.
    ReportError("warning: POV-Ray will need about " + CostSummary(cost) +
                " for this render (see lsys info)");
  }
  const std::string image =
      request.image.empty() ? DescriptionStem(request.description) + ".png" : request.image;

  // Without --scene the scene lives in a temporary file of its own.
  const std::optional<TemporaryFile> temporary =
      request.scene.empty() ? TemporaryFile::InTemporaryFolder("lsys-render-", ".pov")
                            : std::nullopt;
  std::string scene = request.scene;
  if (scene.empty()) {
    if (!temporary) {
      ReportError("cannot create a temporary scene file");
      return 1;
    }
    scene = temporary->path();
  }
  if (!WriteFileWith(scene, [&](Output& out) {
        WriteRenderScene(drawing, plan, picture.camera, picture.view, request.look,
                         DescriptionStem(request.description), out);
      })) {
    return 1;
  }
  progress.line("wrote " + std::to_string(lsystem.segments.size()) + " segments and " +
                std::to_string(lsystem.polygons.size()) + " polygons to " + scene);

  const PovRayRun run = RunPovRay(scene, image, request.size.width, request.size.height,
                                  progress.enabled(), {request.antialias, 0});
  if (!run.started) {
    ReportError(
        "cannot run povray: install POV-Ray (Debian package povray), or draw a preview with "
        "lsys export " +
        request.description + " -o " + DescriptionStem(request.description) + ".svg");
    return 1;
  }
  if (!progress.enabled()) {
    for (const std::string& complaint : PovRayComplaints(run.log)) {
      ReportError("povray: " + complaint);
    }
  }
  if (run.exitCode != 0) {
    if (!progress.enabled()) std::fwrite(run.log.data(), 1, run.log.size(), stderr);
    ReportError("povray could not render " + scene);
    return 1;
  }
  progress.line("picture saved as " + image);
  return 0;
}

void AddRenderCommand(CLI::App& app, int& exitCode) {
  auto request = std::make_shared<RenderRequest>();
  auto options = std::make_shared<PictureOptions>();
  CLI::App* command = app.add_subcommand(
      "render", "grow DESCRIPTION and render it with POV-Ray to a PNG, framed to fit");
  command->add_option("DESCRIPTION", request->description, "the description file")->required();
  command->add_option("-o,--output", request->image,
                      "the PNG to write (default: the description's name with .png)");
  options->addTo(*command);
  options->addSceneOptionsTo(*command);
  command->add_option("--scene", request->scene, "keep the POV-Ray scene in this file");
  command->add_flag("-q,--quiet", request->quiet, "no progress on standard error");
  auto dialect = std::make_shared<DialectFlags>();
  dialect->addTo(*command);
  command->callback([request, options, dialect, &exitCode] {
    request->dialect = dialect->choice();
    request->size = options->imageSize();
    request->view = options->chosenView();
    request->steps = options->steps;
    request->lineWidth = options->chosenLineWidth();
    request->look = options->chosenLook();
    request->antialias = !options->draft;
    const auto palette = LoadPalette(*options);
    if (!palette) {
      exitCode = 1;
      return;
    }
    request->look.palette = *palette;
    exitCode = RenderDescription(*request);
  });
}

}  // namespace lsys
