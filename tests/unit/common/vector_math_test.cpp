#include "common/vector_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace lsys {
namespace {

TEST(VectorMath, DotAddsTheComponentProducts) {
  EXPECT_EQ(Dot({1, 2, 3}, {4, 5, 6}), 32.0);
  EXPECT_EQ(Dot({1, 0, 0}, {0, 1, 0}), 0.0);
  EXPECT_EQ(Dot({-1.5, 2, 0.25}, {2, -0.5, 8}), -2.0);
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
    const Vector3 out = Cross(c.a, c.b);
    const std::string input = "(" + std::to_string(c.a.x) + "," + std::to_string(c.a.y) + "," +
                              std::to_string(c.a.z) + ") x (" + std::to_string(c.b.x) + "," +
                              std::to_string(c.b.y) + "," + std::to_string(c.b.z) + ")";
    EXPECT_EQ(out.x, c.expected.x) << input;
    EXPECT_EQ(out.y, c.expected.y) << input;
    EXPECT_EQ(out.z, c.expected.z) << input;
  }
}

TEST(VectorMath, NormalizeMultipliesByTheInverseLength) {
  const Vector3 v = Normalized({3, 4, 0});
  // 3 * (1 / 5) is one step above 0.6 in double; dividing 3 by 5 would give 0.6 itself.
  EXPECT_EQ(v.x, 0.6000000000000001);
  EXPECT_EQ(v.y, 0.8);
  EXPECT_EQ(v.z, 0.0);
}

TEST(VectorMath, NormalizeLeavesTheZeroVectorUnchanged) {
  const Vector3 v = Normalized({0, 0, 0});
  EXPECT_EQ(v.x, 0.0);
  EXPECT_EQ(v.y, 0.0);
  EXPECT_EQ(v.z, 0.0);
  EXPECT_FALSE(std::isnan(v.x) || std::isnan(v.y) || std::isnan(v.z));
}

TEST(VectorMath, MultiplyTakesRowsTimesTheColumnVector) {
  const Matrix3 m{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}};
  const Vector3 r = Multiply(m, {1, -1, 2});
  EXPECT_EQ(r.x, 5.0);
  EXPECT_EQ(r.y, 11.0);
  EXPECT_EQ(r.z, 19.0);
}

TEST(VectorMath, RotationTurnsCounterClockwiseAboutAUnitAxis) {
  const double quarter = std::acos(-1.0) / 2;
  Vector3 r = Multiply(RotationMatrix(quarter, {0, 0, 1}), {1, 0, 0});
  EXPECT_NEAR(r.x, 0.0, 1e-15);
  EXPECT_NEAR(r.y, 1.0, 1e-15);
  EXPECT_NEAR(r.z, 0.0, 1e-15);

  r = Multiply(RotationMatrix(quarter, {1, 0, 0}), {0, 0, 1});
  EXPECT_NEAR(r.x, 0.0, 1e-15);
  EXPECT_NEAR(r.y, -1.0, 1e-15);
  EXPECT_NEAR(r.z, 0.0, 1e-15);
}

TEST(VectorMath, RotationAboutTheZeroAxisIsCosineTimesIdentity) {
  const double t = 0.7;
  const Matrix3 m = RotationMatrix(t, {0, 0, 0});
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
  const Matrix3 m = RotationMatrix(t, {0, 0, 2});
  EXPECT_EQ(m.r2.z, 1.3672523143288817);
  EXPECT_EQ(m.r0.x, 0.8775825618903728);
  EXPECT_EQ(m.r1.y, 0.8775825618903728);
  EXPECT_EQ(m.r0.y, -0.958851077208406);
  EXPECT_EQ(m.r1.x, 0.958851077208406);
  EXPECT_EQ(m.r0.z, 0.0);
  EXPECT_EQ(m.r2.x, 0.0);

  const Vector3 r = Multiply(m, {0, 0, 1});
  EXPECT_EQ(r.z, 1.3672523143288817);  // a rotation would keep the length 1
}

TEST(VectorMath, RotationFollowsTheTableBitForBit) {
  // Axis (0.3, -0.5, 0.7), angle 0.9, each entry evaluated left to right in doubles, e.g.
  // (1 - c) * x * y - z * s.
  const Matrix3 m = RotationMatrix(0.9, {0.3, -0.5, 0.7});
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

TEST(VectorMath, RotationFromAKeptSineAndCosineIsTheSameBits) {
  const Vector3 axis{0.3, -0.5, 0.7};
  for (double angle : {0.9, -0.9, 0.0, 3.141592654, 1e-300, 25.7 * 3.141592654 / 180}) {
    const Matrix3 direct = RotationMatrix(angle, axis);
    const Matrix3 kept = RotationMatrix(SineCosine{std::sin(angle), std::cos(angle)}, axis);
    const Vector3* a[3] = {&direct.r0, &direct.r1, &direct.r2};
    const Vector3* b[3] = {&kept.r0, &kept.r1, &kept.r2};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(a[i]->x, b[i]->x) << angle << " row " << i;
      EXPECT_EQ(a[i]->y, b[i]->y) << angle << " row " << i;
      EXPECT_EQ(a[i]->z, b[i]->z) << angle << " row " << i;
    }
  }
  const Matrix3 none = RotationMatrix(0.0, {1, 0, 0});
  EXPECT_EQ(none.r0.x, 1.0);
  EXPECT_EQ(none.r1.y, 1.0);
  EXPECT_EQ(none.r2.z, 1.0);
  EXPECT_EQ(none.r0.y, 0.0);
  EXPECT_EQ(none.r2.y, 0.0);
}

}  // namespace
}  // namespace lsys
