// A file of the companion's own that exists only while it is needed: created empty with an
// unpredictable name and owner-only permissions, and removed when its owner goes out of scope
// on any path (a return, an exception), unless kept.
#pragma once

#include <optional>
#include <string>

namespace lsys {

class TemporaryFile {
 public:
  // Creates "<folder>/<prefix>XXXXXX<suffix>" with a unique name; none when it cannot be made.
  static std::optional<TemporaryFile> In(const std::string& folder, const std::string& prefix,
                                         const std::string& suffix);
  // The same in the temporary folder: TMPDIR, or /tmp when that is unset or empty.
  static std::optional<TemporaryFile> InTemporaryFolder(const std::string& prefix,
                                                        const std::string& suffix);

  TemporaryFile(TemporaryFile&& other) noexcept;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  TemporaryFile& operator=(TemporaryFile&&) = delete;
  // Removes the file unless it was kept.
  ~TemporaryFile();

  const std::string& path() const { return path_; }
  // Leaves the file to its new owner (it was renamed into place, say): nothing is removed.
  void keep() { path_.clear(); }

 private:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  std::string path_;  // empty once kept or moved from
};

// A folder of the companion's own, made with an unpredictable name and owner-only permissions,
// removed with everything in it when its owner goes out of scope.
class TemporaryFolder {
 public:
  // Makes "<parent>/<prefix>XXXXXX"; none when it cannot be made.
  static std::optional<TemporaryFolder> In(const std::string& parent, const std::string& prefix);

  TemporaryFolder(TemporaryFolder&& other) noexcept;
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(TemporaryFolder&&) = delete;
  ~TemporaryFolder();

  const std::string& path() const { return path_; }

 private:
  explicit TemporaryFolder(std::string path) : path_(std::move(path)) {}
  std::string path_;  // empty once moved from
};

// The system's folder for temporary files: TMPDIR, or /tmp when that is unset or empty.
std::string SystemTemporaryFolder();

// The folder part of a path: "a/b.png" gives "a", "b.png" gives ".", "/b.png" gives "/".
std::string FolderOf(const std::string& path);

}  // namespace lsys
