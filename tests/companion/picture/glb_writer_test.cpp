// The GLB read back by tinygltf: one mesh with a primitive and material per palette entry up to
// the instancing threshold, unit tubes placed by EXT_mesh_gpu_instancing above it (each
// instance spanning its segment, at 64 bytes a segment or less), and the render's camera.
#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "companion/picture/glb_writer.h"
#include "companion/picture/palette.h"
#include "companion/picture/plant_mesh.h"

namespace lsys {
namespace {

using Vec = std::array<double, 3>;

tinygltf::Model read(const std::string& bytes) {
  tinygltf::Model model;
  tinygltf::TinyGLTF reader;
  std::string error, warning;
  const bool loaded = reader.LoadBinaryFromMemory(
      &model, &error, &warning, reinterpret_cast<const unsigned char*>(bytes.data()),
      static_cast<unsigned int>(bytes.size()));
  EXPECT_TRUE(loaded) << error;
  EXPECT_EQ(error, "");
  return model;
}

// The accessor's floats, n to an element.
std::vector<float> floatsOf(const tinygltf::Model& model, int index) {
  const auto& accessor = model.accessors[index];
  const auto& view = model.bufferViews[accessor.bufferView];
  const int n = tinygltf::GetNumComponentsInType(accessor.type);
  const std::size_t stride = view.byteStride ? view.byteStride : n * sizeof(float);
  std::vector<float> values;
  for (std::size_t k = 0; k < accessor.count; ++k) {
    const unsigned char* at =
        model.buffers[view.buffer].data.data() + view.byteOffset + accessor.byteOffset + k * stride;
    for (int c = 0; c < n; ++c) {
      float value;
      std::memcpy(&value, at + c * sizeof(float), sizeof value);
      values.push_back(value);
    }
  }
  return values;
}

// Two drawn segments (the second one tapering to a point and of another colour) and a leaf.
struct Sample {
  std::vector<Segment> segments = {{{0, 0, 0}, {0, 0, 2}, 0.1f, 0.2f},
                                   {{0, 0, 2}, {1, 1, 3}, 0.0f, 0.1f}};
  std::vector<std::uint8_t> colours = {0, 3};
  std::vector<Vector3f> leaf = {{0, 0, 2}, {0, 1, 2.5f}, {0, 0.5f, 3}, {0, -0.5f, 2.8f}};
  Drawing view() const {
    Drawing d;
    d.segments = segments;
    d.segmentColours = colours;
    d.leaves = {{leaf, 2}};
    return d;
  }
};

TEST(GlbBytes, ASmallPlantIsOneMeshWithAPrimitiveAndMaterialPerPaletteEntry) {
  const Sample sample;
  const tinygltf::Model model = read(GlbBytes(sample.view(), Palette::Categorical(), "sample"));
  EXPECT_TRUE(model.extensionsUsed.empty());
  ASSERT_EQ(model.meshes.size(), 1u);
  const auto& primitives = model.meshes[0].primitives;
  ASSERT_EQ(primitives.size(), 3u);
  const std::vector<std::string> names = {"stem_0", "stem_3", "leaf_2"};
  const Palette palette = Palette::Categorical();
  const std::vector<Colour> colours = {palette.colourOf(PalettePart::kStem, 0),
                                       palette.colourOf(PalettePart::kStem, 3),
                                       palette.colourOf(PalettePart::kLeaf, 2)};
  for (std::size_t k = 0; k < 3; ++k) {
    const auto& material = model.materials[primitives[k].material];
    EXPECT_EQ(material.name, names[k]);
    EXPECT_EQ(material.doubleSided, k == 2) << names[k];
    const auto& factor = material.pbrMetallicRoughness.baseColorFactor;
    EXPECT_EQ(factor,
              (std::vector<double>{colours[k].red, colours[k].green, colours[k].blue, 1.0}));
  }
  // The first tube's two rings, the apex, and the leaf's four corners and centre.
  const auto positions = floatsOf(model, primitives[0].attributes.at("POSITION"));
  const auto normals = floatsOf(model, primitives[0].attributes.at("NORMAL"));
  EXPECT_EQ(positions.size(), 3u * (2 * kStemSides + 1 + 5));
  ASSERT_EQ(normals.size(), positions.size());
  for (std::size_t k = 0; k < normals.size(); k += 3) {
    EXPECT_NEAR(std::hypot(normals[k], normals[k + 1], normals[k + 2]), 1.0, 1e-6);
  }
  // y is up: the plant, 3 units tall in the turtle's z, spans y from 0 to 3.
  float low = 1e9f, high = -1e9f;
  for (std::size_t k = 1; k < positions.size(); k += 3) {
    low = std::min(low, positions[k]);
    high = std::max(high, positions[k]);
  }
  EXPECT_FLOAT_EQ(low, 0.0f);
  EXPECT_FLOAT_EQ(high, 3.0f);
  // The render's camera: 30 degrees high, looking at the front (+z) of the plant.
  ASSERT_EQ(model.cameras.size(), 1u);
  EXPECT_NEAR(model.cameras[0].perspective.yfov, 30 * 3.14159265358979 / 180, 1e-9);
  const auto camera = std::find_if(model.nodes.begin(), model.nodes.end(),
                                   [](const tinygltf::Node& node) { return node.camera == 0; });
  ASSERT_NE(camera, model.nodes.end());
  EXPECT_GT(camera->translation[2], 3.0);
}

// The quaternion's rotation of v.
Vec rotate(const std::vector<float>& q, std::size_t at, Vec v) {
  const Vec u{q[at], q[at + 1], q[at + 2]};
  const double w = q[at + 3];
  const Vec t{2 * (u[1] * v[2] - u[2] * v[1]), 2 * (u[2] * v[0] - u[0] * v[2]),
              2 * (u[0] * v[1] - u[1] * v[0])};
  return {v[0] + w * t[0] + u[1] * t[2] - u[2] * t[1], v[1] + w * t[1] + u[2] * t[0] - u[0] * t[2],
          v[2] + w * t[2] + u[0] * t[1] - u[1] * t[0]};
}

TEST(GlbBytes, AboveTheThresholdEachSegmentIsAnInstanceSpanningIt) {
  const Sample sample;
  const tinygltf::Model model = read(GlbBytes(sample.view(), Palette::Categorical(), "sample", 1));
  EXPECT_EQ(model.extensionsUsed, std::vector<std::string>{"EXT_mesh_gpu_instancing"});
  // (base, tip, radius of the base) of every instance, rounded to thousandths
  std::set<std::array<long, 7>> spans;
  for (const auto& node : model.nodes) {
    const auto found = node.extensions.find("EXT_mesh_gpu_instancing");
    if (found == node.extensions.end()) continue;
    const auto& attributes = found->second.Get("attributes");
    const auto t = floatsOf(model, attributes.Get("TRANSLATION").GetNumberAsInt());
    const auto r = floatsOf(model, attributes.Get("ROTATION").GetNumberAsInt());
    const auto s = floatsOf(model, attributes.Get("SCALE").GetNumberAsInt());
    for (std::size_t k = 0; k * 3 < t.size(); ++k) {
      const Vec up = rotate(r, 4 * k, {0, s[3 * k + 1], 0});
      std::array<long, 7> span;
      for (int c = 0; c < 3; ++c) {
        span[c] = std::lround(1000 * t[3 * k + c]);
        span[3 + c] = std::lround(1000 * (t[3 * k + c] + up[c]));
      }
      span[6] = std::lround(1000 * s[3 * k]);
      spans.insert(span);
    }
  }
  // turtle (0,0,0)-(0,0,2) is (0,0,0)-(0,2,0) with y up; (0,0,2)-(1,1,3) is (0,2,0)-(-1,3,-1)
  const std::set<std::array<long, 7>> expected = {{0, 0, 0, 0, 2000, 0, 200},
                                                  {0, 2000, 0, -1000, 3000, -1000, 100}};
  EXPECT_EQ(spans, expected);
  // The leaf is still a mesh of its own.
  EXPECT_EQ(std::count_if(model.nodes.begin(), model.nodes.end(),
                          [](const tinygltf::Node& node) { return node.mesh >= 0; }),
            3);  // the leaf, and two unit tubes: one tapering to a half, one to a point
}

TEST(GlbBytes, ALargePlantTakesAtMost64BytesASegment) {
  std::vector<Segment> segments;
  for (int k = 0; k < 70000; ++k) {
    const auto x = static_cast<float>(k % 300), y = static_cast<float>(k / 300);
    segments.push_back({{x, y, 0}, {x, y + 0.5f, 1}, 0.05f, 0.1f});
  }
  Drawing drawing;
  drawing.segments = segments;
  const std::string bytes = GlbBytes(drawing, Palette::Natural(), "many");
  EXPECT_LE(bytes.size(), 64u * segments.size());
  const tinygltf::Model model = read(bytes);
  std::size_t instances = 0;
  for (const auto& node : model.nodes) {
    const auto found = node.extensions.find("EXT_mesh_gpu_instancing");
    if (found == node.extensions.end()) continue;
    instances +=
        model.accessors[found->second.Get("attributes").Get("SCALE").GetNumberAsInt()].count;
  }
  EXPECT_EQ(instances, segments.size());
}

TEST(GlbBytes, NothingDrawnIsAnEmptySceneStillReadable) {
  const tinygltf::Model model = read(GlbBytes(Drawing{}, Palette::Natural(), "empty"));
  EXPECT_TRUE(model.meshes.empty());
  EXPECT_TRUE(model.cameras.empty());
}

}  // namespace
}  // namespace lsys
