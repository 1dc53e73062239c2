#include "companion/commands/render_command.h"

#include <stdlib.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "companion/commands/picture_options.h"
#include "companion/commands/progress.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/povray_runner.h"
#include "companion/picture/render_scene.h"

namespace lsys {
namespace {

// A scene file of its own in the temporary folder, removed when the render is over.
class TemporaryScene {
 public:
  TemporaryScene() {
    const char* folder = std::getenv("TMPDIR");
    std::string pattern =
        std::string(folder != nullptr && *folder ? folder : "/tmp") + "/lsys-render-XXXXXX.pov";
    const int descriptor = ::mkstemps(pattern.data(), 4);
    if (descriptor >= 0) {
      ::close(descriptor);
      path_ = pattern;
    }
  }
  TemporaryScene(const TemporaryScene&) = delete;
  TemporaryScene& operator=(const TemporaryScene&) = delete;
  ~TemporaryScene() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

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

  std::optional<TemporaryScene> temporary;
  std::string scene = request.scene;
  if (scene.empty()) {
    temporary.emplace();
    scene = temporary->path();
    if (scene.empty()) {
      ReportError("cannot create a temporary scene file");
      return 1;
    }
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
