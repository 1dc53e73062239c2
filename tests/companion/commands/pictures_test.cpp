// Every bundled example through the `lsys` program as a person would run it: rendered by
// POV-Ray at a tiny size with no warning, the drawing inside the frame and filling at least half
// of its width or height; exported to OBJ as a valid mesh with closed tubes; exported to SVG
// that rsvg-convert turns into a picture showing the drawing. A tool that is missing skips its
// tests.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/obj_reader.h"
#include "support/png_image.h"

namespace {

namespace fs = std::filesystem;
using testing_support::PixelBox;
using testing_support::RgbImage;

// The example that derives modules without drawing anything.
const char kDrawsNothing[] = "parametric_1_10";

std::vector<std::string> exampleNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(LSYS_EXAMPLES_DIR)) {
    if (entry.path().extension() == ".ls") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

bool onPath(const char* tool) {
  return std::system(("command -v " + std::string(tool) + " >/dev/null 2>&1").c_str()) == 0;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class Pictures : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("lsys-pictures-" + GetParam() + "-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs lsys with the arguments; its standard error goes to errors().
  int lsys(const std::string& arguments) {
    const std::string command = quoted(LSYS_BINARY) + " " + arguments + " 2>" +
                                quoted((folder_ / "stderr").string()) + " >/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string errors() const { return readFile(folder_ / "stderr"); }
  std::string example() const {
    return quoted(std::string(LSYS_EXAMPLES_DIR) + "/" + GetParam() + ".ls");
  }

  // The drawing lies inside the picture and fills at least half of its width or height.
  static void expectFramed(const RgbImage& image) {
    const PixelBox box = testing_support::DrawingBox(image);
    ASSERT_FALSE(box.empty()) << "nothing visible";
    EXPECT_GT(box.left, 0);
    EXPECT_GT(box.top, 0);
    EXPECT_LT(box.right, image.width - 1);
    EXPECT_LT(box.bottom, image.height - 1);
    EXPECT_TRUE(2 * box.width() >= image.width || 2 * box.height() >= image.height)
        << "box " << box.width() << "x" << box.height() << " of " << image.width << "x"
        << image.height;
  }

  fs::path folder_;
};

TEST_P(Pictures, RenderFramesTheDrawingWithoutWarnings) {
  if (!onPath("povray")) GTEST_SKIP() << "POV-Ray is not installed";
  const fs::path image = folder_ / "picture.png";
  const int exitCode =
      lsys("render " + example() + " --quiet --size 80x60 -o " + quoted(image.string()));
  if (GetParam() == kDrawsNothing) {
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(errors().find("draws nothing"), std::string::npos) << errors();
    return;
  }
  ASSERT_EQ(exitCode, 0) << errors();
  // Every warning and error of POV-Ray reaches standard error; a quiet run shows nothing else.
  EXPECT_EQ(errors(), "");
  RgbImage picture;
  ASSERT_TRUE(testing_support::ReadPng(image.string(), picture));
  EXPECT_EQ(picture.width, 80);
  EXPECT_EQ(picture.height, 60);
  expectFramed(picture);
}

TEST_P(Pictures, ObjExportIsAValidMeshWithClosedTubes) {
  const fs::path obj = folder_ / "plant.obj";
  ASSERT_EQ(lsys("export " + example() + " --quiet -o " + quoted(obj.string())), 0) << errors();
  const auto mesh = testing_support::ReadObj(readFile(obj));
  EXPECT_TRUE(mesh.errors.empty());
  EXPECT_TRUE(mesh.indicesInRange());
  EXPECT_TRUE(mesh.closed("stems"));
  if (GetParam() != kDrawsNothing) {
    EXPECT_FALSE(mesh.faces.empty());
  }
}

TEST_P(Pictures, SvgExportConvertsToAPictureOfTheDrawing) {
  if (!onPath("rsvg-convert")) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
  const fs::path svg = folder_ / "plant.svg";
  const int exitCode =
      lsys("export " + example() + " --quiet --size 160x120 -o " + quoted(svg.string()));
  if (GetParam() == kDrawsNothing) {
    EXPECT_EQ(exitCode, 1);
    return;
  }
  ASSERT_EQ(exitCode, 0) << errors();
  const fs::path png = folder_ / "plant.png";
  ASSERT_EQ(
      std::system(("rsvg-convert -o " + quoted(png.string()) + " " + quoted(svg.string())).c_str()),
      0);
  RgbImage picture;
  ASSERT_TRUE(testing_support::ReadPng(png.string(), picture));
  EXPECT_EQ(picture.width, 160);
  expectFramed(picture);
}

// info plans the scene of a plain render to forecast POV-Ray's cost: leaves, strips and all.
TEST_P(Pictures, InfoSummarisesIt) { EXPECT_EQ(lsys("info " + example()), 0) << errors(); }

TEST(Info, SummarisesTheTreeAtFourteenStepsInOneLinePerStep) {
  const fs::path output = fs::temp_directory_path() / ("lsys-info-" + std::to_string(::getpid()));
  const std::string command = quoted(LSYS_BINARY) + " info " +
                              quoted(std::string(LSYS_EXAMPLES_DIR) + "/monopodial_tree.ls") +
                              " --steps 14 >" + quoted(output.string());
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::istringstream lines(readFile(output));
  fs::remove(output);
  std::string line;
  int steps = 0;
  std::size_t longest = 0;
  bool segments = false;
  while (std::getline(lines, line)) {
    longest = std::max(longest, line.size());
    if (line.rfind("step ", 0) == 0) ++steps;
    // 2^14 - 1 internodes
    if (line == "segments: 16383") segments = true;
  }
  EXPECT_EQ(steps, 14);
  EXPECT_TRUE(segments);
  EXPECT_LT(longest, 200u);
}

INSTANTIATE_TEST_SUITE_P(Examples, Pictures, testing::ValuesIn(exampleNames()),
                         [](const testing::TestParamInfo<std::string>& example) {
                           return example.param;
                         });

}  // namespace
