// The drawing as a Wavefront OBJ mesh for Blender, MeshLab and the like, with its materials in
// an MTL file beside it: the mesh of plant_mesh.h (tapered tubes sharing their rings along a
// branch, leaves as fans), its vertex normals, the stems in group `stems` and the leaves in
// group `leaves`, each face under `usemtl` of its palette entry (stem_N, leaf_N).
#pragma once

#include <string>
#include <string_view>

#include "common/output.h"
#include "companion/picture/plant_mesh.h"

namespace lsys {

// The material name of a group: "stem_3", "leaf_0".
std::string MaterialName(const MeshGroup& group);

// Writes the OBJ; materialLibrary is the file name of the MTL file, relative to the OBJ's
// folder, or empty for none.
void WriteObj(const PlantMesh& mesh, std::string_view title, std::string_view materialLibrary,
              Output& out);

// Writes one material for each group of the mesh, its diffuse colour from the palette.
void WriteMtl(const PlantMesh& mesh, const Palette& palette, std::string_view title, Output& out);

}  // namespace lsys
