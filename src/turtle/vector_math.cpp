#include "turtle/vector_math.h"

#include <cmath>

namespace lsys {

double dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 normalize(const Vector3& v) {
  const double squared = v.x * v.x + v.y * v.y + v.z * v.z;
  if (squared == 0.0) return v;
  const double s = 1.0 / std::sqrt(squared);
  return {v.x * s, v.y * s, v.z * s};
}

Vector3 multiply(const Matrix3& m, const Vector3& v) {
  return Vector3{dot(m.r0, v), dot(m.r1, v), dot(m.r2, v)};
}

Matrix3 rotationMatrix(double angle, const Vector3& axis) {
  return rotationMatrix(SineCosine{std::sin(angle), std::cos(angle)}, axis);
}

Matrix3 rotationMatrix(const SineCosine& angle, const Vector3& axis) {
  const double c = angle.cosine;
  const double s = angle.sine;
  const double x = axis.x;
  const double y = axis.y;
  const double z = axis.z;
  // clang-format off
  return {{x * x + (1 - x * x) * c,  (1 - c) * x * y - z * s,  (1 - c) * x * z + y * s},
          {(1 - c) * x * y + z * s,  y * y + (1 - y * y) * c,  (1 - c) * y * z - x * s},
          {(1 - c) * x * z - y * s,  (1 - c) * y * z + x * s,  z * z + (1 - z * z) * c}};
  // clang-format on
}

}  // namespace lsys
