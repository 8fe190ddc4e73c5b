#include "platform/c_format.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace dorx {

std::string Format(const char* format, ...) {
  static locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  const locale_t previous = uselocale(c_locale);
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out;
  if (size > 0) {
    out.resize(static_cast<size_t>(size) + 1);
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(size));
  }
  va_end(args);
  uselocale(previous);
  return out;
}

}  // namespace dorx
