#include "turtle/tropism.h"

#include <cmath>

#include "turtle/turtle.h"

namespace lsys {

Vector3 TurtleFrameVector(const std::array<double, 3>& picture) {
  return {-picture[2], picture[0], picture[1]};
}

void BendTowards(Turtle& turtle, const Vector3& tropism, double elasticity) {
  const Vector3 axis = Cross(turtle.heading(), tropism);
  const double length = std::sqrt(Dot(axis, axis));
  if (!(length >= 1e-9)) return;
  const double angle = elasticity * length;
  if (!std::isfinite(angle)) return;  // an elasticity of inf or NaN from the word bends nothing
  const Vector3 unit{axis.x / length, axis.y / length, axis.z / length};
  turtle.rotateFrame(angle, unit);
}

}  // namespace lsys
