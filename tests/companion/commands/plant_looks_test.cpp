// What a person sees in `lsys`'s pictures of the book's plants: the bush in the browns and
// greens of a plant, the weed typed without a width still clearly drawn, a growth animation
// that grows, and clear answers to bad picture options. A tool that is missing skips its tests.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/png_image.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using lsys::testing_support::ScratchFolder;
using testing_support::RgbImage;

std::string quoted(const std::string& text) { return "'" + text + "'"; }

bool onPath(const char* tool) {
  return std::system(("command -v " + std::string(tool) + " >/dev/null 2>&1").c_str()) == 0;
}

struct LsysRun {
  int exitCode = -1;
  std::string errors;
};

LsysRun lsys(const ScratchFolder& folder, const std::string& arguments) {
  const std::string errors = folder.write("stderr", "");
  const std::string command =
      quoted(LSYS_BINARY) + " " + arguments + " 2>" + quoted(errors) + " >/dev/null";
  const int status = std::system(command.c_str());
  std::ifstream in(errors);
  std::ostringstream text;
  text << in.rdbuf();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

std::string example(const char* name) {
  return quoted(std::string(LSYS_EXAMPLES_DIR) + "/" + name + ".ls");
}

// The weed of Fig. 1.24a as the book prints it: no width anywhere.
const char kWeed[] = "axiom=F\ngamma=25.7\nsteps=5\nF->F[+F]F[-F]F\n";

// How the pixels that differ from the white background divide among the colours of a plant
// (browns, greens, greys, with their lit and shaded tints) and vivid other hues.
struct ColourShares {
  int drawn = 0;
  int natural = 0;
  int vivid = 0;
};

ColourShares sharesOf(const RgbImage& image) {
  ColourShares shares;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const unsigned char* p = image.at(x, y);
      const double r = p[0] / 255.0, g = p[1] / 255.0, b = p[2] / 255.0;
      const double high = std::max({r, g, b}), low = std::min({r, g, b});
      if (low > 0.9) continue;  // the background and its faint antialiased edge
      ++shares.drawn;
      const double saturation = high > 0 ? (high - low) / high : 0.0;
      double hue = 0.0;
      if (high > low) {
        hue = high == r   ? (g - b) / (high - low)
              : high == g ? 2 + (b - r) / (high - low)
                          : 4 + (r - g) / (high - low);
        hue = hue * 60 < 0 ? hue * 60 + 360 : hue * 60;
      }
      const bool grey = saturation < 0.2 || high < 0.12;
      const bool brown = hue >= 10 && hue < 55 && high < 0.8;
      const bool green = hue >= 55 && hue < 170;
      if (grey || brown || green) {
        ++shares.natural;
      } else if (saturation > 0.4 && high > 0.3) {
        ++shares.vivid;
      }
    }
  }
  return shares;
}

TEST(PlantLooks, RenderOfTheBooksBushIsInBrownsGreensAndGreys) {
  if (!onPath("povray")) GTEST_SKIP() << "POV-Ray is not installed";
  const ScratchFolder folder;
  const std::string image = folder.write("bush.png", "");
  const LsysRun run =
      lsys(folder, "render " + example("bush") + " --quiet --size 160x120 -o " + quoted(image));
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  RgbImage picture;
  ASSERT_TRUE(testing_support::ReadPng(image, picture));
  const ColourShares shares = sharesOf(picture);
  ASSERT_GT(shares.drawn, 160 * 120 / 20);
  EXPECT_GE(shares.natural, shares.drawn * 9 / 10)
      << shares.natural << " of " << shares.drawn << " natural";
  EXPECT_LE(shares.vivid, shares.drawn * 3 / 100) << shares.vivid << " of " << shares.drawn;

  // The categorical palette is still there, and is not natural.
  const LsysRun categorical =
      lsys(folder, "render " + example("bush") +
                       " --quiet --size 160x120 --palette categorical -o " + quoted(image));
  ASSERT_EQ(categorical.exitCode, 0) << categorical.errors;
  ASSERT_TRUE(testing_support::ReadPng(image, picture));
  EXPECT_GT(sharesOf(picture).vivid, shares.vivid);
}

TEST(PlantLooks, RenderOfTheWeedWithoutAWidthCoversItsShareOfTheFrame) {
  if (!onPath("povray")) GTEST_SKIP() << "POV-Ray is not installed";
  const ScratchFolder folder;
  const std::string weed = folder.write("weed.ls", kWeed);
  const std::string image = folder.write("weed.png", "");
  const auto coverage = [&](const std::string& options) {
    const LsysRun run = lsys(folder, "render " + quoted(weed) + " --quiet --size 320x240 -o " +
                                         quoted(image) + " " + options);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    RgbImage picture;
    if (!testing_support::ReadPng(image, picture)) return 0.0;
    int drawn = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const unsigned char* p = picture.at(x, y);
        drawn += std::max({255 - p[0], 255 - p[1], 255 - p[2]}) > 24;
      }
    }
    return static_cast<double>(drawn) / (picture.width * picture.height);
  };
  const double automatic = coverage("");
  EXPECT_GE(automatic, 0.024);
  // the file's own radius of 0.1 is a ghost; a wider line covers more
  EXPECT_LT(coverage("--line-width off"), automatic / 2);
  EXPECT_GT(coverage("--line-width 6"), automatic * 1.3);
}

int drawnPixels(const RgbImage& picture) {
  int drawn = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const unsigned char* p = picture.at(x, y);
      drawn += std::max({255 - p[0], 255 - p[1], 255 - p[2]}) > 24;
    }
  }
  return drawn;
}

// The frames of an animation as PNGs, split by ffmpeg: frame01.png, frame02.png, ...
std::vector<RgbImage> framesOf(const ScratchFolder& folder, const std::string& animation) {
  const std::string pattern = folder.write("frame01.png", "");
  const std::string frames = pattern.substr(0, pattern.size() - 11);
  const std::string command =
      "ffmpeg -loglevel error -y -i " + quoted(animation) + " " + quoted(frames + "frame%02d.png");
  std::vector<RgbImage> images;
  if (std::system(command.c_str()) != 0) return images;
  for (int i = 1;; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "frame%02d.png", i);
    RgbImage image;
    if (!testing_support::ReadPng(frames + name, image)) break;
    images.push_back(image);
  }
  return images;
}

TEST(PlantLooks, AnimateRendersOneFramePerStepAsThePlantGrowsInAFixedFrame) {
  if (!onPath("povray") || !onPath("ffmpeg")) GTEST_SKIP() << "POV-Ray or ffmpeg is missing";
  const ScratchFolder folder;
  const std::string weed = folder.write("weed.ls", kWeed);
  const std::string gif = folder.write("weed.gif", "");
  const LsysRun run =
      lsys(folder, "animate " + quoted(weed) + " --quiet --size 80x60 --steps 3 -o " + quoted(gif));
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.errors, "");
  const std::vector<RgbImage> frames = framesOf(folder, gif);
  ASSERT_EQ(frames.size(), 4u);  // generations 0 to 3
  for (const RgbImage& frame : frames) {
    EXPECT_EQ(frame.width, 80);
    EXPECT_EQ(frame.height, 60);
  }
  // generation 0 is one segment of the 25 units the last one is tall
  const int first = drawnPixels(frames.front());
  const int last = drawnPixels(frames.back());
  EXPECT_GT(first, 0);
  EXPECT_LT(first * 5, last) << first << " against " << last;
  for (std::size_t i = 1; i < frames.size(); ++i) {
    EXPECT_LE(drawnPixels(frames[i - 1]), drawnPixels(frames[i])) << "frame " << i;
  }

  // MP4 needs even sides: an odd size is rounded up.
  const std::string mp4 = folder.write("weed.mp4", "");
  const LsysRun video =
      lsys(folder,
           "animate " + quoted(weed) + " --quiet --size 41x31 --steps 1 --draft -o " + quoted(mp4));
  ASSERT_EQ(video.exitCode, 0) << video.errors;
  const std::vector<RgbImage> videoFrames = framesOf(folder, mp4);
  ASSERT_FALSE(videoFrames.empty());
  EXPECT_EQ(videoFrames.front().width % 2, 0);
  EXPECT_EQ(videoFrames.front().height % 2, 0);
}

TEST(PlantLooks, AnimateFailsWithTheWordsOfTheToolThatFailed) {
  const ScratchFolder folder;
  const std::string weed = folder.write("weed.ls", kWeed);
  const std::string tools = folder.write("tools", "") + ".d";
  ASSERT_EQ(std::system(("mkdir -p " + quoted(tools)).c_str()), 0);
  const auto fakeTool = [&](const std::string& name, const std::string& words) {
    const std::string path = tools + "/" + name;
    std::ofstream(path) << "#!/bin/sh\necho '" << words << "' >&2\nexit 1\n";
    ASSERT_EQ(std::system(("chmod +x " + quoted(path)).c_str()), 0);
  };
  fakeTool("povray", "Parse Error: broken on purpose");
  const std::string gif = quoted(folder.write("weed.gif", ""));
  // the fake tools come first on the PATH only for these runs
  const std::string withTools = "env PATH=" + quoted(tools) + ":\"$PATH\" ";
  const auto animate = [&](const std::string& output) {
    const std::string errors = folder.write("stderr", "");
    const int status =
        std::system((withTools + quoted(LSYS_BINARY) + " animate " + quoted(weed) +
                     " --quiet --size 40x30 --steps 1 -o " + output + " 2>" + quoted(errors))
                        .c_str());
    std::ifstream in(errors);
    std::ostringstream text;
    text << in.rdbuf();
    return LsysRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
  };
  LsysRun failed = animate(gif);
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_NE(failed.errors.find("broken on purpose"), std::string::npos) << failed.errors;
  EXPECT_NE(failed.errors.find("could not render frame"), std::string::npos) << failed.errors;

  if (!onPath("povray")) return;
  ASSERT_EQ(std::system(("rm " + quoted(tools + "/povray")).c_str()), 0);
  fakeTool("ffmpeg", "Unknown encoder on purpose");
  failed = animate(gif);
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_NE(failed.errors.find("Unknown encoder on purpose"), std::string::npos) << failed.errors;
  EXPECT_NE(failed.errors.find("ffmpeg could not encode"), std::string::npos) << failed.errors;

  failed = animate(quoted(folder.write("weed.avi", "")));
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_NE(failed.errors.find(".gif, .mp4 or .webp"), std::string::npos) << failed.errors;
}

TEST(PlantLooks, BadPictureOptionsAreUsageErrorsAndABadPaletteFileFails) {
  const ScratchFolder folder;
  const std::string weed = folder.write("weed.ls", kWeed);
  const std::string svg = folder.write("weed.svg", "");
  const struct {
    std::string options;
    int exitCode;
    const char* message;
  } rows[] = {
      {"--line-width thin", 2, "--line-width"},
      {"--line-width 0", 2, "--line-width"},
      {"--palette " + quoted(folder.write("bad.map", "#00ff00\nstems\n1 2\n")), 1,
       "bad.map: line 3"},
      {"--palette " + quoted(folder.write("missing", "") + "/x"), 1, "cannot read the palette"},
      {"--palette " + quoted(folder.write("good.map", "stems\n#8b5a2b\nleaves\n40 140 40\n")), 0,
       ""},
  };
  for (const auto& row : rows) {
    const LsysRun run =
        lsys(folder, "export " + quoted(weed) + " --quiet -o " + quoted(svg) + " " + row.options);
    EXPECT_EQ(run.exitCode, row.exitCode) << row.options << ": " << run.errors;
    EXPECT_NE(run.errors.find(row.message), std::string::npos) << row.options << ": " << run.errors;
  }
  // render's scene options are checked the same way
  const LsysRun background =
      lsys(folder, "render " + quoted(weed) + " --quiet --background mauve-ish");
  EXPECT_EQ(background.exitCode, 2) << background.errors;
}

}  // namespace
