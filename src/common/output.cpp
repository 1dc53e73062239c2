#include "common/output.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/fixed_format.h"
#include "common/write_all.h"

namespace lsys {
namespace {

// A file or a pipe gets its text in pieces of 1 MiB: on large scenes the kernel's share of a
// write falls by a third from pieces of 64 KiB. A string needs no large pieces.
constexpr std::size_t kDescriptorBufferSize = std::size_t{1} << 20;
static_assert(Output::kReservable <= kDescriptorBufferSize, "room for any reserved piece");

// Whether the double holds exactly a float value, so the integer "%f" of floats applies.
bool isFloatValue(double value) {
  constexpr double kFloatMax = 3.4028234663852886e38;
  return value >= -kFloatMax && value <= kFloatMax &&
         static_cast<double>(static_cast<float>(value)) == value;
}

}  // namespace

Output::Output(Kind kind, int descriptor, std::string* target)
    : kind_(kind), descriptor_(descriptor), target_(target) {
  if (kind != Kind::kDiscard) {
    // A counting output assembles its text as the others do, in a buffer of moderate size.
    capacity_ = kind == Kind::kDescriptor ? kDescriptorBufferSize
                : kind == Kind::kCount    ? 16 * kReservable
                                          : kReservable;
    // Not cleared: only the bytes written are ever read.
    buffer_ = std::make_unique_for_overwrite<char[]>(capacity_);
    floatTexts_ = std::make_unique<FixedFloatTexts>();
  }
}

Output Output::ToDescriptor(int descriptor) {
  Output out(Kind::kDescriptor, descriptor, nullptr);
  out.flushLines_ = isatty(descriptor) == 1;
  return out;
}

Output Output::ToString(std::string& text) { return Output(Kind::kString, -1, &text); }

Output Output::Discarding() { return Output(Kind::kDiscard, -1, nullptr); }

Output Output::Counting() { return Output(Kind::kCount, -1, nullptr); }

Output::Output(Output&& other) noexcept
    : kind_(other.kind_),
      descriptor_(other.descriptor_),
      target_(other.target_),
      buffer_(std::move(other.buffer_)),
      floatTexts_(std::move(other.floatTexts_)),
      capacity_(other.capacity_),
      used_(other.used_),
      counted_(other.counted_),
      failed_(other.failed_),
      flushLines_(other.flushLines_) {
  other.kind_ = Kind::kDiscard;
  other.capacity_ = 0;
  other.used_ = 0;
}

Output::~Output() { flush(); }

void Output::appendSlow(const char* data, std::size_t size) {
  if (size == 0) return;
  switch (kind_) {
    case Kind::kDiscard:
      return;
    case Kind::kCount:
      flush();
      counted_ += size;
      return;
    case Kind::kDescriptor:
    case Kind::kString:
      flush();
      if (size <= capacity_) {
        std::memcpy(buffer_.get(), data, size);
        used_ = size;
        if (flushLines_) flushAtLineEnd(data, size);
      } else if (kind_ == Kind::kString) {
        target_->append(data, size);
      } else if (!failed_ && !WriteAll(descriptor_, data, size)) {
        failed_ = true;
      }
      return;
  }
}

char* Output::room(std::size_t size) {
  if (capacity_ - used_ < size) {
    if (capacity_ == 0) return nullptr;
    flush();
  }
  return buffer_.get() + used_;
}

void Output::fixedSlow(float value) {
  if (kind_ == Kind::kDiscard) return;
  if (char* at = room(kFixedFloatBufferSize))
    used_ += static_cast<std::size_t>(fixedAt(value, at) - at);
}

char* Output::nonFiniteAt(float value, char* at) {
  // "inf", "-inf", "nan" or "-nan", as printf writes them.
  return at + std::snprintf(at, kFixedFloatBufferSize, "%f", static_cast<double>(value));
}

void Output::fixed(double value) {
  if (kind_ == Kind::kDiscard) return;
  if (isFloatValue(value)) {
    fixed(static_cast<float>(value));
    return;
  }
  // "%f" of the largest double has 309 integer digits; 400 bytes hold any value.
  char digits[400];
  if (std::isfinite(value)) {
    // The exact decimal expansion rounded half to even, as printf gives it.
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

bool Output::flush() {
  if (used_ > 0) {
    if (kind_ == Kind::kString) {
      target_->append(buffer_.get(), used_);
    } else if (kind_ == Kind::kDescriptor && !failed_) {
      if (!WriteAll(descriptor_, buffer_.get(), used_)) failed_ = true;
    } else if (kind_ == Kind::kCount) {
      counted_ += used_;
    }
    used_ = 0;
  }
  return !failed_;
}

Output& StandardOutput() {
  static Output standardOutput = Output::ToDescriptor(STDOUT_FILENO);
  return standardOutput;
}

}  // namespace lsys
