#include "app/console.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace lsys {

void printText(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void printChar(char symbol) { std::putchar(static_cast<unsigned char>(symbol)); }

void appendFixed(std::string& out, double value) {
  // "%f" of the largest double has 309 integer digits; 400 bytes hold any value.
  char buffer[400];
  if (std::isfinite(value)) {
    // The exact decimal expansion rounded half to even, as printf gives it, at a fraction of
    // its cost: scenes and generations print millions of numbers.
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
    return;
  }
  const int length = std::snprintf(buffer, sizeof buffer, "%f", value);
  out.append(buffer, static_cast<std::size_t>(length));
}

}  // namespace lsys
