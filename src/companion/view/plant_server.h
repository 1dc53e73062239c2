// The HTTP side of `lsys view`, on cpp-httplib, listening on the loopback address only. It
// answers GET for the page's assets, /plant.glb (the plant on screen) and /events (the page's
// state as Server-Sent Events, one event each time it changes), and POST /steps (the slider:
// a step count in the body). Every other request, whatever its method or path, gets 404, as
// does a request whose Host is not this server's loopback address (a page elsewhere cannot
// reach it through a name that resolves to 127.0.0.1).
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "companion/view/live_plant.h"
#include "companion/view/page_assets.h"

namespace httplib {
class Server;
}

namespace lsys {

class PlantServer {
 public:
  PlantServer(const PageAssets& assets, LivePlant& live, std::function<void(int)> onSteps);
  ~PlantServer();
  PlantServer(const PlantServer&) = delete;
  PlantServer& operator=(const PlantServer&) = delete;

  // Binds 127.0.0.1 at the port, any free one for 0; the port bound, or nothing.
  std::optional<int> bind(int port);
  // Serves until stop(); call after bind.
  void run();
  // Ends run(): the live plant must be closed first, so that event streams end.
  void stop();

 private:
  void route();

  const PageAssets& assets_;
  LivePlant& live_;
  std::function<void(int)> onSteps_;
  std::unique_ptr<httplib::Server> server_;
  int port_ = 0;
};

}  // namespace lsys
