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

// (a.x*b.x + a.y*b.y) + a.z*b.z
double dot(const Vector3& a, const Vector3& b);

// Writes a x b into the output.
void cross(const Vector3& a, const Vector3& b, Vector3& out);

// Scales the vector to unit length by multiplying with 1 / length. A vector of length 0 has no
// direction and is left unchanged.
void normalize(Vector3& v);

// M * v with v as a column vector.
Vector3 multiply(const Matrix3& m, const Vector3& v);

// Fills the shared rotation matrix for the angle (radians) about the axis, which is used as
// given, not normalised. For a unit axis a positive angle turns counter-clockwise seen from the
// axis tip. Callers read the matrix right after building it.
void rotationMatrix(double angle, const Vector3& axis);

// The matrix built by the latest rotationMatrix call.
const Matrix3& currentRotation();

}  // namespace lsys
