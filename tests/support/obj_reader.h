// A small reader of the OBJ files that `lsys export` writes, for checking them as a mesh
// program would load them: vertices, faces with their 1-based indices, and the group of each
// face.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct ObjMesh {
  std::size_t vertexCount = 0;
  struct Face {
    std::string group;
    std::vector<long> indices;  // as written, 1-based
  };
  std::vector<Face> faces;
  std::vector<std::string> errors;  // lines that are neither v, f, g nor a comment

  // Whether every index of every face names a vertex.
  bool indicesInRange() const {
    for (const Face& face : faces) {
      for (long index : face.indices) {
        if (index < 1 || static_cast<std::size_t>(index) > vertexCount) return false;
      }
    }
    return true;
  }

  // Whether the faces of the group form closed, consistently wound surfaces: every directed
  // edge appears once and its reverse once.
  bool closed(const std::string& group) const {
    std::map<std::pair<long, long>, int> edges;
    for (const Face& face : faces) {
      if (face.group != group) continue;
      for (std::size_t i = 0; i < face.indices.size(); ++i) {
        ++edges[{face.indices[i], face.indices[(i + 1) % face.indices.size()]}];
      }
    }
    for (const auto& [edge, count] : edges) {
      const auto reverse = edges.find({edge.second, edge.first});
      if (count != 1 || reverse == edges.end() || reverse->second != 1) return false;
    }
    return true;
  }

  std::size_t facesIn(const std::string& group) const {
    std::size_t count = 0;
    for (const Face& face : faces) count += face.group == group ? 1 : 0;
    return count;
  }
};

inline ObjMesh ReadObj(const std::string& text) {
  ObjMesh mesh;
  std::istringstream lines(text);
  std::string line;
  std::string group;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind.empty() || kind[0] == '#') continue;
    if (kind == "v") {
      double x, y, z;
      if (words >> x >> y >> z) {
        ++mesh.vertexCount;
      } else {
        mesh.errors.push_back(line);
      }
    } else if (kind == "f") {
      ObjMesh::Face face{group, {}};
      long index;
      while (words >> index) face.indices.push_back(index);
      if (face.indices.size() < 3) mesh.errors.push_back(line);
      mesh.faces.push_back(face);
    } else if (kind == "g") {
      words >> group;
    } else {
      mesh.errors.push_back(line);
    }
  }
  return mesh;
}

}  // namespace testing_support
