// Watches the folder of a file with inotify and calls back when the file has been written,
// replaced by a rename (as most editors save), or removed. Watching the folder rather than the
// file follows a file that is replaced: a watch on the file itself would stay on the old one.
#pragma once

#include <functional>
#include <string>
#include <thread>

namespace lsys {

class FolderWatcher {
 public:
  // Starts watching; onChange runs on the watcher's own thread. Throws std::runtime_error with
  // the reason when the folder cannot be watched.
  FolderWatcher(const std::string& file, std::function<void()> onChange);
  // Stops watching and waits for the thread.
  ~FolderWatcher();
  FolderWatcher(const FolderWatcher&) = delete;
  FolderWatcher& operator=(const FolderWatcher&) = delete;

 private:
  void run();

  std::string name_;  // the file's name in the folder
  std::function<void()> onChange_;
  int inotify_ = -1;
  int stop_ = -1;  // an eventfd that ends the thread
  std::thread thread_;
};

}  // namespace lsys
