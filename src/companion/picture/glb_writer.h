// The drawing as binary glTF 2.0 (GLB) for Blender, three.js and the web, written with
// tinygltf. Frame and units as in plant_mesh.h: y up, metres = turtle units.
//
// Up to kInstancingThreshold drawn segments, the plant is one mesh: the tapered, capped tubes
// and the leaves of BuildPlantMesh, with normals, one primitive and one material per palette
// entry used (leaves double-sided). Above it, every segment is one instance of an open unit tube
// through EXT_mesh_gpu_instancing (translation, rotation and scale: 40 bytes a segment), one
// unit tube per palette entry and taper (the ratio of the thinner end's radius to the thicker
// one's, in sixteenths); the leaves stay one mesh.
//
// A camera node "render camera" holds the camera `lsys render` frames the drawing with in its
// default view at 4:3.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "companion/picture/drawing.h"
#include "companion/picture/palette.h"

namespace lsys {

inline constexpr std::size_t kInstancingThreshold = 65536;

// The bytes of the GLB file. Throws std::bad_alloc when memory runs out.
std::string GlbBytes(const Drawing& drawing, const Palette& palette, std::string_view title,
                     std::size_t instancingThreshold = kInstancingThreshold);

}  // namespace lsys
