#include "companion/picture/surface_mesh_writer.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lsys {
namespace {

struct Face {
  std::array<std::size_t, 3> corners;
  std::size_t texture = 0;  // into the texture list
};

struct Surfaces {
  std::vector<Point3> vertices;
  std::vector<Face> faces;
  std::vector<std::pair<const char*, std::size_t>> textures;  // kind and palette entry
};

void addStrips(Surfaces& s, const std::vector<StripQuad>& quads, std::size_t texture) {
  for (const StripQuad& quad : quads) {
    const std::size_t first = s.vertices.size();
    for (const Point3& corner : quad.corners) s.vertices.push_back(corner);
    s.faces.push_back({{first, first + 1, first + 2}, texture});
    s.faces.push_back({{first + 1, first + 3, first + 2}, texture});
  }
}

void addLeaves(Surfaces& s, const std::vector<const Leaf*>& leaves, std::size_t texture) {
  for (const Leaf* leaf : leaves) {
    const std::size_t first = s.vertices.size();
    for (const Vector3f& v : leaf->outline) s.vertices.push_back(ToScene(v));
    const Point3 centre = Centroid(*leaf);
    const std::size_t centreIndex = s.vertices.size();
    s.vertices.push_back(centre);
    for (auto [previous, current] : FanTriangles(*leaf, centre)) {
      s.faces.push_back({{first + previous, centreIndex, first + current}, texture});
    }
  }
}

// Strip corners are rounded to float when planned and leaf vertices are floats, so the fast
// float path prints every vertex exactly.
void vertex(Output& out, const Point3& p) {
  out.character('<');
  out.fixed(static_cast<float>(p.x));
  out.text(", ");
  out.fixed(static_cast<float>(p.y));
  out.text(", ");
  out.fixed(static_cast<float>(p.z));
  out.character('>');
}

}  // namespace

bool HasSurfaces(const ScenePlan& plan) {
  if (!plan.leaves.empty()) return true;
  for (const auto& group : plan.stems) {
    if (!group.second.strips.empty()) return true;
  }
  return false;
}

void WriteSurfaceMesh(const ScenePlan& plan, Output& out) {
  Surfaces s;
  for (const auto& [entry, group] : plan.stems) {
    if (group.strips.empty()) continue;
    addStrips(s, group.strips, s.textures.size());
    s.textures.emplace_back("Stem", entry);
  }
  for (const auto& [entry, leaves] : plan.leaves) {
    addLeaves(s, leaves, s.textures.size());
    s.textures.emplace_back("Leaf", entry);
  }
  out.text(" mesh2 {\n  vertex_vectors { ");
  out.integer(static_cast<std::int64_t>(s.vertices.size()));
  for (const Point3& v : s.vertices) {
    out.text(",\n   ");
    vertex(out, v);
  }
  out.text(" }\n  texture_list { ");
  out.integer(static_cast<std::int64_t>(s.textures.size()));
  for (const auto& [kind, entry] : s.textures) {
    out.text(",\n   texture { LSys_");
    out.text(std::string_view(kind));
    out.character('_');
    out.integer(static_cast<std::int64_t>(entry));
    out.text(" }");
  }
  out.text(" }\n  face_indices { ");
  out.integer(static_cast<std::int64_t>(s.faces.size()));
  for (const Face& face : s.faces) {
    out.text(",\n   <");
    out.integer(static_cast<std::int64_t>(face.corners[0]));
    out.character(',');
    out.integer(static_cast<std::int64_t>(face.corners[1]));
    out.character(',');
    out.integer(static_cast<std::int64_t>(face.corners[2]));
    out.text(">, ");
    out.integer(static_cast<std::int64_t>(face.texture));
  }
  out.text(" }\n }\n");
}

}  // namespace lsys
