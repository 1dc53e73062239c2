// The bracket-aware context searches of one rewrite pass over one source word.
//
// Looking left, a search climbs out of the branches that enclose the module and steps over
// whole branches; looking right, it looks into each branch first and then behind it (after the
// nearest ']'). Which other symbols it passes over is decided by the context symbols and the
// mode. The comparison with the wanted symbol comes before that test, so the wanted symbol
// matches whether it is listed or not.
//
// Every search answers in amortised constant time: a short search is walked directly, and a
// longer one is answered from a table of where a search from each position ends, filled once
// per wanted symbol and pass. So a whole pass stays linear in the word, whatever the lists.
// Memory: the bracket tables take 8 bytes per module for each direction that is searched, and
// each wanted symbol whose searches run past the direct walk adds a table of 8 bytes per
// module; all of it goes with the search at the end of the pass.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace lsys {

class LSystem;
class ModuleString;

class ContextSearch {
 public:
  // The word must outlive the search and stay unchanged while it is used; the context symbols
  // and the mode are read from the L-system now.
  ContextSearch(const ModuleString& word, const LSystem& lsystem);
  ContextSearch(const ContextSearch&) = delete;
  ContextSearch& operator=(const ContextSearch&) = delete;

  // The position of the module that is the left context `symbol` of the module at the
  // position, or none. Brackets are not counted: a ']' leads back to the nearest '['.
  std::optional<std::size_t> left(std::size_t position, char symbol);
  // The position of the module that is the right context `symbol` of the module at the
  // position, or none. A ']' ends the branch being searched.
  std::optional<std::size_t> right(std::size_t position, char symbol);

  // How many modules a search examines directly before it turns to the tables. Tests set 0 to
  // check the tables on every search.
  void setDirectSteps(std::size_t steps) { directSteps_ = steps; }

 private:
  // Positions in the tables, with two values that no position of a word in memory takes.
  using Index = std::size_t;
  static constexpr Index kUnknown = ~Index{0};
  static constexpr Index kFail = ~Index{0} - 1;

  bool passes(char symbol) const { return passes_[static_cast<unsigned char>(symbol)]; }

  // Where a left search that stands at the position examines next: enclosing '[' climbed out
  // of, branches to the left stepped over. kFail when the search ends first.
  Index examinedFrom(std::size_t position) const;
  void buildExamined();
  std::optional<std::size_t> leftByTable(std::size_t start, char symbol);

  // The nearest ']' after the position, or kFail.
  Index closeAfter(std::size_t position) const;
  void buildCloseAfter();
  std::optional<std::size_t> rightByTable(std::size_t start, char symbol);

  static std::optional<std::size_t> found(Index index) {
    if (index == kFail) return std::nullopt;
    return index;
  }

  const ModuleString& word_;
  std::array<bool, 256> passes_{};
  std::size_t directSteps_ = 8;

  std::vector<Index> examined_;    // examinedFrom for every position, once built
  std::vector<Index> closeAfter_;  // closeAfter for every position, once built
  // Per wanted symbol: the result of a search that stands at each position (kUnknown until
  // needed). The right tables have one more entry, for the end of the word.
  std::array<std::vector<Index>, 256> leftResults_;
  std::array<std::vector<Index>, 256> rightResults_;
  std::vector<Index> pending_;  // scratch for filling the tables
};

}  // namespace lsys
