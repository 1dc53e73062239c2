// The options that `lsys render`, `lsys export` and `lsys animate` share: picture size, view,
// step count, palette and line width; and the scene's look, for the POV-Ray pictures (render and
// animate): background, ground, light and draft quality. Read from the command line and
// checked once it is parsed.
#pragma once

#include <optional>
#include <string>

#include "app/lsystem.h"
#include "companion/commands/command_support.h"
#include "companion/commands/dialect_flags.h"
#include "companion/growth/grow.h"
#include "companion/picture/line_width.h"
#include "companion/picture/palette.h"
#include "companion/picture/render_scene.h"
#include "companion/picture/scene_range.h"
#include "companion/picture/strip_plan.h"
#include "companion/picture/view.h"

namespace CLI {
class App;
}

namespace lsys {

struct PictureOptions {
  std::string size = "640x480";
  std::string view;
  std::optional<int> steps;
  std::string palette = "natural";
  std::string lineWidth;
  std::string background = "white";
  bool ground = false;
  std::string light = "studio";
  bool draft = false;
  std::size_t maxModules = kDefaultModuleBudget;

  // Adds --size, --view, --steps, --palette, --line-width and --max-modules to the command; the
  // object must outlive the parsing.
  void addTo(CLI::App& command);
  // Adds --background, --ground, --light and --draft.
  void addSceneOptionsTo(CLI::App& command);

  // The parsed --size (halved by --draft); throws CLI::ValidationError for a text that is not
  // WxH in range.
  ImageSize imageSize() const;
  // The chosen --view; nothing when the drawing's default view is wanted.
  std::optional<View> chosenView() const;
  // The parsed --line-width; throws CLI::ValidationError.
  LineWidth chosenLineWidth() const;
  // The look of the scene without its palette; throws CLI::ValidationError for a background
  // that is not a colour.
  SceneLook chosenLook() const;
};

// The palette --palette names; nothing, after a message on standard error, when its file
// cannot be read or is malformed.
std::optional<Palette> LoadPalette(const PictureOptions& options);

// What render, animate and export read from their command lines alike.
struct PictureRequest {
  std::string description;
  ImageSize size;
  std::optional<View> view;                       // empty: DefaultView of the drawing
  std::optional<int> steps;                       // empty: the description's own
  std::size_t maxModules = kDefaultModuleBudget;  // --max-modules
  DialectChoice dialect;
  LineWidth lineWidth;
  SceneLook look;  // export reads only its palette
  bool antialias = true;
  bool quiet = false;

  GrowthRequest growth() const { return {description, steps, maxModules, dialect}; }
};

// Fills the request's shared part from the parsed options. False, after a message on standard
// error, when the palette cannot be loaded; throws CLI::ValidationError for a malformed option.
bool ReadPictureOptions(const PictureOptions& options, const DialectFlags& dialect,
                        PictureRequest& request);

// A POV-Ray picture fitted to a grown record: how its drawing was moved into the scene's
// range, its view, its camera and the radius that the line width gave every segment (nothing
// when they keep the file's).
struct FittedPicture {
  SceneRangeFit range;
  View view = View::kFront;
  PerspectiveCamera camera;
  std::optional<float> radius;
};

// Moves the record's non-empty drawing into the scene's range (scene_range.h), fits the
// camera to it for the view (the drawing's default when not given) and the picture size, gives
// the segments the radius the line width asks for (see line_width.h), measured in that
// picture, and fits the camera again around the new radii. Nothing, with the record untouched,
// when the drawing's box is not finite.
std::optional<FittedPicture> FitPicture(LSystem& lsystem, std::optional<View> view, ImageSize size,
                                        const LineWidth& width);

// FitPicture for a command that makes a picture of the description (`verb` says what it makes:
// "render", "export"); nothing, after a message on standard error, when the drawing is empty
// or its box is not finite.
std::optional<FittedPicture> FitPictureOrReport(LSystem& lsystem, const PictureRequest& request,
                                                const std::string& verb);

// Moves a frame of an animation into the range and gives it the radius of the picture fitted
// to the animation's last generation.
void FitFrame(LSystem& frame, const FittedPicture& picture);

// How large the scene looks in the fitted picture of that size: what tells thin lines.
inline PictureScale ScaleOf(const FittedPicture& picture, ImageSize size) {
  return {picture.camera, size.height};
}

}  // namespace lsys
