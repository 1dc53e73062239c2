#include "scene/scene_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace lsys {
namespace {

constexpr mode_t kNewFileMode = 0666;  // as fopen creates files: narrowed by the umask

// The path the scene finally replaces: a link to a regular file is followed, so that the
// rename replaces the file and the link stays.
std::string resolvedTarget(const std::string& path) {
  struct stat link;
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target = resolved;
  std::free(resolved);
  return target;
}

// Creates a fresh file "<target>.tmp<pid>.<n>" beside the target; its name, or none.
int createTemporary(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + ".tmp" + std::to_string(getpid()) + "." + std::to_string(attempt);
    const int descriptor =
        ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

}  // namespace

SceneFile::SceneFile(int descriptor, std::string target, std::string temporary)
    : descriptor_(descriptor), target_(std::move(target)), temporary_(std::move(temporary)) {}

SceneFile::SceneFile(SceneFile&& other) noexcept
    : descriptor_(other.descriptor_),
      target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)) {
  other.descriptor_ = -1;
  other.temporary_.clear();
}

SceneFile::~SceneFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

std::optional<SceneFile> SceneFile::Open(const std::string& path) {
  const std::string target = resolvedTarget(path);
  struct stat existing;
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists || S_ISREG(existing.st_mode)) {
    std::string temporary;
    const int descriptor = createTemporary(target, temporary);
    if (descriptor >= 0) {
      // The replacement keeps the mode of the file it replaces, as truncating it would.
      if (exists) ::fchmod(descriptor, existing.st_mode & 07777);
      return SceneFile(descriptor, target, temporary);
    }
    // A folder that refuses new files may still hold a writable scene: it is written in place,
    // as before.
  }
  const int descriptor =
      ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode);
  if (descriptor < 0) return std::nullopt;
  return SceneFile(descriptor, target, "");
}

bool SceneFile::commit(bool writesSucceeded) {
  bool complete = writesSucceeded;
  if (descriptor_ >= 0) {
    if (::close(descriptor_) != 0) complete = false;
    descriptor_ = -1;
  }
  if (temporary_.empty()) return complete;
  if (complete && ::rename(temporary_.c_str(), target_.c_str()) != 0) complete = false;
  if (!complete) ::unlink(temporary_.c_str());
  temporary_.clear();
  return complete;
}

bool IsSameFile(const std::string& first, const std::string& second) {
  struct stat a;
  struct stat b;
  if (::stat(first.c_str(), &a) != 0 || ::stat(second.c_str(), &b) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace lsys
