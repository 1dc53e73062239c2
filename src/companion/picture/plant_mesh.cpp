#include "companion/picture/plant_mesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "companion/picture/palette.h"

namespace lsys {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A ring of a tube is found again by its centre and radius, bit for bit as the turtle left them.
struct RingKey {
  std::array<std::uint32_t, 4> bits;
  bool operator==(const RingKey& other) const { return bits == other.bits; }
};

RingKey ringKey(const Vector3f& centre, float radius) {
  RingKey key{};
  const float values[4] = {centre.x, centre.y, centre.z, radius};
  std::memcpy(key.bits.data(), values, sizeof values);
  return key;
}

struct RingKeyHash {
  std::size_t operator()(const RingKey& key) const {
    std::uint64_t hash = 1469598103934665603ull;
    for (std::uint32_t word : key.bits) hash = (hash ^ word) * 1099511628211ull;
    return static_cast<std::size_t>(hash ^ (hash >> 29));
  }
};

// An end ring left open for the tube that continues it: its first vertex, the direction of
// that vertex from the centre (which the continuing tube carries on so that it does not twist),
// and what closes it should no tube take it after all.
struct OpenRing {
  std::uint32_t first = 0;
  Point3 across;
  std::vector<std::uint32_t>* group = nullptr;
};

// Any unit direction perpendicular to the unit axis; preferred when it is not near parallel.
Point3 perpendicular(Point3 axis, Point3 preferred) {
  const Point3 projected = preferred - axis * Dot(preferred, axis);
  if (Dot(projected, projected) > 1e-6) return Normalized(projected);
  const Point3 helper = std::fabs(axis.y) < 0.9 ? Point3{0, 1, 0} : Point3{1, 0, 0};
  return Normalized(Cross(axis, helper));
}

// The triangles of each palette entry of one part.
using Groups = std::vector<std::vector<std::uint32_t>>;

class MeshBuilder {
 public:
  explicit MeshBuilder(PlantMesh& mesh) : mesh_(mesh) {}

  std::uint32_t vertex(Point3 position, Point3 normal) {
    mesh_.vertices.push_back({{static_cast<float>(position.x), static_cast<float>(position.y),
                               static_cast<float>(position.z)},
                              {static_cast<float>(normal.x), static_cast<float>(normal.y),
                               static_cast<float>(normal.z)}});
    return static_cast<std::uint32_t>(mesh_.vertices.size() - 1);
  }

  // Adds the triangle unless its stored corners span no area.
  void triangle(std::vector<std::uint32_t>& group, std::uint32_t a, std::uint32_t b,
                std::uint32_t c) {
    const Point3 pa = at(a), pb = at(b), pc = at(c);
    const Point3 ab = pb - pa, ac = pc - pa;
    const Point3 normal = Cross(ab, ac);
    const double scale = std::max(Dot(ab, ab), Dot(ac, ac));
    if (scale > 0.0 && Dot(normal, normal) > 1e-18 * scale * scale) {
      group.insert(group.end(), {a, b, c});
    }
  }

 private:
  Point3 at(std::uint32_t index) const {
    const float* p = mesh_.vertices[index].position;
    return {p[0], p[1], p[2]};
  }
  PlantMesh& mesh_;
};

// The vertices of a ring around centre in the plane across the unit axis, counter-clockwise
// seen from the axis' head, the first one in direction across; normals lean towards the axis'
// head by the tube's slope (cosine and sine of the lean).
std::uint32_t addRing(MeshBuilder& builder, Point3 centre, Point3 axis, Point3 across,
                      double radius, double leanCos, double leanSin) {
  const Point3 side = Cross(axis, across);
  std::uint32_t first = 0;
  for (int i = 0; i < kStemSides; ++i) {
    const double angle = 2 * kPi * i / kStemSides;
    const Point3 radial = across * std::cos(angle) + side * std::sin(angle);
    const std::uint32_t index =
        builder.vertex(centre + radial * radius, radial * leanCos + axis * leanSin);
    if (i == 0) first = index;
  }
  return first;
}

// The caps: fans over a ring, facing back along the axis at a start and forward at an end.
void capStart(MeshBuilder& builder, std::vector<std::uint32_t>& group, std::uint32_t first) {
  for (int k = 1; k + 1 < kStemSides; ++k) {
    builder.triangle(group, first, first + static_cast<std::uint32_t>(k + 1),
                     first + static_cast<std::uint32_t>(k));
  }
}
void capEnd(MeshBuilder& builder, std::vector<std::uint32_t>& group, std::uint32_t first) {
  for (int k = 1; k + 1 < kStemSides; ++k) {
    builder.triangle(group, first, first + static_cast<std::uint32_t>(k),
                     first + static_cast<std::uint32_t>(k + 1));
  }
}

// Each end ring is taken by the first later tube that starts there with the same radius; a
// second branch from the same point gets a capped ring of its own. So every ring edge belongs to
// exactly two triangles and the stems stay closed surfaces.
void addStems(const Drawing& drawing, const Palette& palette, MeshBuilder& builder,
              Groups& groups) {
  // The last segment (in drawing order) that starts at each ring, to know which end rings a
  // later tube may continue.
  std::unordered_map<RingKey, std::size_t, RingKeyHash> lastStart;
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    const Segment& segment = drawing.segments[i];
    if (IsDrawnSegment(segment) && segment.startRadius > 0.0f) {
      lastStart[ringKey(segment.start, segment.startRadius)] = i;
    }
  }
  std::unordered_map<RingKey, OpenRing, RingKeyHash> openEnds;
  const auto ringIndex = [](std::uint32_t first, int k) {
    return first + static_cast<std::uint32_t>(k % kStemSides);
  };
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    const Segment& segment = drawing.segments[i];
    if (!IsDrawnSegment(segment)) continue;
    std::vector<std::uint32_t>& group =
        groups[palette.entryOf(PalettePart::kStem, drawing.segmentColour(i))];
    const Point3 start = ToYUp(segment.start), end = ToYUp(segment.end);
    const double length = std::sqrt(Dot(end - start, end - start));
    const Point3 axis = (end - start) * (1.0 / length);
    const double r0 = std::max(static_cast<double>(segment.startRadius), 0.0);
    const double r1 = std::max(static_cast<double>(segment.endRadius), 0.0);
    const double slope = std::sqrt(length * length + (r0 - r1) * (r0 - r1));
    const double leanCos = length / slope, leanSin = (r0 - r1) / slope;

    // The start: a ring continued from an earlier tube, a new capped ring, or an apex.
    Point3 across = perpendicular(axis, {0, 1, 0});
    std::int64_t startRing = -1;
    std::uint32_t startApex = 0;
    if (r0 > 0.0) {
      const auto open = openEnds.find(ringKey(segment.start, segment.startRadius));
      if (open != openEnds.end()) {
        startRing = open->second.first;
        across = perpendicular(axis, open->second.across);
        openEnds.erase(open);
      } else {
        startRing = addRing(builder, start, axis, across, r0, leanCos, leanSin);
        capStart(builder, group, static_cast<std::uint32_t>(startRing));
      }
    } else {
      startApex = builder.vertex(start, axis * -1.0);
    }

    // The end: a ring, left open when a later tube may continue it, or an apex.
    std::int64_t endRing = -1;
    std::uint32_t endApex = 0;
    if (r1 > 0.0) {
      endRing = addRing(builder, end, axis, across, r1, leanCos, leanSin);
      const auto first = static_cast<std::uint32_t>(endRing);
      const RingKey key = ringKey(segment.end, segment.endRadius);
      const auto next = lastStart.find(key);
      if (next != lastStart.end() && next->second > i) {
        // Two tubes ending at the same ring: the earlier one is closed.
        const auto [open, fresh] = openEnds.try_emplace(key, OpenRing{first, across, &group});
        if (!fresh) {
          capEnd(builder, *open->second.group, open->second.first);
          open->second = {first, across, &group};
        }
      } else {
        capEnd(builder, group, first);
      }
    } else {
      endApex = builder.vertex(end, axis);
    }

    // The side, counter-clockwise seen from outside.
    for (int k = 0; k < kStemSides; ++k) {
      if (startRing >= 0 && endRing >= 0) {
        const auto a = static_cast<std::uint32_t>(startRing);
        const auto b = static_cast<std::uint32_t>(endRing);
        builder.triangle(group, ringIndex(a, k), ringIndex(a, k + 1), ringIndex(b, k + 1));
        builder.triangle(group, ringIndex(a, k), ringIndex(b, k + 1), ringIndex(b, k));
      } else if (startRing >= 0) {
        const auto a = static_cast<std::uint32_t>(startRing);
        builder.triangle(group, ringIndex(a, k), ringIndex(a, k + 1), endApex);
      } else {
        const auto b = static_cast<std::uint32_t>(endRing);
        builder.triangle(group, startApex, ringIndex(b, k + 1), ringIndex(b, k));
      }
    }
  }
}

void addLeaves(const Drawing& drawing, const Palette& palette, MeshBuilder& builder,
               Groups& groups) {
  for (const Leaf& leaf : drawing.leaves) {
    if (!IsDrawnLeaf(leaf)) continue;
    std::vector<std::uint32_t>& group = groups[palette.entryOf(PalettePart::kLeaf, leaf.colour)];
    const Point3 normal = LeafNormal(leaf);
    const Point3 centroid = Centroid(leaf);
    std::uint32_t first = 0;
    for (std::size_t k = 0; k < leaf.outline.size(); ++k) {
      const std::uint32_t index = builder.vertex(ToYUp(leaf.outline[k]), normal);
      if (k == 0) first = index;
    }
    // The scene frame's centroid, mirrored like every point.
    const std::uint32_t centre = builder.vertex({-centroid.x, centroid.y, centroid.z}, normal);
    // The fan's triangle (previous, centroid, current) of the scene frame winds the other way
    // round once the frame is mirrored.
    for (auto [previous, current] : FanTriangles(leaf, centroid)) {
      builder.triangle(group, first + static_cast<std::uint32_t>(current), centre,
                       first + static_cast<std::uint32_t>(previous));
    }
  }
}

}  // namespace

Point3 ToYUp(const Vector3f& p) {
  return {-static_cast<double>(p.y), static_cast<double>(p.z), -static_cast<double>(p.x)};
}

Point3 LeafNormal(const Leaf& leaf) {
  Point3 sum;
  const std::size_t n = leaf.outline.size();
  if (n == 0) return sum;
  // Relative to the first vertex, so that a leaf far from the origin loses no precision.
  const Point3 origin = ToYUp(leaf.outline[0]);
  for (std::size_t k = 0; k < n; ++k) {
    sum = sum + Cross(ToYUp(leaf.outline[k]) - origin, ToYUp(leaf.outline[(k + 1) % n]) - origin);
  }
  if (Dot(sum, sum) > 0.0) return Normalized(sum);
  // An outline that encloses no net area (a figure eight): the first triangle of its fan.
  const Point3 centroid = Centroid(leaf);
  for (auto [previous, current] : FanTriangles(leaf, centroid)) {
    const Point3 c{-centroid.x, centroid.y, centroid.z};
    return Normalized(Cross(ToYUp(leaf.outline[previous]) - c, ToYUp(leaf.outline[current]) - c));
  }
  return {0, 1, 0};
}

PlantMesh BuildPlantMesh(const Drawing& drawing, const Palette& palette, MeshParts parts) {
  PlantMesh mesh;
  MeshBuilder builder(mesh);
  Groups stems(palette.entries(PalettePart::kStem).size());
  Groups leaves(palette.entries(PalettePart::kLeaf).size());
  if (parts == MeshParts::kStemsAndLeaves) addStems(drawing, palette, builder, stems);
  addLeaves(drawing, palette, builder, leaves);
  for (int leaf = 0; leaf < 2; ++leaf) {
    Groups& source = leaf ? leaves : stems;
    for (std::size_t entry = 0; entry < source.size(); ++entry) {
      if (source[entry].empty()) continue;
      mesh.groups.push_back({leaf == 1, entry, std::move(source[entry])});
    }
  }
  return mesh;
}

}  // namespace lsys
