#include "companion/check/structure_checks.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "companion/check/quoting.h"
#include "companion/check/written_words.h"
#include "description/rule.h"

namespace lsys {
namespace {

// How the brackets of one word pair up.
struct BracketBalance {
  std::size_t firstUnmatchedClose = std::string::npos;  // index of the first ']' without '['
  std::size_t firstUnclosedOpen = std::string::npos;    // the outermost '[' never closed
  std::ptrdiff_t net = 0;                               // count of '[' minus count of ']'
};

BracketBalance balanceOf(std::string_view symbols) {
  BracketBalance balance;
  std::vector<std::size_t> open;
  for (std::size_t k = 0; k < symbols.size(); ++k) {
    if (symbols[k] == '[') {
      open.push_back(k);
      ++balance.net;
    } else if (symbols[k] == ']') {
      --balance.net;
      if (!open.empty()) {
        open.pop_back();
      } else if (balance.firstUnmatchedClose == std::string::npos) {
        balance.firstUnmatchedClose = k;
      }
    }
  }
  if (balance.net > 0 && !open.empty()) balance.firstUnclosedOpen = open.front();
  return balance;
}

class StructureChecks {
 public:
  StructureChecks(const DescriptionFacts& facts, std::vector<Diagnostic>& out)
      : facts_(facts), out_(out), words_(WrittenWords(facts)) {
    for (const DescriptionFacts::RuleLine& line : facts_.rules) {
      if (line.rule->predecessor != '\0') predecessors_.push_back(line.rule->predecessor);
    }
    findVertexSymbols();
  }

  void run() {
    // A successor with more ']' than '[' may close what another one leaves open.
    bool somewhereCloses = false;
    for (const WrittenWord& word : words_) {
      const BracketBalance balance = balanceOf(word.symbols);
      if (balance.firstUnmatchedClose != std::string::npos) somewhereCloses = true;
    }
    for (const WrittenWord& word : words_) {
      checkBrackets(word, somewhereCloses);
      checkPolygons(word);
      checkForeignSymbols(word);
      if (word.rule != nullptr) checkParentheses(*word.rule);
    }
  }

 private:
  void add(Severity severity, std::size_t line, std::size_t column, std::string message) {
    out_.push_back({severity, line, column, std::move(message)});
  }

  bool isPredecessor(char symbol) const { return predecessors_.find(symbol) != std::string::npos; }

  void checkBrackets(const WrittenWord& word, bool somewhereCloses) {
    const BracketBalance balance = balanceOf(word.symbols);
    const bool axiom = word.rule == nullptr;
    const std::string where = axiom ? "the axiom" : "this successor";
    if (balance.firstUnmatchedClose != std::string::npos) {
      add(axiom ? Severity::kError : Severity::kWarning, word.line,
          word.columns[balance.firstUnmatchedClose],
          "more ']' than '[' in " + where +
              ": the turtle has no branch to return from here and reports "
              "ERROR::STACKUNDERFLOW; remove this ']' or open its branch with '['");
    }
    if (balance.firstUnclosedOpen == std::string::npos) return;
    if (axiom) {
      add(Severity::kWarning, word.line, word.columns[balance.firstUnclosedOpen],
          "this '[' is never closed in the axiom: its branch runs to the end of the word, and "
          "everything after it grows from the branch's tip; add its ']' where the branch ends");
      return;
    }
    // Nothing else can close it: every application of the rule leaves one more branch open,
    // and the rest of the word grows from its tip.
    add(somewhereCloses ? Severity::kWarning : Severity::kError, word.line,
        word.columns[balance.firstUnclosedOpen],
        "this '[' is never closed in this successor: each time the rule applies, the rest of "
        "the word grows from the tip of this branch, which the turtle never leaves; add its ']' "
        "where the branch ends, as in 'F[+F]F[-F]F'");
  }

  // A polygon's vertices come only from 'f' and '.', or from symbols whose rules produce them.
  void findVertexSymbols() {
    vertexSymbols_ = "f.";
    for (bool grew = true; grew;) {
      grew = false;
      for (const WrittenWord& word : words_) {
        if (word.rule == nullptr) continue;
        const char predecessor = word.rule->rule->predecessor;
        if (vertexSymbols_.find(predecessor) != std::string::npos) continue;
        if (word.symbols.find_first_of(vertexSymbols_) == std::string::npos) continue;
        vertexSymbols_.push_back(predecessor);
        grew = true;
      }
    }
  }

  void checkPolygons(const WrittenWord& word) {
    const std::string& symbols = word.symbols;
    for (std::size_t open = symbols.find('{'); open != std::string::npos;
         open = symbols.find('{', open + 1)) {
      const std::size_t close = symbols.find_first_of("{}", open + 1);
      if (close == std::string::npos || symbols[close] != '}') continue;
      const std::string_view inside = std::string_view(symbols).substr(open + 1, close - open - 1);
      if (inside.find_first_of(vertexSymbols_) != std::string_view::npos) continue;
      const std::size_t mover = inside.find_first_of("FG");
      if (mover == std::string_view::npos) continue;
      add(Severity::kWarning, word.line, word.columns[open],
          "this polygon gets no vertex: " + Quoted(inside.substr(mover, 1)) +
              " moves the turtle but adds no polygon vertex, so the polygon never closes and "
              "nothing is filled; trace its outline with 'f' (move and add a vertex) or '.' (add "
              "a vertex where the turtle stands)");
    }
  }

  // The book's and other tools' turtle symbols that the turtle here passes over.
  void checkForeignSymbols(const WrittenWord& word) {
    struct Foreign {
      char symbol;
      bool dialect;  // the dialect gives it a meaning, and its own checks speak of it
      const char* message;
    };
    static constexpr std::array<Foreign, 3> kForeign = {{
        {'\'', true,
         "the book's colour increment ' draws nothing here: write '?' (next colour), or mark "
         "the file with the line '#lsys dialect=1', under which ' means '?' too"},
        {'%', true,
         "the book's cut '%' cuts nothing here: it is read as a module that draws nothing; the "
         "cut of a branch needs the line '#lsys dialect=1', which marks the file for lsys"},
        {'~', false,
         "the book's predefined surface '~' draws nothing here: there are no predefined "
         "surfaces; draw the leaf as a polygon, its outline traced with 'f' or '.' between "
         "'{' and '}'"},
    }};
    for (const Foreign& foreign : kForeign) {
      if (foreign.dialect && facts_.dialectMarked) continue;
      if (isPredecessor(foreign.symbol)) continue;  // a symbol of the system's own
      const std::size_t at = word.symbols.find(foreign.symbol);
      if (at == std::string::npos) continue;
      add(Severity::kWarning, word.line, word.columns[at], foreign.message);
    }
  }

  void checkParentheses(const DescriptionFacts::RuleLine& line) {
    const RuleLayout& layout = line.rule->layout;
    auto toLine = [&](std::size_t column) { return LineColumnOf(column, line.text.substitutions); };
    if (layout.unmatchedClose != RuleLayout::kNoColumn) {
      add(Severity::kWarning, line.line, toLine(layout.unmatchedClose),
          "')' without '(' in the successor: nothing is added from here while more ')' than '(' "
          "stand before, so the successor reads " +
              Quoted(SuccessorForm(line)) + "; remove this ')' or add its '('");
    }
    if (layout.unclosedOpen != RuleLayout::kNoColumn) {
      add(Severity::kError, line.line, toLine(layout.unclosedOpen),
          "this '(' is never closed: its argument list runs to the end of the line and is "
          "dropped with everything after it, so the successor reads " +
              Quoted(SuccessorForm(line)) + "; close the list with ')' where its arguments end");
    }
  }

  const DescriptionFacts& facts_;
  std::vector<Diagnostic>& out_;
  std::vector<WrittenWord> words_;
  std::string predecessors_;
  std::string vertexSymbols_;
};

}  // namespace

void CheckStructure(const DescriptionFacts& facts, std::vector<Diagnostic>& out) {
  StructureChecks(facts, out).run();
}

}  // namespace lsys
