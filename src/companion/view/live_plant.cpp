#include "companion/view/live_plant.h"

#include <utility>

namespace lsys {

void LivePlant::publish(std::string stateJson, std::shared_ptr<const std::string> glb) {
  {
    const std::lock_guard lock(mutex_);
    ++snapshot_.version;
    snapshot_.stateJson = std::move(stateJson);
    if (glb) snapshot_.glb = std::move(glb);
  }
  changed_.notify_all();
}

PlantSnapshot LivePlant::current() const {
  const std::lock_guard lock(mutex_);
  return snapshot_;
}

PlantSnapshot LivePlant::waitForChange(std::uint64_t seen,
                                       std::chrono::milliseconds timeout) const {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, timeout, [&] { return snapshot_.closed || snapshot_.version != seen; });
  return snapshot_;
}

void LivePlant::close() {
  {
    const std::lock_guard lock(mutex_);
    snapshot_.closed = true;
  }
  changed_.notify_all();
}

}  // namespace lsys
