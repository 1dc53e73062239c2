// A temporary folder for test files, removed with everything in it when the object goes.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace lsys::testing_support {

class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/lsys_test_XXXXXX";
    if (mkdtemp(pattern) != nullptr) path_ = pattern;
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    if (!path_.empty()) std::filesystem::remove_all(path_);
  }

  // Writes the bytes to the named file in the folder and returns its path.
  std::string write(const std::string& name, const std::string& contents) const {
    const std::string path = path_ + "/" + name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
  }

 private:
  std::string path_;
};

}  // namespace lsys::testing_support
