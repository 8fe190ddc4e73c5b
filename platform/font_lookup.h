#pragma once
// Finding the font files that text is drawn with.
#include <string>
#include <vector>

namespace dorx {

struct FontFile {
  std::string path;
  int face_index = 0;
  bool operator==(const FontFile&) const = default;
};

// The scalable font files known to fontconfig, best first: the faces of the
// family "IPAGothic", then any face with Japanese glyphs, then any face. Within
// each group the files are ordered by path, so that every run picks the same.
// Empty when fontconfig knows no font.
std::vector<FontFile> FontFilesForJapanese();

}  // namespace dorx
