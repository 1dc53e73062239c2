// The ffmpeg commands for each animation format: GIF through one fitted palette, MP4 in
// H.264 with the chroma layout every player reads, WebP animated; all from frame 0.
#include "companion/picture/encode_animation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace lsys {
namespace {

std::string joined(const std::vector<std::string>& arguments) {
  std::string text;
  for (const std::string& argument : arguments) text += argument + " ";
  return text;
}

TEST(EncodeAnimation, ChoosesTheFormatByExtensionAndItsEncoderSettings) {
  const struct {
    const char* output;
    bool valid;
    const char* wanted;  // in the arguments
  } rows[] = {
      {"grow.gif", true, "palettegen"},
      {"GROW.GIF", true, "paletteuse"},
      {"grow.mp4", true, "-c:v libx264"},
      {"grow.mp4", true, "-pix_fmt yuv420p"},
      {"grow.webp", true, "libwebp_anim"},
      {"grow.avi", false, ""},
      {"gif", false, ""},
      {"grow.gif.png", false, ""},
  };
  for (const auto& row : rows) {
    const auto format = AnimationFormatOf(row.output);
    ASSERT_EQ(format.has_value(), row.valid) << row.output;
    if (!format) continue;
    const auto arguments = EncodeArguments(*format, "/tmp/f%04d.png", 3, row.output);
    const std::string text = joined(arguments);
    EXPECT_EQ(arguments.front(), "ffmpeg");
    EXPECT_EQ(arguments.back(), row.output);
    EXPECT_NE(text.find(row.wanted), std::string::npos) << text;
    EXPECT_NE(text.find("-framerate 3 -start_number 0 -i /tmp/f%04d.png"), std::string::npos)
        << text;
  }
  EXPECT_TRUE(NeedsEvenSize(AnimationFormat::kMp4));
  EXPECT_FALSE(NeedsEvenSize(AnimationFormat::kGif));
}

}  // namespace
}  // namespace lsys
