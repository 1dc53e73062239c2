#include "companion/files/temporary_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace lsys {
namespace {

bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

TEST(TemporaryFile, IsOwnerOnlyWithTheSuffixAndGoesWithItsOwner) {
  std::string path;
  {
    const auto file = TemporaryFile::In("/tmp", "lsys-test-", ".pov");
    ASSERT_TRUE(file);
    path = file->path();
    EXPECT_EQ(path.substr(0, 15), "/tmp/lsys-test-");
    EXPECT_EQ(path.substr(path.size() - 4), ".pov");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
  }
  EXPECT_FALSE(Exists(path));
}

TEST(TemporaryFile, IsRemovedWhenAnExceptionLeavesTheScopeAndAfterAMove) {
  std::string path;
  try {
    auto file = TemporaryFile::In("/tmp", "lsys-test-", "");
    ASSERT_TRUE(file);
    path = file->path();
    TemporaryFile moved = std::move(*file);
    EXPECT_EQ(moved.path(), path);
    EXPECT_TRUE(file->path().empty());  // the moved-from file no longer owns it
    throw std::runtime_error("a failure half way");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(Exists(path));
}

TEST(TemporaryFile, StaysWhenKeptAndIsNoneInAFolderThatIsMissing) {
  std::string path;
  {
    auto file = TemporaryFile::In("/tmp", "lsys-test-", ".png");
    ASSERT_TRUE(file);
    path = file->path();
    file->keep();
  }
  EXPECT_TRUE(Exists(path));
  ::unlink(path.c_str());
  EXPECT_FALSE(TemporaryFile::In("/nonexistent-folder", "x", ".pov"));
}

}  // namespace
}  // namespace lsys
