#include "companion/view/folder_watcher.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <utility>

namespace lsys {

FolderWatcher::FolderWatcher(const std::string& file, std::function<void()> onChange)
    : onChange_(std::move(onChange)) {
  const std::filesystem::path path(file);
  name_ = path.filename().string();
  const std::string folder =
      path.has_parent_path() ? path.parent_path().string() : std::string(".");
  inotify_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  stop_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (inotify_ < 0 || stop_ < 0 ||
      inotify_add_watch(inotify_, folder.c_str(),
                        IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE) < 0) {
    const std::string reason = std::strerror(errno);
    if (inotify_ >= 0) close(inotify_);
    if (stop_ >= 0) close(stop_);
    throw std::runtime_error("cannot watch " + folder + ": " + reason);
  }
  thread_ = std::thread([this] { run(); });
}

FolderWatcher::~FolderWatcher() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(stop_, &one, sizeof one);
  thread_.join();
  close(inotify_);
  close(stop_);
}

void FolderWatcher::run() {
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    pollfd watched[2] = {{inotify_, POLLIN, 0}, {stop_, POLLIN, 0}};
    if (poll(watched, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (watched[1].revents != 0) return;
    bool ours = false;
    for (;;) {
      const ssize_t length = read(inotify_, buffer, sizeof buffer);
      if (length <= 0) break;
      for (ssize_t at = 0; at < length;) {
        inotify_event event;
        std::memcpy(&event, buffer + at, sizeof event);
        const char* name = buffer + at + sizeof(inotify_event);
        // An overflow may have lost the file's own event: take it as a change.
        if ((event.mask & IN_Q_OVERFLOW) != 0 || (event.len > 0 && name_ == name)) ours = true;
        at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
      }
    }
    if (ours) onChange_();
  }
}

}  // namespace lsys
