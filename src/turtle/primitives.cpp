#include "turtle/primitives.h"

namespace lsys {

void Polygon::addVertex(const Vector3f& point) {
  vertices.append(std::make_shared<Vector3f>(point));
}

}  // namespace lsys
