#include "common/write_all.h"

#include <unistd.h>

#include <cerrno>

namespace lsys {

bool WriteAll(int descriptor, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) return false;  // no progress: the target takes nothing more
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace lsys
