// The run sequence of the program: command line, the four stages, the exit code.
#pragma once

namespace lsys {

// Runs the program on its command line and returns the exit code. 1 without an argument (after
// "Error: to few arguments\n"), when the description cannot be read, when the scene cannot be
// written (also when the scene path names the description itself: "Can't open file %s\n"),
// when memory runs out ("Out of memory\n"), or when any write to standard output failed; 0
// otherwise. A failing standard output does not stop the run: the scene is still written. The
// scene goes to the second argument when there are exactly two, else to "quarbel.pov".
int RunProgram(int argc, const char* const argv[]);

}  // namespace lsys
