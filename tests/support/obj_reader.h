// A small reader of the OBJ files that `lsys export` writes, for checking them as a mesh
// program would load them: vertices and normals, faces with their 1-based indices (a corner
// "v//vn" counts by its vertex, and must name the normal of the same number), and the group and
// material of each face.
#pragma once

#include <array>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct ObjMesh {
  std::size_t vertexCount = 0;
  std::vector<std::array<double, 3>> positions, normals;
  std::vector<std::string> materialLibraries;
  struct Face {
    std::string group;
    std::vector<long> indices;  // as written, 1-based
    std::string material;       // of the last usemtl before it
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

  // The face's normal by the right-hand rule over its first three corners (not normalised).
  std::array<double, 3> faceNormal(const Face& face) const {
    const auto& a = positions[face.indices[0] - 1];
    const auto& b = positions[face.indices[1] - 1];
    const auto& c = positions[face.indices[2] - 1];
    const std::array<double, 3> u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const std::array<double, 3> v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
  }

  // Faces whose corners span no area: repeated vertices or corners on one line.
  std::size_t degenerateFaces() const {
    std::size_t count = 0;
    for (const Face& face : faces) {
      const auto n = faceNormal(face);
      count += std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]) > 1e-12 ? 0 : 1;
    }
    return count;
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
  std::string group, material;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind.empty() || kind[0] == '#') continue;
    if (kind == "v" || kind == "vn") {
      std::array<double, 3> p;
      if (words >> p[0] >> p[1] >> p[2]) {
        (kind == "v" ? mesh.positions : mesh.normals).push_back(p);
      } else {
        mesh.errors.push_back(line);
      }
    } else if (kind == "f") {
      ObjMesh::Face face{group, {}, material};
      std::string corner;
      while (words >> corner) {
        const std::size_t slashes = corner.find("//");
        const long index = std::stol(corner.substr(0, slashes));
        face.indices.push_back(index);
        if (slashes != std::string::npos && std::stol(corner.substr(slashes + 2)) != index) {
          mesh.errors.push_back(line);
        }
      }
      if (face.indices.size() < 3) mesh.errors.push_back(line);
      mesh.faces.push_back(face);
    } else if (kind == "g") {
      words >> group;
    } else if (kind == "usemtl") {
      words >> material;
    } else if (kind == "mtllib") {
      std::string library;
      words >> library;
      mesh.materialLibraries.push_back(library);
    } else {
      mesh.errors.push_back(line);
    }
  }
  mesh.vertexCount = mesh.positions.size();
  if (!mesh.normals.empty() && mesh.normals.size() != mesh.positions.size()) {
    mesh.errors.push_back("a normal for every vertex");
  }
  return mesh;
}

}  // namespace testing_support
