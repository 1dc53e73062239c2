// The POV-Ray scene writer.
#pragma once

#include <string>

namespace lsys {

class LSystem;
class Output;

// Writes the scene: include header, a light at twice viewDistance, a cone and an end sphere per
// segment, a closed triangle fan per polygon, and the camera; turtle points (x, y, z) are
// written as <y, z, -x>. Prints "PovFile saved as %s\n" and returns true when the whole file
// was written; prints "Can't open file %s\n" or "Can't write file %s\n" and returns false
// otherwise.
bool WritePovFile(const LSystem& lsystem, const std::string& path);

// The scene's text alone, as WritePovFile writes it, into the output (which reports nothing).
void WritePovScene(const LSystem& lsystem, Output& out);

}  // namespace lsys
