#include "turtle/vector_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace lsys {
namespace {

TEST(VectorMath, DotAddsTheComponentProducts) {
  EXPECT_EQ(dot({1, 2, 3}, {4, 5, 6}), 32.0);
  EXPECT_EQ(dot({1, 0, 0}, {0, 1, 0}), 0.0);
  EXPECT_EQ(dot({-1.5, 2, 0.25}, {2, -0.5, 8}), -2.0);
}

TEST(VectorMath, CrossIsRightHanded) {
  struct Case {
    Vector3 a, b, expected;
  };
  const Case cases[] = {
      {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
      {{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}},
      {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
      {{1, 2, 3}, {4, 5, 6}, {-3, 6, -3}},
  };
  for (const Case& c : cases) {
    Vector3 out{9, 9, 9};
    cross(c.a, c.b, out);
    const std::string input = "(" + std::to_string(c.a.x) + "," + std::to_string(c.a.y) + "," +
                              std::to_string(c.a.z) + ") x (" + std::to_string(c.b.x) + "," +
                              std::to_string(c.b.y) + "," + std::to_string(c.b.z) + ")";
    EXPECT_EQ(out.x, c.expected.x) << input;
    EXPECT_EQ(out.y, c.expected.y) << input;
    EXPECT_EQ(out.z, c.expected.z) << input;
  }
}

TEST(VectorMath, NormalizeMultipliesByTheInverseLength) {
  Vector3 v{3, 4, 0};
  normalize(v);
  // 3 * (1 / 5) is one step above 0.6 in double; dividing 3 by 5 would give 0.6 itself.
  EXPECT_EQ(v.x, 0.6000000000000001);
  EXPECT_EQ(v.y, 0.8);
  EXPECT_EQ(v.z, 0.0);
}

TEST(VectorMath, NormalizeLeavesTheZeroVectorUnchanged) {
  Vector3 v{0, 0, 0};
  normalize(v);
  EXPECT_EQ(v.x, 0.0);
  EXPECT_EQ(v.y, 0.0);
  EXPECT_EQ(v.z, 0.0);
  EXPECT_FALSE(std::isnan(v.x) || std::isnan(v.y) || std::isnan(v.z));
}

TEST(VectorMath, MultiplyTakesRowsTimesTheColumnVector) {
  const Matrix3 m{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}};
  const Vector3 r = multiply(m, {1, -1, 2});
  EXPECT_EQ(r.x, 5.0);
  EXPECT_EQ(r.y, 11.0);
  EXPECT_EQ(r.z, 19.0);
}

TEST(VectorMath, RotationTurnsCounterClockwiseAboutAUnitAxis) {
  const double quarter = std::acos(-1.0) / 2;
  rotationMatrix(quarter, {0, 0, 1});
  Vector3 r = multiply(currentRotation(), {1, 0, 0});
  EXPECT_NEAR(r.x, 0.0, 1e-15);
  EXPECT_NEAR(r.y, 1.0, 1e-15);
  EXPECT_NEAR(r.z, 0.0, 1e-15);

  rotationMatrix(quarter, {1, 0, 0});
  r = multiply(currentRotation(), {0, 0, 1});
  EXPECT_NEAR(r.x, 0.0, 1e-15);
  EXPECT_NEAR(r.y, -1.0, 1e-15);
  EXPECT_NEAR(r.z, 0.0, 1e-15);
}

TEST(VectorMath, RotationAboutTheZeroAxisIsCosineTimesIdentity) {
  const double t = 0.7;
  rotationMatrix(t, {0, 0, 0});
  const Matrix3& m = currentRotation();
  const double c = std::cos(t);
  EXPECT_EQ(m.r0.x, c);
  EXPECT_EQ(m.r0.y, 0.0);
  EXPECT_EQ(m.r0.z, 0.0);
  EXPECT_EQ(m.r1.x, 0.0);
  EXPECT_EQ(m.r1.y, c);
  EXPECT_EQ(m.r1.z, 0.0);
  EXPECT_EQ(m.r2.x, 0.0);
  EXPECT_EQ(m.r2.y, 0.0);
  EXPECT_EQ(m.r2.z, c);
}

TEST(VectorMath, RotationUsesAnAxisOfLengthTwoUnchanged) {
  // The axis is not normalised: about (0,0,2) the table gives z^2 + (1 - z^2) c = 4 - 3c on the
  // diagonal and -2s / +2s beside it, which is no rotation.
  const double t = 0.5;
  rotationMatrix(t, {0, 0, 2});
  const Matrix3& m = currentRotation();
  EXPECT_EQ(m.r2.z, 1.3672523143288817);
  EXPECT_EQ(m.r0.x, 0.8775825618903728);
  EXPECT_EQ(m.r1.y, 0.8775825618903728);
  EXPECT_EQ(m.r0.y, -0.958851077208406);
  EXPECT_EQ(m.r1.x, 0.958851077208406);
  EXPECT_EQ(m.r0.z, 0.0);
  EXPECT_EQ(m.r2.x, 0.0);

  const Vector3 r = multiply(m, {0, 0, 1});
  EXPECT_EQ(r.z, 1.3672523143288817);  // a rotation would keep the length 1
}

TEST(VectorMath, RotationFollowsTheTableBitForBit) {
  // Axis (0.3, -0.5, 0.7), angle 0.9, each entry evaluated left to right in doubles, e.g.
  // (1 - c) * x * y - z * s.
  rotationMatrix(0.9, {0.3, -0.5, 0.7});
  const Matrix3& m = currentRotation();
  // clang-format off
  const double expected[3][3] = {
      {0.6556650711263046, -0.6050873414986387,  -0.3122015481505812},
      {0.491570331979838,   0.7162074762029983,  -0.3674345839935125},
      {0.4711253614769022,  0.10256156178297757,  0.8070210838180387},
  };
  // clang-format on
  const Vector3* rows[3] = {&m.r0, &m.r1, &m.r2};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(rows[i]->x, expected[i][0]) << "row " << i;
    EXPECT_EQ(rows[i]->y, expected[i][1]) << "row " << i;
    EXPECT_EQ(rows[i]->z, expected[i][2]) << "row " << i;
  }
}

TEST(VectorMath, EachRotationOverwritesTheSharedMatrix) {
  rotationMatrix(0.9, {0.3, -0.5, 0.7});
  rotationMatrix(0.0, {1, 0, 0});
  const Matrix3& m = currentRotation();
  EXPECT_EQ(m.r0.x, 1.0);
  EXPECT_EQ(m.r1.y, 1.0);
  EXPECT_EQ(m.r2.z, 1.0);
  EXPECT_EQ(m.r0.y, 0.0);
  EXPECT_EQ(m.r2.y, 0.0);
}

}  // namespace
}  // namespace lsys
