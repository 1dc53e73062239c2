#include "companion/picture/encode_animation.h"

#include <cctype>

namespace lsys {
namespace {

bool endsWith(const std::string& path, const std::string& extension) {
  if (path.size() < extension.size()) return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    const char c = path[path.size() - extension.size() + i];
    if (std::tolower(static_cast<unsigned char>(c)) != extension[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<AnimationFormat> AnimationFormatOf(const std::string& path) {
  if (endsWith(path, ".gif")) return AnimationFormat::kGif;
  if (endsWith(path, ".mp4")) return AnimationFormat::kMp4;
  if (endsWith(path, ".webp")) return AnimationFormat::kWebp;
  return {};
}

std::vector<std::string> EncodeArguments(AnimationFormat format, const std::string& framePattern,
                                         int fps, const std::string& output) {
  std::vector<std::string> arguments = {"ffmpeg",        "-y",    "-nostdin",   "-hide_banner",
                                        "-loglevel",     "error", "-framerate", std::to_string(fps),
                                        "-start_number", "0",     "-i",         framePattern};
  switch (format) {
    case AnimationFormat::kGif:
      arguments.insert(
          arguments.end(),
          {"-filter_complex", "split[a][b];[a]palettegen=stats_mode=full[p];[b][p]paletteuse",
           "-loop", "0", "-f", "gif"});
      break;
    case AnimationFormat::kMp4:
      arguments.insert(arguments.end(), {"-c:v", "libx264", "-pix_fmt", "yuv420p", "-crf", "20",
                                         "-movflags", "+faststart", "-f", "mp4"});
      break;
    case AnimationFormat::kWebp:
      arguments.insert(arguments.end(), {"-c:v", "libwebp_anim", "-lossless", "0", "-q:v", "85",
                                         "-loop", "0", "-f", "webp"});
      break;
  }
  arguments.push_back(output);
  return arguments;
}

}  // namespace lsys
