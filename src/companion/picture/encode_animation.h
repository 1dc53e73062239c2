// The ffmpeg command that joins numbered PNG frames into an animation, by the output's
// extension: a GIF through palettegen and paletteuse (one palette fitted to all frames), an
// MP4 in H.264 (libx264, yuv420p, which needs even sizes), or an animated WebP. All loop.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lsys {

enum class AnimationFormat { kGif, kMp4, kWebp };

// By the path's extension (.gif, .mp4, .webp, in any case); nothing for another.
std::optional<AnimationFormat> AnimationFormatOf(const std::string& path);

// Whether the format needs even picture sides.
inline bool NeedsEvenSize(AnimationFormat format) { return format == AnimationFormat::kMp4; }

// ffmpeg's arguments (the first is "ffmpeg") to encode framePattern (a printf pattern such as
// "/tmp/x/frame%04d.png", numbered from 0) at fps frames a second into output, overwriting it.
std::vector<std::string> EncodeArguments(AnimationFormat format, const std::string& framePattern,
                                         int fps, const std::string& output);

}  // namespace lsys
