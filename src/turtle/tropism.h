// The dialect's tropism: before each move the turtle's frame bends towards a tropism vector,
// by an angle that grows with how far the heading is from it (the elasticity times
// |heading x tropism|), so branches droop under gravity or turn to the light.
#pragma once

#include <array>

#include "common/vector_math.h"

namespace lsys {

class Turtle;

// The picture-frame vector (y up, as written after "tropism=") in the turtle's frame (z up):
// the picture's (a, b, c) is the turtle's (-c, a, b).
Vector3 TurtleFrameVector(const std::array<double, 3>& picture);

// Turns the turtle's whole frame about heading x tropism by elasticity * |heading x tropism|
// radians, which moves the heading towards the tropism for a positive elasticity. Nothing
// turns when |heading x tropism| is below 1e-9 (the heading is along the tropism).
void BendTowards(Turtle& turtle, const Vector3& tropism, double elasticity);

}  // namespace lsys
