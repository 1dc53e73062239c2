#include "companion/commands/animate_command.h"

#include <stdlib.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/lsystem.h"
#include "companion/commands/picture_options.h"
#include "companion/commands/progress.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/encode_animation.h"
#include "companion/picture/povray_runner.h"
#include "companion/picture/scene_plan.h"

namespace lsys {
namespace {

// A longer animation is a mistake rather than a wish: each frame is a render.
constexpr int kMaximumFrames = 500;

// A folder of its own in the temporary folder for the scenes and frames, removed with them.
class FrameFolder {
 public:
  FrameFolder() {
    const char* folder = std::getenv("TMPDIR");
    std::string pattern =
        std::string(folder != nullptr && *folder ? folder : "/tmp") + "/lsys-animate-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  FrameFolder(const FrameFolder&) = delete;
  FrameFolder& operator=(const FrameFolder&) = delete;
  ~FrameFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }
  std::string file(int frame, const char* extension) const {
    char name[32];
    std::snprintf(name, sizeof name, "/frame%04d.%s", frame, extension);
    return path_ + name;
  }

 private:
  std::string path_;
};

// Grows generation `step` and writes its scene under the shared camera.
bool writeFrameScene(const AnimateRequest& request, int step, const FittedPicture& picture,
                     const std::string& scene) {
  LSystem lsystem;
  lsystem.pictureReading = PictureReading::ForPictures();
  Output quiet = Output::Discarding();
  GrowthObserver silent;
  if (GrowQuietly(lsystem, request.description, step, quiet, silent) != Growth::kGrown) {
    ReportError("cannot read " + request.description);
    return false;
  }
  if (picture.radius) SetRadii(lsystem.segments, *picture.radius);
  const Drawing drawing = DrawingOf(lsystem);
  return WriteFileWith(scene, [&](Output& out) {
    WriteRenderScene(drawing, PlanScene(drawing, request.look.palette), picture.camera,
                     picture.view, request.look, DescriptionStem(request.description), out);
  });
}

// Renders every frame's scene with one POV-Ray process per core, each on one thread. Returns
// the first frame that failed, with its run; nothing when all succeeded.
struct FailedFrame {
  int frame;
  PovRayRun run;
};
std::optional<FailedFrame> renderFrames(const AnimateRequest& request, const FrameFolder& folder,
                                        int frames, const Progress& progress) {
  const int workers = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, frames);
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  std::mutex failureLock;
  std::optional<FailedFrame> failure;
  const auto work = [&] {
    for (int frame = next++; frame < frames; frame = next++) {
      {
        const std::lock_guard<std::mutex> lock(failureLock);
        if (failure) return;  // no point in rendering more
      }
      PovRayRun run =
          RunPovRay(folder.file(frame, "pov"), folder.file(frame, "png"), request.size.width,
                    request.size.height, false, {request.antialias, 1});
      if (!run.started || run.exitCode != 0 || !PovRayComplaints(run.log).empty()) {
        const std::lock_guard<std::mutex> lock(failureLock);
        if (!failure || frame < failure->frame) failure = FailedFrame{frame, std::move(run)};
        return;
      }
      progress.line("frame " + std::to_string(++done) + " of " + std::to_string(frames) +
                    " rendered");
    }
  };
  std::vector<std::thread> threads;
  for (int i = 1; i < workers; ++i) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  return failure;
}

void reportFailedFrame(const AnimateRequest& request, const FailedFrame& failed) {
  if (!failed.run.started) {
    ReportError("cannot run povray: install POV-Ray (Debian package povray)");
    return;
  }
  const auto complaints = PovRayComplaints(failed.run.log);
  for (const std::string& complaint : complaints) ReportError("povray: " + complaint);
  if (complaints.empty()) std::fwrite(failed.run.log.data(), 1, failed.run.log.size(), stderr);
  ReportError("povray could not render frame " + std::to_string(failed.frame) + " of " +
              request.description);
}

}  // namespace

int AnimateDescription(const AnimateRequest& request) {
  const auto format = AnimationFormatOf(request.output);
  if (!format) {
    ReportError("the animation must end in .gif, .mp4 or .webp: " + request.output);
    return 1;
  }
  AnimateRequest even = request;
  if (NeedsEvenSize(*format)) {
    // H.264 in yuv420p halves the colour resolution: both sides must be even.
    even.size.width += even.size.width % 2;
    even.size.height += even.size.height % 2;
  }
  const Progress progress(request.quiet);

  // The last generation fixes the camera and the line width for every frame.
  LSystem last;
  last.pictureReading = PictureReading::ForPictures();
  Output quiet = Output::Discarding();
  if (!GrowWithProgress(last, request.description, request.steps, quiet, progress)) return 1;
  if (BoundingBox(DrawingOf(last)).empty) {
    ReportError(request.description + " draws nothing to animate");
    return 1;
  }
  const int frames = last.steps + 1;
  if (frames > kMaximumFrames) {
    ReportError("an animation has at most " + std::to_string(kMaximumFrames) +
                " frames: lower --steps (" + std::to_string(last.steps) + ")");
    return 1;
  }
  const FittedPicture picture = FitPicture(last, request.view, even.size, request.lineWidth);

  const FrameFolder folder;
  if (folder.path().empty()) {
    ReportError("cannot create a temporary folder for the frames");
    return 1;
  }
  for (int step = 0; step < frames; ++step) {
    if (!writeFrameScene(even, step, picture, folder.file(step, "pov"))) return 1;
  }
  progress.line("wrote " + std::to_string(frames) + " scenes; rendering");
  if (const auto failed = renderFrames(even, folder, frames, progress)) {
    reportFailedFrame(request, *failed);
    return 1;
  }

  const ProgramRun encoded = RunProgram(
      EncodeArguments(*format, folder.path() + "/frame%04d.png", request.fps, request.output),
      false);
  if (!encoded.started) {
    ReportError("cannot run ffmpeg: install it (Debian package ffmpeg)");
    return 1;
  }
  if (encoded.exitCode != 0) {
    std::fwrite(encoded.log.data(), 1, encoded.log.size(), stderr);
    ReportError("ffmpeg could not encode " + request.output);
    return 1;
  }
  progress.line("animation saved as " + request.output);
  return 0;
}

void AddAnimateCommand(CLI::App& app, int& exitCode) {
  auto request = std::make_shared<AnimateRequest>();
  auto options = std::make_shared<PictureOptions>();
  options->size = "320x240";
  CLI::App* command = app.add_subcommand(
      "animate",
      "grow DESCRIPTION step by step into an animation (GIF, MP4 or WebP), one frame per "
      "generation under one camera");
  command->add_option("DESCRIPTION", request->description, "the description file")->required();
  command->add_option("-o,--output", request->output, "OUT.gif, OUT.mp4 or OUT.webp")->required();
  options->addTo(*command);
  options->addSceneOptionsTo(*command);
  command->add_option("--fps", request->fps, "frames a second (default 2)")
      ->check(CLI::Range(1, 60));
  command->add_flag("-q,--quiet", request->quiet, "no progress on standard error");
  command->callback([request, options, &exitCode] {
    request->size = options->imageSize();
    request->view = options->chosenView();
    request->steps = options->steps;
    request->lineWidth = options->chosenLineWidth();
    request->look = options->chosenLook();
    request->antialias = !options->draft;
    const auto palette = LoadPalette(*options);
    if (!palette) {
      exitCode = 1;
      return;
    }
    request->look.palette = *palette;
    exitCode = AnimateDescription(*request);
  });
}

}  // namespace lsys
