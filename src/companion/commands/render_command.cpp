#include "companion/commands/render_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "companion/commands/picture_options.h"
#include "companion/commands/progress.h"
#include "companion/files/temporary_file.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/povray_runner.h"
#include "companion/picture/render_scene.h"

namespace lsys {
int RenderDescription(const RenderRequest& request) {
  const Progress progress(request.quiet);
  LSystem lsystem;
  Output quiet = Output::Discarding();
  if (!GrowWithProgress(lsystem, request.description, request.steps, quiet, progress)) return 1;
  const Drawing drawing = DrawingOf(lsystem);
  if (BoundingBox(drawing).empty) {
    ReportError(request.description + " draws nothing to render");
    return 1;
  }
  const View view = request.view.value_or(DefaultView(drawing));
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
  const double aspect = static_cast<double>(request.size.width) / request.size.height;
  if (!WriteFileWith(scene, [&](Output& out) {
        WriteRenderScene(drawing, view, aspect, DescriptionStem(request.description), out);
      })) {
    return 1;
  }
  progress.line("wrote " + std::to_string(lsystem.segments.size()) + " segments and " +
                std::to_string(lsystem.polygons.size()) + " polygons to " + scene);

  const PovRayRun run =
      RunPovRay(scene, image, request.size.width, request.size.height, progress.enabled());
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
  command->add_option("--scene", request->scene, "keep the POV-Ray scene in this file");
  command->add_flag("-q,--quiet", request->quiet, "no progress on standard error");
  command->callback([request, options, &exitCode] {
    request->size = options->imageSize();
    request->view = options->chosenView();
    request->steps = options->steps;
    exitCode = RenderDescription(*request);
  });
}

}  // namespace lsys
