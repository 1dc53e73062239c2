#include "companion/picture/strip_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>

#include "companion/picture/point_key.h"

namespace lsys {
namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
// How far (pixels) a joint of a straight run may stray from the run's line: float rounding
// of the turtle's points, not a bend anyone could see.
constexpr double kStraightPixels = 0.02;

// How far, in radii, a quad reaches past a joint: a square cap this long covers the area of a
// round one (pi / 4), and closes the outer corner of a bend of up to 76 degrees.
constexpr double kCapReach = 0.7853981633974483;

// A straight run of thin segments: from the start of the first to the end of the last.
struct Run {
  Point3 start;
  Point3 end;
  float startRadius = 0.0f;
  float endRadius = 0.0f;
  bool joinedAtStart = false;
  bool joinedAtEnd = false;
  std::size_t cover = kNone;  // the kept run that hides this one, if it is left out
};

bool hasOneRadius(const Segment& s) { return s.startRadius == s.endRadius; }

// Whether after carries on from before as one quad could draw both: one radius throughout and
// the same direction.
bool extendsRun(const Segment& before, const Segment& after) {
  if (!hasOneRadius(before) || !hasOneRadius(after) || before.endRadius != after.startRadius) {
    return false;
  }
  const Point3 a = Normalized(ToScene(before.end) - ToScene(before.start));
  const Point3 b = Normalized(ToScene(after.end) - ToScene(after.start));
  return Dot(a, b) > 1.0 - 1e-6;
}

double distanceToLine(Point3 p, Point3 origin, Point3 unit) {
  const Point3 offset = p - origin;
  const Point3 across = offset - unit * Dot(offset, unit);
  return std::sqrt(Dot(across, across));
}

double distanceToSegment(Point3 p, Point3 a, Point3 b) {
  const Point3 ab = b - a;
  const double squared = Dot(ab, ab);
  const double t = squared > 0.0 ? std::clamp(Dot(p - a, ab) / squared, 0.0, 1.0) : 0.0;
  const Point3 off = p - (a + ab * t);
  return std::sqrt(Dot(off, off));
}

Point3 roundedToFloat(Point3 p) {
  return {static_cast<double>(static_cast<float>(p.x)),
          static_cast<double>(static_cast<float>(p.y)),
          static_cast<double>(static_cast<float>(p.z))};
}

// Whether the triangle keeps an area as the scene prints it (six decimals), which POV-Ray
// would otherwise drop or complain about.
bool hasArea(Point3 a, Point3 b, Point3 c) {
  const auto printed = [](Point3 p) {
    return Point3{std::round(p.x * 1e6), std::round(p.y * 1e6), std::round(p.z * 1e6)};
  };
  const Point3 normal = Cross(printed(b) - printed(a), printed(c) - printed(a));
  return Dot(normal, normal) > 0.0;
}

// The quad of the run, facing the camera; nothing when rounding collapses it.
std::optional<StripQuad> quadOf(const Run& run, const PictureScale& scale) {
  const PerspectiveCamera& camera = scale.camera;
  const Point3 toCamera = Normalized(camera.location - (run.start + run.end) * 0.5);
  const Point3 length = run.end - run.start;
  // The run's direction as seen: across the line of sight. A run seen end-on is a dot, drawn
  // as a square along the picture's rows.
  Point3 along = length - toCamera * Dot(length, toCamera);
  if (Dot(along, along) <= 1e-12 * Dot(length, length)) along = camera.right;
  along = Normalized(along);
  const Point3 side = Normalized(Cross(along, toCamera));
  const double r0 = run.startRadius;
  const double r1 = run.endRadius;
  const Point3 from = run.start - along * (run.joinedAtStart ? r0 * kCapReach : 0.0);
  const Point3 to = run.end + along * (run.joinedAtEnd ? r1 * kCapReach : 0.0);
  StripQuad quad{{roundedToFloat(from + side * r0), roundedToFloat(from - side * r0),
                  roundedToFloat(to + side * r1), roundedToFloat(to - side * r1)}};
  const auto& c = quad.corners;
  if (!hasArea(c[0], c[1], c[2]) || !hasArea(c[1], c[3], c[2])) return std::nullopt;
  return quad;
}

}  // namespace

double PictureScale::pixelSizeAt(Point3 p) const {
  const double depth = std::abs(Dot(p - camera.location, Normalized(camera.direction)));
  const double height = std::sqrt(Dot(camera.up, camera.up)) * std::max(depth, 1e-9);
  return height / std::max(heightPixels, 1);
}

bool IsThinSegment(const Segment& segment, const PictureScale& scale) {
  const double limit = kThinLinePixels;
  return segment.startRadius <= limit * scale.pixelSizeAt(ToScene(segment.start)) &&
         segment.endRadius <= limit * scale.pixelSizeAt(ToScene(segment.end));
}

std::vector<std::uint8_t> JoinsOf(const Drawing& drawing) {
  std::unordered_map<PointKey, std::uint8_t, PointKeyHash> at;
  at.reserve(2 * drawing.segments.size());
  for (const Segment& segment : drawing.segments) {
    if (!IsDrawnSegment(segment)) continue;
    at[KeyOf(segment.start)] |= kJoinedAtEnd;  // a segment ending here meets this one
    at[KeyOf(segment.end)] |= kJoinedAtStart;  // a segment starting here meets this one
  }
  std::vector<std::uint8_t> joins(drawing.segments.size(), 0);
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    const Segment& segment = drawing.segments[i];
    if (!IsDrawnSegment(segment)) continue;
    joins[i] =
        (at[KeyOf(segment.start)] & kJoinedAtStart) | (at[KeyOf(segment.end)] & kJoinedAtEnd);
  }
  return joins;
}

std::vector<StripQuad> PlanStrips(const Drawing& drawing, std::span<const std::size_t> thin,
                                  std::span<const std::uint8_t> joins, const PictureScale& scale) {
  const auto segmentAt = [&](std::size_t k) -> const Segment& { return drawing.segments[thin[k]]; };
  // The first of these segments that ends at each point: where a run goes on or a branch
  // starts. Only one drawn earlier counts, so chains and parents come before their followers.
  std::unordered_map<PointKey, std::size_t, PointKeyHash> endingAt;
  endingAt.reserve(thin.size());
  for (std::size_t k = 0; k < thin.size(); ++k) endingAt.emplace(KeyOf(segmentAt(k).end), k);
  const auto before = [&](std::size_t k) {
    const auto found = endingAt.find(KeyOf(segmentAt(k).start));
    return found == endingAt.end() || found->second >= k ? kNone : found->second;
  };

  // Chain each segment to the one that carries it straight on; a run starts at every
  // segment that carries nothing on.
  std::vector<std::size_t> next(thin.size(), kNone);
  std::vector<bool> continuing(thin.size(), false);
  for (std::size_t k = 0; k < thin.size(); ++k) {
    const std::size_t previous = before(k);
    if (previous != kNone && next[previous] == kNone &&
        extendsRun(segmentAt(previous), segmentAt(k))) {
      next[previous] = k;
      continuing[k] = true;
    }
  }

  // Runs in the order of their first segments, so a branch comes after the run it starts on.
  std::vector<Run> runs;
  std::vector<std::size_t> runOf(thin.size(), kNone);
  std::vector<std::size_t> firstOf;
  for (std::size_t k = 0; k < thin.size(); ++k) {
    if (continuing[k]) continue;
    std::size_t member = k;
    while (member != kNone) {
      const Segment& first = segmentAt(member);
      Run run{ToScene(first.start), ToScene(first.end), first.startRadius, first.endRadius};
      run.joinedAtStart = (joins[thin[member]] & kJoinedAtStart) != 0;
      std::size_t last = member;
      const Point3 direction = Normalized(run.end - run.start);
      const double straight = kStraightPixels * scale.pixelSizeAt(run.start);
      firstOf.push_back(member);
      runOf[member] = runs.size();
      member = next[member];
      // A long chain of nearly straight joints may still bend as a whole: it goes on while
      // every joint stays on the first segment's line.
      while (member != kNone &&
             distanceToLine(ToScene(segmentAt(member).end), run.start, direction) <= straight) {
        run.end = ToScene(segmentAt(member).end);
        run.endRadius = segmentAt(member).endRadius;
        runOf[member] = runs.size();
        last = member;
        member = next[member];
      }
      run.joinedAtEnd = (joins[thin[last]] & kJoinedAtEnd) != 0;
      runs.push_back(run);
    }
  }

  std::vector<StripQuad> quads;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    Run& run = runs[i];
    const std::size_t parentSegment = before(firstOf[i]);
    if (parentSegment != kNone && runOf[parentSegment] != i) {
      const Run& parent = runs[runOf[parentSegment]];
      const std::size_t cover = parent.cover == kNone ? runOf[parentSegment] : parent.cover;
      const Run& kept = runs[cover];
      const double slack = kHiddenDetailPixels * scale.pixelSizeAt(run.start);
      // The distance to a segment is convex along the run, so both ends within the slack put
      // the whole run, at its radius, inside the kept run widened by the slack.
      if (std::max(run.startRadius, run.endRadius) <= std::min(kept.startRadius, kept.endRadius) &&
          distanceToSegment(run.start, kept.start, kept.end) <= slack &&
          distanceToSegment(run.end, kept.start, kept.end) <= slack) {
        run.cover = cover;
        continue;
      }
    }
    if (const auto quad = quadOf(run, scale)) quads.push_back(*quad);
  }
  return quads;
}

}  // namespace lsys
