#include "companion/picture/palette.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace lsys {
namespace {

// A colour written as sRGB bytes, the way people pick them.
struct Srgb {
  int red, green, blue;
};

Colour linear(Srgb c) { return {FromSrgbByte(c.red), FromSrgbByte(c.green), FromSrgbByte(c.blue)}; }

// An anchor of a graded list: the entry index and its colour. Entries between two anchors are
// blended in sRGB, so neighbouring indices are neighbouring shades.
struct Anchor {
  std::size_t index;
  Srgb colour;
};

std::vector<Colour> graded(const std::vector<Anchor>& anchors, const std::vector<Srgb>& flowers) {
  std::vector<Colour> list;
  for (std::size_t a = 0; a + 1 < anchors.size(); ++a) {
    const Anchor& from = anchors[a];
    const Anchor& to = anchors[a + 1];
    const std::size_t last = a + 2 == anchors.size() ? to.index : to.index - 1;
    for (std::size_t i = from.index; i <= last; ++i) {
      const double t =
          static_cast<double>(i - from.index) / static_cast<double>(to.index - from.index);
      const auto mix = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
      list.push_back(
          linear({mix(from.colour.red, to.colour.red), mix(from.colour.green, to.colour.green),
                  mix(from.colour.blue, to.colour.blue)}));
    }
  }
  for (const Srgb& flower : flowers) list.push_back(linear(flower));
  return list;
}

// Stems: bark at 0, olive bark by 10, a green shoot by 16, fresh green by 23.
const std::vector<Anchor> kStemAnchors = {
    {0, {92, 60, 32}}, {10, {104, 90, 44}}, {16, {80, 112, 44}}, {23, {96, 150, 56}}};
// Leaves: deep leaf green at 0 to a light yellow-green at 23.
const std::vector<Anchor> kLeafAnchors = {
    {0, {46, 104, 34}}, {12, {70, 140, 44}}, {23, {150, 186, 70}}};
// Flower colours: the stamens and petals of the book's flowering plants.
const std::vector<Srgb> kStemFlowers = {{242, 204, 58},  {245, 166, 35}, {224, 74, 58},
                                        {232, 122, 168}, {176, 74, 200}, {244, 241, 232},
                                        {106, 126, 224}, {128, 40, 60}};
const std::vector<Srgb> kLeafFlowers = {{244, 241, 232}, {240, 168, 192}, {224, 74, 58},
                                        {242, 204, 58},  {176, 74, 200},  {106, 126, 224},
                                        {245, 166, 35},  {200, 30, 60}};

std::string_view trimmed(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = line.find_last_not_of(" \t\r");
  return line.substr(first, last - first + 1);
}

std::optional<int> hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return {};
}

std::optional<Colour> parseColour(std::string_view text) {
  if (text.front() == '#') {
    if (text.size() != 7) return {};
    std::array<int, 3> bytes{};
    for (std::size_t i = 0; i < 3; ++i) {
      const auto high = hexDigit(text[1 + 2 * i]);
      const auto low = hexDigit(text[2 + 2 * i]);
      if (!high || !low) return {};
      bytes[i] = *high * 16 + *low;
    }
    return linear({bytes[0], bytes[1], bytes[2]});
  }
  std::array<int, 3> bytes{};
  std::size_t count = 0;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of(" \t");
    const std::string_view word = text.substr(0, end);
    int value = -1;
    const auto [stop, problem] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (problem != std::errc() || stop != word.data() + word.size() || value < 0 || value > 255 ||
        count == 3) {
      return {};
    }
    bytes[count++] = value;
    text = end == std::string_view::npos ? std::string_view() : trimmed(text.substr(end));
  }
  if (count != 3) return {};
  return linear({bytes[0], bytes[1], bytes[2]});
}

}  // namespace

std::optional<Colour> ParseColour(std::string_view text) {
  text = trimmed(text);
  if (text.empty()) return {};
  if (text == "white") return Colour{1, 1, 1};
  if (text == "black") return Colour{0, 0, 0};
  if (text == "grey" || text == "gray") return linear({128, 128, 128});
  if (text == "sky") return linear({200, 222, 240});
  return parseColour(text);
}

int ToSrgbByte(double linear) {
  const double c = std::clamp(linear, 0.0, 1.0);
  const double encoded = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
  return static_cast<int>(std::lround(encoded * 255));
}

double FromSrgbByte(int byte) {
  const double c = std::clamp(byte, 0, 255) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Palette::Palette(std::vector<Colour> stems, std::vector<Colour> leaves, bool wraps)
    : stems_(std::move(stems)), leaves_(std::move(leaves)), wraps_(wraps) {
  if (stems_.empty()) stems_.push_back({});
  if (leaves_.empty()) leaves_.push_back({});
}

Palette Palette::Natural() {
  return Palette(graded(kStemAnchors, kStemFlowers), graded(kLeafAnchors, kLeafFlowers), false);
}

Palette Palette::Categorical() {
  // Index 0 is bark for stems and leaf green for leaves; the others are distinct enough to
  // tell the steps of a `?` apart.
  return Palette({{0.30, 0.17, 0.07},
                  {0.15, 0.40, 0.08},
                  {0.55, 0.45, 0.20},
                  {0.50, 0.10, 0.08},
                  {0.08, 0.20, 0.45},
                  {0.60, 0.35, 0.05},
                  {0.35, 0.12, 0.40},
                  {0.25, 0.25, 0.25}},
                 {{0.10, 0.45, 0.05},
                  {0.35, 0.60, 0.05},
                  {0.05, 0.28, 0.08},
                  {0.70, 0.60, 0.05},
                  {0.75, 0.25, 0.05},
                  {0.60, 0.05, 0.10},
                  {0.80, 0.45, 0.60},
                  {0.85, 0.85, 0.80}},
                 true);
}

std::size_t Palette::entryOf(PalettePart part, std::uint8_t index) const {
  const std::size_t size = entries(part).size();
  return wraps_ ? index % size : std::min<std::size_t>(index, size - 1);
}

std::optional<Palette> Palette::Parse(std::string_view text, std::string& error) {
  std::vector<Colour> shared, stems, leaves;
  std::vector<Colour>* list = &shared;
  bool sawStems = false, sawLeaves = false;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty() || line.substr(0, 2) == "//") continue;
    if (line == "stems" || line == "leaves") {
      const bool isStems = line == "stems";
      if (isStems ? sawStems : sawLeaves) {
        error =
            "line " + std::to_string(lineNumber) + ": a second \"" + std::string(line) + "\" part";
        return {};
      }
      (isStems ? sawStems : sawLeaves) = true;
      list = isStems ? &stems : &leaves;
      continue;
    }
    const auto colour =
        line.front() == '#' || std::isdigit(static_cast<unsigned char>(line.front()))
            ? parseColour(line)
            : std::nullopt;
    if (!colour) {
      error = "line " + std::to_string(lineNumber) +
              ": expected #rrggbb, three numbers 0 to 255, \"stems\" or \"leaves\": " +
              std::string(line);
      return {};
    }
    list->push_back(*colour);
  }
  if ((sawStems && stems.empty()) || (sawLeaves && leaves.empty())) {
    error = std::string("the \"") + (sawStems && stems.empty() ? "stems" : "leaves") +
            "\" part lists no colour";
    return {};
  }
  stems.insert(stems.begin(), shared.begin(), shared.end());
  leaves.insert(leaves.begin(), shared.begin(), shared.end());
  if (stems.empty() && leaves.empty()) {
    error = "no colour in the file";
    return {};
  }
  if (stems.empty()) stems = leaves;
  if (leaves.empty()) leaves = stems;
  return Palette(std::move(stems), std::move(leaves), false);
}

std::optional<Palette> ReadPalette(const std::string& choice, std::string& error) {
  if (choice == "natural") return Palette::Natural();
  if (choice == "categorical") return Palette::Categorical();
  std::ifstream file(choice, std::ios::binary);
  std::ostringstream text;
  if (file) text << file.rdbuf();
  if (!file || file.bad()) {
    error = "cannot read the palette " + choice + " (expected natural, categorical or a file)";
    return {};
  }
  auto palette = Palette::Parse(text.str(), error);
  if (!palette) error = choice + ": " + error;
  return palette;
}

}  // namespace lsys
