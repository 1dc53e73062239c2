// The run sequence of the program: command line, the four stages, the exit code.
#pragma once

namespace lsys {

// Runs the program on its command line and returns the exit code: 1 without an argument (after
// "Error: to few arguments\n"), when the description cannot be read, or when the scene cannot
// be written; 0 otherwise. The scene goes to the second argument when there are exactly two,
// else to "quarbel.pov".
int RunProgram(int argc, const char* const argv[]);

}  // namespace lsys
