#include "app/run_program.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;

// The scene of the one-step description below.
const std::string kOneStepScene =
    "#include \"colors.inc\"\n#include \"shapes.inc\"\n#include \"textures.inc\"\n"
    "light_source { <0.000000, 0.000000, 0.000000> color White}\n\n"
    "cone {\n<0.000000,0.000000,-0.000000>,0.100000\n<0.000000,1.000000,-0.000000>,0.100000\n"
    "pigment {color red 1 green 1 blue 1}\n}\n"
    "sphere {\n<0.000000,1.000000,-0.000000>,0.100000\n"
    "pigment {color red 1 green 1 blue 1}\n}\n"
    "camera {location  <1, 0.000000, 0.000000>\nlook_at   <0, 0.000000,  0>\n}\n";

// Every test runs in a fresh scratch folder holding plant.ls, so the default scene lands there.
class RunProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "run_program_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    std::filesystem::current_path(folder_);
    std::ofstream("plant.ls") << "axiom=F\nsteps=0\n";
  }
  void TearDown() override {
    std::filesystem::current_path(home_);
    std::filesystem::remove_all(folder_);
  }

  int Run(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "lsys2pov");
    int code = -1;
    printed = CaptureOutput(
        [&] { code = RunProgram(static_cast<int>(arguments.size()), arguments.data()); });
    return code;
  }

  // The names in the scratch folder besides the description.
  std::vector<std::string> NewFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      const std::string name = entry.path().filename().string();
      if (name != "plant.ls") names.push_back(name);
    }
    return names;
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  static std::string Report(const std::string& scene) {
    return "parsing linfile: plant.ls\nAxiom: F\nsteps: 0\n\nplant.ls loadet\nParsing:\n"
           "MakePolyListe\nPovFile saved as " +
           scene + "\n";
  }

  std::filesystem::path home_;
  std::filesystem::path folder_;
  std::string printed;
};

TEST_F(RunProgramTest, WithoutAnArgumentOnlyComplains) {
  EXPECT_EQ(Run({}), 1);
  EXPECT_EQ(printed, "Error: to few arguments\n");
  EXPECT_TRUE(NewFiles().empty());
}

TEST_F(RunProgramTest, OneArgumentWritesQuarbelPovHere) {
  EXPECT_EQ(Run({"plant.ls"}), 0);
  EXPECT_EQ(printed, Report("quarbel.pov"));
  EXPECT_EQ(NewFiles(), std::vector<std::string>{"quarbel.pov"});
  EXPECT_EQ(Read("quarbel.pov"), kOneStepScene);
}

TEST_F(RunProgramTest, ASecondArgumentNamesTheScene) {
  EXPECT_EQ(Run({"plant.ls", "tree.pov"}), 0);
  EXPECT_EQ(printed, Report("tree.pov"));
  EXPECT_EQ(NewFiles(), std::vector<std::string>{"tree.pov"});
  EXPECT_EQ(Read("tree.pov"), kOneStepScene);
}

TEST_F(RunProgramTest, WithThreeArgumentsTheSceneIsQuarbelPov) {
  EXPECT_EQ(Run({"plant.ls", "tree.pov", "other.pov"}), 0);
  EXPECT_EQ(printed, Report("quarbel.pov"));
  EXPECT_EQ(NewFiles(), std::vector<std::string>{"quarbel.pov"});
}

TEST_F(RunProgramTest, AnUnreadableDescriptionEndsTheRunWithoutAScene) {
  std::filesystem::create_directory("folder.ls");
  for (const char* description : {"missing.ls", "folder.ls"}) {
    EXPECT_EQ(Run({description}), 1) << description;
    EXPECT_EQ(printed, "Can't open LSystemfile: " + std::string(description) + "\n\n" +
                           description + " loadet\n")
        << description;
    EXPECT_FALSE(std::filesystem::exists("quarbel.pov")) << description;
  }
}

TEST_F(RunProgramTest, ASceneThatCannotBeWrittenGivesExitCodeOne) {
  EXPECT_EQ(Run({"plant.ls", "missing/tree.pov"}), 1);
  const std::string tail = "MakePolyListe\nCan't open file missing/tree.pov\n";
  ASSERT_GE(printed.size(), tail.size());
  EXPECT_EQ(printed.substr(printed.size() - tail.size()), tail);
  EXPECT_TRUE(NewFiles().empty());
}

TEST_F(RunProgramTest, ASceneThatNamesTheDescriptionLeavesItUntouched) {
  const std::string description = Read("plant.ls");
  std::filesystem::create_symlink("plant.ls", "link.ls");
  std::filesystem::create_hard_link("plant.ls", "hard.ls");
  const std::string absolute = (folder_ / "plant.ls").string();
  for (const std::string& scene : {std::string("plant.ls"), std::string("./plant.ls"),
                                   std::string("link.ls"), std::string("hard.ls"), absolute}) {
    EXPECT_EQ(Run({"plant.ls", scene.c_str()}), 1) << scene;
    const std::string tail = "MakePolyListe\nCan't open file " + scene + "\n";
    ASSERT_GE(printed.size(), tail.size()) << scene;
    EXPECT_EQ(printed.substr(printed.size() - tail.size()), tail) << scene;
    EXPECT_EQ(Read("plant.ls"), description) << scene;
    EXPECT_TRUE(std::filesystem::is_symlink("link.ls")) << scene;
  }
  // The description given through the link is protected as well.
  EXPECT_EQ(Run({"link.ls", "plant.ls"}), 1);
  EXPECT_EQ(Read("plant.ls"), description);
  EXPECT_FALSE(std::filesystem::exists("quarbel.pov"));
}

}  // namespace
}  // namespace lsys
