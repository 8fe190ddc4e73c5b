#pragma once
// Small pictures written as text for pixel-exact expectations: one string per
// row, '.' for white, '#' for the ink colour, 'o' for the second colour and
// '?' for any other colour.
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/colour.h"

namespace dorx::test {

inline constexpr CanvasColour kInk = kBlack;
inline constexpr CanvasColour kSecond = kBlue;

using Art = std::vector<std::string>;

inline Art ArtOf(const Bitmap& bitmap) {
  Art rows;
  for (int y = 0; y < bitmap.height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.width(); ++x) {
      const CanvasColour c = bitmap.Pixel(x, y);
      row.push_back(c == kWhite ? '.' : c == kInk ? '#' : c == kSecond ? 'o' : '?');
    }
    rows.push_back(row);
  }
  return rows;
}

// The part [x, x + width) x [y, y + height) of a picture (inside it).
inline Bitmap Crop(const Bitmap& bitmap, int x, int y, int width, int height) {
  Bitmap out(width, height);
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col) out.SetPixel(col, row, bitmap.Pixel(x + col, y + row));
  return out;
}

}  // namespace dorx::test
