// The full write: a descriptor takes a piece of text in as many writes as it needs.
#pragma once

#include <cstddef>

namespace lsys {

// Writes all size bytes to the descriptor, retrying after interruptions and partial writes.
// False when a write fails; some bytes may have been written by then.
bool WriteAll(int descriptor, const char* data, std::size_t size);

}  // namespace lsys
