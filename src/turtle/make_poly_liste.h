// The turtle interpreter: turns the final generation into segments and polygons and frames the
// drawing for the camera.
#pragma once

namespace lsys {

class LSystem;

// Prints "MakePolyListe\n", walks the current generation once with a fresh turtle, refills
// segments and polygons, and sets viewDistance and viewHeight from the vertical extent.
void MakePolyListe(LSystem& lsystem);

}  // namespace lsys
