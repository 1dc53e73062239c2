#include "derivation/rule_matching.h"

#include <vector>

#include "app/lsystem.h"
#include "derivation/parametric_eval.h"
#include "description/rule.h"

namespace lsys {
namespace {

// Whether a context search goes on past a module with this symbol: in ignore mode only listed
// symbols are passed over, in consider mode only unlisted ones.
bool passesOver(const LSystem& lsystem, char symbol) {
  return lsystem.isContextSymbol(symbol) != lsystem.considerMode;
}

void appendValues(std::vector<double>& values, const Module& module) {
  for (float value : module.parameters) values.push_back(value);
}

}  // namespace

bool findLeftContext(LSystem& lsystem, const Module& module, char symbol) {
  const ModuleString& string = *lsystem.current;
  const Module* p = module.prev;
  for (;;) {
    if (p == nullptr) return false;
    for (;;) {
      // Climb out of the branches that enclose the module.
      while (p->symbol == '[' && p->prev != nullptr) p = p->prev;
      if (p->symbol != ']') break;
      // Step over a whole branch: back to the nearest '[' (brackets are not counted), then once
      // more to the left.
      p = string.nearestOpenBefore(*p);
      if (p == nullptr) return false;
      p = p->prev;
      if (p == nullptr) return false;
      if (p->symbol != ']') break;
    }
    lsystem.leftMatch = p;
    if (p->symbol == symbol) return true;
    if (!passesOver(lsystem, p->symbol)) return false;
    p = p->prev;
  }
}

bool findRightContext(LSystem& lsystem, const Module& module, char symbol) {
  const ModuleString& string = *lsystem.current;
  // Each '[' met opens a frame: its branch is searched first, then the part behind the nearest
  // ']' after it, and then the '[' itself is examined. Passing over the '[' would only search
  // its branch again, which has already failed, so a frame ends after its '[' is examined.
  struct Frame {
    const Module* bracket;
    bool searchingBranch;   // false once the search behind the branch has started
    bool branchMetBracket;  // the branch search reached a nested '[' before failing
  };
  std::vector<Frame> frames;
  const Module* q = module.next;
  for (;;) {
    // Walk one run of modules until it matches, ends, or reaches a '['.
    for (;;) {
      if (q == nullptr || q->symbol == ']') break;
      if (q->symbol == '[') {
        if (!frames.empty() && frames.back().searchingBranch) frames.back().branchMetBracket = true;
        frames.push_back({q, true, false});
        q = q->next;
        continue;
      }
      lsystem.rightMatch = q;
      if (q->symbol == symbol) return true;
      if (!passesOver(lsystem, q->symbol)) break;
      q = q->next;
    }
    // The run failed: resume the innermost frame.
    q = nullptr;
    while (q == nullptr) {
      if (frames.empty()) return false;
      Frame& frame = frames.back();
      if (frame.searchingBranch) {
        frame.searchingBranch = false;
        // A nested '[' in the branch shares this frame's nearest ']', and its search behind
        // that ']' has already failed.
        if (!frame.branchMetBracket) {
          const Module* close = string.nearestCloseAfter(*frame.bracket);
          if (close != nullptr && close->next != nullptr) {
            q = close->next;
            continue;
          }
        }
      }
      lsystem.rightMatch = frame.bracket;
      if (symbol == '[') return true;
      frames.pop_back();
    }
  }
}

void rewriteModule(LSystem& lsystem, const Module& module, ModuleString& target) {
  std::vector<double> values;
  // Only rules with the module's symbol as predecessor can apply; they keep their file order.
  for (const Rule* rule : lsystem.rulesFor(module.symbol)) {
    lsystem.ruleCursor = rule;
    if (rule->leftContextPos != 0 && !findLeftContext(lsystem, module, rule->leftContext)) {
      continue;
    }
    if (rule->rightContextPos != 0 && !findRightContext(lsystem, module, rule->rightContext)) {
      continue;
    }
    values.clear();
    if (rule->leftContextPos != 0) appendValues(values, *lsystem.leftMatch);
    appendValues(values, module);
    if (rule->rightContextPos != 0) appendValues(values, *lsystem.rightMatch);
    if (!conditionHolds(*rule, values)) continue;
    appendSuccessor(*rule, values, target);
    return;
  }
  target.appendCopyOf(module);
}

}  // namespace lsys
