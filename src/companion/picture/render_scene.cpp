#include "companion/picture/render_scene.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "companion/picture/palette.h"

namespace lsys {
namespace {

void vector3(Output& out, Point3 p) {
  out.character('<');
  out.fixed(p.x);
  out.text(", ");
  out.fixed(p.y);
  out.text(", ");
  out.fixed(p.z);
  out.character('>');
}

void colour(Output& out, const Colour& c) {
  out.text("rgb ");
  vector3(out, {c.red, c.green, c.blue});
}

float radiusOf(float radius) { return std::max(radius, 0.0f); }

void writeTextures(Output& out) {
  out.text("// Colours by the turtle's colour index (`?`): entry index mod 8. Restyle here.\n");
  out.text("#declare LSys_Stem_Colours = array[8] {\n");
  for (std::size_t i = 0; i < kPaletteSize; ++i) {
    out.text("  ");
    colour(out, kStemColours[i]);
    out.text(i + 1 < kPaletteSize ? ",\n" : "\n");
  }
  out.text("}\n#declare LSys_Leaf_Colours = array[8] {\n");
  for (std::size_t i = 0; i < kPaletteSize; ++i) {
    out.text("  ");
    colour(out, kLeafColours[i]);
    out.text(i + 1 < kPaletteSize ? ",\n" : "\n");
  }
  out.text(
      "}\n"
      "#declare LSys_Stem_Finish = finish { ambient 0.12 diffuse 0.85 }\n"
      "#declare LSys_Leaf_Finish = finish { ambient 0.12 diffuse 0.8 specular 0.15 }\n"
      "#macro LSys_Stem_Texture(Index)\n"
      "  texture { pigment { color LSys_Stem_Colours[mod(Index, 8)] } "
      "finish { LSys_Stem_Finish } }\n"
      "#end\n"
      "#macro LSys_Leaf_Texture(Index)\n"
      "  texture { pigment { color LSys_Leaf_Colours[mod(Index, 8)] } "
      "finish { LSys_Leaf_Finish } }\n"
      "#end\n\n");
}

// One primitive of a stem group: its cone, and the sphere that rounds the joint at its end.
int stemMemberCount(const Segment& segment) { return radiusOf(segment.endRadius) > 0.0f ? 2 : 1; }

void writeStemMembers(Output& out, const Segment& segment) {
  out.text("  cone { ");
  vector3(out, ToScene(segment.start));
  out.text(", ");
  out.fixed(radiusOf(segment.startRadius));
  out.text(", ");
  vector3(out, ToScene(segment.end));
  out.text(", ");
  out.fixed(radiusOf(segment.endRadius));
  out.text(" }\n");
  if (radiusOf(segment.endRadius) > 0.0f) {
    out.text("  sphere { ");
    vector3(out, ToScene(segment.end));
    out.text(", ");
    out.fixed(radiusOf(segment.endRadius));
    out.text(" }\n");
  }
}

// The drawn segments of one colour index, as indices into drawing.segments.
using StemGroups = std::map<std::uint8_t, std::vector<std::size_t>>;
// The drawn leaves of one colour index.
using LeafGroups = std::map<std::uint8_t, std::vector<const Leaf*>>;

void writeStemGroup(Output& out, const Drawing& drawing, std::uint8_t index,
                    const std::vector<std::size_t>& members) {
  int count = 0;
  for (std::size_t i : members) count += stemMemberCount(drawing.segments[i]);
  out.text(count >= 2 ? " union {\n" : " object {\n");
  for (std::size_t i : members) writeStemMembers(out, drawing.segments[i]);
  out.text("  LSys_Stem_Texture(");
  out.integer(index);
  out.text(")\n }\n");
}

void writeLeafGroup(Output& out, std::uint8_t index, const std::vector<const Leaf*>& leaves) {
  std::vector<Point3> vertices;
  std::vector<std::array<std::size_t, 3>> faces;
  for (const Leaf* leaf : leaves) {
    const std::size_t first = vertices.size();
    for (const Vector3f& v : leaf->outline) vertices.push_back(ToScene(v));
    const Point3 centre = Centroid(*leaf);
    const std::size_t centreIndex = vertices.size();
    vertices.push_back(centre);
    for (auto [previous, current] : FanTriangles(*leaf, centre)) {
      faces.push_back({first + previous, centreIndex, first + current});
    }
  }
  out.text(" mesh2 {\n  vertex_vectors { ");
  out.integer(static_cast<std::int64_t>(vertices.size()));
  for (const Point3& v : vertices) {
    out.text(",\n   ");
    vector3(out, v);
  }
  out.text(" }\n  face_indices { ");
  out.integer(static_cast<std::int64_t>(faces.size()));
  for (const auto& face : faces) {
    out.text(",\n   <");
    out.integer(static_cast<std::int64_t>(face[0]));
    out.character(',');
    out.integer(static_cast<std::int64_t>(face[1]));
    out.character(',');
    out.integer(static_cast<std::int64_t>(face[2]));
    out.character('>');
  }
  out.text(" }\n  LSys_Leaf_Texture(");
  out.integer(index);
  out.text(")\n }\n");
}

void writePlant(Output& out, const Drawing& drawing) {
  StemGroups stems;
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    if (IsDrawnSegment(drawing.segments[i])) stems[drawing.segmentColour(i)].push_back(i);
  }
  LeafGroups leaves;
  for (const Leaf& leaf : drawing.leaves) {
    if (IsDrawnLeaf(leaf)) leaves[leaf.colour].push_back(&leaf);
  }
  out.text("// The plant; place it in another scene with object { LSys_Plant }.\n");
  const std::size_t groups = stems.size() + leaves.size();
  out.text(groups >= 2 ? "#declare LSys_Plant = union {\n" : "#declare LSys_Plant = object {\n");
  for (const auto& [index, members] : stems) writeStemGroup(out, drawing, index, members);
  for (const auto& [index, members] : leaves) writeLeafGroup(out, index, members);
  out.text("}\n\n");
}

void writeCameraAndLight(Output& out, const PerspectiveCamera& camera, const ViewBasis& basis) {
  out.text("background { color rgb <1, 1, 1> }\n");
  out.text("camera {\n  perspective\n  location ");
  vector3(out, camera.location);
  out.text("\n  direction ");
  vector3(out, camera.direction);
  out.text("\n  right ");
  vector3(out, camera.right);
  out.text("\n  up ");
  vector3(out, camera.up);
  out.text("\n}\n");
  // The key light stands above and to the left of the camera, a fill light at the camera.
  const Point3 key = camera.location + (basis.up * 0.6 - basis.right * 0.4) * camera.distance;
  out.text("light_source { ");
  vector3(out, key);
  out.text(" color rgb <1, 1, 1> }\n");
  out.text("light_source { ");
  vector3(out, camera.location);
  out.text(" color rgb <0.35, 0.35, 0.35> shadowless }\n\n");
}

}  // namespace

void WriteRenderScene(const Drawing& drawing, View view, double aspect, std::string_view title,
                      Output& out) {
  out.text("// ");
  out.text(title);
  out.text(", drawn by lsys render\n#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\n\n");
  writeTextures(out);
  writePlant(out, drawing);
  writeCameraAndLight(out, FitPerspective(drawing, view, aspect), BasisOf(view));
  out.text("object { LSys_Plant }\n");
}

}  // namespace lsys
