#include "companion/commands/picture_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "companion/picture/drawing.h"

namespace lsys {

void PictureOptions::addTo(CLI::App& command) {
  command.add_option("--size", size, "picture size WxH (default 640x480)");
  command.add_option("--view", view, "front, side, top or iso (default: front, top when flat)")
      ->check(CLI::IsMember({"front", "side", "top", "iso"}));
  command.add_option("--steps", steps, "derivation steps instead of the description's")
      ->check(CLI::Range(0, 1000000));
  command.add_option("--palette", palette,
                     "natural (graded browns and greens, default), categorical, or a colour "
                     "map FILE");
  command.add_option("--line-width", lineWidth,
                     "line width in pixels for every segment, or off for the file's radii "
                     "(default: 3 px when the plant never sets a width)");
  AddMaxModulesOption(command, maxModules);
}

void PictureOptions::addSceneOptionsTo(CLI::App& command) {
  command.add_option("--background", background,
                     "background colour: #rrggbb, white, black, grey or sky (default white)");
  command.add_flag("--ground", ground, "stand the plant on a ground with a soft contact shadow");
  command.add_option("--light", light, "studio (default) or sun")
      ->check(CLI::IsMember({"studio", "sun"}));
  command.add_flag("--draft", draft, "half size and no antialiasing, for a quick look");
}

ImageSize PictureOptions::imageSize() const {
  const auto parsed = ParseImageSize(size);
  if (!parsed) throw CLI::ValidationError("--size", "expected WxH, e.g. 640x480: " + size);
  if (!draft) return *parsed;
  return {std::max(parsed->width / 2, 1), std::max(parsed->height / 2, 1)};
}

std::optional<View> PictureOptions::chosenView() const {
  return view.empty() ? std::nullopt : ParseView(view);
}

LineWidth PictureOptions::chosenLineWidth() const {
  if (lineWidth.empty()) return {};
  const auto parsed = ParseLineWidth(lineWidth);
  if (!parsed) {
    throw CLI::ValidationError(
        "--line-width", "expected a width in pixels (above 0, at most 1000) or off: " + lineWidth);
  }
  return *parsed;
}

SceneLook PictureOptions::chosenLook() const {
  SceneLook look;
  const auto colour = ParseColour(background);
  if (!colour) {
    throw CLI::ValidationError("--background",
                               "expected #rrggbb, r g b, white, black, grey or sky: " + background);
  }
  look.background = *colour;
  look.ground = ground;
  look.light = light == "sun" ? Light::kSun : Light::kStudio;
  return look;
}

std::optional<Palette> LoadPalette(const PictureOptions& options) {
  std::string error;
  auto palette = ReadPalette(options.palette, error);
  if (!palette) ReportError(error);
  return palette;
}

std::optional<FittedPicture> FitPicture(LSystem& lsystem, std::optional<View> view, ImageSize size,
                                        const LineWidth& width) {
  const std::optional<SceneRangeFit> range = SceneRangeFitOf(lsystem);
  if (!range) return std::nullopt;
  // Whether the plant sets widths is asked of the radii as the turtle drew them.
  const bool defaultWidthOnly = DrawsWithDefaultWidthOnly(lsystem.segments);
  MoveIntoSceneRange(lsystem, *range);
  FittedPicture picture;
  picture.range = *range;
  const Drawing drawing = DrawingOf(lsystem);
  picture.view = view.value_or(DefaultView(drawing));
  const double aspect = static_cast<double>(size.width) / size.height;
  picture.camera = FitPerspective(drawing, picture.view, aspect);
  picture.radius =
      ChosenRadius(width, defaultWidthOnly, PixelSize(drawing, picture.camera, size.height));
  if (picture.radius) {
    SetRadii(lsystem.segments, *picture.radius);
    picture.camera = FitPerspective(drawing, picture.view, aspect);
  }
  return picture;
}

bool ReadPictureOptions(const PictureOptions& options, const DialectFlags& dialect,
                        PictureRequest& request) {
  request.size = options.imageSize();
  request.view = options.chosenView();
  request.steps = options.steps;
  request.maxModules = options.maxModules;
  request.dialect = dialect.choice();
  request.lineWidth = options.chosenLineWidth();
  request.look = options.chosenLook();
  request.antialias = !options.draft;
  const auto palette = LoadPalette(options);
  if (!palette) return false;
  request.look.palette = *palette;
  return true;
}

std::optional<FittedPicture> FitPictureOrReport(LSystem& lsystem, const PictureRequest& request,
                                                const std::string& verb) {
  if (BoundingBox(DrawingOf(lsystem)).empty) {
    ReportError(request.description + " draws nothing to " + verb);
    return std::nullopt;
  }
  auto picture = FitPicture(lsystem, request.view, request.size, request.lineWidth);
  if (!picture) {
    ReportError(request.description + " draws too far out to " + verb + " (its box is not finite)");
  }
  return picture;
}

void FitFrame(LSystem& frame, const FittedPicture& picture) {
  MoveIntoSceneRange(frame, picture.range);
  if (picture.radius) SetRadii(frame.segments, *picture.radius);
}

}  // namespace lsys
