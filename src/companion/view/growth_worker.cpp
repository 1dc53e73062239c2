#include "companion/view/growth_worker.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <new>
#include <utility>

#include "app/lsystem.h"
#include "common/output.h"
#include "companion/check/check_description.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/glb_writer.h"
#include "companion/picture/palette.h"
#include "description/load_description.h"

namespace lsys {
namespace {

// Stops the growth before a step once a newer request has made it pointless, and counts the
// steps taken.
class StopWhenOvertaken final : public GrowthObserver {
 public:
  StopWhenOvertaken(const std::atomic<std::uint64_t>& generation, std::uint64_t started,
                    std::atomic<std::uint64_t>& stepsRun)
      : generation_(generation), started_(started), stepsRun_(stepsRun) {}
  bool beforeStep(int, const LSystem&) override { return generation_ == started_; }
  void afterStep(const StepReport&) override { ++stepsRun_; }

 private:
  const std::atomic<std::uint64_t>& generation_;
  const std::uint64_t started_;
  std::atomic<std::uint64_t>& stepsRun_;
};

// The diagnostics of `lsys check`, when any of them is an error; empty otherwise.
std::string errorsOf(const std::string& path, const std::string& shownName) {
  const CheckResult result = CheckDescription(path);
  if (!result.readable) return shownName + ": error: cannot open or read the file\n";
  bool failed = false;
  for (const Diagnostic& diagnostic : result.diagnostics) {
    failed = failed || diagnostic.severity == Severity::kError;
  }
  if (!failed) return "";
  std::string text;
  {
    Output out = Output::ToString(text);
    for (const Diagnostic& diagnostic : result.diagnostics) {
      PrintDiagnostic(out, shownName, result.lines, diagnostic);
    }
  }
  return text;
}

// The step count the file itself asks for, or nothing when it cannot be read.
std::optional<int> stepsOfFile(const std::string& path) {
  LSystem probe;
  Output quiet = Output::Discarding();
  probe.setConsole(quiet);
  if (!LoadDescription(probe, path)) return std::nullopt;
  return probe.steps;
}

}  // namespace

GrowthWorker::GrowthWorker(ViewSettings settings, LivePlant& live)
    : settings_(std::move(settings)), live_(live), steps_(settings_.steps) {
  state_.file = std::filesystem::path(settings_.description).filename().string();
  state_.seed = settings_.seed;
  thread_ = std::thread([this] { run(); });
}

GrowthWorker::~GrowthWorker() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    ++generation_;
  }
  wake_.notify_all();
  thread_.join();
}

void GrowthWorker::fileChanged() {
  {
    const std::lock_guard lock(mutex_);
    pending_ = true;
    ++generation_;
  }
  wake_.notify_all();
}

void GrowthWorker::growAt(int steps) {
  {
    const std::lock_guard lock(mutex_);
    steps_ = steps < 0 ? 0 : steps;
    pending_ = true;
    ++generation_;
  }
  wake_.notify_all();
}

void GrowthWorker::run() {
  for (;;) {
    std::optional<int> steps;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return pending_ || stopping_; });
      if (stopping_) return;
      pending_ = false;
      steps = steps_;
    }
    growOnce(steps);
  }
}

void GrowthWorker::publish() { live_.publish(StateJson(state_), nullptr); }

void GrowthWorker::growOnce(std::optional<int> steps) {
  const std::uint64_t generation = generation_;
  const auto started = std::chrono::steady_clock::now();
  const auto finish = [&](GrowthState state, std::string diagnostics) {
    state_.state = state;
    state_.diagnostics = std::move(diagnostics);
    state_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  };
  state_.state = GrowthState::kGrowing;
  publish();

  const std::string& path = settings_.description;
  std::string errors = errorsOf(path, state_.file);
  const std::optional<int> fileSteps = stepsOfFile(path);
  if (errors.empty() && !fileSteps)
    errors = state_.file + ": error: cannot open or read the file\n";
  if (!errors.empty()) {
    finish(GrowthState::kError, std::move(errors));
    publish();
    return;
  }
  try {
    LSystem lsystem;
    lsystem.pictureReading = PictureReading::ForPictures();  // as lsys render and export read
    Output quiet = Output::Discarding();
    StopWhenOvertaken observer(generation_, generation, stepsRun_);
    const GrowthResult grown = GrowQuietly(
        lsystem, {path, steps, settings_.maxModules, {DialectSwitch::kAsMarked, settings_.seed}},
        quiet, observer);
    if (grown.growth == Growth::kStopped) return;  // a newer request is pending; it publishes
    if (grown.growth == Growth::kUnreadable) {
      finish(GrowthState::kError, state_.file + ": error: cannot open or read the file\n");
      publish();
      return;
    }
    if (grown.growth == Growth::kOverBudget) {
      finish(GrowthState::kError,
             state_.file + ": error: " + OverBudgetMessage(grown, settings_.maxModules) + "\n");
      publish();
      return;
    }
    if (generation_ != generation) return;
    auto glb = std::make_shared<const std::string>(
        GlbBytes(DrawingOf(lsystem), Palette::Natural(), state_.file));
    state_.steps = lsystem.steps;
    state_.maxSteps = std::max(*fileSteps, settings_.steps.value_or(0));
    state_.maxSteps = std::max(state_.maxSteps, lsystem.steps);
    state_.segments = lsystem.segments.size();
    state_.polygons = lsystem.polygons.size();
    state_.modules = lsystem.current ? lsystem.current->size() : 0;
    ++state_.plant;
    finish(GrowthState::kReady, "");
    live_.publish(StateJson(state_), std::move(glb));
  } catch (const std::bad_alloc&) {
    finish(GrowthState::kError, state_.file + ": error: out of memory growing the plant\n");
    publish();
  }
}

}  // namespace lsys
