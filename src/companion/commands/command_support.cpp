#include "companion/commands/command_support.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "companion/text/visible_text.h"
#include "scene/scene_file.h"

namespace lsys {
namespace {

std::optional<int> parseSide(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
  if (value < 1 || value > kMaximumImageSide) return {};
  return value;
}

}  // namespace

std::optional<ImageSize> ParseImageSize(std::string_view text) {
  const std::size_t cross = text.find_first_of("xX");
  if (cross == std::string_view::npos) return {};
  const auto width = parseSide(text.substr(0, cross));
  const auto height = parseSide(text.substr(cross + 1));
  if (!width || !height) return {};
  return ImageSize{*width, *height};
}

std::string DescriptionStem(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name.empty() ? "lsystem" : name;
}

bool HasExtension(std::string_view path, std::string_view extension) {
  if (path.size() < extension.size()) return false;
  const std::string_view tail = path.substr(path.size() - extension.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(tail[i])) !=
        std::tolower(static_cast<unsigned char>(extension[i]))) {
      return false;
    }
  }
  return true;
}

bool WriteFileWith(const std::string& path, const std::function<void(Output&)>& write) {
  std::optional<SceneFile> file = SceneFile::Open(path);
  if (!file) {
    ReportError("cannot open " + path + " for writing");
    return false;
  }
  bool written = false;
  {
    Output out = Output::ToDescriptor(file->descriptor());
    write(out);
    written = out.flush();
  }
  if (!file->commit(written)) {
    ReportError("cannot write " + path);
    return false;
  }
  return true;
}

bool AffordablePicture(ImageSize size) {
  const long long pixels = static_cast<long long>(size.width) * size.height;
  if (pixels <= kMaximumRenderPixels) return true;
  ReportError("a " + std::to_string(size.width) + "x" + std::to_string(size.height) +
              " picture has " + std::to_string(pixels) +
              " pixels, more than POV-Ray is asked for (" + std::to_string(kMaximumRenderPixels) +
              ", e.g. 4096x4096): its state file alone would grow to about " +
              std::to_string(pixels * 3 / 1'000'000) + " MB; choose a smaller --size");
  return false;
}

bool RefuseOverwritingDescription(const std::string& output, const std::string& description) {
  if (!IsSameFile(output, description)) return false;
  ReportError(output + " is the description " + description + " itself: choose another output");
  return true;
}

void AddMaxModulesOption(CLI::App& command, std::size_t& maxModules) {
  command
      .add_option("--max-modules", maxModules,
                  "the most modules a generation may hold (default 50000000); a step that "
                  "could grow beyond it is refused before it starts")
      ->check(CLI::PositiveNumber);
}

void ReportError(std::string_view message) {
  // Messages quote paths and text of the user's: a terminal sees their control characters.
  const std::string visible = VisibleText(message);
  std::fprintf(stderr, "lsys: %.*s\n", static_cast<int>(visible.size()), visible.data());
}

}  // namespace lsys
