#include "companion/check/quoting.h"

namespace lsys {

// Built by appending: GCC's -Wrestrict misreads "'" + std::string(text) at -O2.
std::string Quoted(std::string_view text) {
  std::string result;
  result.reserve(text.size() + 2);
  result += '\'';
  result += text;
  result += '\'';
  return result;
}

}  // namespace lsys
