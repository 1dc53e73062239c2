#include "companion/picture/palette.h"

namespace lsys {

// Index 0, the colour before any `?`, is bark for stems and leaf green for leaves; the others
// are distinct enough to tell the steps of a `?` apart.
const std::array<Colour, kPaletteSize> kStemColours = {{
    {0.30, 0.17, 0.07},  // bark
    {0.15, 0.40, 0.08},  // green shoot
    {0.55, 0.45, 0.20},  // straw
    {0.50, 0.10, 0.08},  // red
    {0.08, 0.20, 0.45},  // blue
    {0.60, 0.35, 0.05},  // ochre
    {0.35, 0.12, 0.40},  // purple
    {0.25, 0.25, 0.25},  // grey
}};

const std::array<Colour, kPaletteSize> kLeafColours = {{
    {0.10, 0.45, 0.05},  // leaf green
    {0.35, 0.60, 0.05},  // light green
    {0.05, 0.28, 0.08},  // dark green
    {0.70, 0.60, 0.05},  // yellow
    {0.75, 0.25, 0.05},  // autumn orange
    {0.60, 0.05, 0.10},  // red
    {0.80, 0.45, 0.60},  // blossom pink
    {0.85, 0.85, 0.80},  // white
}};

}  // namespace lsys
