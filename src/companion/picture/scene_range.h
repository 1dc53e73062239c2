// A render scene whose numbers POV-Ray can read at any drawing scale. The scene prints six
// decimals and POV-Ray loses pictures far from the origin or very large (10^10 units across
// renders blank), so before the scene is written the drawing is moved and scaled: its box is
// centred on the origin and its largest half-extent becomes kSceneRange. Six decimals then
// resolve a billionth of the drawing, finer than the floats the turtle drew with. The picture
// is the same, since the camera is fitted to the drawing. When even the thickest stem would
// be far thinner than a pixel (kInvisibleRadius: a 10^10-unit drawing with the file's
// widths), every stem is drawn kThinnestRadius thick at least, so that the picture shows them
// instead of coming out blank.
#pragma once

#include <optional>

#include "common/vector_math.h"

namespace lsys {

class LSystem;

inline constexpr double kSceneRange = 1000.0;
inline constexpr double kInvisibleRadius = kSceneRange / 5000.0;  // about 1/15 px at 640x480
inline constexpr double kThinnestRadius = kSceneRange / 250.0;    // about 1.3 px at 640x480

// How one drawing is moved into the range; an animation moves every frame as its last.
struct SceneRangeFit {
  Vector3 centre;         // the box's centre, in the turtle's coordinates
  double scale = 1.0;     // scene units per turtle unit
  double thinnest = 0.0;  // the least radius a stem is given, in scene units (0: none)
};

// The fit of the record's drawing; nothing when it draws nothing or its box is not finite.
std::optional<SceneRangeFit> SceneRangeFitOf(const LSystem& lsystem);

// Moves and scales the turtle's drawn segments (with their radii) and polygons in the record.
void MoveIntoSceneRange(LSystem& lsystem, const SceneRangeFit& fit);

}  // namespace lsys
