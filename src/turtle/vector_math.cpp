#include "turtle/vector_math.h"

#include <cmath>

namespace lsys {
namespace {

Matrix3 rotation;

}  // namespace

double dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

void cross(const Vector3& a, const Vector3& b, Vector3& out) {
  const Vector3 result{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  out = result;
}

void normalize(Vector3& v) {
  const double squared = v.x * v.x + v.y * v.y + v.z * v.z;
  if (squared == 0.0) return;
  const double s = 1.0 / std::sqrt(squared);
  v.x *= s;
  v.y *= s;
  v.z *= s;
}

Vector3 multiply(const Matrix3& m, const Vector3& v) {
  return Vector3{dot(m.r0, v), dot(m.r1, v), dot(m.r2, v)};
}

void rotationMatrix(double angle, const Vector3& axis) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double x = axis.x;
  const double y = axis.y;
  const double z = axis.z;
  // clang-format off
  rotation.r0 = {x * x + (1 - x * x) * c,  (1 - c) * x * y - z * s,  (1 - c) * x * z + y * s};
  rotation.r1 = {(1 - c) * x * y + z * s,  y * y + (1 - y * y) * c,  (1 - c) * y * z - x * s};
  rotation.r2 = {(1 - c) * x * z - y * s,  (1 - c) * y * z + x * s,  z * z + (1 - z * z) * c};
  // clang-format on
}

const Matrix3& currentRotation() { return rotation; }

}  // namespace lsys
