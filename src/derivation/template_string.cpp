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
  expressionCount_ = 0;
  symbols_.clear();
  expressionCounts_.clear();
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

}  // namespace lsys
