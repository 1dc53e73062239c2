// The options that `lsys render` and `lsys export` share: picture size, view and step count,
// read from the command line and checked once it is parsed.
#pragma once

#include <optional>
#include <string>

#include "companion/commands/command_support.h"
#include "companion/picture/view.h"

namespace CLI {
class App;
}

namespace lsys {

struct PictureOptions {
  std::string size = "640x480";
  std::string view;
  std::optional<int> steps;

  // Adds --size, --view and --steps to the command; the object must outlive the parsing.
  void addTo(CLI::App& command);
  // The parsed --size; throws CLI::ValidationError for a text that is not WxH in range.
  ImageSize imageSize() const;
  // The chosen --view; nothing when the drawing's default view is wanted.
  std::optional<View> chosenView() const;
};

}  // namespace lsys
