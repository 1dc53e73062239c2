#include "companion/commands/command_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <charconv>
#include <cstdio>

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
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) {
    ReportError("cannot open " + path + " for writing");
    return false;
  }
  bool written = false;
  {
    Output out = Output::ToDescriptor(descriptor);
    write(out);
    written = out.flush();
  }
  if (::close(descriptor) != 0) written = false;
  if (!written) ReportError("cannot write " + path);
  return written;
}

void ReportError(std::string_view message) {
  std::fprintf(stderr, "lsys: %.*s\n", static_cast<int>(message.size()), message.data());
}

}  // namespace lsys
