// Pieces the companion's render, export and info commands share.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/output.h"

namespace CLI {
class App;
}

namespace lsys {

struct ImageSize {
  int width = 640;
  int height = 480;
};

// "WxH" with both between 1 and kMaximumImageSide; nothing for any other text.
inline constexpr int kMaximumImageSide = 16384;
std::optional<ImageSize> ParseImageSize(std::string_view text);

// Whether POV-Ray can be asked for a picture of the size: at most kMaximumRenderPixels (beyond
// that its state file and memory grow to gigabytes); false after a message on standard error
// that says what it would cost.
inline constexpr long long kMaximumRenderPixels = 4096LL * 4096LL;
bool AffordablePicture(ImageSize size);

// The file name of the description without its folder and its last extension:
// "examples/bush.ls" gives "bush".
std::string DescriptionStem(const std::string& path);

// Whether the path ends in the extension (".png"), compared without regard to case.
bool HasExtension(std::string_view path, std::string_view extension);

// Lets write fill the file, which replaces the one at the path only when it was written in
// full (a temporary beside it is renamed over it, as lsys2pov writes scenes); false, after a
// message on standard error, when it cannot be opened or written.
bool WriteFileWith(const std::string& path, const std::function<void(Output&)>& write);

// Whether the output names the description (the same file, through any link); true after a
// message on standard error, so that the caller refuses to write it.
bool RefuseOverwritingDescription(const std::string& output, const std::string& description);

// Adds --max-modules N, the module budget of every generation, to the command.
void AddMaxModulesOption(CLI::App& command, std::size_t& maxModules);

// "lsys: " and the message on standard error, its control characters in caret notation.
void ReportError(std::string_view message);

}  // namespace lsys
