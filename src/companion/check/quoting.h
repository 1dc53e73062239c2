// How the checker's messages quote a piece of the file: in single quotes, as written.
#pragma once

#include <string>
#include <string_view>

namespace lsys {

// The text between single quotes: Quoted("F+F") is 'F+F'.
std::string Quoted(std::string_view text);

}  // namespace lsys
