#include <CLI/CLI.hpp>
#include <memory>

#include "companion/commands.h"

#include "companion/render_command.h"

namespace lsys {
namespace {

// Checks and converts the shared options once the command line is read.
struct PictureOptions {
  std::string size = "640x480";
  std::string view;
  std::optional<int> steps;

  void addTo(CLI::App& command) {
    command.add_option("--size", size, "picture size WxH (default 640x480)");
    command.add_option("--view", view, "front, side, top or iso (default: front, top when flat)")
        ->check(CLI::IsMember({"front", "side", "top", "iso"}));
    command.add_option("--steps", steps, "derivation steps instead of the description's")
        ->check(CLI::Range(0, 1000000));
  }

  ImageSize imageSize() const {
    const auto parsed = ParseImageSize(size);
    if (!parsed) throw CLI::ValidationError("--size", "expected WxH, e.g. 640x480: " + size);
    return *parsed;
  }
  std::optional<View> chosenView() const { return view.empty() ? std::nullopt : ParseView(view); }
};

void addRender(CLI::App& app, int& exitCode) {
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

void addExport(CLI::App& app, int& exitCode) {
  auto request = std::make_shared<ExportRequest>();
  auto options = std::make_shared<PictureOptions>();
  CLI::App* command = app.add_subcommand(
      "export", "grow DESCRIPTION and write it as an OBJ mesh or an SVG drawing");
  command->add_option("DESCRIPTION", request->description, "the description file")->required();
  command->add_option("-o,--output", request->output, "FILE.obj or FILE.svg")->required();
  options->addTo(*command);
  command->add_flag("-q,--quiet", request->quiet, "no progress on standard error");
  command->callback([request, options, &exitCode] {
    request->size = options->imageSize();
    request->view = options->chosenView();
    request->steps = options->steps;
    exitCode = ExportDescription(*request);
  });
}

void addInfo(CLI::App& app, int& exitCode) {
  auto request = std::make_shared<InfoRequest>();
  CLI::App* command = app.add_subcommand(
      "info", "grow DESCRIPTION and summarise it: modules and time per step, counts, box");
  command->add_option("DESCRIPTION", request->description, "the description file")->required();
  command->add_option("--steps", request->steps, "derivation steps instead of the description's")
      ->check(CLI::Range(0, 1000000));
  command->callback([request, &exitCode] {
    Output out = Output::ToDescriptor(1);
    exitCode = PrintInfo(*request, out);
  });
}

}  // namespace

void AddPictureCommands(CLI::App& app, int& exitCode) {
  addRender(app, exitCode);
  addExport(app, exitCode);
  addInfo(app, exitCode);
}

}  // namespace lsys
