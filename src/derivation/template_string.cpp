#include "derivation/template_string.h"

#include "common/output.h"
#include "derivation/link_after_last.h"

namespace lsys {

void TemplateString::appendModule(char symbol) {
  TemplateModule& module = modules_.emplace_back();
  module.symbol = symbol;
  LinkAfterLast(module, first_, last_);
  symbols_.push_back(symbol);
  expressionCounts_.push_back(0);
}

void TemplateString::appendExpression(std::string_view text) {
  if (last_ == nullptr) return;
  last_->expressions.emplace_back(text);
  ++expressionCount_;
  ++expressionCounts_.back();
}

void TemplateString::clear() {
  modules_.clear();
  first_ = nullptr;
  last_ = nullptr;
  cursor_ = nullptr;
  expressionCount_ = 0;
  symbols_.clear();
  expressionCounts_.clear();
  modulesDone_ = false;
  expressionsDone_ = false;
}

std::vector<std::string_view> TemplateString::expressionTexts() const {
  std::vector<std::string_view> texts;
  for (const TemplateModule* module = first_; module != nullptr; module = module->next) {
    for (const std::string& text : module->expressions) texts.emplace_back(text);
  }
  return texts;
}

std::string TemplateString::expressionForm() const {
  std::string out;
  for (const TemplateModule* module = first_; module != nullptr; module = module->next) {
    out.push_back(module->symbol);
    if (module->expressions.empty()) continue;
    out.push_back('(');
    for (std::size_t k = 0; k < module->expressions.size(); ++k) {
      if (k > 0) out.push_back(',');
      out.push_back('{');
      out += module->expressions[k];
      out.push_back('}');
    }
    out.push_back(')');
  }
  return out;
}

void TemplateString::print(Output& out) const { out.text(expressionForm()); }

void TemplateString::print() const { print(StandardOutput()); }

char TemplateString::firstModule() {
  cursor_ = first_;
  modulesDone_ = cursor_ == nullptr;
  return modulesDone_ ? '\0' : cursor_->symbol;
}

char TemplateString::nextModule() {
  if (cursor_ != nullptr) cursor_ = cursor_->next;
  modulesDone_ = cursor_ == nullptr;
  return modulesDone_ ? '\0' : cursor_->symbol;
}

const std::string* TemplateString::firstExpression() {
  expressionCursor_ = 0;
  return expressionAtCursor();
}

const std::string* TemplateString::nextExpression() {
  ++expressionCursor_;
  return expressionAtCursor();
}

const std::string* TemplateString::expressionAtCursor() {
  if (cursor_ == nullptr || expressionCursor_ >= cursor_->expressions.size()) {
    expressionsDone_ = true;
    return nullptr;
  }
  expressionsDone_ = false;
  return &cursor_->expressions[expressionCursor_];
}

}  // namespace lsys
