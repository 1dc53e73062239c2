#include "companion/check/reachability.h"

#include <array>
#include <string>

#include "companion/check/quoting.h"
#include "companion/check/written_words.h"
#include "description/rule.h"

namespace lsys {
namespace {

constexpr std::int64_t kNever = -1;

// The first generation in which each symbol can stand, kNever when none can hold it. Generation
// 0 is the axiom; a rule whose predecessor can stand in generation g adds its successor's
// symbols to generation g + 1. The pass ends when a generation adds no symbol, since the next
// would then add none either.
std::array<std::int64_t, 256> firstGenerations(const std::vector<WrittenWord>& words,
                                               const WrittenWord* axiom) {
  std::array<std::int64_t, 256> first;
  first.fill(kNever);
  if (axiom == nullptr) return first;
  for (char symbol : axiom->symbols) first[static_cast<unsigned char>(symbol)] = 0;
  for (std::int64_t generation = 0;; ++generation) {
    bool added = false;
    for (const WrittenWord& word : words) {
      if (word.rule == nullptr) continue;
      const std::int64_t at = first[static_cast<unsigned char>(word.rule->rule->predecessor)];
      if (at == kNever || at > generation) continue;
      for (char symbol : word.symbols) {
        std::int64_t& slot = first[static_cast<unsigned char>(symbol)];
        if (slot == kNever) {
          slot = generation + 1;
          added = true;
        }
      }
    }
    if (!added) return first;
  }
}

class Reachability {
 public:
  Reachability(const DescriptionFacts& facts, std::int32_t steps, std::vector<Diagnostic>& out)
      : facts_(facts), steps_(steps), out_(out), words_(WrittenWords(facts)) {
    for (const WrittenWord& word : words_) {
      written_ += word.symbols;
      if (word.rule == nullptr) axiom_ = &word;  // the last axiom line is the axiom
    }
    first_ = firstGenerations(words_, axiom_);
  }

  void run() {
    // A marked file grows by its '=>' rules too, which the dialect's own checks know.
    if (facts_.dialectMarked) return;
    const bool grows = steps_ > 0 && axiom_ != nullptr;
    if (steps_ <= 0) checkNoSteps();
    for (const WrittenWord& word : words_) {
      if (word.rule == nullptr || word.rule->rule->predecessor == '\0') continue;
      if (shadowed(*word.rule)) continue;
      if (nowhere(*word.rule)) continue;
      if (grows) checkGeneration(*word.rule);
    }
  }

 private:
  void warning(const DescriptionFacts::RuleLine& line, std::string message) {
    const std::size_t column =
        LineColumnOf(line.rule->layout.predecessorColumn, line.text.substitutions);
    out_.push_back({Severity::kWarning, line.line, column, std::move(message)});
  }

  static std::string symbolOf(const Rule& rule) { return Quoted(std::string(1, rule.predecessor)); }

  // An earlier rule for the same symbol without contexts and conditions always applies first.
  bool shadowed(const DescriptionFacts::RuleLine& line) {
    const Rule& rule = *line.rule;
    for (const WrittenWord& word : words_) {
      if (word.rule == nullptr) continue;
      if (word.rule == &line) return false;
      const Rule& earlier = *word.rule->rule;
      if (earlier.predecessor != rule.predecessor || earlier.contextSensitive ||
          earlier.conditionPos != 0) {
        continue;
      }
      warning(line, "this rule never applies: the rule on line " + std::to_string(word.line + 1) +
                        " rewrites every " + symbolOf(rule) +
                        " before it, having neither contexts nor conditions; " +
                        (rule.contextSensitive || rule.conditionPos != 0
                             ? std::string("put this rule above it, since rules are tried in "
                                           "file order")
                             : std::string("remove one of the two")));
      return true;
    }
    return false;
  }

  bool nowhere(const DescriptionFacts::RuleLine& line) {
    const Rule& rule = *line.rule;
    if (written_.find(rule.predecessor) != std::string::npos) return false;
    warning(line, "this rule never applies: " + symbolOf(rule) +
                      " occurs neither in the axiom nor in any successor; write it into the "
                      "axiom or into a successor");
    return true;
  }

  void checkGeneration(const DescriptionFacts::RuleLine& line) {
    const Rule& rule = *line.rule;
    const std::int64_t first = first_[static_cast<unsigned char>(rule.predecessor)];
    const std::string steps = "steps=" + std::to_string(steps_);
    if (first == kNever) {
      const std::string axiom =
          axiom_->symbols.size() <= 24 ? " " + Quoted(axiom_->symbols) : std::string();
      warning(line, "this rule never applies: " + symbolOf(rule) +
                        " is never produced from the axiom" + axiom +
                        ", since it stands only in successors of rules that never apply; start "
                        "from it (axiom=" +
                        std::string(1, rule.predecessor) +
                        ") or produce it from a rule that "
                        "applies");
    } else if (first == steps_) {
      warning(line, "this rule never applies: " + symbolOf(rule) + " first appears in generation " +
                        std::to_string(first) +
                        ", the last one, which the turtle draws without rewriting it (a leaf "
                        "rule of this kind leaves a tree without leaves); raise steps to " +
                        std::to_string(first + 1) + " or produce " + symbolOf(rule) +
                        " a step earlier");
    } else if (first > steps_) {
      warning(line, "this rule never applies within " + steps + ": " + symbolOf(rule) +
                        " first appears in generation " + std::to_string(first) +
                        "; raise steps to " + std::to_string(first + 1) + " or produce " +
                        symbolOf(rule) + " earlier");
    }
  }

  // steps=0 or less: the axiom is drawn as written.
  void checkNoSteps() {
    bool anyRule = false;
    for (const WrittenWord& word : words_) anyRule = anyRule || word.rule != nullptr;
    const DescriptionFacts::NumberLine* line = nullptr;
    for (const DescriptionFacts::NumberLine& number : facts_.numbers) {
      if (number.key == LineKey::kSteps) line = &number;
    }
    // A steps value that is no number is reported where it is read.
    if (!anyRule || line == nullptr || !line->found) return;
    out_.push_back({Severity::kWarning, line->line, ValueColumn(LineKey::kSteps),
                    "steps=" + std::to_string(steps_) +
                        " applies no rule: the turtle draws the axiom as written; give steps "
                        "the number of generations to grow, such as steps=5"});
  }

  const DescriptionFacts& facts_;
  const std::int32_t steps_;
  std::vector<Diagnostic>& out_;
  std::vector<WrittenWord> words_;
  const WrittenWord* axiom_ = nullptr;
  std::string written_;  // every symbol of every axiom and successor
  std::array<std::int64_t, 256> first_{};
};

}  // namespace

void CheckReachability(const DescriptionFacts& facts, std::int32_t steps,
                       std::vector<Diagnostic>& out) {
  Reachability(facts, steps, out).run();
}

}  // namespace lsys
