// The scene primitives the turtle leaves behind: cone segments and polygon outlines, in
// single-precision turtle coordinates (z is the vertical).
#pragma once

#include <cstdint>
#include <vector>

#include "common/vector_math.h"

namespace lsys {

// The width (radius) the turtle draws with until a `!` sets another.
inline constexpr float kDefaultWidth = 0.1f;

// One drawn step: a truncated cone from start (radius startRadius) to end (radius endRadius).
// A plain 32-byte value, stored contiguously in the run record.
struct Segment {
  Vector3f start;
  Vector3f end;
  float endRadius = 0.0f;
  float startRadius = 0.0f;
};
static_assert(sizeof(Segment) == 32, "segments are stored as flat 32-byte values");

// One outline recorded between '{' and '}': its vertices in recording order, in one array, and
// the colour index in force when '{' opened it. The run record holds polygons through shared
// pointers to const, because a repeated '}' appends the same outline again.
struct Polygon {
  std::vector<Vector3f> vertices;
  std::uint8_t colour = 0;
};

}  // namespace lsys
