#pragma once
// printf-style formatting into a std::string, in the "C" locale, without any
// fixed buffer: the system's formats ("%4.2f", "%03.0f", ...) stand as written.
#include <string>

namespace dorx {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace dorx
