#include "derivation/module_string.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "common/fixed_format.h"
#include "common/output.h"

namespace lsys {
namespace {

// Writes the value form: runs of modules without values go out as one piece. A module with
// values is assembled in place in the output's buffer, where the compiler keeps the cursor in
// a register.
void writeValueForm(Output& out, const ModuleString& string) {
  if (string.empty()) return;  // an empty string has no storage to point to
  if (!string.hasParameters()) {
    out.text(string.symbols());
    return;
  }
  // A module whose run and values fit one reservation, with room for its '(' , ',' and ')'.
  constexpr std::size_t kLongestRun = 256;
  constexpr std::size_t kValueRoom = kFixedFloatBufferSize + 1;
  constexpr std::size_t kMostValues = 64;
  static_assert(kLongestRun + kMostValues * kValueRoom + 1 <= Output::kReservable, "fits");

  const std::string_view symbols = string.symbols();
  const std::span<const float> values = string.values();
  std::size_t offset = 0;
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    const std::size_t count = string.parameterCount(i);
    if (count == 0) continue;
    std::string_view run = symbols.substr(runStart, i + 1 - runStart);
    if (run.size() > kLongestRun || count > kMostValues) {
      out.text(run);
      run = {};
    }
    char* at = out.reserve(kLongestRun + kMostValues * kValueRoom + 1);
    if (at == nullptr) return;  // the text is dropped anyway
    for (const char symbol : run) *at++ = symbol;
    char separator = '(';
    for (std::size_t k = 0; k < count; ++k) {
      if (k > 0 && k % kMostValues == 0) {  // a module with very many values: a new piece
        out.commit(at);
        at = out.reserve(kMostValues * kValueRoom + 1);
      }
      *at++ = separator;
      separator = ',';
      at = out.fixedAt(values[offset + k], at);
    }
    *at++ = ')';
    out.commit(at);
    offset += count;
    runStart = i + 1;
  }
  out.text(symbols.substr(runStart));
}

}  // namespace

std::size_t ModuleString::largeCount(std::size_t position) const {
  const auto found = std::lower_bound(largeCounts_.begin(), largeCounts_.end(), position,
                                      [](const std::pair<std::size_t, std::size_t>& entry,
                                         std::size_t p) { return entry.first < p; });
  return found->second;
}

std::size_t ModuleString::parameterOffset(std::size_t position) const {
  if (counts_.empty()) return 0;
  const std::size_t block = position >> kBlockShift;
  std::size_t offset = blockStarts_[block];
  for (std::size_t i = block << kBlockShift; i < position; ++i) offset += parameterCount(i);
  return offset;
}

Module ModuleString::at(std::size_t position) const {
  const std::size_t count = parameterCount(position);
  if (count == 0) return {symbols_[position], {}};
  return {symbols_[position],
          std::span<const float>(values_).subspan(parameterOffset(position), count)};
}

void ModuleString::appendModules(std::string_view symbols) {
  if (counts_.empty()) {
    symbols_.insert(symbols_.end(), symbols.begin(), symbols.end());
    return;
  }
  for (char symbol : symbols) appendModule(symbol);
}

void ModuleString::materializeCounts() {
  // Until now no module had a value: every count is 0 and every block starts at offset 0.
  counts_.assign(symbols_.size(), 0);
  blockStarts_.assign((symbols_.size() + (std::size_t{1} << kBlockShift) - 1) >> kBlockShift, 0);
}

void ModuleString::appendParameter(float value) {
  if (symbols_.empty()) return;
  if (counts_.empty()) materializeCounts();
  values_.push_back(value);
  std::uint8_t& count = counts_.back();
  if (count < kLargeCount - 1) {
    ++count;
  } else if (count == kLargeCount - 1) {
    count = kLargeCount;
    largeCounts_.emplace_back(symbols_.size() - 1, std::size_t{kLargeCount});
  } else {
    ++largeCounts_.back().second;
  }
}

void ModuleString::appendModuleSlow(char symbol, std::span<const float> parameters) {
  if (counts_.empty()) materializeCounts();
  appendCount(kLargeCount);
  symbols_.push_back(symbol);
  largeCounts_.emplace_back(symbols_.size() - 1, parameters.size());
  values_.insert(values_.end(), parameters.begin(), parameters.end());
}

void ModuleString::clear() {
  // Swapping with empty vectors gives the memory back, not just the size.
  std::vector<char>().swap(symbols_);
  std::vector<float>().swap(values_);
  std::vector<std::uint8_t>().swap(counts_);
  std::vector<std::size_t>().swap(blockStarts_);
  std::vector<std::pair<std::size_t, std::size_t>>().swap(largeCounts_);
}

void ModuleString::reserve(std::size_t modules, std::size_t values) {
  // Reserved but untouched memory costs address space only, so a generous bound is cheap; a
  // bound beyond what the machine can map is simply not reserved.
  try {
    symbols_.reserve(modules);
    if (values > 0) {
      values_.reserve(values);
      counts_.reserve(modules);
      blockStarts_.reserve((modules >> kBlockShift) + 1);
    }
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
}

std::string ModuleString::valueForm() const {
  std::string text;
  {
    Output out = Output::ToString(text);
    writeValueForm(out, *this);
  }
  return text;
}

void ModuleString::print(Output& out) const {
  writeValueForm(out, *this);
  out.character('\n');
}

void ModuleString::print() const { print(StandardOutput()); }

}  // namespace lsys
