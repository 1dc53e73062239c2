#include "companion/picture/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "companion/picture/palette.h"
#include "companion/text/visible_text.h"

namespace lsys {
namespace {

void number(Output& out, double value) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, "%.2f", value);
  if (length > 0) out.text(std::string_view(buffer, static_cast<std::size_t>(length)));
}

// The palette is linear, as POV-Ray takes it; SVG colours are sRGB.
void hexColour(Output& out, const Colour& c) {
  static const char kDigits[] = "0123456789abcdef";
  out.character('#');
  for (double channel : {c.red, c.green, c.blue}) {
    const int byte = ToSrgbByte(channel);
    out.character(kDigits[byte / 16]);
    out.character(kDigits[byte % 16]);
  }
}

// XML text: the five special characters escaped, control characters dropped.
void escaped(Output& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out.text("&amp;");
        break;
      case '<':
        out.text("&lt;");
        break;
      case '>':
        out.text("&gt;");
        break;
      case '"':
        out.text("&quot;");
        break;
      case '\'':
        out.text("&apos;");
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20) out.character(c);
    }
  }
}

struct Painted {
  double depth;
  bool isLeaf;
  std::size_t index;
};

}  // namespace

void WriteSvg(const Drawing& drawing, View view, int width, int height, const Palette& palette,
              std::string_view title, Output& out) {
  const OrthographicFit fit = FitOrthographic(drawing, view, width, height);
  const auto x = [&](Point3 p) { return fit.offsetX + fit.scale * Dot(p, fit.basis.right); };
  const auto y = [&](Point3 p) { return fit.offsetY - fit.scale * Dot(p, fit.basis.up); };
  const auto depth = [&](Point3 p) { return Dot(p, fit.basis.back); };

  std::vector<Painted> order;
  for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
    const Segment& s = drawing.segments[i];
    if (!IsDrawnSegment(s)) continue;
    order.push_back({(depth(ToScene(s.start)) + depth(ToScene(s.end))) / 2, false, i});
  }
  for (std::size_t i = 0; i < drawing.leaves.size(); ++i) {
    if (!IsDrawnLeaf(drawing.leaves[i])) continue;
    order.push_back({depth(Centroid(drawing.leaves[i])), true, i});
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Painted& a, const Painted& b) { return a.depth < b.depth; });

  out.text("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
  out.text("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"");
  out.integer(width);
  out.text("\" height=\"");
  out.integer(height);
  out.text("\" viewBox=\"0 0 ");
  out.integer(width);
  out.character(' ');
  out.integer(height);
  out.text("\">\n<title>");
  escaped(out, VisibleText(title));  // control characters are not allowed in XML
  out.text("</title>\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n");
  out.text("<g stroke-linecap=\"round\">\n");
  for (const Painted& item : order) {
    if (item.isLeaf) {
      const Leaf& leaf = drawing.leaves[item.index];
      out.text("<polygon points=\"");
      for (std::size_t v = 0; v < leaf.outline.size(); ++v) {
        const Point3 p = ToScene(leaf.outline[v]);
        if (v > 0) out.character(' ');
        number(out, x(p));
        out.character(',');
        number(out, y(p));
      }
      // Stroked in its own colour as well, so that leaves which share an edge meet without
      // the hairline of background that antialiasing leaves between two fills.
      const Colour& colour = palette.colourOf(PalettePart::kLeaf, leaf.colour);
      out.text("\" fill=\"");
      hexColour(out, colour);
      out.text("\" stroke=\"");
      hexColour(out, colour);
      out.text("\" stroke-width=\"");
      number(out, kLeafSeamStroke);
      out.text("\" stroke-linejoin=\"round\"/>\n");
      continue;
    }
    const Segment& s = drawing.segments[item.index];
    const Point3 a = ToScene(s.start);
    const Point3 b = ToScene(s.end);
    const double diameter = std::max(s.startRadius, 0.0f) + std::max(s.endRadius, 0.0f);
    out.text("<line x1=\"");
    number(out, x(a));
    out.text("\" y1=\"");
    number(out, y(a));
    out.text("\" x2=\"");
    number(out, x(b));
    out.text("\" y2=\"");
    number(out, y(b));
    out.text("\" stroke-width=\"");
    number(out, std::max(diameter * fit.scale, kMinimumStrokeWidth));
    out.text("\" stroke=\"");
    hexColour(out, palette.colourOf(PalettePart::kStem, drawing.segmentColour(item.index)));
    out.text("\"/>\n");
  }
  out.text("</g>\n</svg>\n");
}

}  // namespace lsys
