#include "derivation/rule_matching.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/lsystem.h"
#include "derivation/derive.h"
#include "derivation/evaluator.h"
#include "description/rule.h"
#include "support/test_support.h"

namespace lsys {
namespace {

using testing_support::CaptureOutput;
using testing_support::MakeModules;

using testing_support::MakeSystem;

// Rewrites every module of the current generation and returns the target's value form.
std::string RewriteAll(LSystem& lsystem, std::string* printed = nullptr) {
  ModuleString target;
  const std::string out = CaptureOutput([&] {
    Evaluator evaluator(lsystem.console());
    ModuleRewriter rewriter(lsystem, *lsystem.current, evaluator);
    for (std::size_t i = 0; i < lsystem.current->size(); ++i) rewriter.rewriteModule(i, target);
  });
  if (printed != nullptr) *printed = out;
  return target.valueForm();
}

struct SearchCase {
  const char* axiom;
  std::size_t module;
  char symbol;
  bool found;
  std::size_t match;  // index of the matching module when found
};

void ExpectSearches(const SearchCase* cases, std::size_t count, bool left,
                    const std::string& symbols = "", bool consider = false) {
  for (std::size_t i = 0; i < count; ++i) {
    const SearchCase& c = cases[i];
    auto lsystem = MakeSystem(c.axiom, {}, symbols, consider);
    ASSERT_LT(c.module, lsystem->current->size()) << c.axiom;
    const std::optional<std::size_t> found =
        left ? testing_support::LeftContextOf(*lsystem, c.module, c.symbol)
             : testing_support::RightContextOf(*lsystem, c.module, c.symbol);
    const std::string label = std::string(c.axiom) + " module " + std::to_string(c.module) +
                              " symbol " + c.symbol + " list '" + symbols + "'";
    EXPECT_EQ(found.has_value(), c.found) << label;
    if (found && c.found) {
      EXPECT_EQ(*found, c.match) << label;
    }
  }
}

TEST(FindLeftContext, BracketsWithoutContextSymbols) {
  const SearchCase cases[] = {
      {"A[B]D", 4, 'A', true, 0},  // ']' is stepped over back to '['
      {"A[B]D", 4, 'B', false, 0},
      {"A[B]D", 2, 'A', true, 0},   // the '[' is climbed out of
      {"A[B]D", 0, 'A', false, 0},  // nothing to the left
      {"A[B]D", 3, 'B', true, 2},
      {"A[B[X]D]E", 8, 'B', true, 2},  // from the outer ']' back to the inner '['
      {"A[B[X]D]E", 8, 'A', false, 0},
      {"A[B[X]D]E", 6, 'B', true, 2},
      {"A[B[X]D]E", 4, 'B', true, 2},
      {"A[B[X]D]E", 4, 'A', false, 0},
      {"[A", 1, '[', true, 0},  // the first '[' cannot be climbed out of
      {"[A", 1, 'X', false, 0},
      {"A[[B", 3, 'A', true, 0},
      {"A[]B", 3, 'A', true, 0},
      {"A[][]B", 5, 'A', true, 0},  // ']' again after stepping over: step over once more
      {"A]B", 2, 'A', false, 0},    // a ']' without '[' ends the search
      {"]B", 1, 'A', false, 0},
      {"[]B", 2, 'A', false, 0},     // nothing left of the '['
      {"A[[B]C", 5, 'A', false, 0},  // the outer '[' is examined and ends the search
      {"A[[B]C", 5, '[', true, 1},
      {"AB", 1, 'A', true, 0},
      {"AXB", 2, 'A', false, 0},
  };
  ExpectSearches(cases, std::size(cases), true);
}

TEST(FindLeftContext, IgnoreAndConsiderLists) {
  const SearchCase ignoring[] = {
      {"A+B", 2, 'A', true, 0},     {"A+-+B", 4, 'A', true, 0}, {"A+XB", 3, 'A', false, 0},
      {"B+D", 2, 'B', true, 0},     {"A+B", 2, '+', true, 1},  // the listed symbol matches
      {"A[[B]C", 5, 'A', false, 0},
  };
  ExpectSearches(ignoring, std::size(ignoring), true, "+-");
  const SearchCase ignoringBrackets[] = {{"A[[B]C", 5, 'A', true, 0}};
  ExpectSearches(ignoringBrackets, std::size(ignoringBrackets), true, "[");

  const SearchCase considering[] = {
      {"A+B", 2, 'A', true, 0},     {"ABB", 2, 'A', false, 0},    // a listed B ends the search
      {"ABB", 1, 'A', true, 0},     {"A[[B]C", 5, 'A', true, 0},  // unlisted '[' passed over
      {"AX[Y]+B", 6, 'A', true, 0},
  };
  ExpectSearches(considering, std::size(considering), true, "AB", true);
  // The context symbol itself need not be listed.
  const SearchCase onlyA[] = {{"BD", 1, 'B', true, 0}, {"BAD", 2, 'B', false, 0}};
  ExpectSearches(onlyA, std::size(onlyA), true, "A", true);
}

TEST(FindRightContext, BracketsWithoutContextSymbols) {
  const SearchCase cases[] = {
      {"A[B]D", 0, 'B', true, 2},   // the branch first
      {"A[B]D", 0, 'D', true, 4},   // then behind it
      {"A[B]D", 2, 'D', false, 0},  // a ']' ends the branch
      {"A[B]D", 4, 'A', false, 0},
      {"A[B[X]D]E", 0, 'E', false, 0},  // behind the nearest ']' only
      {"A[B[X]D]E", 0, 'D', true, 6},
      {"A[B[X]D]E", 2, 'X', true, 4},
      {"A[B[X]D]E", 2, 'D', true, 6},
      {"A[B[X]D]E", 6, 'E', false, 0},
      {"A[B]", 0, 'X', false, 0},
      {"A[B]", 0, '[', true, 1},  // the '[' is examined after its branch and behind it
      {"A[[B]C]D", 0, '[', true, 2},
      {"A[X", 0, 'X', true, 2},  // an unclosed '[' is harmless
      {"A[", 0, 'X', false, 0},
      {"A[]B", 0, 'B', true, 3},
      {"A[][]B", 0, 'B', true, 5},  // behind the first branch: the second branch, behind it B
      {"A[][]B", 0, '[', true, 3},
      {"AB", 0, 'B', true, 1},
      {"AXB", 0, 'B', false, 0},
  };
  ExpectSearches(cases, std::size(cases), false);
}

TEST(FindRightContext, IgnoreAndConsiderLists) {
  const SearchCase ignoring[] = {
      {"A+B", 0, 'B', true, 2},
      {"A+[-B]C", 0, 'B', true, 4},
      {"A+[X]C", 0, 'C', true, 5},
      {"A+X", 0, 'B', false, 0},
  };
  ExpectSearches(ignoring, std::size(ignoring), false, "+-");
  const SearchCase considering[] = {
      {"A+B", 0, 'B', true, 2},   {"ABB", 0, 'B', true, 1},       {"AAB", 0, 'B', false, 0},
      {"A[+]B", 0, 'B', true, 4}, {"A[[X]Y]B", 0, 'B', false, 0},
  };
  ExpectSearches(considering, std::size(considering), false, "AB", true);
}

// The context searches written out step by step on the symbols, for comparison on every short
// string.
struct Reference {
  const LSystem& lsystem;
  std::string_view word;

  bool passes(char symbol) const { return lsystem.isContextSymbol(symbol) != lsystem.considerMode; }

  std::optional<std::size_t> left(std::size_t module, char c) const {
    if (module == 0) return std::nullopt;
    std::size_t p = module - 1;
    for (;;) {
      for (;;) {
        while (word[p] == '[' && p > 0) --p;
        if (word[p] != ']') break;
        while (word[p] != '[') {
          if (p == 0) return std::nullopt;
          --p;
        }
        if (p == 0) return std::nullopt;
        --p;
        if (word[p] != ']') break;
      }
      if (word[p] == c) return p;
      if (!passes(word[p]) || p == 0) return std::nullopt;
      --p;
    }
  }

  std::optional<std::size_t> right(std::size_t module, char c) const {
    for (std::size_t q = module + 1;; ++q) {
      if (q >= word.size() || word[q] == ']') return std::nullopt;
      if (word[q] == '[') {
        if (auto inBranch = right(q, c)) return inBranch;
        std::size_t close = q;
        while (close < word.size() && word[close] != ']') ++close;
        if (close < word.size()) {
          if (auto behind = right(close, c)) return behind;
        }
      }
      if (word[q] == c) return q;
      if (!passes(word[q])) return std::nullopt;
    }
  }
};

TEST(ContextSearch, AgreesWithTheStepwiseSearchOnEveryShortString) {
  const std::string symbols = "AB+[]";
  struct Strings {
    std::string alphabet;
    std::size_t maxLength;
  };
  const Strings families[] = {{"AB+[]", 5}, {"A[]", 6}};
  struct Mode {
    std::string listed;
    bool consider;
  };
  const Mode modes[] = {{"", false}, {"+[", false}, {"A", true}, {"", true}, {"B", false}};
  int failures = 0;
  for (const Strings& family : families) {
    const std::string& alphabet = family.alphabet;
    for (std::size_t length = 1; length <= family.maxLength && failures < 10; ++length) {
      std::vector<std::size_t> digits(length, 0);
      for (bool more = true; more && failures < 10;) {
        std::string axiom;
        for (std::size_t d : digits) axiom.push_back(alphabet[d]);
        for (const Mode& mode : modes) {
          auto lsystem = MakeSystem(axiom, {}, mode.listed, mode.consider);
          const Reference reference{*lsystem, lsystem->current->symbols()};
          // Once with the direct walks first, once with every answer from the tables. Each
          // search object answers all the searches of its word, as during a pass.
          for (std::size_t directSteps : {std::size_t{8}, std::size_t{1}, std::size_t{0}}) {
            ContextSearch search(*lsystem->current, *lsystem);
            search.setDirectSteps(directSteps);
            for (std::size_t m = 0; m < axiom.size(); ++m) {
              for (char c : symbols) {
                const bool leftAgrees = search.left(m, c) == reference.left(m, c);
                const bool rightAgrees = search.right(m, c) == reference.right(m, c);
                if (!leftAgrees || !rightAgrees) {
                  ++failures;
                  ADD_FAILURE() << axiom << " module " << m << " symbol " << c << " list '"
                                << mode.listed << "' consider " << mode.consider << " direct "
                                << directSteps << (leftAgrees ? "" : " left")
                                << (rightAgrees ? "" : " right");
                }
              }
            }
          }
        }
        more = false;
        for (std::size_t i = length; i-- > 0;) {
          if (++digits[i] < alphabet.size()) {
            more = true;
            break;
          }
          digits[i] = 0;
        }
      }
    }
  }
}

TEST(RewriteModule, ChoosesTheFirstRuleThatApplies) {
  struct Case {
    const char* axiom;
    std::vector<std::string> rules;
    const char* symbols;
    bool consider;
    const char* result;
  };
  const Case cases[] = {
      {"AA", {"A->B", "A->C"}, "", false, "BB"},
      {"A(2)A(1)", {"A(x):(x>1)->B", "A(x)->C"}, "", false, "BC"},
      {"ABCB", {"A<B->X", "B->Y"}, "", false, "AXCY"},      // context-sensitive rule first
      {"ABCB", {"B->Y", "A<B->X"}, "", false, "AYCY"},      // listed second, it never applies
      {"ABCABACBC", {"A<B>C->X"}, "", false, "AXCABACBC"},  // both contexts must be found
      {"A+B", {"A<B->X"}, "", false, "A+B"},
      {"A+B", {"A<B->X"}, "+-", false, "A+X"},
      {"A+B", {"A<B->X"}, "AB", true, "A+X"},
      {"ABB", {"A<B->X"}, "AB", true, "AXB"},
      {"BD", {"B<D->X"}, "A", true, "BX"},
      {"A[B]D", {"A<D->X", "A<B->Y", "B>D->Z"}, "", false, "A[Y]X"},
      {"A[B[X]D]E", {"B<E->Y", "A<E->Z", "A>E->W"}, "", false, "A[B[X]D]Y"},
      {"F(1,2)G", {}, "", false, "F(1.000000,2.000000)G"},  // no rule: copied with values
      {"F(1,2)", {"F->G"}, "", false, "G"},
      {"AB", {"A->", "B->C"}, "", false, "C"},
      {"X", {"->F", "A<->F"}, "", false, "X"},  // NUL predecessors match no module
  };
  for (const Case& c : cases) {
    auto lsystem = MakeSystem(c.axiom, c.rules, c.symbols, c.consider);
    EXPECT_EQ(RewriteAll(*lsystem), c.result) << c.axiom << " " << c.rules.size();
  }
}

TEST(RewriteModule, BindsValuesByPositionAcrossModules) {
  struct Case {
    const char* axiom;
    std::vector<std::string> rules;
    const char* result;
  };
  const Case cases[] = {
      // The left context A carries no name, so its value 5 binds y.
      {"A(5)B(7)", {"A<B(y)->F(y)"}, "A(5.000000)F(5.000000)"},
      {"A(5)B(7)", {"A(x)<B(y)->F(x,y)"}, "A(5.000000)F(5.000000,7.000000)"},
      {"B(1,2)", {"B(x)->F(x)"}, "F(1.000000)"},
      {"B(1)C(2,3)", {"B(x)>C(y)->F(x,y)"}, "F(1.000000,2.000000)C(2.000000,3.000000)"},
      {"B(1)C(2,3)", {"B(x)>C(y,z)->F(z)"}, "F(3.000000)C(2.000000,3.000000)"},
      {"A(4)[B(1)]C(2)", {"A<C(x)->F(x)", "A>B(x,y)->G(y)"}, "G(1.000000)[B(1.000000)]F(4.000000)"},
      {"B", {"B(x,y)->F(x+y+1)"}, "F(1.000000)"},  // names without values are 0
      // 0.1 on the axiom line is held as the nearest float, which x=0.1 does not equal.
      {"B(0.1)", {"B(x):(x=0.1)->F", "B(x)->G(x)"}, "G(0.100000)"},
      {"B(1)B(3)", {"B(x):(x>2)->F(x*2)"}, "B(1.000000)F(6.000000)"},
      {"A(1)B(2)", {"A(x)<B(y):(x>y)->F", "A(x)<B(y)->G(x-y)"}, "A(1.000000)G(-1.000000)"},
  };
  for (const Case& c : cases) {
    auto lsystem = MakeSystem(c.axiom, c.rules);
    EXPECT_EQ(RewriteAll(*lsystem), c.result) << c.axiom << " " << c.rules[0];
  }
}

TEST(RewriteModule, ConditionsAreTriedOnlyWhereTheContextsAreFound) {
  // The faulty condition is evaluated (and printed) for the B after A only.
  auto lsystem = MakeSystem("ABCB", {"A<B:(1+)->X", "B->Y"});
  std::string printed;
  EXPECT_EQ(RewriteAll(*lsystem, &printed), "AYCY");
  EXPECT_EQ(printed, "Syntax error\n");
}

TEST(ModuleRewriter, TheTargetBoundCoversWhatThePassAppends) {
  // The pass reserves the target from this bound, so it must never fall short; where every
  // module's rewrite is fixed the module count is exact (the values bound counts every source
  // value as possibly copied).
  struct Case {
    const char* axiom;
    std::vector<std::string> rules;
    bool exact;
  };
  const Case cases[] = {
      {"F", {"F->F[+F]F[-F]F"}, true},
      {"F(1)+G(2,3)", {"F(x)->F(x*2)[G(x,x)]"}, true},
      {"A(1)A(5)B", {"A(x):(x>2)->A(x)A(x+1)A", "A(x)->", "B->BB(7)"}, false},
      {"ABAB", {"A<B->CCCC", "B>A->D(1)"}, false},
      {"", {"F->FF"}, true},
  };
  for (const Case& c : cases) {
    auto lsystem = MakeSystem(c.axiom, c.rules);
    for (int pass = 0; pass < 3; ++pass) {
      ModuleString target;
      ModuleRewriter::TargetBound bound{0, 0};
      CaptureOutput([&] {
        Evaluator evaluator(lsystem->console());
        ModuleRewriter rewriter(*lsystem, *lsystem->current, evaluator);
        bound = rewriter.targetBound();
        rewriter.rewriteAll(target);
      });
      EXPECT_GE(bound.modules, target.size()) << c.axiom << " pass " << pass;
      EXPECT_GE(bound.values, target.values().size()) << c.axiom << " pass " << pass;
      if (c.exact) {
        EXPECT_EQ(bound.modules, target.size()) << c.axiom << " pass " << pass;
      }
      CaptureOutput([&] { rewritePass(*lsystem); });
      EXPECT_EQ(lsystem->current->valueForm(), target.valueForm()) << c.axiom << " " << pass;
    }
  }
}

}  // namespace
}  // namespace lsys
