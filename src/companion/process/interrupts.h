// Ctrl-C and kill while the companion has files to clean up or a child to wait for. While an
// InterruptGuard lives, SIGINT and SIGTERM no longer end the process at once: they are
// remembered and passed on to the child process that is running, if any, so that the caller can
// wait for the child, remove its temporary files and end with the conventional exit code.
#pragma once

#include <sys/types.h>

namespace lsys {

class InterruptGuard {
 public:
  // Catches SIGINT and SIGTERM from now on. Guards do not nest.
  InterruptGuard();
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;
  // Restores the dispositions that were in force before.
  ~InterruptGuard();
};

// The signal caught since the guard was made (SIGINT or SIGTERM), or 0.
int CaughtInterrupt();

// 128 plus the signal: 130 for SIGINT, 143 for SIGTERM, as a shell reports a process the signal
// ended.
int InterruptedExitCode(int signal);

// Registers a running child that a caught signal is passed on to, for as long as the
// registration lives; a signal caught before is passed on at once. Several children (one per
// thread) may be registered at once, up to kMaximumChildren.
class InterruptedChild {
 public:
  static constexpr int kMaximumChildren = 256;
  explicit InterruptedChild(pid_t child);
  InterruptedChild(const InterruptedChild&) = delete;
  InterruptedChild& operator=(const InterruptedChild&) = delete;
  ~InterruptedChild();

 private:
  int slot_ = -1;  // -1: every slot was taken, the child only gets a signal caught before
};

}  // namespace lsys
