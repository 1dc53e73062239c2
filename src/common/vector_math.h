// The vector arithmetic of the whole program, in one place:
//   - Vec3<T>: three coordinates. Vector3f (float) is how primitives are stored; Vector3
//     (double) is what the turtle computes with, and what the companion's picture code uses
//     for scene points (Point3 is the same type);
//   - the double functions the turtle's exact results rest on. Every formula is evaluated left
//     to right as written, so results are the same bytes on every build; the small ones are
//     inline, since the turtle calls them several times per module.
#pragma once

#include <cmath>

namespace lsys {

template <typename T>
struct Vec3 {
  T x{};
  T y{};
  T z{};
};

using Vector3f = Vec3<float>;
using Vector3 = Vec3<double>;
using Point3 = Vector3;

// Three rows; entry (i, j) is column j of row i.
struct Matrix3 {
  Vector3 r0;
  Vector3 r1;
  Vector3 r2;
};

// The sine and the cosine of one angle.
struct SineCosine {
  double sine = 0.0;
  double cosine = 1.0;
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vector3 operator-(const Vector3& a, const Vector3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vector3 operator*(const Vector3& a, double s) { return {a.x * s, a.y * s, a.z * s}; }

// (a.x*b.x + a.y*b.y) + a.z*b.z
inline double Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// a x b
inline Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The vector scaled to unit length by multiplying with 1 / length. A vector of length 0 has no
// direction and comes back unchanged.
inline Vector3 Normalized(const Vector3& v) {
  const double squared = v.x * v.x + v.y * v.y + v.z * v.z;
  if (squared == 0.0) return v;
  const double s = 1.0 / std::sqrt(squared);
  return {v.x * s, v.y * s, v.z * s};
}

// M * v with v as a column vector.
inline Vector3 Multiply(const Matrix3& m, const Vector3& v) {
  return Vector3{Dot(m.r0, v), Dot(m.r1, v), Dot(m.r2, v)};
}

// The rotation by the angle (radians) about the axis, which is used as given, not normalised.
// For a unit axis a positive angle turns counter-clockwise seen from the axis tip.
Matrix3 RotationMatrix(double angle, const Vector3& axis);

// The same rotation from the angle's sine and cosine, for callers that keep them.
inline Matrix3 RotationMatrix(const SineCosine& angle, const Vector3& axis) {
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
