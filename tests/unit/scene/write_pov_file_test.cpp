#include "scene/write_pov_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <limits>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/lsystem.h"
#include "scene/scene_file.h"
#include "support/test_support.h"
#include "turtle/make_poly_liste.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;
using testing_support::MakeModules;

const std::string kHeader =
    "#include \"colors.inc\"\n"
    "#include \"shapes.inc\"\n"
    "#include \"textures.inc\"\n";

const std::string kWhite = "pigment {color red 1 green 1 blue 1}\n}\n";
const std::string kGreen = "pigment { color red 0.000000 green 0.957031 blue 0.000000}\n}\n";

const std::string kEmptyScene = kHeader +
                                "light_source { <0.000000, 0.000000, 0.000000> color White}\n\n"
                                "camera {location  <1, 0.000000, 0.000000>\n"
                                "look_at   <0, 0.000000,  0>\n"
                                "}\n";

// The unit square (0,0,0) (1,0,0) (1,1,0) (0,1,0) around its centre (0.5,0.5,0): the fan starts
// with the last corner.
const std::string kSquareFan =
    "triangle {\n<1.000000,0.000000,-0.000000>,<0.500000,0.000000,-0.500000>,"
    "<0.000000,0.000000,-0.000000>\n" +
    kGreen +
    "triangle {\n<0.000000,0.000000,-0.000000>,<0.500000,0.000000,-0.500000>,"
    "<0.000000,0.000000,-1.000000>\n" +
    kGreen +
    "triangle {\n<0.000000,0.000000,-1.000000>,<0.500000,0.000000,-0.500000>,"
    "<1.000000,0.000000,-1.000000>\n" +
    kGreen +
    "triangle {\n<1.000000,0.000000,-1.000000>,<0.500000,0.000000,-0.500000>,"
    "<1.000000,0.000000,-0.000000>\n" +
    kGreen;

class WritePovFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "write_pov_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  // Writes the scene of the LSystem and returns the file's bytes; the console output goes to
  // printed.
  std::string Write(const LSystem& lsystem, const std::string& path) {
    printed = CaptureOutput([&] { written = WritePovFile(lsystem, path); });
    return Read(path);
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  std::filesystem::path folder_;
  std::string printed;
  bool written = false;
};

std::shared_ptr<const Polygon> Square() {
  return std::make_shared<const Polygon>(
      Polygon{{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, std::uint8_t{9}});
}

TEST_F(WritePovFileTest, AnEmptySceneHasHeaderLightAndCamera) {
  LSystem lsystem;
  const std::string path = PathOf("empty.pov");
  EXPECT_EQ(Write(lsystem, path), kEmptyScene);
  EXPECT_TRUE(written);
  EXPECT_EQ(printed, "PovFile saved as " + path + "\n");
}

TEST_F(WritePovFileTest, TwoStepsUpGiveTwoConesWithSpheres) {
  LSystem lsystem;
  lsystem.setAxiom(MakeModules("FF"));
  CaptureOutput([&] { MakePolyListe(lsystem); });
  // x = 0 is written negated, as -0.000000.
  const std::string expected =
      kHeader +
      "light_source { <2.400000, 2.400000, 2.400000> color White}\n\n"
      "cone {\n<0.000000,0.000000,-0.000000>,0.100000\n<0.000000,1.000000,-0.000000>,0.100000\n" +
      kWhite + "sphere {\n<0.000000,1.000000,-0.000000>,0.100000\n" + kWhite +
      "cone {\n<0.000000,1.000000,-0.000000>,0.100000\n<0.000000,2.000000,-0.000000>,0.100000\n" +
      kWhite + "sphere {\n<0.000000,2.000000,-0.000000>,0.100000\n" + kWhite +
      "camera {location  <1, 0.600000, 1.200000>\nlook_at   <0, 0.600000,  0>\n}\n";
  EXPECT_EQ(Write(lsystem, PathOf("ff.pov")), expected);
  EXPECT_TRUE(written);
}

TEST_F(WritePovFileTest, PointsAreMappedAndConesRunFromStartRadiusToEndRadius) {
  LSystem lsystem;
  lsystem.segments.push_back(Segment{{1, 2, 3}, {4, 5, 6}, 0.75f, 0.25f});
  lsystem.viewDistance = 0.5f;
  lsystem.viewHeight = 0.125f;
  const std::string expected =
      kHeader +
      "light_source { <1.000000, 1.000000, 1.000000> color White}\n\n"
      "cone {\n<2.000000,3.000000,-1.000000>,0.250000\n<5.000000,6.000000,-4.000000>,0.750000\n" +
      kWhite + "sphere {\n<5.000000,6.000000,-4.000000>,0.750000\n" + kWhite +
      "camera {location  <1, 0.125000, 0.500000>\nlook_at   <0, 0.125000,  0>\n}\n";
  EXPECT_EQ(Write(lsystem, PathOf("cone.pov")), expected);
}

TEST_F(WritePovFileTest, APolygonIsAClosedFanAroundItsCentre) {
  LSystem lsystem;
  lsystem.polygons.push_back(Square());
  EXPECT_EQ(Write(lsystem, PathOf("square.pov")),
            kHeader + "light_source { <0.000000, 0.000000, 0.000000> color White}\n\n" +
                kSquareFan +
                "camera {location  <1, 0.000000, 0.000000>\nlook_at   <0, 0.000000,  0>\n}\n");
}

TEST_F(WritePovFileTest, TheCentreIsAveragedInFloats) {
  // 2^24 + 1 + 1 stays 2^24 in float, so the centre's y is 2^24 / 3 = 5592405.5, not 5592406.
  LSystem lsystem;
  auto polygon = std::make_shared<const Polygon>(
      Polygon{{{0, 16777216, 0}, {0, 1, 0}, {1, 1, 0}}, std::uint8_t{0}});
  lsystem.polygons.push_back(polygon);
  const std::string centre = "<5592405.500000,0.000000,-0.333333>";
  const std::string expected =
      kHeader + "light_source { <0.000000, 0.000000, 0.000000> color White}\n\n" +
      "triangle {\n<1.000000,0.000000,-1.000000>," + centre +
      ",<16777216.000000,0.000000,-0.000000>\n" + kGreen +
      "triangle {\n<16777216.000000,0.000000,-0.000000>," + centre +
      ",<1.000000,0.000000,-0.000000>\n" + kGreen + "triangle {\n<1.000000,0.000000,-0.000000>," +
      centre + ",<1.000000,0.000000,-1.000000>\n" + kGreen +
      "camera {location  <1, 0.000000, 0.000000>\nlook_at   <0, 0.000000,  0>\n}\n";
  EXPECT_EQ(Write(lsystem, PathOf("centre.pov")), expected);
}

TEST_F(WritePovFileTest, APolygonStandingTwiceIsWrittenTwice) {
  LSystem lsystem;
  const std::shared_ptr<const Polygon> square = Square();
  lsystem.polygons.push_back(square);
  lsystem.polygons.push_back(square);
  EXPECT_EQ(Write(lsystem, PathOf("twice.pov")),
            kHeader + "light_source { <0.000000, 0.000000, 0.000000> color White}\n\n" +
                kSquareFan + kSquareFan +
                "camera {location  <1, 0.000000, 0.000000>\nlook_at   <0, 0.000000,  0>\n}\n");
}

TEST_F(WritePovFileTest, SegmentsComeBeforePolygons) {
  LSystem lsystem;
  lsystem.setAxiom(MakeModules("{.f.f}F"));
  CaptureOutput([&] { MakePolyListe(lsystem); });
  const std::string scene = Write(lsystem, PathOf("leaf.pov"));
  const std::size_t sphere = scene.find("sphere {\n<0.000000,3.000000,-0.000000>,0.100000\n");
  const std::size_t triangle = scene.find("triangle {\n");
  const std::size_t camera = scene.find("camera {");
  ASSERT_NE(sphere, std::string::npos);
  ASSERT_NE(triangle, std::string::npos);
  EXPECT_LT(sphere, triangle);
  EXPECT_LT(triangle, camera);
  EXPECT_EQ(scene.find("light_source { <4.800000, 4.800000, 4.800000> color White}"),
            kHeader.size());
}

TEST_F(WritePovFileTest, AnExistingFileIsOverwritten) {
  const std::string path = PathOf("old.pov");
  std::ofstream(path) << std::string(5000, 'x');
  LSystem lsystem;
  EXPECT_EQ(Write(lsystem, path), kEmptyScene);
}

TEST_F(WritePovFileTest, AnyPathLengthWorks) {
  const std::string name = std::string(150, 'p') + ".pov";
  const std::string path = PathOf(name);
  ASSERT_GT(path.size(), 112u);
  LSystem lsystem;
  EXPECT_EQ(Write(lsystem, path), kEmptyScene);
  EXPECT_TRUE(written);
  EXPECT_EQ(printed, "PovFile saved as " + path + "\n");
}

TEST_F(WritePovFileTest, AFileThatCannotBeOpenedIsReported) {
  const std::string path = PathOf("missing/scene.pov");
  LSystem lsystem;
  printed = CaptureOutput([&] { written = WritePovFile(lsystem, path); });
  EXPECT_FALSE(written);
  EXPECT_EQ(printed, "Can't open file " + path + "\n");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(WritePovFileTest, AFileThatCannotBeWrittenIsReported) {
  LSystem lsystem;
  lsystem.setAxiom(MakeModules("FF{.f.f}"));
  CaptureOutput([&] { MakePolyListe(lsystem); });
  printed = CaptureOutput([&] { written = WritePovFile(lsystem, "/dev/full"); });
  EXPECT_FALSE(written);
  EXPECT_EQ(printed, "Can't write file /dev/full\n");
}

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const std::string kEmptyLight = "light_source { <0.000000, 0.000000, 0.000000> color White}\n\n";
const std::string kEmptyCamera =
    "camera {location  <1, 0.000000, 0.000000>\nlook_at   <0, 0.000000,  0>\n}\n";

// The scene text of the segments alone.
std::string SegmentsText(const std::string& scene) {
  const std::size_t from = kHeader.size() + kEmptyLight.size();
  return scene.substr(from, scene.size() - from - kEmptyCamera.size());
}

TEST_F(WritePovFileTest, AConeWhoseEndsPrintAlikeIsLeftOutButItsSphereStays) {
  struct Case {
    Segment segment;
    bool cone;
  };
  const Case cases[] = {
      {{{0, 0, 0}, {0, 0, 0}, 0.1f, 0.1f}, false},                    // F(0)
      {{{1e-7f, 0, 0}, {-1e-7f, 0, 0}, 0.1f, 0.1f}, false},           // -0.000000 is 0.000000
      {{{0, 2e-7f, 0}, {0, -2e-7f, 0}, 0.1f, 0.2f}, false},           // radii do not count
      {{{0, 0, 1.0000001f}, {0, 0, 1.0000002f}, 0.1f, 0.1f}, false},  // alike in six decimals
      {{{0, 0, 1.0f}, {0, 0, 1.000001f}, 0.1f, 0.1f}, true},          // the sixth decimal differs
      {{{0, 0, 0}, {0, 0, 1}, 0.1f, 0.1f}, true},
  };
  for (const Case& c : cases) {
    LSystem lsystem;
    lsystem.segments.push_back(c.segment);
    const std::string segments = SegmentsText(Write(lsystem, PathOf("cone.pov")));
    const std::string sphere = segments.substr(segments.find("sphere {\n"));
    EXPECT_EQ(segments.find("cone {\n") != std::string::npos, c.cone) << segments;
    EXPECT_EQ(sphere.find("sphere {\n<"), 0u) << segments;
    EXPECT_EQ(sphere.substr(sphere.size() - kWhite.size()), kWhite) << segments;
    EXPECT_TRUE(written);
  }
}

TEST_F(WritePovFileTest, ConesAndSpheresSurviveBesideLeftOutOnes) {
  // F F(0) F: the cone of the middle step is left out; its sphere and both others stay, and the
  // third cone starts where the second ended.
  LSystem lsystem;
  lsystem.segments = {{{0, 0, 0}, {0, 0, 1}, 0.1f, 0.1f},
                      {{0, 0, 1}, {0, 0, 1}, 0.1f, 0.1f},
                      {{0, 0, 1}, {0, 0, 2}, 0.1f, 0.1f}};
  const std::string expected =
      "cone {\n<0.000000,0.000000,-0.000000>,0.100000\n<0.000000,1.000000,-0.000000>,0.100000\n" +
      kWhite + "sphere {\n<0.000000,1.000000,-0.000000>,0.100000\n" + kWhite +
      "sphere {\n<0.000000,1.000000,-0.000000>,0.100000\n" + kWhite +
      "cone {\n<0.000000,1.000000,-0.000000>,0.100000\n<0.000000,2.000000,-0.000000>,0.100000\n" +
      kWhite + "sphere {\n<0.000000,2.000000,-0.000000>,0.100000\n" + kWhite;
  EXPECT_EQ(SegmentsText(Write(lsystem, PathOf("three.pov"))), expected);
}

TEST_F(WritePovFileTest, ASegmentWithANonFiniteNumberIsLeftOutWhole) {
  const Segment cases[] = {
      {{kInf, 0, 0}, {0, 0, 1}, 0.1f, 0.1f}, {{0, 0, 0}, {0, -kInf, 1}, 0.1f, 0.1f},
      {{0, 0, 0}, {0, 0, kNaN}, 0.1f, 0.1f}, {{0, 0, 0}, {0, 0, 1}, kNaN, 0.1f},
      {{0, 0, 0}, {0, 0, 1}, 0.1f, kInf},
  };
  for (const Segment& segment : cases) {
    LSystem lsystem;
    lsystem.segments = {segment, {{0, 0, 1}, {0, 0, 2}, 0.5f, 0.25f}};
    const std::string expected =
        "cone {\n<0.000000,1.000000,-0.000000>,0.250000\n<0.000000,2.000000,-0.000000>,0.500000\n" +
        kWhite + "sphere {\n<0.000000,2.000000,-0.000000>,0.500000\n" + kWhite;
    EXPECT_EQ(SegmentsText(Write(lsystem, PathOf("inf.pov"))), expected);
  }
}

TEST_F(WritePovFileTest, APolygonWithANonFiniteVertexOrCentreIsLeftOutWhole) {
  const std::vector<std::vector<Vector3f>> cases = {
      {{0, 0, 0}, {kInf, 0, 0}, {0, 1, 0}},
      {{0, 0, kNaN}, {1, 0, 0}, {0, 1, 0}},
      {{3e38f, 0, 0}, {3e38f, 0, 0}, {3e38f, 0, 0}},  // the sum overflows: the centre is infinite
  };
  for (const std::vector<Vector3f>& vertices : cases) {
    LSystem lsystem;
    lsystem.polygons.push_back(std::make_shared<const Polygon>(Polygon{vertices, 0}));
    lsystem.polygons.push_back(Square());
    EXPECT_EQ(Write(lsystem, PathOf("leaf.pov")),
              kHeader + kEmptyLight + kSquareFan + kEmptyCamera);
  }
}

// The names in the test folder: no temporary is ever left behind.
std::vector<std::string> Names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(WritePovFileTest, ASuccessfulWriteLeavesOnlyTheSceneAndKeepsItsMode) {
  const std::string path = PathOf("kept.pov");
  std::ofstream(path) << "old";
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  LSystem lsystem;
  EXPECT_EQ(Write(lsystem, path), kEmptyScene);
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"kept.pov"});
  struct stat info;
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(WritePovFileTest, ALinkToASceneStaysALink) {
  const std::string target = PathOf("target.pov");
  const std::string link = PathOf("link.pov");
  std::ofstream(target) << "old";
  std::filesystem::create_symlink(target, link);
  LSystem lsystem;
  EXPECT_EQ(Write(lsystem, link), kEmptyScene);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(Read(target), kEmptyScene);
  EXPECT_EQ(printed, "PovFile saved as " + link + "\n");
  EXPECT_EQ(Names(folder_), (std::vector<std::string>{"link.pov", "target.pov"}));
}

TEST_F(WritePovFileTest, ATargetThatIsNoRegularFileIsWrittenDirectly) {
  LSystem lsystem;
  lsystem.segments.push_back({{0, 0, 0}, {0, 0, 1}, 0.1f, 0.1f});
  printed = CaptureOutput([&] { written = WritePovFile(lsystem, "/dev/null"); });
  EXPECT_TRUE(written);
  EXPECT_EQ(printed, "PovFile saved as /dev/null\n");
}

// Limits the size of the files this process writes, so that a write past it fails (EFBIG).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

TEST_F(WritePovFileTest, AFailedWriteKeepsTheEarlierSceneAndLeavesNoTemporary) {
  const std::string path = PathOf("earlier.pov");
  const std::string earlier = "an earlier scene\n";
  std::ofstream(path) << earlier;
  LSystem lsystem;
  // About 280 bytes per segment: far past the limit.
  for (int i = 0; i < 2000; ++i) {
    const float z = static_cast<float>(i);
    lsystem.segments.push_back({{0, 0, z}, {0, 0, z + 1}, 0.1f, 0.1f});
  }
  {
    FileSizeLimit limit(100000);
    printed = CaptureOutput([&] { written = WritePovFile(lsystem, path); });
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(printed, "Can't write file " + path + "\n");
  EXPECT_EQ(Read(path), earlier);
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"earlier.pov"});

  // Where no scene stood before, none stands after.
  const std::string fresh = PathOf("fresh.pov");
  {
    FileSizeLimit limit(100000);
    printed = CaptureOutput([&] { written = WritePovFile(lsystem, fresh); });
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(printed, "Can't write file " + fresh + "\n");
  EXPECT_EQ(Names(folder_), std::vector<std::string>{"earlier.pov"});
}

TEST(IsSameFile, FollowsLinksAndOtherSpellingsOfThePath) {
  std::string pattern = (std::filesystem::temp_directory_path() / "same_file_XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = pattern;
  const std::string file = (folder / "plant.ls").string();
  std::ofstream(file) << "axiom=F\n";
  std::filesystem::create_symlink(file, folder / "link.ls");
  std::filesystem::create_hard_link(file, folder / "hard.ls");
  std::ofstream((folder / "other.ls").string()) << "axiom=F\n";
  EXPECT_TRUE(IsSameFile(file, file));
  EXPECT_TRUE(IsSameFile(file, (folder / "link.ls").string()));
  EXPECT_TRUE(IsSameFile(file, (folder / "hard.ls").string()));
  EXPECT_TRUE(IsSameFile(file, (folder / "." / "plant.ls").string()));
  EXPECT_FALSE(IsSameFile(file, (folder / "other.ls").string()));
  EXPECT_FALSE(IsSameFile(file, (folder / "missing.pov").string()));
  EXPECT_FALSE(IsSameFile((folder / "missing.ls").string(), (folder / "missing.ls").string()));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lsys
