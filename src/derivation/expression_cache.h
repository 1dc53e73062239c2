// The parses an evaluator keeps between calls: one per distinct (expression text, name list)
// pair, within a fixed memory budget. A parse depends on nothing but its text and names, and
// every parse is made with a parser of its own, so a kept parse gives exactly the values and
// messages of a fresh one; beyond the budget texts are simply parsed again on every call.
#pragma once

#include <fparser.hh>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lsys {

// The functions an expression may call besides the library's own: none, or also the dialect's
// ran and nran (draw_functions.h).
enum class ExpressionFunctions { kLibrary, kWithDraws };

// One text parsed with one name list by a parser of its own.
struct ParsedExpression {
  enum class Outcome { kParsed, kSyntaxError, kNoStack };
  FunctionParser parser;
  Outcome outcome = Outcome::kNoStack;
  std::string errorMessage;  // the library's message after a failed parse

  // Parses the text with the names into a new parser. A text that the calling thread's stack
  // cannot be known to hold is not handed to the library at all (outcome kNoStack).
  static ParsedExpression Parse(std::string_view text, std::string_view names,
                                ExpressionFunctions functions = ExpressionFunctions::kLibrary);
};

class ExpressionCache {
 public:
  // About 64 MiB of kept parses, judged by EstimatedFootprint.
  static constexpr std::size_t kDefaultBudget = std::size_t{64} << 20;

  // Every text is parsed with the given functions available.
  explicit ExpressionCache(std::size_t budgetBytes = kDefaultBudget,
                           ExpressionFunctions functions = ExpressionFunctions::kLibrary);
  ExpressionCache(const ExpressionCache&) = delete;
  ExpressionCache& operator=(const ExpressionCache&) = delete;

  // The parse of the text with the names: the kept one when there is one; else a new parse,
  // which is kept while the budget allows and otherwise left in scratch. The reference is valid
  // until the cache is destroyed or scratch is used again.
  ParsedExpression& find(std::string_view text, std::string_view names, ParsedExpression& scratch);

  // The memory one kept parse takes, estimated from measurements of the library: a fixed part
  // for the parser, its name table and the map entry, bytecode growing with the text, and one
  // table entry per name.
  static std::size_t EstimatedFootprint(std::string_view text, std::string_view names);

  std::size_t keptCount() const { return kept_.size(); }
  std::size_t keptBytes() const { return keptBytes_; }
  // How many parses the library was asked for, kept or not.
  std::size_t parseCount() const { return parseCount_; }

 private:
  struct Key {
    std::string text;
    std::string names;
  };
  struct KeyView {
    std::string_view text;
    std::string_view names;
  };
  struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(const KeyView& key) const;
    std::size_t operator()(const Key& key) const { return (*this)(KeyView{key.text, key.names}); }
  };
  struct KeyEqual {
    using is_transparent = void;
    static KeyView view(const Key& key) { return {key.text, key.names}; }
    static KeyView view(const KeyView& key) { return key; }
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const {
      return view(a).text == view(b).text && view(a).names == view(b).names;
    }
  };

  std::unordered_map<Key, ParsedExpression, KeyHash, KeyEqual> kept_;
  std::size_t budget_;
  ExpressionFunctions functions_;
  std::size_t keptBytes_ = 0;
  std::size_t parseCount_ = 0;
};

}  // namespace lsys
