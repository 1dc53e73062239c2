#include "companion/picture/leaf_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace lsys {
namespace {

// Outlines whose coordinates, in their own frame, agree to this fraction of the leaf's size
// are one shape. The turtle's float points of a leaf far from the origin are only that exact.
constexpr double kSameShape = 1e-4;
// Shapes are first sorted into buckets this coarse, then compared.
constexpr double kBucket = 1e-2;

struct Frame {
  Point3 x, y, z, origin;
  double size = 0.0;  // the largest distance of a vertex from the origin
};

double length(Point3 v) { return std::sqrt(Dot(v, v)); }

// The frame of the outline: its first vertex, its first edge and the first corner that leaves
// that edge's line; nothing for an outline without area.
std::optional<Frame> frameOf(const Leaf& leaf) {
  Frame frame;
  frame.origin = ToScene(leaf.outline[0]);
  for (const Vector3f& v : leaf.outline)
    frame.size = std::max(frame.size, length(ToScene(v) - frame.origin));
  if (!(frame.size > 0.0) || !std::isfinite(frame.size)) return std::nullopt;
  bool hasX = false;
  for (const Vector3f& v : leaf.outline) {
    const Point3 offset = ToScene(v) - frame.origin;
    if (!hasX) {
      if (length(offset) > kSameShape * frame.size) {
        frame.x = Normalized(offset);
        hasX = true;
      }
      continue;
    }
    const Point3 across = offset - frame.x * Dot(offset, frame.x);
    if (length(across) > kSameShape * frame.size) {
      frame.y = Normalized(across);
      frame.z = Cross(frame.x, frame.y);
      return frame;
    }
  }
  return std::nullopt;
}

Point3 local(const Frame& frame, Point3 p) {
  const Point3 offset = p - frame.origin;
  return {Dot(offset, frame.x), Dot(offset, frame.y), Dot(offset, frame.z)};
}

// The outline in its frame, and its centroid last.
std::vector<Point3> localOutline(const Leaf& leaf, const Frame& frame) {
  std::vector<Point3> points;
  points.reserve(leaf.outline.size() + 1);
  for (const Vector3f& v : leaf.outline) points.push_back(local(frame, ToScene(v)));
  points.push_back(local(frame, Centroid(leaf)));
  return points;
}

struct BucketHash {
  std::size_t operator()(const std::vector<std::int64_t>& key) const {
    std::uint64_t h = key.size();
    for (std::int64_t k : key) h = (h ^ static_cast<std::uint64_t>(k)) * 0x100000001B3ull;
    return static_cast<std::size_t>(h);
  }
};

bool sameShape(const std::vector<Point3>& a, const std::vector<Point3>& b, double size) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (length(a[i] - b[i]) > kSameShape * size) return false;
  }
  return true;
}

struct Candidate {
  std::size_t entry;
  const Leaf* leaf;
  Frame frame;
  std::size_t shape;
};

}  // namespace

std::size_t LeafInstances::placementCount() const {
  std::size_t count = 0;
  for (const auto& group : placed) count += group.second.size();
  return count;
}

LeafInstances TakeRepeatedLeaves(std::map<std::size_t, std::vector<const Leaf*>>& leaves) {
  // Every leaf of enough triangles gets a shape: a new one unless a shape in its bucket is
  // the same.
  std::vector<LeafShape> shapes;
  std::vector<std::vector<Point3>> shapePoints;  // the first leaf's, by shape
  std::vector<double> shapeSize;
  std::vector<std::size_t> uses;
  std::unordered_map<std::vector<std::int64_t>, std::vector<std::size_t>, BucketHash> buckets;
  std::vector<Candidate> candidates;
  for (const auto& [entry, group] : leaves) {
    for (const Leaf* leaf : group) {
      const Point3 centre = Centroid(*leaf);
      const auto fan = FanTriangles(*leaf, centre);
      if (fan.size() < kInstancedLeafTriangles) continue;
      const std::optional<Frame> frame = frameOf(*leaf);
      if (!frame) continue;
      std::vector<Point3> points = localOutline(*leaf, *frame);
      std::vector<std::int64_t> key;
      for (const Point3& p : points) {
        for (double c : {p.x, p.y, p.z}) {
          key.push_back(static_cast<std::int64_t>(std::llround(c / (kBucket * frame->size))));
        }
      }
      std::vector<std::size_t>& bucket = buckets[key];
      std::size_t shape = shapes.size();
      for (std::size_t candidate : bucket) {
        if (sameShape(points, shapePoints[candidate], shapeSize[candidate])) {
          shape = candidate;
          break;
        }
      }
      if (shape == shapes.size()) {
        LeafShape made;
        made.vertices = points;
        const std::size_t centreIndex = leaf->outline.size();
        for (auto [previous, current] : fan) made.faces.push_back({previous, centreIndex, current});
        shapes.push_back(std::move(made));
        shapePoints.push_back(std::move(points));
        shapeSize.push_back(frame->size);
        uses.push_back(0);
        bucket.push_back(shape);
      }
      ++uses[shape];
      candidates.push_back({entry, leaf, *frame, shape});
    }
  }

  // Only shapes drawn more than once are worth a declaration; they are numbered anew.
  LeafInstances instances;
  std::vector<std::size_t> renumbered(shapes.size(), shapes.size());
  std::unordered_set<const Leaf*> taken;
  for (const Candidate& c : candidates) {
    if (uses[c.shape] < 2) continue;
    if (renumbered[c.shape] == shapes.size()) {
      renumbered[c.shape] = instances.shapes.size();
      instances.shapes.push_back(std::move(shapes[c.shape]));
    }
    instances.placed[c.entry].push_back(
        {renumbered[c.shape], c.frame.x, c.frame.y, c.frame.z, c.frame.origin});
    taken.insert(c.leaf);
  }
  for (auto group = leaves.begin(); group != leaves.end();) {
    std::erase_if(group->second, [&](const Leaf* leaf) { return taken.contains(leaf); });
    group = group->second.empty() ? leaves.erase(group) : std::next(group);
  }
  return instances;
}

}  // namespace lsys
