#include "companion/picture/povray_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "common/write_all.h"
#include "companion/process/interrupts.h"

extern char** environ;

namespace lsys {
ProgramRun RunExternalProgram(ProgramCall call) {
  ProgramRun run;
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return run;
  std::vector<char*> argv;
  for (std::string& argument : call.arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  if (!call.folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, call.folder.c_str());
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[1]);
  if (spawned != 0) {
    ::close(pipeEnds[0]);
    return run;
  }
  run.started = true;
  const InterruptedChild forwarding(child);
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    run.log.append(buffer, static_cast<std::size_t>(got));
    if (call.echo) WriteAll(STDERR_FILENO, buffer, static_cast<std::size_t>(got));  // best effort
  }
  ::close(pipeEnds[0]);
  int status = 0;
  pid_t waited = 0;
  while ((waited = ::waitpid(child, &status, 0)) < 0 && errno == EINTR) {
  }
  if (waited == child && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  return run;
}

bool IsPlainPovRayName(const std::string& name) {
  if (name.empty() || name[0] == '-' || name[0] == '+') return false;
  for (char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '_' || c == '-';
    if (!plain) return false;
  }
  return true;
}

PovRayRun RunPovRay(const PovRayJob& job) {
  if (!IsPlainPovRayName(job.scene) || !IsPlainPovRayName(job.image)) return {};
  std::vector<std::string> arguments = {"povray",
                                        "-D",
                                        job.settings.antialias ? "+A0.3" : "-A",
                                        "+FN",
                                        "+W" + std::to_string(job.width),
                                        "+H" + std::to_string(job.height),
                                        "+I" + job.scene,
                                        "+O" + job.image};
  if (job.settings.threads > 0) arguments.push_back("+WT" + std::to_string(job.settings.threads));
  return RunExternalProgram({std::move(arguments), job.folder, job.echo});
}

std::vector<std::string> PovRayComplaints(const std::string& log) {
  std::vector<std::string> complaints;
  std::string_view rest = log;
  while (!rest.empty()) {
    const std::size_t end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    // "Warning Stream to console" and its kind are lines of the option summary.
    if (line.find("Stream to") != std::string_view::npos) continue;
    if (line.find("Warning") != std::string_view::npos ||
        line.find("Error") != std::string_view::npos) {
      complaints.emplace_back(line);
    }
  }
  return complaints;
}

}  // namespace lsys
