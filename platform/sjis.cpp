#include "platform/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace dorx {
namespace {

// Converts with iconv; on an invalid or unconvertible sequence the first byte
// of it is replaced and skipped.
std::string Convert(const char* to, const char* from, std::string_view in,
                    std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.reserve(in.size() * 2 + 4);
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  char buffer[256];
  while (src_left > 0) {
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    const size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (rc == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (truncated sequence at the end): replace one byte.
      out.append(replacement);
      ++src;
      --src_left;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      if (from[0] == 'U') {  // skip the continuation bytes of a UTF-8 character
        while (src_left > 0 && (static_cast<unsigned char>(*src) & 0xC0u) == 0x80u) {
          ++src;
          --src_left;
        }
      }
    }
  }
  char* dst = buffer;
  size_t dst_left = sizeof buffer;
  iconv(cd, nullptr, nullptr, &dst, &dst_left);
  out.append(buffer, static_cast<size_t>(dst - buffer));
  iconv_close(cd);
  return out;
}

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD");
}

std::string Utf8ToCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Convert("CP932", "UTF-8", utf8, "?");
}

}  // namespace dorx
