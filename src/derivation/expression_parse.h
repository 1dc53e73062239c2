// Parsing of expression texts with the Function Parser library, safe for texts of any depth.
#pragma once

#include <string>

class FunctionParser;

namespace lsys {

// FunctionParser::Parse (text, names), with its result: -1 on success, else the error position.
// The library parses by recursive descent, one level per nested parenthesis or operator, so a
// long text is parsed on a helper thread whose stack grows with the text's length; the caller
// waits for it, and nothing else runs meanwhile.
int ParseExpression(FunctionParser& parser, const std::string& text, const std::string& names);

}  // namespace lsys
