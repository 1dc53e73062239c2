#include "companion/check/dry_run.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "app/lsystem.h"
#include "common/finite.h"
#include "companion/growth/grow.h"
#include "companion/growth/step_prediction.h"
#include "description/rule.h"
#include "turtle/make_poly_liste.h"

namespace lsys {
namespace {

std::size_t nameCount(const std::string& names) {
  return names.empty() ? 0
                       : static_cast<std::size_t>(std::count(names.begin(), names.end(), ',')) + 1;
}

// The k-th name of the rule and the column of the rule text where it stands.
std::pair<std::string, std::size_t> nameAt(const Rule& rule, const std::string& text,
                                           std::size_t k) {
  std::size_t seen = 0;
  for (const TextSpan& group : rule.layout.nameGroups) {
    std::size_t start = group.begin;
    for (std::size_t i = group.begin; i <= group.end && group.begin < group.end; ++i) {
      if (i < group.end && text[i] != ',') continue;
      if (seen++ == k) return {text.substr(start, i - start), start};
      start = i + 1;
    }
  }
  return {"", rule.layout.predecessorColumn};
}

std::string humanSize(double bytes) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3g GB", bytes / 1e9);
  return buffer;
}

std::size_t physicalMemory() {
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long size = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || size <= 0) return static_cast<std::size_t>(16) << 30;
  return static_cast<std::size_t>(pages) * static_cast<std::size_t>(size);
}

// What a step costs beyond its modules and evaluations (a pass over the rules, a new word), in
// the same units: about the time of rewriting a hundred modules.
constexpr std::size_t kStepWork = 100;

class Dry final : public GrowthObserver {
 public:
  Dry(LSystem& lsystem, const DescriptionFacts& facts, const CheckLimits& limits,
      std::vector<Diagnostic>& out)
      : lsystem_(lsystem), facts_(facts), limits_(limits), out_(out) {
    short_.assign(facts.rules.size(), false);
  }

  void run() {
    growth_ = static_cast<double>(longestSuccessor());
    size_ = lsystem_.current->size();
    if (!DeriveObserved(lsystem_, *this)) return;
    MakePolyListe(lsystem_);
    checkSegments();
  }

 private:
  std::size_t indexOf(const Rule* rule) const {
    for (std::size_t k = 0; k < facts_.rules.size(); ++k) {
      if (facts_.rules[k].rule == rule) return k;
    }
    return facts_.rules.size();
  }
  std::size_t anchorLine() const { return facts_.axioms.empty() ? 0 : facts_.axioms.back().line; }

  // Context-free rules tried on a module with fewer values than names read 0 for the rest.
  // Rules are tried in file order; one without conditions always applies and ends the search,
  // and rules with contexts are passed over, since what they gather depends on the neighbours.
  void checkValues(const ModuleString& word) {
    for (Module module : word) {
      for (const Rule* rule : lsystem_.rulesFor(module.symbol)) {
        if (rule->contextSensitive) continue;
        const std::size_t names = nameCount(rule->parameterNames);
        if (module.parameters.size() < names) reportShort(rule, module.parameters.size());
        if (rule->conditions.empty()) break;
      }
    }
  }

  void reportShort(const Rule* rule, std::size_t values) {
    const std::size_t index = indexOf(rule);
    if (index >= short_.size() || short_[index]) return;
    short_[index] = true;
    const DescriptionFacts::RuleLine& line = facts_.rules[index];
    const auto [name, column] = nameAt(*rule, line.text.text, values);
    out_.push_back({Severity::kWarning, line.line, LineColumnOf(column, line.text.substitutions),
                    "this rule is applied to '" + std::string(1, rule->predecessor) + "' with " +
                        std::to_string(values) + (values == 1 ? " value" : " values") +
                        ", fewer than its names: '" + name + "' and any names after it read 0"});
  }

  std::size_t longestSuccessor() const {
    std::size_t longest = 1;
    for (const DescriptionFacts::RuleLine& line : facts_.rules) {
      longest = std::max(longest, line.rule->layout.moduleColumns.size());
    }
    return longest;
  }

  // Before each step: the values the step's rules will read, then whether the next word stays
  // within the limits; when it would not, the final size is predicted and the growth stops.
  bool beforeStep(int step, const LSystem&) override {
    checkValues(*lsystem_.current);
    const StepPrediction next = PredictStep(lsystem_);
    const std::size_t work = next.evaluations + lsystem_.current->size() + kStepWork;
    if (next.modules > limits_.maxModules || next.values > limits_.maxModules - next.modules ||
        work > limits_.maxWork - work_) {
      predict(step - 1, size_, growth_);
      return false;
    }
    work_ += work;
    return true;
  }

  void afterStep(const StepReport& report) override {
    growth_ = size_ > 0
                  ? std::max(1.0, static_cast<double>(report.modules) / static_cast<double>(size_))
                  : 1.0;
    size_ = report.modules;
  }

  // The word grows by about the same factor each step: from the last measured step on, the
  // final size is that size times the factor for every step still to come.
  void predict(std::int32_t done, std::size_t size, double growth) {
    const double remaining = static_cast<double>(lsystem_.steps - done);
    const double modules =
        static_cast<double>(std::max<std::size_t>(size, 1)) * std::pow(growth, remaining);
    const double valuesPerModule =
        size > 0
            ? static_cast<double>(lsystem_.current->values().size()) / static_cast<double>(size)
            : 0.0;
    // Two generations live at once, each with a symbol byte, a count byte and its values.
    const double bytes = modules * 2.0 * (2.0 + 4.0 * valuesPerModule);
    const double memory =
        static_cast<double>(limits_.memoryBytes != 0 ? limits_.memoryBytes : physicalMemory());
    if (bytes <= memory) return;
    std::size_t line = anchorLine();
    for (const DescriptionFacts::NumberLine& number : facts_.numbers) {
      if (number.key == LineKey::kSteps) line = number.line;
    }
    char figure[64];
    std::snprintf(figure, sizeof figure, "%.3g", modules);
    out_.push_back({Severity::kError, line, 0,
                    "steps=" + std::to_string(lsystem_.steps) + " grows the word to about " +
                        figure + " modules (about " + humanSize(bytes) +
                        " of memory, measured over the first " + std::to_string(done) +
                        " steps), more than the " + humanSize(memory) +
                        " this machine holds: lower steps"});
  }

  void checkSegments() {
    std::size_t zero = 0;
    std::size_t nonFinite = 0;
    float minY = 0, maxY = 0, minZ = 0, maxZ = 0;
    for (const Segment& s : lsystem_.segments) {
      if (!IsFiniteSegment(s)) {
        ++nonFinite;
        continue;
      }
      if (s.start.x == s.end.x && s.start.y == s.end.y && s.start.z == s.end.z) ++zero;
      for (const Vector3f& p : {s.start, s.end}) {
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        minZ = std::min(minZ, p.z), maxZ = std::max(maxZ, p.z);
      }
    }
    const std::size_t line = anchorLine();
    if (nonFinite > 0) {
      out_.push_back({Severity::kError, line, 0,
                      std::to_string(nonFinite) +
                          " segment(s) have coordinates or radii that are not finite numbers (an "
                          "expression overflowed or divided by zero): the scene cannot show them"});
    }
    if (zero > 0) {
      out_.push_back({Severity::kWarning, line, 0,
                      std::to_string(zero) + " segment(s) have zero length (F with a distance of "
                                             "0): they draw nothing but a sphere"});
    }
    if (lsystem_.segments.empty() || nonFinite > 0) return;
    checkFraming(line, minY, maxY, minZ, maxZ);
  }

  // The camera stands at the distance viewDistance in front of the start point, at the height
  // viewHeight: it frames viewDistance vertically and 4/3 of it horizontally, centred on the
  // vertical line through the start point. Vertically it misses at most the last step above
  // the highest segment start, which the frame's margin mostly holds.
  void checkFraming(std::size_t line, float minY, float maxY, float minZ, float maxZ) {
    static constexpr const char* kOnlyLsys2pov =
        " (in the scene lsys2pov writes; lsys render frames the whole drawing)";
    const double distance = lsystem_.viewDistance;
    const double halfWidth = distance * 2.0 / 3.0;
    const double width = std::max(-minY, maxY);
    char figures[400];
    if (distance <= 0.0 && (maxY - minY > 0 || maxZ - minZ > 0)) {
      out_.push_back({Severity::kWarning, line, 0,
                      "the camera frames a height of 0 (it measures the heights where segments "
                      "start), so it stands at distance 0 and shows nothing: the camera frames "
                      "only the vertical extent, and the turtle starts heading up" +
                          std::string(kOnlyLsys2pov)});
      return;
    }
    if (width > halfWidth * 1.05) {
      std::snprintf(figures, sizeof figures,
                    "the drawing reaches %.3g to the side of its start point, but the camera "
                    "frames only %.3g to each side (it frames the height, %.3g, centred on the "
                    "start point): parts of it are cut off%s",
                    width, halfWidth, distance / 1.2, kOnlyLsys2pov);
      out_.push_back({Severity::kWarning, line, 0, figures});
    }
  }

  LSystem& lsystem_;
  const DescriptionFacts& facts_;
  const CheckLimits& limits_;
  std::vector<Diagnostic>& out_;
  std::vector<bool> short_;  // per rule: reported already
  // The growth so far: the last generation's length and the factor of the last step.
  std::size_t size_ = 0;
  double growth_ = 1.0;
  std::size_t work_ = 0;  // the most work the steps taken so far can have done
};

}  // namespace

void DryRun(LSystem& lsystem, const DescriptionFacts& facts, const CheckLimits& limits,
            std::vector<Diagnostic>& out) {
  Dry(lsystem, facts, limits, out).run();
}

}  // namespace lsys
