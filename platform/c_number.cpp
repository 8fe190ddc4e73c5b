#include "platform/c_number.h"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace dorx {
namespace {

locale_t CLocale() {
  static locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c_locale;
}

}  // namespace

int32_t AtolC(std::string_view text) {
  const std::string copy(text);
  errno = 0;
  const long long value = strtoll_l(copy.c_str(), nullptr, 10, CLocale());
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

double StrtodC(std::string_view text) {
  const std::string copy(text);
  return strtod_l(copy.c_str(), nullptr, CLocale());
}

int8_t LowByte(int32_t value) {
  return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu));
}

}  // namespace dorx
