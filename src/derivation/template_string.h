// A rule's successor: a sequence of symbols whose parameters are argument expression texts still
// to be evaluated. Besides the linked modules it keeps the compiled flat form that a rewrite
// pass appends from: the symbols in one text and the number of expressions of each module.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace lsys {

class Output;

struct TemplateModule {
  TemplateModule* next = nullptr;
  TemplateModule* prev = nullptr;
  char symbol = '\0';
  std::vector<std::string> expressions;  // kept whole, whatever their length
};

class TemplateString {
 public:
  TemplateString() = default;
  TemplateString(const TemplateString&) = delete;
  TemplateString& operator=(const TemplateString&) = delete;

  TemplateModule* first() const { return first_; }
  TemplateModule* last() const { return last_; }
  bool empty() const { return first_ == nullptr; }
  // Whether any module carries an expression.
  bool hasExpressions() const { return expressionCount_ > 0; }

  void appendModule(char symbol);
  // Adds the text to the expressions of the last module. An expression with no module before
  // it has nowhere to go and is dropped.
  void appendExpression(std::string_view text);
  void clear();

  // Every argument expression text, in the order the successor holds them.
  std::vector<std::string_view> expressionTexts() const;

  // The compiled form: one symbol per module, in order.
  std::string_view symbols() const { return symbols_; }
  // The number of expressions of the module at the position; their values are taken in this
  // order from the evaluated argument list.
  std::size_t expressionCount(std::size_t position) const { return expressionCounts_[position]; }
  // The number of expressions of all modules.
  std::size_t expressionTotal() const { return expressionCount_; }

  // The expression form, e.g. F({x*2},{y})A, without a line end.
  std::string expressionForm() const;
  // Writes the expression form.
  void print(Output& out) const;
  // Writes the expression form to standard output.
  void print() const;

 private:
  std::deque<TemplateModule> modules_;
  TemplateModule* first_ = nullptr;
  TemplateModule* last_ = nullptr;
  std::size_t expressionCount_ = 0;
  std::string symbols_;
  std::vector<std::size_t> expressionCounts_;
};

}  // namespace lsys
