// Parsing of expression texts with the Function Parser library, never on a stack too small for
// the text.
#pragma once

#include <string>

class FunctionParser;

namespace lsys {

// ParseExpression's result when the calling thread's stack cannot be known to hold the parse.
constexpr int kParseNoStack = -2;

// FunctionParser::Parse (text, names) with its result (-1 on success, else the position of the
// error; the message is in the parser), on the calling thread when the stack left below the
// caller covers what the text's nesting can take (ExpressionStackNeed). Otherwise the library
// is not called and the result is kParseNoStack. Runs sized by RunWithExpressionStack always
// have the room.
int ParseExpression(FunctionParser& parser, const std::string& text, const std::string& names);

}  // namespace lsys
