#include "derivation/expression_cache.h"

#include <algorithm>

#include "derivation/draw_functions.h"
#include "derivation/expression_parse.h"

namespace lsys {

ParsedExpression ParsedExpression::Parse(std::string_view text, std::string_view names,
                                         ExpressionFunctions functions) {
  ParsedExpression parsed;
  if (functions == ExpressionFunctions::kWithDraws) AddDrawFunctions(parsed.parser);
  const int result = ParseExpression(parsed.parser, std::string(text), std::string(names));
  if (result == kParseNoStack) {
    parsed.outcome = Outcome::kNoStack;
  } else if (result >= 0) {
    parsed.outcome = Outcome::kSyntaxError;
    parsed.errorMessage = parsed.parser.ErrorMsg();
  } else {
    parsed.outcome = Outcome::kParsed;
  }
  return parsed;
}

ExpressionCache::ExpressionCache(std::size_t budgetBytes, ExpressionFunctions functions)
    : budget_(budgetBytes), functions_(functions) {}

std::size_t ExpressionCache::KeyHash::operator()(const KeyView& key) const {
  const std::size_t text = std::hash<std::string_view>{}(key.text);
  const std::size_t names = std::hash<std::string_view>{}(key.names);
  return text ^ (names + 0x9e3779b97f4a7c15ull + (text << 6) + (text >> 2));
}

std::size_t ExpressionCache::EstimatedFootprint(std::string_view text, std::string_view names) {
  // Measured with the Debian library: about 2,000 bytes for a parser with one name, about 85
  // more per further name, and up to about 5.3 bytes of bytecode per character of text.
  constexpr std::size_t kFixed = 2304;  // parser, map node, key strings' own allocations
  constexpr std::size_t kPerTextCharacter = 8;
  constexpr std::size_t kPerName = 128;
  const std::size_t nameCount =
      static_cast<std::size_t>(std::count(names.begin(), names.end(), ',')) + 1;
  return kFixed + kPerTextCharacter * text.size() + kPerName * nameCount + names.size();
}

ParsedExpression& ExpressionCache::find(std::string_view text, std::string_view names,
                                        ParsedExpression& scratch) {
  const auto found = kept_.find(KeyView{text, names});
  if (found != kept_.end()) return found->second;
  ++parseCount_;
  scratch = ParsedExpression::Parse(text, names, functions_);
  const std::size_t footprint = EstimatedFootprint(text, names);
  // A parse refused for lack of stack might succeed on another thread: never kept.
  if (scratch.outcome == ParsedExpression::Outcome::kNoStack || keptBytes_ + footprint > budget_) {
    return scratch;
  }
  keptBytes_ += footprint;
  return kept_.emplace(Key{std::string(text), std::string(names)}, std::move(scratch))
      .first->second;
}

}  // namespace lsys
