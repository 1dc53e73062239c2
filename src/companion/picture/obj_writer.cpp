#include "companion/picture/obj_writer.h"

#include "companion/picture/palette.h"
#include "companion/text/visible_text.h"

namespace lsys {
namespace {

void triple(Output& out, const char* kind, const float (&values)[3]) {
  out.text(kind);
  for (float value : values) {
    out.character(' ');
    out.fixed(value);
  }
  out.character('\n');
}

void colour(Output& out, const char* kind, const Colour& c) {
  out.text(kind);
  for (double value : {c.red, c.green, c.blue}) {
    out.character(' ');
    out.fixed(value);
  }
  out.character('\n');
}

}  // namespace

std::string MaterialName(const MeshGroup& group) {
  return (group.leaf ? "leaf_" : "stem_") + std::to_string(group.entry);
}

void WriteObj(const PlantMesh& mesh, std::string_view title, std::string_view materialLibrary,
              Output& out) {
  out.text("# ");
  out.text(VisibleText(title));  // a line feed there would start a statement
  out.text(", exported by lsys export\n");
  if (!materialLibrary.empty()) {
    out.text("mtllib ");
    out.text(materialLibrary);
    out.character('\n');
  }
  for (const MeshVertex& vertex : mesh.vertices) triple(out, "v", vertex.position);
  for (const MeshVertex& vertex : mesh.vertices) triple(out, "vn", vertex.normal);
  // The groups come stems first, then leaves.
  for (std::size_t i = 0; i < mesh.groups.size(); ++i) {
    const MeshGroup& part = mesh.groups[i];
    if (i == 0 || part.leaf != mesh.groups[i - 1].leaf)
      out.text(part.leaf ? "g leaves\n" : "g stems\n");
    out.text("usemtl ");
    out.text(MaterialName(part));
    out.character('\n');
    for (std::size_t k = 0; k < part.triangles.size(); k += 3) {
      out.character('f');
      for (std::size_t corner = k; corner < k + 3; ++corner) {
        // OBJ counts from 1; each vertex has its normal of the same number
        const std::int64_t index = std::int64_t{part.triangles[corner]} + 1;
        out.character(' ');
        out.integer(index);
        out.text("//");
        out.integer(index);
      }
      out.character('\n');
    }
  }
}

void WriteMtl(const PlantMesh& mesh, const Palette& palette, std::string_view title, Output& out) {
  out.text("# materials of ");
  out.text(VisibleText(title));  // a line feed there would start a statement
  out.text(", exported by lsys export\n");
  for (const MeshGroup& part : mesh.groups) {
    out.text("\nnewmtl ");
    out.text(MaterialName(part));
    out.character('\n');
    colour(out, "Kd",
           palette.entries(part.leaf ? PalettePart::kLeaf : PalettePart::kStem)[part.entry]);
    colour(out, "Ka", {0, 0, 0});
    colour(out, "Ks", {0, 0, 0});
    out.text("d 1.000000\nillum 1\n");
  }
}

}  // namespace lsys
