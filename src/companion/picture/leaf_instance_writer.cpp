#include "companion/picture/leaf_instance_writer.h"

#include <cstdint>

namespace lsys {
namespace {

void number(Output& out, double value) { out.fixed(static_cast<float>(value)); }

void triple(Output& out, const Point3& p) {
  number(out, p.x);
  out.text(", ");
  number(out, p.y);
  out.text(", ");
  number(out, p.z);
}

void writePlacement(Output& out, const LeafPlacement& placement) {
  out.text("object { LSys_Leaf_Shape_");
  out.integer(static_cast<std::int64_t>(placement.shape));
  // POV-Ray's matrix lists the images of the x, y and z axes, then the translation.
  out.text(" matrix <");
  triple(out, placement.x);
  out.text(", ");
  triple(out, placement.y);
  out.text(", ");
  triple(out, placement.z);
  out.text(", ");
  triple(out, placement.origin);
  out.text("> }");
}

}  // namespace

void WriteLeafShapes(const LeafInstances& instances, Output& out) {
  if (instances.shapes.empty()) return;
  out.text("// Leaves drawn alike, in frames of their own; the plant places them.\n");
  for (std::size_t k = 0; k < instances.shapes.size(); ++k) {
    const LeafShape& shape = instances.shapes[k];
    out.text("#declare LSys_Leaf_Shape_");
    out.integer(static_cast<std::int64_t>(k));
    out.text(" = mesh2 {\n  vertex_vectors { ");
    out.integer(static_cast<std::int64_t>(shape.vertices.size()));
    for (const Point3& v : shape.vertices) {
      out.text(", <");
      triple(out, v);
      out.character('>');
    }
    out.text(" }\n  face_indices { ");
    out.integer(static_cast<std::int64_t>(shape.faces.size()));
    for (const auto& face : shape.faces) {
      out.text(", <");
      out.integer(static_cast<std::int64_t>(face[0]));
      out.character(',');
      out.integer(static_cast<std::int64_t>(face[1]));
      out.character(',');
      out.integer(static_cast<std::int64_t>(face[2]));
      out.character('>');
    }
    out.text(" }\n}\n");
  }
  out.character('\n');
}

void WriteLeafPlacements(const LeafInstances& instances, Output& out) {
  for (const auto& [entry, placements] : instances.placed) {
    if (placements.size() == 1) {
      out.text(" object { ");
      writePlacement(out, placements[0]);
      out.text(" texture { LSys_Leaf_");
      out.integer(static_cast<std::int64_t>(entry));
      out.text(" } }\n");
      continue;
    }
    out.text(" union {\n");
    for (const LeafPlacement& placement : placements) {
      out.text("  ");
      writePlacement(out, placement);
      out.character('\n');
    }
    out.text("  texture { LSys_Leaf_");
    out.integer(static_cast<std::int64_t>(entry));
    out.text(" }\n }\n");
  }
}

}  // namespace lsys
