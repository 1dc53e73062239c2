#include "scene/write_pov_file.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>

#include "app/lsystem.h"
#include "common/fixed_format.h"
#include "common/output.h"
#include "scene/scene_file.h"

namespace lsys {
namespace {

// The "%f" text of one turtle point as the scene vector "<y,z,-x>", formatted once and written
// as often as the scene repeats the point. The x is negated as a float, so 0 prints as
// -0.000000.
class PointText {
 public:
  PointText() = default;
  explicit PointText(const Vector3f& p) { set(p); }

  void set(const Vector3f& p) {
    char* at = text_;
    *at++ = '<';
    at = component(0, p.y, at);
    *at++ = ',';
    at = component(1, p.z, at);
    *at++ = ',';
    at = component(2, -p.x, at);
    *at++ = '>';
    length_ = static_cast<std::size_t>(at - text_);
  }

  std::string_view text() const { return {text_, length_}; }

  // Whether both print as the same numbers, reading -0.000000 as 0.000000.
  bool printsLike(const PointText& other) const {
    for (int i = 0; i < 3; ++i) {
      if (unsigned_(i) != other.unsigned_(i)) return false;
    }
    return true;
  }

 private:
  char* component(int index, float value, char* at) {
    componentStart_[index] = static_cast<std::size_t>(at - text_);
    char* end = FormatFixedFloat(value, at);
    componentLength_[index] = static_cast<std::size_t>(end - at);
    return end;
  }

  // One component's text, without the sign when it reads -0.000000.
  std::string_view unsigned_(int index) const {
    std::string_view number(text_ + componentStart_[index], componentLength_[index]);
    if (number == "-0.000000") number.remove_prefix(1);
    return number;
  }

  char text_[3 * kFixedFloatBufferSize + 4];
  std::size_t length_ = 0;
  std::size_t componentStart_[3] = {};
  std::size_t componentLength_[3] = {};
};

constexpr char kWhite[] = "\npigment {color red 1 green 1 blue 1}\n}\n";

bool isFinite(const Vector3f& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// Writes the cones and spheres. A cone's start is most often the previous cone's end, and the
// sphere repeats the end: the text of the last end point is kept and reused.
class SegmentWriter {
 public:
  explicit SegmentWriter(Output& out) : out_(out) {}

  void write(const Segment& segment) {
    // The renderer cannot read inf or nan: such a segment is left out whole.
    if (!isFinite(segment.start) || !isFinite(segment.end) || !std::isfinite(segment.startRadius) ||
        !std::isfinite(segment.endRadius)) {
      return;
    }
    const bool startIsLastEnd =
        hasLastEnd_ && std::memcmp(&segment.start, &lastEnd_, sizeof lastEnd_) == 0;
    if (startIsLastEnd) {
      std::swap(start_, end_);
    } else {
      start_.set(segment.start);
    }
    end_.set(segment.end);
    lastEnd_ = segment.end;
    hasLastEnd_ = true;

    // A cone whose two ends coincide is degenerate and stops the renderer; its sphere stays.
    if (!start_.printsLike(end_)) {
      out_.text("cone {\n");
      out_.text(start_.text());
      out_.character(',');
      out_.fixed(segment.startRadius);
      out_.character('\n');
      out_.text(end_.text());
      out_.character(',');
      out_.fixed(segment.endRadius);
      out_.text(kWhite);
    }
    out_.text("sphere {\n");
    out_.text(end_.text());
    out_.character(',');
    out_.fixed(segment.endRadius);
    out_.text(kWhite);
  }

 private:
  Output& out_;
  PointText start_;
  PointText end_;
  Vector3f lastEnd_;
  bool hasLastEnd_ = false;
};

// A closed fan around the centroid: the first triangle joins the last vertex, the centroid and
// the first vertex. Each vertex and the centroid are formatted once.
void writePolygon(Output& out, const Polygon& polygon) {
  if (polygon.vertices.empty()) return;
  float sumX = 0.0f;
  float sumY = 0.0f;
  float sumZ = 0.0f;
  for (const Vector3f& v : polygon.vertices) {
    if (!isFinite(v)) return;  // the renderer cannot read it: left out whole
    sumX += v.x;
    sumY += v.y;
    sumZ += v.z;
  }
  const float n = static_cast<float>(polygon.vertices.size());
  const Vector3f centre{sumX / n, sumY / n, sumZ / n};
  if (!isFinite(centre)) return;  // the sums overflowed

  const PointText centreText(centre);
  const PointText lastText(polygon.vertices.back());
  PointText previous = lastText;
  PointText current;
  const std::size_t count = polygon.vertices.size();
  for (std::size_t i = 0; i < count; ++i) {
    // The last vertex closes the fan; its text is the one the first triangle began with.
    if (i + 1 < count) current.set(polygon.vertices[i]);
    const PointText& vertex = i + 1 < count ? current : lastText;
    out.text("triangle {\n");
    out.text(previous.text());
    out.character(',');
    out.text(centreText.text());
    out.character(',');
    out.text(vertex.text());
    out.text("\npigment { color red 0.000000 green 0.957031 blue 0.000000}\n}\n");
    previous = vertex;
  }
}

void writeScene(Output& out, const LSystem& lsystem) {
  out.text("#include \"colors.inc\"\n#include \"shapes.inc\"\n#include \"textures.inc\"\n");
  const double light = static_cast<double>(lsystem.viewDistance) * 2;
  std::string lightText;
  {
    Output lightOut = Output::ToString(lightText);
    lightOut.fixed(light);
  }
  out.text("light_source { <");
  out.text(lightText);
  out.text(", ");
  out.text(lightText);
  out.text(", ");
  out.text(lightText);
  out.text("> color White}\n\n");

  SegmentWriter segments(out);
  for (const Segment& segment : lsystem.segments) segments.write(segment);
  for (const auto& polygon : lsystem.polygons) writePolygon(out, *polygon);

  out.text("camera {location  <1, ");
  out.fixed(lsystem.viewHeight);
  out.text(", ");
  out.fixed(lsystem.viewDistance);
  out.text(">\nlook_at   <0, ");
  out.fixed(lsystem.viewHeight);
  out.text(",  0>\n}\n");
}

void reportPath(Output& console, std::string_view message, const std::string& path) {
  console.text(message);
  console.text(path);
  console.character('\n');
}

}  // namespace

bool WritePovFile(const LSystem& lsystem, const std::string& path) {
  Output& console = lsystem.console();
  std::optional<SceneFile> file = SceneFile::Open(path);
  if (!file) {
    reportPath(console, "Can't open file ", path);
    return false;
  }
  bool written;
  {
    Output out = Output::ToDescriptor(file->descriptor());
    writeScene(out, lsystem);
    written = out.flush();
  }
  if (!file->commit(written)) {
    reportPath(console, "Can't write file ", path);
    return false;
  }
  reportPath(console, "PovFile saved as ", path);
  return true;
}

}  // namespace lsys
