// Thin lines as flat strips. A segment only a few pixels wide in the fitted picture shows no
// roundness, yet as a cone and a joint sphere it costs POV-Ray two primitives to read and
// bound and, at Fig. 1.24a's scale, hundreds of thousands of shaded and shadowed hits. Such a
// segment becomes a quad that faces the camera, as wide as the segment, and the quads of one
// palette entry become one mesh2, which POV-Ray stores compactly and bounds with its own tree:
//   - a straight run of segments with one radius is one quad;
//   - where a run meets another segment, its quad reaches past the end by pi / 4 of its
//     radius, so joints are covered without spheres (a square cap with the area of a round
//     one: at this width the difference does not show); tips and bases end flat, as cones do;
//   - a run that stays within kHiddenDetailPixels of a kept run of the same entry, and is no
//     wider, is left out: it could change no pixel by more than that sliver. At Fig. 1.24a's
//     8 steps most runs are a single segment a fifteenth of a pixel long.
// Thick segments (close-ups, trunks) stay cones and spheres, which look round.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "companion/picture/drawing.h"
#include "companion/picture/view.h"

namespace lsys {

// How large a scene length looks in the picture: the camera and the picture's height in
// pixels.
struct PictureScale {
  PerspectiveCamera camera;
  int heightPixels = 1;

  // The scene length of one pixel at the depth of p (positive even behind the camera).
  double pixelSizeAt(Point3 p) const;
};

// A segment whose radii are both at most this many pixels is drawn as a strip.
inline constexpr double kThinLinePixels = 2.5;
// A run closer than this many pixels to a kept run of its entry is left out.
inline constexpr double kHiddenDetailPixels = 0.25;

// Whether the drawn segment is thin enough in the picture to be a strip.
bool IsThinSegment(const Segment& segment, const PictureScale& scale);

// A quad of two triangles, (0, 1, 2) and (1, 3, 2): corners 0 and 1 across the start of the
// run, 2 and 3 across its end (each pair reaching a little past a joint), 2 * radius apart
// and square to the run as seen.
struct StripQuad {
  std::array<Point3, 4> corners;
};

// Per segment of the drawing, whether another drawn segment meets it: kJoinedAtStart when one
// ends where it starts, kJoinedAtEnd when one starts where it ends.
inline constexpr std::uint8_t kJoinedAtStart = 1;
inline constexpr std::uint8_t kJoinedAtEnd = 2;
std::vector<std::uint8_t> JoinsOf(const Drawing& drawing);

// The strips of the thin segments of one palette entry: thin holds their indices into
// drawing.segments in drawing order, all drawn and thin; joins is JoinsOf(drawing). No quad is
// degenerate once its corners are rounded to float and printed.
std::vector<StripQuad> PlanStrips(const Drawing& drawing, std::span<const std::size_t> thin,
                                  std::span<const std::uint8_t> joins, const PictureScale& scale);

}  // namespace lsys
