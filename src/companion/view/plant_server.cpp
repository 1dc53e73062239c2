#include "companion/view/plant_server.h"

#include <httplib.h>

#include <charconv>
#include <string>
#include <utility>

namespace lsys {
namespace {

constexpr int kThreads = 16;  // each open page holds one for its event stream
constexpr auto kEventWait = std::chrono::seconds(10);

void notFound(httplib::Response& response) {
  response.status = 404;
  response.set_content("not found\n", "text/plain; charset=utf-8");
}

}  // namespace

PlantServer::PlantServer(const PageAssets& assets, LivePlant& live,
                         std::function<void(int)> onSteps)
    : assets_(assets),
      live_(live),
      onSteps_(std::move(onSteps)),
      server_(std::make_unique<httplib::Server>()) {
  server_->new_task_queue = [] { return new httplib::ThreadPool(kThreads); };
  // SO_REUSEADDR only: httplib's default adds SO_REUSEPORT, with which a second server would
  // share a port already taken instead of failing.
  server_->set_socket_options([](socket_t socket) {
    int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  // Short, so that stopping does not wait long for idle connections.
  server_->set_keep_alive_timeout(1);
  route();
}

PlantServer::~PlantServer() = default;

std::optional<int> PlantServer::bind(int port) {
  if (port == 0) {
    const int bound = server_->bind_to_any_port("127.0.0.1");
    if (bound <= 0) return std::nullopt;
    port_ = bound;
  } else {
    if (!server_->bind_to_port("127.0.0.1", port)) return std::nullopt;
    port_ = port;
  }
  return port_;
}

void PlantServer::run() { server_->listen_after_bind(); }

void PlantServer::stop() { server_->stop(); }

void PlantServer::route() {
  server_->set_pre_routing_handler(
      [this](const httplib::Request& request, httplib::Response& response) {
        const std::string host = request.get_header_value("Host");
        const std::string port = ":" + std::to_string(port_);
        // Pages of other origins may not drive it either (the slider's POST).
        const std::string origin = request.get_header_value("Origin");
        const bool ownOrigin = origin.empty() || origin == "http://127.0.0.1" + port ||
                               origin == "http://localhost" + port;
        if ((host != "127.0.0.1" + port && host != "localhost" + port) || !ownOrigin) {
          notFound(response);
          return httplib::Server::HandlerResponse::Handled;
        }
        response.set_header("Cache-Control", "no-store");
        response.set_header("X-Content-Type-Options", "nosniff");
        return httplib::Server::HandlerResponse::Unhandled;
      });

  server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    if (const Asset* asset = assets_.find(request.path)) {
      response.set_content(asset->body, asset->contentType);
    } else if (request.path == "/plant.glb") {
      const PlantSnapshot snapshot = live_.current();
      if (!snapshot.glb) return notFound(response);
      response.set_content(*snapshot.glb, "model/gltf-binary");
    } else if (request.path == "/events") {
      auto seen = std::make_shared<std::uint64_t>(0);
      response.set_chunked_content_provider(
          "text/event-stream", [this, seen](std::size_t, httplib::DataSink& sink) {
            const PlantSnapshot snapshot = live_.waitForChange(*seen, kEventWait);
            if (snapshot.closed) {
              sink.done();
              return false;
            }
            // A comment when nothing changed: a page that went away shows as a failed write.
            std::string event = ":\n\n";
            if (snapshot.version != *seen) {
              event = "data: " + snapshot.stateJson + "\n\n";
              *seen = snapshot.version;
            }
            return sink.write(event.data(), event.size());
          });
    } else {
      notFound(response);
    }
  });

  server_->Post("/steps", [this](const httplib::Request& request, httplib::Response& response) {
    int steps = -1;
    const std::string& body = request.body;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), steps);
    if (error != std::errc() || end != body.data() + body.size() || steps < 0) {
      response.status = 400;
      response.set_content("a step count of 0 or more\n", "text/plain; charset=utf-8");
      return;
    }
    onSteps_(steps);
    response.status = 204;
  });

  // Any other method or path.
  const auto refuse = [](const httplib::Request&, httplib::Response& response) {
    notFound(response);
  };
  server_->Post(".*", refuse);
  server_->Put(".*", refuse);
  server_->Patch(".*", refuse);
  server_->Delete(".*", refuse);
  server_->Options(".*", refuse);
}

}  // namespace lsys
