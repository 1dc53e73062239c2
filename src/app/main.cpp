#include <csignal>

#include "app/run_program.h"

int main(int argc, char* argv[]) {
  // A reader that closes the pipe early (| head) must not kill the run before the scene is
  // written: the failed write is noticed and ends the run with exit code 1 instead.
  std::signal(SIGPIPE, SIG_IGN);
  return lsys::RunProgram(argc, argv);
}
