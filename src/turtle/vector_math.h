// Double-precision vector and matrix arithmetic under the turtle. Every formula is evaluated
// left to right as written, so results are the same bytes on every build.
#pragma once

namespace lsys {

struct Vector3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

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

// (a.x*b.x + a.y*b.y) + a.z*b.z
double dot(const Vector3& a, const Vector3& b);

// a x b
Vector3 cross(const Vector3& a, const Vector3& b);

// The vector scaled to unit length by multiplying with 1 / length. A vector of length 0 has no
// direction and comes back unchanged.
Vector3 normalize(const Vector3& v);

// M * v with v as a column vector.
Vector3 multiply(const Matrix3& m, const Vector3& v);

// The rotation by the angle (radians) about the axis, which is used as given, not normalised.
// For a unit axis a positive angle turns counter-clockwise seen from the axis tip.
Matrix3 rotationMatrix(double angle, const Vector3& axis);

// The same rotation from the angle's sine and cosine, for callers that keep them.
Matrix3 rotationMatrix(const SineCosine& angle, const Vector3& axis);

}  // namespace lsys
