#include "description/rule.h"

#include <algorithm>
#include <cstdio>

#include "app/console.h"

namespace lsys {
namespace {

// The characters of the text in the columns [begin, end), empty when the range is empty;
// columns outside the text are never read.
std::string columns(const std::string& text, int begin, int end) {
  begin = std::max(begin, 0);
  end = std::min(end, static_cast<int>(text.size()));
  if (begin >= end) return {};
  return text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

constexpr int kMaxSymbolColumns = 4;

}  // namespace

void Rule::parse(const std::string& text) {
  printText(text);
  std::printf("\n");

  const int length = static_cast<int>(text.size());
  const std::size_t arrowAt = text.find("->");
  const int arrow = arrowAt == std::string::npos ? length : static_cast<int>(arrowAt);

  // The left part: marks and symbols outside parentheses.
  int symbolColumns[kMaxSymbolColumns];
  int symbolCount = 0;
  int depth = 0;
  for (int i = 0; i < arrow; ++i) {
    const char c = text[static_cast<std::size_t>(i)];
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (depth != 0) continue;
    if (c == '<') leftContextPos = i;
    if (c == '>') rightContextPos = i;
    if (c == ':') conditionPos = i;
    if (c != '<' && c != '>' && c != ')' && c != ':' && symbolCount < kMaxSymbolColumns) {
      symbolColumns[symbolCount++] = i;
    }
  }

  // The symbols, counted from the first; a missing one is NUL and has no column.
  constexpr int kNoColumn = -1;
  auto symbolColumn = [&](int k) { return k < symbolCount ? symbolColumns[k] : kNoColumn; };
  auto symbolAt = [&](int column) {
    return column == kNoColumn ? '\0' : text[static_cast<std::size_t>(column)];
  };
  int leftColumn = kNoColumn;
  int predecessorColumn = kNoColumn;
  int rightColumn = kNoColumn;
  if (leftContextPos == 0) {
    predecessorColumn = symbolColumn(0);
    if (rightContextPos != 0) rightColumn = symbolColumn(1);
  } else {
    leftColumn = symbolColumn(0);
    predecessorColumn = symbolColumn(1);
    if (rightContextPos != 0) rightColumn = symbolColumn(2);
  }
  leftContext = symbolAt(leftColumn);
  predecessor = symbolAt(predecessorColumn);
  rightContext = symbolAt(rightColumn);
  contextSensitive = leftContextPos != 0 || rightContextPos != 0;

  // The formal parameter names, cut out by columns: a term's '(' follows its symbol directly and
  // its ')' stands right before the next mark or the arrow.
  std::vector<std::string> groups;
  if (leftContextPos != 0 && leftColumn != kNoColumn) {
    groups.push_back(columns(text, leftColumn + 2, leftContextPos - 1));
  }
  if (predecessorColumn != kNoColumn) {
    const int end = rightContextPos != 0 ? rightContextPos
                    : conditionPos != 0  ? conditionPos
                                         : arrow;
    groups.push_back(columns(text, predecessorColumn + 2, end - 1));
  }
  if (rightContextPos != 0) {
    const int end = conditionPos != 0 ? conditionPos : arrow;
    groups.push_back(columns(text, rightContextPos + 3, end - 1));
  }
  for (const std::string& group : groups) {
    if (group.empty()) continue;
    if (!parameterNames.empty()) parameterNames.push_back(',');
    parameterNames += group;
  }

  // The conditions: between "(" after ':' and the character before the arrow, split at every
  // comma whatever the parentheses around it.
  if (conditionPos != 0) {
    const std::string list = columns(text, conditionPos + 2, arrow - 1);
    std::size_t start = 0;
    for (;;) {
      const std::size_t comma = list.find(',', start);
      if (comma == std::string::npos) {
        conditions.push_back(list.substr(start));
        break;
      }
      conditions.push_back(list.substr(start, comma - start));
      start = comma + 1;
    }
  }

  // The successor: symbols outside parentheses, argument texts split at commas of depth 1.
  depth = 0;
  int argumentStart = 0;
  for (int i = arrow + 2; i < length; ++i) {
    const char c = text[static_cast<std::size_t>(i)];
    if (c == '(') {
      ++depth;
      if (depth == 1) argumentStart = i + 1;
    }
    if (c == ')') {
      --depth;
      if (depth == 0) successor.appendExpression(columns(text, argumentStart, i));
    }
    if (depth == 1 && c == ',') {
      successor.appendExpression(columns(text, argumentStart, i));
      argumentStart = i + 1;
    }
    if (depth == 0 && c != ')') successor.appendModule(c);
  }
}

void Rule::report() const {
  std::printf(" Regel: ");
  if (leftContextPos != 0) {
    printChar(leftContext);
    std::printf("<");
  }
  printChar(predecessor);
  if (rightContextPos != 0) {
    std::printf(">");
    printChar(rightContext);
  }
  std::printf("->");
  successor.print();
  std::printf("\n");
  if (contextSensitive) std::printf("[kontextsensitiv]");
  if (conditionPos != 0) std::printf("[parameterbedingungen]");
  if (contextSensitive || conditionPos != 0) std::printf("\n");
  if (!parameterNames.empty()) {
    std::printf("Parameter: ");
    printText(parameterNames);
    std::printf("\n");
  }
  if (conditionPos != 0) reportConditions();
}

void Rule::reportConditions() const {
  std::printf("Parameterbedingungen: (");
  for (std::size_t k = 0; k < conditions.size(); ++k) {
    if (k > 0) std::printf(")&&(");
    printText(conditions[k]);
  }
  std::printf(")\n");
}

}  // namespace lsys
