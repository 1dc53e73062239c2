#include "derivation/module_string.h"

#include "app/console.h"
#include "derivation/link_after_last.h"
#include "description/scan_number.h"

namespace lsys {
namespace {

void appendValueForm(std::string& out, const Module& module) {
  out.push_back(module.symbol);
  if (module.parameters.empty()) return;
  out.push_back('(');
  for (std::size_t k = 0; k < module.parameters.size(); ++k) {
    if (k > 0) out.push_back(',');
    appendFixed(out, module.parameters[k]);
  }
  out.push_back(')');
}

}  // namespace

void ModuleString::appendModule(char symbol) {
  Module& module = modules_.emplace_back();
  module.symbol = symbol;
  module.index = static_cast<std::uint32_t>(modules_.size() - 1);
  LinkAfterLast(module, first_, last_);
  bracketIndexValid_ = false;
}

void ModuleString::appendParameter(float value) {
  if (last_ != nullptr) last_->parameters.push_back(value);
}

void ModuleString::clear() {
  modules_.clear();
  first_ = nullptr;
  last_ = nullptr;
  bracketIndexValid_ = false;
}

void ModuleString::appendCopyOf(const ModuleString& other) {
  for (const Module* module = other.first(); module != nullptr; module = module->next) {
    appendCopyOf(*module);
  }
}

void ModuleString::appendCopyOf(const Module& module) {
  appendModule(module.symbol);
  last_->parameters = module.parameters;
}

void ModuleString::parseModules(const std::string& line) {
  const char* text = line.c_str();
  const int length = static_cast<int>(line.size());
  int i = 6;
  if (i > length) return;
  while (text[i] != '\n' && text[i] != '\0') {
    // A ',' or '(' starts a further parameter of the last module; a '(' right after a ')'
    // continues the list of the same module.
    while (text[i] == ',' || text[i] == '(') {
      ++i;
      appendParameter(ScanNumber(text, i));
      const int end = SkipNumber(text, i);
      if (end != 0) i = end;
    }
    if (text[i] == '\n' || text[i] == '\0') return;
    if (text[i] != ',' && text[i] != ')') appendModule(text[i]);
    ++i;
  }
}

std::string ModuleString::valueForm() const {
  std::string out;
  for (const Module* module = first_; module != nullptr; module = module->next) {
    appendValueForm(out, *module);
  }
  return out;
}

void ModuleString::print() const {
  // Written in chunks so that printing a long generation needs no second copy of it.
  std::string chunk;
  for (const Module* module = first_; module != nullptr; module = module->next) {
    appendValueForm(chunk, *module);
    if (chunk.size() >= 1 << 16) {
      printText(chunk);
      chunk.clear();
    }
  }
  chunk.push_back('\n');
  printText(chunk);
}

void ModuleString::buildBracketIndex() const {
  const std::size_t count = modules_.size();
  openBefore_.assign(count, kNone);
  closeAfter_.assign(count, kNone);
  std::uint32_t open = kNone;
  for (std::size_t i = 0; i < count; ++i) {
    openBefore_[i] = open;
    if (modules_[i].symbol == '[') open = static_cast<std::uint32_t>(i);
  }
  std::uint32_t close = kNone;
  for (std::size_t i = count; i-- > 0;) {
    closeAfter_[i] = close;
    if (modules_[i].symbol == ']') close = static_cast<std::uint32_t>(i);
  }
  bracketIndexValid_ = true;
}

bool ModuleString::holds(const Module& module) const {
  return module.index < modules_.size() && &modules_[module.index] == &module;
}

const Module* ModuleString::nearestOpenBefore(const Module& module) const {
  if (!holds(module)) {
    const Module* p = module.prev;
    while (p != nullptr && p->symbol != '[') p = p->prev;
    return p;
  }
  if (!bracketIndexValid_) buildBracketIndex();
  const std::uint32_t found = openBefore_[module.index];
  return found == kNone ? nullptr : &modules_[found];
}

const Module* ModuleString::nearestCloseAfter(const Module& module) const {
  if (!holds(module)) {
    const Module* q = module.next;
    while (q != nullptr && q->symbol != ']') q = q->next;
    return q;
  }
  if (!bracketIndexValid_) buildBracketIndex();
  const std::uint32_t found = closeAfter_[module.index];
  return found == kNone ? nullptr : &modules_[found];
}

}  // namespace lsys
