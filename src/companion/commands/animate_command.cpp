#include "companion/commands/animate_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/lsystem.h"
#include "companion/commands/dialect_flags.h"
#include "companion/commands/picture_options.h"
#include "companion/commands/progress.h"
#include "companion/files/temporary_file.h"
#include "companion/growth/grow.h"
#include "companion/picture/drawing.h"
#include "companion/picture/encode_animation.h"
#include "companion/picture/povray_runner.h"
#include "companion/picture/scene_plan.h"
#include "companion/process/interrupts.h"

namespace lsys {
namespace {

// A longer animation is a mistake rather than a wish: each frame is a render.
constexpr int kMaximumFrames = 500;

// The names of a frame's scene and picture in the working folder: plain, so that POV-Ray reads
// them as they are, and numbered as ffmpeg's pattern kFramePattern expects.
constexpr char kFramePattern[] = "frame%04d.png";
std::string frameFile(int frame, const char* extension) {
  char name[32];
  std::snprintf(name, sizeof name, "frame%04d.%s", frame, extension);
  return name;
}

// Grows generation `step` and writes its scene under the shared camera.
bool writeFrameScene(const AnimateRequest& request, int step, const FittedPicture& picture,
                     const std::string& scene) {
  LSystem lsystem;
  lsystem.pictureReading = PictureReading::ForPictures();
  Output quiet = Output::Discarding();
  GrowthObserver silent;
  const GrowthRequest growth{request.description, step, request.maxModules, request.dialect};
  const GrowthResult grown = GrowQuietly(lsystem, growth, quiet, silent);
  if (grown.growth != Growth::kGrown) {
    ReportGrowthFailure(grown, growth);
    return false;
  }
  FitFrame(lsystem, picture);
  const Drawing drawing = DrawingOf(lsystem);
  return WriteFileWith(scene, [&](Output& out) {
    WriteRenderScene(
        drawing, PlanScene(drawing, request.look.palette, ScaleOf(picture, request.size)),
        picture.camera, picture.view, request.look, DescriptionStem(request.description), out);
  });
}

// Renders every frame's scene with one POV-Ray process per core, each on one thread. Returns
// the first frame that failed, with its run; nothing when all succeeded.
struct FailedFrame {
  int frame;
  PovRayRun run;
};
std::optional<FailedFrame> renderFrames(const AnimateRequest& request, const std::string& folder,
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
        if (failure || CaughtInterrupt() != 0) return;  // no point in rendering more
      }
      PovRayRun run = RunPovRay({folder,
                                 frameFile(frame, "pov"),
                                 frameFile(frame, "png"),
                                 request.size.width,
                                 request.size.height,
                                 false,
                                 {request.antialias, 1}});
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

// Joins the rendered frames into a file beside the output and renames it over the output.
int encodeAnimation(const AnimateRequest& request, AnimationFormat format,
                    const std::string& frames, const Progress& progress) {
  const std::string extension = std::filesystem::path(request.output).extension().string();
  std::optional<TemporaryFile> encoded =
      TemporaryFile::In(FolderOf(request.output), ".lsys-animate-", extension);
  if (!encoded) {
    ReportError("cannot make a temporary file beside " + request.output);
    return 1;
  }
  // ffmpeg runs in the frames' folder, so the animation's path must not be relative; "file:"
  // keeps a ':' in it from naming a protocol.
  std::error_code failed;
  const std::string target = "file:" + std::filesystem::absolute(encoded->path(), failed).string();
  const ProgramRun run = RunExternalProgram(
      {EncodeArguments(format, kFramePattern, request.fps, target), frames, false});
  if (CaughtInterrupt() != 0) {
    ReportError("interrupted: " + request.output + " is left as it was");
    return InterruptedExitCode(CaughtInterrupt());
  }
  if (!run.started) {
    ReportError("cannot run ffmpeg: install it (Debian package ffmpeg)");
    return 1;
  }
  if (run.exitCode != 0) {
    std::fwrite(run.log.data(), 1, run.log.size(), stderr);
    ReportError("ffmpeg could not encode " + request.output + "; it is left as it was");
    return 1;
  }
  if (::rename(encoded->path().c_str(), request.output.c_str()) != 0) {
    ReportError("cannot save the animation as " + request.output + ": " + std::strerror(errno));
    return 1;
  }
  encoded->keep();
  progress.line("animation saved as " + request.output);
  return 0;
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
  if (!AffordablePicture(even.size) ||
      RefuseOverwritingDescription(request.output, request.description)) {
    return 1;
  }
  const Progress progress(request.quiet);

  // The last generation fixes the scene's range, the camera and the line width for every frame.
  LSystem last;
  last.pictureReading = PictureReading::ForPictures();
  Output quiet = Output::Discarding();
  if (!GrowWithProgress(last, request.growth(), quiet, progress)) return 1;
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
  const auto picture = FitPicture(last, request.view, even.size, request.lineWidth);
  if (!picture) {
    ReportError(request.description + " draws too far out to render (its box is not finite)");
    return 1;
  }

  // From here on files exist: an interrupt is passed on to POV-Ray and ffmpeg, and the frames
  // go on every path.
  const InterruptGuard guard;
  const std::optional<TemporaryFolder> folder =
      TemporaryFolder::In(SystemTemporaryFolder(), "lsys-animate-");
  if (!folder) {
    ReportError("cannot create a temporary folder for the frames");
    return 1;
  }
  for (int step = 0; step < frames; ++step) {
    if (!writeFrameScene(even, step, *picture, folder->path() + "/" + frameFile(step, "pov"))) {
      return 1;
    }
    if (CaughtInterrupt() != 0) return InterruptedExitCode(CaughtInterrupt());
  }
  progress.line("wrote " + std::to_string(frames) + " scenes; rendering");
  const auto failed = renderFrames(even, folder->path(), frames, progress);
  if (CaughtInterrupt() != 0) {
    ReportError("interrupted: " + request.output + " is left as it was");
    return InterruptedExitCode(CaughtInterrupt());
  }
  if (failed) {
    reportFailedFrame(request, *failed);
    return 1;
  }
  return encodeAnimation(request, *format, folder->path(), progress);
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
  auto dialect = std::make_shared<DialectFlags>();
  dialect->addTo(*command);
  command->callback([request, options, dialect, &exitCode] {
    if (!ReadPictureOptions(*options, *dialect, *request)) {
      exitCode = 1;
      return;
    }
    exitCode = AnimateDescription(*request);
  });
}

}  // namespace lsys
