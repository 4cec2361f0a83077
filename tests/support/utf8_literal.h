// UTF-8 texts for tests of the headless program, which reads and prints UTF-8.
//
// Contract: `utf8(u8"...")` gives the bytes of the literal as a std::string (core tests are
// compiled with a GBK execution charset, so a plain literal would be GBK).
// Thread safety: a pure function.
#pragma once

#include <string>

namespace zorvqi::testing {

inline std::string utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

}  // namespace zorvqi::testing
