#include "derivation/expression_parse.h"

#include <fparser.hh>

#include "derivation/expression_stack.h"

namespace lsys {

int ParseExpression(FunctionParser& parser, const std::string& text, const std::string& names) {
  if (!StackHolds(ExpressionStackNeed(text))) return kParseNoStack;
  const int result = parser.Parse(text, names);
  return result < 0 ? -1 : result;
}

}  // namespace lsys
