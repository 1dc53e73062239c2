// The one output path of the program: the console report and the scene text are both assembled
// in a fixed buffer and handed to their target in large pieces. A failed write is remembered,
// never lost, so the caller can tell success from failure at the end; after a failure the rest
// of the text is dropped, since the target is incomplete anyway.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "common/fixed_format.h"

namespace lsys {

class Output {
 public:
  // Writes to the open file descriptor, which stays the caller's. A terminal gets each line as
  // it ends, so that a person watching a long run sees it go on.
  static Output ToDescriptor(int descriptor);
  // Appends to the string, which must outlive the output: for tests and for callers that want
  // the text in memory.
  static Output ToString(std::string& text);
  // Drops everything: for runs that report nothing.
  static Output Discarding();
  // Drops the text but counts its bytes (counted()): to measure a file without writing it.
  static Output Counting();

  Output(Output&& other) noexcept;
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  Output& operator=(Output&&) = delete;
  // Flushes what is still buffered.
  ~Output();

  // A literal, its length known at compile time (no strlen).
  template <std::size_t N>
  void text(const char (&literal)[N]) {
    append(literal, N - 1);
  }
  // Any text, embedded NUL bytes included.
  void text(std::string_view text) { append(text.data(), text.size()); }
  // One byte, as "%c" writes it (a NUL byte included).
  void character(char c) { append(&c, 1); }
  // "%f": fixed notation with six decimals. Floats, and doubles that hold a float value, are
  // formatted by integer arithmetic; other values by the general path.
  void fixed(double value);
  void fixed(float value) {
    // The common case inline: room in the buffer.
    if (capacity_ - used_ >= kFixedFloatBufferSize) {
      char* const at = buffer_.get() + used_;
      used_ += static_cast<std::size_t>(fixedAt(value, at) - at);
      return;
    }
    fixedSlow(value);
  }
  // "%i".
  void integer(std::int64_t value);

  // Every buffer holds at least this many bytes: a reserve() of up to that size gets room.
  static constexpr std::size_t kReservable = 4096;

  // Direct assembly of a piece of text of at most size bytes (at most kReservable): the caller
  // writes the bytes at the returned place and hands back their end with commit(). Null when
  // the output drops its text, so the caller can skip assembling it.
  char* reserve(std::size_t size) {
    if (capacity_ - used_ >= size) return buffer_.get() + used_;  // null when discarding
    return room(size);
  }
  void commit(const char* end) {
    const std::size_t start = used_;
    used_ = static_cast<std::size_t>(end - buffer_.get());
    if (flushLines_) flushAtLineEnd(buffer_.get() + start, used_ - start);
  }
  // Writes "%f" of the value at the place, inside a piece from reserve() with at least
  // kFixedFloatBufferSize bytes left, and returns the end. The texts of recent values are kept.
  char* fixedAt(float value, char* at) {
    if (std::isfinite(value)) return floatTexts_->write(value, at);
    return nonFiniteAt(value, at);
  }

  // Hands the buffered text to the target. False when any write so far has failed.
  bool flush();
  // Whether a write to the target has failed.
  bool failed() const { return failed_; }
  // Whether the text is dropped, so a caller may skip assembling it.
  bool discarding() const { return kind_ == Kind::kDiscard; }
  // The bytes a counting output has taken so far; 0 for the other kinds.
  std::uint64_t counted() const { return kind_ == Kind::kCount ? counted_ + used_ : 0; }

 private:
  enum class Kind { kDescriptor, kString, kDiscard, kCount };
  Output(Kind kind, int descriptor, std::string* target);

  // The common case inline: the text fits the free room of the buffer.
  void append(const char* data, std::size_t size) {
    // Strictly less: a full or absent buffer (discarding) always takes the slow path.
    if (size < capacity_ - used_ && data != nullptr) {
      std::memcpy(buffer_.get() + used_, data, size);
      used_ += size;
      if (flushLines_) flushAtLineEnd(data, size);
      return;
    }
    appendSlow(data, size);
  }
  // Flushes when the text just added holds a line feed.
  void flushAtLineEnd(const char* data, std::size_t size) {
    if (std::memchr(data, '\n', size) != nullptr) flush();
  }
  void appendSlow(const char* data, std::size_t size);
  void fixedSlow(float value);
  static char* nonFiniteAt(float value, char* at);
  // Room for at least size more bytes in the buffer, or null when the text goes elsewhere
  // (nowhere).
  char* room(std::size_t size);

  Kind kind_;
  int descriptor_;
  std::string* target_;
  // Allocated once, when the output is made, so that reporting never allocates (not even
  // "Out of memory").
  std::unique_ptr<char[]> buffer_;
  // Recent floats' texts: a report repeats a few values many times.
  std::unique_ptr<FixedFloatTexts> floatTexts_;
  std::size_t capacity_ = 0;
  std::size_t used_ = 0;
  std::uint64_t counted_ = 0;  // bytes a counting output has flushed
  bool failed_ = false;
  bool flushLines_ = false;  // the target is a terminal
};

// The process's standard output (descriptor 1), shared by every stage of a run.
Output& StandardOutput();

}  // namespace lsys
