#include "companion/text/visible_text.h"

namespace lsys {

std::string VisibleText(std::string_view text, bool keepTabs) {
  std::string visible;
  visible.reserve(text.size());
  for (char c : text) {
    if (!IsControlByte(c) || (keepTabs && c == '\t')) {
      visible += c;
      continue;
    }
    visible += '^';
    // Caret notation: the byte with bit 6 flipped, so 0x1b is '[' and 0x7f is '?'.
    visible += static_cast<char>(static_cast<unsigned char>(c) ^ 0x40);
  }
  return visible;
}

}  // namespace lsys
