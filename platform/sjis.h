#pragma once
// Shift-JIS (code page 932) is the encoding of every text the system stores and
// shows; file names and the window toolkit use UTF-8.
#include <string>
#include <string_view>

namespace dorx {

// Bytes that are not valid CP932 become U+FFFD; conversion never fails.
std::string Cp932ToUtf8(std::string_view cp932);

// Characters without a CP932 form become '?'; conversion never fails.
std::string Utf8ToCp932(std::string_view utf8);

}  // namespace dorx
