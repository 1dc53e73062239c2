// lsys2pov's --help and --version: only as the one argument, everything else grows a
// description as before.
#include <gtest/gtest.h>

#include <string>

#include "app/help_text.h"

namespace lsys {
namespace {

TEST(IsHelpOrVersionRequest, OnlyTheOptionAloneCounts) {
  const struct {
    std::vector<const char*> argv;
    bool request;
  } rows[] = {{{"lsys2pov", "--help"}, true},
              {{"lsys2pov", "--version"}, true},
              {{"lsys2pov"}, false},
              {{"lsys2pov", "--help", "scene.pov"}, false},
              {{"lsys2pov", "plant.ls", "--help"}, false},
              {{"lsys2pov", "-h"}, false},
              {{"lsys2pov", "--HELP"}, false},
              {{"lsys2pov", "./--help"}, false}};
  for (const auto& row : rows) {
    EXPECT_EQ(IsHelpOrVersionRequest(static_cast<int>(row.argv.size()), row.argv.data()),
              row.request)
        << row.argv.back();
  }
}

TEST(WriteHelpOrVersion, PrintsTheUsageOrTheBuildVersion) {
  std::string help, version;
  {
    Output out = Output::ToString(help);
    WriteHelpOrVersion("--help", out);
    Output versionOut = Output::ToString(version);
    WriteHelpOrVersion("--version", versionOut);
  }
  EXPECT_EQ(help.rfind("Usage: lsys2pov DESCRIPTION [SCENE]\n", 0), 0u);
  EXPECT_EQ(version, "lsys2pov " LSYS_VERSION "\n");
}

}  // namespace
}  // namespace lsys
