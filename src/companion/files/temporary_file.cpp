#include "companion/files/temporary_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <climits>
#include <utility>

namespace lsys {

std::optional<TemporaryFile> TemporaryFile::In(const std::string& folder, const std::string& prefix,
                                               const std::string& suffix) {
  if (suffix.size() > INT_MAX) return {};
  std::string pattern = folder + "/" + prefix + "XXXXXX" + suffix;
  // mkstemps creates the file with owner-only permissions.
  const int descriptor = ::mkstemps(pattern.data(), static_cast<int>(suffix.size()));
  if (descriptor < 0) return {};
  ::close(descriptor);
  return TemporaryFile(std::move(pattern));
}

std::optional<TemporaryFile> TemporaryFile::InTemporaryFolder(const std::string& prefix,
                                                              const std::string& suffix) {
  return In(TemporaryFolder(), prefix, suffix);
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : path_(std::exchange(other.path_, std::string())) {}

TemporaryFile::~TemporaryFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}

}  // namespace lsys
