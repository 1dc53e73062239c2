// Console output helpers. Everything the program reports goes to standard output through the C
// stdio stream, so these helpers and plain printf calls interleave in the right order.
#pragma once

#include <string>
#include <string_view>

namespace lsys {

// Writes the bytes of the text unchanged (embedded NUL bytes included).
void printText(std::string_view text);

// Writes one byte as "%c" does, a NUL byte included.
void printChar(char symbol);

// Appends the "%f" form of the value: fixed notation with six decimals.
void appendFixed(std::string& out, double value);

}  // namespace lsys
