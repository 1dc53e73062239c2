// A turtle point by its exact bits, for finding joints: the turtle hands a branch the very
// position where its parent ended, so joints are found by equality, not by distance.
#pragma once

#include <cstdint>
#include <cstring>

#include "common/vector_math.h"

namespace lsys {

struct PointKey {
  std::uint32_t x, y, z;
  bool operator==(const PointKey&) const = default;
};

inline PointKey KeyOf(const Vector3f& p) {
  PointKey key{};
  // +0 and -0 are one point.
  const float x = p.x + 0.0f, y = p.y + 0.0f, z = p.z + 0.0f;
  std::memcpy(&key.x, &x, 4);
  std::memcpy(&key.y, &y, 4);
  std::memcpy(&key.z, &z, 4);
  return key;
}

struct PointKeyHash {
  std::size_t operator()(const PointKey& key) const {
    std::uint64_t h = key.x * 0x9E3779B97F4A7C15ull;
    h ^= (h >> 29) + key.y * 0xC2B2AE3D27D4EB4Full;
    h ^= (h >> 31) + key.z * 0x165667B19E3779F9ull;
    return static_cast<std::size_t>(h ^ (h >> 32));
  }
};

}  // namespace lsys
