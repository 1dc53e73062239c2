// The scene primitives the turtle leaves behind: cone segments and polygon outlines, in
// single-precision turtle coordinates (z is the vertical).
#pragma once

#include <cstdint>

#include "turtle/cursor_list.h"

namespace lsys {

struct Vector3f {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

// One drawn step: a truncated cone from start (radius startRadius) to end (radius endRadius).
struct Segment {
  Vector3f start;
  Vector3f end;
  float endRadius = 0.0f;
  float startRadius = 0.0f;
};

// One outline recorded between '{' and '}'; owns its vertices.
struct Polygon {
  explicit Polygon(std::uint8_t colourIndex) : colour(colourIndex) {}
  Polygon(const Polygon&) = delete;
  Polygon& operator=(const Polygon&) = delete;

  void addVertex(const Vector3f& point);

  CursorList<Vector3f> vertices;
  std::uint8_t colour;
};

}  // namespace lsys
