// The two-pass loader of description files.
#pragma once

#include <string>
#include <vector>

#include "description/definitions.h"
#include "description/load_events.h"

namespace lsys {

class LSystem;

// Loads the description file at the path into the L-system and prints the load report on the
// L-system's console. The first pass collects "define " lines; the second handles rule, axiom,
// gamma, steps, ignore and consider lines in file order. Returns false, after printing
// "Can't open LSystemfile: %s\n" and "\n%s loadet\n", when the file cannot be opened or read;
// nothing is loaded then.
bool LoadDescription(LSystem& lsystem, const std::string& path);

// The same load, telling the listener instead of printing the report: what is loaded is the
// same, and the listener hears everything the report shows.
bool LoadDescription(LSystem& lsystem, const std::string& path, LoadListener& listener);

// Splits file contents into lines that keep their line feed; a carriage return right before a
// line feed is dropped, and a line ends at its first NUL byte as a C string does.
std::vector<std::string> SplitLines(const std::string& contents);

}  // namespace lsys
