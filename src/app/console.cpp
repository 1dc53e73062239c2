#include "app/console.h"

#include <cstdio>

namespace lsys {

void printText(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void printChar(char symbol) { std::putchar(static_cast<unsigned char>(symbol)); }

void appendFixed(std::string& out, double value) {
  // "%f" of the largest double has 309 integer digits; 400 bytes hold any value.
  char buffer[400];
  const int length = std::snprintf(buffer, sizeof buffer, "%f", value);
  out.append(buffer, static_cast<std::size_t>(length));
}

}  // namespace lsys
