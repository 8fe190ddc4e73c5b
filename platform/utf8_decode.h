#pragma once
// UTF-8 text to code points for drawing.
#include <string>
#include <string_view>

namespace dorx {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Every byte that does not start a well-formed character (overlong forms,
// surrogates, values beyond U+10FFFF, cut sequences) becomes one U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);

}  // namespace dorx
