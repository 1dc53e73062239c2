// The L-system word in flat storage: one symbol byte per module, one parameter-count byte per
// module, and one float array that holds the values of all modules in order. Modules are
// addressed by position (counted from 0); appending never allocates per module.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lsys {

class Output;

// A light view of one module: its symbol and its values. The values stay valid until the
// string it was read from is changed or destroyed.
struct Module {
  char symbol = '\0';
  std::span<const float> parameters;
};

// An owning word. Modules are only ever appended; a whole string is released at once.
class ModuleString {
 public:
  ModuleString() = default;
  ModuleString(const ModuleString&) = delete;
  ModuleString& operator=(const ModuleString&) = delete;
  ModuleString(ModuleString&&) = default;
  ModuleString& operator=(ModuleString&&) = default;

  bool empty() const { return symbols_.empty(); }
  std::size_t size() const { return symbols_.size(); }

  // The symbols of all modules, one byte per module.
  std::string_view symbols() const { return {symbols_.data(), symbols_.size()}; }
  char symbolAt(std::size_t position) const { return symbols_[position]; }
  // Whether any module carries a value.
  bool hasParameters() const { return !values_.empty(); }
  // The values of all modules in module order.
  std::span<const float> values() const { return values_; }
  // The number of values of the module at the position.
  std::size_t parameterCount(std::size_t position) const {
    if (counts_.empty()) return 0;
    const std::uint8_t count = counts_[position];
    return count != kLargeCount ? count : largeCount(position);
  }
  // Where the module's values start in values(). Walks at most one block of 64 modules.
  std::size_t parameterOffset(std::size_t position) const;
  // The module at the position, which must be below size(); first and last need a string
  // that is not empty.
  Module at(std::size_t position) const;
  Module first() const { return at(0); }
  Module last() const { return at(size() - 1); }

  // Adds a module with the symbol and no parameters after the last one.
  void appendModule(char symbol) {
    if (!counts_.empty()) appendCount(0);
    symbols_.push_back(symbol);
  }
  // Adds modules without parameters, one per byte of the text.
  void appendModules(std::string_view symbols);
  // Adds the value to the parameters of the last module. With no module there is nowhere for
  // it to go, and it is dropped.
  void appendParameter(float value);
  // Adds a module with the symbol and the values.
  void appendModule(char symbol, std::span<const float> parameters) {
    const std::size_t count = parameters.size();
    if (count == 0) {
      appendModule(symbol);
      return;
    }
    if (count >= kLargeCount) {
      appendModuleSlow(symbol, parameters);
      return;
    }
    if (counts_.empty()) materializeCounts();
    appendCount(static_cast<std::uint8_t>(count));
    symbols_.push_back(symbol);
    // One by one: a module has a few values, and a range insert is a call.
    for (const float value : parameters) values_.push_back(value);
  }
  // Frees every module; the string is empty afterwards.
  void clear();
  // Makes room for that many modules and values, so that the string can grow that far without
  // moving; a reservation that cannot be had is skipped (the string then grows as needed).
  void reserve(std::size_t modules, std::size_t values);

  // The value form: each symbol, then "(v1,v2)" with "%f" values when it has parameters.
  std::string valueForm() const;
  // Writes the value form and a line feed.
  void print(Output& out) const;
  // Writes the value form and a line feed to standard output.
  void print() const;

  // Sequential reading with the offsets kept on the way: `for (Module m : string)`.
  class Iterator {
   public:
    Module operator*() const {
      return {string_->symbols_[position_],
              std::span<const float>(string_->values_).subspan(offset_, count())};
    }
    Iterator& operator++() {
      offset_ += count();
      ++position_;
      return *this;
    }
    bool operator!=(const Iterator& other) const { return position_ != other.position_; }
    std::size_t position() const { return position_; }

   private:
    friend class ModuleString;
    std::size_t count() const { return string_->parameterCount(position_); }
    Iterator(const ModuleString& string, std::size_t position, std::size_t offset)
        : string_(&string), position_(position), offset_(offset) {}
    const ModuleString* string_;
    std::size_t position_;
    std::size_t offset_;
  };
  Iterator begin() const { return Iterator(*this, 0, 0); }
  Iterator end() const { return Iterator(*this, size(), values_.size()); }

 private:
  static constexpr std::size_t kBlockShift = 6;     // 64 modules per offset block
  static constexpr std::uint8_t kLargeCount = 255;  // the count is in largeCounts_
  // Fills in the counts and block offsets that a string without values does without.
  void materializeCounts();
  // Adds the count of a module about to be appended, starting a block when one is due.
  void appendCount(std::uint8_t count) {
    if ((symbols_.size() & ((std::size_t{1} << kBlockShift) - 1)) == 0) {
      blockStarts_.push_back(values_.size());
    }
    counts_.push_back(count);
  }
  // appendModule for kLargeCount values and more.
  void appendModuleSlow(char symbol, std::span<const float> parameters);
  // The count of a module with kLargeCount in its count byte.
  std::size_t largeCount(std::size_t position) const;

  std::vector<char> symbols_;
  std::vector<float> values_;
  // One count byte per module, or empty while no module has a value.
  std::vector<std::uint8_t> counts_;
  // The offset in values_ of every 64th module, kept while counts_ is in use.
  std::vector<std::size_t> blockStarts_;
  // Modules with 255 or more values, by position, in increasing order.
  std::vector<std::pair<std::size_t, std::size_t>> largeCounts_;
};

}  // namespace lsys
