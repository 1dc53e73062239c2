// The palettes: the natural one is graded and clamps, the categorical one wraps, and a user's
// colour map is read line by line with a clear word for each mistake.
#include "companion/picture/palette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace lsys {
namespace {

// Hue in degrees (0 to 360) of a linear colour, seen in sRGB.
double hueOf(const Colour& c) {
  const double r = ToSrgbByte(c.red), g = ToSrgbByte(c.green), b = ToSrgbByte(c.blue);
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  if (high == low) return 0.0;
  double hue = high == r   ? (g - b) / (high - low)
               : high == g ? 2 + (b - r) / (high - low)
                           : 4 + (r - g) / (high - low);
  hue *= 60;
  return hue < 0 ? hue + 360 : hue;
}

TEST(Palette, NaturalStemsGoFromBrownToGreenAndLeavesStayGreenBeforeTheFlowers) {
  const Palette palette = Palette::Natural();
  ASSERT_EQ(palette.entries(PalettePart::kStem).size(), kNaturalPaletteSize);
  ASSERT_EQ(palette.entries(PalettePart::kLeaf).size(), kNaturalPaletteSize);
  double previousHue = 0.0;
  for (std::size_t i = 0; i < kNaturalFlowersFrom; ++i) {
    const auto index = static_cast<std::uint8_t>(i);
    const double stemHue = hueOf(palette.colourOf(PalettePart::kStem, index));
    // brown (about 30 degrees) greening step by step, never back
    EXPECT_GE(stemHue, previousHue - 0.5) << "stem " << i;
    EXPECT_GE(stemHue, 20.0) << "stem " << i;
    EXPECT_LE(stemHue, 110.0) << "stem " << i;
    previousHue = stemHue;
    const double leafHue = hueOf(palette.colourOf(PalettePart::kLeaf, index));
    EXPECT_GE(leafHue, 75.0) << "leaf " << i;
    EXPECT_LE(leafHue, 140.0) << "leaf " << i;
  }
  EXPECT_LT(hueOf(palette.colourOf(PalettePart::kStem, 0)), 40.0);
  EXPECT_GT(hueOf(palette.colourOf(PalettePart::kStem, kNaturalFlowersFrom - 1)), 80.0);
}

TEST(Palette, NaturalClampsAndCategoricalWraps) {
  const struct {
    bool categorical;
    std::uint8_t index;
    std::size_t entry;
  } rows[] = {{false, 0, 0}, {false, 5, 5}, {false, 31, 31}, {false, 32, 31}, {false, 255, 31},
              {true, 0, 0},  {true, 7, 7},  {true, 8, 0},    {true, 13, 5},   {true, 255, 7}};
  for (const auto& row : rows) {
    const Palette palette = row.categorical ? Palette::Categorical() : Palette::Natural();
    EXPECT_EQ(palette.entryOf(PalettePart::kStem, row.index), row.entry)
        << row.categorical << " " << int(row.index);
    EXPECT_EQ(palette.entryOf(PalettePart::kLeaf, row.index), row.entry)
        << row.categorical << " " << int(row.index);
  }
}

TEST(Palette, ParsesAColourMapWithStemAndLeafParts) {
  const struct {
    const char* text;
    std::size_t stems, leaves;  // 0: rejected
    const char* error;          // a part of the message
  } rows[] = {
      {"#ff0000\n0 128 255\n", 2, 2, ""},
      {"stems\n#112233\nleaves\n#445566\n#778899\n", 1, 2, ""},
      {"// a comment\n\n  #AABBCC  \r\nleaves\n1 2 3\n", 1, 2, ""},  // shared colours lead both
      {"leaves\n1 2 3\n", 1, 1, ""},
      {"", 0, 0, "no colour"},
      {"stems\n", 0, 0, "\"stems\" part lists no colour"},
      {"#12345\n", 0, 0, "line 1"},
      {"#1234567\n", 0, 0, "line 1"},
      {"#gg0000\n", 0, 0, "line 1"},
      {"#000000\n1 2\n", 0, 0, "line 2"},
      {"1 2 3 4\n", 0, 0, "line 1"},
      {"1 2 256\n", 0, 0, "line 1"},
      {"-1 2 3\n", 0, 0, "line 1"},
      {"1.5 2 3\n", 0, 0, "line 1"},
      {"red\n", 0, 0, "line 1: expected"},
      {"stems\n#000000\nstems\n#000000\n", 0, 0, "second \"stems\""},
  };
  for (const auto& row : rows) {
    std::string error;
    const auto palette = Palette::Parse(row.text, error);
    if (row.stems == 0) {
      EXPECT_FALSE(palette) << row.text;
      EXPECT_NE(error.find(row.error), std::string::npos) << row.text << " gave " << error;
      continue;
    }
    ASSERT_TRUE(palette) << row.text << ": " << error;
    EXPECT_EQ(palette->entries(PalettePart::kStem).size(), row.stems) << row.text;
    EXPECT_EQ(palette->entries(PalettePart::kLeaf).size(), row.leaves) << row.text;
    EXPECT_FALSE(palette->wraps());
  }
}

TEST(Palette, ColoursAreWrittenInSrgbAndKeptLinear) {
  std::string error;
  const auto palette = Palette::Parse("#ff8000\n", error);
  ASSERT_TRUE(palette);
  const Colour& c = palette->colourOf(PalettePart::kStem, 0);
  EXPECT_DOUBLE_EQ(c.red, 1.0);
  EXPECT_NEAR(c.green, 0.2158, 1e-4);  // sRGB 128 is about 21.6 % linear light
  EXPECT_DOUBLE_EQ(c.blue, 0.0);
  for (int byte : {0, 1, 10, 128, 254, 255}) EXPECT_EQ(ToSrgbByte(FromSrgbByte(byte)), byte);
}

TEST(ParseColour, ReadsHexTripletsNumbersAndAFewNames) {
  EXPECT_TRUE(ParseColour("white"));
  EXPECT_TRUE(ParseColour("#000000"));
  EXPECT_TRUE(ParseColour("10 20 30"));
  EXPECT_FALSE(ParseColour("purple-ish"));
  EXPECT_FALSE(ParseColour(""));
  EXPECT_FALSE(ParseColour("#12"));
}

TEST(ReadPalette, NamesThePalettesAndReportsAFileItCannotRead) {
  std::string error;
  EXPECT_FALSE(ReadPalette("natural", error)->wraps());
  EXPECT_TRUE(ReadPalette("categorical", error)->wraps());
  EXPECT_FALSE(ReadPalette("/nonexistent/colours.map", error));
  EXPECT_NE(error.find("cannot read the palette /nonexistent/colours.map"), std::string::npos);
}

}  // namespace
}  // namespace lsys
