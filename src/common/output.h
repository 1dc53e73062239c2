// The one output path of the program: the console report and the scene text are both assembled
// in a buffer and handed to their target in large pieces. A failed write is remembered, never
// lost, so the caller can tell success from failure at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lsys {

class Output {
 public:
  // Writes to the open file descriptor, which stays the caller's.
  static Output ToDescriptor(int descriptor);
  // Appends to the string, which must outlive the output: for tests and for callers that want
  // the text in memory.
  static Output ToString(std::string& text);
  // Drops everything: for runs that report nothing.
  static Output Discarding();

  Output(Output&& other) noexcept;
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  Output& operator=(Output&&) = delete;
  // Flushes what is still buffered.
  ~Output();

  // A literal, its length known at compile time.
  template <std::size_t N>
  void text(const char (&literal)[N]) {
    append(literal, N - 1);
  }
  // Any text, embedded NUL bytes included.
  void text(std::string_view text) { append(text.data(), text.size()); }
  // One byte, as "%c" writes it (a NUL byte included).
  void character(char c);
  // "%f": fixed notation with six decimals.
  void fixed(double value);
  void fixed(float value) { fixed(static_cast<double>(value)); }
  // "%i".
  void integer(std::int64_t value);

  // Hands the buffered text to the target. False when any write so far has failed.
  bool flush();
  // Whether a write to the target has failed.
  bool failed() const { return failed_; }
  // Whether the text is dropped, so a caller may skip assembling it.
  bool discarding() const { return kind_ == Kind::kDiscard; }

 private:
  enum class Kind { kDescriptor, kString, kDiscard, kStdio };
  friend Output& StandardOutput();
  Output(Kind kind, int descriptor, std::string* target);

  void append(const char* data, std::size_t size);
  void spillIfLarge();

  Kind kind_;
  int descriptor_;
  std::string* target_;
  std::string buffer_;
  bool failed_ = false;
};

// The process's standard output (descriptor 1), shared by every stage of a run.
Output& StandardOutput();

}  // namespace lsys
