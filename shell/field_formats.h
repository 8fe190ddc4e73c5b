#pragma once
// How the window's fields show numbers and how their texts become numbers.
// Field texts are UTF-8; the values they feed are read from the CP932 form of
// the text, as a 1,024-byte buffer holds it.
#include <cstdint>
#include <string>

namespace dorx {

// The picture formats "0.00", "0.0000", "0.000", "0.0": at least one integer
// digit and exactly `decimals` decimals, rounded half away from zero on the
// value's 15-significant-digit decimal form (so 2.675 shows "2.68", as a user
// reads it). A value that rounds to zero shows without a sign; an infinite
// value shows "INF" or "-INF", NaN "NAN".
std::string FormatPicture(double value, int decimals);

// The shortest general form with up to 15 significant digits ("300", "12.5").
std::string FormatGeneral15(double value);

// Degrees and minutes of a position: cut toward zero to an integer.
std::string FormatCutInteger(double value);
std::string FormatInteger(int32_t value);

// The text as the system reads a field: converted to CP932, at most 1,023
// bytes, never ending in the first half of a double-byte character.
std::string FieldTextCp932(const std::string& utf8);

// atol and strtod semantics on the CP932 form of the text: "2x" gives 2, "x2" 0.
int32_t FieldInteger(const std::string& utf8);
double FieldDouble(const std::string& utf8);

// CP932 bytes cut to at most `max_bytes` at a character boundary.
std::string CutCp932(const std::string& cp932, size_t max_bytes);

}  // namespace dorx
