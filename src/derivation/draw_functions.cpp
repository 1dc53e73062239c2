#include "derivation/draw_functions.h"

namespace lsys {
namespace {

// The library calls a registered function through a plain pointer, with no room for a
// context: the stream of the evaluation is found through the thread. A derivation evaluates on
// one thread.
thread_local DrawStream* installed = nullptr;

DrawStream& stream() {
  thread_local DrawStream fallback;
  return installed != nullptr ? *installed : fallback;
}

double ran(const double* arguments) { return arguments[0] * stream().uniform(); }

double nran(const double* arguments) { return stream().normal(arguments[0], arguments[1]); }

}  // namespace

bool AddDrawFunctions(FunctionParser& parser) {
  return parser.AddFunction("ran", ran, 1) && parser.AddFunction("nran", nran, 2);
}

ScopedDrawStream::ScopedDrawStream(DrawStream& stream) : previous_(installed) {
  installed = &stream;
}

ScopedDrawStream::~ScopedDrawStream() { installed = previous_; }

}  // namespace lsys
