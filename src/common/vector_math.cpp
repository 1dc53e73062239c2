#include "common/vector_math.h"

#include <cmath>

namespace lsys {

Matrix3 RotationMatrix(double angle, const Vector3& axis) {
  return RotationMatrix(SineCosine{std::sin(angle), std::cos(angle)}, axis);
}

}  // namespace lsys
