#include "companion/commands/picture_options.h"

#include <CLI/CLI.hpp>

namespace lsys {

void PictureOptions::addTo(CLI::App& command) {
  command.add_option("--size", size, "picture size WxH (default 640x480)");
  command.add_option("--view", view, "front, side, top or iso (default: front, top when flat)")
      ->check(CLI::IsMember({"front", "side", "top", "iso"}));
  command.add_option("--steps", steps, "derivation steps instead of the description's")
      ->check(CLI::Range(0, 1000000));
}

ImageSize PictureOptions::imageSize() const {
  const auto parsed = ParseImageSize(size);
  if (!parsed) throw CLI::ValidationError("--size", "expected WxH, e.g. 640x480: " + size);
  return *parsed;
}

std::optional<View> PictureOptions::chosenView() const {
  return view.empty() ? std::nullopt : ParseView(view);
}

}  // namespace lsys
