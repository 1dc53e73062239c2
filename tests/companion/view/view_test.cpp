// The parts of `lsys view` below its server: the state's JSON, the table of page files (only
// the page's own kinds of file, only at their exact paths), and the growth thread, which
// stops a growth that a newer request overtakes and keeps the plant through a broken file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "companion/view/growth_worker.h"
#include "companion/view/live_plant.h"
#include "companion/view/page_assets.h"
#include "companion/view/page_state.h"
#include "support/scratch_folder.h"

namespace lsys {
namespace {

TEST(JsonString, EscapesWhatJsonCannotHoldAsItIs) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"plain", "\"plain\""},
      {"a \"quote\" and a \\", "\"a \\\"quote\\\" and a \\\\\""},
      {"two\nlines\ttab", "\"two\\nlines\\u0009tab\""},
      {std::string("nul\0byte", 8), "\"nul\\u0000byte\""},
      {"\x7f", "\"\\u007f\""},
      {"caf\xc3\xa9", "\"caf\xc3\xa9\""},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(JsonString(text), json) << text;
}

TEST(PageAssets, ServesOnlyThePagesKindsOfFileAtTheirExactPaths) {
  const testing_support::ScratchFolder folder;
  const std::string index = folder.write("index.html", "<p>page</p>");
  const std::string root = std::filesystem::path(index).parent_path().string();
  folder.write("view.js", "// script");
  folder.write("notes.txt", "private");
  folder.write("plant.ls", "axiom=F\n");
  std::filesystem::create_directories(root + "/three/build");
  folder.write("three/build/three.module.js", "// three");
  const auto assets = PageAssets::Read(root);
  ASSERT_TRUE(assets);
  const std::vector<std::pair<std::string, const char*>> found = {
      {"/", "<p>page</p>"},
      {"/index.html", "<p>page</p>"},
      {"/view.js", "// script"},
      {"/three/build/three.module.js", "// three"}};
  for (const auto& [path, body] : found) {
    const Asset* asset = assets->find(path);
    ASSERT_NE(asset, nullptr) << path;
    EXPECT_EQ(asset->body, body) << path;
  }
  EXPECT_EQ(assets->find("/view.js")->contentType, "text/javascript; charset=utf-8");
  for (const char* path : {"/notes.txt", "/plant.ls", "/three", "/three/", "/three/build",
                           "/./view.js", "/three/../view.js", "//view.js", "view.js", ""}) {
    EXPECT_EQ(assets->find(path), nullptr) << path;
  }
  EXPECT_FALSE(PageAssets::Read(root + "/three"));  // no index.html
}

// Waits for the first published state that contains the text.
std::string waitFor(const LivePlant& live, const std::string& text,
                    std::vector<std::string>& seen) {
  std::uint64_t version = 0;
  for (int i = 0; i < 600; ++i) {
    const PlantSnapshot snapshot = live.waitForChange(version, std::chrono::milliseconds(100));
    if (snapshot.version != version) {
      version = snapshot.version;
      seen.push_back(snapshot.stateJson);
      if (snapshot.stateJson.find(text) != std::string::npos) return snapshot.stateJson;
    }
  }
  return "";
}

TEST(GrowthWorker, ANewRequestStopsTheGrowthItOvertakes) {
  const testing_support::ScratchFolder folder;
  // 5^10 segments: seconds of growth, far longer than it takes to ask again.
  const std::string plant = folder.write("weed.ls", "axiom=F\nsteps=10\nF->F[+F]F[-F]F\n");
  LivePlant live;
  std::vector<std::string> seen;
  GrowthWorker worker({plant, std::nullopt, std::nullopt}, live);
  ASSERT_NE(waitFor(live, "\"state\":\"growing\"", seen), "");
  worker.growAt(1);
  const std::string ready = waitFor(live, "\"state\":\"ready\"", seen);
  EXPECT_NE(ready.find("\"steps\":1,\"maxSteps\":10,"), std::string::npos) << ready;
  EXPECT_NE(ready.find("\"segments\":5,"), std::string::npos) << ready;
  // The overtaken growth stopped long before its tenth step, and published nothing.
  EXPECT_LT(worker.stepsRun(), 10u);
  for (const std::string& state : seen) {
    EXPECT_EQ(state.find("\"steps\":10,"), std::string::npos) << state;
  }
}

TEST(GrowthWorker, ABrokenFileIsAnErrorThatKeepsThePlant) {
  const testing_support::ScratchFolder folder;
  const std::string plant = folder.write("weed.ls", "axiom=F\nsteps=2\nF->F[+F]F[-F]F\n");
  LivePlant live;
  std::vector<std::string> seen;
  GrowthWorker worker({plant, std::nullopt, 42}, live);
  ASSERT_NE(waitFor(live, "\"state\":\"ready\"", seen), "");
  folder.write("weed.ls", "axiom=F\nsteps=2\nF(x)->F(x*)\n");
  worker.fileChanged();
  const std::string error = waitFor(live, "\"state\":\"error\"", seen);
  EXPECT_NE(error.find("\"diagnostics\":\"weed.ls:3:11: error: "), std::string::npos) << error;
  EXPECT_NE(error.find("\"segments\":25,"), std::string::npos) << error;
  EXPECT_NE(error.find("\"seed\":42,"), std::string::npos) << error;
  EXPECT_NE(live.current().glb, nullptr);
  std::filesystem::remove(plant);
  worker.fileChanged();
  seen.clear();
  const std::string gone = waitFor(live, "cannot open or read", seen);
  EXPECT_NE(gone.find("\"state\":\"error\""), std::string::npos) << gone;
}

}  // namespace
}  // namespace lsys
