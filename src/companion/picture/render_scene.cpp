#include "companion/picture/render_scene.h"

#include <algorithm>
#include <array>
#include <vector>

#include "companion/picture/leaf_instance_writer.h"
#include "companion/picture/surface_mesh_writer.h"
#include "companion/text/visible_text.h"

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

void writeTexture(Output& out, const char* kind, std::size_t entry, const Colour& c,
                  const char* finish) {
  out.text("#declare LSys_");
  out.text(kind);
  out.character('_');
  out.integer(static_cast<std::int64_t>(entry));
  out.text(" = texture { pigment { color ");
  colour(out, c);
  out.text(" } finish { ");
  out.text(finish);
  out.text(" } }\n");
}

void writeTextures(Output& out, const ScenePlan& plan, const Palette& palette) {
  out.text("// One texture per palette entry the plant uses. Restyle here.\n");
  for (const auto& group : plan.stems) {
    writeTexture(out, "Stem", group.first, palette.entries(PalettePart::kStem)[group.first],
                 "ambient 0.12 diffuse 0.85");
  }
  for (std::size_t entry : plan.leafEntries()) {
    writeTexture(out, "Leaf", entry, palette.entries(PalettePart::kLeaf)[entry],
                 "ambient 0.12 diffuse 0.8 specular 0.15");
  }
  out.character('\n');
}

// A cylinder where both radii are equal, which POV-Ray intersects faster, else a cone.
void writeSegment(Output& out, const Segment& segment) {
  const float start = radiusOf(segment.startRadius);
  const float end = radiusOf(segment.endRadius);
  if (start == end) {
    out.text("  cylinder { ");
    vector3(out, ToScene(segment.start));
    out.text(", ");
    vector3(out, ToScene(segment.end));
    out.text(", ");
    out.fixed(start);
    out.text(" }\n");
    return;
  }
  out.text("  cone { ");
  vector3(out, ToScene(segment.start));
  out.text(", ");
  out.fixed(start);
  out.text(", ");
  vector3(out, ToScene(segment.end));
  out.text(", ");
  out.fixed(end);
  out.text(" }\n");
}

void writeStemGroup(Output& out, const Drawing& drawing, std::size_t entry,
                    const StemGroup& group) {
  const std::size_t members = group.segments.size() + group.joints.size();
  if (members == 0) return;  // all strips
  out.text(members >= 2 ? " union {\n" : " object {\n");
  for (std::size_t i : group.segments) writeSegment(out, drawing.segments[i]);
  for (const Joint& joint : group.joints) {
    out.text("  sphere { ");
    vector3(out, joint.centre);
    out.text(", ");
    out.fixed(joint.radius);
    out.text(" }\n");
  }
  out.text("  texture { LSys_Stem_");
  out.integer(static_cast<std::int64_t>(entry));
  out.text(" }\n }\n");
}

void writePlant(Output& out, const Drawing& drawing, const ScenePlan& plan) {
  WriteLeafShapes(plan.leafInstances, out);
  out.text("// The plant; place it in another scene with object { LSys_Plant }.\n");
  out.text(plan.objectCount() >= 2 ? "#declare LSys_Plant = union {\n"
                                   : "#declare LSys_Plant = object {\n");
  for (const auto& [entry, group] : plan.stems) writeStemGroup(out, drawing, entry, group);
  WriteLeafPlacements(plan.leafInstances, out);
  if (HasSurfaces(plan)) WriteSurfaceMesh(plan, out);
  out.text("}\n\n");
}

void writeCamera(Output& out, const PerspectiveCamera& camera) {
  out.text("camera {\n  perspective\n  location ");
  vector3(out, camera.location);
  out.text("\n  direction ");
  vector3(out, camera.direction);
  out.text("\n  right ");
  vector3(out, camera.right);
  out.text("\n  up ");
  vector3(out, camera.up);
  out.text("\n}\n");
}

// The key light; with a ground it is an area light, whose shadow on the ground is soft.
void writeKeyLight(Output& out, Point3 at, const char* colourText, bool soft, double spread) {
  out.text("light_source { ");
  vector3(out, at);
  out.text(" color ");
  out.text(colourText);
  if (soft) {
    out.text("\n  area_light <");
    out.fixed(spread);
    out.text(", 0, 0>, <0, 0, ");
    out.fixed(spread);
    out.text(">, 5, 5 adaptive 1 jitter circular orient");
  }
  out.text(" }\n");
}

void writeLights(Output& out, const PerspectiveCamera& camera, const ViewBasis& basis,
                 const Box& box, const SceneLook& look) {
  const Point3 middle = (box.min + box.max) * 0.5;
  if (look.light == Light::kSun) {
    // High on the right and a little in front, far enough to be nearly parallel.
    const Point3 toSun = Normalized(basis.right * 0.5 + Point3{0, 1.2, 0} + basis.back * 0.6);
    writeKeyLight(out, middle + toSun * (camera.distance * 20), "rgb <1, 0.92, 0.8>", look.ground,
                  camera.distance * 1.0);
    out.text("light_source { ");
    vector3(out, camera.location);
    out.text(" color rgb <0.22, 0.26, 0.34> shadowless }\n\n");
    return;
  }
  // The key light stands above and to the left of the camera, a fill light at the camera.
  const Point3 key = camera.location + (basis.up * 0.6 - basis.right * 0.4) * camera.distance;
  writeKeyLight(out, key, "rgb <1, 1, 1>", look.ground, camera.distance * 0.15);
  out.text("light_source { ");
  vector3(out, camera.location);
  out.text(" color rgb <0.35, 0.35, 0.35> shadowless }\n\n");
}

// A plane through the lowest point of the drawing, matt and a shade darker than the
// background, so the plant stands on something without a visible horizon line.
void writeGround(Output& out, const Box& box, const SceneLook& look) {
  const Colour& b = look.background;
  out.text("plane { y, ");
  out.fixed(box.min.y);
  out.text("\n  texture { pigment { color ");
  colour(out, {b.red * 0.85, b.green * 0.83, b.blue * 0.78});
  out.text(" } finish { ambient 0.35 diffuse 0.6 } }\n}\n");
}

}  // namespace

void WriteRenderScene(const Drawing& drawing, const ScenePlan& plan,
                      const PerspectiveCamera& camera, View view, const SceneLook& look,
                      std::string_view title, Output& out) {
  const Box box = BoundingBox(drawing);
  out.text("// ");
  out.text(VisibleText(title));  // a line feed there would start a directive
  out.text(", drawn by lsys\n#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\n\n");
  const bool nothingDrawn = plan.objectCount() == 0;
  if (!nothingDrawn) {
    writeTextures(out, plan, look.palette);
    writePlant(out, drawing, plan);
  }
  out.text("background { color ");
  colour(out, look.background);
  out.text(" }\n");
  writeCamera(out, camera);
  writeLights(out, camera, BasisOf(view), box, look);
  if (look.ground && !box.empty) writeGround(out, box, look);
  if (!nothingDrawn) {
    out.text("object { LSys_Plant }\n");
    return;
  }
  // Nothing drawn yet (an early frame of an animation): an invisible speck behind the camera
  // keeps POV-Ray from warning about a scene without objects.
  out.text("sphere { ");
  vector3(out, camera.location - camera.direction);
  out.text(", 0.000001 no_image no_shadow no_reflection }\n");
}

}  // namespace lsys
