#include "platform/utf8_decode.h"

namespace dorx {
namespace {

struct Decoded {
  char32_t code_point;
  size_t length;  // 0: not a well-formed character
};

bool IsContinuation(unsigned char c) { return (c & 0xC0u) == 0x80u; }

Decoded DecodeOne(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80u) return {lead, 1};
  size_t length;
  char32_t value;
  char32_t smallest;
  if ((lead & 0xE0u) == 0xC0u) {
    length = 2, value = lead & 0x1Fu, smallest = 0x80;
  } else if ((lead & 0xF0u) == 0xE0u) {
    length = 3, value = lead & 0x0Fu, smallest = 0x800;
  } else if ((lead & 0xF8u) == 0xF0u) {
    length = 4, value = lead & 0x07u, smallest = 0x10000;
  } else {
    return {0, 0};
  }
  if (text.size() - at < length) return {0, 0};
  for (size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte(i))) return {0, 0};
    value = (value << 6) | (byte(i) & 0x3Fu);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (value < smallest || value > 0x10FFFF || surrogate) return {0, 0};
  return {value, length};
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const Decoded d = DecodeOne(utf8, at);
    if (d.length == 0) {
      out.push_back(kReplacementCharacter);
      ++at;
    } else {
      out.push_back(d.code_point);
      at += d.length;
    }
  }
  return out;
}

}  // namespace dorx
