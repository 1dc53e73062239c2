// Writes repeated leaves (leaf_shapes.h) into the companion's POV-Ray scene: each shape once
// as a declared mesh2, and per leaf palette entry one union of its placements, with the
// entry's texture once.
#pragma once

#include "common/output.h"
#include "companion/picture/leaf_shapes.h"

namespace lsys {

// "#declare LSys_Leaf_Shape_K = mesh2 { ... }" per shape, before the plant is declared.
void WriteLeafShapes(const LeafInstances& instances, Output& out);

// Per entry " union { object { LSys_Leaf_Shape_K matrix <...> } ... texture { LSys_Leaf_N } }"
// (an object when it places one shape), inside the plant.
void WriteLeafPlacements(const LeafInstances& instances, Output& out);

}  // namespace lsys
