#include "scene/write_pov_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "app/lsystem.h"
#include "common/finite.h"
#include "common/fixed_format.h"
#include "common/output.h"
#include "scene/scene_file.h"

namespace lsys {
namespace {

// Short texts are copied with one copy of a fixed width, which the compiler turns into a few
// moves instead of a library call; the source holds that many bytes and the target has room.
constexpr std::size_t kCopyWidth = 64;

char* copyText(char* at, const char* text, std::size_t length) {
  if (length <= kCopyWidth) {
    // In pieces of 16: one copy of 64 becomes a slow string instruction.
    for (std::size_t piece = 0; piece < kCopyWidth; piece += 16) {
      std::memcpy(at + piece, text + piece, 16);
    }
  } else {
    std::memcpy(at, text, length);
  }
  return at + length;
}

template <std::size_t N>
char* copyLiteral(char* at, const char (&literal)[N]) {
  std::memcpy(at, literal, N - 1);
  return at + N - 1;
}

// The "%f" text of one turtle point as the scene vector "<y,z,-x>", formatted once and written
// as often as the scene repeats the point. The x is negated as a float, so 0 prints as
// -0.000000.
class PointText {
 public:
  PointText() = default;
  explicit PointText(const Vector3f& p) { set(p); }

  void set(const Vector3f& p) {
    negativeZeros_ = 0;
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
  char* copyTo(char* at) const { return copyText(at, text_, length_); }

  // Whether both print as the same numbers, reading -0.000000 as 0.000000.
  bool printsLike(const PointText& other) const {
    // Without a -0.000000 the texts are equal exactly when their numbers are.
    if ((negativeZeros_ | other.negativeZeros_) == 0) return text() == other.text();
    for (int i = 0; i < 3; ++i) {
      if (unsigned_(i) != other.unsigned_(i)) return false;
    }
    return true;
  }

 private:
  char* component(int index, float value, char* at) {
    componentStart_[index] = static_cast<std::uint8_t>(at - text_);
    char* end = FormatFixedFloat(value, at);
    componentLength_[index] = static_cast<std::uint8_t>(end - at);
    if (FixedFloatReadsNegativeZero(value)) negativeZeros_ |= 1u << index;
    return end;
  }

  // One component's text, without the sign when it reads -0.000000.
  std::string_view unsigned_(int index) const {
    std::string_view number(text_ + componentStart_[index], componentLength_[index]);
    if ((negativeZeros_ >> index) & 1u) number.remove_prefix(1);
    return number;
  }

  char text_[3 * kFixedFloatBufferSize + 4];
  std::size_t length_ = 0;
  std::uint8_t componentStart_[3] = {};
  std::uint8_t componentLength_[3] = {};
  unsigned negativeZeros_ = 0;  // bit i: component i reads -0.000000
};
static_assert(3 * kFixedFloatBufferSize + 4 >= kCopyWidth, "a point text is copied whole");

constexpr char kWhite[] = "\npigment {color red 1 green 1 blue 1}\n}\n";

// The same bits print the same text; equal values need not (0 and -0 print differently), so
// points are compared bit for bit.
bool sameBits(const Vector3f& a, const Vector3f& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;  // NOLINT(bugprone-suspicious-memory-comparison)
}

// Whether the points certainly print differently. Two values with the same "%f" text are both
// within half a millionth of it, so a component more than two millionths apart (with room for
// the rounding of the difference) prints differently, and the texts need no comparison.
bool clearlyApart(const Vector3f& a, const Vector3f& b) {
  constexpr double kApart = 2e-6;
  return std::fabs(static_cast<double>(a.x) - static_cast<double>(b.x)) > kApart ||
         std::fabs(static_cast<double>(a.y) - static_cast<double>(b.y)) > kApart ||
         std::fabs(static_cast<double>(a.z) - static_cast<double>(b.z)) > kApart;
}

// Writes the cones and spheres. A cone's start is most often the previous cone's end, and the
// sphere repeats the end: the text of the last end point is kept and reused. Each segment is
// assembled in place in the output's buffer.
class SegmentWriter {
 public:
  explicit SegmentWriter(Output& out) : out_(out) {}

  void write(const Segment& segment) {
    // The renderer cannot read inf or nan: such a segment is left out whole.
    if (!IsFiniteSegment(segment)) return;
    char* at = out_.reserve(kLongestSegmentText + kCopyWidth);
    if (at == nullptr) return;  // the text is dropped anyway
    const bool startIsLastEnd = hasLastEnd_ && sameBits(segment.start, lastEnd_);
    // The last end's text becomes this start's; the other text is formatted anew.
    if (startIsLastEnd) {
      endSlot_ ^= 1u;
    } else {
      points_[endSlot_ ^ 1u].set(segment.start);
    }
    const PointText& start = points_[endSlot_ ^ 1u];
    PointText& end = points_[endSlot_];
    end.set(segment.end);
    lastEnd_ = segment.end;
    hasLastEnd_ = true;

    // A cone whose two ends coincide is degenerate and stops the renderer; its sphere stays.
    if (clearlyApart(segment.start, segment.end) || !start.printsLike(end)) {
      at = copyLiteral(at, "cone {\n");
      at = start.copyTo(at);
      *at++ = ',';
      at = radii_.write(segment.startRadius, at);
      *at++ = '\n';
      at = end.copyTo(at);
      *at++ = ',';
      at = radii_.write(segment.endRadius, at);
      at = copyLiteral(at, kWhite);
    }
    at = copyLiteral(at, "sphere {\n");
    at = end.copyTo(at);
    *at++ = ',';
    at = radii_.write(segment.endRadius, at);
    at = copyLiteral(at, kWhite);
    out_.commit(at);
  }

 private:
  // A cone and a sphere with the longest numbers: three point texts, three radii, literals.
  static constexpr std::size_t kLongestSegmentText =
      3 * (3 * kFixedFloatBufferSize + 4) + 3 * kFixedFloatBufferSize + 2 * sizeof kWhite + 32;
  static_assert(kLongestSegmentText + kCopyWidth <= Output::kReservable, "a segment fits");

  Output& out_;
  // The texts of this segment's start and end; endSlot_ picks the end.
  PointText points_[2];
  unsigned endSlot_ = 0;
  FixedFloatTexts radii_;  // a plant keeps its width over many segments
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
    if (!IsFinitePoint(v)) return;  // the renderer cannot read it: left out whole
    sumX += v.x;
    sumY += v.y;
    sumZ += v.z;
  }
  const float n = static_cast<float>(polygon.vertices.size());
  const Vector3f centre{sumX / n, sumY / n, sumZ / n};
  if (!IsFinitePoint(centre)) return;  // the sums overflowed

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

}  // namespace

void WritePovScene(const LSystem& lsystem, Output& out) {
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

namespace {

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
    WritePovScene(lsystem, out);
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
