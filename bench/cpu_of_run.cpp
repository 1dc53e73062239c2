// The CPU seconds (user + system, every thread) of one run of a program, its standard output
// sent to a file. A small runner of its own, because a runner that forks a large process (an
// interpreter) has the child's copy-on-write faults before the exec counted as the run's, about
// 0.06 s on this machine. Usage: cpu_of_run OUTPUT_FILE PROGRAM [ARGUMENT...]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: cpu_of_run OUTPUT_FILE PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  const pid_t child = fork();
  if (child < 0) return 1;
  if (child == 0) {
    const int out = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (out < 0 || dup2(out, STDOUT_FILENO) < 0) _exit(127);
    close(out);
    execv(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return 1;
  std::printf("%.3f\n",
              static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6);
  return WIFEXITED(status) && WEXITSTATUS(status) == 127 ? 1 : 0;
}
