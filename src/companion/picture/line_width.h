// Widths that read at any size: a plant that never sets a width is drawn with the turtle's
// default radius, which is invisible on a plant hundreds of units tall and a blob on a tiny
// one. The companion's pictures give such a plant lines a few pixels wide instead, measured
// in the fitted picture, as cpfg and lparser draw them.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "companion/picture/drawing.h"
#include "companion/picture/view.h"

namespace lsys {

// --line-width: the width of a drawn line in pixels of the picture, or off (the file's radii).
// Without the option, plants that never set a width get kDefaultLineWidth and the others keep
// their radii; with a width in pixels, every segment gets it.
struct LineWidth {
  enum class Mode { kAutomatic, kPixels, kOff };
  Mode mode = Mode::kAutomatic;
  double pixels = 3.0;
};
inline constexpr double kDefaultLineWidth = 3.0;  // a radius of 1.5 pixels

// "off", or a number of pixels above 0 and at most 1000; nothing for any other text.
std::optional<LineWidth> ParseLineWidth(std::string_view text);

// Whether every drawn segment has the turtle's default radius at both ends, as when a plant
// never sets a width (an empty drawing counts as one).
bool DrawsWithDefaultWidthOnly(std::span<const Segment> segments);

// The radius (scene units) that line width gives the segments, or nothing when they keep
// theirs. pixelSize is the length in scene units of one pixel of the fitted picture.
std::optional<float> ChosenRadius(const LineWidth& width, std::span<const Segment> segments,
                                  double pixelSize);
// The same for segments of which it is known whether they draw with the default width only
// (DrawsWithDefaultWidthOnly, asked before their radii were scaled).
std::optional<float> ChosenRadius(const LineWidth& width, bool defaultWidthOnly, double pixelSize);

// Gives both ends of every segment the radius.
void SetRadii(std::span<Segment> segments, float radius);

// The scene length of one pixel at the middle of the drawing's box, in a picture of
// heightPixels rows taken by the camera (which has a vertical field of view of
// kVerticalFieldOfView), or, for an orthographic fit, 1 / scale.
double PixelSize(const Drawing& drawing, const PerspectiveCamera& camera, int heightPixels);
inline double PixelSize(const OrthographicFit& fit) { return 1.0 / fit.scale; }

}  // namespace lsys
