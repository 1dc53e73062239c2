#include "companion/commands/render_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
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
#include "companion/process/interrupts.h"

namespace lsys {
namespace {

// The scene and picture names inside the working folder: plain, so that POV-Ray reads them as
// they are.
constexpr char kSceneName[] = "scene.pov";
constexpr char kPictureName[] = "picture.png";

// The picture's path, or empty after a message on standard error when it cannot be one.
std::string pictureOf(const RenderRequest& request) {
  const std::string image =
      request.image.empty() ? DescriptionStem(request.description) + ".png" : request.image;
  if (image == "-") {
    ReportError("render cannot write the picture to standard output: name a .png file with -o");
    return {};
  }
  if (!HasExtension(image, ".png") || image.back() == '/') {
    ReportError("render writes PNG pictures: name a file ending in .png, not " + image);
    return {};
  }
  return image;
}

// Warns, even when quiet, of a render estimated to be slow or large: the person may want to
// stop it, or lower --steps or --size.
void warnOfCost(const RenderRequest& request, const ScenePlan& plan) {
  const RenderCost cost =
      EstimateRenderCost(plan, request.size.width, request.size.height, request.antialias);
  if (cost.seconds() > kSlowRenderSeconds || cost.bytes > kLargeRenderBytes) {
    ReportError("warning: POV-Ray will need about " + CostSummary(cost) +
                " for this render (see lsys info)");
  }
}

void reportPovRayFailure(const RenderRequest& request, const PovRayRun& run,
                         const std::string& image, const Progress& progress) {
  const std::string sceneName =
      request.scene.empty() ? "the scene of " + request.description : request.scene;
  if (!run.started) {
    ReportError(
        "cannot run povray: install POV-Ray (Debian package povray), or draw a preview with "
        "lsys export " +
        request.description + " -o " + DescriptionStem(request.description) + ".svg");
    return;
  }
  if (run.exitCode != 0) {
    if (!progress.enabled()) std::fwrite(run.log.data(), 1, run.log.size(), stderr);
    ReportError("povray could not render " + sceneName + "; " + image + " is left as it was");
    return;
  }
  ReportError("povray ended without writing a picture of " + sceneName);
}

}  // namespace

int RenderDescription(const RenderRequest& request) {
  const std::string image = pictureOf(request);
  if (image.empty() || !AffordablePicture(request.size)) return 1;
  if (RefuseOverwritingDescription(image, request.description) ||
      (!request.scene.empty() &&
       RefuseOverwritingDescription(request.scene, request.description))) {
    return 1;
  }
  const Progress progress(request.quiet);
  LSystem lsystem;
  lsystem.pictureReading = PictureReading::ForPictures();
  Output quiet = Output::Discarding();
  if (!GrowWithProgress(lsystem, request.growth(), quiet, progress)) return 1;
  const auto picture = FitPictureOrReport(lsystem, request, "render");
  if (!picture) return 1;
  const Drawing drawing = DrawingOf(lsystem);
  const ScenePlan plan = PlanScene(drawing, request.look.palette, ScaleOf(*picture, request.size));
  warnOfCost(request, plan);

  // From here on files exist: an interrupt is passed on to POV-Ray, and the working folder
  // (scene, partial picture, POV-Ray's state file) goes on every path.
  const InterruptGuard guard;
  const std::optional<TemporaryFolder> folder =
      TemporaryFolder::In(FolderOf(image), ".lsys-render-");
  if (!folder) {
    ReportError("cannot make a working folder beside " + image + " (in " + FolderOf(image) + ")");
    return 1;
  }
  auto writeScene = [&](Output& out) {
    WriteRenderScene(drawing, plan, picture->camera, picture->view, request.look,
                     DescriptionStem(request.description), out);
  };
  if (!WriteFileWith(folder->path() + "/" + kSceneName, writeScene)) return 1;
  if (!request.scene.empty()) {
    if (!WriteFileWith(request.scene, writeScene)) return 1;
    progress.line("wrote " + std::to_string(lsystem.segments.size()) + " segments and " +
                  std::to_string(lsystem.polygons.size()) + " polygons to " + request.scene);
  }
  if (CaughtInterrupt() != 0) return InterruptedExitCode(CaughtInterrupt());

  const PovRayRun run = RunPovRay({folder->path(),
                                   kSceneName,
                                   kPictureName,
                                   request.size.width,
                                   request.size.height,
                                   progress.enabled(),
                                   {request.antialias, 0}});
  if (CaughtInterrupt() != 0) {
    ReportError("interrupted: " + image + " is left as it was");
    return InterruptedExitCode(CaughtInterrupt());
  }
  if (!progress.enabled()) {
    for (const std::string& complaint : PovRayComplaints(run.log)) {
      ReportError("povray: " + complaint);
    }
  }
  // The finished picture replaces the target in one step, or not at all.
  const std::string finished = folder->path() + "/" + kPictureName;
  if (!run.started || run.exitCode != 0 || ::access(finished.c_str(), F_OK) != 0) {
    reportPovRayFailure(request, run, image, progress);
    return 1;
  }
  if (::rename(finished.c_str(), image.c_str()) != 0) {
    ReportError("cannot save the picture as " + image + ": " + std::strerror(errno));
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
    if (!ReadPictureOptions(*options, *dialect, *request)) {
      exitCode = 1;
      return;
    }
    exitCode = RenderDescription(*request);
  });
}

}  // namespace lsys
