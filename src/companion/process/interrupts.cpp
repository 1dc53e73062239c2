#include "companion/process/interrupts.h"

#include <signal.h>

#include <array>
#include <atomic>
#include <csignal>

namespace lsys {
namespace {

// The handler reads these, so they must be lock-free atomics.
static_assert(std::atomic<pid_t>::is_always_lock_free);
static_assert(std::atomic<int>::is_always_lock_free);

std::atomic<int> gCaught{0};
std::array<std::atomic<pid_t>, InterruptedChild::kMaximumChildren> gChildren{};  // 0: free
struct sigaction gPreviousInterrupt {};
struct sigaction gPreviousTerminate {};

extern "C" void onInterrupt(int signal) {
  gCaught = signal;
  for (const std::atomic<pid_t>& slot : gChildren) {
    const pid_t child = slot.load();
    if (child > 0) ::kill(child, signal);
  }
}

}  // namespace

InterruptGuard::InterruptGuard() {
  gCaught = 0;
  struct sigaction action {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // reads and waits go on: the child ends them
  ::sigaction(SIGINT, &action, &gPreviousInterrupt);
  ::sigaction(SIGTERM, &action, &gPreviousTerminate);
}

InterruptGuard::~InterruptGuard() {
  ::sigaction(SIGINT, &gPreviousInterrupt, nullptr);
  ::sigaction(SIGTERM, &gPreviousTerminate, nullptr);
}

int CaughtInterrupt() { return gCaught.load(); }

int InterruptedExitCode(int signal) { return 128 + signal; }

InterruptedChild::InterruptedChild(pid_t child) {
  for (int slot = 0; slot < kMaximumChildren; ++slot) {
    pid_t free = 0;
    if (gChildren[static_cast<std::size_t>(slot)].compare_exchange_strong(free, child)) {
      slot_ = slot;
      break;
    }
  }
  // A signal that came before the registration is passed on here (perhaps twice: harmless).
  const int caught = gCaught.load();
  if (caught != 0) ::kill(child, caught);
}

InterruptedChild::~InterruptedChild() {
  if (slot_ >= 0) gChildren[static_cast<std::size_t>(slot_)] = 0;
}

}  // namespace lsys
