#include "turtle/make_poly_liste.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/lsystem.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;
using testing_support::MakeModules;

// sin 45 and cos 45 degrees (with the ten-digit pi) both narrow to this float.
constexpr float kDiagonal = 0.70710677f;
// The half turn 3.141592654 overshoots pi: its sine is -4.1e-10 instead of 0.
const float kHalfTurnSlip = static_cast<float>(4.102068570306623e-10);

// An axiom line reads unsigned numbers only; this word builder also takes signed values, as a
// rewrite pass may produce them: "F(2)G(-5)" gives F with 2 and G with -5.
std::unique_ptr<ModuleString> SignedWord(const std::string& text) {
  auto word = std::make_unique<ModuleString>();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') {
      std::size_t used = 0;
      do {
        ++i;
        word->appendParameter(std::stof(text.substr(i), &used));
        i += used;
      } while (text[i] == ',');
    } else {
      word->appendModule(text[i]);
    }
  }
  return word;
}

struct Interpretation {
  std::unique_ptr<LSystem> lsystem = std::make_unique<LSystem>();
  std::string printed;
  std::vector<Segment> segments;
  std::vector<const Polygon*> polygons;
};

Interpretation Interpret(std::unique_ptr<ModuleString> word, float gamma = 45.0f,
                         PictureReading reading = {}) {
  Interpretation run;
  run.lsystem->gamma = gamma;
  run.lsystem->pictureReading = reading;
  run.lsystem->setAxiom(std::move(word));
  run.printed = CaptureOutput([&] { MakePolyListe(*run.lsystem); });
  run.segments = run.lsystem->segments;
  for (const auto& polygon : run.lsystem->polygons) run.polygons.push_back(polygon.get());
  return run;
}

Interpretation Interpret(const std::string& axiom) { return Interpret(MakeModules(axiom)); }

void ExpectPoint(const Vector3f& actual, const Vector3f& expected, const std::string& what) {
  EXPECT_EQ(actual.x, expected.x) << what;
  EXPECT_EQ(actual.y, expected.y) << what;
  EXPECT_EQ(actual.z, expected.z) << what;
}

void ExpectVertices(const Polygon& polygon, const std::vector<Vector3f>& expected,
                    const std::string& what) {
  const std::vector<Vector3f>& actual = polygon.vertices;
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    ExpectPoint(actual[i], expected[i], what + ", vertex " + std::to_string(i));
  }
}

TEST(MakePolyListe, AnEmptyWordDrawsNothing) {
  const Interpretation run = Interpret("");
  EXPECT_EQ(run.printed, "MakePolyListe\n");
  EXPECT_TRUE(run.segments.empty());
  EXPECT_TRUE(run.polygons.empty());
  EXPECT_EQ(run.lsystem->viewDistance, 0.0f);
  EXPECT_EQ(run.lsystem->viewHeight, 0.0f);
}

TEST(MakePolyListe, OneStepIsOneSegmentOfTheDefaultWidth) {
  const Interpretation run = Interpret("F");
  EXPECT_EQ(run.printed, "MakePolyListe\n");
  ASSERT_EQ(run.segments.size(), 1u);
  ExpectPoint(run.segments[0].start, {0, 0, 0}, "start");
  ExpectPoint(run.segments[0].end, {0, 0, 1}, "end");
  EXPECT_EQ(run.segments[0].startRadius, 0.1f);
  EXPECT_EQ(run.segments[0].endRadius, 0.1f);
  // F counts only the height it starts from.
  EXPECT_EQ(run.lsystem->viewDistance, 0.0f);
  EXPECT_EQ(run.lsystem->viewHeight, 0.0f);
}

TEST(MakePolyListe, FramingFollowsTheHeightsEachCommandCounts) {
  struct Case {
    const char* word;
    float viewDistance, viewHeight;
  };
  const Case cases[] = {
      {"FF", 1.2f, 0.6f},
      {"FFF", 2.4f, 1.2f},
      {"G(2)F", 2.4f, 1.2f},
      {"G(2)", 0.0f, 0.0f},            // G counts the height before its move
      {"F(2)", 0.0f, 0.0f},            // so does F
      {"f(2)", 0.0f, 0.0f},            // f outside a polygon counts nothing
      {"{f(2)", 2.4f, 1.2f},           // f inside a polygon counts the height after its move
      {"G(3){.", 0.0f, 0.0f},          // '.' counts nothing
      {"{.f.f}f(5)", 2.4f, 1.2f},      // the polygon is closed again
      {"F(2)F(-5)F", 6.0f, 0.0f},      // heights 0, 2, -3
      {"G(2)G(-5)", 2.4f, 1.2f},       // the -3 is never counted
      {"{f(2)f(-5)", 6.0f, 0.0f},      // heights 2, -3
      {"|F(2)F", 2.4f, -0.79999995f},  // heights 0, -2; 1.2f - 2
      // maxZ 0.1f and minZ -0.7f: the float difference 0.8f times 1.2 gives 0.96000004f; a
      // difference taken in double would give 0.9599999785f.
      {"[G(-0.7)G]G(0.1)G", 0.96000004f, -0.21999997f},
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(SignedWord(c.word));
    EXPECT_EQ(run.lsystem->viewDistance, c.viewDistance) << c.word;
    EXPECT_EQ(run.lsystem->viewHeight, c.viewHeight) << c.word;
  }
}

TEST(MakePolyListe, ThePositionIsKeptInDoubles) {
  const Interpretation run = Interpret("F(0.1)F(0.2)F(0.4)");
  ASSERT_EQ(run.segments.size(), 3u);
  // 0.1f + 0.2f + 0.4f added in double narrow to 0.7f; added in float they would give
  // 0.70000005f.
  EXPECT_EQ(run.segments[2].end.z, 0.7f);
  EXPECT_EQ(run.segments[2].start.z, 0.3f);
}

TEST(MakePolyListe, StepsAndRotationsMoveTheEndPoint) {
  struct Case {
    const char* word;
    Vector3f end;
  };
  const Case cases[] = {
      {"F(2)", {0, 0, 2}},
      {"F(2,5)", {0, 0, 2}},  // a second parameter plays no part
      {"G(2)F", {0, 0, 3}},
      {"+F", {0, kDiagonal, kDiagonal}},
      {"-F", {0, -kDiagonal, kDiagonal}},
      {"&F", {kDiagonal, 0, kDiagonal}},
      {"^F", {-kDiagonal, 0, kDiagonal}},
      {"\\F", {0, 0, 1}},
      {"/F", {0, 0, 1}},
      {"+$F", {0, kDiagonal, kDiagonal}},
      {"|F", {0, kHalfTurnSlip, -1}},
      {"|(3)F", {0, kHalfTurnSlip, -1}},
      {"+(90)F(2)", {0, 2, -kHalfTurnSlip}},
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(c.word);
    ASSERT_EQ(run.segments.size(), 1u) << c.word;
    ExpectPoint(run.segments.back().end, c.end, c.word);
  }
}

TEST(MakePolyListe, RollChangesTheAxisOfTheLaterPitch) {
  // A roll by 90 degrees makes left point along -x: the pitch then tips the heading towards +y.
  const Interpretation rolled = Interpret("\\(90)&F");
  ASSERT_EQ(rolled.segments.size(), 1u);
  EXPECT_NEAR(rolled.segments[0].end.x, 0.0f, 1e-9f);
  EXPECT_EQ(rolled.segments[0].end.y, kDiagonal);
  EXPECT_EQ(rolled.segments[0].end.z, kDiagonal);

  const Interpretation back = Interpret("/(90)&F");
  ASSERT_EQ(back.segments.size(), 1u);
  EXPECT_EQ(back.segments[0].end.y, -kDiagonal);
}

TEST(MakePolyListe, TheDefaultAngleComesFromGamma) {
  const Interpretation run = Interpret(MakeModules("+F-(60)F"), 30.0f);
  ASSERT_EQ(run.segments.size(), 2u);
  ExpectPoint(run.segments[0].end, {0, 0.5f, 0.86602539f}, "+F with gamma 30");
  // -(60) turns back by 60 degrees: the second step points 30 degrees the other way.
  EXPECT_NEAR(run.segments[1].end.y, 0.0f, 1e-6f);
  EXPECT_NEAR(run.segments[1].end.z, 1.7320508f, 1e-6f);
}

TEST(MakePolyListe, WidthsTaperFromTheWidthBeforeTheBang) {
  struct Radii {
    float start, end;
  };
  struct Case {
    const char* word;
    std::vector<Radii> radii;
  };
  const Case cases[] = {
      {"!(0.5)FF", {{0.1f, 0.5f}, {0.5f, 0.5f}}},
      {"!(0.5)!(0.3)F", {{0.5f, 0.3f}}},
      {"!(0.5)F!F", {{0.1f, 0.5f}, {0.5f, 0.1f}}},
      {"F!(0.5)", {{0.1f, 0.1f}}},
      {"!(0.5)[F]F", {{0.1f, 0.5f}, {0.1f, 0.5f}}},  // ']' brings the start width back
      {"[!(0.5)]F", {{0.1f, 0.1f}}},
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(c.word);
    ASSERT_EQ(run.segments.size(), c.radii.size()) << c.word;
    for (std::size_t i = 0; i < c.radii.size(); ++i) {
      EXPECT_EQ(run.segments[i].startRadius, c.radii[i].start) << c.word << " segment " << i;
      EXPECT_EQ(run.segments[i].endRadius, c.radii[i].end) << c.word << " segment " << i;
    }
  }
}

TEST(MakePolyListe, PolygonsTakeTheColourIndexInForceAtTheirBrace) {
  struct Case {
    const char* word;
    std::uint8_t colour;
  };
  const Case cases[] = {
      {"?(3){.f.f}", 2},      {"?(0.5){.f.f}", 255},
      {"?(0.5)?{.f.f}", 0},  // 255 + 1 wraps to 0
      {"?(3)??{.f.f}", 4},    {"?(300){.f.f}", 43},
      {"?(257){.f.f}", 0},    {"?(1)?(2.9){.f.f}", 1},
      {"?(-2.7){.f.f}", 253}, {"?(5)[?(9)]{.f.f}", 8},  // '[' and ']' leave the colour index alone
      {"?(3){.f.?(7)f}", 2},
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(SignedWord(c.word));
    ASSERT_EQ(run.polygons.size(), 1u) << c.word;
    EXPECT_EQ(run.polygons[0]->colour, c.colour) << c.word;
  }
}

TEST(MakePolyListe, EachSegmentRecordsTheColourIndexInForceWhenDrawn) {
  struct Case {
    const char* word;
    std::vector<std::uint8_t> colours;
  };
  const std::vector<Case> cases = {
      {"FF", {0, 0}},           {"F?F?(3)F", {0, 1, 2}}, {"?(0.5)F?F", {255, 0}},  // modulo 256
      {"?(5)[?(9)F]F", {8, 8}},  // '[' and ']' leave the colour index alone
      {"{?.f?f.}F", {2}},        // polygons do not reset it
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(SignedWord(c.word));
    ASSERT_EQ(run.lsystem->segments.size(), c.colours.size()) << c.word;
    EXPECT_EQ(run.lsystem->segmentColours, c.colours) << c.word;
  }
}

// How the companion reads the word for its pictures: a branch keeps its colour to itself, and
// a width set before a branch's first segment gives that segment both ends.
TEST(MakePolyListe, PictureReadingKeepsColoursInBranchesAndStartsBranchesAtTheirWidth) {
  struct Radii {
    float start, end;
  };
  struct Case {
    const char* word;
    std::vector<std::uint8_t> colours;
    std::vector<Radii> radii;
    std::uint8_t polygonColour = 0;
  };
  const std::vector<Case> cases = {
      {"?(5)[?(9)F]F", {8, 4}, {{0.1f, 0.1f}, {0.1f, 0.1f}}},
      {"[?F[?F]F]F", {1, 2, 1, 0}, {{0.1f, 0.1f}, {0.1f, 0.1f}, {0.1f, 0.1f}, {0.1f, 0.1f}}},
      {"!(0.5)FF", {0, 0}, {{0.5f, 0.5f}, {0.5f, 0.5f}}},
      {"F[!(0.3)F]F", {0, 0, 0}, {{0.1f, 0.1f}, {0.3f, 0.3f}, {0.1f, 0.1f}}},
      // after a segment, a width tapers as in the scene
      {"F!(0.5)F", {0, 0}, {{0.1f, 0.1f}, {0.1f, 0.5f}}},
      {"[F!(0.3)F]", {0, 0}, {{0.1f, 0.1f}, {0.1f, 0.3f}}},
      // ']' returns to the parent, whose next segment tapers from its own width
      {"F[F]!(0.4)F", {0, 0, 0}, {{0.1f, 0.1f}, {0.1f, 0.1f}, {0.1f, 0.4f}}},
      // an empty branch leaves the parent drawn, or undrawn
      {"F[+]!(0.4)F", {0, 0}, {{0.1f, 0.1f}, {0.1f, 0.4f}}},
      {"[+]!(0.4)F", {0}, {{0.4f, 0.4f}}},
      {"[?{.f.f}]{.f.f}", {}, {}, 0},
      {"?[]]F", {1}, {{0.1f, 0.1f}}},  // an unmatched ']' changes nothing
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(SignedWord(c.word), 45.0f, PictureReading::ForPictures());
    EXPECT_EQ(run.lsystem->segmentColours, c.colours) << c.word;
    ASSERT_EQ(run.segments.size(), c.radii.size()) << c.word;
    for (std::size_t i = 0; i < c.radii.size(); ++i) {
      EXPECT_EQ(run.segments[i].startRadius, c.radii[i].start) << c.word << " segment " << i;
      EXPECT_EQ(run.segments[i].endRadius, c.radii[i].end) << c.word << " segment " << i;
    }
    if (!run.polygons.empty()) {
      EXPECT_EQ(run.polygons.back()->colour, c.polygonColour) << c.word;
    }
  }
}

TEST(MakePolyListe, NonFiniteHeightsDoNotFrameTheCamera) {
  struct Case {
    const char* word;
    float viewDistance;
    float viewHeight;
  };
  // The heights before each G: an infinite one would put the camera at infinity, and NaN
  // (inf - inf) compares false anyway. The finite heights around them still count.
  const std::vector<Case> cases = {
      {"G(3)G(inf)G(1)", 3.6f, 1.8f},
      {"G(-2)G(-inf)G(0)", 2.4f, 2.4f / 2 + -2.0f},
      {"G(inf)G(-inf)G(0)G(1)", 0.0f, 0.0f},
      {"{.f(2)f(inf)f(1)}", 2.4f, 1.2f},  // polygon vertices count their new height
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(SignedWord(c.word));
    EXPECT_EQ(run.lsystem->viewDistance, c.viewDistance) << c.word;
    EXPECT_EQ(run.lsystem->viewHeight, c.viewHeight) << c.word;
  }
}

TEST(MakePolyListe, PolygonVerticesComeFromSmallFAndDot) {
  const Interpretation run = Interpret("{.f.f}");
  EXPECT_TRUE(run.segments.empty());
  ASSERT_EQ(run.polygons.size(), 1u);
  ExpectVertices(*run.polygons[0], {{0, 0, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 2}}, "{.f.f}");
  EXPECT_EQ(run.lsystem->viewDistance, 2.4f);
  EXPECT_EQ(run.lsystem->viewHeight, 1.2f);
}

TEST(MakePolyListe, PolygonOutlines) {
  struct Case {
    const char* word;
    std::size_t segments;
    std::vector<std::vector<Vector3f>> polygons;
  };
  const Case cases[] = {
      {"{.f}", 0, {}},                                     // two vertices do not close
      {"{.f}.}", 0, {{{0, 0, 0}, {0, 0, 1}, {0, 0, 1}}}},  // it stayed open
      {"{.f}f", 0, {}},                                    // open at the end: never appended
      {"}", 0, {}},
      {"}{.f.f}", 0, {{{0, 0, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 2}}}},
      {"{.f{f.f.}", 0, {{{0, 0, 2}, {0, 0, 2}, {0, 0, 3}, {0, 0, 3}}}},  // the first is dropped
      {"{.F.F.}", 2, {{{0, 0, 0}, {0, 0, 1}, {0, 0, 2}}}},               // F adds no vertex
      {"{.F.}", 1, {}},
      {"{.f.f}{.f", 0, {{{0, 0, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 2}}}},
      {"{.[f]f.}", 0, {{{0, 0, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}}}},
      {"f{.}f.", 0, {}},
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(c.word);
    EXPECT_EQ(run.segments.size(), c.segments) << c.word;
    ASSERT_EQ(run.polygons.size(), c.polygons.size()) << c.word;
    for (std::size_t i = 0; i < c.polygons.size(); ++i) {
      ExpectVertices(*run.polygons[i], c.polygons[i], c.word);
    }
  }
}

TEST(MakePolyListe, ARepeatedClosingBraceAppendsThePolygonAgain) {
  for (const char* word : {"{.f.f}}", "{.f.f}f}"}) {
    const Interpretation run = Interpret(word);
    ASSERT_EQ(run.polygons.size(), 2u) << word;
    EXPECT_EQ(run.polygons[0], run.polygons[1]) << word;
    ExpectVertices(*run.polygons[0], {{0, 0, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 2}}, word);
  }
}

TEST(MakePolyListe, PopWithoutPushReportsAndGoesOn) {
  struct Case {
    const char* word;
    const char* printed;
  };
  const Case cases[] = {
      {"]F", "MakePolyListe\nERROR::STACKUNDERFLOW 0\n"},
      {"[]]F", "MakePolyListe\nERROR::STACKUNDERFLOW 0\n"},
      {"]]F", "MakePolyListe\nERROR::STACKUNDERFLOW 0\nERROR::STACKUNDERFLOW 0\n"},
  };
  for (const Case& c : cases) {
    const Interpretation run = Interpret(c.word);
    EXPECT_EQ(run.printed, c.printed) << c.word;
    ASSERT_EQ(run.segments.size(), 1u) << c.word;
    ExpectPoint(run.segments[0].start, {0, 0, 0}, c.word);
    ExpectPoint(run.segments[0].end, {0, 0, 1}, c.word);
  }
}

TEST(MakePolyListe, UnknownSymbolsAreSkipped) {
  const Interpretation run = Interpret("AF(2)B(3)x 1F#");
  EXPECT_EQ(run.printed, "MakePolyListe\n");
  ASSERT_EQ(run.segments.size(), 2u);
  ExpectPoint(run.segments[1].start, {0, 0, 2}, "second start");
  ExpectPoint(run.segments[1].end, {0, 0, 3}, "second end");
  EXPECT_TRUE(run.polygons.empty());
}

TEST(MakePolyListe, ABranchReturnsToWhereItStarted) {
  const Interpretation run = Interpret("F[+F]F");
  ASSERT_EQ(run.segments.size(), 3u);
  ExpectPoint(run.segments[1].start, {0, 0, 1}, "branch start");
  ExpectPoint(run.segments[1].end, {0, kDiagonal, 1.7071068f}, "branch end");
  ExpectPoint(run.segments[2].start, {0, 0, 1}, "third start");
  ExpectPoint(run.segments[2].end, {0, 0, 2}, "third end");
}

TEST(MakePolyListe, MoreThanTenThousandNestedBranches) {
  constexpr int kDepth = 10500;
  std::string word;
  for (int i = 0; i < kDepth; ++i) word += "F[";
  word += std::string(kDepth, ']') + "F";
  const Interpretation run = Interpret(word);
  EXPECT_EQ(run.printed, "MakePolyListe\n");
  ASSERT_EQ(run.segments.size(), static_cast<std::size_t>(kDepth) + 1);
  ExpectPoint(run.segments[kDepth - 1].end, {0, 0, static_cast<float>(kDepth)}, "deepest");
  ExpectPoint(run.segments[kDepth].start, {0, 0, 1}, "after the last ']'");
  ExpectPoint(run.segments[kDepth].end, {0, 0, 2}, "after the last ']'");
}

TEST(MakePolyListe, ASecondRunRefillsTheLists) {
  auto lsystem = std::make_unique<LSystem>();
  lsystem->setAxiom(MakeModules("F{.f.f}"));
  const std::string printed = CaptureOutput([&] {
    MakePolyListe(*lsystem);
    MakePolyListe(*lsystem);
  });
  EXPECT_EQ(printed, "MakePolyListe\nMakePolyListe\n");
  EXPECT_EQ(lsystem->segments.size(), 1u);
  EXPECT_EQ(lsystem->segmentColours.size(), 1u);
  EXPECT_EQ(lsystem->polygons.size(), 1u);
}

}  // namespace
}  // namespace lsys
