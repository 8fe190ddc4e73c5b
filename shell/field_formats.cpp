#include "shell/field_formats.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "files/project_parameters.h"
#include "platform/c_format.h"
#include "platform/c_number.h"
#include "platform/cut.h"
#include "platform/sjis.h"

namespace dorx {
namespace {

bool IsCp932LeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The decimal digits of |value| to 15 significant digits and the number of
// them before the decimal point (which may be 0 or negative).
struct DecimalDigits {
  std::string digits;
  int integer_digits = 0;
};

DecimalDigits SignificantDigits(double magnitude) {
  // "d.dddddddddddddde±x": 15 digits in the "C" locale.
  const std::string text = Format("%.14e", magnitude);
  DecimalDigits result;
  const size_t exponent_at = text.find('e');
  for (size_t i = 0; i < exponent_at; ++i)
    if (text[i] >= '0' && text[i] <= '9') result.digits.push_back(text[i]);
  result.integer_digits = std::atoi(text.c_str() + exponent_at + 1) + 1;
  return result;
}

// Rounds the digit string half away from zero to `decimals` decimals and
// returns the integer digits and the decimals.
std::string RoundToDecimals(DecimalDigits d, int decimals) {
  if (d.integer_digits <= 0) {
    d.digits.insert(0, static_cast<size_t>(1 - d.integer_digits), '0');
    d.integer_digits = 1;
  }
  const size_t keep = static_cast<size_t>(d.integer_digits) + static_cast<size_t>(decimals);
  if (d.digits.size() < keep + 1) d.digits.append(keep + 1 - d.digits.size(), '0');
  const bool round_up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (round_up) {
    size_t i = keep;
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.integer_digits;
    } else {
      ++d.digits[i - 1];
    }
  }
  std::string integer_part = d.digits.substr(0, static_cast<size_t>(d.integer_digits));
  const size_t first_nonzero = integer_part.find_first_not_of('0');
  integer_part = first_nonzero == std::string::npos ? "0" : integer_part.substr(first_nonzero);
  if (decimals <= 0) return integer_part;
  return integer_part + "." + d.digits.substr(static_cast<size_t>(d.integer_digits));
}

}  // namespace

std::string FormatPicture(double value, int decimals) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  std::string text = value == 0.0 ? RoundToDecimals({"0", 1}, decimals)
                                  : RoundToDecimals(SignificantDigits(std::fabs(value)), decimals);
  const bool all_zero = text.find_first_not_of("0.") == std::string::npos;
  if (value < 0 && !all_zero) text.insert(0, "-");
  return text;
}

std::string FormatGeneral15(double value) { return Format("%.15g", value); }

std::string FormatCutInteger(double value) { return Format("%d", CutToInt(value)); }

std::string FormatInteger(int32_t value) { return Format("%d", value); }

std::string CutCp932(const std::string& cp932, size_t max_bytes) {
  size_t end = 0;
  while (end < cp932.size()) {
    const size_t width = IsCp932LeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1;
    if (end + width > max_bytes) break;
    end += width;
  }
  return cp932.substr(0, std::min(end, cp932.size()));
}

std::string FieldTextCp932(const std::string& utf8) { return CutCp932(Utf8ToCp932(utf8), kMaxTextBytes); }

int32_t FieldInteger(const std::string& utf8) { return AtolC(FieldTextCp932(utf8)); }

double FieldDouble(const std::string& utf8) { return StrtodC(FieldTextCp932(utf8)); }

}  // namespace dorx
