#include "common/output.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace lsys {
namespace {

constexpr std::size_t kSpillSize = 1 << 16;

// Writes all bytes, retrying after interruptions and partial writes.
bool writeAll(int descriptor, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

Output::Output(Kind kind, int descriptor, std::string* target)
    : kind_(kind), descriptor_(descriptor), target_(target) {}

Output Output::ToDescriptor(int descriptor) { return Output(Kind::kDescriptor, descriptor, nullptr); }

Output Output::ToString(std::string& text) { return Output(Kind::kString, -1, &text); }

Output Output::Discarding() { return Output(Kind::kDiscard, -1, nullptr); }

Output::Output(Output&& other) noexcept
    : kind_(other.kind_),
      descriptor_(other.descriptor_),
      target_(other.target_),
      buffer_(std::move(other.buffer_)),
      failed_(other.failed_) {
  other.kind_ = Kind::kDiscard;
  other.buffer_.clear();
}

Output::~Output() { flush(); }

void Output::append(const char* data, std::size_t size) {
  if (kind_ == Kind::kDiscard) return;
  if (kind_ == Kind::kStdio) {
    std::fwrite(data, 1, size, stdout);
    return;
  }
  buffer_.append(data, size);
  spillIfLarge();
}

void Output::character(char c) {
  if (kind_ == Kind::kDiscard) return;
  if (kind_ == Kind::kStdio) {
    std::putchar(static_cast<unsigned char>(c));
    return;
  }
  buffer_.push_back(c);
  spillIfLarge();
}

void Output::fixed(double value) {
  if (kind_ == Kind::kDiscard) return;
  // "%f" of the largest double has 309 integer digits; 400 bytes hold any value.
  char digits[400];
  if (std::isfinite(value)) {
    const std::to_chars_result result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
    append(digits, static_cast<std::size_t>(result.ptr - digits));
    return;
  }
  const int length = std::snprintf(digits, sizeof digits, "%f", value);
  append(digits, static_cast<std::size_t>(length));
}

void Output::integer(std::int64_t value) {
  if (kind_ == Kind::kDiscard) return;
  char digits[24];
  const std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, value);
  append(digits, static_cast<std::size_t>(result.ptr - digits));
}

void Output::spillIfLarge() {
  if (buffer_.size() >= kSpillSize) flush();
}

bool Output::flush() {
  if (kind_ == Kind::kStdio) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) failed_ = true;
    return !failed_;
  }
  if (!buffer_.empty()) {
    if (kind_ == Kind::kString) {
      target_->append(buffer_);
    } else if (kind_ == Kind::kDescriptor && !failed_) {
      // After a failure the rest of the text is dropped: the target is already incomplete.
      if (!writeAll(descriptor_, buffer_.data(), buffer_.size())) failed_ = true;
    }
    buffer_.clear();
  }
  return !failed_;
}

Output& StandardOutput() {
  // Through stdio while some messages are still printed with printf, so that both keep their
  // order.
  static Output standardOutput = Output(Output::Kind::kStdio, STDOUT_FILENO, nullptr);
  return standardOutput;
}

}  // namespace lsys
