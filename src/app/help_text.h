// The texts of `lsys2pov --help` and `lsys2pov --version`, the only command lines on which the
// program does something other than grow a description. The man page is made from them.
#pragma once

#include <string_view>

#include "common/output.h"

namespace lsys {

// Whether the command line is exactly one of the two options and nothing else.
bool IsHelpOrVersionRequest(int argc, const char* const argv[]);

// Writes the usage text for "--help", or "lsys2pov VERSION\n" for "--version", to out.
void WriteHelpOrVersion(std::string_view option, Output& out);

}  // namespace lsys
