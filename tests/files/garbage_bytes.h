#pragma once
// Arbitrary bytes for the readers' robustness tests: every byte value occurs,
// line ends and blanks among them, the same bytes on every run.
#include <cstddef>
#include <cstdint>
#include <string>

namespace dorx::test {

inline std::string GarbageBytes(size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  uint32_t state = seed;
  for (char& c : bytes) {
    state = state * 1664525u + 1013904223u;  // a linear congruential generator
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

}  // namespace dorx::test
