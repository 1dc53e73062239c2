// The L-system word: a doubly linked sequence of modules, each a one-byte symbol with
// single-precision parameter values.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace lsys {

// One module of a word. Owned by its ModuleString; its address stays valid until the string is
// cleared or destroyed.
struct Module {
  Module* next = nullptr;  // following module, none for the last
  Module* prev = nullptr;  // preceding module, none for the first
  char symbol = '\0';
  std::vector<float> parameters;
  std::uint32_t index = 0;  // position in the string, counted from 0
};

// An owning sequence of modules. Modules are only ever appended, so positions and addresses
// stay stable while the string lives.
class ModuleString {
 public:
  ModuleString() = default;
  ModuleString(const ModuleString&) = delete;
  ModuleString& operator=(const ModuleString&) = delete;

  Module* first() const { return first_; }
  Module* last() const { return last_; }
  bool empty() const { return first_ == nullptr; }
  std::size_t size() const { return modules_.size(); }

  // Adds a module with the symbol and no parameters after the last one.
  void appendModule(char symbol);
  // Adds the value to the parameters of the last module; the string must not be empty.
  void appendParameter(float value);
  // Frees every module; the string is empty afterwards.
  void clear();
  // Appends independent copies of every module of the other string, in order.
  void appendCopyOf(const ModuleString& other);
  // Appends a copy of one module with its values.
  void appendCopyOf(const Module& module);

  // Appends the modules written in an "axiom=" line, reading from index 6 on. Values written
  // before the first module have no module to go to and are dropped.
  void parseModules(const std::string& line);

  // The value form: each symbol, then "(v1,v2)" with "%f" values when it has parameters.
  std::string valueForm() const;
  // Writes the value form and a line feed to standard output.
  void print() const;

  // Bracket look-ups used by the context searches, answered in constant time from an index
  // that is rebuilt after the string changes (by a walk when the module belongs to another
  // string). Each returns none when there is no such bracket.
  const Module* nearestOpenBefore(const Module& module) const;  // nearest '[' to the left
  const Module* nearestCloseAfter(const Module& module) const;  // nearest ']' to the right

 private:
  void buildBracketIndex() const;
  bool holds(const Module& module) const;

  std::deque<Module> modules_;
  Module* first_ = nullptr;
  Module* last_ = nullptr;

  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
  mutable std::vector<std::uint32_t> openBefore_;
  mutable std::vector<std::uint32_t> closeAfter_;
  mutable bool bracketIndexValid_ = false;
};

}  // namespace lsys
