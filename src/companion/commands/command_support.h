// Pieces the companion's render, export and info commands share.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/output.h"

namespace lsys {

struct ImageSize {
  int width = 640;
  int height = 480;
};

// "WxH" with both between 1 and kMaximumImageSide; nothing for any other text.
inline constexpr int kMaximumImageSide = 16384;
std::optional<ImageSize> ParseImageSize(std::string_view text);

// The file name of the description without its folder and its last extension:
// "examples/bush.ls" gives "bush".
std::string DescriptionStem(const std::string& path);

// Whether the path ends in the extension (".png"), compared without regard to case.
bool HasExtension(std::string_view path, std::string_view extension);

// Creates or truncates the file and lets write fill it; false, after a message on standard
// error, when the file cannot be opened or written in full.
bool WriteFileWith(const std::string& path, const std::function<void(Output&)>& write);

// "lsys: " and the message on standard error.
void ReportError(std::string_view message);

}  // namespace lsys
