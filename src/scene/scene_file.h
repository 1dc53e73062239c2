// Where the scene goes on disk. A regular file (or a path that does not exist yet) is written
// to a temporary file in the same folder and renamed over the target only when everything was
// written: a failed run leaves no truncated scene and keeps the one an earlier run left. Other
// targets (/dev/null, a FIFO, a terminal) are written directly, as they cannot be replaced.
#pragma once

#include <optional>
#include <string>

namespace lsys {

class SceneFile {
 public:
  // Opens the target for writing; none when neither a temporary beside it nor the target
  // itself can be created.
  static std::optional<SceneFile> Open(const std::string& path);

  SceneFile(SceneFile&& other) noexcept;
  SceneFile(const SceneFile&) = delete;
  SceneFile& operator=(const SceneFile&) = delete;
  SceneFile& operator=(SceneFile&&) = delete;
  // Closes the descriptor if still open and removes a temporary that was not committed.
  ~SceneFile();

  // The descriptor to write the scene to; valid until commit or destruction.
  int descriptor() const { return descriptor_; }

  // Closes the file and, for a temporary, renames it over the target. With writesSucceeded
  // false, or when closing or renaming fails, a temporary is removed and the target is left as
  // it was. True when the scene now stands complete at the target.
  bool commit(bool writesSucceeded);

 private:
  SceneFile(int descriptor, std::string target, std::string temporary);

  int descriptor_;
  std::string target_;     // the path the rename replaces (links resolved)
  std::string temporary_;  // empty when the target is written directly
};

// Whether both paths name one existing file (same device and inode, through any link).
bool IsSameFile(const std::string& first, const std::string& second);

}  // namespace lsys
