#include "companion/files/temporary_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <system_error>
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
  return In(SystemTemporaryFolder(), prefix, suffix);
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : path_(std::exchange(other.path_, std::string())) {}

TemporaryFile::~TemporaryFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

std::optional<TemporaryFolder> TemporaryFolder::In(const std::string& parent,
                                                   const std::string& prefix) {
  std::string pattern = parent + "/" + prefix + "XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return {};  // made with owner-only permissions
  return TemporaryFolder(std::move(pattern));
}

TemporaryFolder::TemporaryFolder(TemporaryFolder&& other) noexcept
    : path_(std::exchange(other.path_, std::string())) {}

TemporaryFolder::~TemporaryFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string SystemTemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}

}  // namespace lsys
