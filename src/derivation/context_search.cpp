#include "derivation/context_search.h"

#include "app/lsystem.h"
#include "derivation/module_string.h"

namespace lsys {

ContextSearch::ContextSearch(const ModuleString& word, const LSystem& lsystem) : word_(word) {
  // In ignore mode only listed symbols are passed over, in consider mode only unlisted ones.
  for (int symbol = 0; symbol < 256; ++symbol) {
    passes_[static_cast<std::size_t>(symbol)] =
        lsystem.isContextSymbol(static_cast<char>(symbol)) != lsystem.considerMode;
  }
}

void ContextSearch::buildExamined() {
  const std::string_view symbols = word_.symbols();
  examined_.resize(symbols.size());
  Index open = kFail;  // the nearest '[' before the position
  for (std::size_t p = 0; p < symbols.size(); ++p) {
    const char symbol = symbols[p];
    if (symbol == '[') {
      // Climb out of the branch; the first module cannot be climbed out of and is examined.
      examined_[p] = p > 0 ? examined_[p - 1] : p;
      open = p;
    } else if (symbol == ']') {
      // Step over the whole branch: back to the nearest '[' (brackets are not counted), then
      // once more to the left. A ']' there is stepped over in turn; a '[' there is examined.
      if (open == kFail || open == 0) {
        examined_[p] = kFail;
      } else {
        const std::size_t before = open - 1;
        examined_[p] = symbols[before] == ']' ? examined_[before] : before;
      }
    } else {
      examined_[p] = p;
    }
  }
}

ContextSearch::Index ContextSearch::examinedFrom(std::size_t position) const {
  return examined_[position];
}

std::optional<std::size_t> ContextSearch::left(std::size_t position, char symbol) {
  if (position == 0 || position > word_.size()) return std::nullopt;
  if (examined_.size() != word_.size()) buildExamined();
  std::size_t p = position - 1;
  for (std::size_t step = 0; step < directSteps_; ++step) {
    const Index e = examinedFrom(p);
    if (e == kFail) return std::nullopt;
    const char examined = word_.symbolAt(e);
    if (examined == symbol) return e;
    if (!passes(examined) || e == 0) return std::nullopt;
    p = e - 1;
  }
  return leftByTable(p, symbol);
}

std::optional<std::size_t> ContextSearch::leftByTable(std::size_t start, char symbol) {
  std::vector<Index>& results = leftResults_[static_cast<unsigned char>(symbol)];
  if (results.empty()) results.assign(word_.size(), kUnknown);
  // Walk until a position whose result is known or the search ends; every position passed on
  // the way ends where this search ends.
  pending_.clear();
  Index result = kFail;
  for (std::size_t p = start;;) {
    if (results[p] != kUnknown) {
      result = results[p];
      break;
    }
    pending_.push_back(p);
    const Index e = examinedFrom(p);
    if (e == kFail) break;
    const char examined = word_.symbolAt(e);
    if (examined == symbol) {
      result = e;
      break;
    }
    if (!passes(examined) || e == 0) break;
    p = e - 1;
  }
  for (Index p : pending_) results[p] = result;
  return found(result);
}

void ContextSearch::buildCloseAfter() {
  const std::string_view symbols = word_.symbols();
  closeAfter_.resize(symbols.size());
  Index close = kFail;
  for (std::size_t p = symbols.size(); p-- > 0;) {
    closeAfter_[p] = close;
    if (symbols[p] == ']') close = p;
  }
}

ContextSearch::Index ContextSearch::closeAfter(std::size_t position) const {
  return closeAfter_[position];
}

std::optional<std::size_t> ContextSearch::right(std::size_t position, char symbol) {
  if (position >= word_.size()) return std::nullopt;
  const std::size_t size = word_.size();
  std::size_t p = position + 1;
  // Directly along a run without brackets; a ']' ends the branch being searched.
  for (std::size_t step = 0; step < directSteps_; ++step, ++p) {
    if (p >= size) return std::nullopt;
    const char q = word_.symbolAt(p);
    if (q == ']') return std::nullopt;
    if (q == '[') break;
    if (q == symbol) return p;
    if (!passes(q)) return std::nullopt;
  }
  return rightByTable(p, symbol);
}

std::optional<std::size_t> ContextSearch::rightByTable(std::size_t start, char symbol) {
  const std::size_t size = word_.size();
  std::vector<Index>& results = rightResults_[static_cast<unsigned char>(symbol)];
  if (results.empty()) {
    results.assign(size + 1, kUnknown);
    results[size] = kFail;  // past the last module the search ends
  }
  if (closeAfter_.size() != size) buildCloseAfter();
  // A search standing at p ends where the search from p + 1 ends, except at brackets: a ']'
  // ends it, and a '[' is searched into its branch first, then behind the nearest ']' after
  // it, and then the '[' itself is examined. Passing over the '[' would only search its branch
  // again, which has failed. Each result depends on results further right only, so they are
  // filled depth first with an explicit stack.
  pending_.clear();
  pending_.push_back(start);
  while (!pending_.empty()) {
    const std::size_t p = pending_.back();
    if (results[p] != kUnknown) {
      pending_.pop_back();
      continue;
    }
    const char q = word_.symbolAt(p);
    Index result = kFail;
    if (q == '[') {
      const Index branch = results[p + 1];
      if (branch == kUnknown) {
        pending_.push_back(p + 1);
        continue;
      }
      if (branch != kFail) {
        result = branch;
      } else {
        const Index close = closeAfter(p);
        const Index behind = close == kFail ? kFail : results[close + 1];
        if (behind == kUnknown) {
          pending_.push_back(close + 1);
          continue;
        }
        if (behind != kFail) {
          result = behind;
        } else if (symbol == '[') {
          result = p;
        }
      }
    } else if (q == ']') {
      result = kFail;
    } else if (q == symbol) {
      result = p;
    } else if (passes(q)) {
      const Index next = results[p + 1];
      if (next == kUnknown) {
        pending_.push_back(p + 1);
        continue;
      }
      result = next;
    }
    results[p] = result;
    pending_.pop_back();
  }
  return found(results[start]);
}

}  // namespace lsys
