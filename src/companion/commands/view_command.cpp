#include "companion/commands/view_command.h"

#include <pthread.h>
#include <signal.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <thread>

#include "companion/commands/command_support.h"
#include "companion/text/visible_text.h"
#include "companion/view/folder_watcher.h"
#include "companion/view/growth_worker.h"
#include "companion/view/live_plant.h"
#include "companion/view/page_assets.h"
#include "companion/view/plant_server.h"

namespace lsys {
namespace {

// SIGINT and SIGTERM are blocked in every thread (the threads started later inherit the mask)
// and taken by sigwait on the main thread, which then shuts the server down in order.
sigset_t stopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  return signals;
}

}  // namespace

int ViewDescription(const ViewRequest& request) {
  if (!std::ifstream(request.description)) {
    ReportError("cannot read " + request.description);
    return 1;
  }
  std::string lookedIn;
  const std::optional<PageAssets> assets = PageAssets::Find(lookedIn);
  if (!assets) {
    ReportError("cannot find the page's files (looked in " + lookedIn + ")");
    return 1;
  }
  const sigset_t signals = stopSignals();
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  // A page that goes away mid-answer must not end the server.
  signal(SIGPIPE, SIG_IGN);

  LivePlant live;
  GrowthWorker worker({request.description, request.steps, request.seed, request.maxModules}, live);
  PlantServer server(*assets, live, [&worker](int steps) { worker.growAt(steps); });
  const std::optional<int> port = server.bind(request.port);
  if (!port) {
    live.close();
    ReportError("cannot listen on 127.0.0.1:" + std::to_string(request.port));
    return 1;
  }
  std::unique_ptr<FolderWatcher> watcher;
  try {
    watcher =
        std::make_unique<FolderWatcher>(request.description, [&worker] { worker.fileChanged(); });
  } catch (const std::runtime_error& error) {
    live.close();
    ReportError(error.what());
    return 1;
  }
  std::printf("http://127.0.0.1:%d/\n", *port);
  std::fflush(stdout);
  std::fprintf(stderr, "lsys: showing %s and growing it again on every save; Ctrl-C stops\n",
               VisibleText(request.description).c_str());

  std::thread serving([&server] { server.run(); });
  int received = 0;
  sigwait(&signals, &received);
  watcher.reset();
  live.close();
  server.stop();
  serving.join();
  return 0;
}

void AddViewCommand(CLI::App& app, int& exitCode) {
  auto request = std::make_shared<ViewRequest>();
  CLI::App* command = app.add_subcommand(
      "view",
      "serve a page on 127.0.0.1 that shows DESCRIPTION in 3D and grows it again on every save; "
      "prints the page's address as the first line and runs until interrupted");
  command->add_option("DESCRIPTION", request->description, "the description file")->required();
  command->add_option("--port", request->port, "the port to listen on; 0 picks a free one")
      ->check(CLI::Range(0, 65535));
  command->add_option("--steps", request->steps, "derivation steps instead of the file's")
      ->check(CLI::Range(0, 1'000'000));
  command->add_option("--seed", request->seed, "the seed of the random rules, shown on the page");
  AddMaxModulesOption(*command, request->maxModules);
  command->callback([request, &exitCode] { exitCode = ViewDescription(*request); });
}

}  // namespace lsys
