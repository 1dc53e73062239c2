#include "scene/write_pov_file.h"

#include <cstdio>

#include "app/console.h"
#include "app/lsystem.h"

namespace lsys {
namespace {

// Collects the scene text and hands it to the file in large pieces, remembering any failure.
class SceneOutput {
 public:
  explicit SceneOutput(std::FILE* file) : file_(file) {}

  void text(const char* literal) { buffer_ += literal; }
  void number(float value) { appendFixed(buffer_, static_cast<double>(value)); }
  void number(double value) { appendFixed(buffer_, value); }

  // The turtle point (x, y, z) as the scene vector <y,z,-x>; the x is negated as a float, so
  // 0 prints as -0.000000.
  void point(const Vector3f& p) {
    text("<");
    number(p.y);
    text(",");
    number(p.z);
    text(",");
    number(-p.x);
    text(">");
  }

  // A point followed by ",radius".
  void pointAndRadius(const Vector3f& p, float radius) {
    point(p);
    text(",");
    number(radius);
  }

  void flushIfLarge() {
    if (buffer_.size() >= (1u << 16)) flush();
  }

  void flush() {
    if (!buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
      failed_ = true;
    }
    buffer_.clear();
  }

  bool failed() const { return failed_; }

 private:
  std::FILE* file_;
  std::string buffer_;
  bool failed_ = false;
};

void writeSegment(SceneOutput& out, const Segment& segment) {
  out.text("cone {\n");
  out.pointAndRadius(segment.start, segment.startRadius);
  out.text("\n");
  out.pointAndRadius(segment.end, segment.endRadius);
  out.text("\npigment {color red 1 green 1 blue 1}\n}\n");
  out.text("sphere {\n");
  out.pointAndRadius(segment.end, segment.endRadius);
  out.text("\npigment {color red 1 green 1 blue 1}\n}\n");
}

// A closed fan around the centroid: the first triangle joins the last vertex, the centroid and
// the first vertex.
void writePolygon(SceneOutput& out, const Polygon& polygon) {
  float sumX = 0.0f;
  float sumY = 0.0f;
  float sumZ = 0.0f;
  for (const Vector3f& v : polygon.vertices) {
    sumX += v.x;
    sumY += v.y;
    sumZ += v.z;
  }
  if (polygon.vertices.empty()) return;
  const float n = static_cast<float>(polygon.vertices.size());
  const Vector3f centre{sumX / n, sumY / n, sumZ / n};
  const Vector3f* previous = &polygon.vertices.back();
  for (const Vector3f& vertex : polygon.vertices) {
    const Vector3f* v = &vertex;
    out.text("triangle {\n");
    out.point(*previous);
    out.text(",");
    out.point(centre);
    out.text(",");
    out.point(*v);
    out.text("\npigment { color red ");
    out.number(0.0);
    out.text(" green ");
    out.number(0.95703125);
    out.text(" blue ");
    out.number(0.0);
    out.text("}\n}\n");
    previous = v;
    out.flushIfLarge();
  }
}

void printPathMessage(const char* message, const std::string& path) {
  std::printf("%s", message);
  printText(path);
  std::printf("\n");
}

}  // namespace

bool WritePovFile(const LSystem& lsystem, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) {
    printPathMessage("Can't open file ", path);
    return false;
  }
  SceneOutput out(file);
  out.text("#include \"colors.inc\"\n#include \"shapes.inc\"\n#include \"textures.inc\"\n");
  const double light = static_cast<double>(lsystem.viewDistance) * 2;
  out.text("light_source { <");
  out.number(light);
  out.text(", ");
  out.number(light);
  out.text(", ");
  out.number(light);
  out.text("> color White}\n\n");

  for (const Segment& segment : lsystem.segments) {
    writeSegment(out, segment);
    out.flushIfLarge();
  }
  for (const auto& polygon : lsystem.polygons) writePolygon(out, *polygon);

  out.text("camera {location  <1, ");
  out.number(lsystem.viewHeight);
  out.text(", ");
  out.number(lsystem.viewDistance);
  out.text(">\nlook_at   <0, ");
  out.number(lsystem.viewHeight);
  out.text(",  0>\n}\n");
  out.flush();

  const bool closed = std::fclose(file) == 0;
  if (out.failed() || !closed) {
    printPathMessage("Can't write file ", path);
    return false;
  }
  printPathMessage("PovFile saved as ", path);
  return true;
}

}  // namespace lsys
