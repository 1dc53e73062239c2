#include "description/rule.h"

#include <algorithm>

#include "common/output.h"

namespace lsys {
namespace {

constexpr std::size_t kNoColumn = RuleLayout::kNoColumn;

// The columns [begin, end) with the end clipped to the text's length; an empty range when
// begin is not before the end.
TextSpan clipped(std::size_t begin, std::size_t end, std::size_t length) {
  end = std::min(end, length);
  if (begin >= end) return {begin, begin};
  return {begin, end};
}

std::string columns(const std::string& text, TextSpan span) {
  if (span.begin >= span.end) return {};
  return text.substr(span.begin, span.end - span.begin);
}

// end - 1 when end > 0, else 0: the column just before a mark, which the cut of a group stops
// at (a mark in column 0 leaves nothing before it).
std::size_t before(std::size_t end) { return end > 0 ? end - 1 : 0; }

}  // namespace

void Rule::parse(const std::string& text, Output& out) {
  out.text(text);
  out.character('\n');
  read(text);
}

void Rule::read(const std::string& text) { read(text, "->"); }

void Rule::read(const std::string& text, std::string_view arrow) {
  scanLeftPart(text, arrow);
  takeSymbols(text);
  cutParameterNames(text);
  splitConditions(text);
  readSuccessor(text);
}

// The left part, from column 0 up to the arrow: the marks '<', '>' and ':' and the symbol
// characters outside parentheses. A later mark of the same kind replaces an earlier one.
void Rule::scanLeftPart(const std::string& text, std::string_view arrow) {
  const std::size_t arrowAt = text.find(arrow);
  layout.arrow = arrowAt == std::string::npos ? text.size() : arrowAt;
  std::ptrdiff_t depth = 0;
  for (std::size_t i = 0; i < layout.arrow; ++i) {
    const char c = text[i];
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (depth != 0) continue;
    if (c == '<') leftContextPos = i;
    if (c == '>') rightContextPos = i;
    if (c == ':') conditionPos = i;
    if (c != '<' && c != '>' && c != ')' && c != ':') layout.symbolColumns.push_back(i);
  }
}

// The symbols, counted from the first symbol column; a missing one is NUL and has no column.
void Rule::takeSymbols(const std::string& text) {
  auto symbolColumn = [&](std::size_t k) {
    return k < layout.symbolColumns.size() ? layout.symbolColumns[k] : kNoColumn;
  };
  auto symbolAt = [&](std::size_t column) { return column == kNoColumn ? '\0' : text[column]; };
  if (leftContextPos == 0) {
    layout.predecessorColumn = symbolColumn(0);
    if (rightContextPos != 0) layout.rightColumn = symbolColumn(1);
  } else {
    layout.leftColumn = symbolColumn(0);
    layout.predecessorColumn = symbolColumn(1);
    if (rightContextPos != 0) layout.rightColumn = symbolColumn(2);
  }
  leftContext = symbolAt(layout.leftColumn);
  predecessor = symbolAt(layout.predecessorColumn);
  rightContext = symbolAt(layout.rightColumn);
  contextSensitive = leftContextPos != 0 || rightContextPos != 0;
}

// The formal parameter names, cut out by columns: a term's '(' follows its symbol directly and
// its ')' stands right before the next mark or the arrow.
void Rule::cutParameterNames(const std::string& text) {
  const std::size_t length = text.size();
  if (leftContextPos != 0 && layout.leftColumn != kNoColumn) {
    layout.nameGroups.push_back(clipped(layout.leftColumn + 2, before(leftContextPos), length));
  }
  if (layout.predecessorColumn != kNoColumn) {
    const std::size_t end = rightContextPos != 0 ? rightContextPos
                            : conditionPos != 0  ? conditionPos
                                                 : layout.arrow;
    layout.nameGroups.push_back(clipped(layout.predecessorColumn + 2, before(end), length));
  }
  if (rightContextPos != 0) {
    const std::size_t end = conditionPos != 0 ? conditionPos : layout.arrow;
    layout.nameGroups.push_back(clipped(rightContextPos + 3, before(end), length));
  }
  for (const TextSpan& group : layout.nameGroups) {
    if (group.begin >= group.end) continue;
    if (!parameterNames.empty()) parameterNames.push_back(',');
    parameterNames += columns(text, group);
  }
}

// The conditions: between "(" after ':' and the character before the arrow, split at every
// comma whatever the parentheses around it.
void Rule::splitConditions(const std::string& text) {
  if (conditionPos == 0) return;
  layout.conditionList = clipped(conditionPos + 2, before(layout.arrow), text.size());
  std::size_t start = layout.conditionList.begin;
  for (std::size_t i = start; i < layout.conditionList.end; ++i) {
    if (text[i] != ',') continue;
    layout.conditions.push_back({start, i});
    start = i + 1;
  }
  layout.conditions.push_back({start, std::max(start, layout.conditionList.end)});
  for (const TextSpan& condition : layout.conditions)
    conditions.push_back(columns(text, condition));
}

// The successor: symbols outside parentheses, argument texts split at commas of depth 1. A ')'
// that makes the depth negative adds nothing, and neither does anything after it while the
// depth stays negative; a '(' that brings it back to 0 is a module (A->B)(C gives B(C). An
// argument list still open at the end adds no argument.
void Rule::readSuccessor(const std::string& text) {
  std::ptrdiff_t depth = 0;
  std::size_t argumentStart = 0;
  auto addArgument = [&](std::size_t end) {
    const TextSpan span{argumentStart, end};
    successor.appendExpression(columns(text, span));
    if (!layout.moduleColumns.empty()) {
      layout.arguments.push_back({layout.moduleColumns.size() - 1, span});
    }
  };
  for (std::size_t i = layout.arrow + 2; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') {
      ++depth;
      if (depth == 1) {
        argumentStart = i + 1;
        layout.unclosedOpen = i;
      }
    }
    if (c == ')') {
      --depth;
      if (depth == 0) {
        addArgument(i);
        layout.unclosedOpen = kNoColumn;
      }
      if (depth == -1 && layout.unmatchedClose == kNoColumn) layout.unmatchedClose = i;
    }
    if (depth == 1 && c == ',') {
      addArgument(i);
      argumentStart = i + 1;
    }
    if (depth == 0 && c != ')') {
      successor.appendModule(c);
      layout.moduleColumns.push_back(i);
    }
  }
}

void Rule::report(Output& out) const {
  out.text(" Regel: ");
  if (leftContextPos != 0) {
    out.character(leftContext);
    out.character('<');
  }
  out.character(predecessor);
  if (rightContextPos != 0) {
    out.character('>');
    out.character(rightContext);
  }
  out.text("->");
  out.text(successor.expressionForm());
  out.character('\n');
  if (contextSensitive) out.text("[kontextsensitiv]");
  if (conditionPos != 0) out.text("[parameterbedingungen]");
  if (contextSensitive || conditionPos != 0) out.character('\n');
  if (!parameterNames.empty()) {
    out.text("Parameter: ");
    out.text(parameterNames);
    out.character('\n');
  }
  if (conditionPos != 0) reportConditions(out);
}

void Rule::reportConditions(Output& out) const {
  out.text("Parameterbedingungen: (");
  for (std::size_t k = 0; k < conditions.size(); ++k) {
    if (k > 0) out.text(")&&(");
    out.text(conditions[k]);
  }
  out.text(")\n");
}

}  // namespace lsys
