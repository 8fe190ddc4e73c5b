#pragma once
// Helpers shared by the test programs: scratch folders and byte files.
#include <string>
#include <string_view>

namespace dorx::test {

// A fresh empty folder below the system's temporary folder, removed with its
// content when the object goes. path() ends in a separator.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + std::string(name); }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);  // "" when missing

// UTF-8 literal to CP932 bytes, for fixtures with Japanese text.
std::string Sjis(std::string_view utf8);

}  // namespace dorx::test
