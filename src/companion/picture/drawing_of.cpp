#include "app/lsystem.h"
#include "companion/picture/drawing.h"

namespace lsys {

Drawing DrawingOf(const LSystem& lsystem) {
  Drawing drawing;
  drawing.segments = lsystem.segments;
  drawing.segmentColours = lsystem.segmentColours;
  drawing.leaves.reserve(lsystem.polygons.size());
  for (const auto& polygon : lsystem.polygons) {
    drawing.leaves.push_back({polygon->vertices, polygon->colour});
  }
  return drawing;
}

}  // namespace lsys
