// Grows the plant for `lsys view` on a thread of its own, never on the server's request
// threads: once at the start, again whenever the file changes or the page asks for another step
// count. A new request stops a growth still running (between two steps of the derivation) and
// starts over. Each growth checks the file as `lsys check` does: a file with an error is shown
// as its diagnostics and the last good plant stays.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "companion/growth/grow.h"
#include "companion/view/live_plant.h"
#include "companion/view/page_state.h"

namespace lsys {

struct ViewSettings {
  std::string description;                        // the file's path
  std::optional<int> steps;                       // instead of the file's own step count
  std::optional<std::uint64_t> seed;              // instead of the dialect's seed= line
  std::size_t maxModules = kDefaultModuleBudget;  // the module budget of every generation
};

class GrowthWorker {
 public:
  // Starts the thread, which grows the plant a first time.
  GrowthWorker(ViewSettings settings, LivePlant& live);
  // Stops a growth still running and waits for the thread.
  ~GrowthWorker();
  GrowthWorker(const GrowthWorker&) = delete;
  GrowthWorker& operator=(const GrowthWorker&) = delete;

  // The file changed: grow it again at the step count chosen last.
  void fileChanged();
  // The page's slider: grow at this step count (at least 0) from now on.
  void growAt(int steps);

  // The derivation steps run so far, by all growths together (stopped ones included).
  std::uint64_t stepsRun() const { return stepsRun_; }

 private:
  void run();
  void growOnce(std::optional<int> steps);
  void publish();

  const ViewSettings settings_;
  LivePlant& live_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool pending_ = true;
  bool stopping_ = false;
  std::optional<int> steps_;
  // Raised by every request; a growth stops when it no longer matches the one it started with.
  std::atomic<std::uint64_t> generation_{0};
  std::atomic<std::uint64_t> stepsRun_{0};
  PageState state_;  // the growth thread's own
  std::thread thread_;
};

}  // namespace lsys
