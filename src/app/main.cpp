#include <cstdio>

#include "app/run_program.h"

int main(int argc, char* argv[]) {
  const int exitCode = lsys::RunProgram(argc, argv);
  // Everything goes to standard output; a failed flush (a full disk, a closed pipe) must not
  // pass for success.
  if (std::fflush(stdout) != 0 && exitCode == 0) return 1;
  return exitCode;
}
