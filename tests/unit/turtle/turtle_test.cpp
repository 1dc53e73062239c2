#include "turtle/turtle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

const double kPi = std::acos(-1.0);

void ExpectNear(const Vector3& actual, const Vector3& expected, const std::string& what,
                double tolerance = 1e-15) {
  EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
  EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
  EXPECT_NEAR(actual.z, expected.z, tolerance) << what;
}

void ExpectSame(const Vector3& actual, const Vector3& expected, const std::string& what) {
  EXPECT_EQ(actual.x, expected.x) << what;
  EXPECT_EQ(actual.y, expected.y) << what;
  EXPECT_EQ(actual.z, expected.z) << what;
}

// The turtle pointed at (0, 0.6, 0.8): a turn by -asin(0.6) from the start.
Turtle TiltedTowardsY() {
  Turtle turtle;
  turtle.turn(-std::asin(0.6));
  return turtle;
}

TEST(Turtle, StartsAtTheOriginHeadingUp) {
  Turtle turtle;
  ExpectSame(turtle.position(), {0, 0, 0}, "position");
  ExpectSame(turtle.up(), {1, 0, 0}, "up");
  ExpectSame(turtle.heading(), {0, 0, 1}, "heading");
  ExpectSame(turtle.left(), {0, 1, 0}, "left");
  EXPECT_EQ(turtle.width(), 1.0);
  EXPECT_EQ(turtle.depth(), 0);
}

TEST(Turtle, MoveStepsAlongTheHeading) {
  Turtle turtle;
  turtle.move(2);
  ExpectSame(turtle.position(), {0, 0, 2}, "move 2");
  turtle.pitch(kPi / 6);
  turtle.move(2);
  ExpectNear(turtle.position(), {1, 0, 2 + std::sqrt(3.0)}, "pitch 30 degrees, move 2", 1e-14);
  turtle.move(-2);
  ExpectNear(turtle.position(), {0, 0, 2}, "move back", 1e-14);
}

TEST(Turtle, WidthsChangeOnlyWhenAsked) {
  Turtle turtle;
  turtle.setWidth(0.25);
  turtle.resetStartWidth();
  turtle.setWidth(0.3);
  EXPECT_EQ(turtle.width(), 0.3);
  EXPECT_EQ(turtle.startWidth(), 0.25);
  turtle.move(1);
  turtle.turn(1);
  EXPECT_EQ(turtle.startWidth(), 0.25);
  turtle.resetStartWidth();
  EXPECT_EQ(turtle.startWidth(), 0.3);
}

TEST(Turtle, RotationsFromTheStartFrame) {
  struct Case {
    const char* name;
    void (Turtle::*rotate)(double);
    Vector3 up, heading, left;
  };
  for (const double t : {kPi / 2, 0.3, -1.1}) {
    const double s = std::sin(t);
    const double c = std::cos(t);
    const Case cases[] = {
        {"turn", &Turtle::turn, {1, 0, 0}, {0, -s, c}, {0, c, s}},
        {"pitch", &Turtle::pitch, {c, 0, -s}, {s, 0, c}, {0, 1, 0}},
        {"roll", &Turtle::roll, {c, s, 0}, {0, 0, 1}, {-s, c, 0}},
    };
    for (const Case& k : cases) {
      Turtle turtle;
      (turtle.*k.rotate)(t);
      const std::string what = std::string(k.name) + " by " + std::to_string(t);
      ExpectNear(turtle.up(), k.up, what + ": up");
      ExpectNear(turtle.heading(), k.heading, what + ": heading");
      ExpectNear(turtle.left(), k.left, what + ": left");
      ExpectSame(turtle.position(), {0, 0, 0}, what + ": position");
    }
  }
}

TEST(Turtle, TheRotationAxisStaysAsItWas) {
  Turtle turtle;
  turtle.turn(0.4);
  ExpectSame(turtle.up(), {1, 0, 0}, "turn keeps up");
  turtle.roll(0.7);
  const Vector3 heading = turtle.heading();
  turtle.roll(-0.2);
  ExpectSame(turtle.heading(), heading, "roll keeps heading");
  const Vector3 left = turtle.left();
  turtle.pitch(1.3);
  ExpectSame(turtle.left(), left, "pitch keeps left");
}

TEST(Turtle, RepeatedAnglesRotateAsFreshOnes) {
  // More distinct angles than the turtle keeps sines for, each coming back often: every turn
  // must give the bits that the rotation computed afresh gives.
  Turtle turtle;
  Vector3 heading = turtle.heading();
  Vector3 left = turtle.left();
  const Vector3 up = turtle.up();
  for (int i = 0; i < 2000; ++i) {
    const double angle = (i * 7 % 41 - 20) * 0.05;
    turtle.turn(angle);
    const Matrix3 m = RotationMatrix(angle, up);
    heading = Normalized(Multiply(m, heading));
    left = Normalized(Multiply(m, left));
    ASSERT_EQ(turtle.heading().x, heading.x) << i;
    ASSERT_EQ(turtle.heading().y, heading.y) << i;
    ASSERT_EQ(turtle.left().x, left.x) << i;
    ASSERT_EQ(turtle.left().z, left.z) << i;
  }
}

TEST(Turtle, TurnAroundUsesTheTenDigitHalfTurn) {
  Turtle turtle;
  turtle.turnAround();
  // sin(3.141592654) is about -4.1e-10, so the heading is off (0,0,-1) by that much.
  EXPECT_EQ(turtle.heading().x, 0.0);
  EXPECT_EQ(turtle.heading().y, -std::sin(3.141592654));
  EXPECT_NEAR(turtle.heading().y, 4.102068570306623e-10, 1e-22);
  EXPECT_EQ(turtle.heading().z, -1.0);
  EXPECT_NEAR(turtle.left().x, 0.0, 1e-20);
  EXPECT_EQ(turtle.left().y, -1.0);
  EXPECT_NEAR(turtle.left().z, -4.102068570306623e-10, 1e-22);
  ExpectSame(turtle.up(), {1, 0, 0}, "up");
}

TEST(Turtle, TurnAroundDoesNotNormalise) {
  // After levelOut the up vector has length 0.6: the half turn about it keeps left at length
  // 0.6, where a turn would make it a unit vector.
  Turtle turtle = TiltedTowardsY();
  turtle.levelOut();
  turtle.turnAround();
  ExpectNear(turtle.left(), {0.6, 0, 0}, "left after turnAround", 1e-9);
  ExpectNear(turtle.heading(), {0, -0.6, -0.8}, "heading after turnAround", 1e-9);

  Turtle turned = TiltedTowardsY();
  turned.levelOut();
  turned.turn(3.141592654);
  ExpectNear(turned.left(), {1, 0, 0}, "left after a normalising turn", 1e-9);
}

TEST(Turtle, LevelOutMakesLeftHorizontal) {
  Turtle turtle = TiltedTowardsY();
  ExpectNear(turtle.heading(), {0, 0.6, 0.8}, "heading before");
  turtle.levelOut();
  ExpectNear(turtle.left(), {-0.6, 0, 0}, "left");
  ExpectNear(turtle.up(), {0, -0.48, 0.36}, "up");
  ExpectNear(turtle.heading(), {0, 0.6, 0.8}, "heading after");

  Turtle pitched;
  pitched.pitch(0.5);
  pitched.levelOut();
  const double s = std::sin(0.5);
  const double c = std::cos(0.5);
  ExpectNear(pitched.left(), {0, s, 0}, "left after pitch");
  ExpectNear(pitched.up(), {-c * s, 0, s * s}, "up after pitch");

  // Rotations normalise again: the zero-length problem of levelOut stays away.
  pitched.turn(0);
  ExpectNear(pitched.left(), {0, 1, 0}, "left normalised by a turn", 1e-12);
}

TEST(Turtle, LevelOutWithAVerticalHeadingKeepsTheFrame) {
  Turtle start;
  start.levelOut();
  ExpectSame(start.up(), {1, 0, 0}, "start up");
  ExpectSame(start.left(), {0, 1, 0}, "start left");
  ExpectSame(start.heading(), {0, 0, 1}, "start heading");

  Turtle rolled;
  rolled.roll(0.3);
  const Vector3 up = rolled.up();
  const Vector3 left = rolled.left();
  rolled.levelOut();
  ExpectSame(rolled.up(), up, "rolled up");
  ExpectSame(rolled.left(), left, "rolled left");
  rolled.turn(0.5);
  EXPECT_FALSE(std::isnan(rolled.heading().x) || std::isnan(rolled.heading().y) ||
               std::isnan(rolled.heading().z));
}

TEST(Turtle, PopRestoresWhatPushSaved) {
  Turtle turtle;
  turtle.setWidth(0.1);
  turtle.resetStartWidth();
  turtle.push();
  turtle.move(2);
  turtle.setWidth(0.3);
  turtle.resetStartWidth();
  turtle.turn(0.4);
  turtle.pitch(0.2);
  turtle.roll(0.9);
  EXPECT_EQ(turtle.depth(), 1);
  EXPECT_TRUE(turtle.pop());
  EXPECT_EQ(turtle.depth(), 0);
  ExpectSame(turtle.position(), {0, 0, 0}, "position");
  ExpectSame(turtle.up(), {1, 0, 0}, "up");
  ExpectSame(turtle.heading(), {0, 0, 1}, "heading");
  ExpectSame(turtle.left(), {0, 1, 0}, "left");
  EXPECT_EQ(turtle.width(), 0.1);
  EXPECT_EQ(turtle.startWidth(), 0.1);
}

TEST(Turtle, PopOnAnEmptyStackFailsAndChangesNothing) {
  Turtle fresh;
  EXPECT_FALSE(fresh.pop());
  ExpectSame(fresh.position(), {0, 0, 0}, "fresh position");
  ExpectSame(fresh.heading(), {0, 0, 1}, "fresh heading");
  EXPECT_EQ(fresh.depth(), 0);

  Turtle moved;
  moved.push();
  EXPECT_TRUE(moved.pop());
  moved.move(3);
  moved.turn(0.2);
  moved.setWidth(0.7);
  moved.resetStartWidth();
  moved.setWidth(0.4);
  const Vector3 heading = moved.heading();
  const Vector3 left = moved.left();
  EXPECT_FALSE(moved.pop());
  EXPECT_FALSE(moved.pop());
  ExpectSame(moved.position(), {0, 0, 3}, "moved position");
  ExpectSame(moved.heading(), heading, "moved heading");
  ExpectSame(moved.left(), left, "moved left");
  ExpectSame(moved.up(), {1, 0, 0}, "moved up");
  EXPECT_EQ(moved.width(), 0.4);
  EXPECT_EQ(moved.startWidth(), 0.7);
  EXPECT_EQ(moved.depth(), 0);
}

TEST(Turtle, MoreThanTenThousandStatesAreRestoredInOrder) {
  constexpr int kStates = 12345;
  Turtle turtle;
  std::vector<Vector3> headings;
  std::vector<Vector3> positions;
  int wrong = 0;
  int firstWrong = -1;
  std::int32_t deepest = 0;
  const std::string printed = CaptureOutput([&] {
    for (int i = 0; i < kStates; ++i) {
      const double level = static_cast<double>(i);
      turtle.setWidth(level);
      turtle.resetStartWidth();
      turtle.setWidth(-level);
      headings.push_back(turtle.heading());
      positions.push_back(turtle.position());
      turtle.push();
      turtle.move(1);
      turtle.turn(0.001);
    }
    deepest = turtle.depth();
    for (int i = kStates - 1; i >= 0; --i) {
      if (!turtle.pop() && wrong++ == 0) firstWrong = i;
      const double level = static_cast<double>(i);
      const Vector3& heading = headings[static_cast<std::size_t>(i)];
      const Vector3& position = positions[static_cast<std::size_t>(i)];
      const bool same = turtle.y() == position.y && turtle.z() == position.z &&
                        turtle.width() == -level && turtle.startWidth() == level &&
                        turtle.heading().y == heading.y && turtle.heading().z == heading.z;
      if (!same && wrong++ == 0) firstWrong = i;
    }
  });
  EXPECT_EQ(printed, "");
  EXPECT_EQ(deepest, kStates);
  EXPECT_EQ(wrong, 0) << "first wrong state at depth " << firstWrong;
  EXPECT_EQ(turtle.depth(), 0);
  ExpectSame(turtle.heading(), {0, 0, 1}, "heading at the bottom");
  EXPECT_FALSE(turtle.pop());
}

}  // namespace
}  // namespace lsys
