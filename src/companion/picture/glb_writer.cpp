#include "companion/picture/glb_writer.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <sstream>
#include <utility>

#include "companion/picture/palette.h"
#include "companion/picture/plant_mesh.h"
#include "companion/picture/view.h"

namespace lsys {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTaperSteps = 16;
constexpr const char* kInstancing = "EXT_mesh_gpu_instancing";

Point3 mirrored(Point3 scene) { return {-scene.x, scene.y, scene.z}; }

struct Quaternion {
  double x = 0, y = 0, z = 0, w = 1;
};

// The rotation that takes +y to the unit direction, the shortest one.
Quaternion fromUp(Point3 direction) {
  // half-way between +y and the direction: (cross(y, d), 1 + dot(y, d)), normalised
  Quaternion q{direction.z, 0.0, -direction.x, 1.0 + direction.y};
  const double norm = std::sqrt(q.x * q.x + q.z * q.z + q.w * q.w);
  if (norm < 1e-9) return {1, 0, 0, 0};  // straight down: half a turn about x
  return {q.x / norm, 0.0, q.z / norm, q.w / norm};
}

// The rotation whose matrix has the columns x, y and z (orthonormal, right-handed).
Quaternion fromAxes(Point3 x, Point3 y, Point3 z) {
  const double trace = x.x + y.y + z.z;
  Quaternion q;
  if (trace > 0) {
    const double s = 2 * std::sqrt(trace + 1);
    q = {(y.z - z.y) / s, (z.x - x.z) / s, (x.y - y.x) / s, s / 4};
  } else if (x.x > y.y && x.x > z.z) {
    const double s = 2 * std::sqrt(1 + x.x - y.y - z.z);
    q = {s / 4, (y.x + x.y) / s, (z.x + x.z) / s, (y.z - z.y) / s};
  } else if (y.y > z.z) {
    const double s = 2 * std::sqrt(1 + y.y - x.x - z.z);
    q = {(y.x + x.y) / s, s / 4, (z.y + y.z) / s, (z.x - x.z) / s};
  } else {
    const double s = 2 * std::sqrt(1 + z.z - x.x - y.y);
    q = {(z.x + x.z) / s, (z.y + y.z) / s, s / 4, (x.y - y.x) / s};
  }
  return q;
}

// Builds the model's one buffer and its views and accessors.
class ModelBuilder {
 public:
  ModelBuilder(tinygltf::Model& model, const Palette& palette) : model_(model), palette_(palette) {
    model_.buffers.emplace_back();
  }

  // A view of the bytes, aligned to 4, and its index.
  int view(const void* data, std::size_t size, int target, std::size_t stride = 0) {
    auto& bytes = model_.buffers[0].data;
    bytes.resize((bytes.size() + 3) / 4 * 4);
    tinygltf::BufferView view;
    view.buffer = 0;
    view.byteOffset = bytes.size();
    view.byteLength = size;
    view.byteStride = stride;
    view.target = target;
    const auto* first = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), first, first + size);
    model_.bufferViews.push_back(std::move(view));
    return static_cast<int>(model_.bufferViews.size() - 1);
  }

  int accessor(int view, std::size_t offset, int componentType, int type, std::size_t count) {
    tinygltf::Accessor accessor;
    accessor.bufferView = view;
    accessor.byteOffset = offset;
    accessor.componentType = componentType;
    accessor.type = type;
    accessor.count = count;
    model_.accessors.push_back(std::move(accessor));
    return static_cast<int>(model_.accessors.size() - 1);
  }

  // A float attribute of vectors of n components, one view of its own.
  int floats(const std::vector<float>& values, int type, int n) {
    const int v = view(values.data(), values.size() * sizeof(float), 0);
    return accessor(v, 0, TINYGLTF_COMPONENT_TYPE_FLOAT, type, values.size() / n);
  }

  // The material of a palette entry, made once.
  int material(bool leaf, std::size_t entry) {
    const auto key = std::make_pair(leaf, entry);
    if (const auto found = materials_.find(key); found != materials_.end()) return found->second;
    const Colour& c = palette_.entries(leaf ? PalettePart::kLeaf : PalettePart::kStem)[entry];
    tinygltf::Material material;
    material.name = (leaf ? "leaf_" : "stem_") + std::to_string(entry);
    material.pbrMetallicRoughness.baseColorFactor = {c.red, c.green, c.blue, 1.0};
    material.pbrMetallicRoughness.metallicFactor = 0.0;
    material.pbrMetallicRoughness.roughnessFactor = 0.85;
    material.doubleSided = leaf;
    model_.materials.push_back(std::move(material));
    return materials_[key] = static_cast<int>(model_.materials.size() - 1);
  }

  // The mesh as one glTF mesh: shared positions and normals, a primitive per group.
  int mesh(const PlantMesh& plant, const std::string& name) {
    const std::size_t count = plant.vertices.size();
    const int vertices = view(plant.vertices.data(), count * sizeof(MeshVertex),
                              TINYGLTF_TARGET_ARRAY_BUFFER, sizeof(MeshVertex));
    const int positions =
        accessor(vertices, 0, TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3, count);
    const int normals = accessor(vertices, offsetof(MeshVertex, normal),
                                 TINYGLTF_COMPONENT_TYPE_FLOAT, TINYGLTF_TYPE_VEC3, count);
    auto& bounds = model_.accessors[static_cast<std::size_t>(positions)];
    bounds.minValues.assign(3, 1e300);
    bounds.maxValues.assign(3, -1e300);
    for (const MeshVertex& vertex : plant.vertices) {
      for (int k = 0; k < 3; ++k) {
        bounds.minValues[k] = std::min(bounds.minValues[k], double{vertex.position[k]});
        bounds.maxValues[k] = std::max(bounds.maxValues[k], double{vertex.position[k]});
      }
    }
    tinygltf::Mesh mesh;
    mesh.name = name;
    for (const MeshGroup& group : plant.groups) {
      tinygltf::Primitive primitive;
      primitive.attributes["POSITION"] = positions;
      primitive.attributes["NORMAL"] = normals;
      const int indices = view(group.triangles.data(), group.triangles.size() * 4,
                               TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
      primitive.indices = accessor(indices, 0, TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT,
                                   TINYGLTF_TYPE_SCALAR, group.triangles.size());
      primitive.material = material(group.leaf, group.entry);
      primitive.mode = TINYGLTF_MODE_TRIANGLES;
      mesh.primitives.push_back(std::move(primitive));
    }
    model_.meshes.push_back(std::move(mesh));
    return static_cast<int>(model_.meshes.size() - 1);
  }

  int node(tinygltf::Node node) {
    model_.nodes.push_back(std::move(node));
    const int index = static_cast<int>(model_.nodes.size() - 1);
    model_.scenes[0].nodes.push_back(index);
    return index;
  }

 private:
  tinygltf::Model& model_;
  const Palette& palette_;
  std::map<std::pair<bool, std::size_t>, int> materials_;
};

// An open tube of unit radius from y = 0 to y = 1 whose top ring has the radius taper (a point
// when 0), with radial normals, which survive the instances' scaling along y.
PlantMesh unitTube(double taper, std::size_t entry) {
  PlantMesh tube;
  const bool pointed = taper == 0.0;
  for (int ring = 0; ring < (pointed ? 1 : 2); ++ring) {
    const double radius = ring == 0 ? 1.0 : taper;
    for (int k = 0; k < kStemSides; ++k) {
      // counter-clockwise seen from above (+y)
      const double angle = 2 * kPi * k / kStemSides;
      const auto c = static_cast<float>(std::cos(angle)), s = static_cast<float>(-std::sin(angle));
      tube.vertices.push_back({{static_cast<float>(c * radius), static_cast<float>(ring),
                                static_cast<float>(s * radius)},
                               {c, 0.0f, s}});
    }
  }
  if (pointed) tube.vertices.push_back({{0, 1, 0}, {0, 1, 0}});
  MeshGroup group{false, entry, {}};
  const std::uint32_t top = kStemSides;
  for (std::uint32_t k = 0; k < kStemSides; ++k) {
    const std::uint32_t next = (k + 1) % kStemSides;
    if (pointed) {
      group.triangles.insert(group.triangles.end(), {k, next, top});
    } else {
      group.triangles.insert(group.triangles.end(), {k, next, top + next, k, top + next, top + k});
    }
  }
  tube.groups.push_back(std::move(group));
  return tube;
}

struct Instances {
  std::vector<float> translations, rotations, scales;
};

void addInstancedStems(const Drawing& drawing, const Palette& palette, ModelBuilder& builder) {
  // By palette entry and taper step.
  std::map<std::pair<std::size_t, int>, Instances> kinds;
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    const Segment& segment = drawing.segments[i];
    if (!IsDrawnSegment(segment)) continue;
    Point3 base = ToYUp(segment.start), tip = ToYUp(segment.end);
    double wide = std::max(static_cast<double>(segment.startRadius), 0.0);
    double narrow = std::max(static_cast<double>(segment.endRadius), 0.0);
    if (narrow > wide) {
      std::swap(base, tip);
      std::swap(wide, narrow);
    }
    const Point3 axis = tip - base;
    const double length = std::sqrt(Dot(axis, axis));
    const int taper = static_cast<int>(std::lround(narrow / wide * kTaperSteps));
    Instances& instances =
        kinds[{palette.entryOf(PalettePart::kStem, drawing.segmentColour(i)), taper}];
    const Quaternion q = fromUp(axis * (1.0 / length));
    for (double value : {base.x, base.y, base.z}) {
      instances.translations.push_back(static_cast<float>(value));
    }
    for (double value : {q.x, q.y, q.z, q.w}) {
      instances.rotations.push_back(static_cast<float>(value));
    }
    for (double value : {wide, length, wide}) instances.scales.push_back(static_cast<float>(value));
  }
  for (const auto& [kind, instances] : kinds) {
    const auto [entry, taper] = kind;
    const PlantMesh tube = unitTube(static_cast<double>(taper) / kTaperSteps, entry);
    tinygltf::Node node;
    node.name = "stems " + std::to_string(entry) + " taper " + std::to_string(taper);
    node.mesh = builder.mesh(tube, "unit tube");
    tinygltf::Value::Object attributes;
    attributes["TRANSLATION"] =
        tinygltf::Value(builder.floats(instances.translations, TINYGLTF_TYPE_VEC3, 3));
    attributes["ROTATION"] =
        tinygltf::Value(builder.floats(instances.rotations, TINYGLTF_TYPE_VEC4, 4));
    attributes["SCALE"] = tinygltf::Value(builder.floats(instances.scales, TINYGLTF_TYPE_VEC3, 3));
    tinygltf::Value::Object extension;
    extension["attributes"] = tinygltf::Value(std::move(attributes));
    node.extensions[kInstancing] = tinygltf::Value(std::move(extension));
    builder.node(std::move(node));
  }
}

std::size_t drawnSegments(const Drawing& drawing) {
  return static_cast<std::size_t>(
      std::count_if(drawing.segments.begin(), drawing.segments.end(), IsDrawnSegment));
}

void addCamera(const Drawing& drawing, tinygltf::Model& model, ModelBuilder& builder) {
  const PerspectiveCamera fitted = FitPerspective(drawing, DefaultView(drawing), 4.0 / 3.0);
  tinygltf::Camera camera;
  camera.name = "render camera";
  camera.type = "perspective";
  camera.perspective.yfov = kVerticalFieldOfView * kPi / 180;
  camera.perspective.aspectRatio = 4.0 / 3.0;
  // Near and far wide enough to orbit around the plant and to step back from it (tinygltf
  // writes a far plane of 0, which glTF forbids, unless one is set).
  const Box box = BoundingBox(drawing);
  const Point3 size = box.max - box.min;
  camera.perspective.znear = std::max(fitted.distance * 1e-3, 1e-6);
  camera.perspective.zfar = 100.0 * (fitted.distance + std::sqrt(Dot(size, size))) + 1.0;
  model.cameras.push_back(std::move(camera));

  const Point3 back = mirrored(Normalized(fitted.direction * -1.0));
  const Point3 up = mirrored(Normalized(fitted.up));
  const Quaternion q = fromAxes(Cross(up, back), up, back);
  const Point3 location = mirrored(fitted.location);
  tinygltf::Node node;
  node.name = "render camera";
  node.camera = static_cast<int>(model.cameras.size() - 1);
  node.translation = {location.x, location.y, location.z};
  node.rotation = {q.x, q.y, q.z, q.w};
  builder.node(std::move(node));
}

}  // namespace

std::string GlbBytes(const Drawing& drawing, const Palette& palette, std::string_view title,
                     std::size_t instancingThreshold) {
  tinygltf::Model model;
  model.asset.version = "2.0";
  model.asset.generator = "lsys";
  model.scenes.emplace_back();
  model.scenes[0].name = std::string(title);
  model.defaultScene = 0;
  ModelBuilder builder(model, palette);

  const bool instanced = drawnSegments(drawing) > instancingThreshold;
  const PlantMesh plant = BuildPlantMesh(
      drawing, palette, instanced ? MeshParts::kLeavesOnly : MeshParts::kStemsAndLeaves);
  if (!plant.groups.empty()) {
    tinygltf::Node node;
    node.name = std::string(title);
    node.mesh = builder.mesh(plant, std::string(title));
    builder.node(std::move(node));
  }
  if (instanced) {
    addInstancedStems(drawing, palette, builder);
    model.extensionsUsed.push_back(kInstancing);
    model.extensionsRequired.push_back(kInstancing);
  }
  if (!BoundingBox(drawing).empty) addCamera(drawing, model, builder);
  if (model.buffers[0].data.empty()) model.buffers.clear();

  std::ostringstream bytes;
  tinygltf::TinyGLTF writer;
  writer.WriteGltfSceneToStream(&model, bytes, false, true);
  return std::move(bytes).str();
}

}  // namespace lsys
