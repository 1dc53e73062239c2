#include "companion/commands/export_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>

#include "app/lsystem.h"
#include "companion/commands/dialect_flags.h"
#include "companion/commands/picture_options.h"
#include "companion/commands/progress.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/glb_writer.h"
#include "companion/picture/line_width.h"
#include "companion/picture/obj_writer.h"
#include "companion/picture/render_scene.h"
#include "companion/picture/svg_writer.h"
#include "companion/process/interrupts.h"

namespace lsys {

namespace {

enum class Format { kGlb, kObj, kSvg, kWord, kScene };

std::optional<Format> formatOf(const std::string& path) {
  if (HasExtension(path, ".glb")) return Format::kGlb;
  if (HasExtension(path, ".obj")) return Format::kObj;
  if (HasExtension(path, ".svg")) return Format::kSvg;
  if (HasExtension(path, ".txt")) return Format::kWord;
  if (HasExtension(path, ".pov")) return Format::kScene;
  return std::nullopt;
}

// The MTL file that goes beside an OBJ: the same name with .mtl.
std::string materialsOf(const std::string& obj) {
  return std::filesystem::path(obj).replace_extension(".mtl").string();
}

// The OBJ and, beside it, its MTL file.
bool writeObjAndMaterials(const Drawing& drawing, const Palette& palette, const std::string& title,
                          const std::string& path) {
  const PlantMesh mesh = BuildPlantMesh(drawing, palette);
  const std::filesystem::path materials = materialsOf(path);
  if (!WriteFileWith(materials.string(),
                     [&](Output& out) { WriteMtl(mesh, palette, title, out); })) {
    return false;
  }
  return WriteFileWith(
      path, [&](Output& out) { WriteObj(mesh, title, materials.filename().string(), out); });
}

// The scene that `lsys render` would render for the same options, written instead.
int writeRenderScene(const ExportRequest& request, LSystem& lsystem, const Progress& progress) {
  const auto picture = FitPictureOrReport(lsystem, request, "export");
  if (!picture) return 1;
  const Drawing drawing = DrawingOf(lsystem);
  const SceneLook& look = request.look;
  const ScenePlan plan = PlanScene(drawing, look.palette, ScaleOf(*picture, request.size));
  if (!WriteFileWith(request.output, [&](Output& out) {
        WriteRenderScene(drawing, plan, picture->camera, picture->view, look,
                         DescriptionStem(request.description), out);
      })) {
    return 1;
  }
  progress.line("wrote " + std::to_string(lsystem.segments.size()) + " segments and " +
                std::to_string(lsystem.polygons.size()) + " polygons to " + request.output);
  return 0;
}

}  // namespace

int ExportDescription(const ExportRequest& request) {
  const std::optional<Format> format = formatOf(request.output);
  if (!format) {
    ReportError("the exported file must end in .glb, .obj, .svg, .txt or .pov: " + request.output);
    return 1;
  }
  if (RefuseOverwritingDescription(request.output, request.description) ||
      (format == Format::kObj &&
       RefuseOverwritingDescription(materialsOf(request.output), request.description))) {
    return 1;
  }
  const Progress progress(request.quiet);
  LSystem lsystem;
  lsystem.pictureReading = PictureReading::ForPictures();
  Output quiet = Output::Discarding();
  if (!GrowWithProgress(lsystem, request.growth(), quiet, progress)) return 1;
  if (format == Format::kWord) {
    if (!WriteFileWith(request.output, [&](Output& out) { lsystem.current->print(out); })) {
      return 1;
    }
    progress.line("wrote " + std::to_string(lsystem.current->size()) + " modules to " +
                  request.output);
    return 0;
  }
  if (format == Format::kScene) return writeRenderScene(request, lsystem, progress);
  const Drawing drawing = DrawingOf(lsystem);
  const std::string title = DescriptionStem(request.description);
  if (format == Format::kSvg && BoundingBox(drawing).empty) {
    ReportError(request.description + " draws nothing to export");
    return 1;
  }
  const View view = request.view.value_or(DefaultView(drawing));
  if (!BoundingBox(drawing).empty) {
    // The line width is measured in the SVG picture, or for a mesh in a picture of that size.
    const OrthographicFit fit =
        FitOrthographic(drawing, view, request.size.width, request.size.height);
    const auto radius = ChosenRadius(request.lineWidth, lsystem.segments, PixelSize(fit));
    if (radius) SetRadii(lsystem.segments, *radius);
  }
  // The file is written beside its target and renamed over it: an interrupt waits for the
  // write to end, so that no temporary is left behind.
  const InterruptGuard guard;
  bool written = false;
  if (format == Format::kObj) {
    written = writeObjAndMaterials(drawing, request.look.palette, title, request.output);
  } else if (format == Format::kGlb) {
    const std::string bytes = GlbBytes(drawing, request.look.palette, title);
    written = WriteFileWith(request.output, [&](Output& out) { out.text(bytes); });
  } else {
    written = WriteFileWith(request.output, [&](Output& out) {
      WriteSvg(drawing, view, request.size.width, request.size.height, request.look.palette, title,
               out);
    });
  }
  if (CaughtInterrupt() != 0) return InterruptedExitCode(CaughtInterrupt());
  if (!written) return 1;
  progress.line("wrote " + std::to_string(lsystem.segments.size()) + " segments and " +
                std::to_string(lsystem.polygons.size()) + " polygons to " + request.output);
  return 0;
}

void AddExportCommand(CLI::App& app, int& exitCode) {
  auto request = std::make_shared<ExportRequest>();
  auto options = std::make_shared<PictureOptions>();
  CLI::App* command = app.add_subcommand(
      "export",
      "grow DESCRIPTION and write it as a glTF or OBJ mesh, an SVG drawing, its final generation "
      "(.txt, as lsys2pov prints it) or the POV-Ray scene lsys render renders (.pov)");
  command->add_option("DESCRIPTION", request->description, "the description file")->required();
  command
      ->add_option("-o,--output", request->output,
                   "FILE.glb (binary glTF), FILE.obj (with FILE.mtl beside it), FILE.svg, FILE.txt "
                   "or FILE.pov")
      ->required();
  options->addTo(*command);
  command->add_flag("-q,--quiet", request->quiet, "no progress on standard error");
  auto dialect = std::make_shared<DialectFlags>();
  dialect->addTo(*command);
  command->callback([request, options, dialect, &exitCode] {
    if (!ReadPictureOptions(*options, *dialect, *request)) {
      exitCode = 1;
      return;
    }
    exitCode = ExportDescription(*request);
  });
}

}  // namespace lsys
