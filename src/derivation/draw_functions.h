// The dialect's random functions in expressions: ran(x), uniform in [0, x), and nran(m, s),
// normal with mean m and standard deviation s. They draw from the stream installed on the
// calling thread, so an evaluation of a module's expressions consumes that module's draws.
#pragma once

#include <fparser.hh>

#include "derivation/keyed_draws.h"

namespace lsys {

// Registers ran and nran with the parser through the library's AddFunction; call it before
// Parse. False when the library refuses a name.
bool AddDrawFunctions(FunctionParser& parser);

// Installs the stream as the calling thread's source for ran and nran while the object lives,
// and puts the one installed before back afterwards. Without any stream installed the functions
// draw from a stream of seed 1, step 0, position 0. The stream must outlive the object.
class ScopedDrawStream {
 public:
  explicit ScopedDrawStream(DrawStream& stream);
  ~ScopedDrawStream();
  ScopedDrawStream(const ScopedDrawStream&) = delete;
  ScopedDrawStream& operator=(const ScopedDrawStream&) = delete;

 private:
  DrawStream* previous_;
};

}  // namespace lsys
