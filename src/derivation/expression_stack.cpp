#include "derivation/expression_stack.h"

#include <pthread.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/lsystem.h"
#include "common/output.h"

namespace lsys {
namespace {

constexpr std::size_t kPerParenthesis = 1024;
constexpr std::size_t kPerPrefixOperator = 128;
// Below the deepest measured parse: the library's non-recursive frames, printing a message,
// the sanitizers' interceptors.
constexpr std::size_t kReserve = std::size_t{256} << 10;
// The frames of the stages themselves on the sized thread (derivation, rule matching).
constexpr std::size_t kBaseStack = std::size_t{8} << 20;

// The lowest usable address of this thread's stack, looked up once per thread.
thread_local std::uintptr_t stackLow = 0;

std::uintptr_t lowestStackAddress() {
  if (stackLow == 0) {
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0) return UINTPTR_MAX;
    void* base = nullptr;
    std::size_t size = 0;
    const bool known = pthread_attr_getstack(&attributes, &base, &size) == 0;
    pthread_attr_destroy(&attributes);
    if (!known) return UINTPTR_MAX;
    stackLow = reinterpret_cast<std::uintptr_t>(base);
  }
  return stackLow;
}

struct StackJob {
  const std::function<void()>* action;
};

void* runJob(void* argument) {
  const auto* job = static_cast<StackJob*>(argument);
  (*job->action)();
  return nullptr;
}

}  // namespace

std::size_t ExpressionStackNeed(std::string_view text) {
  std::size_t need = 0;
  for (const char c : text) {
    if (c == '(') {
      need += kPerParenthesis;
    } else if (c == '-' || c == '!' || c == '^') {
      need += kPerPrefixOperator;
    }
  }
  return need;
}

bool StackHolds(std::size_t bytes) {
  const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
  const std::uintptr_t low = lowestStackAddress();
  if (here <= low) return false;
  const std::size_t left = here - low;
  return left > kReserve && left - kReserve >= bytes;
}

bool RunWithStack(std::size_t bytes, const std::function<void()>& action) {
  if (bytes > SIZE_MAX - kBaseStack - kReserve) return false;
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return false;
  bool started = pthread_attr_setstacksize(&attributes, kBaseStack + kReserve + bytes) == 0;
  StackJob job{&action};
  pthread_t thread;
  started = started && pthread_create(&thread, &attributes, runJob, &job) == 0;
  pthread_attr_destroy(&attributes);
  if (started) pthread_join(thread, nullptr);
  return started;
}

bool RunWithExpressionStack(const LSystem& lsystem, const std::function<void()>& action) {
  std::size_t deepest = 0;
  auto need = [&](const Rule& rule) {
    for (const std::string& condition : rule.conditions) {
      deepest = std::max(deepest, ExpressionStackNeed(condition));
    }
    for (const std::string_view argument : rule.successor.expressionTexts()) {
      deepest = std::max(deepest, ExpressionStackNeed(argument));
    }
    deepest = std::max(deepest, ExpressionStackNeed(rule.probability));
  };
  for (const auto& rule : lsystem.rules()) need(*rule);
  for (const DialectRule& rule : lsystem.dialect.rules) need(*rule.rule);
  if (RunWithStack(deepest, action)) return true;
  Output& console = lsystem.console();
  console.text("Error: not enough memory for a stack of ");
  console.integer(static_cast<std::int64_t>(kBaseStack + kReserve + deepest));
  console.text(" bytes to parse the expressions\n");
  return false;
}

}  // namespace lsys
