// The dialect's turtle: tropism before every move, '_' elasticity saved by '[', '\'' as '?'.
#include "turtle/tropism.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "app/lsystem.h"
#include "support/test_support.h"
#include "turtle/make_poly_liste.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;
using testing_support::MakeModules;

std::unique_ptr<LSystem> Drawn(const std::string& word, std::array<double, 3> tropism,
                               double elasticity) {
  auto lsystem = std::make_unique<LSystem>();
  lsystem->dialect.enabled = true;
  lsystem->dialect.tropism = tropism;
  lsystem->dialect.elasticity = elasticity;
  lsystem->setAxiom(MakeModules(word));
  CaptureOutput([&] { MakePolyListe(*lsystem); });
  return lsystem;
}

// The book's formula worked out on its own: the heading H turns towards T by the angle
// e * |H x T| in the plane of H and T.
Vector3 BentHeading(Vector3 h, Vector3 t, double e) {
  const Vector3 axis = Cross(h, t);
  const double alpha = e * std::sqrt(Dot(axis, axis));
  const double along = Dot(t, h);
  Vector3 towards{t.x - along * h.x, t.y - along * h.y, t.z - along * h.z};
  const double length = std::sqrt(Dot(towards, towards));
  towards = {towards.x / length, towards.y / length, towards.z / length};
  return {std::cos(alpha) * h.x + std::sin(alpha) * towards.x,
          std::cos(alpha) * h.y + std::sin(alpha) * towards.y,
          std::cos(alpha) * h.z + std::sin(alpha) * towards.z};
}

TEST(Tropism, OneSegmentBendsAsTheFormulaSays) {
  struct Case {
    std::array<double, 3> picture;  // as written after tropism=
    double elasticity;
  };
  const Case cases[] = {
      {{1, 0, 0}, 0.25},     {{0, 0, 1}, 0.4},
      {{0.6, -0.8, 0}, 0.3}, {{0, -2, 1}, 0.1},  // not of unit length: its length scales the angle
      {{1, 1, 1}, -0.2},                         // a negative elasticity turns away
  };
  const Vector3 up{0, 0, 1};  // the turtle starts heading up its z axis
  for (const Case& c : cases) {
    auto lsystem = Drawn("F(2)", c.picture, c.elasticity);
    ASSERT_EQ(lsystem->segments.size(), 1u);
    // The picture's (a, b, c) is the turtle's (-c, a, b).
    const Vector3 t{-c.picture[2], c.picture[0], c.picture[1]};
    const Vector3 h = BentHeading(up, t, c.elasticity);
    const Segment& segment = lsystem->segments[0];
    EXPECT_NEAR(segment.end.x, 2 * h.x, 1e-6) << c.picture[0] << c.picture[1] << c.picture[2];
    EXPECT_NEAR(segment.end.y, 2 * h.y, 1e-6) << c.picture[0] << c.picture[1] << c.picture[2];
    EXPECT_NEAR(segment.end.z, 2 * h.z, 1e-6) << c.picture[0] << c.picture[1] << c.picture[2];
  }
}

TEST(Tropism, GravityPullsDownInThePicturesFrame) {
  // tropism=0,-1,0 is the picture's down: a heading along the turtle's +y tips towards -z.
  auto lsystem = Drawn("-(90)F", {0, -1, 0}, 0.5);
  ASSERT_EQ(lsystem->segments.size(), 1u);
  EXPECT_LT(lsystem->segments[0].end.z, -0.4);
  // A heading along the tropism does not bend: straight down stays straight down.
  auto down = Drawn("&(180)F", {0, -1, 0}, 0.5);
  EXPECT_NEAR(down->segments[0].end.z, -1.0, 1e-6);
  EXPECT_NEAR(down->segments[0].end.x, 0.0, 1e-6);
}

TEST(Tropism, ElasticityIsSetByUnderscoreAndSavedByBrackets) {
  // The branch bends with elasticity 0.5, the stem after it is straight again (the file's 0).
  auto lsystem = Drawn("F[_(0.5)-(90)F]F", {0, -1, 0}, 0.0);
  ASSERT_EQ(lsystem->segments.size(), 3u);
  EXPECT_LT(lsystem->segments[1].end.z, 1.0 - 0.4);
  EXPECT_EQ(lsystem->segments[2].end.z, 2.0f);
  // '_' without a value brings back the file's elasticity.
  auto reset = Drawn("_(0)-(90)F_F", {0, -1, 0}, 0.5);
  EXPECT_NEAR(reset->segments[0].end.z, reset->segments[0].start.z, 1e-6);
  EXPECT_LT(reset->segments[1].end.z, reset->segments[1].start.z);
}

TEST(Tropism, FAndGBendButOnlyFDraws) {
  auto lsystem = Drawn("-(90)G(1)F(1)", {0, -1, 0}, 0.5);
  ASSERT_EQ(lsystem->segments.size(), 1u);
  // Two bends by then: the segment starts lower than G alone would leave it and falls further.
  EXPECT_LT(lsystem->segments[0].start.z, 0.0f);
  EXPECT_LT(lsystem->segments[0].end.z, lsystem->segments[0].start.z);
}

TEST(DialectTurtle, QuoteIsTheColourIncrement) {
  auto lsystem = Drawn("F'F'(5)F", {0, 0, 0}, 0.0);
  ASSERT_EQ(lsystem->segmentColours.size(), 3u);
  EXPECT_EQ(lsystem->segmentColours[1], 1);
  EXPECT_EQ(lsystem->segmentColours[2], 4);
}

TEST(DialectTurtle, OffTheDialectNothingChanges) {
  auto lsystem = std::make_unique<LSystem>();
  lsystem->dialect.tropism = {0, -1, 0};
  lsystem->dialect.elasticity = 0.5;  // not enabled: ignored
  lsystem->setAxiom(MakeModules("-(90)F'F_(1)F"));
  CaptureOutput([&] { MakePolyListe(*lsystem); });
  ASSERT_EQ(lsystem->segments.size(), 3u);
  EXPECT_NEAR(lsystem->segments[2].end.z, 0.0f, 1e-6);
  EXPECT_EQ(lsystem->segmentColours[1], 0);
}

}  // namespace
}  // namespace lsys
