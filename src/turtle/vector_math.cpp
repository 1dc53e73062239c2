#include "turtle/vector_math.h"

#include <cmath>

namespace lsys {

Matrix3 rotationMatrix(double angle, const Vector3& axis) {
  return rotationMatrix(SineCosine{std::sin(angle), std::cos(angle)}, axis);
}

}  // namespace lsys
