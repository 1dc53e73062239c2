// The colours that the turtle's colour index (`?`) picks in the companion's pictures and
// exports, one list for stems and one for leaves. Every writer (POV-Ray scene, SVG, and the
// mesh exports) asks the same Palette, so a plant looks the same in each:
//   - entryOf(part, index) says which entry of the part's list the index falls on; writers
//     group primitives by entry, so one texture or material serves every index that looks alike;
//   - colourOf(part, index) is that entry's colour, and entries(part) the whole list.
// The natural palette (the default) is graded: stems go from bark brown to green as the index
// grows, leaves stay in greens, and the highest indices hold flower colours; an index past the
// end takes the last entry. The categorical palette holds 8 distinct colours and wraps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lsys {

struct Colour {
  double red = 0.0, green = 0.0, blue = 0.0;  // linear, 0 to 1, as POV-Ray takes them
};

// The sRGB byte value (0 to 255) of a linear channel, and back; SVG and colour files use sRGB.
int ToSrgbByte(double linear);
double FromSrgbByte(int byte);

// A colour as a person writes it: "#rrggbb", "r g b" (0 to 255, sRGB), or one of the names
// white, black, grey (gray) and sky; nothing for any other text.
std::optional<Colour> ParseColour(std::string_view text);

enum class PalettePart { kStem, kLeaf };

class Palette {
 public:
  // Both lists non-empty; wraps: an index past the end is taken modulo the list's size
  // instead of taking the last entry.
  Palette(std::vector<Colour> stems, std::vector<Colour> leaves, bool wraps);

  static Palette Natural();
  static Palette Categorical();
  // A user's colour map (see ReadPalette); nothing, with the reason in error, when malformed.
  static std::optional<Palette> Parse(std::string_view text, std::string& error);

  std::size_t entryOf(PalettePart part, std::uint8_t index) const;
  const Colour& colourOf(PalettePart part, std::uint8_t index) const {
    return entries(part)[entryOf(part, index)];
  }
  const std::vector<Colour>& entries(PalettePart part) const {
    return part == PalettePart::kStem ? stems_ : leaves_;
  }
  bool wraps() const { return wraps_; }

 private:
  std::vector<Colour> stems_;
  std::vector<Colour> leaves_;
  bool wraps_;
};

// The natural palette has this many entries per part; indices from kNaturalFlowersFrom on are
// flower colours (yellow, white, pinks, reds, purple, blue), for `?(n)` to pick.
inline constexpr std::size_t kNaturalPaletteSize = 32;
inline constexpr std::size_t kNaturalFlowersFrom = 24;

// --palette's argument: "natural", "categorical", or the path of a colour map file. A file
// holds one colour per line, "#rrggbb" or "r g b" (three integers 0 to 255, sRGB); a line
// "stems" or "leaves" starts that part's list; blank lines and lines starting with "//" are
// skipped. Colours before any part line serve both parts; a part without a list of its own
// takes the other's. Nothing, with a message naming the file and line in error, when the file
// cannot be read or is malformed.
std::optional<Palette> ReadPalette(const std::string& choice, std::string& error);

}  // namespace lsys
