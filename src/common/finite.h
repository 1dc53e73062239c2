// Whether numbers headed for a file are finite: a scene, a picture or a mesh cannot hold inf or
// nan, so every writer asks this one question before it writes a point, a segment or a value.
#pragma once

#include <cmath>

namespace lsys {

// Whether every value is a finite number.
template <typename... Number>
bool AllFinite(Number... values) {
  return (std::isfinite(values) && ...);
}

// Whether every coordinate of a point (anything with x, y and z) is finite.
template <typename Point>
bool IsFinitePoint(const Point& p) {
  return AllFinite(p.x, p.y, p.z);
}

// Whether a cone segment (start, end and both radii) is finite throughout.
template <typename Segment>
bool IsFiniteSegment(const Segment& s) {
  return IsFinitePoint(s.start) && IsFinitePoint(s.end) && AllFinite(s.startRadius, s.endRadius);
}

}  // namespace lsys
