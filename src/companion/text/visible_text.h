// Text of the user's (file names, source lines) on its way to a terminal or into a file. A
// control character there could move the cursor, recolour the terminal or start a new line
// that a renderer or a mesh reader obeys, so each is shown in caret notation instead.
#pragma once

#include <string>
#include <string_view>

namespace lsys {

// The text with every control character (below 0x20, and DEL) in caret notation: escape
// becomes "^[", a line feed "^J", DEL "^?". With keepTabs, tabs stay as they are.
std::string VisibleText(std::string_view text, bool keepTabs = false);

// Whether VisibleText shows the byte in caret notation (tabs aside).
inline bool IsControlByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7f;
}

}  // namespace lsys
