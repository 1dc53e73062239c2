// Writes every flat part of the plan, the strips of thin segments (strip_plan.h) and the fans
// of the leaves, as one POV-Ray mesh2 whose faces name their palette entry's declared texture
// through a texture_list. One mesh for the whole plant matters: POV-Ray bounds a mesh with a
// tree of its own, but objects that overlap each other (one per palette entry, each spanning
// the plant) make every ray test them all; on the book's bush one mesh traces 3x faster than
// one per entry.
#pragma once

#include "common/output.h"
#include "companion/picture/scene_plan.h"

namespace lsys {

// Whether the plan has strips or leaves to write.
bool HasSurfaces(const ScenePlan& plan);

// Writes " mesh2 { ... }" and a line feed, with the textures LSys_Stem_N and LSys_Leaf_N of
// the entries; the plan must have surfaces.
void WriteSurfaceMesh(const ScenePlan& plan, Output& out);

}  // namespace lsys
