#include "companion/picture/line_width.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace lsys {

std::optional<LineWidth> ParseLineWidth(std::string_view text) {
  if (text == "off") return LineWidth{LineWidth::Mode::kOff, 0.0};
  double pixels = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pixels);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  if (!(pixels > 0.0 && pixels <= 1000.0)) return {};
  return LineWidth{LineWidth::Mode::kPixels, pixels};
}

bool DrawsWithDefaultWidthOnly(std::span<const Segment> segments) {
  for (const Segment& segment : segments) {
    if (!IsDrawnSegment(segment)) continue;
    if (segment.startRadius != kDefaultWidth || segment.endRadius != kDefaultWidth) return false;
  }
  return true;
}

std::optional<float> ChosenRadius(const LineWidth& width, std::span<const Segment> segments,
                                  double pixelSize) {
  return ChosenRadius(width, DrawsWithDefaultWidthOnly(segments), pixelSize);
}

std::optional<float> ChosenRadius(const LineWidth& width, bool defaultWidthOnly, double pixelSize) {
  switch (width.mode) {
    case LineWidth::Mode::kOff:
      return {};
    case LineWidth::Mode::kAutomatic:
      if (!defaultWidthOnly) return {};
      return static_cast<float>(kDefaultLineWidth / 2 * pixelSize);
    case LineWidth::Mode::kPixels:
      break;
  }
  return static_cast<float>(width.pixels / 2 * pixelSize);
}

void SetRadii(std::span<Segment> segments, float radius) {
  for (Segment& segment : segments) {
    segment.startRadius = radius;
    segment.endRadius = radius;
  }
}

double PixelSize(const Drawing& drawing, const PerspectiveCamera& camera, int heightPixels) {
  const Box box = BoundingBox(drawing);
  const Point3 middle = box.empty ? camera.location : (box.min + box.max) * 0.5;
  const Point3 direction = Normalized(camera.direction);
  const double distance = std::max(Dot(middle - camera.location, direction), 1e-9);
  const double height = std::sqrt(Dot(camera.up, camera.up)) * distance;
  return height / std::max(heightPixels, 1);
}

}  // namespace lsys
