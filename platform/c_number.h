#pragma once
// Number conversions with the rules of C's atol and strtod, independent of the
// process locale (the window toolkit may change LC_NUMERIC).
#include <cstdint>
#include <string_view>

namespace dorx {

// Leading white space, optional sign, decimal digits; anything else ends the
// number; no digits give 0. Values beyond the 32-bit range saturate, as the
// runtime's strtol does.
int32_t AtolC(std::string_view text);

// The longest leading decimal number (strtod in the "C" locale: decimal and
// hexadecimal forms, "inf", "nan"); none gives 0.
double StrtodC(std::string_view text);

// The low 8 bits of an integer, as a signed byte (300 becomes 44).
int8_t LowByte(int32_t value);

}  // namespace dorx
