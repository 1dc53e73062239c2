// What the page shows, handed from the growth thread, which publishes each new state, to the
// server's request threads, which read it and wait for the next one.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace lsys {

struct PlantSnapshot {
  std::uint64_t version = 0;               // one more with every publication
  std::string stateJson;                   // the page's state (page_state.h)
  std::shared_ptr<const std::string> glb;  // the last plant grown, or null before the first
  bool closed = false;                     // the server is shutting down
};

class LivePlant {
 public:
  // Publishes a new state; a null glb keeps the plant shown so far.
  void publish(std::string stateJson, std::shared_ptr<const std::string> glb);
  PlantSnapshot current() const;
  // The first snapshot whose version is not seen, or the current one once the timeout has
  // passed or the plant is closed.
  PlantSnapshot waitForChange(std::uint64_t seen, std::chrono::milliseconds timeout) const;
  // Wakes every waiter for good.
  void close();

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  PlantSnapshot snapshot_;
};

}  // namespace lsys
