// The colours that the turtle's colour index (`?`) picks for stems and for leaves: entry
// index mod kPaletteSize of the palette of each kind. Shared by the POV-Ray scene, where a user
// may restyle them, and the SVG drawing.
#pragma once

#include <array>
#include <cstdint>

namespace lsys {

struct Colour {
  double red, green, blue;  // linear, 0 to 1
};

inline constexpr std::size_t kPaletteSize = 8;
extern const std::array<Colour, kPaletteSize> kStemColours;
extern const std::array<Colour, kPaletteSize> kLeafColours;

inline const Colour& StemColour(std::uint8_t index) { return kStemColours[index % kPaletteSize]; }
inline const Colour& LeafColour(std::uint8_t index) { return kLeafColours[index % kPaletteSize]; }

}  // namespace lsys
